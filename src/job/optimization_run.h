#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "job/cutting_plan.h"

class CGlobalData;
class COptimizer;
class COptimizerLibrary;
class CProgressDelegate;

// The path of the optimizer library beside the program ("demo.so", "demo.dll" on Windows).
std::string OptimizerLibraryPath();

// The progress bar position 0..2000 of `count` pieces out of `total` (0 when total is 0);
// 64-bit arithmetic, clamped to the range.
int ProgressPosition(long long count, long long total);

// One optimization of the current job: the snapshot of the job and its stock, the bound
// library, the worker thread and the plan it returns. The launch dialog and the command
// line drive the same object.
class COptimizationRun {
public:
    // Called on the worker thread.
    using ProgressHandler = std::function<void(int position)>;
    using FinishedHandler = std::function<void(bool stopped)>;

    // Takes the snapshot and binds the library; raises "Cannot optimize!" when the
    // library is missing or lacks an export.
    COptimizationRun(const CGlobalData& data, bool reuseStubs, const std::string& libraryPath = OptimizerLibraryPath());
    // Stops a run still in progress and waits for the worker.
    ~COptimizationRun();
    COptimizationRun(const COptimizationRun&) = delete;
    COptimizationRun& operator=(const COptimizationRun&) = delete;

    // Starts the worker; `progress` gets positions out of 2000 for the job's pieces, and
    // 2000 once the library has returned, then `finished` is called. Raises "Job could
    // not be launched!" when the thread cannot be started.
    void Start(double sawThickness, ProgressHandler progress, FinishedHandler finished);
    // Asks the library to return soon; from the thread that started the run, once.
    void Stop();
    // Waits until the worker has ended.
    void Wait();
    bool IsFinished() const { return m_finished.load(); }
    bool WasStopped() const { return m_stopped.load(); }
    // The plan; read it only once the run has finished. Raises when the library handed
    // back a plan that breaks its rules (or one that could not be stored whole).
    const CuttingPlan& Plan() const;
    int OrderCount() const;
    // The fewest bars the library proved any plan needs for the type, once the run has
    // finished; nothing when the library cannot tell.
    std::optional<int> LowerBound(int typeIndex) const;

private:
    void CollectLowerBounds();

    std::unique_ptr<COptimizer> m_optimizer;
    std::unique_ptr<COptimizerLibrary> m_library;
    std::unique_ptr<CProgressDelegate> m_progress;
    long long m_totalPieces = 0;
    int m_typeCount = 0;
    std::string m_planError;
    std::map<int, int> m_lowerBounds;
    std::thread m_worker;
    std::atomic<bool> m_finished{false};
    std::atomic<bool> m_stopped{false};
};
