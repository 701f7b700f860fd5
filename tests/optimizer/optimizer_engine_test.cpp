#include "fake_optimizer.h"
#include "optimizer_engine.h"
#include "plan_validator.h"
#include "test_jobs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <future>
#include <random>
#include <thread>

namespace kalomax::test {
namespace {

using namespace std::chrono_literals;
using optimizer::COptimizerEngine;

int32_t RunEngine(FakeOptimizer& job, double sawThickness, std::chrono::milliseconds limit = 5000ms,
                  IDelegate<int>* progress = nullptr)
{
    COptimizerEngine engine;
    engine.SetTimeLimit(limit);
    engine.SetProgress(progress);
    return engine.Run(job, sawThickness);
}

std::string Faults(const std::vector<std::string>& faults)
{
    std::string text;
    for (const std::string& f : faults)
        text += f + "\n";
    return text;
}

// ---------------------------------------------------------------------------
// Small jobs whose best plan is known.

struct SmallCase {
    const char* name;
    std::vector<FakeOrder> orders;
    FakeType type;
    uint8_t reuseStubs;
    double sawThickness;
    int64_t bars;
    double barLength;
    int64_t uncut;
    double newBarLength = -1;  // < 0: not checked
    double wasteLength = -1;   // < 0: not checked
    int64_t middleLeftovers = -1;
    int64_t layouts = -1;
};

FakeOrder Order(double length, int32_t quantity, const std::string& identifier = "-|")
{
    FakeOrder order;
    order.length = length;
    order.quantity = quantity;
    order.identifier = identifier;
    return order;
}

FakeType Bars(double defaultLength, std::vector<std::pair<double, int32_t>> stock = {},
              double minReusedLength = 500, double maxWasteLength = 100)
{
    return FakeType{defaultLength, std::move(stock), minReusedLength, maxWasteLength};
}

void PrintTo(const SmallCase& c, std::ostream* os)
{
    *os << c.name;
}

class OptimizerSmallJobs : public testing::TestWithParam<SmallCase> {};

TEST_P(OptimizerSmallJobs, FindsTheBestPlan)
{
    const SmallCase& c = GetParam();
    FakeOptimizer job;
    job.orders = c.orders;
    job.types[0] = c.type;
    job.reuseStubs = c.reuseStubs;
    EXPECT_EQ(RunEngine(job, c.sawThickness), KX_OPTIMIZER_DONE);
    EXPECT_EQ(Faults(ValidatePlan(job, c.sawThickness)), "");
    const PlanFigures figures = Figures(job, 0, c.sawThickness);
    EXPECT_EQ(figures.uncutPieces, c.uncut);
    EXPECT_EQ(figures.bars, c.bars);
    EXPECT_DOUBLE_EQ(figures.barLength, c.barLength);
    if (c.newBarLength >= 0) {
        EXPECT_DOUBLE_EQ(figures.newBarLength, c.newBarLength);
    }
    if (c.wasteLength >= 0) {
        EXPECT_NEAR(figures.wasteLength, c.wasteLength, 1e-6);
    }
    if (c.middleLeftovers >= 0) {
        EXPECT_EQ(figures.middleLeftovers, c.middleLeftovers);
    }
    if (c.layouts >= 0) {
        EXPECT_EQ(figures.layouts, c.layouts);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptimizerSmallJobs,
    testing::Values(
        SmallCase{"ThreePiecesFillOneBar", {Order(2000, 3)}, Bars(6000), 0, 0, 1, 6000, 0, 6000, 0, 0, 1},
        SmallCase{"SawCutsNeedASecondBar", {Order(2000, 3)}, Bars(6000), 0, 5, 2, 12000, 0},
        SmallCase{"NoSawCutAfterTheLastPiece", {Order(1995, 3)}, Bars(6000), 0, 5, 1, 6000, 0},
        SmallCase{"ExactFitWithSawCut", {Order(2990, 2)}, Bars(6000), 0, 20, 1, 6000, 0, 6000, 20},
        SmallCase{"PieceLongerThanEveryBarStaysUncut", {Order(7000, 2), Order(1000, 1)}, Bars(6000), 1, 0, 1,
                  6000, 2},
        SmallCase{"ShortStubsBeatANewBar", {Order(2400, 2)}, Bars(6000, {{2500, 2}}), 1, 0, 2, 5000, 0, 0},
        SmallCase{"StockBeatsNewBarsOfTheSameTotal", {Order(2900, 2)}, Bars(6000, {{3000, 2}}), 1, 0, 2, 6000,
                  0, 0},
        SmallCase{"StubsAreLeftAloneWithoutReuse", {Order(2400, 2)}, Bars(6000, {{2500, 2}}), 0, 0, 1, 6000,
                  0, 6000},
        SmallCase{"NeverMoreStubsThanInStock", {Order(2400, 3)}, Bars(6000, {{2500, 1}}), 1, 0, 2, 8500, 0,
                  6000},
        SmallCase{"NoDefaultLengthMeansNoNewBars", {Order(2000, 4)}, Bars(0, {{6000, 1}}), 1, 0, 1, 6000, 1,
                  0},
        SmallCase{"NoDefaultLengthAndNoReuseCutsNothing", {Order(2000, 4)}, Bars(0, {{6000, 1}}), 0, 0, 0, 0,
                  4},
        SmallCase{"LongPieceGetsTheLongStockBar", {Order(7000, 1), Order(4000, 2)}, Bars(6000, {{8000, 1}}), 1,
                  0, 3, 20000, 0},
        SmallCase{"StockOfTheDefaultLengthComesFirst", {Order(5000, 2)}, Bars(6000, {{6000, 1}}), 0, 0, 2,
                  12000, 0, 6000, -1, -1, 1},
        SmallCase{"OnlyTheFirstStockEntryOfALengthCounts", {Order(2900, 3)},
                  Bars(6000, {{3000, 1}, {3000, 5}}), 1, 0, 2, 9000, 0, 6000},
        SmallCase{"NegativeStockIsNotUsed", {Order(2900, 1)}, Bars(6000, {{3000, -2}}), 1, 0, 1, 6000, 0},
        SmallCase{"LeftoverGathersIntoAReusableStub", {Order(3000, 1), Order(2800, 1), Order(2000, 1), Order(1000, 1)},
                  Bars(6000, {}, 1000, 100), 0, 0, 2, 12000, 0, 12000, 0},
        SmallCase{"FewerLeftoversBetweenWasteAndReuse", {Order(2950, 2), Order(2900, 2)},
                  Bars(6000, {}, 1000, 100), 0, 0, 2, 12000, 0, 12000, 300, 1},
        SmallCase{"FewestLayouts", {Order(1000, 6), Order(2000, 2)}, Bars(6000, {}, 500, 100), 0, 0, 2, 12000,
                  0, 12000, 0, 0, 1},
        SmallCase{"LessWasteBeforeFewerLayouts", {Order(1000, 6), Order(2000, 2)}, Bars(6000, {}, 1500, 100), 0,
                  0, 2, 12000, 0, 12000, 0, 0, 2},
        SmallCase{"OrdersOfOneLengthMerge", {Order(1500, 2, "A"), Order(1500, 3, "B"), Order(1500, 1, "A")},
                  Bars(6000), 0, 0, 2, 12000, 0, -1, 0, 0, 1},
        SmallCase{"NegativeOrderReducesItsItem", {Order(1000, 5, "A"), Order(1000, -2, "B")}, Bars(6000), 0, 0,
                  1, 6000, 0},
        SmallCase{"ItemsOfNoQuantityAskForNothing", {Order(1000, 0), Order(2000, -3)}, Bars(6000), 0, 0, 0, 0,
                  0},
        SmallCase{"HugeQuantity", {Order(1000, 2000000000)}, Bars(6000), 0, 0, 333333334, 2000000004000.0, 0},
        SmallCase{"ZeroLengthPiecesAreNotCut", {Order(0, 2), Order(1000, 1)}, Bars(6000), 0, 3, 1, 6000, 2}),
    [](const testing::TestParamInfo<SmallCase>& info) { return std::string(info.param.name); });

TEST(OptimizerEngine, DeliversItemsLongestFirstWithTheirIdentifiers)
{
    FakeOptimizer job;
    AddOrder(job, 3, 1500, 2, "B");
    AddOrder(job, 3, 2500, 1, "-|");
    AddOrder(job, 3, 1500, 3, "A");
    AddOrder(job, 3, 1500, -1, "C");
    job.types[3] = Bars(6000);
    ASSERT_EQ(RunEngine(job, 0), KX_OPTIMIZER_DONE);
    ASSERT_EQ(job.plan.size(), 1u);
    const RecordedType& type = job.plan.at(3);
    ASSERT_EQ(type.items.size(), 2u);
    EXPECT_EQ(type.items[0], (RecordedItem{2500, 1, {{"-|", 1}}}));
    EXPECT_EQ(type.items[1], (RecordedItem{1500, 4, {{"A", 3}, {"B", 2}}}));
    EXPECT_EQ(Faults(ValidatePlan(job, 0)), "");
}

TEST(OptimizerEngine, TypesWithoutWorkAreLeftOutAndOthersDelivered)
{
    FakeOptimizer job;
    AddOrder(job, 2, 1000, 0);
    AddOrder(job, 5, 1000, 4);
    job.types[2] = Bars(6000);
    job.types[5] = Bars(6000);
    ASSERT_EQ(RunEngine(job, 0), KX_OPTIMIZER_DONE);
    EXPECT_EQ(job.plan.count(2), 0u);
    EXPECT_EQ(job.plan.count(5), 1u);
    EXPECT_EQ(Faults(ValidatePlan(job, 0)), "");
}

TEST(OptimizerEngine, ReuseOfStubsChangesWhichBarsAreCut)
{
    auto make = [](uint8_t reuse) {
        FakeOptimizer job;
        job.reuseStubs = reuse;
        AddOrder(job, 0, 1200, 5);
        AddOrder(job, 0, 700, 3);
        job.types[0] = Bars(6000, {{1300, 3}, {2000, 2}, {6000, 1}});
        return job;
    };
    FakeOptimizer withStubs = make(1), withoutStubs = make(0);
    ASSERT_EQ(RunEngine(withStubs, 3), KX_OPTIMIZER_DONE);
    ASSERT_EQ(RunEngine(withoutStubs, 3), KX_OPTIMIZER_DONE);
    EXPECT_EQ(Faults(ValidatePlan(withStubs, 3)), "");
    EXPECT_EQ(Faults(ValidatePlan(withoutStubs, 3)), "");
    for (const RecordedLayout& layout : withoutStubs.plan.at(0).layouts)
        EXPECT_EQ(layout.barLength, 6000);
    bool stubUsed = false;
    for (const RecordedLayout& layout : withStubs.plan.at(0).layouts)
        stubUsed = stubUsed || layout.barLength != 6000;
    EXPECT_TRUE(stubUsed);
    EXPECT_LT(Figures(withStubs, 0, 3).barLength, Figures(withoutStubs, 0, 3).barLength);
}

// ---------------------------------------------------------------------------
// Random jobs.

FakeOptimizer RandomJob(uint32_t seed, double& sawThickness)
{
    std::mt19937 random(seed);
    auto pick = [&](auto... values) {
        const double options[] = {static_cast<double>(values)...};
        return options[random() % (sizeof...(values))];
    };
    FakeOptimizer job;
    job.reuseStubs = static_cast<uint8_t>(random() % 2);
    sawThickness = pick(0, 2.5, 4, -1);
    const int types = 1 + static_cast<int>(random() % 3);
    const char* identifiers[] = {"A", "B", "C", "-|"};
    for (int t = 0; t < types; ++t) {
        const int32_t typeIndex = static_cast<int32_t>(random() % 10);
        FakeType& type = job.types[typeIndex];
        type.defaultLength = pick(0, 3000, 6000, 6500.5, 6000);
        type.minReusedLength = pick(0, 300, 800);
        type.maxWasteLength = pick(0, 50, 200);
        const int stock = static_cast<int>(random() % 7);
        for (int s = 0; s < stock; ++s)
            type.stock.push_back({pick(0, 800, 1250.25, 2000, 3000, 6000, 7000, 9000),
                                  static_cast<int32_t>(random() % 6) - 1});
        const int lengths = 1 + static_cast<int>(random() % 15);
        for (int l = 0; l < lengths; ++l) {
            const double length = 10 + static_cast<double>(random() % 70000) / 10.0;
            const int orders = 1 + static_cast<int>(random() % 2);
            for (int o = 0; o < orders; ++o)
                AddOrder(job, typeIndex, length, static_cast<int32_t>(random() % 28) - 2,
                         identifiers[random() % 4]);
        }
    }
    std::shuffle(job.orders.begin(), job.orders.end(), random);
    return job;
}

TEST(OptimizerEngine, RandomJobsGiveValidPlans)
{
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        double sawThickness = 0;
        FakeOptimizer job = RandomJob(seed, sawThickness);
        ASSERT_EQ(RunEngine(job, sawThickness), KX_OPTIMIZER_DONE) << "seed " << seed;
        EXPECT_EQ(Faults(ValidatePlan(job, sawThickness)), "") << "seed " << seed;
    }
}

// Leaving the stubs alone is one of the plans reuse stubs allows: with them the plan never
// consumes more bar length than without them, unless it cuts more pieces.
TEST(OptimizerEngine, ReusingStubsNeverConsumesMoreThanLeavingThemAlone)
{
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        double sawThickness = 0;
        FakeOptimizer withStubs = RandomJob(seed, sawThickness);
        withStubs.reuseStubs = 1;
        FakeOptimizer withoutStubs = withStubs;
        withoutStubs.reuseStubs = 0;
        ASSERT_EQ(RunEngine(withStubs, sawThickness), KX_OPTIMIZER_DONE) << "seed " << seed;
        ASSERT_EQ(RunEngine(withoutStubs, sawThickness), KX_OPTIMIZER_DONE) << "seed " << seed;
        for (const auto& [typeIndex, type] : withoutStubs.plan) {
            const PlanFigures with = Figures(withStubs, typeIndex, sawThickness);
            const PlanFigures without = Figures(withoutStubs, typeIndex, sawThickness);
            if (with.uncutPieces == without.uncutPieces) {
                EXPECT_LE(with.barLength, without.barLength + 1e-6) << "seed " << seed << " type " << typeIndex;
            }
        }
    }
}

TEST(OptimizerEngine, ManyDistinctLengthsGiveAValidPlan)
{
    FakeOptimizer job;
    job.reuseStubs = 1;
    job.types[0] = Bars(6000, {{2000, 3}, {4500, 2}});
    for (int i = 0; i < 250; ++i) // more than the knapsack branches on
        AddOrder(job, 0, 20.0 + 12.5 * i, 1 + i % 3);
    ASSERT_EQ(RunEngine(job, 2, 1000ms), KX_OPTIMIZER_DONE);
    EXPECT_EQ(Faults(ValidatePlan(job, 2)), "");
    EXPECT_EQ(job.plan.at(0).items.size(), 250u);
    EXPECT_EQ(Figures(job, 0, 2).uncutPieces, 0);
}

// The least (uncut pieces, bar length, new bar length) over every way to lay
// a few pieces out, found by trying them all.
struct Optimum {
    int64_t uncut = INT64_MAX;
    double barLength = 0;
    double newBarLength = 0;
};

bool Better(int64_t uncut, double length, double bought, const Optimum& best)
{
    if (uncut != best.uncut)
        return uncut < best.uncut;
    if (std::fabs(length - best.barLength) > 1e-6)
        return length < best.barLength;
    return bought < best.newBarLength - 1e-6;
}

Optimum Exhaustive(const FakeOptimizer& job, double sawThickness)
{
    const FakeType& type = job.types.begin()->second;
    std::vector<double> pieces;
    for (const FakeOrder& order : job.orders)
        for (int32_t q = 0; q < order.quantity; ++q)
            pieces.push_back(order.length);
    std::sort(pieces.rbegin(), pieces.rend());
    struct Kind {
        double length;
        int64_t available;
        int64_t inStock;
    };
    std::vector<Kind> kinds;
    std::vector<double> seen;
    for (const auto& [length, quantity] : type.stock) {
        if (std::find(seen.begin(), seen.end(), length) != seen.end())
            continue;
        seen.push_back(length);
        if (length > 0 && quantity > 0 && (job.reuseStubs || length == type.defaultLength))
            kinds.push_back({length, quantity, quantity});
    }
    if (type.defaultLength > 0) {
        auto it = std::find_if(kinds.begin(), kinds.end(), [&](const Kind& k) { return k.length == type.defaultLength; });
        if (it == kinds.end())
            kinds.push_back({type.defaultLength, 1000, 0});
        else
            it->available = 1000;
    }
    struct Open {
        size_t kind;
        double required;
    };
    std::vector<Open> open;
    std::vector<int64_t> used(kinds.size(), 0);
    Optimum best;
    const double kerf = std::max(0.0, sawThickness);
    std::function<void(size_t, int64_t)> place = [&](size_t p, int64_t uncut) {
        double length = 0, bought = 0;
        for (size_t k = 0; k < kinds.size(); ++k) {
            length += used[k] * kinds[k].length;
            bought += std::max<int64_t>(0, used[k] - kinds[k].inStock) * kinds[k].length;
        }
        if (uncut > best.uncut || (uncut == best.uncut && length > best.barLength + 1e-6))
            return;
        if (p == pieces.size()) {
            if (Better(uncut, length, bought, best))
                best = {uncut, length, bought};
            return;
        }
        // By index: the recursion opens more bars.
        for (size_t b = 0; b < open.size(); ++b) {
            const double required = open[b].required + kerf + pieces[p];
            if (required <= kinds[open[b].kind].length + 1e-9) {
                const double before = open[b].required;
                open[b].required = required;
                place(p + 1, uncut);
                open[b].required = before;
            }
        }
        for (size_t k = 0; k < kinds.size(); ++k)
            if (used[k] < kinds[k].available && pieces[p] <= kinds[k].length + 1e-9) {
                ++used[k];
                open.push_back({k, pieces[p]});
                place(p + 1, uncut);
                open.pop_back();
                --used[k];
            }
        place(p + 1, uncut + 1);
    };
    place(0, 0);
    return best;
}

TEST(OptimizerEngine, TinyJobsMatchTheExhaustiveOptimum)
{
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed * 7919);
        FakeOptimizer job;
        job.reuseStubs = static_cast<uint8_t>(random() % 2);
        FakeType& type = job.types[0];
        const double defaults[] = {0, 3000, 4000, 6000};
        type.defaultLength = defaults[random() % 4];
        const int stock = static_cast<int>(random() % 4);
        for (int s = 0; s < stock; ++s)
            type.stock.push_back({1000.0 + 250.0 * (random() % 25), static_cast<int32_t>(random() % 3)});
        int pieces = 0;
        const int lengths = 1 + static_cast<int>(random() % 4);
        for (int l = 0; l < lengths && pieces < 7; ++l) {
            const int32_t quantity = std::min<int32_t>(1 + static_cast<int32_t>(random() % 3), 7 - pieces);
            AddOrder(job, 0, 500.0 + 50.0 * (random() % 51), quantity);
            pieces += quantity;
        }
        const double kerfs[] = {0, 3, 10};
        const double sawThickness = kerfs[random() % 3];

