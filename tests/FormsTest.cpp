// The form-and-control layer: the text box's change rule and the keys it
// types, the stacking and click routing of images, load-once windows and the
// focus they keep while hidden, timers on the virtual clock and the real
// message box.

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/FormRegistry.h"
#include "forms/QtMessageBox.h"
#include "forms/Timer.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"
#include "support/Fakes.h"
#include "support/VirtualClock.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

using forms::twipsRect;

namespace {

// A bare window with a text box, for the change rule.
class TextBoxFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        box = new forms::TextBox(&window, twipsRect(150, 150, 1500, 375));
        watch([this] { changes.append(box->text()); });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        box->setFocus();
    }

    // What each change of the box runs, in place of what ran before.
    void watch(std::function<void()> handler)
    {
        QObject::disconnect(watching);
        watching = QObject::connect(box, &forms::TextBox::changed, std::move(handler));
    }

    QWidget window;
    forms::TextBox *box = nullptr;
    QMetaObject::Connection watching;
    QStringList changes; // the box's text as each change saw it
};

} // namespace

TEST_F(TextBoxFixture, AWriteThatChangesTheTextRaisesTheChangeInsideTheWrite)
{
    QStringList seenDuringWrite;
    watch([&] { seenDuringWrite.append(box->text()); });
    box->setText(QStringLiteral("10"));
    // Already handled when setText returns.
    EXPECT_EQ(seenDuringWrite, QStringList{ QStringLiteral("10") });
}

TEST_F(TextBoxFixture, AWriteOfTheSameTextRaisesNothing)
{
    box->setText(QString());
    box->setText(QStringLiteral("1"));
    box->setText(QStringLiteral("1"));
    EXPECT_EQ(changes, QStringList{ QStringLiteral("1") });
}

TEST_F(TextBoxFixture, EachLearnerEditThatChangesTheTextRaisesOneChangeAndNoOtherEditAny)
{
    auto pasteText = [](const char *text) {
        return [text](forms::TextBox *b) {
            QApplication::clipboard()->setText(QString::fromLatin1(text));
            QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
        };
    };
    struct Case
    {
        const char *name;
        QString before;
        std::function<void(forms::TextBox *)> edit;
        QStringList changes;
    };
    const std::vector<Case> cases = {
        { "typed character", "10", [](forms::TextBox *b) { QTest::keyClick(b, '1'); }, { "101" } },
        { "Backspace", "101", [](forms::TextBox *b) { QTest::keyClick(b, Qt::Key_Backspace); }, { "10" } },
        { "typing over a selection",
          "1011",
          [](forms::TextBox *b) {
              b->selectAll();
              QTest::keyClick(b, '0');
          },
          { "0" } },
        { "paste of a word", "", pasteText("1010"), { "1010" } },
        { "Delete",
          "10",
          [](forms::TextBox *b) {
              b->setCursorPosition(0);
              QTest::keyClick(b, Qt::Key_Delete);
          },
          { "0" } },
        { "typing the selected character over it",
          "1",
          [](forms::TextBox *b) {
              b->selectAll();
              QTest::keyClick(b, '1');
          },
          {} },
        { "pasting the selected text over it",
          "101",
          [pasteText](forms::TextBox *b) {
              b->selectAll();
              pasteText("101")(b);
          },
          {} },
        { "typing over part of the text what it held",
          "1011",
          [](forms::TextBox *b) {
              b->setSelection(1, 2);
              QTest::keyClick(b, '0');
              QTest::keyClick(b, '1');
          },
          { "101", "1011" } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        box->setText(c.before);
        box->end(false);
        changes.clear();
        c.edit(box);
        EXPECT_EQ(changes, c.changes);
    }
}

namespace {

// Records the keys pressed that reach a widget itself, passed on by a child
// that ignored them.
class KeyRecorder : public QObject
{
public:
    explicit KeyRecorder(QWidget *watched) : watched_(watched) { watched->installEventFilter(this); }
    QList<int> keys;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (object == watched_ && event->type() == QEvent::KeyPress)
            keys.append(static_cast<QKeyEvent *>(event)->key());
        return false;
    }

private:
    QWidget *watched_;
};

} // namespace

