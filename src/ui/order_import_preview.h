#pragma once

#include "job/order_csv.h"
#include "ui/dialog_box.h"

class QListWidget;
class QTableView;

// What an import of orders from a spreadsheet would do, before it does anything: the
// orders that will be added and the rows that will not, each with its line and reason.
// OK takes the orders, Cancel and the close box take nothing.
class COrderImportPreview : public CDialogBox {
    Q_OBJECT
public:
    COrderImportPreview(QWidget* owner, const ORDER_IMPORT& import);

    bool IsAccepted() const { return m_accepted; }
    QTableView* OrderTable() const { return m_table; }
    QListWidget* ProblemList() const { return m_problems; }

protected:
    void OnInit() override;
    bool OnCommand(int id) override;

private:
    const ORDER_IMPORT& m_import;
    QTableView* m_table;
    QListWidget* m_problems;
    bool m_accepted = false;
};
