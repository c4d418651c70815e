#include "sp.h"

#include "common/Text.h"
#include "common/ValidationMessage.h"
#include "forms/Fonts.h"
#include "forms/Pictures.h"
#include "forms/ProgramEnd.h"
#include "forms/ScreenRegistry.h"
#include "forms/Twips.h"

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

Label* colouredLabel(QWidget* parent, const QRect& where, const QString& caption,
                     const QColor& back, const QColor& text)
{
    auto* label = new Label(parent, where, caption);
    label->setColours(back, text);
    return label;
}

} // namespace

sp::sp(Services& services)
    : Screen(services),
      Timer1(services.clock, [this] { Timer1_Timer(); }),
      Timer2(services.clock, [this] { Timer2_Timer(); }),
      Timer3(services.clock, [this] { Timer3_Timer(); })
{
    setWindowTitle(QStringLiteral("Registre entrée série et sortie parallèle."));
    setClientArea(7575, 5445, Border::Sizable);
    placeClientAt(2265, 1725);

    buildControls();
    buildMenus();

    word.emplace(*mot);
    clockLamp.emplace(*hw, *hr, QStringLiteral("Horloge H"));
    resetLamp.emplace(*razw, *razr, QStringLiteral("RAZ"));
    inputLamp.emplace(*ew, *er, QStringLiteral("Entrée"));
    readLamp.emplace(*lw, *lr, QStringLiteral("Commande de lecture"));
    outputs[0].emplace(*s1w, *s1r, QStringLiteral("S1"));
    outputs[1].emplace(*s2w, *s2r, QStringLiteral("S2"));
    outputs[2].emplace(*s3w, *s3r, QStringLiteral("S3"));
    outputs[3].emplace(*s4w, *s4r, QStringLiteral("S4"));
    clockAnimation.emplace(Timer1, tickCount, *clockLamp);
    readAnimation.emplace(Timer3, tickCount, *readLamp);
    resetAnimation.emplace(Timer2, resetTickCount, *resetLamp);

    connectHandlers();
    // The word box has the lowest tab index: it holds the focus when the
    // window first shows.
    mot->takeFocus();
}

void sp::buildControls()
{
    QWidget* form = client();
    // Front to back; the timers are not drawn.
    Picture1 = new PictureBox(form, twipsRect(1590, 240, 5865, 5115), kDiagramBack,
                              Picture(QStringLiteral(":/assets/sp-diagram.svg")));
    Picture1->setAccessibleName(QStringLiteral("Registre 4 bits, entrée série et sortie parallèle"));
    Picture1->setFocusPolicy(Qt::TabFocus);
    quitt = new CommandButton(form, twipsRect(90, 1740, 1245, 285), QStringLiteral("Quitter"));
    men = new CommandButton(form, twipsRect(90, 1410, 1245, 285), QStringLiteral("Menu"));
    mot = new TextBox(form, twipsRect(720, 3420, 855, 375));
    mot->setFont(formFont(kSansSerif, 13.5));
    mot->setAlignment(Qt::AlignHCenter);
    // No length limit: a pasted text enters whole, however long.
    mot->setMaxLength(std::numeric_limits<int>::max());
    setForeground(mot, kBlue);
    mot->setAccessibleName(QStringLiteral("Mot de 4 bits"));
    Entree = new Label(form, twipsRect(150, 3450, 615, 345), QStringLiteral("Entrée"));
    Entree->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label3 = colouredLabel(form, twipsRect(120, 4650, 1455, 705),
                           QStringLiteral("En cas d'erreur faire une remise à  zéro               (RAZ)"),
                           kLightYellow, kDarkBlue);
    Label2 = colouredLabel(form, twipsRect(120, 3900, 1455, 765),
                           QStringLiteral("Puis validez avec Cde - H - 4 fois.   Ensuite faire une lecture."),
                           kLightYellow, kDarkRed);
    Label4 = colouredLabel(form, twipsRect(120, 3090, 1455, 255), QStringLiteral("de 4 bits 0 ou 1"),
                           kLightYellow, kDarkRed);
    Label1 = colouredLabel(form, twipsRect(120, 2850, 1455, 255), QStringLiteral("Entrez un mot"),
                           kLightYellow, kDarkRed);

    // Tab order by tab index: the word box, "Menu", "Quitter", the diagram.
    setTabOrder(mot, men);
    setTabOrder(men, quitt);
    setTabOrder(quitt, Picture1);

    buildDiagramControls();
}

void sp::buildDiagramControls()
{
    QWidget* diagram = Picture1->inside();
    // Front to back: every unlit picture lies above its lit partner.
    Label6 = colouredLabel(diagram, twipsRect(120, 4050, 255, 285), QString(), kWhite, kDarkRed);
    Label6->setFont(formFont(kSansSerif, 9.75, Weight::Bold));
    Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label6->setAccessibleTitle(QStringLiteral("Impulsions"));
    Label5 = colouredLabel(diagram, twipsRect(720, 1800, 765, 345), QString(), kLightYellow, kRed);
    Label5->setFont(formFont(kSansSerif, 13.5, Weight::Bold, Slant::Italic));
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label5->setAccessibleTitle(QStringLiteral("Lecture"));
    Image1 = new Image(diagram, twipsRect(30, 2550, 990, 420),
                       Picture(QStringLiteral(":/assets/sp-read-label.svg")));
    Image1->setAccessibleName(QStringLiteral("Commande lecture"));

    hw = lampPicture(diagram, 360, 4200, kUnlit);
    razw = lampPicture(diagram, 630, 3780, kUnlit);
    ew = lampPicture(diagram, 30, 3240, kUnlit);
    lw = lampPicture(diagram, 360, 3000, kUnlit);
    s4w = lampPicture(diagram, 1710, 2040, kUnlit);
    s3w = lampPicture(diagram, 2790, 2040, kUnlit);
    s2w = lampPicture(diagram, 3810, 2040, kUnlit);
    s1w = lampPicture(diagram, 4830, 2040, kUnlit);
    hr = lampPicture(diagram, 360, 4200, kLit);
    razr = lampPicture(diagram, 630, 3780, kLit);
    er = lampPicture(diagram, 30, 3240, kLit);
    lr = lampPicture(diagram, 360, 3000, kLit);
    s4r = lampPicture(diagram, 1710, 2040, kLit);
    s3r = lampPicture(diagram, 2790, 2040, kLit);
    s2r = lampPicture(diagram, 3810, 2040, kLit);
    s1r = lampPicture(diagram, 4830, 2040, kLit);

    // Only the clickable lamps show the up arrow.
    for (Image* clickable : {hw, razw, lw})
        clickable->setCursor(Qt::UpArrowCursor);
}

