// The desktop program on the large workshop of bench/scale, drawn offscreen: the rows of every
// list the panels fill, the time to fill each list and to draw it the first time, and the
// longest time the event loop was kept from running during each operation (a timer that
// should tick every 10 ms notes its largest gap). Prints one table row per list or operation.
//
//   scale_gui_bench [--types N] [--orders N] [--keep]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "core/exception.h"
#include "core/language.h"
#include "core/program_files.h"
#include "job/global_data.h"
#include "scale_data.h"
#include "support/fake_platform.h"
#include "ui/inventory_panel.h"
#include "ui/inventory_report_dialog.h"
#include "ui/launch_job_dialog.h"
#include "ui/list_views.h"
#include "ui/main_window.h"
#include "ui/panel_order.h"
#include "ui/shell_dialogs.h"
#include "ui/types_of_bars_panel.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

// The largest gap between the ticks of a 10 ms timer while an operation runs: how long the
// event loop was held up at most.
class CStallMeter {
public:
    CStallMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Note(); });
    }

    struct RESULT {
        double seconds;
        double longestBlock;
    };

    RESULT Measure(const std::function<void()>& operation)
    {
        const Clock::time_point start = Clock::now();
        m_last = start;
        m_longest = {};
        m_timer.start();
        operation();
        Note();
        m_timer.stop();
        return RESULT{Seconds(Clock::now() - start), Seconds(m_longest)};
    }

private:
    void Note()
    {
        const Clock::time_point now = Clock::now();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    }

    QTimer m_timer;
    Clock::time_point m_last;
    Clock::duration m_longest{};
};

struct ROW {
    std::string what;
    std::string list;
    long long rows;  // -1: not a list
    double fill;     // the operation, for a row that is not a list
    double paint;    // -1: not drawn
    double longestBlock;
};

// Waits in the event loop until `done`, at most `seconds`.
bool WaitFor(const std::function<bool()>& done, int seconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < seconds * 1000LL) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return done();
}

class CBench {
public:
    CBench(std::unique_ptr<CMainWindow>& window, CFakePlatform& platform) : m_window(window), m_platform(platform) {}

    // Runs `fill`, then draws the window; one row for each list (or one without a list), the
    // first carrying the times.
    void List(const std::string& what, const std::function<void()>& fill,
              const std::vector<std::pair<std::string, std::function<long long()>>>& lists)
    {
        const CStallMeter::RESULT filled = m_meter.Measure(fill);
        const CStallMeter::RESULT painted = m_meter.Measure([this] { m_window->grab(); });
        if (lists.empty()) {
            m_rows.push_back(ROW{what, "", -1, filled.seconds, painted.seconds,
                                 std::max(filled.longestBlock, painted.longestBlock)});
        }
        bool first = true;
        for (const auto& [name, rows] : lists) {
            m_rows.push_back(ROW{first ? what : "", name, rows(), first ? filled.seconds : -1,
                                 first ? painted.seconds : -1,
                                 first ? std::max(filled.longestBlock, painted.longestBlock) : -1});
            first = false;
        }
        ReportErrors(what);
    }

    void Operation(const std::string& what, const std::function<void()>& operation)
    {
        const CStallMeter::RESULT result = m_meter.Measure(operation);
        m_rows.push_back(ROW{what, "", -1, result.seconds, -1, result.longestBlock});
        ReportErrors(what);
    }

    void Print() const
    {
        std::printf("%-34s %-26s %8s %8s %8s %9s\n", "operation", "list", "rows", "fill s", "paint s", "blocked s");
        for (const ROW& row : m_rows) {
            std::printf("%-34s %-26s ", row.what.c_str(), row.list.c_str());
            row.rows < 0 ? std::printf("%8s ", "") : std::printf("%8lld ", row.rows);
            row.fill < 0 ? std::printf("%8s ", "") : std::printf("%8.3f ", row.fill);
            row.paint < 0 ? std::printf("%8s ", "") : std::printf("%8.3f ", row.paint);
            row.longestBlock < 0 ? std::printf("\n") : std::printf("%9.3f%s\n", row.longestBlock,
                                                                    row.longestBlock > 0.1 ? "  > 0.1 s" : "");
        }
    }

    bool failed = false;

private:
    // A message box the operation showed is an error of the benchmark, not a result.
    void ReportErrors(const std::string& what)
    {
        for (const CFakePlatform::MESSAGE& message : m_platform.messages) {
            if (message.icon == MessageIcon::Error) {
                std::fprintf(stderr, "%s: %s\n", what.c_str(), message.text.c_str());
                failed = true;
            }
        }
        m_platform.messages.clear();
    }

    std::unique_ptr<CMainWindow>& m_window;
    CFakePlatform& m_platform;
    CStallMeter m_meter;
    std::vector<ROW> m_rows;
};

template <typename Panel>
Panel* Shown(CMainWindow& window)
{
    return dynamic_cast<Panel*>(window.CurrentPanel());
}

long long TableRows(const QAbstractItemView* view) { return view->model()->rowCount(); }

long long ComboRows(QWidget* panel, const char* name)
{
    return panel->findChild<QComboBox*>(QString::fromLatin1(name))->count();
}

