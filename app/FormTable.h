#pragma once
// Defines the factory of each of the program's windows in a registry.

namespace forms {
class FormRegistry;
}

void defineForms(forms::FormRegistry &registry);
