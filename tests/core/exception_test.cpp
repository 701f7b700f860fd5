#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "core/exception.h"

TEST(CException, CutsLongTextsAt255AndAlwaysTerminates)
{
    const std::string longMessage(300, 'm');
    const std::string longFile(400, 'f');
    const CException error(longFile.c_str(), 77, longMessage.c_str());
    EXPECT_EQ(std::strlen(error.message), 255u);
    EXPECT_EQ(std::string(error.message), longMessage.substr(0, 255));
    EXPECT_EQ(std::strlen(error.file), 255u);
    EXPECT_EQ(error.line, 77u);
}

TEST(CException, KeepsShortTextsAndPadsWithZeros)
{
    const CException error("globaldata", 12, "Stock is invalid!");
    EXPECT_STREQ(error.message, "Stock is invalid!");
    EXPECT_STREQ(error.file, "globaldata");
    for (std::size_t i = std::strlen("globaldata"); i < sizeof error.file; ++i) {
        ASSERT_EQ(error.file[i], '\0');
    }
}

TEST(CException, CapturesTheSystemErrorOfTheFailedCall)
{
    errno = ENOENT;
    const CException error("x", 1, "y");
    EXPECT_EQ(error.systemError, static_cast<unsigned>(ENOENT));
}

TEST(CException, RaiseCarriesTheBaseNameOfTheSourceFileAndLine)
{
    try {
        KX_RAISE("boom");
    } catch (const CException& error) {
        EXPECT_STREQ(error.file, "exception_test.cpp");
        EXPECT_GT(error.line, 0u);
        EXPECT_STREQ(error.message, "boom");
        return;
    }
    FAIL() << "nothing was raised";
}
