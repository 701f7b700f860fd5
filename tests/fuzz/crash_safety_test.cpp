// A process that saves a large inventory over and over is killed at random moments; after
// every kill each data file must be whole: the version before the interrupted save or the
// one after it, and it must load.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/length.h"
#include "core/program_files.h"
#include "core/settings_store.h"
#include "inventory/backup.h"
#include "inventory/category.h"
#include "job/global_data.h"
#include "job/job_file.h"
#include "support/fake_platform.h"
#include "support/temp_program_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTypes = 5000;        // types of bars in the bar manager file
constexpr int kStockFiles = 20;     // stock files rewritten on every pass
constexpr int kStockEntries = 20;   // entries of each of them
constexpr int kOrders = 10000;      // orders of the job
constexpr int kBackupTypes = 1000;  // types of the inventory that is backed up
constexpr int kKills = 200;

std::string StockName(int index)
{
    char name[16];
    std::snprintf(name, sizeof name, "%08d", 10000000 + index);
    return name;
}

// The bar manager file of `types` types, each with a stock file named by its position.
std::string BfmBytes(int types, int generation)
{
    std::string out("\x22\x63\x58\x14\x7b\x00\x00\x00", 8);
    for (int i = 0; i < types; ++i) {
        char record[160];
        std::snprintf(record, sizeof record, "P%05d\nAl\nWhite\n%s\n%d.5000\n1000.0000\n6000.0000\n300.0000\n50.0000\n",
                      i, StockName(i).c_str(), 10 + generation);
        out += record;
    }
    return out;
}

// One complete inventory in a folder of its own, never changed: the source of the backups.
struct BACKUP_SOURCE {
    CTempProgramFolder folder;
    CInventoryData inventory;

    explicit BACKUP_SOURCE(int generation)
    {
        folder.Write("bfm", BfmBytes(kBackupTypes + generation, generation));
        for (const char* name : {"colors.dat", "maters.dat", "pcodes.dat"}) {
            folder.Write(name, generation == 0 ? "White\r\nBlack\r\n" : "Red\r\n");
        }
        for (int i = 0; i < kBackupTypes + generation; ++i) {
            folder.Write(StockName(i), "6000.0000\n" + std::to_string(i + generation) + "\n");
        }
        inventory.LoadTypesOfBars();
    }
};

// What one generation of the saving process writes.
struct GENERATION {
    CGlobalData data;
    CategorySet categories[3];
    std::vector<BAR> stock;
};

const CategoryKind kKinds[3] = {CategoryKind::ProfileCode, CategoryKind::Material, CategoryKind::Color};

class CrashSafetyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The sources of the backups are made first: each installs its folder while it is
        // made, so the folder under test is installed last.
        sources[0] = std::make_unique<BACKUP_SOURCE>(0);
        sources[1] = std::make_unique<BACKUP_SOURCE>(1);
        folder = std::make_unique<CTempProgramFolder>();
        backupPath = folder->File("inventory.bkp", "backup");
        jobPath = folder->File("job.odr", "orders");
        for (int g = 0; g < 2; ++g) {
            GENERATION& generation = generations[g];
            folder->Write("bfm", BfmBytes(kTypes + g, g));
            generation.data.LoadTypesOfBars();
            for (int k = 0; k < 3; ++k) {
                const int items = g == 0 ? kMaxCategoryItems : kMaxCategoryItems - 500;
                for (int i = 0; i < items; ++i) {
                    generation.categories[k].insert("C" + std::to_string(k) + "_" + std::to_string(g) + "_" +
                                                    std::to_string(i));
                }
            }
            for (int i = 0; i < kStockEntries + g; ++i) {
                generation.stock.push_back(BAR{1000.0 + 250 * i, 3 + g + i});
            }
            generation.data.SetJobName(g == 0 ? "Frames" : "Doors and frames");
            for (int i = 0; i < kOrders + 7 * g; ++i) {
                ORDER order;
                order.profileCode = "P" + std::string(5 - std::to_string(i % kTypes).size(), '0') +
                                    std::to_string(i % kTypes);
                order.material = "Al";
                order.color = "White";
                order.identifier = "W" + std::to_string(i);
                order.length = 500 + i % 3000;
                order.quantity = 1 + (i + g) % 9;
                generation.data.AddOrder(order);
            }
            platform.savePaths.push_back(jobPath);
        }
        // Both versions of every file, as the program writes them.
        for (int g = 0; g < 2; ++g) {
            for (const std::function<void()>& step : Steps(g)) {
                step();
            }
            for (const std::string& name : FileNames()) {
                expected[g][name] = ReadWholeFile(name).value_or("");
            }
        }
    }

    // The saves of one generation, in the order the saving process makes them.
    std::vector<std::function<void()>> Steps(int g)
    {
        GENERATION& generation = generations[g];
        std::vector<std::function<void()>> steps;
        steps.push_back([&generation] { generation.data.SaveTypesOfBars(); });
        for (int k = 0; k < 3; ++k) {
            steps.push_back([&generation, k] { SaveCategory(kKinds[k], generation.categories[k]); });
        }
        for (int i = 0; i < kStockFiles; ++i) {
            steps.push_back([&generation, i] { generation.data.WriteBarStock(i, generation.stock); });
        }
        steps.push_back([&generation] { generation.data.SaveJob(); });
        steps.push_back([this, g] {
            const std::string programFolder = ProgramFolder();
            SetProgramFolder(sources[g]->folder.Path());
            SaveInventory(sources[g]->inventory, backupPath);
            SetProgramFolder(programFolder);
        });
        return steps;
    }

    std::vector<std::string> FileNames() const
    {
        std::vector<std::string> names = {folder->File("bfm"), jobPath, backupPath};
        for (const CategoryKind kind : kKinds) {
            names.push_back(folder->File(CategoryFileName(kind)));
        }
        for (int i = 0; i < kStockFiles; ++i) {
            names.push_back(folder->File(StockName(i)));
        }
        return names;
    }

    // Saves both generations in turn, from step `start` on, until it is killed.
    [[noreturn]] void SaveForever(std::size_t start)
    {
        std::vector<std::function<void()>> steps = Steps(0);
        for (std::function<void()>& step : Steps(1)) {
            steps.push_back(std::move(step));
        }
        try {
            for (std::size_t i = start % steps.size();; i = (i + 1) % steps.size()) {
                steps[i]();
            }
        } catch (...) {
            ::_exit(3);
        }
    }

    CScopedFakePlatform platform;
    std::unique_ptr<BACKUP_SOURCE> sources[2];
    std::unique_ptr<CTempProgramFolder> folder;
    GENERATION generations[2];
    std::string backupPath;
    std::string jobPath;
    std::map<std::string, std::string> expected[2];
};

