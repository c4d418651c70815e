#include "Registre.h"

#include "forms/Fonts.h"
#include "forms/Pictures.h"
#include "forms/ProgramEnd.h"
#include "forms/ScreenRegistry.h"
#include "forms/Twips.h"

#include <QMenu>

using namespace forms;

namespace {
const QColor kPeach(0xFF, 0xE0, 0xC0);
const QColor kLightOrange(0xFF, 0xC0, 0x80);
const QColor kGrey(0xC0, 0xC0, 0xC0);
} // namespace

Registre::Registre(Services& services) : Screen(services)
{
    setWindowTitle(QStringLiteral("Tramelune à décalage"));
    setWindowIcon(icon({QStringLiteral(":/assets/france-map-32.svg"),
                        QStringLiteral(":/assets/france-map-16.svg")}));
    setBackground(client(), kPeach);
    setClientArea(7185, 6360, Border::Fixed);
    placeClientAt(2580, 1365);

    const QFont buttonFont = formFont(QStringLiteral("MS Sans Serif"), 12, Weight::Bold);
    QWidget* form = client();

    // Front to back.
    Command3 = new CommandButton(form, twipsRect(750, 2100, 5655, 495),
                                 QStringLiteral("Registre série/parallèle"));
    Command4 = new CommandButton(form, twipsRect(750, 3360, 5655, 495), QString());
    Command4->setAccessibleName(QStringLiteral("Bouton sans titre"));
    Command5 = new CommandButton(form, twipsRect(3000, 5640, 1215, 375), QStringLiteral("Quitter"));
    setBackground(Command5, kGrey);
    Picture2 = new PictureBox(form, twipsRect(1080, 360, 4695, 375), kLightOrange);
    Label1 = new Label(Picture2->inside(), twipsRect(240, 0, 4215, 255),
                       QStringLiteral("TRAMELUNE A DECALAGE"));
    Label1->setFont(formFont(QStringLiteral("Times New Roman"), 12, Weight::Bold));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setColours(kLightOrange, QColor(0x00, 0x00, 0xFF));
    Picture1 = new PictureBox(form, twipsRect(360, 1200, 6375, 4305), kLightOrange);
    Command1 = new CommandButton(Picture1->inside(), twipsRect(360, 240, 5655, 495),
                                 QStringLiteral("Registre série/série"));
    Command2 = new CommandButton(Picture1->inside(), twipsRect(360, 1530, 5655, 495),
                                 QStringLiteral("Registre parallèle/parallèle"));
    for (CommandButton* button : {Command1, Command2, Command3, Command4, Command5})
        button->setFont(buttonFont);

    // Tab order by tab index. The panel comes first and holds the focus, so
    // no button stands out as the one Enter would click; the title strip
    // comes next.
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setFocus(Qt::OtherFocusReason);
    Picture2->setFocusPolicy(Qt::TabFocus);
    setTabOrder(Picture1, Picture2);
    setTabOrder(Picture2, Command2);
    setTabOrder(Command2, Command5);
    setTabOrder(Command5, Command4);
    setTabOrder(Command4, Command3);
    setTabOrder(Command3, Command1);

    QMenu* Fich = addMenu(QStringLiteral("Fichier"));
    quit = addMenuItem(Fich, QStringLiteral("Quitter"), [this] { quit_Click(); });
    propos = addMenuCommand(QStringLiteral("à propos"), [this] { propos_Click(); });

    Command1->onClick([this] { Command1_Click(); });
    Command2->onClick([this] { Command2_Click(); });
    Command3->onClick([this] { Command3_Click(); });
    Command4->onClick([this] { Command4_Click(); });
    Command5->onClick([this] { Command5_Click(); });
    onCloseBox([this] { Command5_Click(); });
}

void Registre::Command1_Click() { leaveFor(ScreenId::Serie); }
void Registre::Command3_Click() { leaveFor(ScreenId::sp); }
void Registre::Command2_Click() { leaveFor(ScreenId::Suite); }
void Registre::Command4_Click() { leaveFor(ScreenId::Suite); }
void Registre::Command5_Click() { services().programEnd.end(); }
// The menu's "Quitter" does what the button of the same caption does.
void Registre::quit_Click() { services().programEnd.end(); }
void Registre::propos_Click() { leaveFor(ScreenId::Info); }
