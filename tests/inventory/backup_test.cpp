#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/atomic_file.h"
#include "core/program_files.h"
#include "inventory/backup.h"
#include "inventory/file_names.h"
#include "inventory_fixture.h"

namespace fs = std::filesystem;

namespace {

std::string U32(std::uint32_t value)
{
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::string Member(const std::string& name, const std::string& content)
{
    return U32(static_cast<std::uint32_t>(name.size())) + name + U32(static_cast<std::uint32_t>(content.size())) +
           content;
}

// An inventory of two types of bars, B (stock 22222222, empty) and A (stock 11111111).
class BackupTest : public InventoryTest {
protected:
    void SetUp() override
    {
        folder.Write("colors.dat", "White\r\n");
        folder.Write("maters.dat", "Al\r\n");
        folder.Write("pcodes.dat", "A\r\nB\r\n");
        AddType("B", "Al", "White", "22222222");
        AddType("A", "Al", "White", "11111111");
        folder.Write("11111111", "6000.0000\n3\n");
        backupPath = folder.File("12345678.bkp", "backup");
    }

    // Every file of the program folder with its content (sub-folders left out).
    std::map<std::string, std::string> Files() const
    {
        std::map<std::string, std::string> files;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder.Path())) {
            if (entry.is_regular_file()) {
                files[entry.path().filename().string()] = folder.Read(entry.path().filename().string());
            }
        }
        return files;
    }

    std::string backupPath;
};

std::string ReadFile(const std::string& path) { return ReadWholeFile(path).value_or("<missing>"); }

TEST_F(BackupTest, SaveFramesEveryFileInOrder)
{
    SaveInventory(inventory, backupPath);
    const std::string expected = Member("bfm", folder.Read("bfm")) + Member("colors.dat", "White\r\n") +
                                 Member("maters.dat", "Al\r\n") + Member("pcodes.dat", "A\r\nB\r\n") +
                                 Member("11111111", "6000.0000\n3\n") + Member("22222222", "");
    const std::string backup = ReadFile(backupPath);
    EXPECT_EQ(backup, expected);
    EXPECT_EQ(backup.substr(0, 7), std::string("\x03\x00\x00\x00", 4) + "bfm");
    EXPECT_EQ(backup.substr(backup.size() - 16), std::string("\x08\x00\x00\x00", 4) + "22222222" + U32(0));
}

TEST_F(BackupTest, SaveWithAnUnreadableMemberLeavesNoBackup)
{
    fs::remove(folder.File("pcodes.dat"));
    EXPECT_EQ(RaisedMessage([&] { SaveInventory(inventory, backupPath); }), "Cannot save inventory!");
    EXPECT_FALSE(fs::exists(backupPath));

    // An older backup at the same path stays whole.
    ReplaceFileAtomically(backupPath, "older backup");
    EXPECT_EQ(RaisedMessage([&] { SaveInventory(inventory, backupPath); }), "Cannot save inventory!");
    EXPECT_EQ(ReadFile(backupPath), "older backup");
    EXPECT_EQ(RaisedMessage([&] { SaveInventory(inventory, folder.File("x.bkp", "no-such-folder")); }),
              "Cannot save inventory!");
}

TEST_F(BackupTest, RestoreBringsTheSavedInventoryBack)
{
    SaveInventory(inventory, backupPath);
    const std::map<std::string, std::string> saved = Files();

    // Changes after the backup: a new type with stock, other stock, another color.
    AddType("C", "Al", "White", "33333333");
    folder.Write("33333333", "100.0000\n1\n");
    folder.Write("11111111", "1.0000\n1\n");
    folder.Write("colors.dat", "White\r\nRed\r\n");

    RestoreInventory(inventory, backupPath);
    EXPECT_EQ(Files(), saved);
    EXPECT_FALSE(folder.Exists("33333333"));
    ASSERT_EQ(inventory.CountTypesOfBars(), 2);
    EXPECT_EQ(inventory.FindTypeOfBar("C", "Al", "White"), -1);
    inventory.SelectStock(inventory.FindTypeOfBar("A", "Al", "White"));
    EXPECT_EQ(inventory.GetBar(0).quantity, 3);
}

TEST_F(BackupTest, MissingBackupChangesNothing)
{
    const std::map<std::string, std::string> before = Files();
    EXPECT_EQ(RaisedMessage([&] { RestoreInventory(inventory, folder.File("none.bkp", "backup")); }),
              "Cannot restore inventory!");
    EXPECT_EQ(Files(), before);
    Language = 1;
    EXPECT_EQ(RaisedMessage([&] { RestoreInventory(inventory, folder.File("none.bkp", "backup")); }),
              "Restaurarea stocurilor a esuat!");
}

