#include "ui/list_views.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "core/length.h"
#include "core/settings.h"
#include "core/texts.h"
#include "job/global_data.h"

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString PlainLength(Length length) { return Text(LengthToText(length, LengthUnit, Precision, false)); }

// "%s (%s)": a title and the current unit label.
QString WithUnit(const char* title) { return QStringLiteral("%1 (%2)").arg(title, UnitLabel(LengthUnit)); }

} // namespace

CListModel::CListModel(int columns, QObject* parent) : QAbstractTableModel(parent), m_columns(columns) {}

int CListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int CListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_columns; }

QVariant CListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= m_columns) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(IsRightAligned(index.column()) ? Qt::AlignRight | Qt::AlignVCenter
                                                                                : Qt::AlignLeft | Qt::AlignVCenter));
    }
    if (role != Qt::DisplayRole || index.row() >= StoreCount()) {
        return {};
    }
    try {
        return CellText(index.row(), index.column());
    } catch (...) {
        // A cell that cannot be read shows empty; painting must never raise.
        return {};
    }
}

QVariant CListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return ColumnTitle(section);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(IsRightAligned(section) ? Qt::AlignRight | Qt::AlignVCenter
                                                                         : Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

void CListModel::InsertRows(int count)
{
    if (count <= 0) {
        return;
    }
    beginInsertRows(QModelIndex(), m_rows, m_rows + count - 1);
    m_rows += count;
    endInsertRows();
}

void CListModel::DeleteRow(int row)
{
    if (row < 0 || row >= m_rows) {
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    --m_rows;
    endRemoveRows();
}

void CListModel::DeleteAllRows()
{
    beginResetModel();
    m_rows = 0;
    endResetModel();
}

void CListModel::Refresh()
{
    if (m_rows > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1), {Qt::DisplayRole});
    }
}

void CListModel::SetColumnHeaders()
{
    emit headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
    Refresh();
}

CTypesOfBarsModel::CTypesOfBarsModel(const CInventoryData& inventory, QObject* parent)
    : CListModel(ColumnCount, parent), m_inventory(inventory)
{
}

QString CTypesOfBarsModel::ColumnTitle(int column) const
{
    switch (column) {
    case ProfileCode: return LangText(T_COLUMN_PROFILE_CODE);
    case Material: return LangText(T_COLUMN_MATERIAL);
    case Color: return LangText(T_COLUMN_COLOR);
    case Price:
        return QStringLiteral("%1 (%2) / %3 (%4)")
            .arg(LangText(T_COLUMN_PRICE), Text(Currency), LangText(T_COLUMN_LENGTH), UnitLabel(LengthUnit));
    case DefaultLength: return WithUnit(LangText(T_COLUMN_DEFAULT_LENGTH));
    case MinReusedLength: return WithUnit(LangText(T_COLUMN_MIN_REUSED_LENGTH));
    case MaxWasteLength: return WithUnit(LangText(T_COLUMN_MAX_WASTE_LENGTH));
    default: return {};
    }
}

QString CTypesOfBarsModel::CellText(int row, int column) const
{
    const TYPE_OF_BAR type = m_inventory.GetTypeOfBar(row);
    switch (column) {
    case ProfileCode: return Text(type.profileCode);
    case Material: return Text(type.material);
    case Color: return Text(type.color);
    case Price: return QStringLiteral("%1 / %2").arg(Text(NumberToText(type.price, 2)), PlainLength(type.priceLength));
    case DefaultLength: return PlainLength(type.defaultLength);
    case MinReusedLength: return PlainLength(type.minReusedLength);
    case MaxWasteLength: return PlainLength(type.maxWasteLength);
    default: return {};
    }
}

int CTypesOfBarsModel::StoreCount() const { return m_inventory.CountTypesOfBars(); }

CStockModel::CStockModel(const CInventoryData& inventory, QObject* parent)
    : CListModel(ColumnCount, parent), m_inventory(inventory)
{
}

QString CStockModel::ColumnTitle(int column) const
{
    switch (column) {
    case LengthColumn: return WithUnit(LangText(T_COLUMN_LENGTH));
    case Quantity: return LangText(T_COLUMN_QUANTITY);
    default: return {};
    }
}

QString CStockModel::CellText(int row, int column) const
{
    const BAR bar = m_inventory.GetBar(row);
    switch (column) {
    case LengthColumn: return PlainLength(bar.length);
    case Quantity: return QString::number(bar.quantity);
    default: return {};
    }
}

int CStockModel::StoreCount() const { return m_inventory.CountBars(); }

COrderModel::COrderModel(const CGlobalData& data, QObject* parent) : CListModel(ColumnCount, parent), m_data(data) {}

