#include "inventory/token_reader.h"

#include <limits>

CTokenReader::CTokenReader(std::string_view text, std::size_t start)
    : m_text(text), m_position(start < text.size() ? start : text.size())
{
}

void CTokenReader::SkipWhiteSpace()
{
    while (m_position < m_text.size() && IsDataWhiteSpace(m_text[m_position])) {
        ++m_position;
    }
}

std::optional<std::string_view> CTokenReader::NextToken()
{
    SkipWhiteSpace();
    const std::size_t start = m_position;
    while (m_position < m_text.size() && !IsDataWhiteSpace(m_text[m_position])) {
        ++m_position;
    }
    if (m_position == start) {
        return std::nullopt;
    }
    return m_text.substr(start, m_position - start);
}

std::optional<std::int32_t> CTokenReader::NextInteger()
{
    SkipWhiteSpace();
    std::size_t p = m_position;
    bool negative = false;
    if (p < m_text.size() && (m_text[p] == '+' || m_text[p] == '-')) {
        negative = m_text[p] == '-';
        ++p;
    }
    if (p >= m_text.size() || m_text[p] < '0' || m_text[p] > '9') {
        return std::nullopt;
    }
    // Held in 64 bits and stopped from growing past the 32-bit range, so a huge number
    // neither overflows nor wraps round.
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    while (p < m_text.size() && m_text[p] >= '0' && m_text[p] <= '9') {
        if (value < limit) {
            value = value * 10 + (m_text[p] - '0');
            if (value > limit) {
                value = limit;
            }
        }
        ++p;
    }
    m_position = p;
    return static_cast<std::int32_t>(negative ? -value : value);
}
