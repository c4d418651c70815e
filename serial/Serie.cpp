#include "Serie.h"

#include "common/Text.h"
#include "common/ValidationMessage.h"
#include "forms/Fonts.h"
#include "forms/Pictures.h"
#include "forms/ProgramEnd.h"
#include "forms/ScreenRegistry.h"
#include "forms/Twips.h"

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
    return Picture(lit ? QStringLiteral(":/assets/lamp-lit.svg")
                       : QStringLiteral(":/assets/lamp-unlit.svg"));
}

} // namespace

Serie::Serie(Services& services)
    : Screen(services),
      Timer3(services.clock),
      Timer1(services.clock, [this] { Timer1_Timer(); }),
      Timer2(services.clock, [this] { Timer2_Timer(); })
{
    setWindowTitle(QStringLiteral("Registre série"));
    // The client area only: the menu bar keeps the desktop's menu colour.
    setBackground(client(), kLightYellow);
    setClientArea(9870, 5925, Border::Sizable);
    placeClientAt(1155, 1530);

    buildWindow();
    buildDiagram();
    buildMenus();

    cell[0] = std::make_unique<BitCell>(*b0_0, *b0_1, QStringLiteral("Cellule 0"));
    cell[1] = std::make_unique<BitCell>(*b1_0, *b1_1, QStringLiteral("Cellule 1"));
    cell[2] = std::make_unique<BitCell>(*b2_0, *b2_1, QStringLiteral("Cellule 2"));
    cell[3] = std::make_unique<BitCell>(*b3_0, *b3_1, QStringLiteral("Cellule 3"));
    inputLamp = std::make_unique<Lamp>(*e0, *e1, QStringLiteral("Entrée série"));
    outputLamp = std::make_unique<Lamp>(*s0, *s1, QStringLiteral("Sortie série"));
    clockLamp = std::make_unique<Lamp>(*hw, *hr, QStringLiteral("Horloge H"));
    resetLamp = std::make_unique<Lamp>(*razw, *razr, QStringLiteral("RAZ"));
    word = std::make_unique<WordBox>(*mot);
    clockAnimation = std::make_unique<TwoTickAnimation>(Timer1, tickCount, *clockLamp);
    resetAnimation = std::make_unique<TwoTickAnimation>(Timer2, tickCount, *resetLamp);

    mot->onChange([this] { mot_Change(); });
    hw->onClick([this] { hw_Click(); });
    razw->onClick([this] { razw_Click(); });
    men->onClick([this] { men_Click(); });
    quitt->onClick([this] { quitt_Click(); });
    onCloseBox([this] { quitt_Click(); });
}

Serie::~Serie() = default;

void Serie::buildWindow()
{
    QWidget* form = client();
    Picture1 = new PictureBox(form, twipsRect(2280, 960, 6015, 3495),
                              QApplication::palette().color(QPalette::Button),
                              Picture(QStringLiteral(":/assets/serie-diagram.svg")));
    Picture1->setAccessibleName(QStringLiteral("Registre 4 bits, entrées et sorties série"));
    Picture1->setFocusPolicy(Qt::TabFocus);

    mot = new TextBox(form, twipsRect(1200, 2760, 855, 375));
    mot->setFont(formFont(kSansSerif, 13.5));
    mot->setAlignment(Qt::AlignHCenter);
    mot->setMaxLength(std::numeric_limits<int>::max());
    setForeground(mot, kBlue);
    mot->setAccessibleName(QStringLiteral("Mot de 4 bits"));

    quitt = new CommandButton(form, twipsRect(3600, 4560, 1245, 285), QStringLiteral("Quitter"));
    men = new CommandButton(form, twipsRect(2280, 4560, 1245, 285), QStringLiteral("Menu"));

    auto instruction = [form](const QRect& where, const QString& caption, const QColor& colour) {
        auto* label = new Label(form, where, caption);
        label->setColours(kLightYellow, colour);
        return label;
    };
    Label4 = instruction(twipsRect(720, 2400, 1455, 255), QStringLiteral("de 4 bits 0 ou 1"), kDarkRed);
    Label3 = instruction(twipsRect(720, 3630, 1455, 495),
                         QStringLiteral("En cas d'erreur, faire une RAZ"), kDarkBlue);
    Label2 = instruction(twipsRect(720, 3240, 1455, 375),
                         QStringLiteral("Puis validez avec Transfert - H - 4 fois."), kDarkRed);
    Label1 = instruction(twipsRect(720, 2160, 1455, 255), QStringLiteral("Entrez un mot"), kDarkRed);

    // Tab order: the word box first, so it has the focus at the first display.
    setTabOrder(mot, men);
    setTabOrder(men, quitt);
    setTabOrder(quitt, Picture1);
    mot->takeFocus();
}

