#pragma once

#include <optional>

#include "job/order.h"
#include "ui/controls.h"
#include "ui/dialog_box.h"
#include "ui/panel.h"

class CGlobalData;
class CMainWindow;
class COrderListView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The order editor below the orders list: the fields of one order, the job name and
// description, "reuse stubs" and the job buttons. It knows the list only through the
// signals it sends.
class COrderDialog : public CPanelForm {
    Q_OBJECT
public:
    COrderDialog(CGlobalData& data, QWidget* parent);

    // The first type selected, the order fields emptied, name and description from the job.
    void RefreshEditor();
    // The order's fields, or (for an empty order, quantity 0) the first type and empty fields.
    void ShowOrder(const ORDER& order);
    // Copies the job name and description fields into the job.
    void CommitNameFields();
    void SetUnitLabel();
    bool ReuseStubs() const;

signals:
    void addOrder(ORDER& order);
    void updateOrder(ORDER& order);
    void removeOrder();
    void saveJob();
    void launchJob();

private:
    // The order the fields describe; nothing when no type of bar is selected. Raises
    // when the length or the quantity is not a valid number.
    std::optional<ORDER> ReadOrderFields() const;
    void ClearOrderFields(bool keepIdentifier);
    void SelectFirstType();
    void OnAdd();
    void OnUpdate();
    void OnRemove();
    void Guarded(void (COrderDialog::*handler)());

    CGlobalData& m_data;
    CComboBoxCtrl m_types;
    QComboBox* m_typeCombo;
    QLineEdit* m_identifier;
    QLineEdit* m_length;
    QLabel* m_unit;
    QLineEdit* m_quantity;
    QLineEdit* m_jobName;
    QPlainTextEdit* m_jobDescription;
    QCheckBox* m_reuseStubs;
};

// The job panel: the orders of the job above, the order editor below. It also carries
// the open-job and new-job commands and starts the job launch dialog.
class CPanelOrder : public CPanel {
    Q_OBJECT
public:
    explicit CPanelOrder(CMainWindow& mainWindow);
    // Commits the name fields and stores the "reuse stubs" choice.
    ~CPanelOrder() override;
    int Kind() const override { return kPanelJob; }

    void OpenJobCommand();
    void NewJobCommand();
    // Reads a spreadsheet of orders, shows what would be added and what not, and adds the
    // good rows on OK.
    void ImportOrdersCsvCommand();
    // Writes the job's orders to a spreadsheet file chosen by the user.
    void ExportOrdersCsvCommand();
    void CommitNameFields();

    COrderListView* OrderList() const { return m_list; }
    COrderDialog* Editor() const { return m_editor; }

private:
    void Refresh();
    void SetTitle();
    void OnSettingsChanged();
    void SaveJob();
    void LaunchJob();

    CMainWindow& m_mainWindow;
    CGlobalData& m_data;
    COrderListView* m_list;
    COrderDialog* m_editor;
};
