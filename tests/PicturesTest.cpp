// The compiled-in pictures as the program draws them: sizes, the exact pixels
// of the lamps, digits and pulse symbol, spot checks of the diagrams' lines,
// dots, arrowheads and fills, the place and colour of their lettering, the
// bands of the "à suivre" card and the colours of the window icons.

#include "forms/Pictures.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

QImage image(const char *name)
{
    return forms::picture(QStringLiteral(":/assets/") + QLatin1String(name))
            .toImage()
            .convertToFormat(QImage::Format_ARGB32);
}

QString hex(QRgb colour)
{
    return QColor::fromRgba(colour).name(QColor::HexArgb);
}

// How much of `ink` a pixel holds over `ground`, from 0 to 1; -1 when the
// pixel is not a blend of those two colours (another colour's ink).
double coverage(QRgb pixel, QRgb ink, QRgb ground)
{
    const int p[3] = { qRed(pixel), qGreen(pixel), qBlue(pixel) };
    const int i[3] = { qRed(ink), qGreen(ink), qBlue(ink) };
    const int g[3] = { qRed(ground), qGreen(ground), qBlue(ground) };
    double low = 2, high = -2;
    for (int c = 0; c < 3; ++c) {
        const int span = g[c] - i[c];
        if (std::abs(span) < 48) {
            if (std::abs(p[c] - g[c]) > 48)
                return -1;
            continue;
        }
        const double a = double(g[c] - p[c]) / span;
        low = std::min(low, a);
        high = std::max(high, a);
    }
    if (high - low > 0.25)
        return -1;
    return std::clamp((low + high) / 2, 0.0, 1.0);
}

bool farFrom(QRgb pixel, QRgb ground)
{
    return std::max({ std::abs(qRed(pixel) - qRed(ground)), std::abs(qGreen(pixel) - qGreen(ground)),
                      std::abs(qBlue(pixel) - qBlue(ground)) })
            > 100;
}

// ------------------------------------------------------------------ sizes

TEST(Pictures, EveryPictureHasItsSize)
{
    struct Case
    {
        const char *name;
        int width, height;
    };
    const Case cases[] = {
        { "serial-diagram.svg", 396, 228 },
        { "serial-parallel-diagram.svg", 379, 334 },
        { "parallel-diagram.svg", 365, 326 },
        { "read-command.svg", 66, 28 },
        { "digit-0.svg", 16, 17 },
        { "digit-1.svg", 16, 17 },
        { "lamp-unlit.svg", 12, 12 },
        { "lamp-lit.svg", 12, 12 },
        { "parallel-lamp-unlit.svg", 16, 16 },
        { "parallel-lamp-lit.svg", 16, 16 },
        { "parallel-pulse.svg", 36, 39 },
        { "card.svg", 220, 150 },
        { "france-map-32.svg", 32, 32 },
        { "france-map-16.svg", 16, 16 },
        { "flag-32.svg", 32, 32 },
        { "flag-16.svg", 16, 16 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(image(c.name).size(), QSize(c.width, c.height));
    }
}

// ------------------------------------------------ pixel-exact small pictures

using Pixels = std::set<std::pair<int, int>>;

void addRow(Pixels &pixels, int row, int fromColumn, int toColumn)
{
    for (int x = fromColumn; x <= toColumn; ++x)
        pixels.insert({ x, row });
}

void addColumn(Pixels &pixels, int column, int fromRow, int toRow)
{
    for (int y = fromRow; y <= toRow; ++y)
        pixels.insert({ column, y });
}

// Every pixel of a picture: `ink` where listed, `ground` elsewhere.
void expectExactly(const char *name, const Pixels &inked, QRgb ink, QRgb ground, const Pixels &second = {},
                   QRgb secondInk = 0)
{
    const QImage picture = image(name);
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb expected = inked.count({ x, y }) ? ink : second.count({ x, y }) ? secondInk : ground;
            if (picture.pixel(x, y) != expected && ++wrong <= 5)
                ADD_FAILURE() << name << " at " << x << "," << y << ": " << hex(picture.pixel(x, y)).toStdString()
                              << " instead of " << hex(expected).toStdString();
        }
    EXPECT_EQ(wrong, 0) << name;
}

