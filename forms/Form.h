#pragma once
// A window of the program, a form with its controls laid out at fixed
// places. Each exists once, created on first use by the registry; its load
// handler onLoad runs once, at the first showForm, before the window becomes
// visible. showForm is modeless and brings the window to the front; hiding it
// keeps its controls, variables and running timers. The client area, where
// the controls lie, excludes the menu bar.
// A window builds its own controls, menus and handlers; this class gives it
// the frame, the placement, the close box, and a focus that stays where it
// was while the window is hidden, so that it comes back as it was left.

#include "forms/FormId.h"
#include "forms/Services.h"

#include <QMainWindow>
#include <QPointer>
#include <QSize>

#include <optional>

namespace forms {

enum class Border { Fixed, Sizable };

class Form : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form(Services &services);
    ~Form() override;

    void showForm();
    bool loaded() const { return loaded_; }

    // The client area: the window less its menu bar.
    QWidget *client() const { return client_; }

Q_SIGNALS:
    // The title-bar close box was clicked. The window stays as it is: what
    // follows is for the window's own handler to say.
    void closeBoxClicked();

protected:
    virtual void onLoad() { }

    Services &services() const { return services_; }

    // Hides this window, then shows the target, as every "Menu", "OK" and
    // main-menu button does.
    void leaveFor(FormId target);
    // Ends the program at once, as every "Quitter" does.
    void endProgram();

    void setClientArea(int widthTwips, int heightTwips, Border border);
    // Where the client area's top left corner first stands on the screen;
    // without it the desktop places the window.
    void placeClientAt(int leftTwips, int topTwips);

    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void fitWindow();
    void keepFocusWhileHidden(QWidget *now);

    Services &services_;
    QWidget *client_;
    QSize clientSize_;
    Border border_ = Border::Sizable;
    std::optional<QPoint> clientPlace_;
    // The focus widget at the moment the window system activated this
    // window while it was hidden.
    QPointer<QWidget> focusToKeep_;
    QMetaObject::Connection focusWatch_;
    bool loaded_ = false;
    bool fitted_ = false;
};

} // namespace forms