// Every section of a report dialog chosen.
void CheckAll(QWidget* dialog)
{
    for (QCheckBox* check : dialog->findChildren<QCheckBox*>()) {
        check->setChecked(true);
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The optimizer has a second for the job report's plan unless told otherwise.
    if (qEnvironmentVariableIsEmpty("KALOMAX_OPTIMIZER_TIME_LIMIT")) {
        qputenv("KALOMAX_OPTIMIZER_TIME_LIMIT", "1");
    }
    QApplication application(argc, argv);
    SCALE_OPTIONS options;
    if (!ParseScaleOptions(argc, argv, false, options)) {
        return 2;
    }
    CScaleFolder folder;
    folder.keep = options.keep;
    CScopedFakePlatform platform;
    Language = 0;
    const std::string jobPath = ProgramFilePath("orders", "scale.odr");
    const std::string backupPath = ProgramFilePath("backup", "scale.bkp");
    const std::string reportPath = ProgramFilePath("report", "inventory.html");

    int status = 0;
    try {
        MakeInventory(options.types);
        {
            CInventoryData inventory;
            inventory.LoadTypesOfBars();
            MakeJob(inventory, options.orders, jobPath);
        }

        CGlobalData data;
        std::unique_ptr<CMainWindow> window;
        CBench bench(window, platform);
        bench.List("start-up load, window shown", [&] {
            window = std::make_unique<CMainWindow>(data);
            window->show();
        }, {});
        bench.List("types-of-bars panel", [&] { window->RunCommand(kCmdTypesOfBars); },
                   {{"types of bars list", [&] { return TableRows(Shown<CPanelAddTypeOfBar>(*window)->TypesList()); }},
                    {"profile code drop-down", [&] { return ComboRows(window->CurrentPanel(), "profileCodeCombo"); }},
                    {"material drop-down", [&] { return ComboRows(window->CurrentPanel(), "materialCombo"); }},
                    {"color drop-down", [&] { return ComboRows(window->CurrentPanel(), "colorCombo"); }}});
        bench.List("inventory panel", [&] { window->RunCommand(kCmdManageInventory); },
                   {{"types of bars list", [&] { return TableRows(Shown<CPanelStock>(*window)->TypesList()); }}});
        bench.List("inventory panel: last type chosen",
                   [&] { Shown<CPanelStock>(*window)->TypesList()->SelectRow(data.CountTypesOfBars() - 1); },
                   {{"stock list", [&] { return TableRows(Shown<CPanelStock>(*window)->StockList()); }}});
        bench.List("job panel", [&] { window->RunCommand(kCmdJob); },
                   {{"order list", [&] { return TableRows(Shown<CPanelOrder>(*window)->OrderList()); }},
                    {"type of bar drop-down", [&] { return ComboRows(window->CurrentPanel(), "typeCombo"); }}});
        platform.openPaths.push_back(jobPath);
        bench.List("open job", [&] { window->RunCommand(kCmdOpenJob); },
                   {{"order list", [&] { return TableRows(Shown<CPanelOrder>(*window)->OrderList()); }}});
        bench.Operation("save job", [&] {
            Shown<CPanelOrder>(*window)->findChild<QPushButton*>(QStringLiteral("saveJobButton"))->click();
        });
        bench.Operation("backup", [&] {
            CSaveInventoryDialog dialog(window.get(), data);
            dialog.Open();
            dialog.findChild<QLineEdit*>(QStringLiteral("backupPathEdit"))->setText(QString::fromStdString(backupPath));
            dialog.findChild<QPushButton*>(QStringLiteral("saveInventoryButton"))->click();
            dialog.EndDialog();
        });
        bench.Operation("inventory report (all sections)", [&] {
            CStockReportDialog dialog(window.get(), data);
            dialog.Open();
            CheckAll(&dialog);
            dialog.findChild<QLineEdit*>(QStringLiteral("reportPathEdit"))->setText(QString::fromStdString(reportPath));
            dialog.findChild<QPushButton*>(QStringLiteral("createReportButton"))->click();
            dialog.EndDialog();
        });
        std::unique_ptr<CLaunchJobDialog> launch;
        bench.Operation("launch dialog: optimizer run", [&] {
            launch = std::make_unique<CLaunchJobDialog>(window.get(), data, false, KALOMAX_OPTIMIZER_LIBRARY);
            launch->Open();
            if (!WaitFor([&] { return launch->IsFinished(); }, 600)) {
                std::fprintf(stderr, "the optimizer did not finish\n");
            }
        });
        if (launch->IsFinished()) {
            bench.Operation("job report (all sections)", [&] {
                CheckAll(launch->findChild<QWidget*>(QStringLiteral("reportGroup")));
                launch->findChild<QPushButton*>(QStringLiteral("createReportButton"))->click();
            });
        }
        launch->EndDialog();
        launch.reset();
        platform.answers.push_back(MessageAnswer::Yes);
        platform.openPaths.push_back(backupPath);
        bench.Operation("restore", [&] { window->RunCommand(kCmdRestoreInventory); });
        bench.List("types-of-bars panel after restore", [&] { window->RunCommand(kCmdTypesOfBars); },
                   {{"types of bars list",
                     [&] { return TableRows(Shown<CPanelAddTypeOfBar>(*window)->TypesList()); }}});

        std::printf("%d types of bars, 20 stock entries each, %d orders; Qt offscreen\n\n", options.types,
                    options.orders);
        bench.Print();
        status = bench.failed ? 1 : 0;
        window.reset();
    } catch (const CException& error) {
        std::fprintf(stderr, "failed: %s (%s:%u)\n", error.message, error.file, error.line);
        status = 1;
    }
    return status;
}
