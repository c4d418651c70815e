// The parallel register window: its diagram, lamps, timers and buttons.

#include "parallel/ParallelRegister.h"

#include "forms/Controls.h"
#include "forms/Pictures.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"

#include <QApplication>

using namespace forms;

namespace {

// Where each lamp lies inside the diagram, in twips, and what it is called.
struct LampPlace {
    QPoint place;
    const char* name;
    const char* object;
};
const LampPlace kLamps[] = {
    {{900, 2640}, "Entrée E4", "e4"},  {{1920, 2640}, "Entrée E3", "e3"}, {{3000, 2640}, "Entrée E2", "e2"},
    {{4020, 2640}, "Entrée E1", "e1"}, {{1830, 4260}, "Sortie S4", "s4"}, {{2850, 4260}, "Sortie S3", "s3"},
    {{3900, 4260}, "Sortie S2", "s2"}, {{4950, 4260}, "Sortie S1", "s1"}, {{600, 3750}, "RAZ", "reset"},
    {{600, 3990}, "Cde", "command"},
};

} // namespace

ParallelRegister::ParallelRegister(Services& services)
    : Form(services),
      spareTimers_{{Timer(services.clock), Timer(services.clock), Timer(services.clock)}}
{
    setWindowTitle(QStringLiteral("Entrée série et sortie parallèle"));
    setWindowIcon(icon({QStringLiteral(":/assets/france-map-32.svg"), QStringLiteral(":/assets/france-map-16.svg")}));
    setClientArea(9015, 6240, Border::Sizable);

    // Front to back: every lit picture, then every unlit one behind it, then
    // the pulse symbol behind the lamps.
    auto* diagram = new PictureBox(client(), twipsRect(2100, 240, 5745, 5325),
                                   QApplication::palette().color(QPalette::Button),
                                   Picture(QStringLiteral(":/assets/parallel-diagram.svg")));
    diagram->setObjectName(QStringLiteral("diagram"));
    diagram->setAccessibleName(QStringLiteral("Schéma du registre 4 bits à entrées et sorties parallèles"));
    QWidget* inside = diagram->inside();
    const auto pictures = [inside](const char* path, const char* state) {
        const Picture picture{QString::fromLatin1(path)};
        std::vector<Image*> made;
        for (const LampPlace& lamp : kLamps) {
            made.push_back(new Image(inside, twipsRect(lamp.place.x(), lamp.place.y(), 240, 240), picture));
            made.back()->setObjectName(QString::fromLatin1(lamp.object) + QString::fromLatin1(state));
        }
        return made;
    };
    const std::vector<Image*> lit = pictures(":/assets/parallel-lamp-lit.svg", "Lit");
    const std::vector<Image*> unlit = pictures(":/assets/parallel-lamp-unlit.svg", "Unlit");
    auto* pulse = new Image(inside, twipsRect(240, 4200, 540, 585), Picture(QStringLiteral(":/assets/parallel-pulse.svg")));
    pulse->setObjectName(QStringLiteral("pulseSymbol"));
    pulse->setAccessibleName(QStringLiteral("Impulsion d'horloge"));
    auto* menuButton = new CommandButton(client(), twipsRect(2100, 5640, 1245, 345), QStringLiteral("Menu"));
    auto* quitButton = new CommandButton(client(), twipsRect(6600, 5640, 1245, 375), QStringLiteral("Quitter"));

    lamps_.reserve(std::size(kLamps));
    for (size_t i = 0; i < std::size(kLamps); ++i)
        lamps_.emplace_back(*unlit[i], *lit[i], QString::fromUtf8(kLamps[i].name));

    // Tab order: "Quitter", which holds the focus, "Menu", the diagram.
    diagram->setFocusPolicy(Qt::TabFocus);
    setTabOrder(quitButton, menuButton);
    setTabOrder(menuButton, diagram);
    quitButton->setFocus(Qt::OtherFocusReason);

    connect(quitButton, &QPushButton::clicked, this, &ParallelRegister::endProgram);
    connect(menuButton, &QPushButton::clicked, this, [this] { leaveFor(FormId::MainMenu); });
    connect(this, &Form::closeBoxClicked, this, &ParallelRegister::endProgram);
}
