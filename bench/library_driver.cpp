#include "library_driver.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>

namespace kalomax::bench {

OptimizerLibrary::~OptimizerLibrary()
{
    if (handle_)
        dlclose(handle_);
}

bool OptimizerLibrary::Open(const std::string& path, std::string& error)
{
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        error = "cannot load " + path + ": " + dlerror();
        return false;
    }
    setDelegate = reinterpret_cast<SetDelegateProgressStepItDLLFunc>(dlsym(handle_, "SetDelegateProgressStepItDLL"));
    launch = reinterpret_cast<LaunchOptimizerDLLFunc>(dlsym(handle_, "LaunchOptimizerDLL"));
    stop = reinterpret_cast<StopOptimizerDLLFunc>(dlsym(handle_, "StopOptimizerDLL"));
    lowerBound = reinterpret_cast<LowerBoundDLLFunc>(dlsym(handle_, "LowerBoundDLL"));
    if (!setDelegate || !launch || !stop) {
        error = path + " lacks the optimizer exports";
        return false;
    }
    return true;
}

void SetLibraryTimeLimit(double seconds)
{
    const std::string limit = std::to_string(seconds);
    setenv("KALOMAX_OPTIMIZER_TIME_LIMIT", limit.c_str(), 1);
}

void KX_OPTIMIZER_CALL RecordingJob::AddItemToBeCut(int32_t typeIndex, IItemToBeCutSource* source)
{
    if (typeIndex != 0 || !source) {
        misuse = true;
        return;
    }
    items.push_back({source->ItemLength(), source->ItemQuantity()});
}

void KX_OPTIMIZER_CALL RecordingJob::AddOptimizedResult(int32_t typeIndex, IOptimizedResultSource* source)
{
    if (typeIndex != 0 || !source) {
        misuse = true;
        return;
    }
    Layout layout;
    layout.barLength = source->BarLength();
    layout.barCount = source->BarCount();
    const int32_t count = source->ItemCount();
    for (int32_t i = 0; i < count && i < 1000000; ++i)
        layout.pieces.push_back(source->PiecesOfItem(i));
    layouts.push_back(std::move(layout));
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t m = values.size() / 2;
    return values.size() % 2 ? values[m] : (values[m - 1] + values[m]) / 2;
}

} // namespace kalomax::bench
