#pragma once

#include <cstddef>
#include <cstdint>

// The user-interface language: 0 English, 1 Romanian. Set once at start-up from the
// settings and used only as the row index into the bilingual text tables.
extern std::uint32_t Language;

// A bilingual text: two rows of equal fixed width, English first, each NUL-padded.
template <std::size_t W>
using LangTable = char[2][W];

template <std::size_t W>
constexpr const char* LangText(const char (&table)[2][W])
{
    return table[Language];
}

// The row of a table for an explicit language, for places that must not follow the
// current one (tests, previews).
template <std::size_t W>
constexpr const char* LangTextIn(const char (&table)[2][W], std::uint32_t language)
{
    return table[language];
}

// Month names: 12 months x 2 languages x 11 characters, month-major.
inline constexpr char MONTH_NAMES[12][2][11] = {
    {"January", "ianuarie"},   {"February", "februarie"}, {"March", "martie"},
    {"April", "aprilie"},      {"May", "mai"},            {"June", "iunie"},
    {"July", "iulie"},         {"August", "august"},      {"September", "septembrie"},
    {"October", "octombrie"},  {"November", "noiembrie"}, {"December", "decembrie"},
};

// The name of month m (0 = January) in the current language.
const char* MonthName(int month);
