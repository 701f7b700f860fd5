#pragma once

#include "report/inventory_report.h"
#include "ui/dialog_box.h"

class CInventoryData;
class CPaperChoice;
class QCheckBox;
class QLineEdit;

// Chooses the file and the sections of the inventory report and writes it, saves it as PDF
// or prints it. The path starts
// as a fresh name in the report folder; the sections start as stored and are stored again
// when the dialog is closed with its close box, the only way it ends (Enter and Escape do
// nothing). A report written keeps the dialog open.
class CStockReportDialog : public CDialogBox {
    Q_OBJECT
public:
    CStockReportDialog(QWidget* parent, const CInventoryData& inventory);

    static constexpr int kIdCreateReport = 1043;
    static constexpr int kIdSavePdf = 1048;
    static constexpr int kIdPrint = 1049;

protected:
    void OnInit() override;
    bool OnCommand(int id) override;
    bool OnClose() override;

private:
    INVENTORY_REPORT_FLAGS ChosenSections() const;

    const CInventoryData& m_inventory;
    QLineEdit* m_path;
    QCheckBox* m_stockInfo;
    QCheckBox* m_stockDetails;
    QCheckBox* m_totalCost;
    QCheckBox* m_barsBought;
    CPaperChoice* m_paper;
};