TEST_F(CrashSafetyTest, EveryFileIsTheOldOrTheNewVersionAfterAKill)
{
    // Both backups restore; a backup that equals one of them after a kill restores too.
    for (int g = 0; g < 2; ++g) {
        CTempProgramFolder scratch;
        scratch.Write("bfm", "");
        ReplaceFileAtomically(scratch.File("copy.bkp", "backup"), expected[g][backupPath]);
        CInventoryData restored;
        ASSERT_NO_THROW(RestoreInventory(restored, scratch.File("copy.bkp", "backup")));
        EXPECT_EQ(restored.CountTypesOfBars(), kBackupTypes + g);
    }
    SetProgramFolder(folder->Path());
    SetSettingsStore(&folder->settings);

    // A pass over every save bounds the moments worth killing at.
    const auto passStart = std::chrono::steady_clock::now();
    for (const std::function<void()>& step : Steps(0)) {
        step();
    }
    const auto passMicroseconds =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - passStart).count();
    const std::size_t stepCount = 2 * Steps(0).size();

    std::mt19937 random(20261210);
    int killsDuringAWrite = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const std::size_t start = random() % stepCount;
        const auto delay = static_cast<useconds_t>(random() % std::max<long long>(1, static_cast<long long>(passMicroseconds) / 4));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SaveForever(start);
        }
        ::usleep(delay);
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process failed by itself, status " << status;

        for (const std::string& name : FileNames()) {
            const std::optional<std::string> content = ReadWholeFile(name);
            ASSERT_TRUE(content) << name << " is missing after kill " << kill;
            ASSERT_TRUE(*content == expected[0][name] || *content == expected[1][name])
                << name << " is neither version after kill " << kill << " (" << content->size() << " bytes)";
        }
        CInventoryData loaded;
        ASSERT_NO_THROW(loaded.LoadTypesOfBars());
        ASSERT_GE(loaded.CountTypesOfBars(), kTypes);
        for (const CategoryKind kind : kKinds) {
            CategorySet set;
            ASSERT_NO_THROW(LoadCategory(kind, set));
            ASSERT_GE(set.size(), static_cast<std::size_t>(kMaxCategoryItems - 500));
        }
        for (int i = 0; i < kStockFiles; ++i) {
            std::vector<BAR> stock;
            ASSERT_NO_THROW(loaded.ReadBarStock(i, stock));
            ASSERT_GE(stock.size(), static_cast<std::size_t>(kStockEntries));
        }
        ASSERT_GE(ReadJobFile(ReadWholeFile(jobPath).value_or("")).orders.size(), static_cast<std::size_t>(kOrders));

        // A kill during a write leaves its temporary file; the program never reads one, and
        // it is removed here so the next kill shows its own.
        bool leftTemporaryFile = false;
        for (const char* sub : {"", "orders", "backup"}) {
            for (const fs::directory_entry& entry : fs::directory_iterator(folder->File("", sub))) {
                const std::string name = entry.path().filename().string();
                if (name.find(".tmp-") != std::string::npos) {
                    leftTemporaryFile = true;
                    fs::remove(entry.path());
                }
            }
        }
        killsDuringAWrite += leftTemporaryFile ? 1 : 0;
    }
    // Otherwise the kills all fell between writes and the test proved nothing.
    EXPECT_GT(killsDuringAWrite, 0);
    RecordProperty("killsDuringAWrite", killsDuringAWrite);
}

}  // namespace