void Serie::buildDiagram()
{
    QWidget* inside = Picture1->inside();

    Label6 = new Label(inside, twipsRect(480, 2880, 255, 255));
    Label6->setColours(Qt::white, kRed);
    Label6->setFont(formFont(kSansSerif, 9.75, Weight::Bold));
    Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label6->setAccessibleTitle(QStringLiteral("Impulsions"));
    Label5 = new Label(inside, twipsRect(2520, 1320, 1215, 375));
    Label5->setColours(Qt::white, kRed);
    Label5->setFont(formFont(kSansSerif, 12, Weight::Bold));
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label5->setAccessibleTitle(QStringLiteral("État"));

    auto image = [inside](int left, int top, int size, const Picture& picture) {
        return new Image(inside, twipsRect(left, top, size, size == 240 ? 255 : size), picture);
    };
    b0_0 = image(4560, 2040, 240, digit(0));
    b1_0 = image(3480, 2040, 240, digit(0));
    b2_0 = image(2520, 2040, 240, digit(0));
    b3_0 = image(1440, 2040, 240, digit(0));
    b0_1 = image(4560, 2040, 240, digit(1));
    b1_1 = image(3480, 2040, 240, digit(1));
    b2_1 = image(2520, 2040, 240, digit(1));
    b3_1 = image(1440, 2040, 240, digit(1));
    s0 = image(5520, 1920, 180, lampPicture(false));
    hw = image(720, 2880, 180, lampPicture(false));
    razw = image(720, 2400, 180, lampPicture(false));
    e0 = image(480, 1920, 180, lampPicture(false));
    s1 = image(5520, 1920, 180, lampPicture(true));
    e1 = image(480, 1920, 180, lampPicture(true));
    hr = image(720, 2880, 180, lampPicture(true));
    razr = image(720, 2400, 180, lampPicture(true));

    hw->setCursor(Qt::UpArrowCursor);
    razw->setCursor(Qt::UpArrowCursor);
}

void Serie::buildMenus()
{
    QMenu* dic = addMenu(QStringLiteral("Fichier"));
    Menu = addMenuItem(dic, QStringLiteral("Menu"), [this] { Menu_Click(); });
    Quit = addMenuItem(dic, QStringLiteral("Quitter"), [this] { Quit_Click(); });
    ad = addMenuCommand(QStringLiteral("Aide"), [this] { ad_Click(); });
    inf = addMenuCommand(QStringLiteral("à propos..."), [this] { inf_Click(); });
}

void Serie::Form_Load()
{
    word->typedWord = QString();
    word->typedCount = 0;
    pulseCount = 0;
    tickCount = 0;
    Label6->setCaption(QStringLiteral("0"));
    clockLamp->putOut();
}

// ---- Navigation

void Serie::ad_Click() { leaveFor(ScreenId::AideReg); }
void Serie::inf_Click() { leaveFor(ScreenId::Info); }
void Serie::men_Click() { leaveFor(ScreenId::Registre); }
void Serie::Menu_Click() { leaveFor(ScreenId::Registre); }
void Serie::Quit_Click() { services().programEnd.end(); }
void Serie::quitt_Click() { services().programEnd.end(); }

// ---- Word entry

void Serie::mot_Change()
{
    if (word->takeChange())
        ValidateWord();
}

void Serie::ValidateWord()
{
    Label5->setCaption(QString());
    if (word->lastCharacterIsWrong()) {
        showValidationMessage(services().messageBox, *this);
        StartReset();
    }
    if (word->isFourthCountedChange())
        StoreWordBits();
}

void Serie::StoreWordBits() { word->storeBits(); }

// ---- Clock

void Serie::hw_Click()
{
    StartClockTimer();
    clockAnimation->setTickInterval();
}

void Serie::StartClockTimer() { clockAnimation->enableTimer(); }

void Serie::Timer1_Timer() { ClockTimerTick(); }

void Serie::ClockTimerTick()
{
    clockAnimation->countTick();
    clockLamp->light();
    if (tickCount == 2) {
        tickCount = 0;
        ApplyClockPulse();
    }
}

