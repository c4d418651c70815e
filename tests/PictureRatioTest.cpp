// The compiled-in pictures rendered for screens of other device pixel
// ratios: their size and ratio, lines that land whole on device pixels with
// no blended edge, lettering drawn at the ratio rather than enlarged, and a
// control that renders its picture again for each ratio it is drawn at.

#include "forms/Pictures.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;

QString path(const char *name)
{
    return QStringLiteral(":/assets/") + QLatin1String(name);
}

QImage image(const char *name, qreal ratio)
{
    return forms::picture(path(name), ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

std::string hex(QRgb colour)
{
    return QColor::fromRgba(colour).name(QColor::HexArgb).toStdString();
}

// Every pixel of the natural picture as a square of `ratio` x `ratio`.
QImage enlarged(const char *name, int ratio)
{
    const QImage natural = image(name, 1);
    return natural.scaled(natural.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// A rectangle of a picture in its own units.
struct Area
{
    int left, top, right, bottom;
};

// The first device pixel whose centre lies past an edge between pixels of
// the picture, and the last one whose centre lies before it. A device pixel
// centred on the edge itself may take either side.
int firstPast(int edge, qreal ratio)
{
    return int(std::floor(edge * ratio - 0.5)) + 1;
}
int lastBefore(int edge, qreal ratio)
{
    return int(std::ceil(edge * ratio - 0.5)) - 1;
}

// The device pixels that lie within a rectangle of the picture.
QRect devicePixels(const Area &a, qreal ratio)
{
    return QRect(QPoint(firstPast(a.left, ratio), firstPast(a.top, ratio)),
                 QPoint(lastBefore(a.right + 1, ratio), lastBefore(a.bottom + 1, ratio)));
}

const qreal kRatios[] = { 1.25, 1.5, 2 };

TEST(PicturesAtARatio, HaveRatioTimesTheirPixelsAndCarryTheRatio)
{
    struct Case
    {
        const char *name;
        int width, height;
    };
    const Case cases[] = {
        { "serial-diagram.svg", 396, 228 },   { "serial-parallel-diagram.svg", 379, 334 },
        { "parallel-diagram.svg", 365, 326 }, { "digit-0.svg", 16, 17 },
        { "lamp-lit.svg", 12, 12 },           { "card.svg", 220, 150 },
    };
    for (const Case &c : cases)
        for (qreal ratio : kRatios) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(ratio));
            const QPixmap drawn = forms::picture(path(c.name), ratio);
            EXPECT_EQ(drawn.size(), QSize(int(std::ceil(c.width * ratio)), int(std::ceil(c.height * ratio))));
            EXPECT_EQ(drawn.devicePixelRatio(), ratio);
        }
    EXPECT_EQ(forms::picture(path("serial-diagram.svg"), 1).toImage(),
              forms::picture(path("serial-diagram.svg")).toImage());
}

// A line one pixel wide in the picture's own units, with `ground` on both
// sides along the stretch given.
struct Line
{
    const char *name;
    bool vertical;
    int at, from, to;
    QRgb ink, ground;
};

const Line kLines[] = {
    { "serial-diagram.svg", true, 243, 12, 44, kBlack, 0xFF00FF7F }, // between two cells of the block
    { "serial-diagram.svg", false, 177, 80, 135, kBlack, kWhite }, // the clock bus
    { "serial-parallel-diagram.svg", true, 120, 148, 156, kBlack, kWhite }, // a gate's output
    { "serial-parallel-diagram.svg", false, 205, 40, 100, kBlack, kWhite }, // the read line
    { "parallel-diagram.svg", true, 211, 27, 40, kBlack, kWhite }, // an input arrow
    { "parallel-diagram.svg", false, 267, 80, 120, kBlack, kWhite }, // the clock line
    { "digit-0.svg", true, 2, 4, 12, kRed, kWhite }, // the frame's left side
    { "lamp-unlit.svg", false, 1, 4, 7, kBlack, kWhite }, // the ring's top
};

// Across the line at every step along it: ground, then only ink, then
// ground, no pixel of any other colour; answers the widths of ink seen.
std::set<int> widthsAcross(const Line &line, qreal ratio)
{
    const QImage picture = image(line.name, ratio);
    std::set<int> widths;
    const QRect span = devicePixels({ line.from, line.from, line.to, line.to }, ratio);
    const int first = firstPast(line.at - 1, ratio), last = lastBefore(line.at + 2, ratio);
    for (int along = span.left(); along <= span.right(); ++along) {
        int ink = 0, phase = 0; // 0: ground before, 1: ink, 2: ground after
        for (int across = first; across <= last; ++across) {
            const QRgb pixel = line.vertical ? picture.pixel(across, along) : picture.pixel(along, across);
            const bool isInk = pixel == line.ink;
            EXPECT_TRUE(isInk || pixel == line.ground)
                    << line.name << " at " << ratio << ": " << hex(pixel) << " at " << across << " across " << along;
            if (isInk && phase == 2)
                ADD_FAILURE() << line.name << " at " << ratio << ": two lines at " << along;
            if (isInk) {
                phase = 1;
                ++ink;
            } else if (phase == 1) {
                phase = 2;
            }
        }
        widths.insert(ink);
    }
    return widths;
}

TEST(PicturesAtARatio, AtRatioTwoEveryLineIsTwoSolidDevicePixelsWide)
{
    for (const Line &line : kLines) {
        SCOPED_TRACE(std::string(line.name) + (line.vertical ? " x=" : " y=") + std::to_string(line.at));
        EXPECT_EQ(widthsAcross(line, 2), std::set<int>{ 2 });
    }
}

// A line of one pixel covers one and a quarter or one and a half device
// pixels: it is drawn one or two device pixels wide, solid, never blended.
TEST(PicturesAtARatio, AtFractionalRatiosLinesStaySolidOneOrTwoPixelsWide)
{
    for (qreal ratio : { 1.25, 1.5 })
        for (const Line &line : kLines) {
            SCOPED_TRACE(std::string(line.name) + (line.vertical ? " x=" : " y=") + std::to_string(line.at) + " at "
                         + std::to_string(ratio));
            const std::set<int> widths = widthsAcross(line, ratio);
            ASSERT_FALSE(widths.empty());
            EXPECT_GE(*widths.begin(), 1);
            EXPECT_LE(*widths.rbegin(), 2);
        }
}

// Where a picture has no lettering, every device pixel at every ratio is
// one of the colours of its natural pixels: no edge is blended.
TEST(PicturesAtARatio, ShapesTakeNoBlendedColourAtAnyRatio)
{
    struct Case
    {
        const char *name;
        Area area;
    };
    const Case cases[] = {
        { "lamp-unlit.svg", { 0, 0, 11, 11 } },
        { "lamp-lit.svg", { 0, 0, 11, 11 } },
        { "parallel-lamp-lit.svg", { 0, 0, 15, 15 } },
        { "digit-0.svg", { 0, 0, 15, 16 } },
        { "digit-1.svg", { 0, 0, 15, 16 } },
        { "parallel-pulse.svg", { 0, 0, 35, 38 } },
        { "serial-diagram.svg", { 60, 160, 300, 190 } }, // buses, dots and the flip-flops' feet
        { "serial-parallel-diagram.svg", { 100, 159, 345, 200 } }, // the AND gates
        { "parallel-diagram.svg", { 192, 57, 329, 94 } }, // the block
    };
    for (const Case &c : cases) {
        std::set<QRgb> own;
        const QImage natural = image(c.name, 1);
        for (int y = c.area.top; y <= c.area.bottom; ++y)
            for (int x = c.area.left; x <= c.area.right; ++x)
                own.insert(natural.pixel(x, y));
        for (qreal ratio : kRatios) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(ratio));
            const QImage picture = image(c.name, ratio);
            const QRect area = devicePixels(c.area, ratio) & picture.rect();
            int foreign = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (!own.count(picture.pixel(x, y)) && ++foreign <= 3)
                        ADD_FAILURE() << hex(picture.pixel(x, y)) << " at " << x << "," << y;
            EXPECT_EQ(foreign, 0);
        }
    }
}

