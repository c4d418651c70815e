// A lamp's two pictures.

#include "trainer/Lamp.h"

#include "trainer/BitCell.h"

Lamp::Lamp(forms::Image& unlit, forms::Image& lit, const QString& name) : unlit_(unlit), lit_(lit)
{
    forms::Image::pair(unlit_, name + QStringLiteral(" : éteinte"), lit_, name + QStringLiteral(" : allumée"));
}

void Lamp::makeClickable(std::function<void()> handler)
{
    unlit_.setClickHandler(std::move(handler));
    unlit_.setCursorShape(Qt::UpArrowCursor);
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

void Lamp::showCell(const BitCell& cell)
{
    if (cell.zeroShown())
        putOut();
    if (cell.oneShown())
        light();
}
