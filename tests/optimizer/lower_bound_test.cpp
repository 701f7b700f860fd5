// The lower bounds, and the search by column generation seen through the
// engine: bounds never above a plan, proven optimality where the plan meets
// them, a stop that ends the LP work quickly.
#include "column_generation.h"
#include "fake_optimizer.h"
#include "optimizer_engine.h"
#include "plan_validator.h"
#include "test_jobs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <map>
#include <random>
#include <thread>

namespace kalomax::test {
namespace {

using namespace std::chrono_literals;
using optimizer::COptimizerEngine;
using optimizer::CuttingProblem;

optimizer::LowerBound Bound(const CuttingProblem& problem)
{
    std::atomic<bool> stop{false};
    return optimizer::ComputeLowerBound(problem,
                                        optimizer::SearchControl(stop, optimizer::SearchClock::now() + 5s));
}

struct BoundCase {
    const char* name;
    CuttingProblem problem;
    int64_t sizeBound; // L2 alone
    int64_t bound;     // with the LP
};

void PrintTo(const BoundCase& c, std::ostream* os)
{
    *os << c.name;
}

class LowerBounds : public testing::TestWithParam<BoundCase> {};

TEST_P(LowerBounds, MatchTheKnownValue)
{
    const BoundCase& c = GetParam();
    EXPECT_EQ(optimizer::SizeBound(c.problem), c.sizeBound);
    const optimizer::LowerBound bound = Bound(c.problem);
    EXPECT_TRUE(bound.known);
    EXPECT_EQ(bound.bars, optimizer::HasLinearProgramming() ? c.bound : c.sizeBound);
    EXPECT_DOUBLE_EQ(bound.barLength, static_cast<double>(bound.bars) * c.problem.kinds[0].length);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LowerBounds,
    testing::Values(
        BoundCase{"ExactFit", OneLength(6000, {{2000, 3}}), 1, 1},
        BoundCase{"SawCutsBetweenPiecesCount", OneLength(6000, {{2000, 3}}, 5), 2, 2},
        BoundCase{"NoSawCutAfterTheLastPiece", OneLength(6000, {{1995, 3}}, 5), 1, 1},
        BoundCase{"PiecesAboveHalfNeedABarEach", OneLength(100, {{51, 3}, {10, 4}}), 3, 3},
        // Only two pieces of 40 go on a bar of 100: the LP needs 2.5 bars
        // where the sizes say 2.
        BoundCase{"LayoutsBeatTheSizes", OneLength(100, {{40, 5}}), 2, 3},
        // Three pieces of 333.5 and two saw cuts of 0.25 are 1001: two a bar.
        BoundCase{"SawCutsOffTheGrid", OneLength(1000.5, {{333.5, 7}, {250.125, 2}}, 0.25), 3, 4},
        // Nine bars around the pieces of 55, each with room for one 30 or
        // two 21: the LP needs 10.5 bars where the sizes say 10.
        BoundCase{"RoomAroundLongPieces", OneLength(100, {{55, 9}, {30, 9}, {21, 9}}), 10, 11},
        BoundCase{"Empty", OneLength(6000, {{7000, 0}}), 0, 0}),
    [](const testing::TestParamInfo<BoundCase>& info) { return std::string(info.param.name); });

TEST(LowerBounds, SeveralLengthsBoundThePieceLength)
{
    CuttingProblem problem = OneLength(6000, {{2000, 2}, {1500, 1}});
    problem.kinds.insert(problem.kinds.begin(), optimizer::BarKind{2500, 3, 3});
    const optimizer::LowerBound bound = Bound(problem);
    EXPECT_TRUE(bound.known);
    EXPECT_EQ(bound.bars, -1);
    EXPECT_DOUBLE_EQ(bound.barLength, 5500);
}

// Single-length jobs with lengths off any grid and saw cuts: every plan is
// valid and never below the bound the engine reports.
TEST(ColumnGeneration, PlansAreValidAndNeverBelowTheBound)
{
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        std::mt19937 random(seed);
        FakeOptimizer job;
        job.reuseStubs = static_cast<uint8_t>(random() % 2);
        const double lengths[] = {6000, 6500.5, 1000};
        job.types[0] = FakeType{lengths[random() % 3], {}, 300, 50};
        if (random() % 2)
            job.types[0].stock.push_back({job.types[0].defaultLength, 1 + static_cast<int32_t>(random() % 4)});
        const double sawThicknesses[] = {0, 2.5, 4.125};
        const double sawThickness = sawThicknesses[random() % 3];
        const int items = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < items; ++i)
            AddOrder(job, 0, 50.0 + static_cast<double>(random() % 600000) / 97.0,
                     1 + static_cast<int32_t>(random() % 9));
        COptimizerEngine engine;
        engine.SetTimeLimit(2000ms);
        ASSERT_EQ(engine.Run(job, sawThickness), KX_OPTIMIZER_DONE) << "seed " << seed;
        EXPECT_EQ(ValidatePlan(job, sawThickness), std::vector<std::string>{}) << "seed " << seed;
        ASSERT_EQ(engine.LastResults().size(), 1u);
        const optimizer::TypeResult& result = engine.LastResults()[0];
        const PlanFigures figures = Figures(job, 0, sawThickness);
        EXPECT_EQ(result.bars, figures.bars) << "seed " << seed;
        ASSERT_TRUE(result.bound.known) << "seed " << seed;
        EXPECT_LE(result.bound.bars, figures.bars) << "seed " << seed;
        EXPECT_EQ(result.provenOptimal, result.bound.bars == figures.bars) << "seed " << seed;
    }
}