// The pixels strictly between the leftmost and rightmost ring pixel of each row.
Pixels insideOf(const Pixels &ring)
{
    Pixels inside;
    std::set<int> rows;
    for (const auto &p : ring)
        rows.insert(p.second);
    for (int y : rows) {
        int left = 1 << 20, right = -1;
        for (const auto &p : ring)
            if (p.second == y) {
                left = std::min(left, p.first);
                right = std::max(right, p.first);
            }
        for (int x = left + 1; x < right; ++x)
            if (!ring.count({ x, y }))
                inside.insert({ x, y });
    }
    return inside;
}

Pixels smallLampRing()
{
    Pixels ring;
    for (int y : { 1, 10 })
        addRow(ring, y, 4, 7);
    for (int y : { 2, 9 })
        ring.insert({ { 3, y }, { 8, y } });
    for (int y : { 3, 8 })
        ring.insert({ { 2, y }, { 9, y } });
    for (int y = 4; y <= 7; ++y)
        ring.insert({ { 1, y }, { 10, y } });
    return ring;
}

Pixels largeLampRing()
{
    Pixels ring;
    for (int y : { 3, 12 })
        addRow(ring, y, 6, 10);
    for (int y : { 4, 11 })
        ring.insert({ { 5, y }, { 11, y } });
    for (int y : { 5, 10 })
        ring.insert({ { 4, y }, { 12, y } });
    for (int y = 6; y <= 9; ++y)
        ring.insert({ { 3, y }, { 13, y } });
    return ring;
}

TEST(Pictures, LampsAreABlackRingOnWhiteFilledWhenLit)
{
    struct Case
    {
        const char *name;
        Pixels ring;
        QRgb inside;
    };
    const Case cases[] = {
        { "lamp-unlit.svg", smallLampRing(), kWhite },
        { "lamp-lit.svg", smallLampRing(), 0xFFFF0F50 },
        { "parallel-lamp-unlit.svg", largeLampRing(), kWhite },
        { "parallel-lamp-lit.svg", largeLampRing(), 0xFFFF4830 },
    };
    for (const Case &c : cases) {
        const Pixels inside = insideOf(c.ring);
        ASSERT_FALSE(inside.empty());
        expectExactly(c.name, c.ring, kBlack, kWhite, inside, c.inside);
    }
}

TEST(Pictures, DigitsAreAStrokeInARedFrame)
{
    Pixels frame;
    addRow(frame, 2, 2, 13);
    addRow(frame, 14, 2, 13);
    addColumn(frame, 2, 2, 14);
    addColumn(frame, 13, 2, 14);

    Pixels zero;
    addRow(zero, 4, 6, 9);
    addRow(zero, 12, 6, 9);
    for (int x : { 5, 6, 9, 10 })
        addColumn(zero, x, 5, 11);
    expectExactly("digit-0.svg", frame, kRed, kWhite, zero, kBlack);

    Pixels one = frame;
    addRow(one, 4, 8, 9);
    addRow(one, 5, 6, 9);
    for (int x : { 8, 9 })
        addColumn(one, x, 6, 12);
    expectExactly("digit-1.svg", one, kRed, kWhite);
}

TEST(Pictures, PulseSymbolIsASquarePulseWithAnUpArrow)
{
    Pixels pulse;
    for (int y : { 33, 34 }) {
        addRow(pulse, y, 2, 15);
        addRow(pulse, y, 18, 31);
    }
    for (int x : { 14, 15, 18, 19 })
        addColumn(pulse, x, 6, 34);
    for (int y : { 6, 7 })
        addRow(pulse, y, 14, 19);
    addColumn(pulse, 6, 8, 25);
    // The arrow's head: two strokes going down and out from the tip.
    for (int d = 1; d <= 3; ++d)
        pulse.insert({ { 6 - d, 8 + d }, { 6 + d, 8 + d } });
    expectExactly("parallel-pulse.svg", pulse, kBlack, kWhite);
}

// --------------------------------------------------------------- diagrams

struct Spot
{
    int x, y;
    QRgb colour;
};

