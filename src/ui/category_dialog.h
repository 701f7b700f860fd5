#pragma once

#include "inventory/category.h"
#include "ui/dialog_box.h"

class CMainWindow;
class QLineEdit;
class QListWidget;
class QPushButton;

// The dialog of one category list (profile codes, materials or colors): adds items and
// removes those no type of bar uses. Every change is saved to the category file at once and
// announced through the main window's categoryChanged signal. The close box ends it.
class CCategory : public CDialogBox {
    Q_OBJECT
public:
    // Loads the kind's file; raises "Category file could not be opened!" or "There are too
    // many items in a category!", so a list that cannot be read is never shown.
    CCategory(CMainWindow& owner, CategoryKind kind);

    const CategorySet& Items() const { return m_items; }

protected:
    void OnInit() override;
    bool OnCommand(int id) override;

private:
    static constexpr int kIdAdd = 1001;
    static constexpr int kIdRemove = 1005;

    void OnAdd();
    void OnRemove();
    void FillList();

    CMainWindow& m_owner;
    CategoryKind m_kind;
    CategorySet m_items;
    QLineEdit* m_itemEdit;
    QListWidget* m_list;
    QPushButton* m_add;
    QPushButton* m_remove;
};

// Opens the category dialog of `kind` over the main window, modally.
void RunCategoryDialog(CMainWindow& owner, CategoryKind kind);