        const Optimum optimum = Exhaustive(job, sawThickness);
        ASSERT_EQ(RunEngine(job, sawThickness), KX_OPTIMIZER_DONE);
        ASSERT_EQ(Faults(ValidatePlan(job, sawThickness)), "") << "seed " << seed;
        const PlanFigures figures = Figures(job, 0, sawThickness);
        EXPECT_EQ(figures.uncutPieces, optimum.uncut) << "seed " << seed;
        EXPECT_NEAR(figures.barLength, optimum.barLength, 1e-6) << "seed " << seed;
        EXPECT_NEAR(figures.newBarLength, optimum.newBarLength, 1e-6) << "seed " << seed;
    }
}

// Bars cut into random pieces and the pieces ordered: the best plan uses
// exactly as many bars again.
TEST(OptimizerEngine, FindsPerfectPackingsOfMidSizeJobs)
{
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        std::mt19937 random(seed);
        FakeOptimizer job;
        job.types[0] = Bars(6000);
        const int bars = 30;
        for (int b = 0; b < bars; ++b) {
            std::vector<int> cuts{0, 600};
            const int parts = 2 + static_cast<int>(random() % 4);
            for (int p = 1; p < parts; ++p)
                cuts.push_back(1 + static_cast<int>(random() % 599));
            std::sort(cuts.begin(), cuts.end());
            for (size_t p = 1; p < cuts.size(); ++p)
                if (cuts[p] > cuts[p - 1])
                    AddOrder(job, 0, 10.0 * (cuts[p] - cuts[p - 1]), 1);
        }
        ASSERT_EQ(RunEngine(job, 0), KX_OPTIMIZER_DONE);
        EXPECT_EQ(Faults(ValidatePlan(job, 0)), "") << "seed " << seed;
        EXPECT_EQ(Figures(job, 0, 0).bars, bars) << "seed " << seed;
    }
}

