// The named type faces, their sizes and their stand-ins.

#include "forms/Fonts.h"

#include <QtMath>

namespace forms {

namespace {

struct Family {
    const char* named;      // as the windows name it
    const char* standingIn; // the installed metric twin
};

Family familyOf(Face face)
{
    switch (face) {
    case Face::MsSansSerif: return {"MS Sans Serif", "Liberation Sans"};
    case Face::TimesNewRoman: return {"Times New Roman", "Liberation Serif"};
    case Face::Arial: return {"Arial", "Liberation Sans"};
    }
    return {"MS Sans Serif", "Liberation Sans"};
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

QFont defaultFont() { return formFont(Face::MsSansSerif, 8); }

void installFontSubstitutes()
{
    for (Face face : {Face::MsSansSerif, Face::TimesNewRoman, Face::Arial}) {
        const Family family = familyOf(face);
        QFont::insertSubstitution(QString::fromLatin1(family.named), QString::fromLatin1(family.standingIn));
    }
}

} // namespace forms
