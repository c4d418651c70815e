// The serial trainer: its window, word entry, clock pulses and reset.

#include "serial/SerialTrainer.h"

#include "forms/Fonts.h"
#include "forms/Pictures.h"
#include "forms/ProgramEnd.h"
#include "forms/FormRegistry.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"
#include "trainer/Spoken.h"
#include "trainer/Text.h"
#include "trainer/ValidationMessage.h"

#include <QApplication>
#include <QMenu>

#include <limits>

using namespace forms;

namespace {

const QColor kLightYellow(0xFF, 0xFF, 0xC0);
const QColor kDarkRed(0xC0, 0x00, 0x00);
const QColor kDarkBlue(0x00, 0x00, 0xC0);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);

const QString kSansSerif = QStringLiteral("MS Sans Serif");
const QString kStatusReset = QStringLiteral("RAZ");

Picture digit(int value)
{
    return Picture(value == 0 ? QStringLiteral(":/assets/digit-0.svg")
                              : QStringLiteral(":/assets/digit-1.svg"));
}

Picture lampPicture(bool lit)
{
    return Picture(lit ? QStringLiteral(":/assets/lamp-lit.svg") : QStringLiteral(":/assets/lamp-unlit.svg"));
}

} // namespace

SerialTrainer::SerialTrainer(Services& services)
    : Form(services),
      spareTimer(services.clock),
      clockTimer(services.clock, [this] { onClockTimerTick(); }),
      resetTimer(services.clock, [this] { onResetTimerTick(); })
{
    setWindowTitle(QStringLiteral("Registre série"));
    // The client area only: the menu bar keeps the desktop's menu colour.
    setBackground(client(), kLightYellow);
    setClientArea(9870, 5925, Border::Sizable);
    placeClientAt(1155, 1530);

    buildWindow();
    buildDiagram();
    buildMenus();

    cells[0] = std::make_unique<BitCell>(*cell0Zero, *cell0One, QStringLiteral("Cellule 0"));
    cells[1] = std::make_unique<BitCell>(*cell1Zero, *cell1One, QStringLiteral("Cellule 1"));
    cells[2] = std::make_unique<BitCell>(*cell2Zero, *cell2One, QStringLiteral("Cellule 2"));
    cells[3] = std::make_unique<BitCell>(*cell3Zero, *cell3One, QStringLiteral("Cellule 3"));
    inputLamp = std::make_unique<Lamp>(*inputUnlit, *inputLit, QStringLiteral("Entrée série"));
    outputLamp = std::make_unique<Lamp>(*outputUnlit, *outputLit, QStringLiteral("Sortie série"));
    clockLamp = std::make_unique<Lamp>(*clockUnlit, *clockLit, QStringLiteral("Horloge H"));
    resetLamp = std::make_unique<Lamp>(*resetUnlit, *resetLit, QStringLiteral("RAZ"));
    word = std::make_unique<WordEntry>(*wordBox);
    clockAnimation = std::make_unique<TwoTickAnimation>(clockTimer, tickCount, *clockLamp);
    resetAnimation = std::make_unique<TwoTickAnimation>(resetTimer, tickCount, *resetLamp);

    wordBox->onChange([this] { onWordChanged(); });
    clockUnlit->onClick([this] { onClockLampClicked(); });
    resetUnlit->onClick([this] { onResetLampClicked(); });
    menuButton->onClick([this] { onMenuClicked(); });
    quitButton->onClick([this] { onQuitClicked(); });
    onCloseBox([this] { onQuitClicked(); });
}

SerialTrainer::~SerialTrainer() = default;

