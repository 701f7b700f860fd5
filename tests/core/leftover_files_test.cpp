#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "core/atomic_file.h"
#include "core/leftover_files.h"
#include "support/temp_program_folder.h"

namespace fs = std::filesystem;

namespace {

// As a save killed two minutes ago would have left it.
void MakeOld(const std::string& path)
{
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(2));
}

TEST(LeftoverFiles, OnlyTheNamesOfTheAtomicWriterAreTemporary)
{
    struct CASE {
        const char* name;
        bool temporary;
    };
    const CASE cases[] = {
        {"bfm.tmp-Ab12Cd", true},
        {"10293847.tmp-zzzzzz", true},
        {"scale.odr.tmp-000000", true},
        {".tmp-abcdef", false},        // no target name
        {"bfm.tmp-abcde", false},      // five characters
        {"bfm.tmp-abcdefg", false},    // seven
        {"bfm.tmp-ab_cde", false},
        {"bfm.TMP-abcdef", false},
        {"bfm.tmp", false},
        {"notes.tmp-abcdef.txt", false},
        {"bfm", false},
    };
    for (const CASE& test : cases) {
        EXPECT_EQ(IsTemporaryFileName(test.name), test.temporary) << test.name;
    }

    CTempProgramFolder folder;
    const std::optional<std::string> written = WriteTemporaryFile(folder.File("bfm"), "new");
    ASSERT_TRUE(written);
    EXPECT_TRUE(IsTemporaryFileName(fs::path(*written).filename().string())) << *written;
}

TEST(LeftoverFiles, ALeftoverOfAKilledSaveGoesAndTheFileStays)
{
    CTempProgramFolder folder;
    folder.Write("bfm", "old");
    const std::optional<std::string> leftover = WriteTemporaryFile(folder.File("bfm"), "newer, never committed");
    ASSERT_TRUE(leftover);
    MakeOld(*leftover);

    RemoveLeftoverTemporaryFiles();

    EXPECT_FALSE(fs::exists(*leftover));
    EXPECT_EQ(folder.Read("bfm"), "old");
}

TEST(LeftoverFiles, EveryDataFolderIsCleanedAndNothingElseIsTouched)
{
    CTempProgramFolder folder;
    const std::string leftovers[] = {folder.File("12345678.tmp-aB3dE9"), folder.File("job.odr.tmp-QWERTY", "orders"),
                                     folder.File("a.bkp.tmp-123456", "backup"),
                                     folder.File("2026-1-2-3-4-5.html.tmp-xyzxyz", "report")};
    for (const std::string& path : leftovers) {
        folder.Write(fs::relative(path, folder.Path()).string(), "partial");
        MakeOld(path);
    }
    // A save being made by another program right now, files of the user, a folder and a
    // link that only look like leftovers, and a leftover in a folder the program does not own.
    folder.Write("bfm.tmp-fresh1", "being written");
    folder.Write("notes.tmp", "mine");
    folder.Write("notes.tmp-abcdef.txt", "mine");
    folder.Write("keep", "target of the link");
    fs::create_directory(folder.File("dir.tmp-abcdef"));
    fs::create_symlink(folder.File("keep"), folder.File("link.tmp-abcdef"));
    fs::create_directory(folder.File("mine"));
    folder.Write("mine/x.tmp-abcdef", "not in a data folder");
    const std::string kept[] = {"bfm.tmp-fresh1", "notes.tmp", "notes.tmp-abcdef.txt", "keep",
                                "dir.tmp-abcdef", "mine/x.tmp-abcdef"};
    for (const char* name : {"notes.tmp", "notes.tmp-abcdef.txt", "keep", "mine/x.tmp-abcdef"}) {
        MakeOld(folder.File(name));
    }

    RemoveLeftoverTemporaryFiles();

    for (const std::string& path : leftovers) {
        EXPECT_FALSE(fs::exists(path)) << path;
    }
    for (const std::string& name : kept) {
        EXPECT_TRUE(fs::exists(folder.File(name))) << name;
    }
    EXPECT_TRUE(fs::is_symlink(folder.File("link.tmp-abcdef")));
    EXPECT_EQ(folder.Read("keep"), "target of the link");
    EXPECT_EQ(RemoveLeftoverTemporaryFiles(folder.Path()), 0);
}

} // namespace
