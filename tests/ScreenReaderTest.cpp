// What a screen reader hears of the trainers, read through Qt's
// accessibility interfaces as an assistive technology reads them: one
// object per lamp and per cell, named after the picture seen; the lamps
// that answer a click at that moment as buttons whose press action does
// what the click does, every other one static; the pulse count and the
// status or read line named after what they are; at first display, after
// pulses, after a read and after a reset.

#include "SerialFixture.h"
#include "SerialParallelFixture.h"
#include "navigation/FormId.h"
#include "parallel/ParallelRegister.h"
#include "serial/SerialHelp.h"

#include "support/AccessibilityRecorder.h"

#include <QAccessible>

#include <vector>

namespace {

struct Heard
{
    QString name;
    QAccessibleInterface *object;
};

// Every object below one, depth first, checking that each child knows its
// parent and its place among its siblings.
void collect(QAccessibleInterface *parent, std::vector<Heard> &all)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *child = parent->child(i);
        if (!child) {
            ADD_FAILURE() << "no child " << i << " under " << parent->text(QAccessible::Name).toStdString();
            continue;
        }
        EXPECT_EQ(child->parent(), parent);
        EXPECT_EQ(parent->indexOfChild(child), i);
        all.push_back({ child->text(QAccessible::Name), child });
        collect(child, all);
    }
}

std::vector<Heard> tree(QWidget *window)
{
    std::vector<Heard> all;
    collect(QAccessible::queryAccessibleInterface(window), all);
    return all;
}

QString roleWord(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
        return QStringLiteral("button");
    case QAccessible::StaticText:
        return QStringLiteral("static");
    case QAccessible::Graphic:
        return QStringLiteral("graphic");
    default:
        return QStringLiteral("role %1").arg(int(role));
    }
}

QStringList actionsOf(QAccessibleInterface *object)
{
    QAccessibleActionInterface *actions = object->actionInterface();
    return actions ? actions->actionNames() : QStringList{};
}

// What is heard of the objects named "<what> : …": their name, role and
// actions, and "hidden" when the object says it is not shown; or how many
// there are when there is not exactly one.
QString said(const std::vector<Heard> &all, const QString &what)
{
    std::vector<QAccessibleInterface *> found;
    for (const Heard &h : all)
        if (h.name.startsWith(what + QStringLiteral(" : ")))
            found.push_back(h.object);
    if (found.size() != 1)
        return QStringLiteral("%1 objects").arg(found.size());
    QAccessibleInterface *object = found.front();
    QStringList words{ object->text(QAccessible::Name), roleWord(object->role()) };
    words += actionsOf(object);
    if (object->state().disabled)
        words << QStringLiteral("unavailable");
    if (object->state().invisible)
        words << QStringLiteral("hidden");
    return words.join(QStringLiteral(", "));
}

QAccessibleInterface *objectNamed(const std::vector<Heard> &all, const QString &what)
{
    for (const Heard &h : all)
        if (h.name.startsWith(what + QStringLiteral(" : ")))
            return h.object;
    return nullptr;
}

const QString kPress = QAccessibleActionInterface::pressAction();

// Each line: what an object is called, then all that is heard of it.
using Hearing = std::vector<std::pair<const char *, const char *>>;

void expectHeard(QWidget *window, const Hearing &expected)
{
    const std::vector<Heard> all = tree(window);
    for (const auto &[what, heard] : expected)
        EXPECT_EQ(said(all, QString::fromUtf8(what)).toStdString(), heard) << what;
}

void press(QWidget *window, const char *what)
{
    QAccessibleInterface *object = objectNamed(tree(window), QString::fromUtf8(what));
    ASSERT_NE(object, nullptr) << what;
    ASSERT_NE(object->actionInterface(), nullptr) << what;
    object->actionInterface()->doAction(kPress);
}

// ------------------------------------------------------------ serial trainer

class SerialHeard : public SerialFixture
{
};

