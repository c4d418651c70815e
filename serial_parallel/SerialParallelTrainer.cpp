// The serial-in parallel-out trainer: its window, clock, read and reset.

#include "serial_parallel/SerialParallelTrainer.h"

#include "forms/Fonts.h"
#include "forms/Palette.h"
#include "forms/Pictures.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"
#include "trainer/Spoken.h"
#include "trainer/Text.h"

using namespace forms;

namespace {

// Where each lamp lies on the diagram and what it is called, in the order of
// the window's LampId.
const std::vector<LampPlace> kLamps = {
    { { 360, 4200 }, "Horloge H", "clock" }, { { 630, 3780 }, "RAZ", "reset" },
    { { 30, 3240 }, "Entrée", "input" },     { { 360, 3000 }, "Commande de lecture", "read" },
    { { 1710, 2040 }, "S4", "output4" },     { { 2790, 2040 }, "S3", "output3" },
    { { 3810, 2040 }, "S2", "output2" },     { { 4830, 2040 }, "S1", "output1" },
};

} // namespace

SerialParallelTrainer::SerialParallelTrainer(Services &services)
    : TrainerForm(services, FormId::SerialParallelHelp, Companions::Beside)
{
    setWindowTitle(QStringLiteral("Registre entrée série et sortie parallèle."));
    setClientArea(7575, 5445, Border::Sizable);
    placeClientAt(2265, 1725);

    // Front to back; the timers are not drawn.
    PictureBox *diagram = addDiagram(twipsRect(1590, 240, 5865, 5115), palette::kLightGrey,
                                     QStringLiteral(":/assets/serial-parallel-diagram.svg"),
                                     QStringLiteral("Registre 4 bits, entrée série et sortie parallèle"));
    addButtons(twipsRect(90, 1740, 1245, 285), twipsRect(90, 1410, 1245, 285));
    addWordBox(twipsRect(720, 3420, 855, 375));
    auto *inputLabel = new Label(client(), twipsRect(150, 3450, 615, 345), QStringLiteral("Entrée"));
    inputLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    addInstruction(twipsRect(120, 4650, 1455, 705),
                   QStringLiteral("En cas d'erreur faire une remise à  zéro               (RAZ)"), palette::kDarkBlue);
    addInstruction(twipsRect(120, 3900, 1455, 765),
                   QStringLiteral("Puis validez avec Cde - H - 4 fois.   Ensuite faire une lecture."),
                   palette::kDarkRed);
    addInstruction(twipsRect(120, 3090, 1455, 255), QStringLiteral("de 4 bits 0 ou 1"), palette::kDarkRed);
    addInstruction(twipsRect(120, 2850, 1455, 255), QStringLiteral("Entrez un mot"), palette::kDarkRed);
    buildDiagram(diagram->inside());
    finish(*readLabel_);

    // The shift step runs at both ticks of a pulse; the second finds nothing
    // left to change.
    clock_.emplace(services.clock, tickCount_, lamps_[Clock], [this](int ticks) {
        if (ticks == 1)
            lamps_[Clock].light();
        shift();
        if (ticks == 2 && pulseCount_ >= 1 && pulseCount_ <= 4)
            announce(spoken::pulse(pulseCount_, spoken::lamp(QStringLiteral("entrée"), lamps_[Input].seenLit())));
    });
    read_.emplace(services.clock, tickCount_, lamps_[Read], [this](int ticks) {
        if (ticks == 1) {
            lamps_[Read].light();
            readOutputs();
        }
    });
    lamps_[Clock].makeClickable([this] { onClockClicked(); });
    lamps_[Read].makeClickable([this] { read_->start(); });
    addReset(resetTickCount_, lamps_[Input], lamps_[Reset], [this] { clearScreen(); });
    // A new word shows every output unlit: each unlit picture comes in front
    // of its lit one, which a read may have shown.
    connect(&word(), &WordEntry::stored, this, [this] {
        word().retakeWord();
        for (int n = 1; n <= 4; ++n)
            output(n).showUnlit();
    });
}

void SerialParallelTrainer::buildDiagram(QWidget *inside)
{
    pulseCountLabel_ = addValueLabel(inside, twipsRect(120, 4050, 255, 285), palette::kWhite, palette::kDarkRed,
                                     formFont(Face::MsSansSerif, 9.75, Weight::Bold), QStringLiteral("Impulsions"));
    pulseCountLabel_->setObjectName(QStringLiteral("pulseCountLabel"));
    readLabel_ =
            addValueLabel(inside, twipsRect(720, 1800, 765, 345), palette::kLightYellow, palette::kRed,
                          formFont(Face::MsSansSerif, 13.5, Weight::Bold, Slant::Italic), QStringLiteral("Lecture"));
    readLabel_->setObjectName(QStringLiteral("readLabel"));
    auto *readCommand =
            new Image(inside, twipsRect(30, 2550, 990, 420), Picture(QStringLiteral(":/assets/read-command.svg")));
    readCommand->setObjectName(QStringLiteral("readCommandPicture"));
    readCommand->setAccessibleName(QStringLiteral("Commande lecture"));

    lamps_ = layOutLamps(inside, kLamps, QSize(180, 180), QStringLiteral(":/assets/lamp-unlit.svg"),
                         QStringLiteral(":/assets/lamp-lit.svg"), InFront::Unlit);
}

void SerialParallelTrainer::onLoad()
{
    showPulseCount();
}

void SerialParallelTrainer::onClockClicked()
{
    if (word().typedWord().isEmpty())
        return;
    ++pulseCount_;
    showPulseCount();
    if (pulseCount_ > 4) {
        // A running animation goes on; its ticks find nothing to do.
        pulseCount_ = 0;
        showPulseCount();
    } else {
        clock_->start();
    }
}

// The entering bit on the input lamp, and the box cut to what has not
// entered yet, for the pulse count reached.
void SerialParallelTrainer::shift()
{
    if (pulseCount_ < 1 || pulseCount_ > 4)
        return;
    const int k = pulseCount_;
    const QString &entering = word().bit(5 - k);
    if (entering == QLatin1String("1"))
        lamps_[Input].light();
    if (entering == QLatin1String("0"))
        lamps_[Input].putOut();
    if (k < 4) {
        word().writeOwn(text::left(word().boxText(), 4 - k));
    } else {
        word().writeOwn(QString());
        word().forgetWord();
    }
}

// At the read animation's first tick, once the word is in: each output whose
// character is "1" lit, the word beside them. S1 shows the fourth character,
// the first to enter; S4 the first.
void SerialParallelTrainer::readOutputs()
{
    if (pulseCount_ != 4)
        return;
    for (int n = 1; n <= 4; ++n)
        if (word().bit(5 - n) == QLatin1String("1"))
            output(n).light();
    readLabel_->setCaption(word().bit(1) + word().bit(2) + word().bit(3) + word().bit(4));
    QStringList lit;
    for (int n = 4; n >= 1; --n)
        if (output(n).seenLit())
            lit << QStringLiteral("S%1").arg(n);
    announce(spoken::read(readLabel_->caption(), lit));
}

// At the reset animation's second tick. The stored characters and the focus
// stay as they are.
void SerialParallelTrainer::clearScreen()
{
    pulseCount_ = 0;
    readLabel_->setCaption(QString());
    showPulseCount();
    for (int n = 1; n <= 4; ++n)
        output(n).putOut();
    word().clearKeepingBits();
    announce(spoken::kReset);
}

void SerialParallelTrainer::showPulseCount()
{
    pulseCountLabel_->setCaption(QString::number(pulseCount_));
}
