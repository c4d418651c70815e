#include "pp.h"

#include "forms/Pictures.h"
#include "forms/ProgramEnd.h"
#include "forms/ScreenRegistry.h"
#include "forms/Twips.h"

#include <QApplication>

using namespace forms;

namespace {

// Where each lamp lies inside the diagram, and the images that make it.
struct LampPlace {
    Image* pp::*lit;
    Image* pp::*unlit;
    int left;
    int top;
    const char* name;
};

const LampPlace kLamps[] = {
    {&pp::Image2, &pp::Image12, 900, 2640, "Entrée E4"},
    {&pp::Image3, &pp::Image13, 1920, 2640, "Entrée E3"},
    {&pp::Image4, &pp::Image14, 3000, 2640, "Entrée E2"},
    {&pp::Image5, &pp::Image15, 4020, 2640, "Entrée E1"},
    {&pp::Image6, &pp::Image16, 1830, 4260, "Sortie S4"},
    {&pp::Image7, &pp::Image17, 2850, 4260, "Sortie S3"},
    {&pp::Image8, &pp::Image18, 3900, 4260, "Sortie S2"},
    {&pp::Image9, &pp::Image19, 4950, 4260, "Sortie S1"},
    {&pp::Image10, &pp::Image20, 600, 3750, "RAZ"},
    {&pp::Image11, &pp::Image21, 600, 3990, "Cde"},
};

QRect lampRect(const LampPlace& lamp) { return twipsRect(lamp.left, lamp.top, 240, 240); }

} // namespace

pp::pp(Services& services)
    : Screen(services), Timer3(services.clock), Timer2(services.clock), Timer1(services.clock)
{
    setWindowTitle(QStringLiteral("Entrée série et sortie parallèle"));
    setWindowIcon(icon({QStringLiteral(":/assets/france-map-32.svg"),
                        QStringLiteral(":/assets/france-map-16.svg")}));
    setClientArea(9015, 6240, Border::Sizable);

    // Front to back.
    QWidget* form = client();
    Picture1 = new PictureBox(form, twipsRect(2100, 240, 5745, 5325),
                              QApplication::palette().color(QPalette::Button),
                              Picture(QStringLiteral(":/assets/pp-diagram.svg")));
    Picture1->setAccessibleName(
        QStringLiteral("Schéma du registre 4 bits à entrées et sorties parallèles"));
    QWidget* diagram = Picture1->inside();
    const Picture lit(QStringLiteral(":/assets/pp-lamp-lit.svg"));
    const Picture unlit(QStringLiteral(":/assets/pp-lamp-unlit.svg"));
    for (const LampPlace& lamp : kLamps)
        this->*lamp.lit = new Image(diagram, lampRect(lamp), lit);
    for (const LampPlace& lamp : kLamps)
        this->*lamp.unlit = new Image(diagram, lampRect(lamp), unlit);
    Image1 = new Image(diagram, twipsRect(240, 4200, 540, 585),
                       Picture(QStringLiteral(":/assets/pp-pulse.svg")));
    Image1->setAccessibleName(QStringLiteral("Impulsion d'horloge"));
    Menu = new CommandButton(form, twipsRect(2100, 5640, 1245, 345), QStringLiteral("Menu"));
    Quit = new CommandButton(form, twipsRect(6600, 5640, 1245, 375), QStringLiteral("Quitter"));

    lamps_.reserve(std::size(kLamps));
    for (const LampPlace& lamp : kLamps)
        lamps_.emplace_back(*(this->*lamp.unlit), *(this->*lamp.lit), QString::fromUtf8(lamp.name));

    // Tab order by tab index: "Quitter", which holds the focus, "Menu", the
    // diagram.
    Picture1->setFocusPolicy(Qt::TabFocus);
    setTabOrder(Quit, Menu);
    setTabOrder(Menu, Picture1);
    Quit->setFocus(Qt::OtherFocusReason);

    Quit->onClick([this] { Quit_Click(); });
    Menu->onClick([this] { Menu_Click(); });
    onCloseBox([this] { Quit_Click(); });
}

void pp::Quit_Click() { services().programEnd.end(); }

void pp::Menu_Click()
{
    leaveFor(ScreenId::Registre);
}