TEST_F(TextBoxFixture, AKeyHeldWithAltOrMetaTypesNothingAndGoesOnToTheWindow)
{
    // Each key carries the text that X11 gives it; AltGr reaches the program
    // with no Alt, as a group switch or as no modifier at all.
    const auto typeOne = [](forms::TextBox *b) { QTest::keyClick(b, '1'); };
    const auto selectAll = [](forms::TextBox *b) { b->selectAll(); };
    struct Case
    {
        const char *name;
        QString before;
        std::function<void(forms::TextBox *)> prepare; // after the box is set to `before`
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        QString after;
        bool changed;
        QString clipboard; // it holds "0" before the key
        bool toWindow; // the box passed the key on
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const auto euro = static_cast<Qt::Key>(0x20AC); // a character key's code is its character's
    const std::vector<Case> cases = {
        { "Alt+F", "101", {}, Qt::Key_F, Qt::AltModifier, "f", "101", false, "0", true },
        { "Alt+1", "101", {}, Qt::Key_1, Qt::AltModifier, "1", "101", false, "0", true },
        { "Alt+Shift+F", "101", {}, Qt::Key_F, Qt::AltModifier | Qt::ShiftModifier, "F", "101", false, "0", true },
        { "Super+1", "101", {}, Qt::Key_1, Qt::MetaModifier, "1", "101", false, "0", true },
        { "Ctrl+Alt+1", "101", {}, Qt::Key_1, Qt::ControlModifier | Qt::AltModifier, "1", "101", false, "0", true },
        { "Alt+F over a selection", "101", selectAll, Qt::Key_F, Qt::AltModifier, "f", "101", false, "0", true },
        { "plain 1", "101", {}, Qt::Key_1, none, "1", "1011", true, "0", false },
        { "Shift+F", "101", {}, Qt::Key_F, Qt::ShiftModifier, "F", "101F", true, "0", false },
        { "AltGr's euro sign, as a group switch",
          "101",
          {},
          euro,
          Qt::GroupSwitchModifier,
          "€",
          "101€",
          true,
          "0",
          false },
        { "AltGr's euro sign", "101", {}, euro, none, "€", "101€", true, "0", false },
        { "AltGr's at sign, as a group switch",
          "101",
          {},
          Qt::Key_At,
          Qt::GroupSwitchModifier,
          "@",
          "101@",
          true,
          "0",
          false },
        { "AltGr's at sign", "101", {}, Qt::Key_At, none, "@", "101@", true, "0", false },
        { "Alt+Backspace after typing 1", "101", typeOne, Qt::Key_Backspace, Qt::AltModifier, "\b", "101", true, "0",
          false },
        { "Ctrl+C", "101", selectAll, Qt::Key_C, Qt::ControlModifier, "\x03", "101", false, "101", false },
        { "Ctrl+X", "101", selectAll, Qt::Key_X, Qt::ControlModifier, "\x18", "", true, "101", false },
        { "Ctrl+V", "101", {}, Qt::Key_V, Qt::ControlModifier, "\x16", "1010", true, "0", false },
        { "Ctrl+Z after typing 1", "101", typeOne, Qt::Key_Z, Qt::ControlModifier, "\x1a", "101", true, "0", false },
    };
    KeyRecorder passedOn(&window);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        box->setText(c.before);
        box->end(false);
        if (c.prepare)
            c.prepare(box);
        QApplication::clipboard()->setText(QStringLiteral("0"));
        changes.clear();
        passedOn.keys.clear();
        QTest::sendKeyEvent(QTest::Click, box, c.key, c.text, c.modifiers);
        EXPECT_EQ(box->text(), c.after);
        EXPECT_EQ(changes.size(), c.changed ? 1 : 0);
        EXPECT_EQ(QApplication::clipboard()->text(), c.clipboard);
        EXPECT_EQ(passedOn.keys.contains(c.key), c.toWindow);
    }
}

TEST_F(TextBoxFixture, WritesInsideTheHandlerEachRaiseTheirOwnChange)
{
    // The handler shortens a four-character text, as a pulse does.
    watch([this] {
        changes.append(box->text());
        if (box->text().size() == 4)
            box->setText(box->text().left(3));
    });
    QTest::keyClick(box, '1');
    box->selectAll();
    QTest::keyClick(box, '1');
    box->end(false);
    for (char key : { '0', '1', '1' })
        QTest::keyClick(box, key);
    EXPECT_EQ(changes, (QStringList{ "1", "10", "101", "1011", "101" }));

    // The text the nested write left is the one a later change is told
    // from: writing back the four characters is a change.
    changes.clear();
    box->setText(QStringLiteral("1011"));
    EXPECT_EQ(changes, (QStringList{ "1011", "101" }));
}