QString COrderModel::ColumnTitle(int column) const
{
    switch (column) {
    case ProfileCode: return LangText(T_COLUMN_PROFILE_CODE);
    case Material: return LangText(T_COLUMN_MATERIAL);
    case Color: return LangText(T_COLUMN_COLOR);
    case Identifier: return LangText(T_COLUMN_IDENTIFIER);
    case LengthColumn: return WithUnit(LangText(T_COLUMN_LENGTH));
    case Quantity: return LangText(T_COLUMN_QUANTITY);
    default: return {};
    }
}

QString COrderModel::CellText(int row, int column) const
{
    ORDER order;
    m_data.GetOrder(row, order);
    switch (column) {
    case ProfileCode: return Text(order.profileCode);
    case Material: return Text(order.material);
    case Color: return Text(order.color);
    case Identifier: return order.identifier == kNoIdentifier ? QString() : Text(order.identifier);
    case LengthColumn: return PlainLength(order.length);
    case Quantity: return QString::number(order.quantity);
    default: return {};
    }
}

int COrderModel::StoreCount() const { return m_data.CountOrders(); }

CListView::CListView(CListModel* model, QWidget* parent) : QTableView(parent), m_model(model)
{
    m_model->setParent(this);
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setShowGrid(true);
    setWordWrap(false);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // A click on a title changes nothing: no sorting, no column selection.
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { ReportSelection(); });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, [this] { ReportSelection(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { ReportSelection(); });
}

int CListView::GetSelected() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CListView::SelectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        clearSelection();
        return;
    }
    selectRow(row);
}

void CListView::SetColumnHeaders()
{
    const QFontMetrics metrics = horizontalHeader()->fontMetrics();
    for (int column = 0; column < m_model->columnCount(); ++column) {
        setColumnWidth(column, metrics.horizontalAdvance(m_model->ColumnTitle(column)) + 20);
    }
    m_model->SetColumnHeaders();
}

void CListView::mousePressEvent(QMouseEvent* event)
{
    if (!indexAt(event->position().toPoint()).isValid()) {
        clearSelection();
        setCurrentIndex(QModelIndex());
        ReportSelection();
        return;
    }
    QTableView::mousePressEvent(event);
    ReportSelection();
}

void CListView::ReportSelection() { emit selectedRowChanged(GetSelected()); }

CTypesOfBarsListView::CTypesOfBarsListView(const CInventoryData& inventory, QWidget* parent)
    : CListView(new CTypesOfBarsModel(inventory), parent)
{
    setObjectName(QStringLiteral("typesOfBarsList"));
    Model()->InsertRows(inventory.CountTypesOfBars());
    scrollToBottom();
    SetColumnHeaders();
    connect(this, &CListView::selectedRowChanged, this, &CTypesOfBarsListView::typeOfBarSelected);
}

CStockListView::CStockListView(const CInventoryData& inventory, QWidget* parent)
    : CListView(new CStockModel(inventory), parent), m_inventory(inventory)
{
    setObjectName(QStringLiteral("stockList"));
    SetColumnHeaders();
    connect(this, &CListView::selectedRowChanged, this, [this](int row) {
        BAR bar;
        if (row >= 0 && row < m_inventory.CountBars()) {
            bar = m_inventory.GetBar(row);
        }
        emit barSelected(bar);
    });
}

COrderListView::COrderListView(CGlobalData& data, QWidget* parent)
    : CListView(new COrderModel(data), parent), m_data(data)
{
    setObjectName(QStringLiteral("orderList"));
    SetColumnHeaders();
    connect(this, &CListView::selectedRowChanged, this, [this] { ReportSelectedOrder(); });
}

void COrderListView::Rebuild()
{
    Model()->DeleteAllRows();
    Model()->InsertRows(m_data.CountOrders());
    scrollToBottom();
}

void COrderListView::AddOrder(ORDER& order)
{
    const int before = m_data.CountOrders();
    m_data.AddOrder(order);
    // An order whose type of bar no longer exists is not taken: no row then.
    Model()->InsertRows(m_data.CountOrders() - before);
    scrollToBottom();
}

void COrderListView::UpdateSelected(ORDER& order)
{
    const int row = GetSelected();
    if (row < 0) {
        return;
    }
    m_data.UpdateOrder(row, order);
    Refresh();
}

void COrderListView::RemoveSelected()
{
    const int row = GetSelected();
    if (row < 0) {
        return;
    }
    m_data.RemoveOrder(row);
    Model()->DeleteRow(row);
    // No row inherits the selection of the removed one.
    clearSelection();
}

void COrderListView::ReportSelectedOrder()
{
    const int row = GetSelected();
    ORDER order;
    if (row >= 0 && row < m_data.CountOrders()) {
        m_data.GetOrder(row, order);
    }
    emit orderSelected(order);
}
