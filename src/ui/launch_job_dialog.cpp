#include "ui/launch_job_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "core/settings.h"
#include "core/texts.h"
#include "job/global_data.h"
#include "job/inventory_update.h"
#include "report/job_report.h"
#include "ui/background_work.h"
#include "ui/controls.h"
#include "ui/cutting_diagram_view.h"
#include "ui/paper_setup.h"
#include "ui/report_output.h"

namespace {

// The report sections: their settings, in the order the report takes them.
constexpr int kSectionCount = CLaunchJobDialog::kSectionCount;
const char* const kSectionSettings[kSectionCount] = {
    kSettingJobInfoJR,    kSettingSettingsJR,  kSettingStatisticsJR, kSettingCutLayoutsJR,
    kSettingTotalCostsJR, kSettingBarsBoughtJR, kSettingCutDiagramsJR};
const char (*const kSectionTexts[kSectionCount])[2][40] = {
    &T_JR_JOB_INFO,    &T_JR_SETTINGS,    &T_JR_STATISTICS,  &T_JR_CUT_LAYOUTS,
    &T_JR_TOTAL_COSTS, &T_JR_BARS_BOUGHT, &T_JR_CUT_DIAGRAMS};
const char* const kSectionNames[kSectionCount] = {"jobInfoCheck",    "settingsCheck",   "statisticsCheck",
                                                  "cutLayoutsCheck", "totalCostsCheck", "barsBoughtCheck",
                                                  "cutDiagramsCheck"};

constexpr qsizetype kOptimalityLinesShown = 6;

QPushButton* NewButton(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter must not press a button by itself while the optimizer runs.
    button->setAutoDefault(false);
    return button;
}

} // namespace

CLaunchJobDialog::CLaunchJobDialog(QWidget* owner, CGlobalData& data, bool reuseStubs, const std::string& libraryPath)
    : CDialogBox(owner, LangText(T_LAUNCH_TITLE)), m_data(data)
{
    // The snapshot of a large job takes a while: taken beside the window that launched it.
    RunInBackground(owner, LangText(T_WORK_PREPARING_JOB),
                    [&] { m_run = std::make_unique<COptimizationRun>(data, reuseStubs, libraryPath); });
    setObjectName(QStringLiteral("launchJobDialog"));
    auto* layout = new QVBoxLayout(this);

    auto* optimize = new QGroupBox(this);
    optimize->setObjectName(QStringLiteral("optimizeGroup"));
    auto* optimizeColumn = new QVBoxLayout(optimize);
    auto* optimizeLayout = new QHBoxLayout;
    optimizeColumn->addLayout(optimizeLayout);
    auto* bar = new QProgressBar(optimize);
    bar->setObjectName(QStringLiteral("progressBar"));
    bar->setTextVisible(false);
    bar->setRange(0, CProgressBar::kRange);
    bar->setValue(0);
    m_progress.Attach(bar);
    optimizeLayout->addWidget(bar, 1);
    m_cancel = NewButton(optimize, "cancelButton");
    optimizeLayout->addWidget(m_cancel);
    // One line per type of bar: a job may have thousands, so the lines scroll instead of
    // making the dialog as tall as all of them.
    m_optimality = new QPlainTextEdit(optimize);
    m_optimality->setObjectName(QStringLiteral("optimalityList"));
    m_optimality->setReadOnly(true);
    m_optimality->setFrameShape(QFrame::NoFrame);
    m_optimality->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_optimality->viewport()->setAutoFillBackground(false);
    m_optimality->setVisible(false);
    optimizeColumn->addWidget(m_optimality);
    layout->addWidget(optimize);

    auto* report = new QGroupBox(this);
    report->setObjectName(QStringLiteral("reportGroup"));
    auto* reportLayout = new QGridLayout(report);
    auto* pathLabel = new QLabel(report);
    pathLabel->setObjectName(QStringLiteral("reportPathLabel"));
    reportLayout->addWidget(pathLabel, 0, 0, 1, 2);
    m_reportPath = new QLineEdit(report);
    m_reportPath->setObjectName(QStringLiteral("reportPathEdit"));
    m_reportPath->setMaxLength(259);
    m_reportPath->setMinimumWidth(460);
    reportLayout->addWidget(m_reportPath, 1, 0, 1, 2);
    auto* contentLabel = new QLabel(report);
    contentLabel->setObjectName(QStringLiteral("reportContentLabel"));
    reportLayout->addWidget(contentLabel, 2, 0, 1, 2);
    for (int i = 0; i < kSectionCount; ++i) {
        m_sections[i] = new QCheckBox(report);
        m_sections[i]->setObjectName(QString::fromLatin1(kSectionNames[i]));
        reportLayout->addWidget(m_sections[i], 3 + i % 4, i / 4);
    }
    auto* reportButtonRow = new QHBoxLayout;
    m_showDiagrams = NewButton(report, "showDiagramsButton");
    m_showDiagrams->setEnabled(false);
    reportButtonRow->addWidget(m_showDiagrams);
    reportButtonRow->addStretch();
    m_paper = new CPaperChoice(report);
    reportButtonRow->addWidget(m_paper);
    m_print = NewButton(report, "printButton");
    m_print->setEnabled(false);
    reportButtonRow->addWidget(m_print);
    m_savePdf = NewButton(report, "savePdfButton");
    m_savePdf->setEnabled(false);
    reportButtonRow->addWidget(m_savePdf);
    m_createReport = NewButton(report, "createReportButton");
    m_createReport->setEnabled(false);
    reportButtonRow->addWidget(m_createReport);
    reportLayout->addLayout(reportButtonRow, 7, 0, 1, 2);
    layout->addWidget(report);

    auto* update = new QGroupBox(this);
    update->setObjectName(QStringLiteral("updateGroup"));
    auto* updateLayout = new QHBoxLayout(update);
    m_updatedLabel = new QLabel(update);
    m_updatedLabel->setObjectName(QStringLiteral("inventoryUpdatedLabel"));
    m_updatedLabel->setVisible(false);
    updateLayout->addWidget(m_updatedLabel);
    updateLayout->addStretch(1);
    m_updateInventory = NewButton(update, "updateInventoryButton");
    m_updateInventory->setEnabled(false);
    updateLayout->addWidget(m_updateInventory);
    layout->addWidget(update);

    connect(m_cancel, &QPushButton::clicked, this, [this] { Command(kIdCancel); });
    connect(m_createReport, &QPushButton::clicked, this, [this] { Command(kIdCreateReport); });
    connect(m_showDiagrams, &QPushButton::clicked, this, [this] { Command(kIdShowDiagrams); });
    connect(m_savePdf, &QPushButton::clicked, this, [this] { Command(kIdSavePdf); });
    connect(m_print, &QPushButton::clicked, this, [this] { Command(kIdPrint); });
    connect(m_updateInventory, &QPushButton::clicked, this, [this] { Command(kIdUpdateInventory); });
}

