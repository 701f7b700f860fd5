#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "cli/run_cli.h"
#include "core/language.h"
#include "core/settings.h"
#include "support/temp_program_folder.h"

namespace {

class Cli : public testing::Test {
protected:
    void SetUp() override
    {
        folder.Write("Kalo.conf", "[length_unit]\nval=2\n\n[precision]\nval=3\n[currency]\nval=\"a\\\"b\"\n");
        setenv("KALOMAX_SETTINGS_FILE", folder.File("Kalo.conf").c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("KALOMAX_SETTINGS_FILE");
        Language = 0;
    }

    int Run(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return RunCli(arguments, folder.Path(), out, err);
    }

    CTempProgramFolder folder;
    std::ostringstream out;
    std::ostringstream err;
};

struct CONVERT_CASE {
    std::vector<std::string> arguments;
    const char* output;
};

TEST_F(Cli, ConvertsInTheStoredUnitOrTheOneGiven)
{
    const CONVERT_CASE cases[] = {
        {{"convert", "--to-text", "1500", "2.5"}, "1.500\n0.002\n"},
        {{"--unit", "0", "--precision", "0", "convert", "--to-text", "1500.9"}, "1500\n"},
        {{"--unit", "14", "convert", "--to-text", "--report-form", "5276.85"}, "17&#39; 3 3&#47;4&quot;\n"},
        {{"--unit", "6", "convert", "--to-text", "1847.85"}, "72 3/4\"\n"},
        {{"convert", "--to-mm", "1.5", "0.25"}, "1500\n250\n"},
        // The millimetres are printed exactly as computed, so they read back to the same number.
        {{"convert", "--to-mm", "0.004"}, "4.000000000000001\n"},
        {{"--unit", "5", "convert", "--to-mm", "45' 5.21\"", "nonsense"}, "13848.334\n0\n"},
        {{"--unit", "0", "convert", "--to-mm", "0.1"}, "0.1\n"},
    };
    for (const CONVERT_CASE& c : cases) {
        EXPECT_EQ(Run(c.arguments), 0) << err.str();
        EXPECT_EQ(out.str(), c.output) << c.arguments.back();
    }
}

TEST_F(Cli, StoredSettingsAreReadAndOptionsOverrideThemForTheRun)
{
    ASSERT_EQ(Run({"convert", "--to-mm", "1"}), 0);
    EXPECT_EQ(LengthUnit, 2);
    EXPECT_EQ(Precision, 3);
    EXPECT_EQ(Currency, "a\"b");
    ASSERT_EQ(Run({"--unit", "1", "--saw", "0.4", "--currency", "EUR", "--language", "1", "convert", "--to-mm", "1"}),
              0);
    EXPECT_EQ(LengthUnit, 1);
    EXPECT_DOUBLE_EQ(SawThickness, 4);
    EXPECT_EQ(Currency, "EUR");
    EXPECT_EQ(Language, 1u);
    EXPECT_EQ(folder.Read("Kalo.conf").find("EUR"), std::string::npos) << "the command line never stores settings";
}

TEST_F(Cli, UsageErrorsExitWithTwoAndShowTheUsage)
{
    const std::vector<std::string> wrong[] = {
        {},
        {"--unit"},
        {"--unit", "22", "convert", "--to-mm", "1"},
        {"--precision", "x", "convert", "--to-mm", "1"},
        {"--language", "2", "convert", "--to-mm", "1"},
        {"--bogus", "convert"},
        {"frobnicate"},
        {"convert"},
        {"convert", "--to-text"},
        {"convert", "--to-text", "12abc"},
    };
    for (const auto& arguments : wrong) {
        EXPECT_EQ(Run(arguments), 2) << testing::PrintToString(arguments);
        EXPECT_NE(err.str().find("usage: kalomax-cli"), std::string::npos);
        EXPECT_EQ(out.str(), "");
    }
}

TEST_F(Cli, HelpPrintsTheUsage)
{
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out.str().find("convert (--to-text MM..."), std::string::npos);
}

}  // namespace