TEST(OptimizerEngine, SameJobGivesTheSamePlan)
{
    double sawThickness = 0;
    FakeOptimizer first = RandomJob(1234, sawThickness);
    FakeOptimizer second = first;
    FakeOptimizer large = LargeJob(1, 20);
    FakeOptimizer largeAgain = large;
    ASSERT_EQ(RunEngine(first, sawThickness), KX_OPTIMIZER_DONE);
    ASSERT_EQ(RunEngine(second, sawThickness), KX_OPTIMIZER_DONE);
    EXPECT_EQ(first.plan, second.plan);
    ASSERT_EQ(RunEngine(large, 3, 60000ms), KX_OPTIMIZER_DONE);
    ASSERT_EQ(RunEngine(largeAgain, 3, 60000ms), KX_OPTIMIZER_DONE);
    EXPECT_EQ(large.plan, largeAgain.plan);
    EXPECT_EQ(Faults(ValidatePlan(large, 3)), "");
}

// ---------------------------------------------------------------------------
// Progress, stop and time limit.

TEST(OptimizerEngine, ProgressRisesToTheTotalPieces)
{
    double sawThickness = 0;
    FakeOptimizer job = RandomJob(77, sawThickness);
    AddOrder(job, 42, 1000, 5); // a type without stock rows or default length
    AddOrder(job, 43, 1000, 0); // a type without work
    ProgressRecorder progress;
    ASSERT_EQ(RunEngine(job, sawThickness, 5000ms, &progress), KX_OPTIMIZER_DONE);
    const std::vector<int> values = progress.Values();
    ASSERT_FALSE(values.empty());
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    EXPECT_GE(values.front(), 0);
    EXPECT_EQ(values.back(), job.TotalPieces());
    EXPECT_EQ(Faults(ValidatePlan(job, sawThickness)), "");
}

