#include "scale_data.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include <unistd.h>

#include "core/exception.h"
#include "core/length.h"
#include "core/program_files.h"
#include "inventory/inventory_data.h"
#include "job/job_file.h"

namespace fs = std::filesystem;

namespace {

void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string StockName(int index)
{
    char name[16];
    std::snprintf(name, sizeof name, "%08d", 10000000 + index);
    return name;
}

std::string Material(int index) { return "MAT" + std::to_string(index); }

} // namespace

bool ParseScaleOptions(int argc, char** argv, bool withInserts, SCALE_OPTIONS& options)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--types") == 0 && i + 1 < argc) {
            options.types = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--orders") == 0 && i + 1 < argc) {
            options.orders = std::atoi(argv[++i]);
        } else if (withInserts && std::strcmp(argv[i], "--inserts") == 0 && i + 1 < argc) {
            options.inserts = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--keep") == 0) {
            options.keep = true;
        } else {
            std::fprintf(stderr, "usage: %s [--types N] [--orders N]%s [--keep]\n", argv[0],
                         withInserts ? " [--inserts N]" : "");
            return false;
        }
    }
    return true;
}

std::string ProfileCode(int index) { return "PR" + std::to_string(100000 + index); }
std::string Color(int index) { return "COL" + std::to_string(index); }

CScaleFolder::CScaleFolder() : m_path((fs::temp_directory_path() / "kalomax-scale-XXXXXX").string())
{
    if (::mkdtemp(m_path.data()) == nullptr) {
        throw std::runtime_error("cannot create " + m_path);
    }
    for (const char* sub : {"orders", "report", "backup", "help"}) {
        fs::create_directory(fs::path(m_path) / sub);
    }
    SetProgramFolder(m_path);
    SetSettingsStore(&m_settings);
}

CScaleFolder::~CScaleFolder()
{
    SetSettingsStore(nullptr);
    if (keep) {
        std::printf("\nprogram folder kept: %s\n", m_path.c_str());
        return;
    }
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

void MakeInventory(int types)
{
    const int codes = (types + kMaterials * kColors - 1) / (kMaterials * kColors);
    std::string bfm("\x22\x63\x58\x14\x7b\x00\x00\x00", 8);
    std::string stock;
    for (int e = 0; e < 20; ++e) {
        stock += NumberToText(2000 + 250 * e, 4) + "\n" + std::to_string(1 + e % 7) + "\n";
    }
    int made = 0;
    for (int p = 0; p < codes && made < types; ++p) {
        for (int m = 0; m < kMaterials && made < types; ++m) {
            for (int c = 0; c < kColors && made < types; ++c, ++made) {
                bfm += ProfileCode(p) + "\n" + Material(m) + "\n" + Color(c) + "\n" + StockName(made) +
                       "\n12.5000\n1000.0000\n6000.0000\n300.0000\n50.0000\n";
                WriteFile(ProgramFilePath("", StockName(made)), stock);
            }
        }
    }
    WriteFile(ProgramFilePath("", "bfm"), bfm);
    std::string items;
    for (int p = 0; p < codes; ++p) {
        items += ProfileCode(p) + "\r\n";
    }
    WriteFile(ProgramFilePath("", "pcodes.dat"), items);
    items.clear();
    for (int m = 0; m < kMaterials; ++m) {
        items += Material(m) + "\r\n";
    }
    WriteFile(ProgramFilePath("", "maters.dat"), items);
    items.clear();
    for (int c = 0; c < kColors; ++c) {
        items += Color(c) + "\r\n";
    }
    WriteFile(ProgramFilePath("", "colors.dat"), items);
}

void MakeJob(const CInventoryData& inventory, int orders, const std::string& path)
{
    JOB_FILE job;
    job.name = "Scale job";
    job.description = "Every type of bar, ten orders each";
    job.orders.reserve(static_cast<std::size_t>(orders));
    for (int i = 0; i < orders; ++i) {
        const TYPE_OF_BAR type = inventory.GetTypeOfBar(i % inventory.CountTypesOfBars());
        job.orders.push_back(ORDER{type.profileCode, type.material, type.color, 300.0 + (i * 37) % 2500,
                                   "W" + std::to_string(i), 1 + i % 5, -1});
    }
    WriteFile(path, WriteJobFile(job));
}
