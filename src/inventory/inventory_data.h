#pragma once

#include <string>
#include <vector>

#include "core/length.h"
#include "inventory/bar.h"
#include "inventory/category.h"
#include "inventory/type_of_bar.h"

// The inventory half of the global data object: the list of types of bars, kept in
// TypeOfBarLess order and stored in the bar manager file "bfm", and the selected type of
// bar with its stock, which the inventory panel edits. Failures raise CException.
class CInventoryData {
public:
    CInventoryData() = default;

    // Types of bars.

    // Replaces the list with the contents of "bfm" (version 1 or 2).
    void LoadTypesOfBars();
    // Writes the whole list to "bfm" in version 2.
    void SaveTypesOfBars() const;
    // Adds a type at its sorted position; raises when the same type (ignoring case) exists.
    void InsertTypeOfBar(const TYPE_OF_BAR& record);
    // Replaces the five numbers of the type at `index`; its strings stay.
    void UpdateTypeOfBar(int index, const TYPE_OF_BAR& record);
    // Removes the type at `index`; its stock file is left to the caller.
    void RemoveTypeOfBar(int index);
    TYPE_OF_BAR GetTypeOfBar(int index) const;
    // The index of the type with exactly these strings (case-sensitive), or -1.
    int FindTypeOfBar(const std::string& profileCode, const std::string& material,
                      const std::string& color) const;
    int CountTypesOfBars() const;
    // True when some type of bar has exactly `item` in the field of that kind.
    bool IsUsedByTypeOfBar(CategoryKind kind, const std::string& item) const;

    // Stock files of any type.

    // Appends the entries of the stock file of the type at `typeIndex`, in file order.
    void ReadBarStock(int typeIndex, std::vector<BAR>& stock) const;
    // Writes `stock` unchanged as the whole stock file of the type at `typeIndex`.
    void WriteBarStock(int typeIndex, const std::vector<BAR>& stock) const;
    // A new stock file name, the file created empty in the program folder.
    static std::string CreateStockFile();

    // The selected stock.

    // Selects the type at `typeIndex` and loads its stock; on failure nothing is selected.
    void SelectStock(int typeIndex);
    // Empties the selected stock; no type is selected.
    void ClearStock();
    // Adds bars of one length (a negative quantity takes bars away) and writes the stock
    // file: -2 when a new entry was added, the position of an entry that became empty and
    // was removed, -1 otherwise (refused, or an entry changed and stayed).
    int AddBars(const BAR& bar);
    // Sets the quantity of the entry at `index` when its length is the bar's length.
    void SetBarQuantity(int index, const BAR& bar);
    void RemoveBar(int index);
    BAR GetBar(int index) const;
    // The first entry with the same plain length text, or -1.
    int FindBar(Length length) const;
    int CountBars() const;
    // The index of the selected type of bar, or -1.
    int SelectedTypeOfBar() const { return m_selectedType; }

private:
    bool IsTypeSelected() const;

    std::vector<TYPE_OF_BAR> m_typesOfBars;
    int m_selectedType = -1;
    std::vector<BAR> m_selectedStock;
};