TEST(OptimizerEngine, ProgressOfAnEmptyJobEndsAtZero)
{
    FakeOptimizer job;
    ProgressRecorder progress;
    ASSERT_EQ(RunEngine(job, 0, 5000ms, &progress), KX_OPTIMIZER_DONE);
    EXPECT_EQ(progress.Values(), std::vector<int>{0});
    EXPECT_TRUE(job.plan.empty());
}

#ifdef KALOMAX_SANITIZED_BUILD
constexpr auto kStopLatency = 300ms;
#else
constexpr auto kStopLatency = 100ms;
#endif

TEST(OptimizerEngine, StopFromAnotherThreadReturnsQuickly)
{
    FakeOptimizer job = LargeJob();
    COptimizerEngine engine;
    engine.SetTimeLimit(60000ms);
    ProgressRecorder progress;
    engine.SetProgress(&progress);
    auto run = std::async(std::launch::async, [&] { return engine.Run(job, 3); });
    while (progress.Values().empty())
        std::this_thread::sleep_for(1ms);
    std::this_thread::sleep_for(200ms);
    const auto stoppedAt = std::chrono::steady_clock::now();
    engine.RequestStop();
    ASSERT_EQ(run.wait_for(5s), std::future_status::ready);
    const auto latency = std::chrono::steady_clock::now() - stoppedAt;
    EXPECT_EQ(run.get(), KX_OPTIMIZER_STOPPED);
    EXPECT_LT(latency, kStopLatency);
    EXPECT_LT(job.plan.size(), job.types.size());
    EXPECT_EQ(Faults(ValidatePlan(job, 3, true)), "");
}

