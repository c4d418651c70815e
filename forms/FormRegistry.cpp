// The registry: one window per id, made on first use.

#include "forms/FormRegistry.h"

#include <stdexcept>

namespace forms {

FormRegistry::FormRegistry(Clock &clock, MessageBox &messageBox, ProgramEnd &programEnd)
    : services_{ clock, messageBox, programEnd, *this }
{
}

FormRegistry::~FormRegistry()
{
    // Last created first: a window may refer to one created before it.
    while (!created_.empty())
        created_.pop_back();
}

void FormRegistry::define(FormId id, Factory factory)
{
    factories_[id] = std::move(factory);
}

Form &FormRegistry::form(FormId id)
{
    if (Form *existing = find(id))
        return *existing;
    const auto factory = factories_.find(id);
    if (factory == factories_.end())
        throw std::logic_error("no window is defined for this id");
    created_.push_back(factory->second(services_));
    Form *made = created_.back().get();
    forms_[id] = made;
    return *made;
}

Form *FormRegistry::find(FormId id) const
{
    const auto it = forms_.find(id);
    return it == forms_.end() ? nullptr : it->second;
}

void FormRegistry::hide(FormId id)
{
    if (Form *existing = find(id))
        existing->hide();
}

} // namespace forms
