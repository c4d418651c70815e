// The main menu: its column of register buttons, "Quitter" and menus.

#include "main_menu/MainMenu.h"

#include "forms/Fonts.h"
#include "forms/Pictures.h"
#include "forms/ProgramEnd.h"
#include "forms/FormRegistry.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"

#include <QMenu>

using namespace forms;

namespace {
const QColor kPeach(0xFF, 0xE0, 0xC0);
const QColor kLightOrange(0xFF, 0xC0, 0x80);
const QColor kGrey(0xC0, 0xC0, 0xC0);
} // namespace

MainMenu::MainMenu(Services& services) : Form(services)
{
    setWindowTitle(QStringLiteral("Tramelune à décalage"));
    setWindowIcon(icon({QStringLiteral(":/assets/france-map-32.svg"),
                        QStringLiteral(":/assets/france-map-16.svg")}));
    setBackground(client(), kPeach);
    setClientArea(7185, 6360, Border::Fixed);
    placeClientAt(2580, 1365);

    const QFont buttonFont = formFont(QStringLiteral("MS Sans Serif"), 12, Weight::Bold);
    QWidget* form = client();

    // Front to back: two of the register buttons lie on the form over the
    // panel, the two others on the panel, in one column.
    serialParallelButton = new CommandButton(form, twipsRect(750, 2100, 5655, 495),
                                             QStringLiteral("Registre série/parallèle"));
    blankButton = new CommandButton(form, twipsRect(750, 3360, 5655, 495), QString());
    blankButton->setAccessibleName(QStringLiteral("Bouton sans titre"));
    quitButton = new CommandButton(form, twipsRect(3000, 5640, 1215, 375), QStringLiteral("Quitter"));
    setBackground(quitButton, kGrey);
    titleStrip = new PictureBox(form, twipsRect(1080, 360, 4695, 375), kLightOrange);
    titleLabel = new Label(titleStrip->inside(), twipsRect(240, 0, 4215, 255),
                           QStringLiteral("TRAMELUNE A DECALAGE"));
    titleLabel->setFont(formFont(QStringLiteral("Times New Roman"), 12, Weight::Bold));
    titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    titleLabel->setColours(kLightOrange, QColor(0x00, 0x00, 0xFF));
    panel = new PictureBox(form, twipsRect(360, 1200, 6375, 4305), kLightOrange);
    serialButton = new CommandButton(panel->inside(), twipsRect(360, 240, 5655, 495),
                                     QStringLiteral("Registre série/série"));
    parallelButton = new CommandButton(panel->inside(), twipsRect(360, 1530, 5655, 495),
                                       QStringLiteral("Registre parallèle/parallèle"));
    for (CommandButton* button :
         {serialButton, parallelButton, serialParallelButton, blankButton, quitButton})
        button->setFont(buttonFont);

    // Tab order. The panel comes first and holds the focus, so
    // no button stands out as the one Enter would click; the title strip
    // comes next.
    panel->setAccessibleName(QStringLiteral("Choix du registre"));
    titleStrip->setAccessibleName(QStringLiteral("Tramelune à décalage"));
    panel->setFocusPolicy(Qt::StrongFocus);
    panel->setFocus(Qt::OtherFocusReason);
    titleStrip->setFocusPolicy(Qt::TabFocus);
    setTabOrder(panel, titleStrip);
    setTabOrder(titleStrip, parallelButton);
    setTabOrder(parallelButton, quitButton);
    setTabOrder(quitButton, blankButton);
    setTabOrder(blankButton, serialParallelButton);
    setTabOrder(serialParallelButton, serialButton);

    QMenu* fileMenu = addMenu(QStringLiteral("Fichier"));
    quitAction = addMenuItem(fileMenu, QStringLiteral("Quitter"), [this] { onQuitChosen(); });
    aboutAction = addMenuCommand(QStringLiteral("à propos"), [this] { onAboutChosen(); });

    serialButton->onClick([this] { onSerialClicked(); });
    parallelButton->onClick([this] { onParallelClicked(); });
    serialParallelButton->onClick([this] { onSerialParallelClicked(); });
    blankButton->onClick([this] { onBlankClicked(); });
    quitButton->onClick([this] { onQuitClicked(); });
    onCloseBox([this] { onQuitClicked(); });
}

void MainMenu::onSerialClicked() { leaveFor(FormId::SerialTrainer); }
void MainMenu::onSerialParallelClicked() { leaveFor(FormId::SerialParallelTrainer); }
void MainMenu::onParallelClicked() { leaveFor(FormId::ComingSoonCard); }
void MainMenu::onBlankClicked() { leaveFor(FormId::ComingSoonCard); }
void MainMenu::onQuitClicked() { services().programEnd.end(); }
// The menu's "Quitter" does what the button of the same caption does.
void MainMenu::onQuitChosen() { services().programEnd.end(); }
void MainMenu::onAboutChosen() { leaveFor(FormId::AboutBox); }
