// Every save of the program on a full disk, into a read-only program folder, or with a write
// that breaks off: the user sees the save's own message, the file it was to replace keeps
// its previous content, and nothing half-written is left behind.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/program_files.h"
#include "inventory/backup.h"
#include "inventory/category.h"
#include "job/global_data.h"
#include "report/inventory_report.h"
#include "report/job_report.h"
#include "support/fake_platform.h"
#include "support/temp_program_folder.h"

namespace fs = std::filesystem;

namespace {

enum class Failure { BrokenWriteAtStart, BrokenWriteMidway, ReadOnlyFolder, FullFileSystem };

// The bar manager file of `types` types; type i keeps its stock in "1000000<i>".
std::string Bfm(int types, const char* price)
{
    std::string out("\x22\x63\x58\x14\x7b\x00\x00\x00", 8);
    for (int i = 0; i < types; ++i) {
        out += "P" + std::to_string(i) + "\nAl\nWhite\n1000000" + std::to_string(i) + "\n" + price +
               "\n1000.0000\n6000.0000\n300.0000\n50.0000\n";
    }
    return out;
}

std::string Backup(const std::vector<std::pair<std::string, std::string>>& members)
{
    std::string out;
    auto size = [&out](std::size_t n) {
        for (int i = 0; i < 4; ++i) {
            out += static_cast<char>((n >> (8 * i)) & 0xFF);
        }
    };
    for (const auto& [name, content] : members) {
        size(name.size());
        out += name;
        size(content.size());
        out += content;
    }
    return out;
}

struct SAVE {
    const char* what;
    std::string file;  // relative to the program folder
    std::function<void()> save;
    std::string message;
    bool newFile;  // a report: there is no previous file, and none may appear
};

class WriteFailureTest : public ::testing::TestWithParam<Failure> {
protected:
    void SetUp() override
    {
        if (GetParam() == Failure::ReadOnlyFolder && ::geteuid() == 0) {
            GTEST_SKIP() << "permissions do not stop the superuser";
        }
        if (GetParam() == Failure::FullFileSystem && !MountSmallFileSystem()) {
            GTEST_SKIP() << "a small memory file system cannot be mounted here";
        }
        // The new state is loaded from files the old ones then replace on the disk.
        folder.Write("bfm", Bfm(12, "20.0000"));
        data.LoadTypesOfBars();
        for (int i = 0; i < 12; ++i) {
            ORDER order{"P" + std::to_string(i), "Al", "White", 1200.5, "W", 3, -1};
            data.AddOrder(order);
        }
        data.SetJobName("Frames for the new hall");

        for (const auto& [name, content] : OldFiles()) {
            folder.Write(name, content);
        }
        platform.savePaths.push_back(folder.File("job.odr", "orders"));
    }

