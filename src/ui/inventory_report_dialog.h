#pragma once

#include "ui/dialog_box.h"

class CInventoryData;
class QCheckBox;
class QLineEdit;

// Chooses the file and the sections of the inventory report and writes it. The path starts
// as a fresh name in the report folder; the sections start as stored and are stored again
// when the dialog is closed with its close box, the only way it ends (Enter and Escape do
// nothing). A report written keeps the dialog open.
class CStockReportDialog : public CDialogBox {
    Q_OBJECT
public:
    CStockReportDialog(QWidget* parent, const CInventoryData& inventory);

    static constexpr int kIdCreateReport = 1043;

protected:
    void OnInit() override;
    bool OnCommand(int id) override;
    bool OnClose() override;

private:
    const CInventoryData& m_inventory;
    QLineEdit* m_path;
    QCheckBox* m_stockInfo;
    QCheckBox* m_stockDetails;
    QCheckBox* m_totalCost;
    QCheckBox* m_barsBought;
};
