#pragma once
// Holds the one instance of each window. A window is created the first time
// it is asked for, from the factory defined for its id, and lives until the
// registry ends; nothing unloads it. Windows open one another through here.

#include "forms/Screen.h"
#include "forms/ScreenKey.h"
#include "forms/Services.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace forms {

class ScreenRegistry {
public:
    using Factory = std::function<std::unique_ptr<Screen>(Services&)>;

    ScreenRegistry(Clock& clock, MessageBox& messageBox, ProgramEnd& programEnd);
    ~ScreenRegistry();
    ScreenRegistry(const ScreenRegistry&) = delete;
    ScreenRegistry& operator=(const ScreenRegistry&) = delete;

    void define(ScreenKey id, Factory factory);

    // The window, created now if it does not exist yet.
    Screen& screen(ScreenKey id);
    // The window if it exists, else nullptr.
    Screen* find(ScreenKey id) const;

    // Creates and loads the window if need be, then shows it in front.
    void show(ScreenKey id) { screen(id).showScreen(); }
    // Hides the window; one never created stays uncreated.
    void hide(ScreenKey id);

    Services& services() { return services_; }

private:
    Services services_;
    std::map<ScreenKey, Factory> factories_;
    std::map<ScreenKey, Screen*> screens_;
    std::vector<std::unique_ptr<Screen>> created_;
};

} // namespace forms
