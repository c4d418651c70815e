#pragma once
// The program's eight windows, by the name each is known by. A screen opens
// another through the registry by this id, never by including it.

enum class ScreenId {
    Registre, // main menu
    Info,     // About
    Suite,    // "à suivre" card
    Serie,    // serial-in serial-out trainer
    AideReg,  // its help
    sp,       // serial-in parallel-out trainer
    Aide_sp,  // its help
    pp,       // parallel register
};