TEST(OptimizerEngine, StopBeforeTheRunDeliversNothing)
{
    FakeOptimizer job;
    AddOrder(job, 0, 1000, 3);
    job.types[0] = Bars(6000);
    COptimizerEngine engine;
    engine.RequestStop();
    EXPECT_EQ(engine.Run(job, 0), KX_OPTIMIZER_STOPPED);
    EXPECT_TRUE(job.plan.empty());
    engine.ClearStop();
    EXPECT_EQ(engine.Run(job, 0), KX_OPTIMIZER_DONE);
    EXPECT_EQ(job.plan.size(), 1u);
}

TEST(OptimizerEngine, TimeLimitEndsTheSearchWithACompletePlan)
{
    FakeOptimizer job = LargeJob();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(RunEngine(job, 3, 300ms), KX_OPTIMIZER_DONE);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, 300ms + kStopLatency + 400ms);
    EXPECT_EQ(job.plan.size(), job.types.size());
    EXPECT_EQ(Faults(ValidatePlan(job, 3)), "");
}

TEST(OptimizerEngine, ExtremeTimeLimitsStillGiveCompletePlans)
{
    for (auto limit : {std::chrono::milliseconds(0), std::chrono::milliseconds(-5),
                       std::chrono::milliseconds::max()}) {
        double sawThickness = 0;
        FakeOptimizer job = RandomJob(99, sawThickness);
        EXPECT_EQ(RunEngine(job, sawThickness, limit), KX_OPTIMIZER_DONE);
        EXPECT_EQ(Faults(ValidatePlan(job, sawThickness)), "");
    }
}

} // namespace
} // namespace kalomax::test
