#pragma once
// Type faces as the windows name them ("MS Sans Serif", "Times New Roman",
// "Arial"), in points at 96 dots per inch, so a size comes out at the same
// pixel height whatever the display reports. The free metric twins that the
// project installs stand in for the named faces.

#include <QFont>
#include <QString>

namespace forms {

enum class Weight { Regular, Bold };
enum class Slant { Upright, Italic };

QFont formFont(const QString& family, double points, Weight weight = Weight::Regular,
               Slant slant = Slant::Upright);

// The platform's default face: MS Sans Serif 8 pt.
QFont defaultFont();

// Maps the named faces to installed ones; call once before any window.
void installFontSubstitutes();

} // namespace forms
