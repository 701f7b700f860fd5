#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "job/optimization_run.h"
#include "job/optimizer_bridge.h"
#include "job_fixture.h"

namespace {

struct ORDER_RECORDER : IOrderTarget {
    std::vector<std::string> calls;
    void KX_OPTIMIZER_CALL SetProfileCode(const char* t) override { calls.push_back(std::string("P=") + t); }
    void KX_OPTIMIZER_CALL SetMaterial(const char* t) override { calls.push_back(std::string("M=") + t); }
    void KX_OPTIMIZER_CALL SetColor(const char* t) override { calls.push_back(std::string("C=") + t); }
    void KX_OPTIMIZER_CALL SetIdentifier(const char* t) override { calls.push_back(std::string("I=") + t); }
    void KX_OPTIMIZER_CALL SetLength(double v) override { calls.push_back("L=" + std::to_string(int(v))); }
    void KX_OPTIMIZER_CALL SetQuantity(int32_t v) override { calls.push_back("Q=" + std::to_string(v)); }
    void KX_OPTIMIZER_CALL SetTypeIndex(int32_t v) override { calls.push_back("T=" + std::to_string(v)); }
};

class BridgeTest : public JobTest {
protected:
    void Add(const std::string& code, Length length, int quantity, const std::string& id = "A",
             const std::string& material = "AL", const std::string& color = "WHITE")
    {
        ORDER order = MakeOrder(code, length, quantity, id, material, color);
        data.AddOrder(order);
    }
};

TEST(OrderLess, KeysInOrder)
{
    struct CASE {
        ORDER a;
        ORDER b;
        bool less;
    };
    const CASE cases[] = {
        {MakeOrder("P1", 2000, 1), MakeOrder("p1", 3000, 1, "A1", "al", "white"), false}, // longer first
        {MakeOrder("p1", 3000, 1, "A1", "al", "white"), MakeOrder("P1", 2000, 1), true},
        {MakeOrder("P1", 100, 1), MakeOrder("P2", 900, 1), true},
        {MakeOrder("P1", 100, 1, "A1", "AL", "BLACK"), MakeOrder("P1", 100, 1), true},
        {MakeOrder("P1", 100, 1, "b"), MakeOrder("P1", 100, 1, "A"), false},
        {MakeOrder("P1", 100, 1, "a"), MakeOrder("P1", 100, 2, "A"), true},
        {MakeOrder("P1", 100, 1), MakeOrder("P1", 100, 1), false},
    };
    for (const CASE& c : cases) {
        EXPECT_EQ(OrderLess(c.a, c.b), c.less) << c.a.profileCode << c.a.length << " " << c.b.profileCode;
    }
}

TEST_F(BridgeTest, SnapshotTakesSortedOrdersAndEachStockOnce)
{
    AddType("P1", {{6000, 2}, {3000, 1}});
    AddType("P2", {{4000, 9}});
    Add("P2", 500, 1);
    Add("P1", 2000, 2, "B");
    Add("P1", 3000, 1, "A");
    AddType("P0"); // the bar database is sorted: indexes move after the orders were taken
    COptimizer optimizer(data);
    ASSERT_EQ(optimizer.OrderCount(), 3);
    ORDER_RECORDER first;
    optimizer.ReadOrder(0, &first);
    const int p1 = TypeIndex("P1");
    EXPECT_EQ(first.calls, (std::vector<std::string>{"P=P1", "M=AL", "C=WHITE", "I=A", "L=3000", "Q=1",
                                                     "T=" + std::to_string(p1)}));
    EXPECT_EQ(optimizer.StockBarCount(p1), 2);
    double length = 0;
    int32_t quantity = 0;
    optimizer.ReadStockBar(p1, 1, &length, &quantity);
    EXPECT_EQ(length, 3000);
    EXPECT_EQ(quantity, 1);
    EXPECT_EQ(optimizer.DefaultLength(p1), 6000);
    EXPECT_EQ(optimizer.MinReusedLength(p1), 300);
    EXPECT_EQ(optimizer.MaxWasteLength(p1), 50);
    EXPECT_EQ(optimizer.ReuseStubs(), 0);
    optimizer.SetReuseStubs(true);
    EXPECT_EQ(optimizer.ReuseStubs(), 1);

    // What no order uses, or what lies beyond the counts, reads as zeros.
    const int p0 = TypeIndex("P0");
    EXPECT_EQ(optimizer.StockBarCount(p0), 0);
    EXPECT_EQ(optimizer.DefaultLength(p0), 0);
    optimizer.ReadStockBar(p1, 2, &length, &quantity);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(quantity, 0);
    EXPECT_EQ(optimizer.MinReusedLength(99), 0);
    ORDER_RECORDER none;
    optimizer.ReadOrder(3, &none);
    EXPECT_TRUE(none.calls.empty());
}

TEST_F(BridgeTest, OrdersOfRemovedTypesAreLeftOut)
{
    AddType("P1");
    Add("P1", 100, 1);
    data.RemoveTypeOfBar(TypeIndex("P1"));
    EXPECT_EQ(COptimizer(data).OrderCount(), 0);
}

TEST(ProgressPosition, Scale)
{
    struct CASE {
        long long count;
        long long total;
        int position;
    };
    const CASE cases[] = {{10, 40, 500}, {0, 40, 0},  {40, 40, 2000}, {41, 40, 2000}, {-5, 40, 0},
                          {7, 0, 0},     {1, 3, 666}, {2147483647LL * 1000, 2147483647LL * 2000, 1000}};
    for (const CASE& c : cases) {
        EXPECT_EQ(ProgressPosition(c.count, c.total), c.position) << c.count << "/" << c.total;
    }
}

class RunTest : public BridgeTest {
protected:
    std::vector<int> positions;
    std::atomic<int> finishedCalls{0};
    std::atomic<bool> stoppedFlag{false};

