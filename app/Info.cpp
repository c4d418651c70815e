#include "Info.h"

#include "forms/Fonts.h"
#include "forms/Pictures.h"
#include "forms/ScreenRegistry.h"
#include "forms/Twips.h"

using namespace forms;

namespace {
const QColor kGrey(0xC0, 0xC0, 0xC0);
const QColor kLightOrange(0xFF, 0xC0, 0x80);
} // namespace

Info::Info(Services& services) : Screen(services)
{
    setWindowTitle(QStringLiteral("Tramelune"));
    setWindowIcon(icon({QStringLiteral(":/assets/flag-32.svg"), QStringLiteral(":/assets/flag-16.svg")}));
    setBackground(client(), kGrey);
    setClientArea(5625, 4395, Border::Sizable);
    placeClientAt(3555, 1575);

    Picture1 = new PictureBox(client(), twipsRect(240, 120, 5175, 4095), kLightOrange);
    QWidget* panel = Picture1->inside();
    Command1 = new CommandButton(panel, twipsRect(2040, 3480, 1215, 495), QStringLiteral("OK"));
    auto line = [panel](const QRect& where, const QString& caption, const QFont& font) {
        auto* label = new Label(panel, where, caption);
        label->setFont(font);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setColours(kLightOrange, Qt::black);
        return label;
    };
    const QString times = QStringLiteral("Times New Roman");
    Label1 = line(twipsRect(120, 120, 4935, 375), QStringLiteral("TRAMELUNE A DECALAGE SERIE"),
                  formFont(times, 18, Weight::Bold));
    Label2 = line(twipsRect(360, 480, 4335, 255), QString(29, QLatin1Char('_')), defaultFont());
    Label4 = line(twipsRect(360, 960, 4335, 495), QStringLiteral("Écrit en C++17 avec Qt 6, en 2026"),
                  formFont(times, 12, Weight::Bold, Slant::Italic));
    Label5 = line(twipsRect(360, 1680, 4335, 495), QStringLiteral("par l'équipe du projet Tramelune"),
                  formFont(times, 12, Weight::Bold));
    Label7 = line(twipsRect(360, 2160, 4335, 615), QStringLiteral("4 bistables D"),
                  formFont(times, 18, Weight::Bold));
    Label9 = line(twipsRect(360, 3000, 4335, 375), QStringLiteral("Programme d'enseignement"),
                  formFont(QStringLiteral("MS Sans Serif"), 9.75, Weight::Bold, Slant::Italic));

    // The panel comes first in the tab order and holds the focus, so Enter
    // does not click "OK" at once.
    Picture1->setFocusPolicy(Qt::TabFocus);
    Picture1->setFocus(Qt::OtherFocusReason);
    setTabOrder(Picture1, Command1);

    Command1->onClick([this] { Command1_Click(); });
    onCloseBox([this] { Command1_Click(); });
}

void Info::Command1_Click()
{
    leaveFor(ScreenId::Serie);
}