CLaunchJobDialog::~CLaunchJobDialog()
{
    // The worker may still post to this dialog until it has ended.
    m_run.reset();
}

void CLaunchJobDialog::OnInit()
{
    m_progress.Start(m_data.CountPieces());

    findChild<QGroupBox*>(QStringLiteral("optimizeGroup"))->setTitle(UiText(LangText(T_LAUNCH_OPTIMIZE_GROUP)));
    m_cancel->setText(UiText(LangText(T_CANCEL)));
    findChild<QGroupBox*>(QStringLiteral("reportGroup"))->setTitle(UiText(LangText(T_LAUNCH_REPORT_GROUP)));
    findChild<QLabel*>(QStringLiteral("reportPathLabel"))->setText(UiText(LangText(T_LAUNCH_REPORT_PATH)));
    findChild<QLabel*>(QStringLiteral("reportContentLabel"))->setText(UiText(LangText(T_LAUNCH_REPORT_CONTENT)));
    for (int i = 0; i < kSectionCount; ++i) {
        m_sections[i]->setText(UiText(LangText(*kSectionTexts[i])));
        m_sections[i]->setChecked(ReadFlagSetting(kSectionSettings[i]));
    }
    m_createReport->setText(UiText(LangText(T_CREATE_REPORT)));
    m_showDiagrams->setText(UiText(LangText(T_SHOW_DIAGRAMS)));
    m_savePdf->setText(UiText(LangText(T_SAVE_REPORT_PDF)));
    m_print->setText(UiText(LangText(T_PRINT_REPORT)));
    m_paper->Load();
    findChild<QGroupBox*>(QStringLiteral("updateGroup"))->setTitle(UiText(LangText(T_LAUNCH_UPDATE_GROUP)));
    m_updateInventory->setText(UiText(LangText(T_UPDATE_INVENTORY)));
    m_updatedLabel->setText(UiText(LangText(T_INVENTORY_UPDATED)));
    m_reportPath->setText(QString::fromStdString(DefaultJobReportPath()));
    m_reportPath->setCursorPosition(0);

    // Both handlers run on the worker thread: they only post to this dialog.
    auto progress = [this](int position) {
        if (m_postedPosition.exchange(position) == position) {
            return;
        }
        QMetaObject::invokeMethod(
            this, [this, position] { m_progress.SetPosition(position); }, Qt::QueuedConnection);
    };
    auto finished = [this](bool) { QMetaObject::invokeMethod(this, [this] { OnRunFinished(); }, Qt::QueuedConnection); };
    m_run->Start(SawThickness, progress, finished);
    m_started = true;
}

void CLaunchJobDialog::StopRun()
{
    m_run->Stop();
    m_cancelled = true;
}

void CLaunchJobDialog::OnRunFinished()
{
    m_cancel->setEnabled(false);
    m_createReport->setEnabled(true);
    m_savePdf->setEnabled(true);
    m_print->setEnabled(true);
    m_showDiagrams->setEnabled(true);
    m_updateInventory->setEnabled(!m_inventoryUpdated);
    m_finished = true;
    m_progress.Fill();
    if (m_cancelled) {
        EndDialog();
        return;
    }
    ShowOptimality();
}

