#include "ui/inventory_panel.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/length.h"
#include "core/main_title.h"
#include "core/settings.h"
#include "core/texts.h"
#include "job/global_data.h"
#include "ui/guarded_call.h"
#include "ui/controls.h"
#include "ui/list_views.h"
#include "ui/main_window.h"
#include "ui/stock_csv_commands.h"

namespace {

// The decimal integer at the start of the quantity field: leading white space, an optional
// sign, then digits up to the first other character; 0 without digits. Values beyond the
// 32-bit range are held at its ends.
std::int32_t QuantityFromText(const std::string& text)
{
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

} // namespace

CUpdateTypeOfBarDialog::CUpdateTypeOfBarDialog(CGlobalData& data, QWidget* parent) : CPanelForm(parent), m_data(data)
{
    setObjectName(QStringLiteral("inventoryForm"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);

    auto* selectedGroup = new QGroupBox(UiText(LangText(T_TOB_SELECTED_GROUP)), this);
    selectedGroup->setObjectName(QStringLiteral("selectedGroup"));
    auto* selectedGrid = new QGridLayout(selectedGroup);
    const char* labels[] = {LangText(T_TOB_PROFILE_CODE_LABEL), LangText(T_TOB_MATERIAL_LABEL),
                            LangText(T_TOB_COLOR_LABEL)};
    const char* selectedNames[] = {"selectedProfileCode", "selectedMaterial", "selectedColor"};
    for (int index = 0; index < 3; ++index) {
        selectedGrid->addWidget(NewFormLabel(selectedGroup, labels[index]), index, 0);
        m_selected[index] = NewFormLabel(selectedGroup, "", selectedNames[index]);
        m_selected[index]->setMinimumWidth(80);
        selectedGrid->addWidget(m_selected[index], index, 1);
    }
    selectedGrid->setRowStretch(3, 1);
    selectedGrid->setColumnStretch(1, 1);
    layout->addWidget(selectedGroup, 2);

    auto* updateGroup = new QGroupBox(UiText(LangText(T_TOB_UPDATE_GROUP)), this);
    updateGroup->setObjectName(QStringLiteral("updateGroup"));
    auto* updateGrid = new QGridLayout(updateGroup);
    m_fields.Build(updateGroup, updateGrid, 0);
    QPushButton* updateType = NewFormButton(updateGroup, "updateTypeButton", LangText(T_BUTTON_UPDATE));
    updateGrid->addWidget(updateType, 3, 4, 1, 2);
    updateGrid->setColumnStretch(1, 1);
    updateGrid->setColumnStretch(4, 1);
    layout->addWidget(updateGroup, 4);

    auto* stockGroup = new QGroupBox(UiText(LangText(T_STOCK_GROUP)), this);
    stockGroup->setObjectName(QStringLiteral("stockGroup"));
    auto* stockGrid = new QGridLayout(stockGroup);
    stockGrid->addWidget(NewFormLabel(stockGroup, LangText(T_STOCK_LENGTH_LABEL)), 0, 0);
    m_length = NewFormEdit(stockGroup, "lengthEdit", 255);
    stockGrid->addWidget(m_length, 0, 1);
    m_lengthUnit = NewFormLabel(stockGroup, "", "lengthUnit");
    m_lengthUnit->setMinimumWidth(m_lengthUnit->fontMetrics().horizontalAdvance(QStringLiteral("ft/in")) + 4);
    stockGrid->addWidget(m_lengthUnit, 0, 2);
    stockGrid->addWidget(NewFormLabel(stockGroup, LangText(T_STOCK_QUANTITY_LABEL)), 1, 0);
    m_quantity = NewFormEdit(stockGroup, "quantityEdit", 255);
    stockGrid->addWidget(m_quantity, 1, 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* add = NewFormButton(stockGroup, "addButton", LangText(T_BUTTON_ADD));
    QPushButton* updateBar = NewFormButton(stockGroup, "updateBarButton", LangText(T_BUTTON_UPDATE));
    QPushButton* remove = NewFormButton(stockGroup, "removeButton", LangText(T_BUTTON_REMOVE));
    buttons->addWidget(add);
    buttons->addWidget(updateBar);
    buttons->addWidget(remove);
    auto* csvButtons = new QHBoxLayout;
    QPushButton* importCsv = NewFormButton(stockGroup, "importStockCsvButton", LangText(T_IMPORT_STOCK_CSV));
    QPushButton* exportCsv = NewFormButton(stockGroup, "exportStockCsvButton", LangText(T_EXPORT_STOCK_CSV));
    csvButtons->addWidget(importCsv);
    csvButtons->addWidget(exportCsv);
    stockGrid->setRowStretch(2, 1);
    stockGrid->addLayout(buttons, 3, 0, 1, 3);
    stockGrid->addLayout(csvButtons, 4, 0, 1, 3);
    stockGrid->setColumnStretch(1, 1);
    layout->addWidget(stockGroup, 3);

    OnSettingsChanged();

    const auto guarded = [this](void (CUpdateTypeOfBarDialog::*handler)()) {
        return [this, handler] { GuardedCall(ErrorCaptions::Dialog, [this, handler] { (this->*handler)(); }); };
    };
    connect(updateType, &QPushButton::clicked, this, guarded(&CUpdateTypeOfBarDialog::OnUpdateType));
    connect(add, &QPushButton::clicked, this, guarded(&CUpdateTypeOfBarDialog::OnAdd));
    connect(updateBar, &QPushButton::clicked, this, guarded(&CUpdateTypeOfBarDialog::OnUpdateBar));
    connect(remove, &QPushButton::clicked, this, guarded(&CUpdateTypeOfBarDialog::OnRemove));
    connect(importCsv, &QPushButton::clicked, this, &CUpdateTypeOfBarDialog::importStock);
    connect(exportCsv, &QPushButton::clicked, this, &CUpdateTypeOfBarDialog::exportStock);
}

void CUpdateTypeOfBarDialog::ShowType(int row)
{
    m_shownType = -1;
    if (row < 0) {
        for (QLabel* label : m_selected) {
            label->clear();
        }
        m_fields.Clear();
    } else {
        const TYPE_OF_BAR type = m_data.GetTypeOfBar(row);
        m_selected[0]->setText(QString::fromStdString(type.profileCode));
        m_selected[1]->setText(QString::fromStdString(type.material));
        m_selected[2]->setText(QString::fromStdString(type.color));
        m_fields.Show(type);
        m_shownType = row;
    }
    ClearBarFields();
}

void CUpdateTypeOfBarDialog::ShowBar(const BAR& bar)
{
    if (bar.quantity == 0) {
        ClearBarFields();
        return;
    }
    m_length->setText(QString::fromStdString(LengthToText(bar.length, LengthUnit, Precision, false)));
    m_quantity->setText(QString::number(bar.quantity));
}

void CUpdateTypeOfBarDialog::ClearBarFields()
{
    m_length->clear();
    m_quantity->clear();
}

void CUpdateTypeOfBarDialog::OnSettingsChanged()
{
    m_fields.SetUnitLabels();
    m_lengthUnit->setText(UiText(UnitLabel(LengthUnit)));
    if (m_shownType >= 0 && m_shownType < m_data.CountTypesOfBars()) {
        const TYPE_OF_BAR type = m_data.GetTypeOfBar(m_shownType);
        m_fields.Show(type);
    }
}

BAR CUpdateTypeOfBarDialog::ReadBarFields() const
{
    BAR bar;
    bar.length = TextToLength(m_length->text().toStdString(), LengthUnit);
    bar.quantity = QuantityFromText(m_quantity->text().toStdString());
    return bar;
}

void CUpdateTypeOfBarDialog::OnUpdateType()
{
    TYPE_OF_BAR record;
    m_fields.Read(record);
    emit updateTypeOfBar(record);
}

void CUpdateTypeOfBarDialog::OnAdd()
{
    BAR bar = ReadBarFields();
    emit addBars(bar);
    ClearBarFields();
    m_length->setFocus();
}

void CUpdateTypeOfBarDialog::OnUpdateBar()
{
    BAR bar = ReadBarFields();
    emit setBarQuantity(bar);
    ClearBarFields();
}

void CUpdateTypeOfBarDialog::OnRemove()
{
    emit removeBar();
    ClearBarFields();
}

CPanelStock::CPanelStock(CMainWindow& mainWindow)
    : CPanel(&mainWindow),
      m_data(mainWindow.Data()),
      m_types(new CTypesOfBarsListView(mainWindow.Data(), this)),
      m_stock(new CStockListView(mainWindow.Data(), this)),
      m_form(new CUpdateTypeOfBarDialog(mainWindow.Data(), this))
{
    setObjectName(QStringLiteral("inventoryPanel"));
    m_form->ShowType(-1);

    connect(m_types, &CTypesOfBarsListView::typeOfBarSelected, this, [this](int row) {
        GuardedCall(ErrorCaptions::Window, [this, row] { SelectType(row); });
    });
    connect(m_stock, &CStockListView::barSelected, m_form, &CUpdateTypeOfBarDialog::ShowBar);
    connect(m_form, &CUpdateTypeOfBarDialog::updateTypeOfBar, this, &CPanelStock::UpdateSelectedType);
    connect(m_form, &CUpdateTypeOfBarDialog::addBars, this, &CPanelStock::AddBars);
    connect(m_form, &CUpdateTypeOfBarDialog::setBarQuantity, this, &CPanelStock::SetBarQuantity);
    connect(m_form, &CUpdateTypeOfBarDialog::removeBar, this, &CPanelStock::RemoveBar);
    connect(m_form, &CUpdateTypeOfBarDialog::importStock, this,
            [this] { GuardedCall(ErrorCaptions::Dialog, [this] { ImportStock(); }); });
    connect(m_form, &CUpdateTypeOfBarDialog::exportStock, this,
            [this] { GuardedCall(ErrorCaptions::Dialog, [this] { ExportStockToCsv(m_data); }); });
    connect(&mainWindow, &CMainWindow::settingsChanged, this,
            [this] { GuardedCall(ErrorCaptions::Window, [this] { OnSettingsChanged(); }); });
    SetMainTitle(LangText(T_PANEL_MANAGE_INVENTORY), "");
    DoLayout();
}

CPanelStock::~CPanelStock() { m_data.ClearStock(); }

void CPanelStock::resizeEvent(QResizeEvent* event)
{
    CPanel::resizeEvent(event);
    DoLayout();
}

void CPanelStock::DoLayout()
{
    const int formHeight = std::min(m_form->sizeHint().height(), height());
    const int listsHeight = height() - formHeight;
    // Narrower than both lists: the stock list keeps what there is, the types list the rest.
    const int typesWidth = std::max(0, width() - kStockListWidth - kListGap);
    const int stockLeft = typesWidth == 0 ? 0 : typesWidth + kListGap;
    m_types->setGeometry(0, 0, typesWidth, listsHeight);
    m_stock->setGeometry(stockLeft, 0, std::min(kStockListWidth, width()), listsHeight);
    m_form->setGeometry(0, listsHeight, width(), formHeight);
}

void CPanelStock::SelectType(int row)
{
    m_form->ShowType(row);
    m_stock->Model()->DeleteAllRows();
    if (row < 0) {
        // The stock of the type selected before stays selected in the data.
        return;
    }
    m_data.SelectStock(row);
    m_stock->Model()->InsertRows(m_data.CountBars());
    m_stock->scrollToBottom();
}

void CPanelStock::UpdateSelectedType(TYPE_OF_BAR& record)
{
    const int row = m_types->GetSelected();
    if (row < 0) {
        return;
    }
    m_data.UpdateTypeOfBar(row, record);
    m_types->Refresh();
}

void CPanelStock::AddBars(BAR& bar)
{
    int result = -1;
    try {
        result = m_data.AddBars(bar);
    } catch (...) {
        // The stock in memory may have changed before its file failed: the rows follow it.
        SyncStockRows();
        throw;
    }
    if (result == -2) {
        m_stock->Model()->InsertRows(1);
    } else if (result >= 0) {
        m_stock->Model()->DeleteRow(result);
    }
    SyncStockRows();
    m_stock->Refresh();
    if (result == -2) {
        const int found = m_data.FindBar(bar.length);
        if (found >= 0) {
            m_stock->scrollTo(m_stock->model()->index(found, 0));
        }
    }
}

void CPanelStock::SetBarQuantity(BAR& bar)
{
    const int row = m_stock->GetSelected();
    if (row < 0) {
        return;
    }
    m_data.SetBarQuantity(row, bar);
    m_stock->Refresh();
}

void CPanelStock::RemoveBar()
{
    const int row = m_stock->GetSelected();
    if (row < 0) {
        return;
    }
    try {
        m_data.RemoveBar(row);
    } catch (...) {
        SyncStockRows();
        throw;
    }
    m_stock->Model()->DeleteRow(row);
    m_stock->clearSelection();
    SyncStockRows();
}

void CPanelStock::ImportStock()
{
    if (ImportStockFromCsv(m_data)) {
        SyncStockRows();
        m_stock->Refresh();
    }
}

void CPanelStock::SyncStockRows()
{
    if (m_stock->Model()->rowCount() == m_data.CountBars()) {
        return;
    }
    m_stock->Model()->DeleteAllRows();
    m_stock->Model()->InsertRows(m_data.CountBars());
}

void CPanelStock::OnSettingsChanged()
{
    m_types->SetColumnHeaders();
    m_stock->SetColumnHeaders();
    m_form->OnSettingsChanged();
}
