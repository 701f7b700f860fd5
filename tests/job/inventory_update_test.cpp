#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "job/inventory_update.h"
#include "job_fixture.h"

namespace {

class InventoryUpdateTest : public JobTest {};

std::string StockText(const std::vector<BAR>& stock)
{
    std::string text;
    for (const BAR& bar : stock) {
        char line[64];
        std::snprintf(line, sizeof line, "%.17g x %d; ", bar.length, bar.quantity);
        text += line;
    }
    return text;
}

TEST_F(InventoryUpdateTest, Cases)
{
    struct CASE {
        const char* name;
        std::vector<BAR> stock;
        Length minReused;
        std::vector<OPTIMIZED_RESULT> layouts;
        std::string expected;
    };
    const CASE cases[] = {
        {"stubs returned", {{6000, 5}}, 300, {{6000, 5500, 3, {1}}}, "500 x 3; 6000 x 2; "},
        {"stubs too short", {{6000, 5}}, 600, {{6000, 5500, 3, {1}}}, "6000 x 2; "},
        {"more bars than in stock", {{6000, 2}}, 300, {{6000, 5900, 3, {1}}}, "6000 x -1; "},
        {"stock used up", {{6000, 3}}, 300, {{6000, 5900, 3, {1}}}, ""},
        {"stub joins an equal length", {{500, 1}, {6000, 1}}, 300, {{6000, 5500, 1, {1}}}, "500 x 2; "},
        {"a different stub length stays apart", {{500, 1}, {6000, 1}}, 300, {{6000, 5499.5, 1, {1}}},
         "500 x 1; 500.5 x 1; "},
        {"stub equal to the minimum", {{6000, 1}}, 500, {{6000, 5500, 1, {1}}}, "500 x 1; "},
        {"whole bar used with no minimum", {{6000, 1}}, 0, {{6000, 6000, 1, {1}}}, ""},
        {"later duplicate stock entry wins", {{6000, 1}, {6000, 4}}, 300, {{6000, 5950, 1, {1}}}, "6000 x 3; "},
        {"new length from outside the stock", {}, 300, {{4000, 3000, 2, {1}}}, "1000 x 2; 4000 x -2; "},
    };
    for (const CASE& c : cases) {
        const std::string code = std::string("T") + std::to_string(&c - cases);
        AddType(code, c.stock, c.minReused);
        CuttingPlan plan;
        plan.AddItem(TypeIndex(code), ITEM_TO_BE_CUT{100, 1, {}});
        for (const OPTIMIZED_RESULT& layout : c.layouts) {
            plan.AddLayout(TypeIndex(code), layout);
        }
        UpdateInventory(data, plan);
        EXPECT_EQ(StockText(Stock(code)), c.expected) << c.name;
    }
}

TEST_F(InventoryUpdateTest, TypesOutsideThePlanAreUntouched)
{
    AddType("P1", {{6000, 5}});
    AddType("P2", {{3000, 7}});
    CuttingPlan plan;
    plan.AddLayout(TypeIndex("P1"), OPTIMIZED_RESULT{6000, 6000, 1, {}});
    UpdateInventory(data, plan);
    UpdateInventory(data, plan); // each call applies the plan again
    EXPECT_EQ(StockText(Stock("P1")), "6000 x 3; ");
    EXPECT_EQ(StockText(Stock("P2")), "3000 x 7; ");
}

} // namespace
