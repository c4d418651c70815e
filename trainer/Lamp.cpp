// A lamp's two pictures.

#include "trainer/Lamp.h"

Lamp::Lamp(forms::Image& unlit, forms::Image& lit, const QString& name) : unlit_(unlit), lit_(lit)
{
    unlit_.setAccessibleName(name + QStringLiteral(" : éteinte"));
    lit_.setAccessibleName(name + QStringLiteral(" : allumée"));
    forms::Image::pair(unlit_, lit_);
}

void Lamp::light()
{
    lit_.setShown(true);
    unlit_.setShown(false);
}

void Lamp::putOut()
{
    unlit_.setShown(true);
    lit_.setShown(false);
}
