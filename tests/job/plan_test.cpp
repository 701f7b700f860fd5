#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "job/bars_to_buy.h"
#include "job/identifier_rows.h"
#include "job/plan_statistics.h"
#include "job_fixture.h"

namespace {

ITEM_TO_BE_CUT Item(Length length, int quantity, std::map<std::string, std::int32_t> identifiers = {})
{
    return ITEM_TO_BE_CUT{length, quantity, std::move(identifiers)};
}

OPTIMIZED_RESULT Layout(Length barLength, Length usedLength, int barCount, std::vector<std::int32_t> pieces)
{
    return OPTIMIZED_RESULT{barLength, usedLength, barCount, std::move(pieces)};
}

TYPE_OF_BAR TypeWithMinimum(Length minReusedLength)
{
    TYPE_OF_BAR type;
    type.minReusedLength = minReusedLength;
    type.price = 10;
    type.priceLength = 1000;
    return type;
}

TEST(LayoutStatistics, Cases)
{
    struct CASE {
        const char* name;
        Length minReused;
        std::vector<ITEM_TO_BE_CUT> items;
        std::vector<OPTIMIZED_RESULT> layouts;
        LayoutStatistics expected;
    };
    const CASE cases[] = {
        {"stub reused", 50, {Item(2900, 7)}, {Layout(6000, 5900, 3, {2})}, {17400, 300, 300, 6, 1}},
        {"stub equal to minimum", 100, {Item(2900, 6)}, {Layout(6000, 5900, 3, {2})}, {17400, 300, 300, 6, 0}},
        {"stub below minimum", 101, {Item(2900, 6)}, {Layout(6000, 5900, 3, {2})}, {17400, 0, 600, 6, 0}},
        {"no stub", 50, {Item(3000, 2)}, {Layout(6000, 6000, 1, {2})}, {6000, 0, 0, 2, 0}},
        {"two items two layouts",
         500,
         {Item(2000, 4), Item(1000, 3)},
         {Layout(6000, 5010, 1, {2, 1}), Layout(4000, 3005, 2, {1, 1})},
         {5000 + 6000, 990 + 2 * 995, 10 + 2 * 5, 7, 0}},
        {"nothing cut", 50, {Item(1000, 5)}, {}, {0, 0, 0, 0, 5}},
    };
    for (const CASE& c : cases) {
        const LayoutStatistics s = ComputeLayoutStatistics(TypeWithMinimum(c.minReused), c.items, c.layouts);
        EXPECT_DOUBLE_EQ(s.used, c.expected.used) << c.name;
        EXPECT_DOUBLE_EQ(s.reused, c.expected.reused) << c.name;
        EXPECT_DOUBLE_EQ(s.waste, c.expected.waste) << c.name;
        EXPECT_EQ(s.usedItems, c.expected.usedItems) << c.name;
        EXPECT_EQ(s.unusedItems, c.expected.unusedItems) << c.name;
    }
}

// Counts a broken library may hand back: the piece counts saturate instead of overflowing.
TEST(LayoutStatistics, HugeCountsSaturate)
{
    const std::int32_t most = std::numeric_limits<std::int32_t>::max();
    const std::vector<ITEM_TO_BE_CUT> items = {Item(1, most), Item(1, most), Item(1, most)};
    const std::vector<OPTIMIZED_RESULT> layouts(4, Layout(6000, 3, most, {most, most, most}));
    const LayoutStatistics s = ComputeLayoutStatistics(TypeWithMinimum(0), items, layouts);
    EXPECT_EQ(s.usedItems, most);
    EXPECT_EQ(s.unusedItems, std::numeric_limits<std::int32_t>::min());
}

TEST(LayoutStatistics, TypeCostsAndShares)
{
    const LayoutStatistics s{17400, 300, 300, 6, 1};
    const TYPE_COSTS costs = ComputeTypeCosts(TypeWithMinimum(50), s);
    EXPECT_DOUBLE_EQ(costs.totalLength, 18000);
    EXPECT_DOUBLE_EQ(costs.totalCost, 180);
    EXPECT_DOUBLE_EQ(costs.usedCost, 174);
    EXPECT_DOUBLE_EQ(costs.wasteCost, 3);
    EXPECT_DOUBLE_EQ(costs.reusedPercent, 300 * 100.0 / 18000);

    TYPE_OF_BAR free = TypeWithMinimum(50);
    free.priceLength = 0.000001;
    const TYPE_COSTS zero = ComputeTypeCosts(free, LayoutStatistics{});
    EXPECT_EQ(zero.totalCost, 0);
    EXPECT_EQ(zero.usedPercent, 0);
}

class PlanTest : public JobTest {};

TEST_F(PlanTest, PlanTotalsStopOnAnInvalidPrice)
{
    AddType("P1");
    CuttingPlan plan;
    plan.AddItem(TypeIndex("P1"), Item(2900, 6));
    plan.AddLayout(TypeIndex("P1"), Layout(6000, 5900, 3, {2}));
    const PLAN_TOTALS totals = ComputePlanTotals(data, plan);
    EXPECT_DOUBLE_EQ(totals.totalCost, 18000 * 12.5 / 1000);
    EXPECT_DOUBLE_EQ(totals.usedPercent, 17400 * 100.0 / 18000);

    TYPE_OF_BAR type = data.GetTypeOfBar(0);
    type.priceLength = 0.000009;
    data.UpdateTypeOfBar(0, type);
    EXPECT_EQ(RaisedMessage([&] { ComputePlanTotals(data, plan); }), "Stock is invalid!");
}

TEST_F(PlanTest, BarsToBuy)
{
    struct CASE {
        const char* name;
        std::vector<BAR> stock;
        std::vector<OPTIMIZED_RESULT> layouts;
        std::vector<BAR> expected;
    };
    const std::vector<OPTIMIZED_RESULT> mixed = {Layout(6000, 5000, 2, {1}), Layout(6000, 5000, 1, {1}),
                                                 Layout(4000, 3000, 1, {1})};
    const CASE cases[] = {
        {"partly in stock", {{6000, 2}}, mixed, {{6000, 1}, {4000, 1}}},
        {"enough stock", {{6000, 5}}, mixed, {{4000, 1}}},
        {"negative stock", {{6000, -2}, {6000, 10}}, mixed, {{6000, 3}, {4000, 1}}},
        {"groups not consecutive",
         {},
         {Layout(6000, 5000, 1, {1}), Layout(4000, 3000, 1, {1}), Layout(6000, 5000, 2, {1})},
         {{6000, 1}, {4000, 1}, {6000, 2}}},
        {"all in stock", {{6000, 3}, {4000, 1}}, mixed, {}},
    };
    for (const CASE& c : cases) {
        const std::string code = std::string("T") + std::to_string(&c - cases);
        AddType(code, c.stock);
        CuttingPlan plan;
        plan.AddItem(TypeIndex(code), Item(1000, 10));
        for (const OPTIMIZED_RESULT& layout : c.layouts) {
            plan.AddLayout(TypeIndex(code), layout);
        }
        const std::vector<NEEDED_BAR> needed = BarsToBuy(data, plan);
        if (c.expected.empty()) {
            EXPECT_TRUE(needed.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(needed.size(), 1u) << c.name;
        EXPECT_EQ(needed[0].typeIndex, TypeIndex(code));
        ASSERT_EQ(needed[0].bars.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(needed[0].bars[i].length, c.expected[i].length) << c.name;
            EXPECT_EQ(needed[0].bars[i].quantity, c.expected[i].quantity) << c.name;
        }
    }
}

std::string RowsText(const std::vector<IDENTIFIER_ROW>& rows)
{
    std::string text;
    for (const IDENTIFIER_ROW& row : rows) {
        text += std::to_string(row.barCount) + ":";
        for (const IDENTIFIER_ENTRY& entry : row.entries) {
            text += " " + std::to_string(static_cast<int>(entry.length)) + "/" + entry.identifier + "x" +
                    std::to_string(entry.piecesPerBar);
        }
        text += row.reusable ? " R;" : " W;";
    }
    return text;
}

TEST(AssignIdentifiers, Cases)
{
    struct CASE {
        const char* name;
        std::vector<ITEM_TO_BE_CUT> items;
        std::vector<OPTIMIZED_RESULT> layouts;
        std::string expected;
    };
    const CASE cases[] = {
        {"whole rows per identifier",
         {Item(1000, 6, {{"A", 4}, {"B", 2}})},
         {Layout(6000, 2000, 3, {2})},
         "2: 1000/Ax2 R;1: 1000/Bx2 R;"},
        {"one bar from several identifiers",
         {Item(1000, 6, {{"A", 1}, {"B", 3}, {"C", 2}})},
         {Layout(3000, 3000, 2, {3})},
         "1: 1000/Ax1 1000/Bx2 W;1: 1000/Bx1 1000/Cx2 W;"},
        {"counts shared across layouts and items",
         {Item(2000, 2, {{"-|", 2}}), Item(500, 4, {{"K", 4}})},
         {Layout(6000, 5000, 1, {2, 2}), Layout(4000, 1000, 2, {0, 1})},
         "1: 2000/-|x2 500/Kx2 R;2: 500/Kx1 R;"},
        {"more bars than identifiers ask for",
         {Item(1000, 1, {{"A", 1}})},
         {Layout(1000, 1000, 3, {1})},
         "1: 1000/Ax1 W;2: W;"},
    };
    for (const CASE& c : cases) {
        std::vector<ITEM_TO_BE_CUT> working = c.items;
        std::string text;
        for (const OPTIMIZED_RESULT& layout : c.layouts) {
            text += RowsText(AssignIdentifiers(layout, working, TypeWithMinimum(300)));
        }
        EXPECT_EQ(text, c.expected) << c.name;
    }
}

TEST(CuttingPlan, SequenceIsInTypeOrderAndBuiltOnce)
{
    CuttingPlan plan;
    plan.AddItem(5, Item(100, 1));
    plan.AddItem(2, Item(200, 1));
    plan.AddLayout(5, Layout(6000, 100, 1, {1}));
    const std::vector<TOB_RESULT>& sequence = plan.Sequence();
    ASSERT_EQ(sequence.size(), 2u);
    EXPECT_EQ(sequence[0].typeIndex, 2);
    EXPECT_EQ(sequence[1].layouts.size(), 1u);
    EXPECT_EQ(&plan.Sequence(), &sequence);
}

TEST(CuttingPlan, ValidateRejectsBrokenPlans)
{
    struct CASE {
        const char* name;
        int typeIndex;
        ITEM_TO_BE_CUT item;
        OPTIMIZED_RESULT layout;
        bool valid;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const CASE cases[] = {
        {"sound", 0, Item(100, 1, {{"A", 1}}), Layout(6000, 100, 1, {1}), true},
        {"pieces too short", 0, Item(100, 1), Layout(6000, 100, 1, {}), false},
        {"pieces too long", 0, Item(100, 1), Layout(6000, 100, 1, {1, 1}), false},
        {"negative bar count", 0, Item(100, 1), Layout(6000, 100, -1, {1}), false},
        {"negative pieces", 0, Item(100, 1), Layout(6000, 100, 1, {-1}), false},
        {"negative quantity", 0, Item(100, -1), Layout(6000, 100, 1, {1}), false},
        {"negative identifier count", 0, Item(100, 1, {{"A", -1}}), Layout(6000, 100, 1, {1}), false},
        {"not a number", 0, Item(nan, 1), Layout(6000, 100, 1, {1}), false},
        {"unknown type", 3, Item(100, 1), Layout(6000, 100, 1, {1}), false},
    };
    for (const CASE& c : cases) {
        CuttingPlan plan;
        plan.AddItem(c.typeIndex, c.item);
        plan.AddLayout(c.typeIndex, c.layout);
        const std::string message = RaisedMessage([&] { plan.Validate(2); });
        EXPECT_EQ(message.empty(), c.valid) << c.name << ": " << message;
    }
}

} // namespace