TEST_F(TextBoxFixture, BackspaceAtTheStartRaisesNothing)
{
    box->setText(QStringLiteral("1"));
    box->setCursorPosition(0);
    changes.clear();
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(TextBoxFixture, ALockedBoxRefusesEveryEditButTakesTheProgramsWrites)
{
    box->setText(QStringLiteral("1011"));
    box->setLocked(true);
    changes.clear();
    QApplication::clipboard()->setText(QStringLiteral("0"));
    QTest::keyClick(box, '1');
    QTest::keyClick(box, Qt::Key_Backspace);
    box->setCursorPosition(0);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_EQ(box->text(), QStringLiteral("1011"));

    box->setText(QStringLiteral("101"));
    EXPECT_EQ(changes, QStringList{ QStringLiteral("101") });
    EXPECT_TRUE(box->locked());
}

TEST(CommandButton, EnterAndSpaceClickTheFocusedButton)
{
    QWidget window;
    forms::CommandButton button(&window, twipsRect(0, 0, 1215, 495), QStringLiteral("OK"));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Return);
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
}

TEST(Label, CrLfStartsANewLine)
{
    QWidget window;
    forms::Label label(&window, twipsRect(0, 0, 1500, 1500), QStringLiteral("un\r\ndeux"));
    EXPECT_EQ(label.caption(), QStringLiteral("un\r\ndeux"));
    EXPECT_EQ(label.text(), QStringLiteral("un\ndeux"));
}

namespace {

QPixmap filled(const QColor &colour)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(colour);
    return pixmap;
}

// Two images at one place, created front first, and a third one elsewhere.
class ImagePairFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(100, 100);
        front = new forms::Image(&window, twipsRect(300, 300, 180, 180), filled(Qt::white));
        back = new forms::Image(&window, twipsRect(300, 300, 180, 180), filled(Qt::red));
        front->setClickHandler([this] { clicks.append(QStringLiteral("front")); });
        back->setClickHandler([this] { clicks.append(QStringLiteral("back")); });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void clickPair() { QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(25, 25)); }
    QColor seen() { return window.grab().toImage().pixelColor(25, 25); }

    QWidget window;
    forms::Image *front = nullptr;
    forms::Image *back = nullptr;
    QStringList clicks;
};

} // namespace

TEST_F(ImagePairFixture, TheEarlierImageIsSeenAndTakesTheClick)
{
    EXPECT_EQ(seen(), QColor(Qt::white));
    clickPair();
    EXPECT_EQ(clicks, QStringList{ QStringLiteral("front") });
}

TEST_F(ImagePairFixture, HidingTheFrontImageShowsAndClicksTheOneBehind)
{
    front->setShown(false);
    EXPECT_EQ(seen(), QColor(Qt::red));
    clickPair();
    EXPECT_EQ(clicks, QStringList{ QStringLiteral("back") });
}

TEST_F(ImagePairFixture, AVisibleImageWithoutHandlerKeepsTheClickFromTheOneBehind)
{
    front->setClickHandler({});
    clickPair();
    EXPECT_TRUE(clicks.isEmpty());
}

TEST_F(ImagePairFixture, ADoubleClickIsTwoClicks)
{
    // Press, release, then the second press that Qt turns into a double
    // click, and its release.
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_EQ(clicks, (QStringList{ QStringLiteral("front"), QStringLiteral("front") }));

    // The second press of a double click that ends off the image is no click.
    clicks.clear();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(25, 25));
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5), front->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(front, &second);
    QMouseEvent releaseOff(QEvent::MouseButtonRelease, QPointF(40, 40), front->mapToGlobal(QPointF(40, 40)),
                           Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(front, &releaseOff);
    EXPECT_EQ(clicks, QStringList{ QStringLiteral("front") });
}

TEST_F(ImagePairFixture, TheVisibleFlagReadsBackWhileTheWindowIsHidden)
{
    window.hide();
    front->setShown(false);
    back->setShown(true);
    EXPECT_FALSE(front->shown());
    EXPECT_TRUE(back->shown());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(seen(), QColor(Qt::red));
}

