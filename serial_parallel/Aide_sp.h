#pragma once
// Placeholder until the window is built.

#include "forms/Screen.h"

class Aide_sp final : public forms::Screen {
public:
    explicit Aide_sp(forms::Services& services);
};
