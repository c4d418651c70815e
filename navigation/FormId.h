#pragma once
// The program's eight windows. A window opens another through the registry
// by its id, never by including it. The form layer declares the type
// (forms/FormId.h); this is its one definition.

#include "forms/FormId.h"

enum class FormId : int {
    MainMenu,
    AboutBox,
    ComingSoonCard, // "à suivre", for the registers not built yet
    SerialTrainer, // serial in, serial out
    SerialHelp,
    SerialParallelTrainer, // serial in, parallel out
    SerialParallelHelp,
    ParallelRegister, // parallel in, parallel out; no window opens it
};
