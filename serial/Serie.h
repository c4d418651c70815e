#pragma once
// Placeholder until the window is built.

#include "forms/Screen.h"

class Serie final : public forms::Screen {
public:
    explicit Serie(forms::Services& services);
};
