// What the benchmarks share to drive the optimizer library like the program
// does: loading it with its exports, and a job that records the plan the
// library hands back.
#ifndef KALOMAX_BENCH_LIBRARY_DRIVER_H
#define KALOMAX_BENCH_LIBRARY_DRIVER_H

#include "optimizer_abi.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kalomax::bench {

// The optimizer library loaded through dlopen, with its exports.
class OptimizerLibrary {
public:
    OptimizerLibrary() = default;
    OptimizerLibrary(const OptimizerLibrary&) = delete;
    OptimizerLibrary& operator=(const OptimizerLibrary&) = delete;
    ~OptimizerLibrary();

    // False with `error` set when the file cannot be loaded or lacks an export.
    bool Open(const std::string& path, std::string& error);

    SetDelegateProgressStepItDLLFunc setDelegate = nullptr;
    LaunchOptimizerDLLFunc launch = nullptr;
    StopOptimizerDLLFunc stop = nullptr;
    LowerBoundDLLFunc lowerBound = nullptr; // optional: null when the library lacks it

private:
    void* handle_ = nullptr;
};

// The library's time limit for every following launch.
void SetLibraryTimeLimit(double seconds);

// A job of one type of bar (index 0) that records the items and layouts the
// library delivers; the orders and bars are up to the derived job.
class RecordingJob : public IOptimizer {
public:
    struct Layout {
        double barLength = 0;
        int32_t barCount = 0;
        std::vector<int32_t> pieces;
    };
    std::vector<std::pair<double, int32_t>> items;
    std::vector<Layout> layouts;
    bool misuse = false;

    void KX_OPTIMIZER_CALL AddItemToBeCut(int32_t typeIndex, IItemToBeCutSource* source) override;
    void KX_OPTIMIZER_CALL AddOptimizedResult(int32_t typeIndex, IOptimizedResultSource* source) override;

protected:
    ~RecordingJob() = default;
};

double Median(std::vector<double> values);

} // namespace kalomax::bench

#endif
