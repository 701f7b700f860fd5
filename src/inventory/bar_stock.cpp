#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/program_files.h"
#include "core/settings.h"
#include "core/texts.h"
#include "inventory/file_names.h"
#include "inventory/inventory_data.h"
#include "inventory/token_reader.h"

namespace {

// The text by which the selected stock tells lengths apart: the plain length text in the
// unit and precision of the settings.
std::string PlainLengthText(Length length) { return LengthToText(length, LengthUnit, Precision, false); }

// The sum held to the 32-bit range, so taking or adding a huge number of bars cannot wrap.
std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b)
{
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void CInventoryData::ReadBarStock(int typeIndex, std::vector<BAR>& stock) const
{
    if (typeIndex < 0 || typeIndex >= CountTypesOfBars()) {
        KX_RAISE(LangText(T_INVALID_INDEX_READ_BAR_STOCK));
    }
    const std::string& name = m_typesOfBars[static_cast<std::size_t>(typeIndex)].stockFile;
    // The name comes from the bar manager file; one that would leave the program folder is
    // treated as a file that cannot be opened.
    std::optional<std::string> content;
    if (IsBareFileName(name)) {
        content = ReadWholeFile(ProgramFilePath("", name));
    }
    if (!content) {
        KX_RAISE(LangText(T_STOCK_FILE_NOT_OPENED));
    }
    CTokenReader reader(*content);
    std::vector<BAR> read;
    for (;;) {
        const std::optional<std::string_view> lengthText = reader.NextToken();
        if (!lengthText) {
            break;
        }
        // An entry whose quantity is missing or unreadable ends the stock; it is dropped.
        const std::optional<std::int32_t> quantity = reader.NextInteger();
        if (!quantity) {
            break;
        }
        read.push_back(BAR{TextToNumber(*lengthText), *quantity});
    }
    stock.insert(stock.end(), read.begin(), read.end());
}

void CInventoryData::WriteBarStock(int typeIndex, const std::vector<BAR>& stock) const
{
    if (typeIndex < 0 || typeIndex >= CountTypesOfBars()) {
        KX_RAISE(LangText(T_INVALID_INDEX_WRITE_BAR_STOCK));
    }
    const std::string& name = m_typesOfBars[static_cast<std::size_t>(typeIndex)].stockFile;
    std::string out;
    for (const BAR& bar : stock) {
        out += NumberToText(bar.length, 4);
        out += '\n';
        out += std::to_string(bar.quantity);
        out += '\n';
    }
    // Replaced atomically: a crash or a full disk leaves the previous stock whole.
    if (!IsBareFileName(name) || !ReplaceFileAtomically(ProgramFilePath("", name), out)) {
        KX_RAISE(LangText(T_STOCK_FILE_NOT_WRITTEN));
    }
}

std::string CInventoryData::CreateStockFile()
{
    const std::string name = UniqueFileName("", "");
    // A file that cannot be created is reported by the first write of the stock.
    ReplaceFileAtomically(ProgramFilePath("", name), "");
    return name;
}

bool CInventoryData::IsTypeSelected() const { return m_selectedType >= 0 && m_selectedType < CountTypesOfBars(); }

void CInventoryData::SelectStock(int typeIndex)
{
    ClearStock();
    ReadBarStock(typeIndex, m_selectedStock);
    m_selectedType = typeIndex;
}

void CInventoryData::ClearStock()
{
    m_selectedStock.clear();
    m_selectedType = -1;
}

int CInventoryData::AddBars(const BAR& bar)
{
    if (!IsTypeSelected() || bar.length == 0 || bar.quantity == 0) {
        return -1;
    }
    // Cut to what the stock file holds, so the entry equals what a reload gives back.
    const Length length = TextToNumber(NumberToText(bar.length, 4));
    int result = -1;
    const int found = FindBar(length);
    if (found >= 0) {
        BAR& entry = m_selectedStock[static_cast<std::size_t>(found)];
        entry.quantity = SaturatingAdd(entry.quantity, bar.quantity);
        if (entry.quantity == 0) {
            m_selectedStock.erase(m_selectedStock.begin() + found);
            result = found;
        }
    } else {
        // Stable, so entries of equal length keep their order.
        m_selectedStock.push_back(BAR{length, bar.quantity});
        std::stable_sort(m_selectedStock.begin(), m_selectedStock.end(),
                         [](const BAR& a, const BAR& b) { return a.length < b.length; });
        result = -2;
    }
    WriteBarStock(m_selectedType, m_selectedStock);
    return result;
}

void CInventoryData::SetBarQuantity(int index, const BAR& bar)
{
    if (index < 0 || index >= CountBars()) {
        KX_RAISE(LangText(T_INVALID_INDEX_GET_BAR));
    }
    BAR& entry = m_selectedStock[static_cast<std::size_t>(index)];
    if (!IsTypeSelected() || PlainLengthText(entry.length) != PlainLengthText(bar.length)) {
        return;
    }
    entry.quantity = bar.quantity;
    WriteBarStock(m_selectedType, m_selectedStock);
}

void CInventoryData::RemoveBar(int index)
{
    if (index < 0 || index >= CountBars()) {
        KX_RAISE(LangText(T_INVALID_INDEX_GET_BAR));
    }
    if (!IsTypeSelected()) {
        return;
    }
    m_selectedStock.erase(m_selectedStock.begin() + index);
    WriteBarStock(m_selectedType, m_selectedStock);
}

BAR CInventoryData::GetBar(int index) const
{
    if (index < 0 || index >= CountBars()) {
        KX_RAISE(LangText(T_INVALID_INDEX_GET_BAR));
    }
    return m_selectedStock[static_cast<std::size_t>(index)];
}

int CInventoryData::FindBar(Length length) const
{
    const std::string text = PlainLengthText(length);
    for (std::size_t i = 0; i < m_selectedStock.size(); ++i) {
        if (PlainLengthText(m_selectedStock[i].length) == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CInventoryData::CountBars() const { return static_cast<int>(m_selectedStock.size()); }
