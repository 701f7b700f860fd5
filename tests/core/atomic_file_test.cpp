#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "core/atomic_file.h"
#include "support/temp_program_folder.h"

namespace fs = std::filesystem;

namespace {

class AtomicFile : public testing::Test {
protected:
    void TearDown() override { SetWriteFailureForTesting(std::nullopt); }

    std::size_t FilesInFolder() const
    {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path())) {
            ++count;
        }
        return count;
    }

    CTempProgramFolder folder;
};

TEST_F(AtomicFile, ReplacesTheWholeFile)
{
    folder.Write("bfm", "old content that is longer");
    ASSERT_TRUE(ReplaceFileAtomically(folder.File("bfm"), std::string("new\0x", 5)));
    EXPECT_EQ(folder.Read("bfm"), std::string("new\0x", 5));
    EXPECT_EQ(*ReadWholeFile(folder.File("bfm")), std::string("new\0x", 5));
}

TEST_F(AtomicFile, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    folder.Write("bfm", "old");
    const std::size_t before = FilesInFolder();
    SetWriteFailureForTesting(2);
    EXPECT_FALSE(ReplaceFileAtomically(folder.File("bfm"), "brand new content"));
    EXPECT_EQ(folder.Read("bfm"), "old");
    EXPECT_EQ(FilesInFolder(), before);
}

TEST_F(AtomicFile, TwoStepReplaceChangesTheFileOnlyOnCommit)
{
    folder.Write("bfm", "old");
    const std::size_t before = FilesInFolder();
    const std::optional<std::string> kept = WriteTemporaryFile(folder.File("bfm"), "new");
    const std::optional<std::string> dropped = WriteTemporaryFile(folder.File("bfm"), "other");
    ASSERT_TRUE(kept && dropped);
    EXPECT_EQ(folder.Read("bfm"), "old");
    DiscardTemporaryFile(*dropped);
    ASSERT_TRUE(CommitTemporaryFile(*kept, folder.File("bfm")));
    EXPECT_EQ(folder.Read("bfm"), "new");
    EXPECT_EQ(FilesInFolder(), before);

    SetWriteFailureForTesting(1);
    EXPECT_FALSE(WriteTemporaryFile(folder.File("bfm"), "newer"));
    EXPECT_EQ(FilesInFolder(), before);
}

TEST_F(AtomicFile, AReadOnlyFolderFailsAndKeepsTheFile)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    folder.Write("bfm", "old");
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(ReplaceFileAtomically(folder.File("bfm"), "new"));
    fs::permissions(folder.Path(), fs::perms::owner_all);
    EXPECT_EQ(folder.Read("bfm"), "old");
}

TEST_F(AtomicFile, ReadingAMissingFileGivesNothing)
{
    EXPECT_FALSE(ReadWholeFile(folder.File("missing")).has_value());
    EXPECT_FALSE(ReplaceFileAtomically(folder.File("no-such-folder/x"), "a"));
}

}  // namespace
