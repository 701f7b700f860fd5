#pragma once

#include "inventory/bar.h"
#include "ui/dialog_box.h"
#include "ui/panel.h"
#include "ui/type_of_bar_fields.h"

class CGlobalData;
class CMainWindow;
class CStockListView;
class CTypesOfBarsListView;
class QLabel;
class QLineEdit;

// The form below the lists of the inventory panel: the selected type of bar with its price
// and lengths to update, and the length and quantity of stock bars to add, update or
// remove. It knows the lists only through the signals it sends.
class CUpdateTypeOfBarDialog : public CPanelForm {
    Q_OBJECT
public:
    CUpdateTypeOfBarDialog(CGlobalData& data, QWidget* parent);

    // The type at `row` (labels, price and lengths), or nothing for -1; the bar fields are
    // emptied either way.
    void ShowType(int row);
    // The length and quantity of a stock entry; an all-zero bar (or quantity 0) empties them.
    void ShowBar(const BAR& bar);
    void ClearBarFields();
    // Currency and unit labels again, and the shown type in the new unit.
    void OnSettingsChanged();

signals:
    void updateTypeOfBar(TYPE_OF_BAR& record);
    void addBars(BAR& bar);
    void setBarQuantity(BAR& bar);
    void removeBar();
    void importStock();
    void exportStock();

private:
    BAR ReadBarFields() const;
    void OnUpdateType();
    void OnAdd();
    void OnUpdateBar();
    void OnRemove();

    CGlobalData& m_data;
    int m_shownType = -1;
    QLabel* m_selected[3] = {};
    CTypeOfBarFields m_fields;
    QLineEdit* m_length;
    QLabel* m_lengthUnit;
    QLineEdit* m_quantity;
};

// The inventory panel: the list of the types of bars at the left, the stock of the selected
// type beside it, the form below both.
class CPanelStock : public CPanel {
    Q_OBJECT
public:
    explicit CPanelStock(CMainWindow& mainWindow);
    ~CPanelStock() override;
    int Kind() const override { return kPanelInventory; }

    CTypesOfBarsListView* TypesList() const { return m_types; }
    CStockListView* StockList() const { return m_stock; }
    CUpdateTypeOfBarDialog* Form() const { return m_form; }

    // Width of the stock list and the gap between the lists, in pixels.
    static constexpr int kStockListWidth = 150;
    static constexpr int kListGap = 5;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void SelectType(int row);
    void UpdateSelectedType(TYPE_OF_BAR& record);
    void AddBars(BAR& bar);
    void SetBarQuantity(BAR& bar);
    void RemoveBar();
    void ImportStock();
    // The stock rows again when they no longer match the stock (bars added to a type whose
    // row is no longer selected).
    void SyncStockRows();
    void OnSettingsChanged();
    void DoLayout();

    CGlobalData& m_data;
    CTypesOfBarsListView* m_types;
    CStockListView* m_stock;
    CUpdateTypeOfBarDialog* m_form;
};
