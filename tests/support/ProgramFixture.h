#pragma once
// The whole program on a virtual clock, with recording message box and end,
// driven by real mouse and key events on Qt's offscreen platform. Clicks go
// to the window at a point, so they land on the topmost visible control
// there, as a learner's would. Besides QTest's clicks, which keep a time of
// their own, the mouse can be driven on the virtual clock's time.

#include "app/FormTable.h"
#include "forms/Controls.h"
#include "forms/FormRegistry.h"
#include "navigation/FormId.h"
#include "support/Fakes.h"
#include "support/VirtualClock.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <vector>

// A control of a window by its object name, as the tests name it.
template<class T>
T *named(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        ADD_FAILURE() << "no control named " << name << " on " << window.windowTitle().toStdString();
    return found;
}
// A button by its caption, or by what it is heard as when it has none, as
// the learner finds it.
forms::CommandButton *button(const QWidget &window, const QString &caption);
inline forms::CommandButton *button(const QWidget &window, const char *caption)
{
    return button(window, QString::fromUtf8(caption));
}
// A label by its caption.
forms::Label *label(const QWidget &window, const QString &caption);

class ProgramFixture : public ::testing::Test
{
protected:
    ProgramFixture();
    ~ProgramFixture() override;

    // The window, created if need be.
    template<class T>
    T &form(FormId id)
    {
        return static_cast<T &>(registry.form(id));
    }
    bool exists(FormId id) const { return registry.find(id) != nullptr; }
    // A button of the window by its caption.
    forms::CommandButton *button(FormId id, const char *caption);
    static forms::CommandButton *button(const QWidget &window, const char *caption)
    {
        return ::button(window, caption);
    }
    bool visible(FormId id) const;
    std::vector<FormId> visibleForms() const;

    // Starts the program as it starts: the main menu shown.
    void start();
    void advance(int ms) { clock.advance(ms); }

    // A left click at the centre of the widget, delivered to its window.
    void click(QWidget *widget);
    // Two clicks there in quick succession, which Qt makes a double click.
    void doubleClick(QWidget *widget);
    // A left click at a point of a window's client area.
    void clickClient(forms::Form &window, QPoint point);
    // The left button pressed, the mouse moved with it held, the button
    // released, at points of a window, with event times that follow the
    // virtual clock: each comes as long after the previous one sent this way
    // as the virtual time between them (the clock is not moved), and at
    // least 500 ms after any QTest click. So Qt makes a press less than
    // QStyleHints::mouseDoubleClickInterval() after the previous press, at
    // its place and with no move away between, a double click, as it would a
    // learner's.
    void pressAt(QWidget *window, QPoint at);
    void dragTo(QWidget *window, QPoint to);
    void releaseAt(QWidget *window, QPoint at);
    // A press and a release there, at the clock's time.
    void clickAt(QWidget *window, QPoint at);

    // Chooses a menu-bar entry, or an item of a menu-bar menu, by caption.
    void chooseMenu(forms::Form &window, const QString &entry, const QString &item = {});

    void typeText(QWidget *widget, const QString &text);
    void pressKey(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void paste(QWidget *widget, const QString &text);
    // Text committed by an input method (an emoji picker, a compose key):
    // one change, whatever its length in UTF-16 units.
    static void commit(QWidget *widget, const QString &text);

    VirtualClock clock;
    RecordingMessageBox messageBox;
    RecordingEnd programEnd;
    forms::FormRegistry registry{ clock, messageBox, programEnd };

private:
    void sendMouse(QWidget *window, QPoint at, Qt::MouseButtons held, Qt::MouseButton button, QEvent::Type type);

    // The clock's time at the last mouse event sent with its timing.
    std::int64_t mouseEventAt_ = 0;
};

// The pixel at a point of a widget as it is drawn on screen now.
QColor pixelAt(QWidget *widget, QPoint point);
// The widget as drawn now.
QImage grabImage(QWidget *widget);
