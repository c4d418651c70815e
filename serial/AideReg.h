#pragma once
// Placeholder until the window is built.

#include "forms/Screen.h"

class AideReg final : public forms::Screen {
public:
    explicit AideReg(forms::Services& services);
};
