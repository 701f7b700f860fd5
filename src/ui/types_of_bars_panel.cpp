#include "ui/types_of_bars_panel.h"

#include <filesystem>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/exception.h"
#include "core/main_title.h"
#include "core/platform.h"
#include "core/program_files.h"
#include "core/texts.h"
#include "job/global_data.h"
#include "ui/guarded_call.h"
#include "ui/controls.h"
#include "ui/list_views.h"
#include "ui/main_window.h"

CAddRemoveTypeOfBarDialog::CAddRemoveTypeOfBarDialog(CGlobalData& data, QWidget* parent)
    : CPanelForm(parent), m_data(data)
{
    setObjectName(QStringLiteral("typeOfBarForm"));
    m_categories[0].kind = CategoryKind::ProfileCode;
    m_categories[1].kind = CategoryKind::Material;
    m_categories[2].kind = CategoryKind::Color;

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);

    auto* addGroup = new QGroupBox(UiText(LangText(T_TOB_ADD_GROUP)), this);
    addGroup->setObjectName(QStringLiteral("addGroup"));
    auto* grid = new QGridLayout(addGroup);
    const char* comboNames[] = {"profileCodeCombo", "materialCombo", "colorCombo"};
    const char* labels[] = {LangText(T_TOB_PROFILE_CODE_LABEL), LangText(T_TOB_MATERIAL_LABEL),
                            LangText(T_TOB_COLOR_LABEL)};
    auto* combos = new QHBoxLayout;
    for (int index = 0; index < 3; ++index) {
        CATEGORY_LIST& list = m_categories[static_cast<std::size_t>(index)];
        list.combo = new QComboBox(addGroup);
        list.combo->setObjectName(UiText(comboNames[index]));
        list.combo->setMinimumContentsLength(12);
        list.control.Attach(list.combo);
        auto* column = new QVBoxLayout;
        column->addWidget(NewFormLabel(addGroup, labels[index]));
        column->addWidget(list.combo);
        combos->addLayout(column, 1);
    }
    grid->addLayout(combos, 0, 0, 1, 6);
    m_fields.Build(addGroup, grid, 1);
    QPushButton* add = NewFormButton(addGroup, "addButton", LangText(T_BUTTON_ADD));
    grid->addWidget(add, 4, 4, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    layout->addWidget(addGroup, 3);

    auto* removeGroup = new QGroupBox(UiText(LangText(T_TOB_REMOVE_GROUP)), this);
    removeGroup->setObjectName(QStringLiteral("removeGroup"));
    auto* removeGrid = new QGridLayout(removeGroup);
    const char* selectedNames[] = {"selectedProfileCode", "selectedMaterial", "selectedColor"};
    for (int index = 0; index < 3; ++index) {
        removeGrid->addWidget(NewFormLabel(removeGroup, labels[index]), index, 0);
        m_selected[index] = NewFormLabel(removeGroup, "", selectedNames[index]);
        m_selected[index]->setMinimumWidth(80);
        removeGrid->addWidget(m_selected[index], index, 1);
    }
    QPushButton* remove = NewFormButton(removeGroup, "removeButton", LangText(T_BUTTON_REMOVE));
    removeGrid->setRowStretch(3, 1);
    removeGrid->addWidget(remove, 4, 1, Qt::AlignRight);
    removeGrid->setColumnStretch(1, 1);
    layout->addWidget(removeGroup, 1);

    connect(add, &QPushButton::clicked, this, [this] { GuardedCall(ErrorCaptions::Dialog, [this] { OnAdd(); }); });
    connect(remove, &QPushButton::clicked, this,
            [this] { GuardedCall(ErrorCaptions::Dialog, [this] { OnRemove(); }); });
}

void CAddRemoveTypeOfBarDialog::Load(CATEGORY_LIST& list)
{
    // The drop-down list follows what was read even when reading fails half-way.
    struct FILL {
        CATEGORY_LIST& list;
        ~FILL()
        {
            list.control.Clear();
            for (std::size_t position = 0; position < list.items.size(); ++position) {
                list.control.AddString(list.items[position], static_cast<std::uint32_t>(position));
            }
            list.combo->model()->sort(0);
            list.combo->setCurrentIndex(list.items.empty() ? -1 : 0);
        }
    } fill{list};
    LoadCategory(list.kind, list.items);
}

void CAddRemoveTypeOfBarDialog::LoadCategories()
{
    for (CATEGORY_LIST& list : m_categories) {
        Load(list);
    }
}

void CAddRemoveTypeOfBarDialog::ReloadCategory(int kind)
{
    for (CATEGORY_LIST& list : m_categories) {
        if (static_cast<int>(list.kind) == kind) {
            Load(list);
        }
    }
}

std::string CAddRemoveTypeOfBarDialog::ChosenItem(const CATEGORY_LIST& list) const
{
    const std::optional<std::uint32_t> position = list.control.GetSelectedData();
    if (!position || *position >= list.items.size()) {
        return list.items.front();
    }
    return list.items[*position];
}

