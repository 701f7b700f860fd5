#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include "inventory/bar.h"
#include "job/order.h"

class CGlobalData;
class CInventoryData;

// A table whose rows hold nothing: row i shows element i of the store behind it, read
// again on every data() call. The row count follows the store through InsertRows,
// DeleteRow and DeleteAllRows, which the owner calls for each element it adds or removes.
// Column titles come from the current language and settings; there is no sorting.
class CListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CListModel(int columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void InsertRows(int count);
    void DeleteRow(int row);
    void DeleteAllRows();
    // Every cell is asked for its text again.
    void Refresh();
    // The titles are read again (after a change of unit or currency), then the cells.
    void SetColumnHeaders();

    virtual QString ColumnTitle(int column) const = 0;
    virtual bool IsRightAligned(int column) const = 0;

protected:
    // The text of one cell; only called for rows the store has.
    virtual QString CellText(int row, int column) const = 0;
    virtual int StoreCount() const = 0;

private:
    int m_columns;
    int m_rows = 0;
};

class CTypesOfBarsModel : public CListModel {
    Q_OBJECT
public:
    enum Column { ProfileCode, Material, Color, Price, DefaultLength, MinReusedLength, MaxWasteLength, ColumnCount };
    explicit CTypesOfBarsModel(const CInventoryData& inventory, QObject* parent = nullptr);
    QString ColumnTitle(int column) const override;
    bool IsRightAligned(int column) const override { return column >= Price; }

protected:
    QString CellText(int row, int column) const override;
    int StoreCount() const override;

private:
    const CInventoryData& m_inventory;
};

class CStockModel : public CListModel {
    Q_OBJECT
public:
    enum Column { LengthColumn, Quantity, ColumnCount };
    explicit CStockModel(const CInventoryData& inventory, QObject* parent = nullptr);
    QString ColumnTitle(int column) const override;
    bool IsRightAligned(int) const override { return false; }

protected:
    QString CellText(int row, int column) const override;
    int StoreCount() const override;

private:
    const CInventoryData& m_inventory;
};

class COrderModel : public CListModel {
    Q_OBJECT
public:
    enum Column { ProfileCode, Material, Color, Identifier, LengthColumn, Quantity, ColumnCount };
    explicit COrderModel(const CGlobalData& data, QObject* parent = nullptr);
    QString ColumnTitle(int column) const override;
    bool IsRightAligned(int column) const override { return column >= LengthColumn; }

protected:
    QString CellText(int row, int column) const override;
    int StoreCount() const override;

private:
    const CGlobalData& m_data;
};

// The view over one list model: whole rows, one at a time, the selection always shown,
// a click on an empty area clears it. Each change of selection is reported with the
// selected row, or -1.
class CListView : public QTableView {
    Q_OBJECT
public:
    CListView(CListModel* model, QWidget* parent);

    CListModel* Model() const { return m_model; }
    int GetSelected() const;
    void SelectRow(int row);
    // Titles and widths (title width + 20 pixels) again, then every cell.
    void SetColumnHeaders();
    void Refresh() { m_model->Refresh(); }

signals:
    void selectedRowChanged(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ReportSelection();

    CListModel* m_model;
};

// The list of the types of bars; reports the selected row or -1.
class CTypesOfBarsListView : public CListView {
    Q_OBJECT
public:
    CTypesOfBarsListView(const CInventoryData& inventory, QWidget* parent);

signals:
    void typeOfBarSelected(int row);
};

// The list of the selected stock; reports the selected bar, or an all-zero bar.
class CStockListView : public CListView {
    Q_OBJECT
public:
    CStockListView(const CInventoryData& inventory, QWidget* parent);

signals:
    void barSelected(const BAR& bar);

private:
    const CInventoryData& m_inventory;
};

// The orders of the job; reports the selected order, or an empty one. The add, update and
// remove operations change the job and keep the rows in step with it.
class COrderListView : public CListView {
    Q_OBJECT
public:
    COrderListView(CGlobalData& data, QWidget* parent);

    // Rows for every order of the job, the last brought into view.
    void Rebuild();
    void AddOrder(ORDER& order);
    // Both do nothing when no row is selected.
    void UpdateSelected(ORDER& order);
    void RemoveSelected();
    // Reports the current selection again (after a change of unit).
    void ReportSelectedOrder();

signals:
    void orderSelected(const ORDER& order);

private:
    CGlobalData& m_data;
};