// Paired, the two images are one widget on screen: the one in front draws
// whichever picture is seen, takes the clicks for it and shows its cursor;
// the other never shows as a widget, so nothing of it reaches the window
// system or a screen reader.
TEST_F(ImagePairFixture, APairIsDrawnAndClickedThroughTheFrontImage)
{
    forms::Image::pair(*front, QStringLiteral("blanc"), *back, QStringLiteral("rouge"));
    front->setCursorShape(Qt::UpArrowCursor);
    EXPECT_FALSE(back->isVisible());
    EXPECT_EQ(window.childAt(25, 25), front);
    EXPECT_EQ(seen(), QColor(Qt::white));
    EXPECT_EQ(front->cursor().shape(), Qt::UpArrowCursor);

    front->setShown(false);
    EXPECT_FALSE(back->isVisible());
    EXPECT_EQ(seen(), QColor(Qt::red));
    EXPECT_EQ(front->cursor().shape(), Qt::ArrowCursor);
    clickPair();
    EXPECT_EQ(clicks, QStringList{ QStringLiteral("back") });

    back->setShown(false);
    EXPECT_EQ(window.childAt(25, 25), nullptr);
}

// A press on one picture released once the other is seen is no click:
// neither the picture pressed, now hidden, nor the one seen, never pressed.
TEST_F(ImagePairFixture, APictureHiddenWhileItIsPressedTakesNoClick)
{
    forms::Image::pair(*front, QStringLiteral("blanc"), *back, QStringLiteral("rouge"));
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(25, 25));
    front->setShown(false);
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_TRUE(clicks.isEmpty());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_EQ(clicks, QStringList{ QStringLiteral("back") });
}

namespace {

class ProbeScreen final : public forms::Form
{
public:
    explicit ProbeScreen(forms::Services &services) : Form(services)
    {
        setClientArea(1500, 1500, forms::Border::Sizable);
    }
    int loads = 0;
    bool visibleDuringLoad = true;

protected:
    void onLoad() override
    {
        ++loads;
        visibleDuringLoad = isVisible();
    }
};

class ScreenFixture : public ::testing::Test
{
protected:
    ScreenFixture()
    {
        registry.define(FormId::ParallelRegister, [](forms::Services &s) { return std::make_unique<ProbeScreen>(s); });
    }
    ProbeScreen &probe() { return static_cast<ProbeScreen &>(registry.form(FormId::ParallelRegister)); }

    VirtualClock clock;
    RecordingMessageBox messageBox;
    RecordingEnd programEnd;
    forms::FormRegistry registry{ clock, messageBox, programEnd };
};

} // namespace

TEST_F(ScreenFixture, CreatedOnFirstUseAndLoadedOnceBeforeItShows)
{
    EXPECT_EQ(registry.find(FormId::ParallelRegister), nullptr);
    registry.hide(FormId::ParallelRegister);
    EXPECT_EQ(registry.find(FormId::ParallelRegister), nullptr);

    registry.show(FormId::ParallelRegister);
    ProbeScreen &screen = probe();
    EXPECT_EQ(screen.loads, 1);
    EXPECT_FALSE(screen.visibleDuringLoad);
    EXPECT_TRUE(screen.isVisible());

    registry.hide(FormId::ParallelRegister);
    EXPECT_FALSE(screen.isVisible());
    registry.show(FormId::ParallelRegister);
    EXPECT_EQ(&probe(), &screen);
    EXPECT_EQ(screen.loads, 1);
}

namespace {

// A window with a text box and two buttons, in that tab order, the box
// focused.
class FocusScreen final : public forms::Form
{
public:
    explicit FocusScreen(forms::Services &services) : Form(services)
    {
        setClientArea(3000, 1500, forms::Border::Sizable);
        box = new forms::TextBox(client(), twipsRect(0, 0, 1500, 375));
        first = new forms::CommandButton(client(), twipsRect(0, 600, 1200, 375), QStringLiteral("Un"));
        second = new forms::CommandButton(client(), twipsRect(1500, 600, 1200, 375), QStringLiteral("Deux"));
        box->takeFocus();
    }
    forms::TextBox *box = nullptr;
    forms::CommandButton *first = nullptr;
    forms::CommandButton *second = nullptr;
};

} // namespace

