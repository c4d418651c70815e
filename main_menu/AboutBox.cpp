// The About box: its panel of texts and its "OK".

#include "main_menu/AboutBox.h"

#include "forms/Fonts.h"
#include "forms/Pictures.h"
#include "forms/FormRegistry.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"

using namespace forms;

namespace {
const QColor kGrey(0xC0, 0xC0, 0xC0);
const QColor kLightOrange(0xFF, 0xC0, 0x80);
} // namespace

AboutBox::AboutBox(Services& services) : Form(services)
{
    setWindowTitle(QStringLiteral("Tramelune"));
    setWindowIcon(icon({QStringLiteral(":/assets/flag-32.svg"), QStringLiteral(":/assets/flag-16.svg")}));
    setBackground(client(), kGrey);
    setClientArea(5625, 4395, Border::Sizable);
    placeClientAt(3555, 1575);

    panel = new PictureBox(client(), twipsRect(240, 120, 5175, 4095), kLightOrange);
    QWidget* inside = panel->inside();
    okButton = new CommandButton(inside, twipsRect(2040, 3480, 1215, 495), QStringLiteral("OK"));
    auto line = [inside](const QRect& where, const QString& caption, const QFont& font) {
        auto* label = new Label(inside, where, caption);
        label->setFont(font);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setColours(kLightOrange, Qt::black);
        return label;
    };
    const QString times = QStringLiteral("Times New Roman");
    titleLabel = line(twipsRect(120, 120, 4935, 375), QStringLiteral("TRAMELUNE A DECALAGE SERIE"),
                      formFont(times, 18, Weight::Bold));
    ruleLabel = line(twipsRect(360, 480, 4335, 255), QString(29, QLatin1Char('_')), defaultFont());
    ruleLabel->setDecorative(true);
    toolsLabel = line(twipsRect(360, 960, 4335, 495), QStringLiteral("Écrit en C++17 avec Qt 6, en 2026"),
                      formFont(times, 12, Weight::Bold, Slant::Italic));
    authorLabel = line(twipsRect(360, 1680, 4335, 495), QStringLiteral("par l'équipe du projet Tramelune"),
                       formFont(times, 12, Weight::Bold));
    subjectLabel = line(twipsRect(360, 2160, 4335, 615), QStringLiteral("4 bistables D"),
                        formFont(times, 18, Weight::Bold));
    purposeLabel = line(twipsRect(360, 3000, 4335, 375), QStringLiteral("Programme d'enseignement"),
                        formFont(QStringLiteral("MS Sans Serif"), 9.75, Weight::Bold, Slant::Italic));

    // The panel comes first in the Tab order and holds the focus, so Enter
    // does not click "OK" at once.
    panel->setAccessibleName(QStringLiteral("À propos de Tramelune"));
    panel->setFocusPolicy(Qt::TabFocus);
    panel->setFocus(Qt::OtherFocusReason);
    setTabOrder(panel, okButton);

    okButton->onClick([this] { onOkClicked(); });
    onCloseBox([this] { onOkClicked(); });
}

void AboutBox::onOkClicked()
{
    leaveFor(FormId::SerialTrainer);
}
