#pragma once

#include <set>
#include <string>
#include <vector>

class CInventoryData;

// The three category lists; the codes travel between the shell, the category dialog and
// the types-of-bars panel and are fixed.
enum class CategoryKind : int {
    ProfileCode = 147,
    Material = 259,
    Color = 320,
};

// The most items a category file may hold.
inline constexpr int kMaxCategoryItems = 2000;

// For editing: ascending byte order, no duplicates.
using CategorySet = std::set<std::string>;
// For choosing: the items in file order, each addressed by its position.
using CategorySequence = std::vector<std::string>;

// "pcodes.dat", "maters.dat" or "colors.dat"; empty for any other code.
std::string CategoryFileName(CategoryKind kind);

// Reads the kind's file: every white-space-separated token is one item. Raises "Category
// file could not be opened!" when the file cannot be read and "There are too many items in
// a category!" past 2000 items (what was read so far is kept). The set is filled with what
// it does not hold yet; the sequence is emptied first and every token appended.
void LoadCategory(CategoryKind kind, CategorySet& set);
void LoadCategory(CategoryKind kind, CategorySequence& sequence);

// Writes the whole set, one item and CR LF each; raises "Category file could not be written!".
void SaveCategory(CategoryKind kind, const CategorySet& set);

// Adds a typed item (spaces become "_") and saves. An empty text does nothing; an item the
// set already holds is refused with a message box and nothing changes. True when the list
// changed, so the caller tells the dependants.
bool AddCategoryItem(CategoryKind kind, CategorySet& set, std::string text);

// Removes an item and saves. An item not in the set does nothing; an item used by a type of
// bar raises "Cannot remove an item that is a part of a type of bar!". True when the list
// changed.
bool RemoveCategoryItem(CategoryKind kind, CategorySet& set, const std::string& item,
                        const CInventoryData& inventory);