TEST_F(SerialHeard, AtFirstDisplayEveryCellIsZeroAndOnlyTheClockAndResetAreButtons)
{
    const SerialControls s = open();
    expectHeard(&s.window,
                {
                        { "Cellule 3", "Cellule 3 : 0, static" },
                        { "Cellule 2", "Cellule 2 : 0, static" },
                        { "Cellule 1", "Cellule 1 : 0, static" },
                        { "Cellule 0", "Cellule 0 : 0, static" },
                        { "Entrée série", "Entrée série : éteinte, static" },
                        { "Sortie série", "Sortie série : éteinte, static" },
                        { "Horloge H", "Horloge H : éteinte, button, Press" },
                        { "RAZ", "RAZ : éteinte, button, Press" },
                        { "Impulsions", "Impulsions : 0, static" },
                        { "État", "État : vide, static" },
                });
    const std::vector<Heard> all = tree(&s.window);
    auto named = [&all](const QString &name) {
        return std::any_of(all.begin(), all.end(), [&name](const Heard &h) { return h.name == name; });
    };
    EXPECT_TRUE(named(QStringLiteral("Registre 4 bits, entrées et sorties série")));
    EXPECT_TRUE(named(QStringLiteral("Mot de 4 bits")));
}

TEST_F(SerialHeard, PulsesAreHeardInTheCellsTheLampsAndTheCount)
{
    const SerialControls s = open();
    type(QStringLiteral("1011"));
    click(s.clockUnlit);
    advance(200);
    // Lit, the clock lamp takes no click: it stays a button, unavailable.
    expectHeard(&s.window, { { "Horloge H", "Horloge H : allumée, button, Press, unavailable" } });
    advance(200);
    expectHeard(&s.window,
                {
                        { "Cellule 3", "Cellule 3 : 1, static" },
                        { "Cellule 2", "Cellule 2 : 0, static" },
                        { "Entrée série", "Entrée série : allumée, static" },
                        { "Horloge H", "Horloge H : éteinte, button, Press" },
                        { "Impulsions", "Impulsions : 1, static" },
                });
    pulses(3);
    expectHeard(&s.window,
                {
                        { "Cellule 3", "Cellule 3 : 1, static" },
                        { "Cellule 2", "Cellule 2 : 0, static" },
                        { "Cellule 1", "Cellule 1 : 1, static" },
                        { "Cellule 0", "Cellule 0 : 1, static" },
                        { "Sortie série", "Sortie série : allumée, static" },
                        { "Impulsions", "Impulsions : 4, static" },
                });
}

TEST_F(SerialHeard, AResetIsHeardClearedWithItsStatusAndABlankCount)
{
    const SerialControls s = open();
    type(QStringLiteral("1011"));
    pulses(4);
    click(s.resetUnlit);
    advance(200);
    expectHeard(&s.window, { { "RAZ", "RAZ : allumée, button, Press, unavailable" } });
    advance(200);
    expectHeard(&s.window,
                {
                        { "Cellule 3", "Cellule 3 : 0, static" },
                        { "Cellule 1", "Cellule 1 : 0, static" },
                        { "Cellule 0", "Cellule 0 : 0, static" },
                        { "Entrée série", "Entrée série : éteinte, static" },
                        { "Sortie série", "Sortie série : éteinte, static" },
                        { "RAZ", "RAZ : éteinte, button, Press" },
                        { "Impulsions", "Impulsions : vide, static" },
                        { "État", "État : RAZ, static" },
                });
}