    void TearDown() override
    {
        SetWriteFailureForTesting(std::nullopt);
        std::error_code ignored;
        for (const std::string& sub : {std::string(), std::string("orders"), std::string("report"), std::string("backup")}) {
            fs::permissions(folder.File("", sub), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
        fs::remove(filler, ignored);
        if (mounted) {
            ::umount(mountPoint.c_str());
            fs::remove_all(mountPoint, ignored);
        }
    }

    std::vector<std::pair<std::string, std::string>> OldFiles() const
    {
        std::vector<std::pair<std::string, std::string>> files = {
            {"bfm", Bfm(1, "10.0000")},
            {"colors.dat", "White\r\n"},
            {"maters.dat", "Al\r\n"},
            {"pcodes.dat", "P0\r\n"},
            {"orders/job.odr", "old job"},
            {"backup/inventory.bkp", "old backup"},
        };
        for (int i = 0; i < 12; ++i) {
            files.emplace_back("1000000" + std::to_string(i), "6000.0000\n" + std::to_string(i + 1) + "\n");
        }
        files.emplace_back("backup/restore.bkp",
                           Backup({{"bfm", Bfm(2, "30.0000")}, {"10000000", std::string(300, ' ') + "7000.0000\n1\n"}}));
        return files;
    }

    std::vector<SAVE> Saves()
    {
        CategorySet colors;
        for (int i = 0; i < 40; ++i) {
            colors.insert("Color_" + std::to_string(i));
        }
        std::vector<BAR> stock;
        for (int i = 0; i < 20; ++i) {
            stock.push_back(BAR{1000.0 + i, i + 1});
        }
        INVENTORY_REPORT_FLAGS inventoryFlags{true, true, true, true};
        JOB_REPORT_FLAGS jobFlags{true, true, true, true, true, true};
        return {
            {"types of bars", "bfm", [this] { data.SaveTypesOfBars(); }, "Bar manager file could not be written!", false},
            {"category", "colors.dat", [colors] { SaveCategory(CategoryKind::Color, colors); },
             "Category file could not be written!", false},
            {"stock", "10000003", [this, stock] { data.WriteBarStock(3, stock); }, "Stock file could not be written!",
             false},
            {"job", "orders/job.odr", [this] { data.SaveJob(); }, "Job file could not be saved!", false},
            {"backup", "backup/inventory.bkp",
             [this] { SaveInventory(data, folder.File("inventory.bkp", "backup")); }, "Cannot save inventory!", false},
            {"restore", "bfm", [this] { RestoreInventory(data, folder.File("restore.bkp", "backup")); },
             "Cannot restore inventory!", false},
            {"inventory report", "report/inventory.html",
             [this, inventoryFlags] {
                 WriteInventoryReport(data, inventoryFlags, folder.File("inventory.html", "report"));
             },
             "Cannot create report!", true},
            {"job report", "report/job.html",
             [this, jobFlags] { WriteJobReport(data, folder.File("job.html", "report"), jobFlags, CuttingPlan()); },
             "Cannot create report!", true},
        };
    }

    void StartFailing()
    {
        switch (GetParam()) {
        case Failure::BrokenWriteAtStart:
            SetWriteFailureForTesting(0);
            break;
        case Failure::BrokenWriteMidway:
            SetWriteFailureForTesting(100);
            break;
        case Failure::ReadOnlyFolder:
            for (const char* sub : {"", "orders", "report", "backup"}) {
                fs::permissions(folder.File("", sub), fs::perms::owner_write | fs::perms::group_write |
                                                          fs::perms::others_write,
                                fs::perm_options::remove);
            }
            break;
        case Failure::FullFileSystem: {
            // Fills what is left, so that no save can have another block.
            std::ofstream file(filler, std::ios::binary);
            const std::string block(4096, 'x');
            while (file.write(block.data(), static_cast<std::streamsize>(block.size()))) {
            }
            break;
        }
        }
    }

    // Mounts a small memory file system and makes it the program folder.
    bool MountSmallFileSystem()
    {
        if (::geteuid() != 0) {
            return false;
        }
        mountPoint = folder.Path() + "-small";
        fs::create_directory(mountPoint);
        if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=512k") != 0) {
            fs::remove(mountPoint);
            return false;
        }
        mounted = true;
        for (const char* sub : {"orders", "report", "backup", "help"}) {
            fs::create_directory(fs::path(mountPoint) / sub);
        }
        SetProgramFolder(mountPoint);
        filler = ProgramFilePath("", "filler");
        return true;
    }

    std::string Read(const std::string& file) const
    {
        return ReadWholeFile(ProgramFolder() + file).value_or("<missing>");
    }

    std::vector<std::string> TemporaryFiles() const
    {
        std::vector<std::string> found;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(ProgramFolder())) {
            if (entry.path().filename().string().find(".tmp") != std::string::npos) {
                found.push_back(entry.path().string());
            }
        }
        return found;
    }

    CScopedFakePlatform platform;
    CTempProgramFolder folder;
    CGlobalData data;
    std::string mountPoint;
    std::string filler;
    bool mounted = false;
};

TEST_P(WriteFailureTest, SaveShowsItsMessageAndKeepsThePreviousFile)
{
    std::vector<SAVE> saves = Saves();
    StartFailing();
    for (SAVE& save : saves) {
        SCOPED_TRACE(save.what);
        const std::string before = Read(save.file);
        std::string message = "<no error>";
        try {
            save.save();
        } catch (const CException& error) {
            message = error.message;
        }
        EXPECT_EQ(message, save.message);
        EXPECT_EQ(Read(save.file), save.newFile ? "<missing>" : before);
        EXPECT_EQ(TemporaryFiles(), std::vector<std::string>());
    }
    // Every old file is still there as it was.
    for (const auto& [name, content] : OldFiles()) {
        EXPECT_EQ(Read(name), content) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Failures, WriteFailureTest,
                         ::testing::Values(Failure::BrokenWriteAtStart, Failure::BrokenWriteMidway,
                                           Failure::ReadOnlyFolder, Failure::FullFileSystem),
                         [](const ::testing::TestParamInfo<Failure>& info) {
                             switch (info.param) {
                             case Failure::BrokenWriteAtStart:
                                 return "BrokenWriteAtStart";
                             case Failure::BrokenWriteMidway:
                                 return "BrokenWriteMidway";
                             case Failure::ReadOnlyFolder:
                                 return "ReadOnlyFolder";
                             case Failure::FullFileSystem:
                                 return "FullFileSystem";
                             }
                             return "Unknown";
                         });

}  // namespace
