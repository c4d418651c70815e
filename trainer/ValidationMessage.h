#pragma once
// The message that a wrong character in the word box brings, in the
// program's message box (OK only, no icon, "tramelune" in its title bar),
// over the trainer's window. Returns once the learner has closed it; the
// screen then starts its reset.

#include "forms/MessageBox.h"

inline const QString kValidationText = QStringLiteral("Entrer uniquement des 1 ou des 0");

inline void showValidationMessage(forms::MessageBox& messageBox, QWidget& window)
{
    messageBox.show(window, kValidationText);
}
