#include "report/html_text.h"

std::string HtmlEscape(std::string_view text, bool lineBreaks)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        case '\r':
        case '\n':
            if (!lineBreaks) {
                out += c;
                break;
            }
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += "<br>";
            break;
        default: out += c; break;
        }
    }
    return out;
}