void sp::buildMenus()
{
    QMenu* M = addMenu(QStringLiteral("Fichier"));
    MenuSp = addMenuItem(M, QStringLiteral("Menu"), [this] { MenuSp_Click(); });
    Q = addMenuItem(M, QStringLiteral("Quitter"), [this] { Q_Click(); });
    Ade = addMenuCommand(QStringLiteral("Aide"), [this] { Ade_Click(); });
    inf = addMenuCommand(QStringLiteral("à propos..."), [this] { inf_Click(); });
}

void sp::connectHandlers()
{
    quitt->onClick([this] { quitt_Click(); });
    men->onClick([this] { men_Click(); });
    mot->onChange([this] { mot_Change(); });
    hw->onClick([this] { hw_Click(); });
    razw->onClick([this] { razw_Click(); });
    lw->onClick([this] { lw_Click(); });
    // The close box ends the program, as "Quitter" does.
    onCloseBox([this] { quitt_Click(); });
}

// ---- Load and navigation

void sp::Form_Load()
{
    tickCount = 0;
    pulseCount = 0;
    Label6->setCaption(QString::number(0));
    Timer1.setEnabled(false);
}

// The help and the About box open beside this window, which stays visible.
void sp::Ade_Click() { services().screens.show(ScreenId::Aide_sp); }
void sp::inf_Click() { services().screens.show(ScreenId::Info); }

void sp::men_Click() { leaveFor(ScreenId::Registre); }
void sp::MenuSp_Click() { leaveFor(ScreenId::Registre); }
void sp::quitt_Click() { services().programEnd.end(); }
void sp::Q_Click() { services().programEnd.end(); }

// ---- Word entry

void sp::mot_Change()
{
    if (word->takeChange())
        ValidateWord();
}

void sp::ValidateWord()
{
    Label5->setCaption(QString());
    if (word->lastCharacterIsWrong()) {
        showValidationMessage(services().messageBox, *this);
        StartReset();
    }
    if (word->isFourthCountedChange())
        StoreWordBits();
}

void sp::StoreWordBits()
{
    word->storeBits();
    word->copyText();
    // Only the unlit pictures are shown: they lie above the lit ones, so all
    // four outputs look unlit whatever a read lit before.
    for (int n = 1; n <= 4; ++n)
        output(n).unlit().setShown(true);
}

// ---- Clock

void sp::hw_Click()
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

void sp::Timer1_Timer()
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
    ApplyClockPulse();
}

void sp::ApplyClockPulse()
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
        mot->setText(text::left(mot->text(), 4 - k));
    } else {
        mot->setText(QString());
        word->typedWord.clear();
    }
}

void sp::showPulseCount() { Label6->setCaption(QString::number(pulseCount)); }

// ---- Read

void sp::lw_Click() { readAnimation->start(); }

void sp::Timer3_Timer()
{
    const int ticks = readAnimation->countTick();
    if (ticks == 1) {
        readAnimation->lamp.light();
        ReadOutputs();
    }
    if (ticks == 2) {
        tickCount = 0;
        readAnimation->stopTimer();
        readAnimation->lamp.putOut();
    }
}

void sp::ReadOutputs()
{
    if (pulseCount != 4)
        return;
    // S1 shows the fourth character, the first to enter; S4 the first.
    for (int n = 1; n <= 4; ++n)
        if (word->bit(5 - n) == QLatin1String("1"))
            output(n).light();
    Label5->setCaption(word->bit1 + word->bit2 + word->bit3 + word->bit4);
}

// ---- Reset

void sp::razw_Click() { StartReset(); }

void sp::StartReset() { resetAnimation->start(); }

void sp::Timer2_Timer() { ResetTimerTick(); }

void sp::ResetTimerTick()
{
    const int ticks = resetAnimation->countTick();
    inputLamp->putOut();
    resetAnimation->lamp.light();
    if (ticks != 2)
        return;
    resetTickCount = 0;
    pulseCount = 0;
    Label5->setCaption(QString());
    FinishReset();
    Label6->setCaption(QString());
    word->typedCount = 0;
    pulseCount = 0;
    showPulseCount();
    for (int n = 1; n <= 4; ++n)
        output(n).putOut();
    word->typedWord.clear();
    // The emptying is the program's own write: neither counted nor
    // validated, and the flag is clear whether or not it raised a change.
    word->ignoreNextChange = 1;
    mot->setText(QString());
    word->ignoreNextChange = 0;
    mot->setLocked(false);
    // The stored characters and the focus stay as they are.
}

void sp::FinishReset()
{
    resetAnimation->stopTimer();
    resetAnimation->lamp.putOut();
}