// Pressing a lamp through the screen reader starts its animation as a
// click does; pressing it while it takes no click does nothing, and a lamp
// that never takes one has no action.
TEST_F(SerialHeard, PressingTheClockLampRunsAPulseAsAClickDoes)
{
    const SerialControls s = open();
    type(QStringLiteral("1011"));
    press(&s.window, "Horloge H");
    EXPECT_EQ(look(), "0000 e0 s0 h0 r0 n=0 st= box=1011 locked");
    advance(200);
    EXPECT_EQ(look(), "0000 e0 s0 h1 r0 n=0 st= box=1011 locked");
    press(&s.window, "Horloge H"); // lit: unavailable, nothing happens
    advance(200);
    EXPECT_EQ(look(), "1000 e1 s0 h0 r0 n=1 st= box=101 locked");
    advance(400);
    EXPECT_EQ(look(), "1000 e1 s0 h0 r0 n=1 st= box=101 locked");
    press(&s.window, "RAZ");
    advance(400);
    EXPECT_EQ(look(), "0000 e0 s0 h0 r0 n= st=RAZ box=");
}

TEST_F(SerialHeard, StaticLampsAndCellsHaveNoAction)
{
    const SerialControls s = open();
    type(QStringLiteral("1011"));
    pulses(1);
    for (const char *what : { "Entrée série", "Sortie série", "Cellule 3", "Cellule 0" }) {
        QAccessibleInterface *object = objectNamed(tree(&s.window), QString::fromUtf8(what));
        ASSERT_NE(object, nullptr) << what;
        EXPECT_EQ(actionsOf(object), QStringList{}) << what;
        if (object->actionInterface())
            object->actionInterface()->doAction(kPress);
    }
    advance(400);
    EXPECT_EQ(look(), "1000 e1 s0 h0 r0 n=1 st= box=101 locked");
}

// What changes is told as it changes: one announcement per pulse, a name
// change for each lamp or cell that changed and for nothing else, the clock
// lamp unavailable while it is lit, nothing from the pictures a pair hides,
// and the focus left where it was.
TEST_F(SerialHeard, APulseIsAnnouncedOnceAndRenamesOnlyWhatChanged)
{
    const SerialControls s = open();
    type(QStringLiteral("1011"));
    AccessibilityRecorder listening;
    QWidget *focus = s.window.focusWidget();
    click(s.clockUnlit);
    advance(400);
    EXPECT_EQ(listening.announced(), QStringList{ QStringLiteral("Impulsion 1 : 1 0 0 0, sortie éteinte") });
    EXPECT_EQ(listening.renamed(),
              (QStringList{ QStringLiteral("Cellule 3 : 1"), QStringLiteral("Entrée série : allumée"),
                            QStringLiteral("Horloge H : allumée"), QStringLiteral("Horloge H : éteinte"),
                            QStringLiteral("Impulsions : 1") }));
    EXPECT_EQ(listening.availabilityChanged(),
              (QStringList{ QStringLiteral("Horloge H : allumée"), QStringLiteral("Horloge H : éteinte") }));
    EXPECT_EQ(listening.fromSpokenForPictures(), 0);
    EXPECT_EQ(s.window.focusWidget(), focus);
}

// The cells from left to right and the output lamp after each pulse of the
// word 1011; the ninth pulse resets the register and is told as a reset; a
// pulse that finds no word changes nothing and says nothing.
TEST_F(SerialHeard, EveryPulseIsAnnouncedAsTheEyeReadsIt)
{
    open();
    type(QStringLiteral("1011"));
    AccessibilityRecorder listening;
    const char *expected[] = {
        "Impulsion 1 : 1 0 0 0, sortie éteinte",
        "Impulsion 2 : 1 1 0 0, sortie éteinte",
        "Impulsion 3 : 0 1 1 0, sortie éteinte",
        "Impulsion 4 : 1 0 1 1, sortie allumée",
        "Impulsion 5 : 0 1 0 1, sortie allumée",
        "Impulsion 6 : 0 0 1 0, sortie éteinte",
        "Impulsion 7 : 0 0 0 1, sortie allumée",
        "Impulsion 8 : 0 0 0 0, sortie éteinte",
        "RAZ",
    };
    for (const char *said : expected) {
        listening.clear();
        pulses(1);
        EXPECT_EQ(listening.announced(), QStringList{ QString::fromUtf8(said) });
    }
    listening.clear();
    pulses(1);
    EXPECT_EQ(listening.announced(), QStringList{});
    EXPECT_EQ(listening.fromSpokenForPictures(), 0);
}

