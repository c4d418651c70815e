#pragma once
// Placeholder until the window is built.

#include "forms/Screen.h"

class sp final : public forms::Screen {
public:
    explicit sp(forms::Services& services);
};
