#pragma once
// What the application needs before its first window: the named type faces
// mapped to installed ones, the default face, Qt's own texts in French and
// the desktop entry's name.

class QApplication;

inline constexpr const char *kDesktopFileName = "fr.tramelune.Tramelune";

void prepareApplication(QApplication &application);
