// The serial trainer: its window, clock pulses and reset.

#include "serial/SerialTrainer.h"

#include "forms/Fonts.h"
#include "forms/Palette.h"
#include "forms/Pictures.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"
#include "trainer/Spoken.h"
#include "trainer/Text.h"

using namespace forms;

namespace {

// Where each cell's display lies on the diagram, from cell 0 at the output
// end to cell 3 at the input end, in twips.
const QPoint kCells[] = { { 4560, 2040 }, { 3480, 2040 }, { 2520, 2040 }, { 1440, 2040 } };

// Where each lamp lies on the diagram and what it is called, in the order of
// the window's LampId.
const std::vector<LampPlace> kLamps = {
    { { 480, 1920 }, "Entrée série", "input" },
    { { 5520, 1920 }, "Sortie série", "output" },
    { { 720, 2880 }, "Horloge H", "clock" },
    { { 720, 2400 }, "RAZ", "reset" },
};

Image *digit(QWidget *diagram, QPoint place, const char *path, const QString &object)
{
    auto *image = new Image(diagram, twipsRect(place.x(), place.y(), 240, 255), Picture(QString::fromLatin1(path)));
    image->setObjectName(object);
    return image;
}

} // namespace

SerialTrainer::SerialTrainer(Services &services) : TrainerForm(services, FormId::SerialHelp, Companions::InPlace)
{
    setWindowTitle(QStringLiteral("Registre série"));
    // The client area only: the menu bar keeps the desktop's menu colour.
    setBackground(client(), palette::kLightYellow);
    setClientArea(9870, 5925, Border::Sizable);
    placeClientAt(1155, 1530);

    // Front to back.
    PictureBox *diagram = addDiagram(twipsRect(2280, 960, 6015, 3495), defaultBoxColour(),
                                     QStringLiteral(":/assets/serial-diagram.svg"),
                                     QStringLiteral("Registre 4 bits, entrées et sorties série"));
    addWordBox(twipsRect(1200, 2760, 855, 375));
    addButtons(twipsRect(3600, 4560, 1245, 285), twipsRect(2280, 4560, 1245, 285));
    addInstruction(twipsRect(720, 2400, 1455, 255), QStringLiteral("de 4 bits 0 ou 1"), palette::kDarkRed);
    addInstruction(twipsRect(720, 3630, 1455, 495), QStringLiteral("En cas d'erreur, faire une RAZ"),
                   palette::kDarkBlue);
    addInstruction(twipsRect(720, 3240, 1455, 375), QStringLiteral("Puis validez avec Transfert - H - 4 fois."),
                   palette::kDarkRed);
    addInstruction(twipsRect(720, 2160, 1455, 255), QStringLiteral("Entrez un mot"), palette::kDarkRed);
    buildDiagram(diagram->inside());
    finish(*statusLabel_);

    clock_.emplace(services.clock, tickCount_, lamps_[Clock], [this](int ticks) {
        lamps_[Clock].light();
        if (ticks == 2)
            applyClockPulse();
    });
    lamps_[Clock].makeClickable([this] { clock_->start(); });
    // The reset counts in the clock's counter.
    addReset(tickCount_, lamps_[Input], lamps_[Reset], [this] { finishReset(); });
}

void SerialTrainer::buildDiagram(QWidget *inside)
{
    // The labels lie in front of every picture. Of the pictures only a
    // cell's two, or a lamp's, overlap: the "0" or the unlit one in front.
    pulseCountLabel_ = addValueLabel(inside, twipsRect(480, 2880, 255, 255), palette::kWhite, palette::kRed,
                                     formFont(Face::MsSansSerif, 9.75, Weight::Bold), QStringLiteral("Impulsions"));
    pulseCountLabel_->setObjectName(QStringLiteral("pulseCountLabel"));
    statusLabel_ = addValueLabel(inside, twipsRect(2520, 1320, 1215, 375), palette::kWhite, palette::kRed,
                                 formFont(Face::MsSansSerif, 12, Weight::Bold), QStringLiteral("État"));
    statusLabel_->setObjectName(QStringLiteral("statusLabel"));

    cells_.reserve(std::size(kCells));
    for (int k = 0; k < int(std::size(kCells)); ++k) {
        Image *zero = digit(inside, kCells[k], ":/assets/digit-0.svg", QStringLiteral("cell%1Zero").arg(k));
        Image *one = digit(inside, kCells[k], ":/assets/digit-1.svg", QStringLiteral("cell%1One").arg(k));
        cells_.emplace_back(*zero, *one, QStringLiteral("Cellule %1").arg(k));
    }
    lamps_ = layOutLamps(inside, kLamps, QSize(180, 180), QStringLiteral(":/assets/lamp-unlit.svg"),
                         QStringLiteral(":/assets/lamp-lit.svg"), InFront::Unlit);
}

