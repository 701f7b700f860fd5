// Jobs the optimizer tests share.
#ifndef KALOMAX_TESTS_OPTIMIZER_TEST_JOBS_H
#define KALOMAX_TESTS_OPTIMIZER_TEST_JOBS_H

#include "cutting_problem.h"
#include "fake_optimizer.h"

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace kalomax::test {

inline void AddOrder(FakeOptimizer& job, int32_t typeIndex, double length, int32_t quantity,
                     const std::string& identifier = "-|")
{
    FakeOrder order;
    order.typeIndex = typeIndex;
    order.length = length;
    order.quantity = quantity;
    order.identifier = identifier;
    job.orders.push_back(order);
}

// Several types with many distinct lengths and stubs: too much to search to
// the end in a fraction of a second.
inline FakeOptimizer LargeJob(int32_t types = 6, int items = 45)
{
    FakeOptimizer job;
    job.reuseStubs = 1;
    std::mt19937 random(7);
    for (int32_t type = 0; type < types; ++type) {
        FakeType& stock = job.types[type];
        stock.defaultLength = 6000;
        for (int s = 0; s < 25; ++s)
            stock.stock.push_back({700.0 + 190.0 * s + type, 1 + static_cast<int32_t>(random() % 6)});
        for (int item = 0; item < items; ++item)
            AddOrder(job, type, 150.5 + static_cast<double>(random() % 2700),
                     20 + static_cast<int32_t>(random() % 60), "ID" + std::to_string(item % 7));
    }
    return job;
}

// Bars of one length that can be bought without limit; pieces as length
// and demand.
inline optimizer::CuttingProblem OneLength(double length, std::vector<std::pair<double, int64_t>> pieces,
                                           double sawThickness = 0)
{
    optimizer::CuttingProblem problem;
    for (const auto& [piece, demand] : pieces) {
        problem.pieceLengths.push_back(piece);
        problem.demand.push_back(demand);
    }
    problem.kinds.push_back(optimizer::BarKind{length, optimizer::kUnlimited, 0});
    problem.sawThickness = sawThickness;
    return problem;
}

} // namespace kalomax::test

#endif