// At ratio 2 the shapes are the natural pixels, each as a 2 x 2 square; the
// lettering is drawn anew on the finer pixels, which an enlarged picture
// could not do: some of its 2 x 2 squares hold two colours.
TEST(PicturesAtARatio, AtRatioTwoLetteringIsDrawnFinerThanTheNaturalPixels)
{
    struct Case
    {
        const char *name;
        Area shapes, lettering;
    };
    const Case cases[] = {
        { "serial-diagram.svg", { 60, 160, 300, 190 }, { 13, 16, 100, 29 } }, // "Registre 4 bits"
        { "serial-parallel-diagram.svg", { 100, 159, 345, 200 }, { 4, 2, 120, 14 } }, // its title
        { "parallel-diagram.svg", { 192, 57, 329, 94 }, { 14, 43, 150, 56 } }, // "Entrées et sorties …"
        { "card.svg", { 40, 49, 180, 87 }, { 60, 108, 160, 121 } }, // the drawings; the closing words
        { "lamp-lit.svg", { 0, 0, 11, 11 }, { 0, 0, -1, -1 } },
        { "digit-1.svg", { 0, 0, 15, 16 }, { 0, 0, -1, -1 } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QImage fine = image(c.name, 2), coarse = enlarged(c.name, 2);
        const QRect shapes = devicePixels(c.shapes, 2);
        EXPECT_EQ(fine.copy(shapes), coarse.copy(shapes));
        int twoColoured = 0;
        for (int y = c.lettering.top; y <= c.lettering.bottom; ++y)
            for (int x = c.lettering.left; x <= c.lettering.right; ++x) {
                const QRgb corner = fine.pixel(2 * x, 2 * y);
                twoColoured += fine.pixel(2 * x + 1, 2 * y) != corner || fine.pixel(2 * x, 2 * y + 1) != corner
                        || fine.pixel(2 * x + 1, 2 * y + 1) != corner;
            }
        if (c.lettering.right >= 0) {
            EXPECT_GE(twoColoured, 40);
        }
    }
}

TEST(PicturesAtARatio, AControlsPictureIsRenderedAgainForEachRatioItIsDrawnAt)
{
    const forms::Picture lamp(path("lamp-lit.svg"));
    EXPECT_EQ(lamp.size(), QSize(12, 12));
    for (qreal ratio : { 2.0, 1.5, 1.0 }) {
        SCOPED_TRACE(ratio);
        const QPixmap &drawn = lamp.at(ratio);
        EXPECT_EQ(drawn.devicePixelRatio(), ratio);
        EXPECT_EQ(drawn.toImage(), forms::picture(path("lamp-lit.svg"), ratio).toImage());
    }
    // A pixmap given as it is stays as it is.
    QPixmap fixed(5, 7);
    fixed.fill(Qt::blue);
    const forms::Picture given(fixed);
    EXPECT_EQ(given.size(), QSize(5, 7));
    EXPECT_EQ(given.at(2).cacheKey(), fixed.cacheKey());
}

} // namespace