void SerialTrainer::onLoad()
{
    pulseCountLabel_->setCaption(QStringLiteral("0"));
    lamps_[Clock].putOut();
}

// At the clock animation's second tick: one pulse, unless no word is stored.
void SerialTrainer::applyClockPulse()
{
    if (!isBit(word().bit(4)))
        return;
    ++pulseCount_;
    word().flagOwnWrite();
    pulseCountLabel_->setCaption(QString::number(pulseCount_));
    if (pulseCount_ > 8) {
        pulseCountLabel_->setCaption(QStringLiteral("0"));
        statusLabel_->setCaption(spoken::kReset);
        clearRegister();
    }
    shift(pulseCount_);
    lamps_[Input].showCell(cells_[3]);
    if (pulseCount_ == 4)
        lamps_[Output].showCell(cells_[0]);
    announcePulse();
}

// The cells, the output lamp from the fifth pulse on, and the word box, for
// pulse number `pulse`; nothing after the automatic reset (0). The box is
// written as the pulse's own write, so the change that it raises is only
// acknowledged.
void SerialTrainer::shift(int pulse)
{
    const WordEntry &w = word();
    switch (pulse) {
    case 1:
        cells_[3].take(w.bit(4));
        word().writeOwn(text::left(w.typedWord(), 3));
        break;
    case 2:
        cells_[2].copyFrom(cells_[3]);
        cells_[3].take(w.bit(3));
        word().writeOwn(text::left(w.typedWord(), 2));
        break;
    case 3:
        cells_[1].copyFrom(cells_[2]);
        cells_[2].copyFrom(cells_[3]);
        cells_[3].take(w.bit(2));
        word().writeOwn(text::left(w.typedWord(), 1));
        break;
    case 4:
        cells_[0].copyFrom(cells_[1]);
        cells_[1].copyFrom(cells_[2]);
        cells_[2].copyFrom(cells_[3]);
        cells_[3].take(w.bit(1));
        if (isBit(w.bit(1)))
            word().writeOwn(QString());
        break;
    case 5:
        cells_[0].copyFrom(cells_[1]);
        cells_[1].copyFrom(cells_[2]);
        cells_[2].copyFrom(cells_[3]);
        cells_[3].set0();
        lamps_[Output].showCell(cells_[0]);
        break;
    case 6:
        cells_[0].copyFrom(cells_[1]);
        cells_[1].copyFrom(cells_[2]);
        cells_[2].set0();
        lamps_[Output].showCell(cells_[0]);
        break;
    case 7:
        cells_[0].copyFrom(cells_[1]);
        lamps_[Output].showCell(cells_[0]);
        cells_[1].set0();
        break;
    case 8:
        cells_[0].set0();
        lamps_[Output].showCell(cells_[0]);
        break;
    default:
        break;
    }
}

void SerialTrainer::announcePulse()
{
    if (pulseCount_ == 0) {
        announce(spoken::kReset);
        return;
    }
    QStringList digits;
    for (int k = 3; k >= 0; --k)
        digits << cells_[k].seenDigit();
    announce(spoken::pulse(pulseCount_,
                           digits.join(QLatin1Char(' ')) + QStringLiteral(", ")
                                   + spoken::lamp(QStringLiteral("sortie"), lamps_[Output].seenLit())));
}

// At the reset animation's second tick.
void SerialTrainer::finishReset()
{
    // Emptied without the flag: the change that it raises is counted like
    // the learner's, and clearRegister then clears what that counted.
    word().emptyUnflagged();
    clearRegister();
    statusLabel_->setCaption(spoken::kReset);
    pulseCountLabel_->setCaption(QString());
    announce(spoken::kReset);
}

void SerialTrainer::clearRegister()
{
    for (BitCell &cell : cells_)
        cell.set0();
    lamps_[Output].putOut();
    lamps_[Input].putOut();
    pulseCount_ = 0;
    word().clear();
}
