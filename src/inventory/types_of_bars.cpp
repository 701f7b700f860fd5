#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/program_files.h"
#include "core/texts.h"
#include "inventory/inventory_data.h"
#include "inventory/token_reader.h"

namespace {

constexpr std::uint32_t kBfmMagic = 0x14586322;
constexpr std::uint32_t kBfmVersionWritten = 123;
constexpr std::uint32_t kBfmOldestVersion = 120;
constexpr std::size_t kBfmHeaderSize = 8;
constexpr const char* kBfmName = "bfm";

std::uint32_t ReadU32(std::string_view bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    }
    return value;
}

void AppendU32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

void AppendField(std::string& out, std::string_view field)
{
    out += field;
    out += '\n';
}

// Reads the records of the file: nine fields from version 2, eight from version 1. A record
// cut short by the end of the file is dropped.
void ReadRecords(std::string_view content, std::size_t start, bool version2, std::vector<TYPE_OF_BAR>& list)
{
    CTokenReader reader(content, start);
    const std::size_t fieldCount = version2 ? 9 : 8;
    for (;;) {
        std::array<std::string_view, 9> fields{};
        for (std::size_t i = 0; i < fieldCount; ++i) {
            const std::optional<std::string_view> token = reader.NextToken();
            if (!token) {
                return;
            }
            fields[i] = *token;
        }
        TYPE_OF_BAR record;
        record.profileCode = fields[0];
        record.material = fields[1];
        record.color = fields[2];
        record.stockFile = fields[3];
        record.price = TextToNumber(fields[4]);
        record.priceLength = TextToNumber(fields[5]);
        if (version2) {
            record.defaultLength = TextToNumber(fields[6]);
            record.minReusedLength = TextToNumber(fields[7]);
            record.maxWasteLength = TextToNumber(fields[8]);
        } else {
            record.minReusedLength = TextToNumber(fields[6]);
            record.defaultLength = TextToNumber(fields[7]);
            record.maxWasteLength = 0;
        }
        list.push_back(std::move(record));
    }
}

}  // namespace

void CInventoryData::LoadTypesOfBars()
{
    const std::optional<std::string> content = ReadWholeFile(ProgramFilePath("", kBfmName));
    if (!content) {
        KX_RAISE(LangText(T_BFM_NOT_OPENED));
    }
    m_typesOfBars.clear();
    const bool version2 = content->size() >= 4 && ReadU32(*content, 0) == kBfmMagic;
    if (!version2) {
        ReadRecords(*content, 0, false, m_typesOfBars);
        return;
    }
    if (content->size() < kBfmHeaderSize || ReadU32(*content, 4) < kBfmOldestVersion) {
        KX_RAISE(LangText(T_BFM_NOT_OPENED));
    }
    // The file is written in list order, so it is not sorted again.
    ReadRecords(*content, kBfmHeaderSize, true, m_typesOfBars);
}

void CInventoryData::SaveTypesOfBars() const
{
    std::string out;
    out.reserve(kBfmHeaderSize + m_typesOfBars.size() * 80);
    AppendU32(out, kBfmMagic);
    AppendU32(out, kBfmVersionWritten);
    for (const TYPE_OF_BAR& record : m_typesOfBars) {
        AppendField(out, record.profileCode);
        AppendField(out, record.material);
        AppendField(out, record.color);
        AppendField(out, record.stockFile);
        AppendField(out, NumberToText(record.price, 4));
        AppendField(out, NumberToText(record.priceLength, 4));
        AppendField(out, NumberToText(record.defaultLength, 4));
        AppendField(out, NumberToText(record.minReusedLength, 4));
        AppendField(out, NumberToText(record.maxWasteLength, 4));
    }
    // Replaced atomically: a crash or a full disk leaves the previous list whole.
    if (!ReplaceFileAtomically(ProgramFilePath("", kBfmName), out)) {
        KX_RAISE(LangText(T_BFM_NOT_WRITTEN));
    }
}

void CInventoryData::InsertTypeOfBar(const TYPE_OF_BAR& record)
{
    // A list read from a hand-edited file may be out of order; the binary search below needs
    // it sorted (the order a full sort after appending would give).
    if (!std::is_sorted(m_typesOfBars.begin(), m_typesOfBars.end(), TypeOfBarLess)) {
        std::stable_sort(m_typesOfBars.begin(), m_typesOfBars.end(), TypeOfBarLess);
    }
    const auto position = std::lower_bound(m_typesOfBars.begin(), m_typesOfBars.end(), record, TypeOfBarLess);
    if (position != m_typesOfBars.end() && !TypeOfBarLess(record, *position)) {
        KX_RAISE(LangText(T_TYPE_OF_BAR_EXISTS));
    }
    // Inserted at its sorted position rather than appended and sorted again, so that adding
    // many types one by one stays fast.
    m_typesOfBars.insert(position, record);
    SaveTypesOfBars();
}

void CInventoryData::UpdateTypeOfBar(int index, const TYPE_OF_BAR& record)
{
    if (index < 0 || index >= CountTypesOfBars()) {
        KX_RAISE(LangText(T_INVALID_INDEX_UPDATE_TYPE_OF_BAR));
    }
    TYPE_OF_BAR& stored = m_typesOfBars[static_cast<std::size_t>(index)];
    stored.price = record.price;
    stored.priceLength = record.priceLength;
    stored.minReusedLength = record.minReusedLength;
    stored.maxWasteLength = record.maxWasteLength;
    stored.defaultLength = record.defaultLength;
    SaveTypesOfBars();
}

void CInventoryData::RemoveTypeOfBar(int index)
{
    if (index < 0 || index >= CountTypesOfBars()) {
        KX_RAISE(LangText(T_INVALID_INDEX_REMOVE_TYPE_OF_BAR));
    }
    m_typesOfBars.erase(m_typesOfBars.begin() + index);
    SaveTypesOfBars();
}

TYPE_OF_BAR CInventoryData::GetTypeOfBar(int index) const
{
    if (index < 0 || index >= CountTypesOfBars()) {
        KX_RAISE(LangText(T_INVALID_INDEX_GET_TYPE_OF_BAR));
    }
    return m_typesOfBars[static_cast<std::size_t>(index)];
}

int CInventoryData::FindTypeOfBar(const std::string& profileCode, const std::string& material,
                                  const std::string& color) const
{
    TYPE_OF_BAR key;
    key.profileCode = profileCode;
    key.material = material;
    key.color = color;
    const auto position = std::lower_bound(m_typesOfBars.begin(), m_typesOfBars.end(), key, TypeOfBarLess);
    if (position == m_typesOfBars.end() || position->profileCode != profileCode || position->material != material ||
        position->color != color) {
        return -1;
    }
    return static_cast<int>(position - m_typesOfBars.begin());
}

int CInventoryData::CountTypesOfBars() const { return static_cast<int>(m_typesOfBars.size()); }

bool CInventoryData::IsUsedByTypeOfBar(CategoryKind kind, const std::string& item) const
{
    for (const TYPE_OF_BAR& record : m_typesOfBars) {
        switch (kind) {
        case CategoryKind::ProfileCode:
            if (record.profileCode == item) {
                return true;
            }
            break;
        case CategoryKind::Material:
            if (record.material == item) {
                return true;
            }
            break;
        case CategoryKind::Color:
            if (record.color == item) {
                return true;
            }
            break;
        default:
            return false;
        }
    }
    return false;
}
