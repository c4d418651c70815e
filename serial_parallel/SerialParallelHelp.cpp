// The serial-in parallel-out trainer's help page and its own paragraph.

#include "serial_parallel/SerialParallelHelp.h"

#include "forms/Fonts.h"
#include "forms/FormRegistry.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"
#include "trainer/HelpText.h"

using namespace forms;

namespace {

const QColor kLightYellow(0xFF, 0xFF, 0xC0);

// What this page says between the shared blocks: the read onto the outputs.
const QString kReadAdvice = QStringLiteral(
    "  Effectuer une commande de lecture pour appliquer le résultat parallèle sur les sorties.");

} // namespace

SerialParallelHelp::SerialParallelHelp(Services& services) : Form(services)
{
    setWindowTitle(QStringLiteral("Série parallèle"));
    setClientArea(7245, 5235, Border::Sizable);
    placeClientAt(2415, 1440);

    QWidget* form = client();
    okButton = new CommandButton(form, twipsRect(3390, 4710, 435, 435), QStringLiteral("OK"));
    titleLabel = new Label(form, twipsRect(210, 30, 6765, 405),
                           QStringLiteral("REGISTRE A DECALAGE SERIE-PARALLELE"));
    titleLabel->setColours(kLightYellow, QColor(0xC0, 0x00, 0x00));
    titleLabel->setFont(formFont(QStringLiteral("Times New Roman"), 14.25, Weight::Bold));
    titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    helpText = new Label(form, twipsRect(210, 510, 6795, 4125));
    helpText->setColours(kLightYellow, QColor(0x00, 0x00, 0xFF));
    helpText->setFont(formFont(QStringLiteral("Arial"), 9.75));

    okButton->onClick([this] { onOkClicked(); });
    // The close box does what "OK" does.
    onCloseBox([this] { onOkClicked(); });
}

void SerialParallelHelp::onLoad()
{
    helpText->setCaption(help::registerAndFirstPulses() + help::wordAfterFourthPulse() + kReadAdvice + help::resetAdvice());
}

void SerialParallelHelp::onOkClicked()
{
    leaveFor(FormId::SerialParallelTrainer);
}