void CAddRemoveTypeOfBarDialog::ShowSelectedType(int row)
{
    TYPE_OF_BAR type;
    if (row >= 0) {
        type = m_data.GetTypeOfBar(row);
    }
    m_selected[0]->setText(QString::fromStdString(type.profileCode));
    m_selected[1]->setText(QString::fromStdString(type.material));
    m_selected[2]->setText(QString::fromStdString(type.color));
}

void CAddRemoveTypeOfBarDialog::OnAdd()
{
    const char* emptyMessages[] = {LangText(T_NO_PROFILE_CODES), LangText(T_NO_MATERIALS), LangText(T_NO_COLORS)};
    for (std::size_t index = 0; index < m_categories.size(); ++index) {
        if (m_categories[index].items.empty()) {
            KX_RAISE(emptyMessages[index]);
        }
    }
    TYPE_OF_BAR record;
    record.profileCode = ChosenItem(m_categories[0]);
    record.material = ChosenItem(m_categories[1]);
    record.color = ChosenItem(m_categories[2]);
    m_fields.Read(record);

    record.stockFile = CInventoryData::CreateStockFile();
    const int before = m_data.CountTypesOfBars();
    try {
        m_data.InsertTypeOfBar(record);
    } catch (...) {
        if (m_data.CountTypesOfBars() > before) {
            // Held in memory but the bar manager file was not written: the list shows it.
            emit typeOfBarAdded();
        } else {
            // A type refused as a duplicate leaves no stray stock file behind.
            std::error_code ignored;
            std::filesystem::remove(ProgramFilePath("", record.stockFile), ignored);
        }
        throw;
    }
    // The edits keep their texts, so that similar types can be added one after the other.
    emit typeOfBarAdded();
}

void CAddRemoveTypeOfBarDialog::OnRemove()
{
    ShowSelectedType(-1);
    emit removeSelected();
}

CPanelAddTypeOfBar::CPanelAddTypeOfBar(CMainWindow& mainWindow)
    : CPanel(&mainWindow),
      m_data(mainWindow.Data()),
      m_types(new CTypesOfBarsListView(mainWindow.Data(), this)),
      m_form(new CAddRemoveTypeOfBarDialog(mainWindow.Data(), this))
{
    setObjectName(QStringLiteral("typesOfBarsPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_types, 1);
    m_form->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(m_form);

    m_form->LoadCategories();

    connect(m_types, &CTypesOfBarsListView::typeOfBarSelected, this, [this](int row) {
        GuardedCall(ErrorCaptions::Window, [this, row] { m_form->ShowSelectedType(row); });
    });
    connect(m_form, &CAddRemoveTypeOfBarDialog::typeOfBarAdded, this, &CPanelAddTypeOfBar::OnTypeOfBarAdded);
    connect(m_form, &CAddRemoveTypeOfBarDialog::removeSelected, this, &CPanelAddTypeOfBar::RemoveSelected);
    connect(&mainWindow, &CMainWindow::settingsChanged, this, &CPanelAddTypeOfBar::OnSettingsChanged);
    connect(&mainWindow, &CMainWindow::categoryChanged, this, [this](int kind) {
        GuardedCall(ErrorCaptions::Window, [this, kind] { m_form->ReloadCategory(kind); });
    });
    SetMainTitle(LangText(T_PANEL_TYPES_OF_BARS), "");
}

void CPanelAddTypeOfBar::OnTypeOfBarAdded()
{
    // Rows are positions: the new type took its sorted place, so every row is drawn again.
    m_types->Model()->InsertRows(m_data.CountTypesOfBars() - m_types->Model()->rowCount());
    m_types->Refresh();
    m_types->scrollToBottom();
    m_form->ShowSelectedType(m_types->GetSelected());
}

void CPanelAddTypeOfBar::RemoveSelected()
{
    const int row = m_types->GetSelected();
    if (row < 0) {
        return;
    }
    const TYPE_OF_BAR type = m_data.GetTypeOfBar(row);
    const std::string stockPath = ProgramFilePath("", type.stockFile);
    if (FileSize(stockPath) != 0 &&
        Platform().ShowMessage(LangText(T_ASK_REMOVE_STOCKED_TYPE), LangText(T_QUESTION), MessageIcon::Question,
                               MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    // The type goes first: should the bar manager file not be written, the type is still
    // stored on disk and keeps its stock file.
    try {
        m_data.RemoveTypeOfBar(row);
    } catch (...) {
        if (m_data.CountTypesOfBars() < m_types->Model()->rowCount()) {
            m_types->Model()->DeleteRow(row);
            m_types->clearSelection();
        }
        throw;
    }
    std::error_code ignored;
    std::filesystem::remove(stockPath, ignored);
    m_types->Model()->DeleteRow(row);
    m_types->clearSelection();
    m_form->ShowSelectedType(-1);
}

void CPanelAddTypeOfBar::OnSettingsChanged()
{
    m_form->SetUnitLabels();
    m_types->SetColumnHeaders();
}