bool CLaunchJobDialog::OnCommand(int id)
{
    switch (id) {
    case kIdCancel:
        if (!m_started) {
            // The optimizer never ran: nothing to wait for.
            EndDialog();
        } else if (!m_finished) {
            StopRun();
        }
        return true;
    case kIdCreateReport:
        if (m_finished) {
            CreateReport();
        }
        return true;
    case kIdShowDiagrams:
        if (m_finished) {
            ShowDiagrams();
        }
        return true;
    case kIdSavePdf:
        if (m_finished) {
            SavePdfCommand();
        }
        return true;
    case kIdPrint:
        if (m_finished) {
            PrintCommand();
        }
        return true;
    case kIdUpdateInventory:
        if (m_finished && !m_inventoryUpdated) {
            UpdateInventoryCommand();
        }
        return true;
    default:
        // Enter does not end the dialog.
        return true;
    }
}

JOB_REPORT_FLAGS CLaunchJobDialog::ChosenSections() const
{
    JOB_REPORT_FLAGS flags;
    bool* choices[kSectionCount] = {&flags.jobInfo,    &flags.settings,   &flags.statistics, &flags.cutLayouts,
                                    &flags.totalCosts, &flags.barsBought, &flags.cutDiagrams};
    for (int i = 0; i < kSectionCount; ++i) {
        *choices[i] = m_sections[i]->isChecked();
    }
    return flags;
}

void CLaunchJobDialog::CreateReport()
{
    const CuttingPlan& plan = m_run->Plan();
    const JOB_REPORT_FLAGS flags = ChosenSections();
    CreateReportBesideTheWindow(this, [&] { return BuildJobReport(m_data, flags, plan); },
                                m_reportPath->text().left(259).toStdString());
}

void CLaunchJobDialog::ShowOptimality()
{
    QStringList lines;
    try {
        for (const TOB_RESULT& result : m_run->Plan().Sequence()) {
            const TYPE_OF_BAR type = m_data.GetTypeOfBar(result.typeIndex);
            long long barsUsed = 0;
            for (const OPTIMIZED_RESULT& layout : result.layouts) {
                barsUsed += layout.barCount;
            }
            lines << QString::fromStdString(OptimalityLine(type.profileCode + " / " + type.material + " / " + type.color,
                                                           barsUsed, m_run->LowerBound(result.typeIndex)));
        }
    } catch (const std::exception&) {
        // A plan that breaks its rules is reported by the commands that use it.
        lines.clear();
    }
    m_optimality->setPlainText(lines.join(QLatin1Char('\n')));
    const int shownLines = static_cast<int>(std::min<qsizetype>(lines.size(), kOptimalityLinesShown));
    m_optimality->setFixedHeight(shownLines * m_optimality->fontMetrics().lineSpacing() +
                                 2 * static_cast<int>(m_optimality->document()->documentMargin()) + 2);
    m_optimality->setVisible(!lines.isEmpty());
}

void CLaunchJobDialog::ShowDiagrams()
{
    if (m_diagrams == nullptr) {
        m_diagrams = new CCuttingDiagramWindow(this, DiagramSections(m_data, m_run->Plan(), SawThickness));
    }
    m_diagrams->show();
    m_diagrams->raise();
    m_diagrams->activateWindow();
}

PaperReportBuilder CLaunchJobDialog::PaperReport() const
{
    // The sections are read here, on the window's thread; the report is built on the worker.
    return [this, flags = ChosenSections()] { return JobReportOnPaper(m_data, flags, m_run->Plan()); };
}

void CLaunchJobDialog::SavePdfCommand()
{
    SaveReportAsPdf(this, PaperReport(), m_paper->Setup());
}

void CLaunchJobDialog::PrintCommand()
{
    PrintReportOnPrinter(this, PaperReport(), m_paper->Setup());
}

std::string OptimalityLine(const std::string& typeText, long long barsUsed, std::optional<int> lowerBound)
{
    std::string line = typeText + ": " + std::to_string(barsUsed) + " " + LangText(T_BARS_USED);
    if (lowerBound) {
        line += ", " + std::string(LangText(T_LOWER_BOUND)) + " " + std::to_string(*lowerBound);
        // A bound above the bars used would contradict the plan: nothing is claimed then.
        if (*lowerBound == barsUsed) {
            line += " - " + std::string(LangText(T_PROVEN_OPTIMAL));
        }
    }
    return line;
}

void CLaunchJobDialog::UpdateInventoryCommand()
{
    UpdateInventory(m_data, m_run->Plan());
    m_updatedLabel->setVisible(true);
    m_inventoryUpdated = true;
    // The same plan applied twice would take its bars out of the stock twice.
    m_updateInventory->setEnabled(false);
}

bool CLaunchJobDialog::OnClose()
{
    for (int i = 0; i < kSectionCount; ++i) {
        WriteFlagSetting(kSectionSettings[i], m_sections[i]->isChecked());
    }
    if (m_finished || !m_started) {
        return true;
    }
    StopRun();
    return false;
}
