#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Reads a data file held in memory as white-space-delimited tokens, the way the data files
// are written. Tokens may be of any length; the reader never reads past the end.
class CTokenReader {
public:
    explicit CTokenReader(std::string_view text, std::size_t start = 0);

    // The next token, or nothing at the end of the text.
    std::optional<std::string_view> NextToken();

    // A signed decimal integer after optional white space: an optional sign, then digits up
    // to the first other character, held to the 32-bit range. Nothing when no digit follows;
    // the reader then stays where it was.
    std::optional<std::int32_t> NextInteger();

private:
    void SkipWhiteSpace();

    std::string_view m_text;
    std::size_t m_position;
};

// The white space of the C library's "%s": space, tab, LF, VT, FF, CR.
constexpr bool IsDataWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