// The reset by the RAZ lamp and the one after the validation message are
// each told once, when the register is cleared.
TEST_F(SerialHeard, EachResetIsAnnouncedOnce)
{
    const SerialControls s = open();
    type(QStringLiteral("10"));
    AccessibilityRecorder listening;
    click(s.resetUnlit);
    advance(200);
    EXPECT_EQ(listening.announced(), QStringList{});
    advance(200);
    EXPECT_EQ(listening.announced(), QStringList{ QStringLiteral("RAZ") });

    listening.clear();
    type(QStringLiteral("2"));
    ASSERT_EQ(messageBox.shown.size(), 1);
    advance(400);
    EXPECT_EQ(listening.announced(), QStringList{ QStringLiteral("RAZ") });
    EXPECT_EQ(listening.fromSpokenForPictures(), 0);
}

// Typing, moving the focus and opening another window are not announced;
// a caption set again to what it shows tells nothing.
TEST_F(SerialHeard, TypingAndTabbingAnnounceNothingAndRenameNothingUnchanged)
{
    const SerialControls s = open();
    AccessibilityRecorder listening;
    type(QStringLiteral("10"));
    pressKey(s.wordBox, Qt::Key_Backspace);
    pressKey(&s.window, Qt::Key_Tab);
    EXPECT_EQ(listening.renamed(), QStringList{});
    chooseMenu(s.window, QStringLiteral("Aide"));
    click(button(FormId::SerialHelp, "OK"));
    ASSERT_TRUE(s.window.isVisible());
    EXPECT_EQ(listening.announced(), QStringList{});
    EXPECT_EQ(listening.fromSpokenForPictures(), 0);
}

// A pulse that falls due while the trainer is hidden is applied there, and
// nothing is said of a window nobody sees.
TEST_F(SerialHeard, AHiddenTrainerSaysNothing)
{
    const SerialControls s = open();
    type(QStringLiteral("1011"));
    AccessibilityRecorder listening;
    click(s.clockUnlit);
    click(s.menuButton);
    advance(400);
    EXPECT_EQ(look(), "1000 e1 s0 h0 r0 n=1 st= box=101 locked");
    EXPECT_EQ(listening.announced(), QStringList{});
}

// ---------------------------------------------------- serial-parallel trainer

class SerialParallelHeard : public SerialParallelFixture
{
};

TEST_F(SerialParallelHeard, AtFirstDisplayEveryLampIsOutAndClockResetAndReadAreButtons)
{
    const SerialParallelControls s = open();
    expectHeard(&s.window,
                {
                        { "Horloge H", "Horloge H : éteinte, button, Press" },
                        { "RAZ", "RAZ : éteinte, button, Press" },
                        { "Commande de lecture", "Commande de lecture : éteinte, button, Press" },
                        { "Entrée", "Entrée : éteinte, static" },
                        { "S4", "S4 : éteinte, static" },
                        { "S3", "S3 : éteinte, static" },
                        { "S2", "S2 : éteinte, static" },
                        { "S1", "S1 : éteinte, static" },
                        { "Impulsions", "Impulsions : 0, static" },
                        { "Lecture", "Lecture : vide, static" },
                });
    const std::vector<Heard> all = tree(&s.window);
    auto find = [&all](const QString &name) {
        return std::find_if(all.begin(), all.end(), [&name](const Heard &h) { return h.name == name; });
    };
    EXPECT_NE(find(QStringLiteral("Registre 4 bits, entrée série et sortie parallèle")), all.end());
    const auto label = find(QStringLiteral("Commande lecture"));
    ASSERT_NE(label, all.end());
    EXPECT_EQ(label->object->role(), QAccessible::Graphic);
}

