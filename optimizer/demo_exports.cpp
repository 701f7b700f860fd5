// The exports of the optimizer library. Nothing may leave them as an
// exception: the caller is a different module, possibly built by a different
// compiler.
#include "optimizer_abi.h"
#include "optimizer_engine.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

using kalomax::optimizer::COptimizerEngine;

COptimizerEngine& Engine()
{
    static COptimizerEngine engine;
    return engine;
}

std::atomic<bool> running{false};

// KALOMAX_OPTIMIZER_TIME_LIMIT: seconds for one launch (a positive number).
std::chrono::milliseconds TimeLimitFromEnvironment()
{
    const char* text = std::getenv("KALOMAX_OPTIMIZER_TIME_LIMIT");
    if (text && *text) {
        char* end = nullptr;
        const double seconds = std::strtod(text, &end);
        if (end && *end == '\0' && std::isfinite(seconds) && seconds > 0)
            return std::chrono::milliseconds(
                static_cast<int64_t>(std::ceil(std::min(seconds, 1e7) * 1000.0)));
    }
    return COptimizerEngine::kDefaultTimeLimit;
}

} // namespace

extern "C" {

KX_OPTIMIZER_EXPORT int32_t KX_OPTIMIZER_CALL SetDelegateProgressStepItDLL(IDelegate<int>* progress)
{
    if (running.load())
        return KX_OPTIMIZER_REJECTED;
    Engine().SetProgress(progress);
    Engine().ClearStop();
    return KX_OPTIMIZER_DONE;
}

KX_OPTIMIZER_EXPORT int32_t KX_OPTIMIZER_CALL LaunchOptimizerDLL(IOptimizer* optimizer, double sawThickness)
{
    if (!optimizer || running.exchange(true))
        return KX_OPTIMIZER_REJECTED;
    int32_t result = KX_OPTIMIZER_REJECTED;
    try {
        Engine().SetTimeLimit(TimeLimitFromEnvironment());
        result = Engine().Run(*optimizer, sawThickness);
    } catch (...) {
        result = KX_OPTIMIZER_REJECTED;
    }
    // A stop ends one run only.
    Engine().ClearStop();
    running.store(false);
    return result;
}

KX_OPTIMIZER_EXPORT int32_t KX_OPTIMIZER_CALL StopOptimizerDLL()
{
    Engine().RequestStop();
    return KX_OPTIMIZER_DONE;
}

KX_OPTIMIZER_EXPORT int32_t KX_OPTIMIZER_CALL LowerBoundDLL(int32_t typeIndex)
{
    if (running.load())
        return -1;
    for (const auto& result : Engine().LastResults()) {
        if (result.typeIndex == typeIndex && result.bound.known && result.bound.bars >= 0)
            return static_cast<int32_t>(std::min<int64_t>(result.bound.bars, INT32_MAX));
    }
    return -1;
}

} // extern "C"