void Serie::ApplyClockPulse()
{
    clockAnimation->stopTimer();
    if (!isBit(word->bit4)) {
        clockLamp->putOut();
        return;
    }
    ++pulseCount;
    word->ignoreNextChange = 1;
    Label6->setCaption(QString::number(pulseCount));
    if (pulseCount > 8) {
        pulseCount = 0;
        Label6->setCaption(QStringLiteral("0"));
        Label5->setCaption(kStatusReset);
        ClearRegister();
    }
    shiftPulse(pulseCount);
    showCell(*inputLamp, *cell[3]);
    if (pulseCount == 4)
        showCell(*outputLamp, *cell[0]);
    clockLamp->putOut();
}

// The cells, the output lamp from the fifth pulse on, and the word box, for
// pulse number `pulse`; nothing after the automatic reset (0).
void Serie::shiftPulse(int pulse)
{
    switch (pulse) {
    case 1:
        cell[3]->take(word->bit4);
        writeBox(text::left(word->typedWord, 3));
        break;
    case 2:
        cell[2]->copyFrom(*cell[3]);
        cell[3]->take(word->bit3);
        writeBox(text::left(word->typedWord, 2));
        break;
    case 3:
        cell[1]->copyFrom(*cell[2]);
        cell[2]->copyFrom(*cell[3]);
        cell[3]->take(word->bit2);
        writeBox(text::left(word->typedWord, 1));
        break;
    case 4:
        cell[0]->copyFrom(*cell[1]);
        cell[1]->copyFrom(*cell[2]);
        cell[2]->copyFrom(*cell[3]);
        cell[3]->take(word->bit1);
        // Written with the flag that this pulse has set already.
        if (isBit(word->bit1))
            mot->setText(QString());
        break;
    case 5:
        cell[0]->copyFrom(*cell[1]);
        cell[1]->copyFrom(*cell[2]);
        cell[2]->copyFrom(*cell[3]);
        cell[3]->set0();
        showCell(*outputLamp, *cell[0]);
        break;
    case 6:
        cell[0]->copyFrom(*cell[1]);
        cell[1]->copyFrom(*cell[2]);
        cell[2]->set0();
        showCell(*outputLamp, *cell[0]);
        break;
    case 7:
        cell[0]->copyFrom(*cell[1]);
        showCell(*outputLamp, *cell[0]);
        cell[1]->set0();
        break;
    case 8:
        cell[0]->set0();
        showCell(*outputLamp, *cell[0]);
        break;
    default:
        break;
    }
}

// A write of the engine's own: flagged right before it, so the change that
// it raises is only acknowledged.
void Serie::writeBox(const QString& text)
{
    word->ignoreNextChange = 1;
    mot->setText(text);
}

// The lamp shows the cell: tests its "0" picture first, then its "1".
void Serie::showCell(Lamp& lamp, const BitCell& shown)
{
    if (shown.zeroShown())
        lamp.putOut();
    if (shown.oneShown())
        lamp.light();
}

// ---- Reset

void Serie::razw_Click() { StartReset(); }

void Serie::StartReset()
{
    StartResetTimer();
    resetAnimation->setTickInterval();
}

void Serie::StartResetTimer() { resetAnimation->enableTimer(); }

void Serie::Timer2_Timer() { ResetTimerTick(); }

void Serie::ResetTimerTick()
{
    resetAnimation->countTick();
    inputLamp->putOut();
    resetLamp->light();
    if (tickCount != 2)
        return;
    tickCount = 0;
    pulseCount = 0;
    // Not flagged: the change that this write raises is counted like the
    // learner's own, and ClearRegister then clears what it changed.
    mot->setText(QString());
    Label5->setCaption(QString());
    FinishReset();
    word->ignoreNextChange = 0;
    mot->setLocked(false);
    Label6->setCaption(QString());
}

void Serie::FinishReset()
{
    resetAnimation->stopTimer();
    ClearRegister();
    resetLamp->putOut();
    Label5->setCaption(kStatusReset);
}

void Serie::ClearRegister()
{
    for (auto& c : cell)
        c->set0();
    outputLamp->putOut();
    inputLamp->putOut();
    word->typedCount = 0;
    tickCount = 0;
    word->typedWord = QString();
    mot->setText(QString());
    pulseCount = 0;
    word->bit4 = QString();
    word->bit3 = QString();
    word->bit2 = QString();
    word->bit1 = QString();
    word->ignoreNextChange = 0;
    mot->setLocked(false);
    mot->takeFocus();
}
