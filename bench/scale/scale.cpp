// Times the everyday operations on a large workshop: 10,000 types of bars with 20 stock
// entries each and a job of 100,000 orders, in a temporary program folder on the disk.
// Prints one table row per operation with its target where there is one.
//
//   scale_bench [--types N] [--orders N] [--inserts N] [--keep]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/exception.h"
#include "core/language.h"
#include "core/platform.h"
#include "core/program_files.h"
#include "inventory/backup.h"
#include "inventory/category.h"
#include "job/global_data.h"
#include "job/job_file.h"
#include "job/optimizer_bridge.h"
#include "report/inventory_report.h"
#include "scale_data.h"

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

}  // namespace

int main(int argc, char** argv)
{
    SCALE_OPTIONS options;
    if (!ParseScaleOptions(argc, argv, true, options)) {
        return 2;
    }
    const int types = options.types;
    const int orders = options.orders;
    const int inserts = options.inserts;
    CScaleFolder folder;
    folder.keep = options.keep;
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
    return status;
}
