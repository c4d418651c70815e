#pragma once
// A window of the program. Each exists once, created on first use by the
// registry; its load handler onLoad runs once, at the first showScreen,
// before the window becomes visible. showScreen is modeless and brings the
// window to the front; hideScreen only hides it, keeping its controls,
// variables and running timers. The client area, where the controls lie, excludes the menu bar.
// A window builds its own controls, menus and handlers; this class gives it
// the frame, the placement, the close box, and a focus that stays where it
// was while the window is hidden, so that it comes back as it was left.

#include "forms/ScreenKey.h"
#include "forms/Services.h"

#include <QMainWindow>
#include <QPointer>
#include <QSize>

#include <functional>
#include <optional>

class QMenu;

namespace forms {

enum class Border { Fixed, Sizable };

class Screen : public QMainWindow {
public:
    explicit Screen(Services& services);
    ~Screen() override;

    void showScreen();
    void hideScreen();
    bool loaded() const { return loaded_; }

    // The client area: the window less its menu bar.
    QWidget* client() const { return client_; }

protected:
    virtual void onLoad() {}

    Services& services() const { return services_; }

    // Hides this window, then shows the target, as every "Menu", "OK" and
    // main-menu button does.
    void leaveFor(ScreenKey target);

    void setClientArea(int widthTwips, int heightTwips, Border border);
    // Where the client area's top left corner first stands on the screen;
    // without it the desktop places the window.
    void placeClientAt(int leftTwips, int topTwips);

    // A menu-bar entry that acts when clicked and has no items.
    QAction* addMenuCommand(const QString& caption, std::function<void()> handler);
    QMenu* addMenu(const QString& caption);
    QAction* addMenuItem(QMenu* menu, const QString& caption, std::function<void()> handler = {});

    // What the title-bar close box does.
    void onCloseBox(std::function<void()> handler) { closeBox_ = std::move(handler); }

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void fitWindow();
    void keepFocusWhileHidden(QWidget* now);

    Services& services_;
    QWidget* client_;
    QSize clientSize_;
    Border border_ = Border::Sizable;
    std::optional<QPoint> clientPlace_;
    std::function<void()> closeBox_;
    // The focus widget at the moment the window system activated this
    // window while it was hidden.
    QPointer<QWidget> focusToKeep_;
    QMetaObject::Connection focusWatch_;
    bool loaded_ = false;
    bool fitted_ = false;
};

} // namespace forms
