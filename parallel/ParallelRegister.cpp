// The parallel register window: its diagram, lamps, timers and buttons.

#include "parallel/ParallelRegister.h"

#include "forms/Pictures.h"
#include "forms/ProgramEnd.h"
#include "forms/FormRegistry.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"

#include <QApplication>

using namespace forms;

namespace {

// Where each lamp lies inside the diagram, and its name, in lamp order.
struct LampPlace {
    int left;
    int top;
    const char* name;
};

const LampPlace kLamps[ParallelRegister::LampCount] = {
    {900, 2640, "Entrée E4"},  {1920, 2640, "Entrée E3"}, {3000, 2640, "Entrée E2"},
    {4020, 2640, "Entrée E1"}, {1830, 4260, "Sortie S4"}, {2850, 4260, "Sortie S3"},
    {3900, 4260, "Sortie S2"}, {4950, 4260, "Sortie S1"}, {600, 3750, "RAZ"},
    {600, 3990, "Cde"},
};

QRect lampRect(const LampPlace& lamp) { return twipsRect(lamp.left, lamp.top, 240, 240); }

} // namespace

ParallelRegister::ParallelRegister(Services& services)
    : Form(services),
      spareTimers{{forms::Timer(services.clock), forms::Timer(services.clock), forms::Timer(services.clock)}}
{
    setWindowTitle(QStringLiteral("Entrée série et sortie parallèle"));
    setWindowIcon(icon({QStringLiteral(":/assets/france-map-32.svg"),
                        QStringLiteral(":/assets/france-map-16.svg")}));
    setClientArea(9015, 6240, Border::Sizable);

    // Front to back.
    QWidget* form = client();
    diagram = new PictureBox(form, twipsRect(2100, 240, 5745, 5325),
                             QApplication::palette().color(QPalette::Button),
                             Picture(QStringLiteral(":/assets/parallel-diagram.svg")));
    diagram->setAccessibleName(QStringLiteral("Schéma du registre 4 bits à entrées et sorties parallèles"));
    QWidget* inside = diagram->inside();
    const Picture lit(QStringLiteral(":/assets/parallel-lamp-lit.svg"));
    const Picture unlit(QStringLiteral(":/assets/parallel-lamp-unlit.svg"));
    for (int i = 0; i < LampCount; ++i)
        litPictures[i] = new Image(inside, lampRect(kLamps[i]), lit);
    for (int i = 0; i < LampCount; ++i)
        unlitPictures[i] = new Image(inside, lampRect(kLamps[i]), unlit);
    pulseSymbol = new Image(inside, twipsRect(240, 4200, 540, 585), Picture(QStringLiteral(":/assets/parallel-pulse.svg")));
    pulseSymbol->setAccessibleName(QStringLiteral("Impulsion d'horloge"));
    menuButton = new CommandButton(form, twipsRect(2100, 5640, 1245, 345), QStringLiteral("Menu"));
    quitButton = new CommandButton(form, twipsRect(6600, 5640, 1245, 375), QStringLiteral("Quitter"));

    lamps_.reserve(LampCount);
    for (int i = 0; i < LampCount; ++i)
        lamps_.emplace_back(*unlitPictures[i], *litPictures[i], QString::fromUtf8(kLamps[i].name));

    // Tab order: "Quitter", which holds the focus, "Menu", the diagram.
    diagram->setFocusPolicy(Qt::TabFocus);
    setTabOrder(quitButton, menuButton);
    setTabOrder(menuButton, diagram);
    quitButton->setFocus(Qt::OtherFocusReason);

    quitButton->onClick([this] { onQuitClicked(); });
    menuButton->onClick([this] { onMenuClicked(); });
    onCloseBox([this] { onQuitClicked(); });
}

void ParallelRegister::onQuitClicked() { services().programEnd.end(); }

void ParallelRegister::onMenuClicked()
{
    leaveFor(FormId::MainMenu);
}
