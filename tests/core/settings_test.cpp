#include <gtest/gtest.h>

#include "core/language.h"
#include "core/settings.h"
#include "support/temp_program_folder.h"

namespace {

class Settings : public testing::Test {
protected:
    CTempProgramFolder folder;
};

TEST_F(Settings, DefaultsOnAMachineWithoutStoredValues)
{
    Language = 1;
    LoadStartupSettings();
    EXPECT_EQ(LengthUnit, 0);
    EXPECT_EQ(Precision, 0);
    EXPECT_EQ(SawThickness, 0);
    EXPECT_EQ(Currency, "");
    EXPECT_EQ(Language, 0u);
    for (const char* flag : {kSettingJobInfoJR, kSettingSettingsJR, kSettingStatisticsJR, kSettingCutLayoutsJR,
                             kSettingTotalCostsJR, kSettingBarsBoughtJR, kSettingReuseStubsLO,
                             kSettingStockInfoSR, kSettingStockDetailsSR, kSettingTotalCostSR,
                             kSettingBarsBoughtSR}) {
        EXPECT_FALSE(ReadFlagSetting(flag)) << flag;
    }
}

TEST_F(Settings, SawThicknessIsStoredInTheUnitOfTheSameSave)
{
    SaveSettings(2, 3, "EUR", " 0.004 ");
    EXPECT_EQ(folder.settings.values.at("saw_thickness"), "0.004");
    EXPECT_EQ(folder.settings.values.at("length_unit"), "2");
    EXPECT_EQ(folder.settings.values.at("precision"), "3");
    EXPECT_EQ(folder.settings.values.at("currency"), "EUR");
    EXPECT_DOUBLE_EQ(SawThickness, 4);

    SawThickness = 0;
    LengthUnit = 0;
    LoadStartupSettings();
    EXPECT_EQ(LengthUnit, 2);
    EXPECT_DOUBLE_EQ(SawThickness, 4);
    EXPECT_EQ(Currency, "EUR");
}

TEST_F(Settings, AStoredFlagOfFiveReadsCheckedAndIsWrittenBackAsOne)
{
    folder.settings.values["cutLayouts_JR"] = "5";
    const bool checked = ReadFlagSetting(kSettingCutLayoutsJR);
    EXPECT_TRUE(checked);
    WriteFlagSetting(kSettingCutLayoutsJR, checked);
    EXPECT_EQ(folder.settings.values.at("cutLayouts_JR"), "1");
}

TEST_F(Settings, IntegersAreReadAsTheCLibraryReadsThem)
{
    const std::pair<const char*, int> cases[] = {
        {"12", 12}, {"  7", 7}, {"-3", -3}, {"+4", 4}, {"9abc", 9}, {"abc", 0}, {"", 0}, {"99999999999", 2147483647},
    };
    for (const auto& [text, value] : cases) {
        folder.settings.values["n"] = text;
        EXPECT_EQ(ReadIntSetting("n"), value) << text;
    }
    WriteIntSetting("n", -17);
    EXPECT_EQ(folder.settings.values.at("n"), "-17");
}

TEST_F(Settings, OutOfRangeValuesFallBackToZero)
{
    folder.settings.values["length_unit"] = "22";
    folder.settings.values["precision"] = "-1";
    folder.settings.values["language"] = "2";
    LoadStartupSettings();
    EXPECT_EQ(LengthUnit, 0);
    EXPECT_EQ(Precision, 0);
    EXPECT_EQ(Language, 0u);
    folder.settings.values["length_unit"] = "21";
    folder.settings.values["language"] = "1";
    LoadStartupSettings();
    EXPECT_EQ(LengthUnit, 21);
    EXPECT_EQ(Language, 1u);
    Language = 0;
}

TEST_F(Settings, TextsAreCutToTheirFieldsAndAbsentTextsLeaveTheBuffer)
{
    folder.settings.values["currency"] = std::string(40, 'c');
    LoadStartupSettings();
    EXPECT_EQ(Currency, std::string(15, 'c'));

    std::string buffer = "kept";
    ReadTextSetting("missing", buffer);
    EXPECT_EQ(buffer, "kept");
    folder.settings.values["long"] = std::string(1000, 'x');
    ReadTextSetting("long", buffer);
    EXPECT_EQ(buffer.size(), 259u);
}

TEST_F(Settings, FailedWritesAreSilentAndKeepTheOldValue)
{
    folder.settings.values["currency"] = "USD";
    folder.settings.failWrites = true;
    SaveSettings(0, 0, "EUR", "3");
    EXPECT_EQ(folder.settings.values.at("currency"), "USD");
    EXPECT_EQ(Currency, "EUR");
    EXPECT_DOUBLE_EQ(SawThickness, 3);
}

}  // namespace
