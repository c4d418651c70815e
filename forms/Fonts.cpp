// The named type faces, their sizes and their stand-ins.

#include "forms/Fonts.h"

#include <QtMath>

namespace forms {

namespace {

struct Family
{
    Face face;
    const char *named; // as the windows name it
    const char *standingIn; // the installed metric twin
};

const Family kFamilies[] = {
    { Face::MsSansSerif, "MS Sans Serif", "Liberation Sans" },
    { Face::TimesNewRoman, "Times New Roman", "Liberation Serif" },
    { Face::Arial, "Arial", "Liberation Sans" },
};

const Family &familyOf(Face face)
{
    for (const Family &family : kFamilies)
        if (family.face == face)
            return family;
    return kFamilies[0];
}

} // namespace

QFont formFont(Face face, double points, Weight weight, Slant slant)
{
    QFont font(QString::fromLatin1(familyOf(face).named));
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    // Liberation Sans, which stands in for MS Sans Serif, is about a tenth
    // wider than the face the windows were laid out with; narrowed to that
    // face's average width, captions wrap where the layouts break them.
    if (face == Face::MsSansSerif)
        font.setStretch(90);
    font.setBold(weight == Weight::Bold);
    font.setItalic(slant == Slant::Italic);
    return font;
}

QFont defaultFont()
{
    return formFont(Face::MsSansSerif, 8);
}

void installFontSubstitutes()
{
    for (const Family &family : kFamilies)
        QFont::insertSubstitution(QString::fromLatin1(family.named), QString::fromLatin1(family.standingIn));
}

} // namespace forms
