#pragma once
// The program's eight windows. A window opens another through the registry
// by its id, never by including it.

enum class ScreenId {
    MainMenu,
    AboutBox,
    ComingSoonCard,        // "à suivre", for the registers not built yet
    SerialTrainer,         // serial in, serial out
    SerialHelp,
    SerialParallelTrainer, // serial in, parallel out
    SerialParallelHelp,
    ParallelRegister,      // parallel in, parallel out; no window opens it
};