void expectSpots(const char *name, std::initializer_list<Spot> spots)
{
    const QImage picture = image(name);
    for (const Spot &s : spots)
        EXPECT_EQ(hex(picture.pixel(s.x, s.y)), hex(s.colour)) << name << " at " << s.x << "," << s.y;
}

TEST(Pictures, SerialDiagramLinesDotsArrowsAndFills)
{
    const QRgb green = 0xFF00FF7F;
    expectSpots("serial-diagram.svg",
                {
                        // the block: outline, four cells, fill
                        { 209, 30, kBlack },
                        { 346, 30, kBlack },
                        { 260, 9, kBlack },
                        { 260, 46, kBlack },
                        { 243, 20, kBlack },
                        { 278, 20, kBlack },
                        { 313, 20, kBlack },
                        { 226, 27, green },
                        { 244, 20, green },
                        { 330, 40, green },
                        { 210, 10, green },
                        // its input: line, beside it, the arrowhead's tip and stroke ends
                        { 169, 27, kBlack },
                        { 168, 27, kWhite },
                        { 175, 26, kWhite },
                        { 175, 28, kWhite },
                        { 205, 27, kBlack },
                        { 196, 27, kBlack },
                        { 187, 21, kBlack },
                        { 187, 33, kBlack },
                        { 186, 21, kWhite },
                        { 196, 26, kWhite },
                        // its output
                        { 360, 26, kBlack },
                        { 360, 25, kWhite },
                        { 374, 26, kBlack },
                        { 375, 26, kWhite },
                        { 365, 20, kBlack },
                        { 365, 32, kBlack },
                        // the flip-flops: outline corners and fill
                        { 80, 127, kBlack },
                        { 126, 157, kBlack },
                        { 290, 127, kBlack },
                        { 336, 157, kBlack },
                        { 81, 128, kYellow },
                        { 100, 150, kYellow },
                        { 310, 150, kYellow },
                        { 127, 140, kWhite },
                        // the data path and its arrows
                        { 42, 132, kBlack },
                        { 41, 132, kWhite },
                        { 50, 131, kWhite },
                        { 60, 132, kBlack },
                        { 51, 126, kBlack },
                        { 51, 138, kBlack },
                        { 140, 132, kBlack },
                        { 140, 133, kWhite },
                        { 350, 132, kBlack },
                        { 368, 132, kBlack },
                        { 369, 132, kWhite },
                        { 359, 126, kBlack },
                        // the clock: stubs, verticals, bus and its dots, the foot to the lamp
                        { 76, 142, kBlack },
                        { 73, 160, kBlack },
                        { 74, 160, kWhite },
                        { 146, 142, kBlack },
                        { 100, 177, kBlack },
                        { 100, 176, kWhite },
                        { 71, 177, kBlack },
                        { 70, 177, kWhite },
                        { 283, 170, kBlack },
                        { 71, 175, kBlack },
                        { 75, 179, kBlack },
                        { 141, 175, kBlack },
                        { 215, 179, kBlack },
                        { 281, 175, kWhite },
                        { 285, 179, kWhite },
                        { 76, 175, kWhite },
                        { 73, 190, kBlack },
                        { 143, 181, kWhite },
                        { 73, 198, kBlack },
                        { 73, 199, kWhite },
                        { 59, 198, kBlack },
                        { 58, 198, kWhite },
                        { 65, 197, kWhite },
                        // the reset: verticals, bus, dots, and clock lines crossing it without dots
                        { 83, 162, kBlack },
                        { 84, 162, kWhite },
                        { 100, 167, kBlack },
                        { 100, 166, kWhite },
                        { 59, 167, kBlack },
                        { 58, 167, kWhite },
                        { 81, 165, kBlack },
                        { 225, 169, kBlack },
                        { 73, 167, kBlack },
                        { 71, 165, kWhite },
                        { 75, 169, kWhite },
                        { 293, 162, kBlack },
                        { 294, 167, kWhite },
                        // white ground
                        { 5, 5, kWhite },
                        { 390, 220, kWhite },
                        { 150, 100, kWhite },
                });
}

