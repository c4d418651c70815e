#pragma once
// Type faces as the windows name them, in points at 96 dots per inch, so a
// size comes out at the same pixel height whatever the display reports. The
// free metric twins that the project installs stand in for the named faces.

#include <QFont>

namespace forms {

enum class Face { MsSansSerif, TimesNewRoman, Arial };
enum class Weight { Regular, Bold };
enum class Slant { Upright, Italic };

QFont formFont(Face face, double points, Weight weight = Weight::Regular, Slant slant = Slant::Upright);

// The platform's default face: MS Sans Serif 8 pt.
QFont defaultFont();

// Maps the named faces to installed ones; call once before any window.
void installFontSubstitutes();

} // namespace forms