TEST_F(ScreenFixture, AHiddenWindowKeepsItsFocusWhenTheWindowSystemActivatesIt)
{
    registry.define(FormId::SerialParallelTrainer, [](forms::Services &s) { return std::make_unique<FocusScreen>(s); });
    auto &window = static_cast<FocusScreen &>(registry.form(FormId::SerialParallelTrainer));
    registry.show(FormId::SerialParallelTrainer);
    ASSERT_EQ(window.focusWidget(), window.box);

    // Hidden from a pop-up menu's item, the window is activated again once
    // the pop-up has closed. Qt would move the focus one step along the tab
    // chain each time.
    for (int trip = 1; trip <= 2; ++trip) {
        SCOPED_TRACE(trip);
        window.hide();
        QApplication::setActiveWindow(&window);
        EXPECT_EQ(window.focusWidget(), window.box);
        QApplication::setActiveWindow(nullptr);
        window.showForm();
        QApplication::setActiveWindow(&window);
        EXPECT_EQ(QApplication::focusWidget(), window.box);
    }

    // A focus that the program gives while the window is hidden stays.
    window.hide();
    QApplication::setActiveWindow(&window);
    window.second->setFocus(Qt::OtherFocusReason);
    QApplication::setActiveWindow(nullptr);
    window.showForm();
    QApplication::setActiveWindow(&window);
    EXPECT_EQ(QApplication::focusWidget(), window.second);
}

TEST_F(ScreenFixture, TheCloseBoxDoesNotCloseTheWindowByItself)
{
    registry.show(FormId::ParallelRegister);
    probe().close();
    EXPECT_TRUE(probe().isVisible());
}

TEST(Timer, TicksOnlyWhileEnabledWithAnInterval)
{
    VirtualClock clock;
    int ticks = 0;
    forms::Timer timer(clock, [&] { ++ticks; });
    clock.advance(1000);
    EXPECT_EQ(ticks, 0) << "a new timer has interval 0";

    timer.setInterval(200);
    clock.advance(1000);
    EXPECT_EQ(ticks, 5);

    timer.setEnabled(false);
    clock.advance(1000);
    EXPECT_EQ(ticks, 5);

    timer.setEnabled(true);
    clock.advance(199);
    EXPECT_EQ(ticks, 5);
    clock.advance(1);
    EXPECT_EQ(ticks, 6);

    timer.setInterval(0);
    clock.advance(1000);
    EXPECT_EQ(ticks, 6);
}

TEST(Timer, SettingTheIntervalAgainRestartsThePeriodButEnablingAgainDoesNot)
{
    VirtualClock clock;
    std::vector<std::int64_t> at;
    forms::Timer timer(clock, [&] { at.push_back(clock.now()); });
    timer.setInterval(200);
    clock.advance(150);
    timer.setEnabled(true);
    clock.advance(100); // tick at 200
    timer.setInterval(200);
    clock.advance(300); // tick at 450
    EXPECT_EQ(at, (std::vector<std::int64_t>{ 200, 450 }));
}

TEST(Timer, TwoTimersInterleaveInTimeOrderAndMayStopEachOther)
{
    VirtualClock clock;
    std::vector<std::pair<char, std::int64_t>> ticks;
    forms::Timer *b = nullptr;
    forms::Timer a(clock, [&] {
        ticks.push_back({ 'a', clock.now() });
        if (clock.now() == 400)
            b->setEnabled(false);
    });
    forms::Timer bTimer(clock, [&] { ticks.push_back({ 'b', clock.now() }); });
    b = &bTimer;
    a.setInterval(200);
    clock.advance(100);
    bTimer.setInterval(200);
    clock.advance(600);
    EXPECT_EQ(ticks,
              (std::vector<std::pair<char, std::int64_t>>{ { 'a', 200 }, { 'b', 300 }, { 'a', 400 }, { 'a', 600 } }));
}

TEST(Timer, ATimerMayStopItselfInItsOwnTick)
{
    VirtualClock clock;
    int ticks = 0;
    forms::Timer *self = nullptr;
    forms::Timer timer(clock, [&] {
        ++ticks;
        self->setEnabled(false);
    });
    self = &timer;
    timer.setInterval(200);
    clock.advance(1000);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(clock.running(), 0);
}

