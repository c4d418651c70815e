// The serial-in parallel-out trainer: its window, word entry, clock, read and reset.

#include "serial_parallel/SerialParallelTrainer.h"

#include "forms/Fonts.h"
#include "forms/Pictures.h"
#include "forms/ProgramEnd.h"
#include "forms/FormRegistry.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"
#include "trainer/Spoken.h"
#include "trainer/Text.h"
#include "trainer/ValidationMessage.h"

#include <QMenu>

#include <limits>

using namespace forms;

namespace {

const QColor kDiagramBack(0xE0, 0xE0, 0xE0);
const QColor kLightYellow(0xFF, 0xFF, 0xC0);
const QColor kDarkRed(0xC0, 0x00, 0x00);
const QColor kDarkBlue(0x00, 0x00, 0xC0);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);

const QString kUnlit = QStringLiteral(":/assets/lamp-unlit.svg");
const QString kLit = QStringLiteral(":/assets/lamp-lit.svg");
const QString kSansSerif = QStringLiteral("MS Sans Serif");

// A lamp picture, 180 x 180 twips, at its place inside the diagram.
Image* lampPicture(QWidget* parent, int left, int top, const QString& path)
{
    return new Image(parent, twipsRect(left, top, 180, 180), Picture(path));
}

Label* colouredLabel(QWidget* parent, const QRect& where, const QString& caption, const QColor& back,
                     const QColor& text)
{
    auto* label = new Label(parent, where, caption);
    label->setColours(back, text);
    return label;
}

} // namespace

SerialParallelTrainer::SerialParallelTrainer(Services& services)
    : Form(services),
      clockTimer(services.clock, [this] { onClockTimerTick(); }),
      resetTimer(services.clock, [this] { onResetTimerTick(); }),
      readTimer(services.clock, [this] { onReadTimerTick(); })
{
    setWindowTitle(QStringLiteral("Registre entrée série et sortie parallèle."));
    setClientArea(7575, 5445, Border::Sizable);
    placeClientAt(2265, 1725);

    buildControls();
    buildMenus();

    word.emplace(*wordBox);
    clockLamp.emplace(*clockUnlit, *clockLit, QStringLiteral("Horloge H"));
    resetLamp.emplace(*resetUnlit, *resetLit, QStringLiteral("RAZ"));
    inputLamp.emplace(*inputUnlit, *inputLit, QStringLiteral("Entrée"));
    readLamp.emplace(*readUnlit, *readLit, QStringLiteral("Commande de lecture"));
    outputLamps[0].emplace(*output1Unlit, *output1Lit, QStringLiteral("S1"));
    outputLamps[1].emplace(*output2Unlit, *output2Lit, QStringLiteral("S2"));
    outputLamps[2].emplace(*output3Unlit, *output3Lit, QStringLiteral("S3"));
    outputLamps[3].emplace(*output4Unlit, *output4Lit, QStringLiteral("S4"));
    clockAnimation.emplace(clockTimer, tickCount, *clockLamp);
    readAnimation.emplace(readTimer, tickCount, *readLamp);
    resetAnimation.emplace(resetTimer, resetTickCount, *resetLamp);

    connectHandlers();
    // The word box comes first in the Tab order: it holds the focus when
    // the window first shows.
    wordBox->takeFocus();
}

void SerialParallelTrainer::buildControls()
{
    QWidget* form = client();
    // Front to back; the timers are not drawn.
    diagram = new PictureBox(form, twipsRect(1590, 240, 5865, 5115), kDiagramBack,
                             Picture(QStringLiteral(":/assets/serial-parallel-diagram.svg")));
    diagram->setAccessibleName(QStringLiteral("Registre 4 bits, entrée série et sortie parallèle"));
    diagram->setFocusPolicy(Qt::TabFocus);
    quitButton = new CommandButton(form, twipsRect(90, 1740, 1245, 285), QStringLiteral("Quitter"));
    menuButton = new CommandButton(form, twipsRect(90, 1410, 1245, 285), QStringLiteral("Menu"));
    wordBox = new TextBox(form, twipsRect(720, 3420, 855, 375));
    wordBox->setFont(formFont(kSansSerif, 13.5));
    wordBox->setAlignment(Qt::AlignHCenter);
    // No length limit: a pasted text enters whole, however long.
    wordBox->setMaxLength(std::numeric_limits<int>::max());
    setForeground(wordBox, kBlue);
    wordBox->setAccessibleName(QStringLiteral("Mot de 4 bits"));
    inputLabel = new Label(form, twipsRect(150, 3450, 615, 345), QStringLiteral("Entrée"));
    inputLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    errorLabel = colouredLabel(form, twipsRect(120, 4650, 1455, 705),
                               QStringLiteral("En cas d'erreur faire une remise à  zéro               (RAZ)"),
                               kLightYellow, kDarkBlue);
    pulsesLabel
        = colouredLabel(form, twipsRect(120, 3900, 1455, 765),
                        QStringLiteral("Puis validez avec Cde - H - 4 fois.   Ensuite faire une lecture."),
                        kLightYellow, kDarkRed);
    fourBitsLabel = colouredLabel(form, twipsRect(120, 3090, 1455, 255), QStringLiteral("de 4 bits 0 ou 1"),
                                  kLightYellow, kDarkRed);
    enterWordLabel = colouredLabel(form, twipsRect(120, 2850, 1455, 255), QStringLiteral("Entrez un mot"),
                                   kLightYellow, kDarkRed);
    announcer = new Announcer(form);

    // Tab order: the word box, "Menu", "Quitter", the diagram.
    setTabOrder(wordBox, menuButton);
    setTabOrder(menuButton, quitButton);
    setTabOrder(quitButton, diagram);

    buildDiagramControls();
}

