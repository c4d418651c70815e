#include "BitCell.h"

BitCell::BitCell(forms::Image& zero, forms::Image& one, const QString& name)
    : zero_(zero), one_(one)
{
    zero_.setAccessibleName(name + QStringLiteral(" : 0"));
    one_.setAccessibleName(name + QStringLiteral(" : 1"));
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