    void StartAndWait(COptimizationRun& run, double mode)
    {
        run.Start(
            mode, [this](int position) { positions.push_back(position); },
            [this](bool stopped) {
                stoppedFlag = stopped;
                ++finishedCalls;
            });
        run.Wait();
    }
};

TEST_F(RunTest, RunHandsBackThePlan)
{
    AddType("P1");
    AddType("P2");
    Add("P1", 2500, 30, "A");
    Add("P2", 1000, 10, "");
    COptimizationRun run(data, true, SCRIPTED_OPTIMIZER_LIBRARY);
    EXPECT_EQ(run.OrderCount(), 2);
    StartAndWait(run, 0);
    EXPECT_TRUE(run.IsFinished());
    EXPECT_FALSE(run.WasStopped());
    EXPECT_EQ(finishedCalls, 1);
    EXPECT_EQ(positions, (std::vector<int>{500, 2000})); // 10 of 40 pieces, then the end
    const std::vector<TOB_RESULT>& plan = run.Plan().Sequence();
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[0].typeIndex, TypeIndex("P1"));
    ASSERT_EQ(plan[1].items.size(), 1u);
    EXPECT_EQ(plan[1].items[0].identifiers.at("-|"), 10); // the second count of a repeated identifier
    EXPECT_EQ(plan[1].layouts[0].barLength, 6000);
    EXPECT_EQ(plan[1].layouts[0].pieces, std::vector<int32_t>{1});
    EXPECT_EQ(run.LowerBound(TypeIndex("P1")), 30);
    EXPECT_EQ(run.LowerBound(TypeIndex("P2")), std::nullopt);
}

TEST_F(RunTest, BrokenPlanIsRejected)
{
    AddType("P1");
    Add("P1", 2500, 3);
    COptimizationRun run(data, false, SCRIPTED_OPTIMIZER_LIBRARY);
    StartAndWait(run, 1);
    EXPECT_EQ(finishedCalls, 1);
    EXPECT_EQ(RaisedMessage([&] { run.Plan(); }), "The optimizer returned an invalid cutting plan!");
}

TEST_F(RunTest, StopEndsARunningOptimization)
{
    AddType("P1");
    Add("P1", 2500, 3);
    COptimizationRun run(data, false, SCRIPTED_OPTIMIZER_LIBRARY);
    run.Start(2, nullptr, [this](bool stopped) { stoppedFlag = stopped; });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(run.IsFinished());
    run.Stop();
    run.Stop(); // a second press changes nothing
    run.Wait();
    EXPECT_TRUE(run.IsFinished());
    EXPECT_TRUE(run.WasStopped());
    EXPECT_TRUE(stoppedFlag);
}

TEST_F(RunTest, DestroyingARunningRunStopsIt)
{
    AddType("P1");
    Add("P1", 2500, 3);
    COptimizationRun run(data, false, SCRIPTED_OPTIMIZER_LIBRARY);
    run.Start(2, nullptr, nullptr);
} // the destructor stops the library and waits

TEST_F(RunTest, MissingOrIncompleteLibraryCannotOptimize)
{
    for (const std::string& path : {folder.File("demo.so"), std::string(INCOMPLETE_OPTIMIZER_LIBRARY)}) {
        EXPECT_EQ(RaisedMessage([&] { COptimizationRun run(data, false, path); }), "Cannot optimize!") << path;
    }
}

TEST_F(RunTest, RealLibraryPlansAValidJob)
{
    AddType("P1", {{6000, 2}});
    Add("P1", 2500, 5, "A");
    Add("P1", 1200, 4, "B");
    COptimizationRun run(data, true, DEMO_OPTIMIZER_LIBRARY);
    StartAndWait(run, 3);
    ASSERT_EQ(run.Plan().Sequence().size(), 1u);
    const TOB_RESULT& result = run.Plan().Sequence()[0];
    int cut = 0;
    for (const OPTIMIZED_RESULT& layout : result.layouts) {
        for (std::size_t k = 0; k < result.items.size(); ++k) {
            cut += layout.pieces[k] * layout.barCount;
        }
    }
    EXPECT_EQ(cut, 9);
    EXPECT_EQ(positions.back(), 2000);
    int bars = 0;
    for (const OPTIMIZED_RESULT& layout : result.layouts) {
        bars += layout.barCount;
    }
    ASSERT_TRUE(run.LowerBound(TypeIndex("P1")).has_value()); // bars of one length: the library proves a bound
    EXPECT_LE(*run.LowerBound(TypeIndex("P1")), bars);
    EXPECT_GE(*run.LowerBound(TypeIndex("P1")), 3); // 17.3 m of pieces on 6 m bars
}

} // namespace