void SerialParallelTrainer::buildDiagramControls()
{
    QWidget* inside = diagram->inside();
    // Front to back: every unlit picture lies above its lit partner.
    pulseCountLabel = colouredLabel(inside, twipsRect(120, 4050, 255, 285), QString(), kWhite, kDarkRed);
    pulseCountLabel->setFont(formFont(kSansSerif, 9.75, Weight::Bold));
    pulseCountLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pulseCountLabel->setAccessibleTitle(QStringLiteral("Impulsions"));
    readLabel = colouredLabel(inside, twipsRect(720, 1800, 765, 345), QString(), kLightYellow, kRed);
    readLabel->setFont(formFont(kSansSerif, 13.5, Weight::Bold, Slant::Italic));
    readLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    readLabel->setAccessibleTitle(QStringLiteral("Lecture"));
    readCommandPicture = new Image(inside, twipsRect(30, 2550, 990, 420),
                                   Picture(QStringLiteral(":/assets/read-command.svg")));
    readCommandPicture->setAccessibleName(QStringLiteral("Commande lecture"));

    clockUnlit = lampPicture(inside, 360, 4200, kUnlit);
    resetUnlit = lampPicture(inside, 630, 3780, kUnlit);
    inputUnlit = lampPicture(inside, 30, 3240, kUnlit);
    readUnlit = lampPicture(inside, 360, 3000, kUnlit);
    output4Unlit = lampPicture(inside, 1710, 2040, kUnlit);
    output3Unlit = lampPicture(inside, 2790, 2040, kUnlit);
    output2Unlit = lampPicture(inside, 3810, 2040, kUnlit);
    output1Unlit = lampPicture(inside, 4830, 2040, kUnlit);
    clockLit = lampPicture(inside, 360, 4200, kLit);
    resetLit = lampPicture(inside, 630, 3780, kLit);
    inputLit = lampPicture(inside, 30, 3240, kLit);
    readLit = lampPicture(inside, 360, 3000, kLit);
    output4Lit = lampPicture(inside, 1710, 2040, kLit);
    output3Lit = lampPicture(inside, 2790, 2040, kLit);
    output2Lit = lampPicture(inside, 3810, 2040, kLit);
    output1Lit = lampPicture(inside, 4830, 2040, kLit);

    // Only the clickable lamps show the up arrow.
    for (Image* clickable : {clockUnlit, resetUnlit, readUnlit})
        clickable->setCursorShape(Qt::UpArrowCursor);
}

void SerialParallelTrainer::buildMenus()
{
    QMenu* fileMenu = addMenu(QStringLiteral("Fichier"));
    menuAction = addMenuItem(fileMenu, QStringLiteral("Menu"), [this] { onMenuChosen(); });
    quitAction = addMenuItem(fileMenu, QStringLiteral("Quitter"), [this] { onQuitChosen(); });
    helpAction = addMenuCommand(QStringLiteral("Aide"), [this] { onHelpChosen(); });
    aboutAction = addMenuCommand(QStringLiteral("à propos..."), [this] { onAboutChosen(); });
}

void SerialParallelTrainer::connectHandlers()
{
    quitButton->onClick([this] { onQuitClicked(); });
    menuButton->onClick([this] { onMenuClicked(); });
    wordBox->onChange([this] { onWordChanged(); });
    clockUnlit->onClick([this] { onClockLampClicked(); });
    resetUnlit->onClick([this] { onResetLampClicked(); });
    readUnlit->onClick([this] { onReadLampClicked(); });
    // The close box ends the program, as "Quitter" does.
    onCloseBox([this] { onQuitClicked(); });
}

// ---- Load and navigation

void SerialParallelTrainer::onLoad()
{
    tickCount = 0;
    pulseCount = 0;
    pulseCountLabel->setCaption(QString::number(0));
    clockTimer.setEnabled(false);
}

// The help and the About box open beside this window, which stays visible.
void SerialParallelTrainer::onHelpChosen() { services().forms.show(FormId::SerialParallelHelp); }
void SerialParallelTrainer::onAboutChosen() { services().forms.show(FormId::AboutBox); }

void SerialParallelTrainer::onMenuClicked() { leaveFor(FormId::MainMenu); }
void SerialParallelTrainer::onMenuChosen() { leaveFor(FormId::MainMenu); }
void SerialParallelTrainer::onQuitClicked() { services().programEnd.end(); }
void SerialParallelTrainer::onQuitChosen() { services().programEnd.end(); }

