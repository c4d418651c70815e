// One register cell of the serial trainer: what it shows after taking a
// neighbour's value or a stored character, including a cell never set,
// whose two pictures both stand visible with the "0" in front.

#include "SerialFixture.h"

#include <vector>

namespace {

enum class Start { NeverSet, Zero, One };

struct Cells
{
    QWidget parent;
    forms::Image zero0{ &parent, QRect(0, 0, 16, 17), QPixmap() };
    forms::Image one0{ &parent, QRect(0, 0, 16, 17), QPixmap() };
    forms::Image zero1{ &parent, QRect(20, 0, 16, 17), QPixmap() };
    forms::Image one1{ &parent, QRect(20, 0, 16, 17), QPixmap() };
    BitCell source{ zero0, one0, QStringLiteral("source") };
    BitCell target{ zero1, one1, QStringLiteral("cible") };
};

void put(BitCell &cell, Start start)
{
    if (start == Start::Zero)
        cell.set0();
    if (start == Start::One)
        cell.set1();
}

// What the learner sees and whether exactly one picture stands.
std::string state(const BitCell &cell)
{
    if (cell.zeroShown() && cell.oneShown())
        return "0 (both)";
    return cell.zeroShown() ? "0" : cell.oneShown() ? "1" : "none";
}

TEST(SerialCell, CopiesANeighbourANeverSetOneAsZero)
{
    const std::vector<std::tuple<Start, Start, std::string>> cases = {
        { Start::NeverSet, Start::One, "0" }, { Start::NeverSet, Start::NeverSet, "0" },
        { Start::Zero, Start::One, "0" },     { Start::One, Start::Zero, "1" },
        { Start::One, Start::NeverSet, "1" },
    };
    for (const auto &[source, target, expected] : cases) {
        Cells cells;
        put(cells.source, source);
        put(cells.target, target);
        cells.target.copyFrom(cells.source);
        EXPECT_EQ(state(cells.target), expected)
                << "source " << static_cast<int>(source) << ", target " << static_cast<int>(target);
    }
}

TEST(SerialCell, TakesOnlyTheTextsZeroAndOne)
{
    const std::vector<std::tuple<QString, Start, std::string>> cases = {
        { QStringLiteral("1"), Start::Zero, "1" },     { QStringLiteral("0"), Start::One, "0" },
        { QStringLiteral("1"), Start::NeverSet, "1" }, { QString(), Start::One, "1" },
        { QStringLiteral("x"), Start::One, "1" },      { QStringLiteral("10"), Start::Zero, "0" },
        { QString(), Start::NeverSet, "0 (both)" },
    };
    for (const auto &[bit, start, expected] : cases) {
        Cells cells;
        put(cells.target, start);
        cells.target.take(bit);
        EXPECT_EQ(state(cells.target), expected) << "bit \"" << bit.toStdString() << '"';
    }
}

} // namespace
