#include "inventory/type_of_bar.h"

namespace {

// Upper-casing of the C locale: only a..z change. Done here rather than with toupper so the
// order never depends on the locale the process happens to run in.
unsigned char UpperByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

}  // namespace

int CompareIgnoringCase(const std::string& a, const std::string& b)
{
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = UpperByte(a[i]);
        const unsigned char y = UpperByte(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool TypeOfBarLess(const TYPE_OF_BAR& a, const TYPE_OF_BAR& b)
{
    if (const int c = CompareIgnoringCase(a.profileCode, b.profileCode); c != 0) {
        return c < 0;
    }
    if (const int c = CompareIgnoringCase(a.material, b.material); c != 0) {
        return c < 0;
    }
    return CompareIgnoringCase(a.color, b.color) < 0;
}
