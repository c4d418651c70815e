// The About box: its panel of texts and its "OK".

#include "main_menu/AboutBox.h"

#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Palette.h"
#include "forms/Pictures.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"

using namespace forms;

AboutBox::AboutBox(Services &services) : Form(services)
{
    setWindowTitle(QStringLiteral("Tramelune"));
    setWindowIcon(icon({ QStringLiteral(":/assets/flag-32.svg"), QStringLiteral(":/assets/flag-16.svg") }));
    setBackground(client(), palette::kGrey);
    setClientArea(5625, 4395, Border::Sizable);
    placeClientAt(3555, 1575);

    // On the orange panel, front to back.
    auto *panel = new PictureBox(client(), twipsRect(240, 120, 5175, 4095), palette::kLightOrange);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setAccessibleName(QStringLiteral("À propos de Tramelune"));
    QWidget *inside = panel->inside();
    auto *ok = new CommandButton(inside, twipsRect(2040, 3480, 1215, 495), QStringLiteral("OK"));
    const auto line = [inside](const QRect &where, const QString &caption, const QFont &font) {
        auto *label = new Label(inside, where, caption);
        label->setFont(font);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setColours(palette::kLightOrange, palette::kBlack);
        return label;
    };
    line(twipsRect(120, 120, 4935, 375), QStringLiteral("TRAMELUNE A DECALAGE SERIE"),
         formFont(Face::TimesNewRoman, 18, Weight::Bold));
    line(twipsRect(360, 480, 4335, 255), QString(29, QLatin1Char('_')), defaultFont())->setDecorative(true);
    line(twipsRect(360, 960, 4335, 495), QStringLiteral("Écrit en C++17 avec Qt 6, en 2026"),
         formFont(Face::TimesNewRoman, 12, Weight::Bold, Slant::Italic));
    line(twipsRect(360, 1680, 4335, 495), QStringLiteral("par l'équipe du projet Tramelune"),
         formFont(Face::TimesNewRoman, 12, Weight::Bold));
    line(twipsRect(360, 2160, 4335, 615), QStringLiteral("4 bistables D"),
         formFont(Face::TimesNewRoman, 18, Weight::Bold));
    line(twipsRect(360, 3000, 4335, 375), QStringLiteral("Programme d'enseignement"),
         formFont(Face::MsSansSerif, 9.75, Weight::Bold, Slant::Italic));

    // The panel comes first in the Tab order and holds the focus, so Enter
    // does not click "OK" at once.
    panel->setFocusPolicy(Qt::TabFocus);
    panel->setFocus(Qt::OtherFocusReason);
    setTabOrder(panel, ok);

    connect(ok, &QPushButton::clicked, this, &AboutBox::leaveForSerialTrainer);
    connect(this, &Form::closeBoxClicked, this, &AboutBox::leaveForSerialTrainer);
}

void AboutBox::leaveForSerialTrainer()
{
    leaveFor(FormId::SerialTrainer);
}
