// A window: first show and load, hiding, frame, menus, close box, focus.

#include "forms/Form.h"

#include "forms/Fonts.h"
#include "forms/FormRegistry.h"
#include "forms/ProgramEnd.h"
#include "forms/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

namespace forms {

Form::Form(Services &services) : services_(services), client_(new QWidget(this))
{
    setCentralWidget(client_);
    setFont(defaultFont());
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget *, QWidget *now) { keepFocusWhileHidden(now); });
}

// Qt moves the focus while QWidget takes the window down, when this part of
// it is gone already: the watch ends first.
Form::~Form()
{
    disconnect(focusWatch_);
}

void Form::showForm()
{
    if (!loaded_) {
        loaded_ = true;
        onLoad();
    }
    if (!fitted_)
        fitWindow();
    show();
    raise();
    activateWindow();
}

void Form::leaveFor(FormId target)
{
    hide();
    services_.forms.show(target);
}

void Form::endProgram()
{
    services_.programEnd.end();
}

void Form::setClientArea(int widthTwips, int heightTwips, Border border)
{
    clientSize_ = twipsSize(widthTwips, heightTwips);
    border_ = border;
    client_->setFixedSize(clientSize_);
}

void Form::placeClientAt(int leftTwips, int topTwips)
{
    clientPlace_ = twipsPoint(leftTwips, topTwips);
}

void Form::closeEvent(QCloseEvent *event)
{
    // The window never closes itself: its close box does what the window
    // says, which shows or hides windows or ends the program.
    event->ignore();
    Q_EMIT closeBoxClicked();
}

bool Form::event(QEvent *event)
{
    // A window hidden by a pop-up menu's item is activated again by the
    // window system once the pop-up has closed, after the item's handler
    // has hidden it. Qt then finds the focus widget invisible, as every
    // control of a hidden window is, and moves the focus to the next one in
    // the tab chain, within this same activation. Note where it was, to put
    // it back; a focus that the program gives later stays where it is given.
    if (event->type() == QEvent::WindowActivate && !isVisible()) {
        focusToKeep_ = focusWidget();
        QMetaObject::invokeMethod(
                this, [this] { focusToKeep_ = nullptr; }, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void Form::keepFocusWhileHidden(QWidget *now)
{
    if (!focusToKeep_ || isVisible() || !now || now->window() != this || now == focusToKeep_)
        return;
    const QPointer<QWidget> kept = focusToKeep_;
    focusToKeep_ = nullptr;
    kept->setFocus(Qt::OtherFocusReason);
}

void Form::fitWindow()
{
    fitted_ = true;
    const int menuHeight = menuWidget() ? menuBar()->sizeHint().height() : 0;
    const QSize size(clientSize_.width(), clientSize_.height() + menuHeight);
    if (border_ == Border::Fixed) {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                       | Qt::WindowCloseButtonHint);
        setFixedSize(size);
    } else {
        // Resizing moves and scales nothing: the controls keep their places.
        client_->setMinimumSize(0, 0);
        client_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(size);
    }
    if (clientPlace_)
        setGeometry(QRect(QPoint(clientPlace_->x(), clientPlace_->y() - menuHeight), size));
}

} // namespace forms
