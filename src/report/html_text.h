#pragma once

#include <string>
#include <string_view>

// Text typed by the user, made safe to place in an HTML page: & < > " ' become
// entities and, when lineBreaks is set, each line break (CR LF, LF or CR) becomes <br>.
std::string HtmlEscape(std::string_view text, bool lineBreaks = false);
