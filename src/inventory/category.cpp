#include "inventory/category.h"

#include <optional>

#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/platform.h"
#include "core/program_files.h"
#include "core/texts.h"
#include "inventory/inventory_data.h"
#include "inventory/token_reader.h"

namespace {

std::string CategoryFilePath(CategoryKind kind) { return ProgramFilePath("", CategoryFileName(kind)); }

// Hands every token of the kind's file to `store`, in file order. Reading stops once more
// than the allowed number of items were read; the last one is stored all the same, so a
// caller that keeps what it read sees it.
template <typename Store>
void ReadCategoryFile(CategoryKind kind, Store store)
{
    const std::string name = CategoryFileName(kind);
    std::optional<std::string> content;
    if (!name.empty()) {
        content = ReadWholeFile(CategoryFilePath(kind));
    }
    if (!content) {
        KX_RAISE(LangText(T_CATEGORY_FILE_NOT_OPENED));
    }
    CTokenReader reader(*content);
    int count = 0;
    while (const std::optional<std::string_view> token = reader.NextToken()) {
        store(*token);
        ++count;
        if (count > kMaxCategoryItems) {
            KX_RAISE(LangText(T_TOO_MANY_CATEGORY_ITEMS));
        }
    }
}

}  // namespace

std::string CategoryFileName(CategoryKind kind)
{
    switch (kind) {
    case CategoryKind::ProfileCode:
        return "pcodes.dat";
    case CategoryKind::Material:
        return "maters.dat";
    case CategoryKind::Color:
        return "colors.dat";
    }
    return "";
}

void LoadCategory(CategoryKind kind, CategorySet& set)
{
    ReadCategoryFile(kind, [&set](std::string_view item) { set.emplace(item); });
}

void LoadCategory(CategoryKind kind, CategorySequence& sequence)
{
    sequence.clear();
    ReadCategoryFile(kind, [&sequence](std::string_view item) { sequence.emplace_back(item); });
}

void SaveCategory(CategoryKind kind, const CategorySet& set)
{
    std::string out;
    for (const std::string& item : set) {
        out += item;
        out += "\r\n";
    }
    // Replaced atomically: a crash or a full disk leaves the previous list whole.
    if (CategoryFileName(kind).empty() || !ReplaceFileAtomically(CategoryFilePath(kind), out)) {
        KX_RAISE(LangText(T_CATEGORY_FILE_NOT_WRITTEN));
    }
}

bool AddCategoryItem(CategoryKind kind, CategorySet& set, std::string text)
{
    if (!MakeItemText(text)) {
        return false;
    }
    if (set.count(text) != 0) {
        Platform().ShowMessage(LangText(T_CATEGORY_ITEM_EXISTS), LangText(T_APPLICATION_ERROR), MessageIcon::Error,
                               MessageButtons::Ok);
        return false;
    }
    set.insert(text);
    SaveCategory(kind, set);
    return true;
}

bool RemoveCategoryItem(CategoryKind kind, CategorySet& set, const std::string& item,
                        const CInventoryData& inventory)
{
    const auto position = set.find(item);
    if (position == set.end()) {
        return false;
    }
    if (inventory.IsUsedByTypeOfBar(kind, item)) {
        KX_RAISE(LangText(T_CATEGORY_ITEM_USED));
    }
    set.erase(position);
    SaveCategory(kind, set);
    return true;
}