TEST_F(BackupTest, DamagedOrHostileBackupChangesNoFile)
{
    const std::string good = Member("bfm", BfmHeader()) + Member("colors.dat", "Red\r\n");
    const std::string absolute = (fs::path(folder.Path()).parent_path() / "kalomax-restored").string();
    // Beside the program folder, named after it, so that no other file can be taken for it.
    const std::string escaped = fs::path(folder.Path()).filename().string() + "-escaped";
    struct CASE {
        const char* what;
        std::string bytes;
    };
    const std::vector<CASE> cases = {
        {"empty", ""},
        {"name size cut short", good + std::string("\x05\x00", 2)},
        {"name cut short", good + U32(10) + "colo"},
        {"content size missing", good + U32(3) + "abc"},
        {"last member cut short", good + U32(8) + "11111111" + U32(100) + "6000.0000\n"},
        {"parent folder", Member("../" + escaped, "evil") + good},
        {"absolute path", good + Member(absolute, "evil")},
        {"dot dot", good + Member("..", "evil")},
        {"dot", good + Member(".", "evil")},
        {"backslash", good + Member("..\\x", "evil")},
        {"drive", good + Member("C:x", "evil")},
        {"empty name", good + Member("", "evil")},
        {"NUL in name", good + Member(std::string("a\0b", 3), "evil")},
        {"name too long", good + Member(std::string(256, 'n'), "evil")},
        {"sub-folder", good + Member("backup", "evil")},
        {"huge sizes", U32(0xFFFFFFFFu) + "bfm"},
    };
    const std::map<std::string, std::string> before = Files();
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.what);
        ReplaceFileAtomically(backupPath, c.bytes);
        EXPECT_EQ(RaisedMessage([&] { RestoreInventory(inventory, backupPath); }), "Cannot restore inventory!");
        EXPECT_EQ(Files(), before);
        EXPECT_EQ(inventory.CountTypesOfBars(), 2);
    }
    EXPECT_FALSE(fs::exists(fs::path(folder.Path()).parent_path() / escaped));
    EXPECT_FALSE(fs::exists(absolute));
}

TEST(BareFileNameTest, OnlyNamesThatStayInTheFolder)
{
    struct CASE {
        std::string name;
        bool bare;
    };
    const CASE cases[] = {
        {"bfm", true}, {"12345678", true}, {".hidden", true}, {"a..b", true}, {std::string(255, 'n'), true},
        {"", false}, {".", false}, {"..", false}, {"../x", false}, {"/etc/x", false}, {"a\\b", false},
        {"C:x", false}, {std::string("a\0b", 3), false}, {std::string(256, 'n'), false},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsBareFileName(c.name), c.bare);
    }
}

TEST_F(BackupTest, MembersNotNamedByTheSaveAreRestoredToo)
{
    const std::string name(200, 'n');
    ReplaceFileAtomically(backupPath, Member("bfm", folder.Read("bfm")) + Member(name, "kept"));
    RestoreInventory(inventory, backupPath);
    EXPECT_EQ(folder.Read(name), "kept");
}

TEST_F(BackupTest, FailedMemberWriteKeepsTheCurrentStockFiles)
{
    ReplaceFileAtomically(backupPath, Member("bfm", BfmHeader()) + Member("colors.dat", "Red\r\n"));
    const std::map<std::string, std::string> before = Files();
    SetWriteFailureForTesting(3);
    const std::string message = RaisedMessage([&] { RestoreInventory(inventory, backupPath); });
    SetWriteFailureForTesting(std::nullopt);
    EXPECT_EQ(message, "Cannot restore inventory!");
    EXPECT_EQ(Files(), before);
    EXPECT_EQ(inventory.CountTypesOfBars(), 2);
}

// Members that fit are written before one fails (an empty bar manager file, a new stock
// file, a category): they are all put back, so the inventory is the one before the restore.
TEST_F(BackupTest, WriteFailingAfterSomeMembersPutsThemBack)
{
    ReplaceFileAtomically(backupPath, Member("bfm", "") + Member("99999999", "") + Member("colors.dat", "R\r\n") +
                                          Member("11111111", "6000.0000\n9\n"));
    const std::map<std::string, std::string> before = Files();
    SetWriteFailureForTesting(3);
    const std::string message = RaisedMessage([&] { RestoreInventory(inventory, backupPath); });
    SetWriteFailureForTesting(std::nullopt);
    EXPECT_EQ(message, "Cannot restore inventory!");
    EXPECT_EQ(Files(), before);
    inventory.LoadTypesOfBars();
    EXPECT_EQ(inventory.CountTypesOfBars(), 2);
}

}  // namespace