// ---- Word entry

void SerialParallelTrainer::onWordChanged()
{
    if (word->takeChange())
        validateWord();
}

void SerialParallelTrainer::validateWord()
{
    readLabel->setCaption(QString());
    if (word->lastCharacterIsWrong()) {
        showValidationMessage(services().messageBox, *this);
        startReset();
    }
    if (word->isFourthCountedChange())
        storeWordBits();
}

void SerialParallelTrainer::storeWordBits()
{
    word->storeBits();
    word->copyText();
    // Only the unlit pictures are shown: they lie above the lit ones, so all
    // four outputs look unlit whatever a read lit before.
    for (int n = 1; n <= 4; ++n)
        outputLamp(n).unlit().setShown(true);
}

// ---- Clock

void SerialParallelTrainer::onClockLampClicked()
{
    if (word->typedWord.isEmpty())
        return;
    ++pulseCount;
    showPulseCount();
    if (pulseCount > 4) {
        // A running animation goes on; its ticks find nothing to do.
        pulseCount = 0;
        showPulseCount();
    } else {
        clockAnimation->start();
    }
}

void SerialParallelTrainer::onClockTimerTick()
{
    const int ticks = clockAnimation->countTick();
    if (ticks == 1)
        clockAnimation->lamp.light();
    if (ticks == 2) {
        tickCount = 0;
        clockAnimation->stopTimer();
        clockAnimation->lamp.putOut();
    }
    // The shift step runs at both ticks; the second finds nothing left to
    // change.
    applyClockPulse();
    // Told once the pulse is over, when it shifted a bit in.
    if (ticks == 2 && pulseCount >= 1 && pulseCount <= 4)
        announcer->announce(
            spoken::pulse(pulseCount, spoken::lamp(QStringLiteral("entrée"), inputLamp->seenLit())));
}

void SerialParallelTrainer::applyClockPulse()
{
    if (pulseCount < 1 || pulseCount > 4)
        return;
    const int k = pulseCount;
    const QString& entering = word->bit(5 - k);
    if (entering == QLatin1String("1"))
        inputLamp->light();
    if (entering == QLatin1String("0"))
        inputLamp->putOut();
    word->ignoreNextChange = 1;
    if (k < 4) {
        wordBox->setText(text::left(wordBox->text(), 4 - k));
    } else {
        wordBox->setText(QString());
        word->typedWord.clear();
    }
}

void SerialParallelTrainer::showPulseCount() { pulseCountLabel->setCaption(QString::number(pulseCount)); }

// ---- Read

void SerialParallelTrainer::onReadLampClicked() { readAnimation->start(); }

void SerialParallelTrainer::onReadTimerTick()
{
    const int ticks = readAnimation->countTick();
    if (ticks == 1) {
        readAnimation->lamp.light();
        readOutputs();
    }
    if (ticks == 2) {
        tickCount = 0;
        readAnimation->stopTimer();
        readAnimation->lamp.putOut();
    }
}

void SerialParallelTrainer::readOutputs()
{
    if (pulseCount != 4)
        return;
    // S1 shows the fourth character, the first to enter; S4 the first.
    for (int n = 1; n <= 4; ++n)
        if (word->bit(5 - n) == QLatin1String("1"))
            outputLamp(n).light();
    readLabel->setCaption(word->bit1 + word->bit2 + word->bit3 + word->bit4);
    QStringList lit;
    for (int n = 4; n >= 1; --n)
        if (outputLamp(n).seenLit())
            lit << QStringLiteral("S%1").arg(n);
    announcer->announce(spoken::read(readLabel->caption(), lit));
}

// ---- Reset

void SerialParallelTrainer::onResetLampClicked() { startReset(); }

void SerialParallelTrainer::startReset() { resetAnimation->start(); }

void SerialParallelTrainer::onResetTimerTick() { resetAnimationTick(); }

void SerialParallelTrainer::resetAnimationTick()
{
    const int ticks = resetAnimation->countTick();
    inputLamp->putOut();
    resetAnimation->lamp.light();
    if (ticks != 2)
        return;
    resetTickCount = 0;
    pulseCount = 0;
    readLabel->setCaption(QString());
    finishReset();
    pulseCountLabel->setCaption(QString());
    word->typedCount = 0;
    pulseCount = 0;
    showPulseCount();
    for (int n = 1; n <= 4; ++n)
        outputLamp(n).putOut();
    word->typedWord.clear();
    // The emptying is the program's own write: neither counted nor
    // validated, and the flag is clear whether or not it raised a change.
    word->ignoreNextChange = 1;
    wordBox->setText(QString());
    word->ignoreNextChange = 0;
    wordBox->setLocked(false);
    // The stored characters and the focus stay as they are.
    announcer->announce(spoken::kReset);
}

void SerialParallelTrainer::finishReset()
{
    resetAnimation->stopTimer();
    resetAnimation->lamp.putOut();
}
