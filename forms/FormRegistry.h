#pragma once
// Holds the one instance of each window. A window is created the first time
// it is asked for, from the factory defined for its id, and lives until the
// registry ends; nothing unloads it. Windows open one another through here.

#include "forms/Form.h"
#include "forms/FormId.h"
#include "forms/Services.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace forms {

class FormRegistry
{
public:
    using Factory = std::function<std::unique_ptr<Form>(Services &)>;

    FormRegistry(Clock &clock, MessageBox &messageBox, ProgramEnd &programEnd);
    ~FormRegistry();
    FormRegistry(const FormRegistry &) = delete;
    FormRegistry &operator=(const FormRegistry &) = delete;

    void define(FormId id, Factory factory);

    // The window, created now if it does not exist yet.
    Form &form(FormId id);
    // The window if it exists, else nullptr.
    Form *find(FormId id) const;

    // Creates and loads the window if need be, then shows it in front.
    void show(FormId id) { form(id).showForm(); }
    // Hides the window; one never created stays uncreated.
    void hide(FormId id);

    Services &services() { return services_; }

private:
    Services services_;
    std::map<FormId, Factory> factories_;
    std::map<FormId, Form *> forms_;
    std::vector<std::unique_ptr<Form>> created_;
};

} // namespace forms
