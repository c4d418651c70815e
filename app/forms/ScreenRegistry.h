#pragma once
// Holds the one instance of each window. A window is created the first time
// it is asked for, from the factory defined for its id, and lives until the
// registry ends; nothing unloads it. Windows open one another through here.

#include "ScreenId.h"
#include "forms/Screen.h"
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

    void define(ScreenId id, Factory factory);

    // The window, created now if it does not exist yet.
    Screen& screen(ScreenId id);
    // The window if it exists, else nullptr.
    Screen* find(ScreenId id) const;

    // Creates and loads the window if need be, then shows it in front.
    void show(ScreenId id) { screen(id).Show(); }
    // Hides the window; one never created stays uncreated.
    void hide(ScreenId id);

    Services& services() { return services_; }

private:
    Services services_;
    std::map<ScreenId, Factory> factories_;
    std::map<ScreenId, Screen*> screens_;
    std::vector<std::unique_ptr<Screen>> created_;
};

} // namespace forms
