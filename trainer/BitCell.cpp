// A register cell's two pictures and how a value moves between cells.

#include "trainer/BitCell.h"

BitCell::BitCell(forms::Image &zero, forms::Image &one, const QString &name) : zero_(zero), one_(one)
{
    forms::Image::pair(zero_, name + QStringLiteral(" : 0"), one_, name + QStringLiteral(" : 1"));
}

void BitCell::set1()
{
    one_.setShown(true);
    zero_.setShown(false);
}

void BitCell::set0()
{
    zero_.setShown(true);
    one_.setShown(false);
}

void BitCell::copyFrom(const BitCell &source)
{
    if (source.oneShown())
        set1();
    if (source.zeroShown())
        set0();
}

void BitCell::take(const QString &bit)
{
    if (bit == QLatin1String("1"))
        set1();
    if (bit == QLatin1String("0"))
        set0();
}
