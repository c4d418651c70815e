// The named type faces, their sizes and their stand-ins.

#include "forms/Fonts.h"

#include <QtMath>

namespace forms {

QFont formFont(const QString& family, double points, Weight weight, Slant slant)
{
    QFont font(family);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    // Liberation Sans, which stands in for MS Sans Serif, is about a tenth
    // wider than the face the windows were laid out with; narrowed to that
    // face's average width, captions wrap where the layouts break them.
    if (family == QLatin1String("MS Sans Serif"))
        font.setStretch(90);
    font.setBold(weight == Weight::Bold);
    font.setItalic(slant == Slant::Italic);
    return font;
}

QFont defaultFont() { return formFont(QStringLiteral("MS Sans Serif"), 8); }

void installFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

} // namespace forms
