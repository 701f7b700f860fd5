#pragma once

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "job/optimization_run.h"
#include "report/job_report.h"
#include "ui/report_output.h"
#include "ui/controls.h"
#include "ui/dialog_box.h"

class CCuttingDiagramWindow;
class CPaperChoice;
class CGlobalData;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// One optimization of the current job: progress and Cancel while the optimizer runs on
// its worker thread, then the job report (any number of times, with any sections and
// path) and one update of the inventory with the plan.
class CLaunchJobDialog : public CDialogBox {
    Q_OBJECT
public:
    static constexpr int kIdCreateReport = 1043;
    static constexpr int kIdUpdateInventory = 1046;
    static constexpr int kIdShowDiagrams = 1047;
    static constexpr int kIdSavePdf = 1048;
    static constexpr int kIdPrint = 1049;
    static constexpr int kSectionCount = 7;

    // Takes the snapshot of the job and binds the optimizer library; raises "Cannot
    // optimize!" before anything is shown.
    CLaunchJobDialog(QWidget* owner, CGlobalData& data, bool reuseStubs,
                     const std::string& libraryPath = OptimizerLibraryPath());
    // Stops a run still in progress and waits for its worker.
    ~CLaunchJobDialog() override;

    bool IsFinished() const { return m_finished; }
    bool IsCancelled() const { return m_cancelled; }
    bool IsInventoryUpdated() const { return m_inventoryUpdated; }
    // The plan of the finished run (raises like the report when it breaks its rules).
    const CuttingPlan& Plan() const { return m_run->Plan(); }
    // The diagram window once Show diagrams has opened it.
    CCuttingDiagramWindow* DiagramWindow() const { return m_diagrams; }

protected:
    void OnInit() override;
    bool OnCommand(int id) override;
    bool OnClose() override;

private:
    void StopRun();
    void OnRunFinished();
    JOB_REPORT_FLAGS ChosenSections() const;
    void CreateReport();
    void ShowOptimality();
    void ShowDiagrams();
    PaperReportBuilder PaperReport() const;
    void SavePdfCommand();
    void PrintCommand();
    void UpdateInventoryCommand();

    CGlobalData& m_data;
    std::unique_ptr<COptimizationRun> m_run;
    CProgressBar m_progress;
    // The last position handed to the user-interface thread, so that the worker posts
    // only real moves of the bar.
    std::atomic<int> m_postedPosition{-1};
    bool m_started = false;
    bool m_cancelled = false;
    bool m_finished = false;
    bool m_inventoryUpdated = false;

    QPushButton* m_cancel;
    QLineEdit* m_reportPath;
    std::array<QCheckBox*, kSectionCount> m_sections{};
    QPushButton* m_showDiagrams;
    QPushButton* m_savePdf;
    QPushButton* m_print;
    CPaperChoice* m_paper;
    QPushButton* m_createReport;
    QPushButton* m_updateInventory;
    QLabel* m_updatedLabel;
    QPlainTextEdit* m_optimality;
    CCuttingDiagramWindow* m_diagrams = nullptr;
};

// "<type>: N bars used", then ", lower bound B" when the library proved one, and
// " - Proven optimal" when the plan uses exactly that many.
std::string OptimalityLine(const std::string& typeText, long long barsUsed, std::optional<int> lowerBound);
