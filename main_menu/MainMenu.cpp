// The main menu: its column of register buttons, "Quitter" and menus.

#include "main_menu/MainMenu.h"

#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Palette.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"

#include <QMenu>
#include <QMenuBar>

using namespace forms;

MainMenu::MainMenu(Services &services) : Form(services)
{
    setWindowTitle(QStringLiteral("Tramelune à décalage"));
    setWindowIcon(icon({ QStringLiteral(":/assets/france-map-32.svg"), QStringLiteral(":/assets/france-map-16.svg") }));
    setBackground(client(), palette::kPeach);
    setClientArea(7185, 6360, Border::Fixed);
    placeClientAt(2580, 1365);

    // Front to back: two of the register buttons lie on the form over the
    // panel, the two others on the panel, in one column.
    QWidget *form = client();
    auto *serialParallel =
            new CommandButton(form, twipsRect(750, 2100, 5655, 495), QStringLiteral("Registre série/parallèle"));
    auto *blank = new CommandButton(form, twipsRect(750, 3360, 5655, 495), QString());
    blank->setAccessibleName(QStringLiteral("Bouton sans titre"));
    auto *quitButton = new CommandButton(form, twipsRect(3000, 5640, 1215, 375), QStringLiteral("Quitter"));
    setBackground(quitButton, palette::kGrey);
    auto *titleStrip = new PictureBox(form, twipsRect(1080, 360, 4695, 375), palette::kLightOrange);
    titleStrip->setObjectName(QStringLiteral("titleStrip"));
    titleStrip->setAccessibleName(QStringLiteral("Tramelune à décalage"));
    auto *title = new Label(titleStrip->inside(), twipsRect(240, 0, 4215, 255), QStringLiteral("TRAMELUNE A DECALAGE"));
    title->setFont(formFont(Face::TimesNewRoman, 12, Weight::Bold));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setColours(palette::kLightOrange, palette::kBlue);
    auto *panel = new PictureBox(form, twipsRect(360, 1200, 6375, 4305), palette::kLightOrange);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setAccessibleName(QStringLiteral("Choix du registre"));
    auto *serial =
            new CommandButton(panel->inside(), twipsRect(360, 240, 5655, 495), QStringLiteral("Registre série/série"));
    auto *parallel = new CommandButton(panel->inside(), twipsRect(360, 1530, 5655, 495),
                                       QStringLiteral("Registre parallèle/parallèle"));
    for (CommandButton *button : { serial, parallel, serialParallel, blank, quitButton })
        button->setFont(formFont(Face::MsSansSerif, 12, Weight::Bold));

    // Tab order. The panel comes first and holds the focus, so no button
    // stands out as the one Enter would click; the title strip comes next.
    panel->setFocusPolicy(Qt::StrongFocus);
    panel->setFocus(Qt::OtherFocusReason);
    titleStrip->setFocusPolicy(Qt::TabFocus);
    setTabOrder(panel, titleStrip);
    setTabOrder(titleStrip, parallel);
    setTabOrder(parallel, quitButton);
    setTabOrder(quitButton, blank);
    setTabOrder(blank, serialParallel);
    setTabOrder(serialParallel, serial);

    QMenu *file = menuBar()->addMenu(QStringLiteral("Fichier"));
    // Its "Quitter" does what the button of the same caption does.
    connect(file->addAction(QStringLiteral("Quitter")), &QAction::triggered, this, &MainMenu::endProgram);
    connect(menuBar()->addAction(QStringLiteral("à propos")), &QAction::triggered, this,
            [this] { leaveFor(FormId::AboutBox); });

    connect(serial, &QPushButton::clicked, this, [this] { leaveFor(FormId::SerialTrainer); });
    connect(serialParallel, &QPushButton::clicked, this, [this] { leaveFor(FormId::SerialParallelTrainer); });
    // Both registers not built yet lead to the card.
    for (CommandButton *button : { parallel, blank })
        connect(button, &QPushButton::clicked, this, [this] { leaveFor(FormId::ComingSoonCard); });
    connect(quitButton, &QPushButton::clicked, this, &MainMenu::endProgram);
    connect(this, &Form::closeBoxClicked, this, &MainMenu::endProgram);
}
