// The exact packing on a given number of bars: layouts it finds cut every
// piece on at most those bars, and it tells a proven failure from one for
// want of steps or time.
#include "exact_packing.h"
#include "test_jobs.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

namespace kalomax::test {
namespace {

using namespace std::chrono_literals;
using optimizer::CuttingProblem;
using optimizer::PackingResult;
using Outcome = PackingResult::Outcome;

// Each piece's share of a bar: values no bar carries more than 1 of.
std::vector<double> Shares(const CuttingProblem& problem)
{
    std::vector<double> values;
    for (double length : problem.pieceLengths)
        values.push_back((length + problem.sawThickness) / (problem.kinds[0].length + problem.sawThickness));
    return values;
}

PackingResult Pack(const CuttingProblem& problem, int64_t bars, int64_t steps = 1000000, bool stop = false)
{
    const std::atomic<bool> stopFlag{stop};
    const optimizer::SearchControl control(stopFlag, optimizer::SearchClock::now() + 5s);
    return optimizer::PackOnBars(problem, problem.demand, bars, Shares(problem), steps, control);
}

struct PackingCase {
    const char* name;
    CuttingProblem problem;
    int64_t bars;
    Outcome outcome;
};

void PrintTo(const PackingCase& c, std::ostream* os)
{
    *os << c.name;
}

class ExactPacking : public testing::TestWithParam<PackingCase> {};

TEST_P(ExactPacking, FindsALayoutOrProvesThereIsNone)
{
    const PackingCase& c = GetParam();
    const PackingResult result = Pack(c.problem, c.bars);
    ASSERT_EQ(result.outcome, c.outcome);
    if (c.outcome != Outcome::Found)
        return;
    EXPECT_LE(static_cast<int64_t>(result.plan.size()), c.bars);
    std::vector<int64_t> cut(c.problem.demand.size(), 0);
    for (const optimizer::Layout& bar : result.plan) {
        EXPECT_EQ(bar.barCount, 1);
        EXPECT_TRUE(optimizer::FitsOnBar(c.problem, bar.pieces, c.problem.kinds[0].length));
        for (size_t i = 0; i < cut.size(); ++i)
            cut[i] += bar.pieces[i];
    }
    EXPECT_EQ(cut, c.problem.demand);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExactPacking,
    testing::Values(
        // Longest first fills the first bar with 49 + 49 and needs three bars.
        PackingCase{"BeatsLongestFirst", OneLength(100, {{49, 2}, {34, 2}, {17, 2}}), 2, Outcome::Found},
        PackingCase{"SeveralPiecesOfAnItemOnABar", OneLength(100, {{50, 4}, {25, 4}}), 3, Outcome::Found},
        // 497.5 + 5 + 497.5: the saw cut between two pieces only.
        PackingCase{"SawCutsBetweenPieces", OneLength(1000, {{497.5, 2}}, 5), 1, Outcome::Found},
        PackingCase{"MoreBarsThanNeeded", OneLength(100, {{60, 1}, {30, 2}}), 3, Outcome::Found},
        // The lengths would fit on two bars, but no two of the pieces on one.
        PackingCase{"PiecesAboveHalfOnABarEach", OneLength(100, {{60, 3}}), 2, Outcome::Impossible},
        PackingCase{"LongerThanTheBars", OneLength(100, {{60, 4}, {30, 1}}), 2, Outcome::Impossible},
        PackingCase{"PieceLongerThanABar", OneLength(100, {{120, 1}}), 5, Outcome::Undecided},
        PackingCase{"NothingToLayOut", OneLength(100, {{60, 0}}), 0, Outcome::Found}),
    [](const testing::TestParamInfo<PackingCase>& info) { return std::string(info.param.name); });

TEST(ExactPackingLimits, UndecidedWithoutStepsOrAfterAStop)
{
    const CuttingProblem problem = OneLength(100, {{49, 2}, {34, 2}, {17, 2}});
    EXPECT_EQ(Pack(problem, 2, 3).outcome, Outcome::Undecided);
    EXPECT_EQ(Pack(problem, 2, 1000000, true).outcome, Outcome::Undecided);
}

} // namespace
} // namespace kalomax::test
