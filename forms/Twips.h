#pragma once
// Window layouts are designed in twips, 15 to a pixel.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace forms {

constexpr int twipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips / twipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QPoint twipsPoint(int left, int top)
{
    return QPoint(px(left), px(top));
}

inline QSize twipsSize(int width, int height)
{
    return QSize(px(width), px(height));
}

} // namespace forms
