#include "cli/plan_json.h"

#include <cstdio>

#include "cli/convert_command.h"
#include "inventory/inventory_data.h"

namespace {

std::string JsonText(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string ItemJson(const ITEM_TO_BE_CUT& item)
{
    std::string out = "{\"length\":" + ShortestText(item.length) + ",\"quantity\":" + std::to_string(item.quantity) +
                      ",\"identifiers\":{";
    const char* separator = "";
    for (const auto& [identifier, count] : item.identifiers) {
        out += separator + JsonText(identifier) + ":" + std::to_string(count);
        separator = ",";
    }
    return out + "}}";
}

std::string LayoutJson(const OPTIMIZED_RESULT& layout)
{
    std::string out = "{\"barLength\":" + ShortestText(layout.barLength) +
                      ",\"usedLength\":" + ShortestText(layout.usedLength) +
                      ",\"barCount\":" + std::to_string(layout.barCount) + ",\"pieces\":[";
    const char* separator = "";
    for (const std::int32_t pieces : layout.pieces) {
        out += separator + std::to_string(pieces);
        separator = ",";
    }
    return out + "]}";
}

} // namespace

std::string PlanToJson(const CInventoryData& inventory, const CuttingPlan& plan, double seconds)
{
    std::string out = "{\"types\":[";
    const char* typeSeparator = "";
    for (const TOB_RESULT& result : plan.Sequence()) {
        const TYPE_OF_BAR type = inventory.GetTypeOfBar(result.typeIndex);
        out += typeSeparator;
        typeSeparator = ",";
        out += "{\"typeIndex\":" + std::to_string(result.typeIndex) + ",\"profileCode\":" +
               JsonText(type.profileCode) + ",\"material\":" + JsonText(type.material) +
               ",\"color\":" + JsonText(type.color) + ",\"items\":[";
        const char* separator = "";
        for (const ITEM_TO_BE_CUT& item : result.items) {
            out += separator + ItemJson(item);
            separator = ",";
        }
        out += "],\"layouts\":[";
        separator = "";
        for (const OPTIMIZED_RESULT& layout : result.layouts) {
            out += separator + LayoutJson(layout);
            separator = ",";
        }
        out += "]}";
    }
    return out + "],\"seconds\":" + ShortestText(seconds) + "}\n";
}
