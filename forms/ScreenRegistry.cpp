// The registry: one window per id, made on first use.

#include "forms/ScreenRegistry.h"

#include <stdexcept>

namespace forms {

ScreenRegistry::ScreenRegistry(Clock& clock, MessageBox& messageBox, ProgramEnd& programEnd)
    : services_{clock, messageBox, programEnd, *this}
{
}

ScreenRegistry::~ScreenRegistry()
{
    // Last created first: a window may refer to one created before it.
    while (!created_.empty())
        created_.pop_back();
}

void ScreenRegistry::define(ScreenKey id, Factory factory) { factories_[id] = std::move(factory); }

Screen& ScreenRegistry::screen(ScreenKey id)
{
    if (Screen* existing = find(id))
        return *existing;
    const auto factory = factories_.find(id);
    if (factory == factories_.end())
        throw std::logic_error("no window is defined for this id");
    created_.push_back(factory->second(services_));
    Screen* made = created_.back().get();
    screens_[id] = made;
    return *made;
}

Screen* ScreenRegistry::find(ScreenKey id) const
{
    const auto it = screens_.find(id);
    return it == screens_.end() ? nullptr : it->second;
}

void ScreenRegistry::hide(ScreenKey id)
{
    if (Screen* existing = find(id))
        existing->hideScreen();
}

} // namespace forms
