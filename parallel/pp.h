#pragma once
// Placeholder until the window is built.

#include "forms/Screen.h"

class pp final : public forms::Screen {
public:
    explicit pp(forms::Services& services);
};