TEST(Pictures, SerialInParallelOutDiagramLinesDotsArrowsAndFills)
{
    const QRgb green = 0xFF00FF80;
    expectSpots("serial-parallel-diagram.svg",
                {
                        // the block and its outputs pointing up
                        { 192, 70, kBlack },
                        { 329, 70, kBlack },
                        { 250, 57, kBlack },
                        { 250, 94, kBlack },
                        { 226, 75, kBlack },
                        { 261, 75, kBlack },
                        { 296, 75, kBlack },
                        { 210, 75, green },
                        { 227, 75, green },
                        { 210, 40, kBlack },
                        { 211, 40, kWhite },
                        { 210, 54, kBlack },
                        { 210, 55, kWhite },
                        { 210, 24, kBlack },
                        { 210, 23, kWhite },
                        { 204, 33, kBlack },
                        { 216, 33, kBlack },
                        { 313, 24, kBlack },
                        // serial input: open circle, line, arrowhead into the block
                        { 150, 59, kBlack },
                        { 147, 62, kBlack },
                        { 153, 62, kBlack },
                        { 150, 62, kWhite },
                        { 170, 63, kBlack },
                        { 170, 62, kWhite },
                        { 191, 63, kBlack },
                        { 182, 57, kBlack },
                        { 182, 69, kBlack },
                        // clock input
                        { 169, 82, kBlack },
                        { 169, 85, kWhite },
                        { 180, 86, kBlack },
                        { 180, 85, kWhite },
                        { 191, 86, kBlack },
                        // flip-flops
                        { 74, 217, kBlack },
                        { 120, 247, kBlack },
                        { 284, 217, kBlack },
                        { 330, 247, kBlack },
                        { 95, 240, kYellow },
                        { 305, 240, kYellow },
                        // serial data line
                        { 12, 222, kBlack },
                        { 11, 222, kWhite },
                        { 40, 221, kWhite },
                        { 135, 222, kBlack },
                        { 338, 222, kBlack },
                        { 339, 222, kWhite },
                        // an AND gate: bottom, sides, arched top, output line
                        { 120, 193, kBlack },
                        { 120, 194, kWhite },
                        { 105, 180, kBlack },
                        { 135, 180, kBlack },
                        { 120, 180, kWhite },
                        { 120, 159, kBlack },
                        { 120, 160, kWhite },
                        { 120, 158, kBlack },
                        { 120, 147, kBlack },
                        { 120, 146, kWhite },
                        { 121, 150, kWhite },
                        { 328, 159, kBlack },
                        { 343, 180, kBlack },
                        { 313, 193, kBlack },
                        // gate inputs: left to the read line, right to the data line
                        { 110, 200, kBlack },
                        { 111, 200, kWhite },
                        { 108, 203, kBlack },
                        { 112, 207, kBlack },
                        { 130, 215, kBlack },
                        { 128, 220, kBlack },
                        { 132, 224, kBlack },
                        { 130, 205, kBlack },
                        { 128, 203, kWhite },
                        { 132, 207, kWhite },
                        { 338, 215, kBlack },
                        { 340, 220, kWhite },
                        // read line
                        { 32, 205, kBlack },
                        { 31, 205, kWhite },
                        { 50, 204, kWhite },
                        { 318, 205, kBlack },
                        { 319, 205, kWhite },
                        // clock bus, verticals and stubs, clock command
                        { 100, 267, kBlack },
                        { 100, 268, kWhite },
                        { 65, 265, kBlack },
                        { 69, 269, kBlack },
                        { 209, 269, kBlack },
                        { 279, 265, kWhite },
                        { 277, 250, kBlack },
                        { 137, 250, kBlack },
                        { 140, 232, kBlack },
                        { 137, 231, kWhite },
                        { 34, 286, kBlack },
                        { 33, 286, kWhite },
                        { 50, 287, kWhite },
                        { 67, 280, kBlack },
                        { 68, 280, kWhite },
                        // reset line and its dots; clock lines cross it without dots
                        { 53, 257, kBlack },
                        { 52, 257, kWhite },
                        { 75, 255, kBlack },
                        { 219, 259, kBlack },
                        { 67, 257, kBlack },
                        { 65, 255, kWhite },
                        { 287, 250, kBlack },
                        { 288, 257, kWhite },
                        { 77, 250, kBlack },
                        // the pulse symbol in 2-pixel lines
                        { 4, 318, kBlack },
                        { 10, 319, kBlack },
                        { 10, 317, kWhite },
                        { 16, 300, kBlack },
                        { 17, 300, kBlack },
                        { 18, 300, kWhite },
                        { 19, 291, kBlack },
                        { 19, 292, kBlack },
                        { 19, 293, kWhite },
                        { 21, 300, kBlack },
                        { 33, 319, kBlack },
                        { 34, 319, kWhite },
                        { 8, 300, kBlack },
                        { 8, 293, kBlack },
                        { 8, 292, kWhite },
                        { 8, 311, kWhite },
                        { 7, 294, kBlack },
                        { 9, 294, kBlack },
                        // white ground
                        { 370, 10, kWhite },
                        { 5, 150, kWhite },
                        { 250, 300, kWhite },
                });
}