// Bars cut into three random pieces each: the plan needs exactly as many
// bars again, and the bound proves it.
TEST(ColumnGeneration, PerfectPackingsAreProvenOptimal)
{
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        std::mt19937 random(seed);
        FakeOptimizer job;
        job.types[0] = FakeType{10000, {}, 10000, 0};
        const int bars = 40;
        for (int b = 0; b < bars; ++b) {
            std::vector<int> cuts{0, 10000};
            for (int p = 0; p < 2; ++p)
                cuts.push_back(500 + static_cast<int>(random() % 9000));
            std::sort(cuts.begin(), cuts.end());
            for (size_t p = 1; p < cuts.size(); ++p)
                if (cuts[p] > cuts[p - 1])
                    AddOrder(job, 0, cuts[p] - cuts[p - 1], 1);
        }
        COptimizerEngine engine;
        engine.SetTimeLimit(10000ms);
        ASSERT_EQ(engine.Run(job, 0), KX_OPTIMIZER_DONE);
        EXPECT_EQ(ValidatePlan(job, 0), std::vector<std::string>{}) << "seed " << seed;
        EXPECT_EQ(Figures(job, 0, 0).bars, bars) << "seed " << seed;
        ASSERT_EQ(engine.LastResults().size(), 1u);
        EXPECT_TRUE(engine.LastResults()[0].provenOptimal) << "seed " << seed;
        EXPECT_EQ(engine.LastResults()[0].bound.bars, bars) << "seed " << seed;
    }
}

// Bars cut with a saw into three to five pieces of a few lengths only, so
// that most lengths are asked for many times: the dives fix layouts in bulk
// and trim them to what is left; the plan still needs exactly as many bars
// again.
TEST(ColumnGeneration, PerfectPackingsWithSawCutsAndRepeatedLengths)
{
    constexpr int kSaw = 5;
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        FakeOptimizer job;
        job.types[0] = FakeType{6000, {}, 6000, 0};
        const int bars = 60;
        std::map<int, int> pieces;
        for (int b = 0; b < bars; ++b) {
            // Segments of whole 500s plus the saw cut after each piece; the
            // last piece ends at the end of the bar.
            std::vector<int> cuts{0, 12};
            const int count = 3 + static_cast<int>(random() % 3);
            while (static_cast<int>(cuts.size()) < count + 1) {
                const int cut = 1 + static_cast<int>(random() % 11);
                if (std::find(cuts.begin(), cuts.end(), cut) == cuts.end())
                    cuts.push_back(cut);
            }
            std::sort(cuts.begin(), cuts.end());
            for (size_t p = 1; p < cuts.size(); ++p)
                ++pieces[(cuts[p] - cuts[p - 1]) * 500 - (p + 1 < cuts.size() ? kSaw : 0)];
        }
        for (const auto& [length, quantity] : pieces)
            AddOrder(job, 0, length, quantity);
        COptimizerEngine engine;
        engine.SetTimeLimit(10000ms);
        ASSERT_EQ(engine.Run(job, kSaw), KX_OPTIMIZER_DONE);
        EXPECT_EQ(ValidatePlan(job, kSaw), std::vector<std::string>{}) << "seed " << seed;
        EXPECT_EQ(Figures(job, 0, kSaw).bars, bars) << "seed " << seed;
        ASSERT_EQ(engine.LastResults().size(), 1u);
        EXPECT_TRUE(engine.LastResults()[0].provenOptimal) << "seed " << seed;
    }
}

TEST(ColumnGeneration, SeveralBarLengthsReportThePieceLengthBound)
{
    FakeOptimizer job;
    job.reuseStubs = 1;
    AddOrder(job, 0, 2400, 2);
    job.types[0] = FakeType{6000, {{2500, 2}}, 500, 100};
    COptimizerEngine engine;
    ASSERT_EQ(engine.Run(job, 0), KX_OPTIMIZER_DONE);
    ASSERT_EQ(engine.LastResults().size(), 1u);
    const optimizer::TypeResult& result = engine.LastResults()[0];
    EXPECT_EQ(result.bound.bars, -1);
    EXPECT_DOUBLE_EQ(result.bound.barLength, 4800);
    EXPECT_DOUBLE_EQ(result.barLength, 5000);
    EXPECT_FALSE(result.provenOptimal);
}

#ifdef KALOMAX_SANITIZED_BUILD
constexpr auto kStopLatency = 400ms;
#else
constexpr auto kStopLatency = 100ms;
#endif

// Many distinct lengths of a fifth to a third of a long bar: far too much LP
// work for the time, so the stop arrives during the column generation.
TEST(ColumnGeneration, StopDuringTheLpWorkReturnsQuickly)
{
    FakeOptimizer job;
    job.types[0] = FakeType{100000, {}, 100000, 0};
    std::mt19937 random(3);
    for (int i = 0; i < 300; ++i)
        AddOrder(job, 0, 20000 + static_cast<double>(random() % 15000), 1);
    COptimizerEngine engine;
    engine.SetTimeLimit(60000ms);
    ProgressRecorder progress;
    engine.SetProgress(&progress);
    auto run = std::async(std::launch::async, [&] { return engine.Run(job, 0); });
    while (progress.Values().empty())
        std::this_thread::sleep_for(1ms);
    std::this_thread::sleep_for(300ms);
    const auto stoppedAt = std::chrono::steady_clock::now();
    engine.RequestStop();
    ASSERT_EQ(run.wait_for(10s), std::future_status::ready);
    const auto latency = std::chrono::steady_clock::now() - stoppedAt;
    EXPECT_EQ(run.get(), KX_OPTIMIZER_STOPPED);
    EXPECT_LT(latency, kStopLatency);
    EXPECT_EQ(ValidatePlan(job, 0, true), std::vector<std::string>{});
}

} // namespace
} // namespace kalomax::test
