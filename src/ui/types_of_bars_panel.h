#pragma once

#include <array>

#include "inventory/category.h"
#include "ui/controls.h"
#include "ui/dialog_box.h"
#include "ui/panel.h"
#include "ui/type_of_bar_fields.h"

class CGlobalData;
class CMainWindow;
class CTypesOfBarsListView;
class QComboBox;
class QLabel;

// The form below the list of types of bars: a new type of bar composed from the three
// category lists, its price and lengths, and the removal of the selected type. Each
// drop-down list shows its items sorted; an entry carries the item's position in the list
// loaded from the category file, and the chosen item is taken from that list.
class CAddRemoveTypeOfBarDialog : public CPanelForm {
    Q_OBJECT
public:
    CAddRemoveTypeOfBarDialog(CGlobalData& data, QWidget* parent);

    // Loads the three category files (first item of each list selected); raises the
    // category errors.
    void LoadCategories();
    // Loads the list of one kind again; any other code is ignored.
    void ReloadCategory(int kind);
    // The selected type's profile code, material and color; -1 empties them.
    void ShowSelectedType(int row);
    void SetUnitLabels() { m_fields.SetUnitLabels(); }

signals:
    // A new type of bar was stored.
    void typeOfBarAdded();
    void removeSelected();

private:
    struct CATEGORY_LIST {
        CategoryKind kind;
        CategorySequence items;
        CComboBoxCtrl control;
        QComboBox* combo = nullptr;
    };

    void Load(CATEGORY_LIST& list);
    // The item of the chosen entry of a drop-down list.
    std::string ChosenItem(const CATEGORY_LIST& list) const;
    void OnAdd();
    void OnRemove();

    CGlobalData& m_data;
    std::array<CATEGORY_LIST, 3> m_categories;
    CTypeOfBarFields m_fields;
    QLabel* m_selected[3] = {};
};

// The types-of-bars panel: the list of every type of bar above, the form below it.
class CPanelAddTypeOfBar : public CPanel {
    Q_OBJECT
public:
    // Raises the category errors when a category file cannot be read.
    explicit CPanelAddTypeOfBar(CMainWindow& mainWindow);
    int Kind() const override { return kPanelTypesOfBars; }

    CTypesOfBarsListView* TypesList() const { return m_types; }
    CAddRemoveTypeOfBarDialog* Form() const { return m_form; }

private:
    void OnTypeOfBarAdded();
    // Removes the selected type of bar with its stock file, asking first when the stock
    // file holds bars.
    void RemoveSelected();
    void OnSettingsChanged();

    CGlobalData& m_data;
    CTypesOfBarsListView* m_types;
    CAddRemoveTypeOfBarDialog* m_form;
};
