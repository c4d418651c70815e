// The program on a virtual clock, and the clicks, keys and menus of the tests.

#include "support/ProgramFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

ProgramFixture::ProgramFixture()
{
    defineForms(registry);
}

ProgramFixture::~ProgramFixture() = default;

bool ProgramFixture::visible(FormId id) const
{
    const forms::Form *s = registry.find(id);
    return s && s->isVisible();
}

std::vector<FormId> ProgramFixture::visibleForms() const
{
    std::vector<FormId> result;
    for (FormId id :
         { FormId::MainMenu, FormId::AboutBox, FormId::ComingSoonCard, FormId::SerialTrainer, FormId::SerialHelp,
           FormId::SerialParallelTrainer, FormId::SerialParallelHelp, FormId::ParallelRegister })
        if (visible(id))
            result.push_back(id);
    return result;
}

forms::CommandButton *button(const QWidget &window, const QString &caption)
{
    for (auto *b : window.findChildren<forms::CommandButton *>())
        if (b->text() == caption || (b->text().isEmpty() && b->accessibleName() == caption))
            return b;
    ADD_FAILURE() << "no button " << caption.toStdString() << " on " << window.windowTitle().toStdString();
    return nullptr;
}

forms::CommandButton *ProgramFixture::button(FormId id, const char *caption)
{
    return ::button(registry.form(id), caption);
}

forms::Label *label(const QWidget &window, const QString &caption)
{
    for (auto *l : window.findChildren<forms::Label *>())
        if (l->caption() == caption)
            return l;
    ADD_FAILURE() << "no label " << caption.toStdString() << " on " << window.windowTitle().toStdString();
    return nullptr;
}

void ProgramFixture::start()
{
    registry.show(FormId::MainMenu);
}

void ProgramFixture::click(QWidget *widget)
{
    QWidget *window = widget->window();
    const QPoint at = widget->mapTo(window, widget->rect().center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
}

void ProgramFixture::doubleClick(QWidget *widget)
{
    QWidget *window = widget->window();
    const QPoint at = widget->mapTo(window, widget->rect().center());
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, at);
}

void ProgramFixture::clickClient(forms::Form &window, QPoint point)
{
    const QPoint at = window.client()->mapTo(&window, point);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
}

void ProgramFixture::pressAt(QWidget *window, QPoint at)
{
    sendMouse(window, at, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
}

void ProgramFixture::dragTo(QWidget *window, QPoint to)
{
    sendMouse(window, to, Qt::LeftButton, Qt::NoButton, QEvent::MouseMove);
}

void ProgramFixture::releaseAt(QWidget *window, QPoint at)
{
    sendMouse(window, at, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
}

void ProgramFixture::clickAt(QWidget *window, QPoint at)
{
    pressAt(window, at);
    releaseAt(window, at);
}

// As QTest sends its own mouse events, through the window system's entry
// point, on QTest's time line so that its clicks and these stay in order.
void ProgramFixture::sendMouse(QWidget *window, QPoint at, Qt::MouseButtons held, Qt::MouseButton button,
                               QEvent::Type type)
{
    QTest::lastMouseTimestamp += static_cast<int>(clock.now() - mouseEventAt_);
    mouseEventAt_ = clock.now();
    // What the window system has sent already, such as the activation of a
    // window just shown, comes first, as it would before a learner's press.
    QApplication::processEvents();
    QWindow *handle = window->windowHandle();
    qt_handleMouseEvent(handle, at, handle->mapToGlobal(at), held, button, type, Qt::NoModifier,
                        QTest::lastMouseTimestamp);
    QApplication::processEvents();
}

void ProgramFixture::chooseMenu(forms::Form &window, const QString &entry, const QString &item)
{
    QMenuBar *bar = window.menuBar();
    for (QAction *action : bar->actions()) {
        if (action->text() != entry)
            continue;
        const QPoint at = bar->mapTo(&window, bar->actionGeometry(action).center());
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
        if (item.isEmpty())
            return;
        QMenu *menu = action->menu();
        ASSERT_NE(menu, nullptr) << entry.toStdString();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        for (QAction *sub : menu->actions()) {
            if (sub->text() == item) {
                QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(sub).center());
                return;
            }
        }
        FAIL() << "no item " << item.toStdString();
    }
    FAIL() << "no menu entry " << entry.toStdString();
}

void ProgramFixture::typeText(QWidget *widget, const QString &text)
{
    // One key event per character, each carrying its character as text, so
    // any character can be typed, one outside the BMP included.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype units = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, units), Qt::NoModifier);
        i += units - 1;
    }
}

void ProgramFixture::pressKey(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(widget, key, modifiers);
}

void ProgramFixture::paste(QWidget *widget, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

void ProgramFixture::commit(QWidget *widget, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

QImage grabImage(QWidget *widget)
{
    return widget->grab().toImage();
}

QColor pixelAt(QWidget *widget, QPoint point)
{
    return grabImage(widget).pixelColor(point);
}
