// Checks a recorded cutting plan against its job, independently of the
// optimizer's own code, and measures it by the optimizer's objectives.
#ifndef KALOMAX_TESTS_OPTIMIZER_PLAN_VALIDATOR_H
#define KALOMAX_TESTS_OPTIMIZER_PLAN_VALIDATOR_H

#include "fake_optimizer.h"

#include <string>
#include <vector>

namespace kalomax::test {

struct PlanFigures {
    int64_t uncutPieces = 0;
    int64_t bars = 0;
    double barLength = 0;
    double newBarLength = 0;
    double wasteLength = 0;
    int64_t middleLeftovers = 0;
    int64_t layouts = 0;
};

// Every broken rule, as text; empty when the plan is sound. With `partial`
// set, types missing from the plan are accepted (a stopped run).
std::vector<std::string> ValidatePlan(const FakeOptimizer& job, double sawThickness,
                                      bool partial = false);

PlanFigures Figures(const FakeOptimizer& job, int32_t typeIndex, double sawThickness);

} // namespace kalomax::test

#endif