void SerialTrainer::buildWindow()
{
    QWidget* form = client();
    diagram = new PictureBox(form, twipsRect(2280, 960, 6015, 3495),
                             QApplication::palette().color(QPalette::Button),
                             Picture(QStringLiteral(":/assets/serial-diagram.svg")));
    diagram->setAccessibleName(QStringLiteral("Registre 4 bits, entrées et sorties série"));
    diagram->setFocusPolicy(Qt::TabFocus);

    wordBox = new TextBox(form, twipsRect(1200, 2760, 855, 375));
    wordBox->setFont(formFont(kSansSerif, 13.5));
    wordBox->setAlignment(Qt::AlignHCenter);
    wordBox->setMaxLength(std::numeric_limits<int>::max());
    setForeground(wordBox, kBlue);
    wordBox->setAccessibleName(QStringLiteral("Mot de 4 bits"));

    quitButton = new CommandButton(form, twipsRect(3600, 4560, 1245, 285), QStringLiteral("Quitter"));
    menuButton = new CommandButton(form, twipsRect(2280, 4560, 1245, 285), QStringLiteral("Menu"));

    auto instruction = [form](const QRect& where, const QString& caption, const QColor& colour) {
        auto* label = new Label(form, where, caption);
        label->setColours(kLightYellow, colour);
        return label;
    };
    fourBitsLabel = instruction(twipsRect(720, 2400, 1455, 255), QStringLiteral("de 4 bits 0 ou 1"), kDarkRed);
    errorLabel = instruction(twipsRect(720, 3630, 1455, 495),
                             QStringLiteral("En cas d'erreur, faire une RAZ"), kDarkBlue);
    pulsesLabel = instruction(twipsRect(720, 3240, 1455, 375),
                              QStringLiteral("Puis validez avec Transfert - H - 4 fois."), kDarkRed);
    enterWordLabel = instruction(twipsRect(720, 2160, 1455, 255), QStringLiteral("Entrez un mot"), kDarkRed);
    announcer = new Announcer(form);

    // Tab order: the word box first, so it has the focus at the first display.
    setTabOrder(wordBox, menuButton);
    setTabOrder(menuButton, quitButton);
    setTabOrder(quitButton, diagram);
    wordBox->takeFocus();
}

void SerialTrainer::buildDiagram()
{
    QWidget* inside = diagram->inside();

    pulseCountLabel = new Label(inside, twipsRect(480, 2880, 255, 255));
    pulseCountLabel->setColours(Qt::white, kRed);
    pulseCountLabel->setFont(formFont(kSansSerif, 9.75, Weight::Bold));
    pulseCountLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pulseCountLabel->setAccessibleTitle(QStringLiteral("Impulsions"));
    statusLabel = new Label(inside, twipsRect(2520, 1320, 1215, 375));
    statusLabel->setColours(Qt::white, kRed);
    statusLabel->setFont(formFont(kSansSerif, 12, Weight::Bold));
    statusLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    statusLabel->setAccessibleTitle(QStringLiteral("État"));

    auto image = [inside](int left, int top, int size, const Picture& picture) {
        return new Image(inside, twipsRect(left, top, size, size == 240 ? 255 : size), picture);
    };
    cell0Zero = image(4560, 2040, 240, digit(0));
    cell1Zero = image(3480, 2040, 240, digit(0));
    cell2Zero = image(2520, 2040, 240, digit(0));
    cell3Zero = image(1440, 2040, 240, digit(0));
    cell0One = image(4560, 2040, 240, digit(1));
    cell1One = image(3480, 2040, 240, digit(1));
    cell2One = image(2520, 2040, 240, digit(1));
    cell3One = image(1440, 2040, 240, digit(1));
    outputUnlit = image(5520, 1920, 180, lampPicture(false));
    clockUnlit = image(720, 2880, 180, lampPicture(false));
    resetUnlit = image(720, 2400, 180, lampPicture(false));
    inputUnlit = image(480, 1920, 180, lampPicture(false));
    outputLit = image(5520, 1920, 180, lampPicture(true));
    inputLit = image(480, 1920, 180, lampPicture(true));
    clockLit = image(720, 2880, 180, lampPicture(true));
    resetLit = image(720, 2400, 180, lampPicture(true));

    clockUnlit->setCursorShape(Qt::UpArrowCursor);
    resetUnlit->setCursorShape(Qt::UpArrowCursor);
}

