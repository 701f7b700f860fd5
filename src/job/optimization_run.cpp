#include "job/optimization_run.h"

#include <system_error>

#include "core/exception.h"
#include "core/program_files.h"
#include "core/texts.h"
#include "job/global_data.h"
#include "job/optimizer_bridge.h"
#include "job/optimizer_library.h"

namespace {

constexpr int kProgressEnd = 2000;

} // namespace

// Turns the library's count of pieces done into progress bar positions.
class CProgressDelegate final : public IDelegate<int> {
public:
    CProgressDelegate(COptimizationRun::ProgressHandler handler, long long total)
        : m_handler(std::move(handler)), m_total(total)
    {
    }
    void KX_OPTIMIZER_CALL Invoke(int value) override { Report(ProgressPosition(value, m_total)); }
    void Report(int position)
    {
        if (!m_handler) {
            return;
        }
        try {
            m_handler(position);
        } catch (...) {
            // The library must never see an exception; a lost progress step is harmless.
        }
    }

private:
    COptimizationRun::ProgressHandler m_handler;
    long long m_total;
};

std::string OptimizerLibraryPath()
{
#ifdef _WIN32
    return ProgramFilePath("", "demo.dll");
#else
    return ProgramFilePath("", "demo.so");
#endif
}

int ProgressPosition(long long count, long long total)
{
    if (total <= 0) {
        return 0;
    }
    const long double position = static_cast<long double>(count) * kProgressEnd / static_cast<long double>(total);
    if (position <= 0) {
        return 0;
    }
    return position >= kProgressEnd ? kProgressEnd : static_cast<int>(position);
}

COptimizationRun::COptimizationRun(const CGlobalData& data, bool reuseStubs, const std::string& libraryPath)
    : m_optimizer(std::make_unique<COptimizer>(data)),
      m_library(std::make_unique<COptimizerLibrary>(libraryPath)),
      m_totalPieces(data.CountPieces()),
      m_typeCount(data.CountTypesOfBars())
{
    m_optimizer->SetReuseStubs(reuseStubs);
}

COptimizationRun::~COptimizationRun()
{
    if (m_worker.joinable()) {
        Stop();
        m_worker.join();
    }
}

void COptimizationRun::Start(double sawThickness, ProgressHandler progress, FinishedHandler finished)
{
    m_progress = std::make_unique<CProgressDelegate>(std::move(progress), m_totalPieces);
    m_library->setDelegate(m_progress.get());
    try {
        m_worker = std::thread([this, sawThickness, finished = std::move(finished)] {
            m_library->launch(m_optimizer.get(), sawThickness);
            CollectLowerBounds();
            try {
                if (m_optimizer->IsPlanIncomplete()) {
                    KX_RAISE(LangText(T_PLAN_INVALID));
                }
                m_optimizer->Plan().Validate(m_typeCount);
            } catch (const CException& error) {
                m_planError = error.message;
            }
            m_progress->Report(kProgressEnd);
            m_finished = true;
            if (finished) {
                finished(m_stopped.load());
            }
        });
    } catch (const std::system_error&) {
        KX_RAISE(LangText(T_JOB_NOT_LAUNCHED));
    }
}

void COptimizationRun::Stop()
{
    if (m_finished.load() || m_stopped.exchange(true)) {
        return;
    }
    m_library->stop();
}

void COptimizationRun::Wait()
{
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

const CuttingPlan& COptimizationRun::Plan() const
{
    if (!m_planError.empty()) {
        KX_RAISE(m_planError.c_str());
    }
    return m_optimizer->Plan();
}

int COptimizationRun::OrderCount() const { return m_optimizer->OrderCount(); }

void COptimizationRun::CollectLowerBounds()
{
    if (m_library->lowerBound == nullptr || m_stopped.load()) {
        return;
    }
    for (const auto& [typeIndex, result] : m_optimizer->Plan().Types()) {
        const int32_t bound = m_library->lowerBound(typeIndex);
        if (bound >= 0) {
            m_lowerBounds[typeIndex] = bound;
        }
    }
}

std::optional<int> COptimizationRun::LowerBound(int typeIndex) const
{
    const auto bound = m_lowerBounds.find(typeIndex);
    if (bound == m_lowerBounds.end()) {
        return std::nullopt;
    }
    return bound->second;
}