namespace {

// The application's style, answering as Fusion does under X11 that dialog
// buttons carry pictures, until the end of the scope.
class DialogButtonPictures
{
public:
    DialogButtonPictures() : previous_(QApplication::style()->name())
    {
        class Style final : public QProxyStyle
        {
        public:
            using QProxyStyle::QProxyStyle;
            int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                          QStyleHintReturn *data) const override
            {
                if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
                    return 1;
                return QProxyStyle::styleHint(hint, option, widget, data);
            }
        };
        QApplication::setStyle(new Style(previous_));
    }
    ~DialogButtonPictures() { QApplication::setStyle(previous_); }

private:
    QString previous_;
};

} // namespace

TEST(QtMessageBox, ShowsTheTextWithAPlainOkOnlyNoIconAndTheTitleCentredOverItsWindow)
{
    const DialogButtonPictures style;
    // Away from the middle of the screen, where a box without a parent opens.
    QWidget window;
    window.setGeometry(20, 30, 400, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QString title, text;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::Information;
    bool okHasPicture = true;
    QWidget *parent = nullptr;
    QPoint centre;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        icon = box->icon();
        okHasPicture = !box->button(QMessageBox::Ok)->icon().isNull();
        parent = box->parentWidget();
        centre = box->frameGeometry().center();
        box->button(QMessageBox::Ok)->click();
    });
    forms::QtMessageBox().show(window, QStringLiteral("Entrer uniquement des 1 ou des 0"));
    EXPECT_EQ(title, QStringLiteral("tramelune"));
    EXPECT_EQ(text, QStringLiteral("Entrer uniquement des 1 ou des 0"));
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_FALSE(okHasPicture);
    EXPECT_EQ(parent, &window);
    EXPECT_LE((centre - window.frameGeometry().center()).manhattanLength(), 2) << centre.x() << "," << centre.y();
}

namespace {

// A picture of a class of its own, as a window might make one.
class OwnImage final : public forms::Image
{
    Q_OBJECT
public:
    using Image::Image;
};

} // namespace

// A screen reader is told what each control is from its class, by name: a
// class of the controls' own, or one derived from it, whether or not it
// declares Q_OBJECT, keeps its role; a plain widget keeps Qt's.
TEST(AccessibleControls, AreKnownByTheirClassesAndThoseDerivedFromThem)
{
    QWidget window;
    forms::PictureBox box(&window, twipsRect(0, 0, 3000, 3000), Qt::white);
    QWidget *inside = box.inside();
    auto *alone = new forms::Image(inside, twipsRect(0, 0, 180, 180), filled(Qt::white));
    auto *own = new OwnImage(inside, twipsRect(300, 0, 180, 180), filled(Qt::white));
    auto *unlit = new forms::Image(inside, twipsRect(600, 0, 180, 180), filled(Qt::white));
    auto *lit = new OwnImage(inside, twipsRect(600, 0, 180, 180), filled(Qt::red));
    forms::Image::pair(*unlit, QStringLiteral("éteinte"), *lit, QStringLiteral("allumée"));
    unlit->setClickHandler([] {});
    forms::Announcer announcer(&window);
    QWidget plain(&window);
    const struct
    {
        const char *what;
        QObject *object;
        QAccessible::Role role;
    } cases[] = {
        { "picture box", &box, QAccessible::Pane },
        { "picture alone", alone, QAccessible::Graphic },
        { "picture of a derived class", own, QAccessible::Graphic },
        { "pair that takes a click", unlit, QAccessible::Button },
        { "announcer", &announcer, QAccessible::Notification },
        { "plain widget", &plain, QAccessible::Client },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(c.object);
        ASSERT_NE(heard, nullptr);
        EXPECT_EQ(heard->role(), c.role);
    }
    // The inside lists the pair once, by the picture that speaks for it.
    QAccessibleInterface *heardInside = QAccessible::queryAccessibleInterface(inside);
    EXPECT_EQ(heardInside->childCount(), 3);
    EXPECT_EQ(heardInside->indexOfChild(QAccessible::queryAccessibleInterface(lit)), -1);
}

TEST(Startup, QtsOwnTextsAreInFrench)
{
    QLineEdit box;
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList captions;
    for (QAction *action : menu->actions())
        captions.append(action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0));
    for (const char *french : { "Annuler", "Couper", "Copier", "Coller", "Tout sélectionner" })
        EXPECT_TRUE(captions.contains(QString::fromUtf8(french))) << french;
}

#include "FormsTest.moc"