TEST(Pictures, ParallelDiagramLinesDotsArrowsAndFills)
{
    const QRgb green = 0xFF00FF80;
    expectSpots("parallel-diagram.svg",
                {
                        // the block
                        { 192, 70, kBlack },
                        { 329, 70, kBlack },
                        { 250, 57, kBlack },
                        { 250, 94, kBlack },
                        { 226, 75, kBlack },
                        { 261, 75, kBlack },
                        { 296, 75, kBlack },
                        { 210, 75, green },
                        { 320, 90, green },
                        // inputs pointing down into it
                        { 211, 25, kBlack },
                        { 211, 24, kWhite },
                        { 211, 40, kBlack },
                        { 212, 40, kWhite },
                        { 211, 55, kBlack },
                        { 211, 56, kWhite },
                        { 205, 46, kBlack },
                        { 217, 46, kBlack },
                        { 313, 55, kBlack },
                        // outputs pointing down out of it
                        { 211, 97, kBlack },
                        { 211, 96, kWhite },
                        { 280, 110, kBlack },
                        { 281, 110, kWhite },
                        { 280, 127, kBlack },
                        { 280, 128, kWhite },
                        { 274, 118, kBlack },
                        { 286, 118, kBlack },
                        { 314, 127, kBlack },
                        // the two short lines into its left side
                        { 174, 63, kBlack },
                        { 173, 63, kWhite },
                        { 185, 62, kWhite },
                        { 191, 63, kBlack },
                        { 175, 86, kBlack },
                        { 174, 86, kWhite },
                        { 191, 86, kBlack },
                        // flip-flops
                        { 74, 217, kBlack },
                        { 120, 247, kBlack },
                        { 284, 217, kBlack },
                        { 330, 247, kBlack },
                        { 95, 240, kYellow },
                        { 305, 240, kYellow },
                        // data inputs
                        { 67, 188, kBlack },
                        { 67, 187, kWhite },
                        { 67, 200, kBlack },
                        { 68, 200, kWhite },
                        { 70, 222, kBlack },
                        { 137, 200, kBlack },
                        { 277, 188, kBlack },
                        { 67, 227, kWhite },
                        // clock, its dots, the command line
                        { 100, 267, kBlack },
                        { 100, 266, kWhite },
                        { 65, 265, kBlack },
                        { 69, 269, kBlack },
                        { 139, 269, kBlack },
                        { 277, 250, kBlack },
                        { 279, 265, kWhite },
                        { 70, 232, kBlack },
                        { 67, 231, kWhite },
                        { 67, 272, kBlack },
                        { 67, 273, kWhite },
                        { 52, 272, kBlack },
                        { 51, 272, kWhite },
                        { 60, 271, kWhite },
                        // reset and its dots
                        { 53, 257, kBlack },
                        { 52, 257, kWhite },
                        { 75, 255, kBlack },
                        { 219, 259, kBlack },
                        { 287, 250, kBlack },
                        { 288, 257, kWhite },
                        { 147, 250, kBlack },
                        // outputs: right from Q, then down, crossing reset and clock without dots
                        { 125, 222, kBlack },
                        { 125, 223, kWhite },
                        { 127, 250, kBlack },
                        { 128, 250, kWhite },
                        { 127, 286, kBlack },
                        { 127, 287, kWhite },
                        { 337, 286, kBlack },
                        { 125, 255, kWhite },
                        { 125, 265, kWhite },
                        // white ground, also where the pulse symbol lies over it
                        { 360, 5, kWhite },
                        { 30, 300, kWhite },
                        { 250, 150, kWhite },
                });
}

