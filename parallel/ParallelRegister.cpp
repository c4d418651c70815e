// The parallel register window: its diagram, lamps, timers and buttons.

#include "parallel/ParallelRegister.h"

#include "forms/Controls.h"
#include "forms/Pictures.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"

using namespace forms;

namespace {

// Where each lamp lies inside the diagram, in twips, and what it is called.
const std::vector<LampPlace> kLamps = {
    { { 900, 2640 }, "Entrée E4", "e4" },  { { 1920, 2640 }, "Entrée E3", "e3" }, { { 3000, 2640 }, "Entrée E2", "e2" },
    { { 4020, 2640 }, "Entrée E1", "e1" }, { { 1830, 4260 }, "Sortie S4", "s4" }, { { 2850, 4260 }, "Sortie S3", "s3" },
    { { 3900, 4260 }, "Sortie S2", "s2" }, { { 4950, 4260 }, "Sortie S1", "s1" }, { { 600, 3750 }, "RAZ", "reset" },
    { { 600, 3990 }, "Cde", "command" },
};

} // namespace

ParallelRegister::ParallelRegister(Services &services)
    : Form(services), spareTimers_{ { Timer(services.clock), Timer(services.clock), Timer(services.clock) } }
{
    setWindowTitle(QStringLiteral("Entrée série et sortie parallèle"));
    setWindowIcon(icon({ QStringLiteral(":/assets/france-map-32.svg"), QStringLiteral(":/assets/france-map-16.svg") }));
    setClientArea(9015, 6240, Border::Sizable);

    // Front to back: the lamps, each lit picture in front of its unlit one,
    // then the pulse symbol behind them.
    auto *diagram = new PictureBox(client(), twipsRect(2100, 240, 5745, 5325), defaultBoxColour(),
                                   Picture(QStringLiteral(":/assets/parallel-diagram.svg")));
    diagram->setObjectName(QStringLiteral("diagram"));
    diagram->setAccessibleName(QStringLiteral("Schéma du registre 4 bits à entrées et sorties parallèles"));
    QWidget *inside = diagram->inside();
    lamps_ = layOutLamps(inside, kLamps, QSize(240, 240), QStringLiteral(":/assets/parallel-lamp-unlit.svg"),
                         QStringLiteral(":/assets/parallel-lamp-lit.svg"), InFront::Lit);
    auto *pulse =
            new Image(inside, twipsRect(240, 4200, 540, 585), Picture(QStringLiteral(":/assets/parallel-pulse.svg")));
    pulse->setObjectName(QStringLiteral("pulseSymbol"));
    pulse->setAccessibleName(QStringLiteral("Impulsion d'horloge"));
    auto *menuButton = new CommandButton(client(), twipsRect(2100, 5640, 1245, 345), QStringLiteral("Menu"));
    auto *quitButton = new CommandButton(client(), twipsRect(6600, 5640, 1245, 375), QStringLiteral("Quitter"));

    // Tab order: "Quitter", which holds the focus, "Menu", the diagram.
    diagram->setFocusPolicy(Qt::TabFocus);
    setTabOrder(quitButton, menuButton);
    setTabOrder(menuButton, diagram);
    quitButton->setFocus(Qt::OtherFocusReason);

    connect(quitButton, &QPushButton::clicked, this, &ParallelRegister::endProgram);
    connect(menuButton, &QPushButton::clicked, this, [this] { leaveFor(FormId::MainMenu); });
    connect(this, &Form::closeBoxClicked, this, &ParallelRegister::endProgram);
}