void SerialTrainer::buildMenus()
{
    QMenu* fileMenu = addMenu(QStringLiteral("Fichier"));
    menuAction = addMenuItem(fileMenu, QStringLiteral("Menu"), [this] { onMenuChosen(); });
    quitAction = addMenuItem(fileMenu, QStringLiteral("Quitter"), [this] { onQuitChosen(); });
    helpAction = addMenuCommand(QStringLiteral("Aide"), [this] { onHelpChosen(); });
    aboutAction = addMenuCommand(QStringLiteral("à propos..."), [this] { onAboutChosen(); });
}

void SerialTrainer::onLoad()
{
    word->typedWord = QString();
    word->typedCount = 0;
    pulseCount = 0;
    tickCount = 0;
    pulseCountLabel->setCaption(QStringLiteral("0"));
    clockLamp->putOut();
}

// ---- Navigation

void SerialTrainer::onHelpChosen() { leaveFor(FormId::SerialHelp); }
void SerialTrainer::onAboutChosen() { leaveFor(FormId::AboutBox); }
void SerialTrainer::onMenuClicked() { leaveFor(FormId::MainMenu); }
void SerialTrainer::onMenuChosen() { leaveFor(FormId::MainMenu); }
void SerialTrainer::onQuitChosen() { services().programEnd.end(); }
void SerialTrainer::onQuitClicked() { services().programEnd.end(); }

// ---- Word entry

void SerialTrainer::onWordChanged()
{
    if (word->takeChange())
        validateWord();
}

void SerialTrainer::validateWord()
{
    statusLabel->setCaption(QString());
    if (word->lastCharacterIsWrong()) {
        showValidationMessage(services().messageBox, *this);
        startReset();
    }
    if (word->isFourthCountedChange())
        storeWordBits();
}

void SerialTrainer::storeWordBits() { word->storeBits(); }

// ---- Clock

void SerialTrainer::onClockLampClicked()
{
    startClockTimer();
    clockAnimation->setTickInterval();
}

void SerialTrainer::startClockTimer() { clockAnimation->enableTimer(); }

void SerialTrainer::onClockTimerTick() { clockAnimationTick(); }

void SerialTrainer::clockAnimationTick()
{
    clockAnimation->countTick();
    clockLamp->light();
    if (tickCount == 2) {
        tickCount = 0;
        applyClockPulse();
    }
}

void SerialTrainer::applyClockPulse()
{
    clockAnimation->stopTimer();
    if (!isBit(word->bit4)) {
        clockLamp->putOut();
        return;
    }
    ++pulseCount;
    word->ignoreNextChange = 1;
    pulseCountLabel->setCaption(QString::number(pulseCount));
    if (pulseCount > 8) {
        pulseCount = 0;
        pulseCountLabel->setCaption(QStringLiteral("0"));
        statusLabel->setCaption(kStatusReset);
        clearRegister();
    }
    shiftPulse(pulseCount);
    showCell(*inputLamp, *cells[3]);
    if (pulseCount == 4)
        showCell(*outputLamp, *cells[0]);
    clockLamp->putOut();
    announcePulse();
}

// The cells as their digits from left to right, and the output lamp; the
// ninth pulse's reset is told as every reset is.
void SerialTrainer::announcePulse()
{
    if (pulseCount == 0) {
        announcer->announce(spoken::kReset);
        return;
    }
    QStringList digits;
    for (int k = 3; k >= 0; --k)
        digits << cells[k]->seenDigit();
    announcer->announce(spoken::pulse(pulseCount, digits.join(QLatin1Char(' ')) + QStringLiteral(", ")
                                                       + spoken::lamp(QStringLiteral("sortie"), outputLamp->seenLit())));
}

