#include <gtest/gtest.h>

#include <set>

#include "core/exception.h"
#include "core/program_files.h"
#include "support/temp_program_folder.h"

namespace {

TEST(ProgramFilePath, JoinsFolderSubFolderAndName)
{
    CTempProgramFolder folder;
    const std::string base = folder.Path() + kPathSeparator;
    EXPECT_EQ(ProgramFilePath("", "bfm"), base + "bfm");
    EXPECT_EQ(ProgramFilePath("orders", "a.odr"), base + "orders" + kPathSeparator + "a.odr");
}

TEST(UniqueFileName, DrawsEightDigitsAndNeverAnExistingName)
{
    CTempProgramFolder folder;
    std::set<std::string> names;
    for (int i = 0; i < 50; ++i) {
        const std::string name = UniqueFileName("", "");
        ASSERT_EQ(name.size(), 8u);
        ASSERT_EQ(name.find_first_not_of("0123456789"), std::string::npos);
        ASSERT_FALSE(folder.Exists(name));
        folder.Write(name, "");
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 50u);
    const std::string backup = UniqueFileName("backup", "bkp");
    EXPECT_EQ(backup.size(), 12u);
    EXPECT_EQ(backup.substr(8), ".bkp");
}

TEST(FileSize, GivesTheSizeOrRaises)
{
    CTempProgramFolder folder;
    folder.Write("f", "12345");
    EXPECT_EQ(FileSize(folder.File("f")), 5u);
    try {
        FileSize(folder.File("missing"));
        FAIL() << "no error raised";
    } catch (const CException& error) {
        EXPECT_STREQ(error.message, "The file cannot be opened!");
    }
}

TEST(MakeItemText, TurnsEveryWhiteSpaceIntoAnUnderscore)
{
    std::string text = "Al 6060\tT5\r\nX\vY\fZ";
    EXPECT_TRUE(MakeItemText(text));
    EXPECT_EQ(text, "Al_6060_T5__X_Y_Z");
    std::string empty;
    EXPECT_FALSE(MakeItemText(empty));
}

}  // namespace
