#include "inventory/backup.h"

#include <cstdint>
#include <cstdio>
#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/program_files.h"
#include "core/texts.h"
#include "inventory/file_names.h"
#include "inventory/inventory_data.h"

namespace {

constexpr std::uint32_t kMaxFramedSize = 0xFFFFFFFFu;

void AppendU32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// Appends one member: its name and content, each after its size. False when the member's
// file cannot be read or is too large for the 4-byte size.
bool AppendMember(std::string& out, const std::string& name)
{
    if (!IsBareFileName(name)) {
        return false;
    }
    const std::optional<std::string> content = ReadWholeFile(ProgramFilePath("", name));
    if (!content || content->size() > kMaxFramedSize) {
        return false;
    }
    AppendU32(out, static_cast<std::uint32_t>(name.size()));
    out += name;
    AppendU32(out, static_cast<std::uint32_t>(content->size()));
    out += *content;
    return true;
}

struct MEMBER {
    std::string_view name;
    std::string_view content;
};

// Reads a 4-byte little-endian size at `offset`; nothing when fewer bytes remain.
std::optional<std::uint32_t> ReadU32(std::string_view bytes, std::size_t& offset)
{
    if (bytes.size() - offset < 4) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    }
    offset += 4;
    return value;
}

std::optional<std::string_view> ReadBytes(std::string_view bytes, std::size_t& offset, std::uint32_t count)
{
    if (bytes.size() - offset < count) {
        return std::nullopt;
    }
    const std::string_view part = bytes.substr(offset, count);
    offset += count;
    return part;
}

// Splits a whole backup into its members. Nothing when the backup is empty, ends inside a
// member, or names a member that is not a bare file name or is a sub-folder: such a backup
// is not restored at all, so it can never destroy the inventory it was meant to replace.
std::optional<std::vector<MEMBER>> ParseBackup(std::string_view bytes)
{
    std::vector<MEMBER> members;
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        const std::optional<std::uint32_t> nameSize = ReadU32(bytes, offset);
        if (!nameSize) {
            return std::nullopt;
        }
        const std::optional<std::string_view> name = ReadBytes(bytes, offset, *nameSize);
        // A name of a sub-folder ("backup", "orders", ...) could never be written either.
        if (!name || !IsBareFileName(*name) ||
            std::filesystem::is_directory(ProgramFilePath("", std::string(*name)))) {
            return std::nullopt;
        }
        const std::optional<std::uint32_t> contentSize = ReadU32(bytes, offset);
        if (!contentSize) {
            return std::nullopt;
        }
        const std::optional<std::string_view> content = ReadBytes(bytes, offset, *contentSize);
        if (!content) {
            return std::nullopt;
        }
        members.push_back(MEMBER{*name, *content});
    }
    if (members.empty()) {
        return std::nullopt;
    }
    return members;
}

}  // namespace

void SaveInventory(const CInventoryData& inventory, const std::string& backupPath)
{
    std::string out;
    bool complete = AppendMember(out, "bfm") && AppendMember(out, "colors.dat") &&
                    AppendMember(out, "maters.dat") && AppendMember(out, "pcodes.dat");
    for (int index = 0; complete && index < inventory.CountTypesOfBars(); ++index) {
        complete = AppendMember(out, inventory.GetTypeOfBar(index).stockFile);
    }
    // The backup is put together in memory and replaced atomically, so a member that cannot
    // be read or a failed write never leaves a partial backup behind.
    if (!complete || !ReplaceFileAtomically(backupPath, out)) {
        KX_RAISE(LangText(T_CANNOT_SAVE_INVENTORY));
    }
}

void RestoreInventory(CInventoryData& inventory, const std::string& backupPath)
{
    const std::optional<std::string> bytes = ReadWholeFile(backupPath);
    if (!bytes) {
        KX_RAISE(LangText(T_CANNOT_RESTORE_INVENTORY));
    }
    const std::optional<std::vector<MEMBER>> members = ParseBackup(*bytes);
    if (!members) {
        KX_RAISE(LangText(T_CANNOT_RESTORE_INVENTORY));
    }

    // The members are written in two steps, so a full disk half-way through changes no file:
    // every member goes to a temporary file first (a name held twice keeps its last content),
    // and only when all are written are they renamed over the current files, the bar manager
    // file last. No current stock file is deleted before that.
    std::map<std::string_view, std::string_view> latest;
    for (const MEMBER& member : *members) {
        latest[member.name] = member.content;
    }
    std::vector<std::pair<std::string, std::string>> written; // temporary file, target
    for (const auto& [name, content] : latest) {
        const std::string path = ProgramFilePath("", std::string(name));
        const std::optional<std::string> temporary = WriteTemporaryFile(path, content);
        if (!temporary) {
            for (const auto& file : written) {
                DiscardTemporaryFile(file.first);
            }
            KX_RAISE(LangText(T_CANNOT_RESTORE_INVENTORY));
        }
        written.emplace_back(*temporary, path);
    }
    std::stable_partition(written.begin(), written.end(),
                          [&](const auto& file) { return file.second != ProgramFilePath("", "bfm"); });
    bool committed = true;
    for (const auto& [temporary, target] : written) {
        committed = CommitTemporaryFile(temporary, target) && committed;
    }
    if (!committed) {
        KX_RAISE(LangText(T_CANNOT_RESTORE_INVENTORY));
    }
    std::set<std::string, std::less<>> restored;
    for (const auto& member : latest) {
        restored.emplace(member.first);
    }
    // The stock files of the current types of bars that the backup does not hold go.
    for (int index = 0; index < inventory.CountTypesOfBars(); ++index) {
        const std::string name = inventory.GetTypeOfBar(index).stockFile;
        if (IsBareFileName(name) && restored.count(name) == 0) {
            std::remove(ProgramFilePath("", name).c_str());
        }
    }
    inventory.LoadTypesOfBars();
}
