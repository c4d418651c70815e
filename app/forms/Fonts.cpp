#include "forms/Fonts.h"

#include <QtMath>

namespace forms {

QFont formFont(const QString& family, double points, Weight weight, Slant slant)
{
    QFont font(family);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
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
