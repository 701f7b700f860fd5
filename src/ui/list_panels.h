#pragma once

#include "ui/panel.h"

class CMainWindow;
class CStockListView;
class CTypesOfBarsListView;

// The types-of-bars panel: the list of all types of bars. Adding and removing types of
// bars through its form comes with the category editing.
class CPanelAddTypeOfBar : public CPanel {
    Q_OBJECT
public:
    explicit CPanelAddTypeOfBar(CMainWindow& mainWindow);
    int Kind() const override { return kPanelTypesOfBars; }
    CTypesOfBarsListView* TypesList() const { return m_types; }

private:
    CTypesOfBarsListView* m_types;
};

// The inventory panel: the types of bars above, the stock of the selected one below.
// Changing prices and stock through its form comes with the types-of-bars editing.
class CPanelStock : public CPanel {
    Q_OBJECT
public:
    explicit CPanelStock(CMainWindow& mainWindow);
    ~CPanelStock() override;
    int Kind() const override { return kPanelInventory; }
    CTypesOfBarsListView* TypesList() const { return m_types; }
    CStockListView* StockList() const { return m_stock; }

private:
    void SelectType(int row);

    CMainWindow& m_mainWindow;
    CTypesOfBarsListView* m_types;
    CStockListView* m_stock;
};
