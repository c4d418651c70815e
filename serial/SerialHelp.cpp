// The serial trainer's help page and its own paragraph.

#include "serial/SerialHelp.h"

#include "forms/Fonts.h"
#include "forms/Pictures.h"
#include "forms/FormRegistry.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"
#include "trainer/HelpText.h"

using namespace forms;

namespace {

const QColor kLightYellow(0xFF, 0xFF, 0xC0);

// What the pulses after the fourth do, and the automatic reset.
QString pulsesAfterTheFourth()
{
    return QStringLiteral("  Si on continue à appliquer une impulsion de transfert, le décalage à "
                          "droite se poursuit, le premier bit à droite du registre sera remplacé "
                          "par le précédent et la première cellule de gauche sera vidée (0).")
        + help::kLineBreak + help::kLineBreak
        + QStringLiteral("Aprés la huitième impulsion, une remise à zéro est effectuée "
                         "automatiquement. ")
        + help::kLineBreak;
}

} // namespace

SerialHelp::SerialHelp(Services& services) : Form(services)
{
    setWindowTitle(QStringLiteral("Aide"));
    setWindowIcon(icon({QStringLiteral(":/assets/france-map-32.svg"),
                        QStringLiteral(":/assets/france-map-16.svg")}));
    setBackground(this, kLightYellow);
    setBackground(client(), kLightYellow);
    setClientArea(6960, 6390, Border::Sizable);
    placeClientAt(3060, 1140);

    QWidget* form = client();
    // Front to back.
    okButton = new CommandButton(form, twipsRect(3240, 5880, 435, 435), QStringLiteral("OK"));
    helpText = new Label(form, twipsRect(120, 510, 6795, 5265));
    helpText->setColours(kLightYellow, QColor(0x00, 0x00, 0xFF));
    helpText->setFont(formFont(QStringLiteral("Arial"), 9.75));
    titleLabel = new Label(form, twipsRect(960, 60, 4545, 405), QStringLiteral("REGISTRE A DECALAGE SERIE"));
    titleLabel->setColours(kLightYellow, QColor(0xC0, 0x00, 0x00));
    titleLabel->setFont(formFont(QStringLiteral("Times New Roman"), 14.25, Weight::Bold));
    titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    okButton->onClick([this] { onOkClicked(); });
    onCloseBox([this] { onOkClicked(); });
}

void SerialHelp::onLoad()
{
    helpText->setCaption(help::registerAndFirstPulses() + help::wordAfterFourthPulse() + pulsesAfterTheFourth() + help::resetAdvice());
}

void SerialHelp::onOkClicked()
{
    leaveFor(FormId::SerialTrainer);
}
