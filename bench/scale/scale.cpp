// Times the everyday operations on a large workshop: 10,000 types of bars with 20 stock
// entries each and a job of 100,000 orders, in a temporary program folder on the disk.
// Prints one table row per operation with its target where there is one.
//
//   scale_bench [--types N] [--orders N] [--inserts N] [--keep]
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/language.h"
#include "core/length.h"
#include "core/platform.h"
#include "core/program_files.h"
#include "core/settings_store.h"
#include "inventory/backup.h"
#include "inventory/category.h"
#include "job/global_data.h"
#include "job/job_file.h"
#include "job/optimizer_bridge.h"
#include "report/inventory_report.h"

namespace fs = std::filesystem;

namespace {

// Hands the job path to the open and save dialogs; everything else answers its default.
class CBenchPlatform : public IPlatform {
public:
    MessageAnswer ShowMessage(const std::string&, const std::string&, MessageIcon, MessageButtons) override
    {
        return MessageAnswer::No;
    }
    std::optional<std::string> AskOpenFileName(const FILE_DIALOG&) override { return jobPath; }
    std::optional<std::string> AskSaveFileName(const FILE_DIALOG&) override { return jobPath; }
    void SetMainWindowTitle(const std::string&) override {}
    bool OpenWithShell(const std::string&) override { return true; }
    std::tm LocalTime() override { return std::tm{}; }

    std::string jobPath;
};

struct ROW {
    std::string operation;
    double seconds;
    std::string target;
    std::string note;
};

double Time(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

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

// Profile codes, materials and colors whose product gives the types: at most 2000 items
// per category file.
constexpr int kMaterials = 5;
constexpr int kColors = 2;

std::string ProfileCode(int index) { return "PR" + std::to_string(100000 + index); }
std::string Material(int index) { return "MAT" + std::to_string(index); }
std::string Color(int index) { return "COL" + std::to_string(index); }

// Writes the inventory files the way the program writes them: the types in list order.
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

}  // namespace

int main(int argc, char** argv)
{
    int types = 10000;
    int orders = 100000;
    int inserts = 1000;
    bool keep = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--types") == 0 && i + 1 < argc) {
            types = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--orders") == 0 && i + 1 < argc) {
            orders = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--inserts") == 0 && i + 1 < argc) {
            inserts = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--keep") == 0) {
            keep = true;
        } else {
            std::fprintf(stderr, "usage: scale_bench [--types N] [--orders N] [--inserts N] [--keep]\n");
            return 2;
        }
    }

    std::string folder = (fs::temp_directory_path() / "kalomax-scale-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    for (const char* sub : {"orders", "report", "backup", "help"}) {
        fs::create_directory(fs::path(folder) / sub);
    }
    SetProgramFolder(folder);
    CMemorySettingsStore settings;
    SetSettingsStore(&settings);
    CBenchPlatform platform;
    platform.jobPath = ProgramFilePath("orders", "scale.odr");
    SetPlatform(&platform);
    Language = 0;

    std::vector<ROW> rows;
    int status = 0;
    try {
        MakeInventory(types);
        CGlobalData data;
        rows.push_back({"start-up: types of bars and categories", Time([&] {
                            data.LoadTypesOfBars();
                            CategorySet set;
                            CategorySequence sequence;
                            for (const CategoryKind kind :
                                 {CategoryKind::ProfileCode, CategoryKind::Material, CategoryKind::Color}) {
                                LoadCategory(kind, set);
                                LoadCategory(kind, sequence);
                            }
                        }),
                        "< 1 s", std::to_string(data.CountTypesOfBars()) + " types"});
        rows.push_back({"select every type's stock", Time([&] {
                            for (int i = 0; i < data.CountTypesOfBars(); ++i) {
                                data.SelectStock(i);
                            }
                            data.ClearStock();
                        }),
                        "", "20 entries each"});

        const std::string backupPath = ProgramFilePath("backup", "scale.bkp");
        rows.push_back({"backup", Time([&] { SaveInventory(data, backupPath); }), "",
                        std::to_string(FileSize(backupPath) / 1024) + " KiB"});

        const int typesBefore = data.CountTypesOfBars();
        double slowestInsert = 0;
        const double insertSeconds = Time([&] {
            for (int i = 0; i < inserts; ++i) {
                const auto start = std::chrono::steady_clock::now();
                TYPE_OF_BAR type;
                // Spread over the list, so most inserts land in the middle.
                type.profileCode = ProfileCode((i * 7919) % (types / (kMaterials * kColors) + 1));
                type.material = "NEW" + std::to_string(i);
                type.color = Color(0);
                type.stockFile = CInventoryData::CreateStockFile();
                type.price = 10;
                type.priceLength = 1000;
                type.defaultLength = 6000;
                data.InsertTypeOfBar(type);
                slowestInsert = std::max(
                    slowestInsert, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            }
        });
        rows.push_back({"insert types one by one (" + std::to_string(inserts) + ")", insertSeconds, "",
                        std::to_string(insertSeconds / inserts * 1000).substr(0, 5) + " ms each, " +
                            std::to_string(typesBefore) + " -> " + std::to_string(data.CountTypesOfBars())});
        rows.push_back({"slowest single insert", slowestInsert, "< 0.1 s", "the list saved whole every time"});

        rows.push_back({"restore", Time([&] { RestoreInventory(data, backupPath); }), "",
                        std::to_string(data.CountTypesOfBars()) + " types back"});

        INVENTORY_REPORT_FLAGS flags{true, true, true, true};
        std::string page;
        rows.push_back({"inventory report (all sections, built)", Time([&] { page = BuildInventoryReport(data, flags); }),
                        "< 2 s", std::to_string(page.size() / 1024) + " KiB"});
        rows.push_back({"inventory report (written)", Time([&] {
                            WriteInventoryReport(data, flags, ProgramFilePath("report", "scale.html"));
                        }),
                        "< 2 s", ""});

        MakeJob(data, orders, platform.jobPath);
        rows.push_back({"open job", Time([&] { data.OpenJob(); }), "",
                        std::to_string(data.CountOrders()) + " orders"});
        rows.push_back({"save job", Time([&] { data.SaveJob(); }), "",
                        std::to_string(FileSize(platform.jobPath) / 1024) + " KiB"});
        int optimizerOrders = 0;
        rows.push_back({"optimizer snapshot", Time([&] {
                            COptimizer optimizer(data);
                            optimizerOrders = optimizer.OrderCount();
                        }),
                        "", std::to_string(optimizerOrders) + " orders sorted"});
    } catch (const CException& error) {
        std::fprintf(stderr, "failed: %s (%s:%u)\n", error.message, error.file, error.line);
        status = 1;
    }

    std::printf("%d types of bars, 20 stock entries each, %d orders; program folder on %s\n\n", types, orders,
                fs::temp_directory_path().c_str());
    std::printf("%-44s %10s  %-7s %s\n", "operation", "seconds", "target", "");
    for (const ROW& row : rows) {
        std::printf("%-44s %10.3f  %-7s %s\n", row.operation.c_str(), row.seconds, row.target.c_str(),
                    row.note.c_str());
    }

    SetPlatform(nullptr);
    SetSettingsStore(nullptr);
    if (!keep) {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    } else {
        std::printf("\nprogram folder kept: %s\n", folder.c_str());
    }
    return status;
}