TEST_F(SerialParallelHeard, AReadIsHeardOnTheOutputsAndTheReadLine)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("1011"));
    for (int i = 0; i < 4; ++i) {
        click(s.clockUnlit);
        advance(400);
    }
    expectHeard(&s.window, { { "Entrée", "Entrée : allumée, static" }, { "Impulsions", "Impulsions : 4, static" } });
    press(&s.window, "Commande de lecture");
    advance(200);
    expectHeard(&s.window, { { "Commande de lecture", "Commande de lecture : allumée, button, Press, unavailable" } });
    advance(200);
    expectHeard(&s.window,
                {
                        { "Commande de lecture", "Commande de lecture : éteinte, button, Press" },
                        { "S4", "S4 : allumée, static" },
                        { "S3", "S3 : éteinte, static" },
                        { "S2", "S2 : allumée, static" },
                        { "S1", "S1 : allumée, static" },
                        { "Lecture", "Lecture : 1011, static" },
                });
    press(&s.window, "RAZ");
    advance(400);
    expectHeard(&s.window,
                {
                        { "Entrée", "Entrée : éteinte, static" },
                        { "S4", "S4 : éteinte, static" },
                        { "S2", "S2 : éteinte, static" },
                        { "S1", "S1 : éteinte, static" },
                        { "Impulsions", "Impulsions : 0, static" },
                        { "Lecture", "Lecture : vide, static" },
                });
}

// A word stored after a read shows the outputs' unlit pictures again in
// front of the lit ones, which stay visible behind: the outputs are heard
// out, as they are seen.
TEST_F(SerialParallelHeard, AnOutputIsHeardAsItsFrontPictureWhenBothAreVisible)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("1011"));
    click(s.resetUnlit);
    advance(400); // the reset keeps the stored characters
    typeText(s.wordBox, QStringLiteral("1"));
    for (int i = 0; i < 4; ++i) {
        click(s.clockUnlit);
        advance(400);
    }
    click(s.readUnlit);
    advance(400);
    ASSERT_EQ(view(), "..E.4.21 n=4 r=1011 []");
    expectHeard(&s.window, { { "S1", "S1 : allumée, static" }, { "S3", "S3 : éteinte, static" } });
    // The first change after a pulse is the program's; the next three are
    // counted, and the fourth counted change stores the word.
    typeText(s.wordBox, QStringLiteral("0110"));
    ASSERT_TRUE(s.output1Lit->shown() && s.output1Unlit->shown());
    expectHeard(&s.window,
                {
                        { "S4", "S4 : éteinte, static" },
                        { "S3", "S3 : éteinte, static" },
                        { "S2", "S2 : éteinte, static" },
                        { "S1", "S1 : éteinte, static" },
                });
}

// Each pulse is told once it is over, with the bit it brought to the
// input lamp; the read with the word and the outputs lit from left to
// right; the reset as on the other trainer. A read before the fourth pulse
// changes nothing and says nothing.
TEST_F(SerialParallelHeard, PulsesReadsAndResetsAreEachAnnouncedOnce)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("1011"));
    AccessibilityRecorder listening;
    QWidget *focus = s.window.focusWidget();
    readOut();
    EXPECT_EQ(listening.announced(), QStringList{});
    for (const char *said : { "Impulsion 1 : entrée allumée", "Impulsion 2 : entrée allumée",
                              "Impulsion 3 : entrée éteinte", "Impulsion 4 : entrée allumée" }) {
        listening.clear();
        click(s.clockUnlit);
        advance(200);
        EXPECT_EQ(listening.announced(), QStringList{}) << said;
        advance(200);
        EXPECT_EQ(listening.announced(), QStringList{ QString::fromUtf8(said) });
    }
    listening.clear();
    readOut();
    EXPECT_EQ(listening.announced(), QStringList{ QStringLiteral("Lecture 1011 : S4, S2 et S1 allumées") });
    listening.clear();
    click(s.resetUnlit);
    advance(400);
    EXPECT_EQ(listening.announced(), QStringList{ QStringLiteral("RAZ") });
    EXPECT_EQ(listening.fromSpokenForPictures(), 0);
    EXPECT_EQ(s.window.focusWidget(), focus);
}