// The cells, the output lamp from the fifth pulse on, and the word box, for
// pulse number `pulse`; nothing after the automatic reset (0).
void SerialTrainer::shiftPulse(int pulse)
{
    switch (pulse) {
    case 1:
        cells[3]->take(word->bit4);
        writeBox(text::left(word->typedWord, 3));
        break;
    case 2:
        cells[2]->copyFrom(*cells[3]);
        cells[3]->take(word->bit3);
        writeBox(text::left(word->typedWord, 2));
        break;
    case 3:
        cells[1]->copyFrom(*cells[2]);
        cells[2]->copyFrom(*cells[3]);
        cells[3]->take(word->bit2);
        writeBox(text::left(word->typedWord, 1));
        break;
    case 4:
        cells[0]->copyFrom(*cells[1]);
        cells[1]->copyFrom(*cells[2]);
        cells[2]->copyFrom(*cells[3]);
        cells[3]->take(word->bit1);
        // Written with the flag that this pulse has set already.
        if (isBit(word->bit1))
            wordBox->setText(QString());
        break;
    case 5:
        cells[0]->copyFrom(*cells[1]);
        cells[1]->copyFrom(*cells[2]);
        cells[2]->copyFrom(*cells[3]);
        cells[3]->set0();
        showCell(*outputLamp, *cells[0]);
        break;
    case 6:
        cells[0]->copyFrom(*cells[1]);
        cells[1]->copyFrom(*cells[2]);
        cells[2]->set0();
        showCell(*outputLamp, *cells[0]);
        break;
    case 7:
        cells[0]->copyFrom(*cells[1]);
        showCell(*outputLamp, *cells[0]);
        cells[1]->set0();
        break;
    case 8:
        cells[0]->set0();
        showCell(*outputLamp, *cells[0]);
        break;
    default:
        break;
    }
}

// A write of the engine's own: flagged right before it, so the change that
// it raises is only acknowledged.
void SerialTrainer::writeBox(const QString& text)
{
    word->ignoreNextChange = 1;
    wordBox->setText(text);
}

// The lamp shows the cell: tests its "0" picture first, then its "1".
void SerialTrainer::showCell(Lamp& lamp, const BitCell& shown)
{
    if (shown.zeroShown())
        lamp.putOut();
    if (shown.oneShown())
        lamp.light();
}

// ---- Reset

void SerialTrainer::onResetLampClicked() { startReset(); }

void SerialTrainer::startReset()
{
    startResetTimer();
    resetAnimation->setTickInterval();
}

void SerialTrainer::startResetTimer() { resetAnimation->enableTimer(); }

void SerialTrainer::onResetTimerTick() { resetAnimationTick(); }

void SerialTrainer::resetAnimationTick()
{
    resetAnimation->countTick();
    inputLamp->putOut();
    resetLamp->light();
    if (tickCount != 2)
        return;
    tickCount = 0;
    pulseCount = 0;
    // Not flagged: the change that this write raises is counted like the
    // learner's own, and clearRegister then clears what it changed.
    wordBox->setText(QString());
    statusLabel->setCaption(QString());
    finishReset();
    word->ignoreNextChange = 0;
    wordBox->setLocked(false);
    pulseCountLabel->setCaption(QString());
    announcer->announce(spoken::kReset);
}

void SerialTrainer::finishReset()
{
    resetAnimation->stopTimer();
    clearRegister();
    resetLamp->putOut();
    statusLabel->setCaption(kStatusReset);
}

void SerialTrainer::clearRegister()
{
    for (auto& c : cells)
        c->set0();
    outputLamp->putOut();
    inputLamp->putOut();
    word->typedCount = 0;
    tickCount = 0;
    word->typedWord = QString();
    wordBox->setText(QString());
    pulseCount = 0;
    word->bit4 = QString();
    word->bit3 = QString();
    word->bit2 = QString();
    word->bit1 = QString();
    word->ignoreNextChange = 0;
    wordBox->setLocked(false);
    wordBox->takeFocus();
}
