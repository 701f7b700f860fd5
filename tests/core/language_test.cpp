#include <gtest/gtest.h>

#include "core/texts.h"

namespace {

struct LanguageScope {
    explicit LanguageScope(std::uint32_t language) { Language = language; }
    ~LanguageScope() { Language = 0; }
};

}  // namespace

TEST(LangText, PicksTheRowOfTheCurrentLanguage)
{
    {
        LanguageScope english(0);
        EXPECT_STREQ(LangText(T_ERROR), "Error");
        EXPECT_STREQ(LangText(T_APPLICATION_ERROR), "Application error");
    }
    LanguageScope romanian(1);
    EXPECT_STREQ(LangText(T_ERROR), "Eroare");
    EXPECT_STREQ(LangText(T_APPLICATION_ERROR), "Eroare de utilizare");
    EXPECT_STREQ(LangText(T_QUESTION), "Intrebare");
    // The row is the table's start plus Language times its width.
    EXPECT_EQ(LangText(T_QUESTION), &T_QUESTION[0][0] + 32);
}

TEST(MonthName, IsMonthMajorWithElevenCharactersPerName)
{
    LanguageScope romanian(1);
    EXPECT_STREQ(MonthName(8), "septembrie");
    EXPECT_EQ(MonthName(8), &MONTH_NAMES[0][0][0] + 8 * 22 + 11);
    Language = 0;
    EXPECT_STREQ(MonthName(0), "January");
    EXPECT_STREQ(MonthName(11), "December");
}
