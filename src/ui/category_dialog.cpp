#include "ui/category_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/program_files.h"
#include "core/texts.h"
#include "job/global_data.h"
#include "ui/controls.h"
#include "ui/main_window.h"

namespace {

const CATEGORY_TEXTS& TextsOf(CategoryKind kind)
{
    switch (kind) {
    case CategoryKind::Material: return kCategoryTexts[1];
    case CategoryKind::Color: return kCategoryTexts[2];
    default: return kCategoryTexts[0];
    }
}

// The longest item text the add field takes.
constexpr int kItemMaxLength = 63;

} // namespace

CCategory::CCategory(CMainWindow& owner, CategoryKind kind)
    : CDialogBox(&owner, LangText(TextsOf(kind).caption)), m_owner(owner), m_kind(kind)
{
    LoadCategory(m_kind, m_items);

    setObjectName(QStringLiteral("categoryDialog"));
    const CATEGORY_TEXTS& texts = TextsOf(kind);
    auto* layout = new QVBoxLayout(this);

    auto* addGroup = new QGroupBox(UiText(LangText(texts.addGroup)), this);
    addGroup->setObjectName(QStringLiteral("addGroup"));
    auto* addRow = new QHBoxLayout(addGroup);
    m_itemEdit = new QLineEdit(addGroup);
    m_itemEdit->setObjectName(QStringLiteral("itemEdit"));
    m_itemEdit->setMaxLength(kItemMaxLength);
    addRow->addWidget(m_itemEdit, 1);
    m_add = new QPushButton(UiText(LangText(T_BUTTON_ADD)), addGroup);
    m_add->setObjectName(QStringLiteral("addButton"));
    m_add->setAutoDefault(false);
    addRow->addWidget(m_add);
    layout->addWidget(addGroup);

    auto* viewGroup = new QGroupBox(UiText(LangText(texts.viewGroup)), this);
    viewGroup->setObjectName(QStringLiteral("viewGroup"));
    auto* viewColumn = new QVBoxLayout(viewGroup);
    m_list = new QListWidget(viewGroup);
    m_list->setObjectName(QStringLiteral("itemList"));
    m_list->setSortingEnabled(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMinimumSize(280, 220);
    viewColumn->addWidget(m_list);
    m_remove = new QPushButton(UiText(LangText(texts.removeButton)), viewGroup);
    m_remove->setObjectName(QStringLiteral("removeButton"));
    m_remove->setAutoDefault(false);
    viewColumn->addWidget(m_remove, 0, Qt::AlignRight);
    layout->addWidget(viewGroup, 1);

    connect(m_add, &QPushButton::clicked, this, [this] { Command(kIdAdd); });
    connect(m_remove, &QPushButton::clicked, this, [this] { Command(kIdRemove); });
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_list->selectedItems().isEmpty()); });
}

void CCategory::OnInit()
{
    FillList();
    m_remove->setEnabled(false);
}

void CCategory::FillList()
{
    m_list->clear();
    for (const std::string& item : m_items) {
        m_list->addItem(QString::fromStdString(item));
    }
}

bool CCategory::OnCommand(int id)
{
    switch (id) {
    case kIdAdd: OnAdd(); return true;
    case kIdRemove: OnRemove(); return true;
    // Enter and Escape do nothing; the close box ends the dialog.
    default: return true;
    }
}

void CCategory::OnAdd()
{
    std::string item = m_itemEdit->text().left(kItemMaxLength).toStdString();
    bool added = false;
    try {
        added = AddCategoryItem(m_kind, m_items, item);
    } catch (...) {
        // The file keeps its old list: so do the set and the list box.
        MakeItemText(item);
        m_items.erase(item);
        throw;
    }
    if (!added) {
        return;
    }
    // The edit keeps its text.
    MakeItemText(item);
    m_list->addItem(QString::fromStdString(item));
    emit m_owner.categoryChanged(static_cast<int>(m_kind));
}

void CCategory::OnRemove()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const std::string item = selected.first()->text().toStdString();
    bool removed = false;
    try {
        removed = RemoveCategoryItem(m_kind, m_items, item, m_owner.Data());
    } catch (...) {
        // A used item is refused before anything changes; a file that could not be written
        // keeps the item, and so does the set.
        m_items.insert(item);
        throw;
    }
    if (!removed) {
        return;
    }
    delete m_list->takeItem(m_list->row(selected.first()));
    m_list->clearSelection();
    m_remove->setEnabled(false);
    emit m_owner.categoryChanged(static_cast<int>(m_kind));
}

void RunCategoryDialog(CMainWindow& owner, CategoryKind kind)
{
    CCategory dialog(owner, kind);
    dialog.Run();
}
