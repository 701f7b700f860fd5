// A category file: any bytes load into both forms or raise the layer's message; what was
// loaded into the set is saved and reads back as the same set.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/exception.h"
#include "fuzz_folder.h"
#include "inventory/category.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzFile(CategoryFileName(CategoryKind::Material), std::string_view(reinterpret_cast<const char*>(data), size));
    CategorySequence sequence;
    try {
        LoadCategory(CategoryKind::Material, sequence);
    } catch (const CException&) {
    }
    CategorySet set;
    try {
        LoadCategory(CategoryKind::Material, set);
    } catch (const CException&) {
        return 0;
    }
    try {
        SaveCategory(CategoryKind::Material, set);
        CategorySet reloaded;
        LoadCategory(CategoryKind::Material, reloaded);
        if (reloaded != set) {
            __builtin_trap();
        }
    } catch (const CException&) {
    }
    return 0;
}