TEST_F(SerialParallelHeard, AReadNamesEveryOutputLitFromLeftToRight)
{
    const SerialParallelControls s = open();
    struct Case
    {
        const char *word;
        const char *said;
    };
    for (const Case &c :
         { Case{ "0000", "Lecture 0000 : aucune sortie allumée" }, Case{ "0001", "Lecture 0001 : S1 allumée" },
           Case{ "1000", "Lecture 1000 : S4 allumée" }, Case{ "0110", "Lecture 0110 : S3 et S2 allumées" },
           Case{ "1111", "Lecture 1111 : S4, S3, S2 et S1 allumées" } }) {
        SCOPED_TRACE(c.word);
        click(s.resetUnlit);
        advance(400);
        shiftIn(QString::fromLatin1(c.word));
        AccessibilityRecorder listening;
        readOut();
        EXPECT_EQ(listening.announced(), QStringList{ QString::fromUtf8(c.said) });
    }
}

// ---------------------------------------------------- parallel register

class ParallelRegisterHeard : public ProgramFixture
{
};

TEST_F(ParallelRegisterHeard, EveryLampIsHeardLitAndNoneIsAButton)
{
    registry.show(FormId::ParallelRegister);
    ParallelRegister &w = form<ParallelRegister>(FormId::ParallelRegister);
    expectHeard(&w,
                {
                        { "Entrée E4", "Entrée E4 : allumée, static" },
                        { "Entrée E3", "Entrée E3 : allumée, static" },
                        { "Entrée E2", "Entrée E2 : allumée, static" },
                        { "Entrée E1", "Entrée E1 : allumée, static" },
                        { "Sortie S4", "Sortie S4 : allumée, static" },
                        { "Sortie S3", "Sortie S3 : allumée, static" },
                        { "Sortie S2", "Sortie S2 : allumée, static" },
                        { "Sortie S1", "Sortie S1 : allumée, static" },
                        { "RAZ", "RAZ : allumée, static" },
                        { "Cde", "Cde : allumée, static" },
                });
    const std::vector<Heard> all = tree(&w);
    const int buttons = int(std::count_if(all.begin(), all.end(),
                                          [](const Heard &h) { return h.object->role() == QAccessible::Button; }));
    EXPECT_EQ(buttons, 2) << "\"Menu\" and \"Quitter\" only";
}

// ---------------------------------------------------- every window

class EveryWindowHeard : public ProgramFixture
{
};

// Below each window no object is heard as a window frame, every control the
// Tab key reaches says what it is, and a rule that only draws is not heard.
TEST_F(EveryWindowHeard, PanelsAreNamedPanelsAndRulesAreSilent)
{
    for (FormId id :
         { FormId::MainMenu, FormId::AboutBox, FormId::ComingSoonCard, FormId::SerialTrainer, FormId::SerialHelp,
           FormId::SerialParallelTrainer, FormId::SerialParallelHelp, FormId::ParallelRegister }) {
        registry.show(id);
        forms::Form &window = registry.form(id);
        SCOPED_TRACE(window.windowTitle().toStdString());
        for (const Heard &h : tree(&window)) {
            const auto *widget = qobject_cast<const QWidget *>(h.object->object());
            const std::string what = widget ? widget->metaObject()->className() : "?";
            EXPECT_NE(h.object->role(), QAccessible::Border) << what << " " << h.name.toStdString();
            if (qobject_cast<const forms::PictureBox *>(widget)) {
                EXPECT_EQ(h.object->role(), QAccessible::Pane) << h.name.toStdString();
            }
            if (widget && (widget->focusPolicy() & Qt::TabFocus)) {
                EXPECT_FALSE(h.name.trimmed().isEmpty()) << what;
            }
            EXPECT_FALSE(h.name.contains(QStringLiteral("___"))) << what;
        }
        registry.hide(id);
    }
}

} // namespace
