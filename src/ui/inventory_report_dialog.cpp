#include "ui/inventory_report_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/settings.h"
#include "core/texts.h"
#include "report/inventory_report.h"
#include "ui/controls.h"
#include "ui/paper_setup.h"
#include "ui/report_output.h"


namespace {

constexpr int kPathMaxLength = 259;

} // namespace

CStockReportDialog::CStockReportDialog(QWidget* parent, const CInventoryData& inventory)
    : CDialogBox(parent, LangText(T_INVENTORY_REPORT_TITLE)), m_inventory(inventory)
{
    setObjectName(QStringLiteral("inventoryReportDialog"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(UiText(LangText(T_LAUNCH_REPORT_PATH)), this), 0, 0, 1, 2);
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("reportPathEdit"));
    m_path->setMaxLength(kPathMaxLength);
    m_path->setMinimumWidth(360);
    grid->addWidget(m_path, 1, 0, 1, 2);
    grid->addWidget(new QLabel(UiText(LangText(T_LAUNCH_REPORT_CONTENT)), this), 2, 0, 1, 2);
    const auto box = [this, grid](const char* text, const char* name, int row) {
        auto* check = new QCheckBox(UiText(text), this);
        check->setObjectName(UiText(name));
        grid->addWidget(check, row, 0);
        return check;
    };
    m_stockInfo = box(LangText(T_SR_STOCK_INFO), "stockInfoCheck", 3);
    m_stockDetails = box(LangText(T_SR_STOCK_DETAILS), "stockDetailsCheck", 4);
    m_totalCost = box(LangText(T_SR_TOTAL_COST), "totalCostCheck", 5);
    m_barsBought = box(LangText(T_JR_BARS_BOUGHT), "barsBoughtCheck", 6);
    grid->setColumnMinimumWidth(0, 200);
    const auto button = [this](const char* text, const char* name, int id) {
        auto* push = new QPushButton(UiText(text), this);
        push->setObjectName(UiText(name));
        // Not a default button: Enter must not write a report.
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, [this, id] { Command(id); });
        return push;
    };
    grid->addWidget(button(LangText(T_CREATE_REPORT), "createReportButton", kIdCreateReport), 6, 1, Qt::AlignRight);
    auto* paperRow = new QHBoxLayout;
    m_paper = new CPaperChoice(this);
    paperRow->addWidget(m_paper);
    paperRow->addStretch();
    paperRow->addWidget(button(LangText(T_PRINT_REPORT), "printButton", kIdPrint));
    paperRow->addWidget(button(LangText(T_SAVE_REPORT_PDF), "savePdfButton", kIdSavePdf));
    grid->addLayout(paperRow, 7, 0, 1, 2);
}

void CStockReportDialog::OnInit()
{
    m_path->setText(QString::fromStdString(DefaultInventoryReportPath()));
    const INVENTORY_REPORT_FLAGS flags = ReadInventoryReportFlags();
    m_stockInfo->setChecked(flags.stockInfo);
    m_stockDetails->setChecked(flags.stockDetails);
    m_totalCost->setChecked(flags.totalCost);
    m_barsBought->setChecked(flags.barsBought);
    m_paper->Load();
}

INVENTORY_REPORT_FLAGS CStockReportDialog::ChosenSections() const
{
    INVENTORY_REPORT_FLAGS flags;
    flags.stockInfo = m_stockInfo->isChecked();
    flags.stockDetails = m_stockDetails->isChecked();
    flags.totalCost = m_totalCost->isChecked();
    flags.barsBought = m_barsBought->isChecked();
    return flags;
}

bool CStockReportDialog::OnCommand(int id)
{
    // The sections are read here, on the window's thread; the report is built on the worker.
    const INVENTORY_REPORT_FLAGS flags = ChosenSections();
    const auto build = [this, flags] { return InventoryReportOnPaper(m_inventory, flags); };
    switch (id) {
    case kIdCreateReport:
        CreateReportBesideTheWindow(this, [this, flags] { return BuildInventoryReport(m_inventory, flags); },
                                    m_path->text().left(kPathMaxLength).toStdString());
        return true;
    case kIdSavePdf:
        SaveReportAsPdf(this, build, m_paper->Setup());
        return true;
    case kIdPrint:
        PrintReportOnPrinter(this, build, m_paper->Setup());
        return true;
    default:
        // OK and Cancel (Enter, Escape) fall to the defaults, which do nothing.
        return false;
    }
}

bool CStockReportDialog::OnClose()
{
    WriteFlagSetting(kSettingStockInfoSR, m_stockInfo->isChecked());
    WriteFlagSetting(kSettingStockDetailsSR, m_stockDetails->isChecked());
    WriteFlagSetting(kSettingTotalCostSR, m_totalCost->isChecked());
    WriteFlagSetting(kSettingBarsBoughtSR, m_barsBought->isChecked());
    return true;
}