TEST(Pictures, QBarsLieOnRow19OfEachFlipFlop)
{
    struct Case
    {
        const char *name;
        int boxLeft, boxTop;
    };
    const Case cases[] = {
        { "serial-diagram.svg", 80, 127 },
        { "serial-diagram.svg", 290, 127 },
        { "serial-parallel-diagram.svg", 74, 217 },
        { "parallel-diagram.svg", 284, 217 },
    };
    for (const Case &c : cases) {
        const int x = c.boxLeft + 36, y = c.boxTop + 19;
        expectSpots(c.name,
                    { { x, y, kBlack },
                      { x + 4, y, kBlack },
                      { x - 1, y, kYellow },
                      { x + 2, y - 1, kYellow },
                      { x + 9, y, kYellow } });
    }
}

// Lettering is antialiased: each text is found by the ink of its first
// letter, the box where it starts and the height of its capitals.
struct Lettering
{
    const char *name;
    int x, y; // top-left corner of the first letter's ink
    QRgb colour;
    int height; // rows of the first letter's ink, 0 where it is not a capital
    QRgb ground;
};

TEST(Pictures, DiagramLetteringStandsWhereAndInTheColourGiven)
{
    const QRgb serialBlue = 0xFF3F00FF, pink = 0xFFFF007F;
    const QRgb spBlue = 0xFF3000FF, spPink = 0xFFFF006F, spRed = 0xFF6F0000;
    const QRgb ppBlue = 0xFF4000FF, ppGreen = 0xFF007800, ppRed = 0xFF7F0000;
    const char *s = "serial-diagram.svg";
    const char *serialParallel = "serial-parallel-diagram.svg";
    const char *parallel = "parallel-diagram.svg";
    const Lettering cases[] = {
        { s, 13, 18, serialBlue, 9, kWhite },
        { s, 14, 45, serialBlue, 9, kWhite },
        { s, 121, 46, serialBlue, 0, kWhite },
        { s, 148, 15, pink, 9, kWhite },
        { s, 353, 10, pink, 9, kWhite },
        { s, 17, 163, 0xFF5F0000, 9, kWhite },
        { s, 79, 193, serialBlue, 9, kWhite },
        { s, 9, 207, 0xFF804000, 9, kWhite },
        { s, 86, 130, kBlack, 7, kYellow },
        { s, 116, 130, kBlack, 0, kYellow },
        { s, 296, 130, kBlack, 7, kYellow },

        { serialParallel, 4, 4, spBlue, 8, kWhite },
        { serialParallel, 13, 18, spBlue, 8, kWhite },
        { serialParallel, 123, 48, spBlue, 8, kWhite },
        { serialParallel, 113, 80, spBlue, 8, kWhite },
        { serialParallel, 114, 125, spPink, 8, kWhite },
        { serialParallel, 184, 125, spPink, 8, kWhite },
        { serialParallel, 254, 125, spPink, 8, kWhite },
        { serialParallel, 322, 124, kRed, 8, kWhite },
        { serialParallel, 79, 273, spBlue, 8, kWhite },
        { serialParallel, 40, 290, spRed, 8, kWhite },
        { serialParallel, 11, 253, spRed, 8, kWhite },
        { serialParallel, 80, 220, kBlack, 7, kYellow },
        { serialParallel, 320, 220, kBlack, 0, kYellow },

        { parallel, 13, 18, ppBlue, 9, kWhite },
        { parallel, 14, 45, ppBlue, 9, kWhite },
        { parallel, 207, 12, ppGreen, 8, kWhite },
        { parallel, 239, 11, ppGreen, 8, kWhite },
        { parallel, 273, 11, ppGreen, 8, kWhite },
        { parallel, 307, 11, ppGreen, 8, kWhite },
        { parallel, 61, 158, ppGreen, 8, kWhite },
        { parallel, 131, 158, ppGreen, 8, kWhite },
        { parallel, 201, 158, ppGreen, 8, kWhite },
        { parallel, 271, 158, ppGreen, 8, kWhite },
        { parallel, 11, 268, ppRed, 8, kWhite },
        { parallel, 11, 253, ppRed, 8, kWhite },
        { parallel, 79, 273, ppBlue, 9, kWhite },
        { parallel, 120, 308, pink, 8, kWhite },
        { parallel, 190, 308, pink, 8, kWhite },
        { parallel, 260, 308, pink, 8, kWhite },
        { parallel, 330, 308, pink, 8, kWhite },
        { parallel, 290, 220, kBlack, 7, kYellow },
    };
    for (const Lettering &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 at %2,%3").arg(QLatin1String(c.name)).arg(c.x).arg(c.y).toStdString());
        const QImage picture = image(c.name);
        int left = 1 << 20, top = 1 << 20, bottom = -1, inked = 0, solid = 0, foreign = 0;
        for (int y = c.y - 2; y <= c.y + 11; ++y)
            for (int x = c.x - 2; x <= c.x + 5; ++x) {
                const QRgb pixel = picture.pixel(x, y);
                const double a = coverage(pixel, c.colour, c.ground);
                solid += std::abs(qRed(pixel) - qRed(c.colour)) <= 4 && std::abs(qGreen(pixel) - qGreen(c.colour)) <= 4
                        && std::abs(qBlue(pixel) - qBlue(c.colour)) <= 4;
                if (a >= 0.5) {
                    ++inked;
                    left = std::min(left, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                } else if (a < 0 && farFrom(pixel, c.ground)) {
                    ++foreign;
                }
            }
        EXPECT_GE(inked, 6);
        if (c.ground == kWhite) { // bold lettering has full strokes; thin letters on yellow need not
            EXPECT_GE(solid, 1) << "the colour itself where the ink is full";
        }
        EXPECT_EQ(foreign, 0);
        EXPECT_EQ(left, c.x);
        EXPECT_EQ(top, c.y);
        if (c.height) {
            EXPECT_EQ(bottom - top + 1, c.height);
        }
    }
}

// ---------------------------------------------------- read label and card

// Rows [from, to] of a picture: pixels inked in `colour` over white, pixels
// of any other colour, and the leftmost and rightmost inked columns.
struct Band
{
    int inked = 0, foreign = 0, left = 1 << 20, right = -1;
};

Band band(const QImage &picture, int from, int to, QRgb colour)
{
    Band b;
    for (int y = from; y <= to; ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            const double a = coverage(pixel, colour, kWhite);
            if (a >= 0.5) {
                ++b.inked;
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
            } else if (pixel != kWhite && a < 0) {
                ++b.foreign;
            }
        }
    return b;
}

int nonWhite(const QImage &picture, int from, int to)
{
    int count = 0;
    for (int y = from; y <= to; ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixel(x, y) != kWhite;
    return count;
}

TEST(Pictures, ReadLabelHoldsTwoLinesOfLightBlueOnWhite)
{
    const QImage picture = image("read-command.svg");
    const QRgb blue = 0xFF0080FF;
    const Band commande = band(picture, 0, 12, blue), lecture = band(picture, 14, 27, blue);
    EXPECT_GE(commande.inked, 60);
    EXPECT_GE(lecture.inked, 50);
    EXPECT_EQ(commande.foreign + lecture.foreign, 0);
    EXPECT_EQ(nonWhite(picture, 13, 13), 0) << "a blank row between the lines";
    EXPECT_GT(commande.left, 0);
    EXPECT_LT(commande.right, 65);
    EXPECT_GT(commande.right - commande.left, lecture.right - lecture.left);
}

TEST(Pictures, CardShowsTitleDrawingsAndTextInTheirRows)
{
    const QImage picture = image("card.svg");
    struct Rows
    {
        int from, to;
    };
    // Lettering is antialiased: its faint edge may reach the row beside it.
    for (const Rows &white : { Rows{ 0, 28 }, Rows{ 39, 48 }, Rows{ 88, 108 }, Rows{ 121, 149 } }) {
        SCOPED_TRACE(white.from);
        EXPECT_EQ(nonWhite(picture, white.from, white.to), 0);
    }
    for (int row : { 29, 38, 109, 120 }) {
        SCOPED_TRACE(row);
        EXPECT_EQ(band(picture, row, row, kRed).inked, 0);
    }

    for (const Rows &text : { Rows{ 30, 37 }, Rows{ 110, 119 } }) {
        SCOPED_TRACE(text.from);
        const Band red = band(picture, text.from, text.to, kRed);
        EXPECT_GE(red.inked, 100);
        EXPECT_EQ(red.foreign, 0);
        EXPECT_NEAR((red.left + red.right) / 2.0, 110, 2) << "centred";
        EXPECT_GT(band(picture, text.from, text.from, kRed).inked, 0);
        EXPECT_GT(band(picture, text.to, text.to, kRed).inked, 0);
    }
    // The title is shorter than the closing words.
    EXPECT_LT(band(picture, 30, 37, kRed).right, band(picture, 110, 119, kRed).right);

    // Three drawings side by side, each filling rows 49 to 87: a yellow
    // face on the left, the books in the middle, a red heart on the right.
    struct Drawing
    {
        int fromColumn, toColumn;
        QRgb colour;
    };
    for (const Drawing &d : { Drawing{ 0, 80, kYellow }, Drawing{ 84, 136, kBlue }, Drawing{ 140, 219, kRed } }) {
        SCOPED_TRACE(d.fromColumn);
        int top = 1 << 20, bottom = -1, own = 0;
        for (int y = 40; y <= 100; ++y)
            for (int x = d.fromColumn; x <= d.toColumn; ++x) {
                const QRgb pixel = picture.pixel(x, y);
                own += pixel == d.colour;
                if (pixel != kWhite) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        EXPECT_EQ(top, 49);
        EXPECT_EQ(bottom, 87);
        EXPECT_GE(own, 100);
    }
}

// ------------------------------------------------------------------ icons

QRgb opaque(QRgb colour)
{
    return colour | 0xFF000000;
}

TEST(Pictures, IconsAreBlueWhiteRedInVerticalBands)
{
    struct Case
    {
        const char *name;
        bool map;
    };
    const Case cases[] = {
        { "france-map-32.svg", true },
        { "france-map-16.svg", true },
        { "flag-32.svg", false },
        { "flag-16.svg", false },
    };
    const QRgb bands[] = { kBlue, kWhite, kRed };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QImage picture = image(c.name);
        int seen[3] = { 0, 0, 0 };
        for (int y = 0; y < picture.height(); ++y) {
            int lastBand = 0;
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                const int alpha = qAlpha(pixel);
                ASSERT_TRUE(alpha == 0 || alpha == 255) << "no blended edge at " << x << "," << y;
                if (alpha == 0) {
                    ASSERT_TRUE(c.map) << "a flag fills its square";
                    continue;
                }
                const bool onEdge = x == 0 || y == 0 || x == picture.width() - 1 || y == picture.height() - 1
                        || qAlpha(picture.pixel(x - 1, y)) == 0 || qAlpha(picture.pixel(x + 1, y)) == 0
                        || qAlpha(picture.pixel(x, y - 1)) == 0 || qAlpha(picture.pixel(x, y + 1)) == 0;
                if (c.map && onEdge) {
                    EXPECT_EQ(hex(pixel), hex(kBlack)) << "outline at " << x << "," << y;
                    continue;
                }
                const int b = int(std::find(std::begin(bands), std::end(bands), opaque(pixel)) - bands);
                ASSERT_LT(b, 3) << hex(pixel).toStdString() << " at " << x << "," << y;
                EXPECT_GE(b, lastBand) << "bands run blue, white, red at " << x << "," << y;
                lastBand = b;
                ++seen[b];
            }
        }
        for (int count : seen)
            EXPECT_GT(count, picture.width() / 2);
        if (c.map) {
            for (QPoint corner : { QPoint(0, 0), QPoint(picture.width() - 1, 0), QPoint(0, picture.height() - 1),
                                   QPoint(picture.width() - 1, picture.height() - 1) })
                EXPECT_EQ(qAlpha(picture.pixel(corner)), 0) << "transparent ground";
        }
    }
}

} // namespace
