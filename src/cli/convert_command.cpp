#include "cli/convert_command.h"

#include <charconv>

#include "cli/cli_arguments.h"
#include "core/length.h"
#include "core/settings.h"

namespace {

double ParseMillimetres(const std::string& text)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || last != end) {
        throw CUsageError("not a number of millimetres: '" + text + "'");
    }
    return value;
}

}  // namespace

// The shortest text that reads back as exactly the same number.
std::string ShortestText(double value)
{
    char buffer[64];
    const auto [last, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, last) : std::string("0");
}

int RunConvertCommand(const std::vector<std::string>& arguments, std::ostream& out)
{
    if (arguments.empty() || (arguments[0] != "--to-text" && arguments[0] != "--to-mm")) {
        throw CUsageError("convert needs --to-text MM... or --to-mm TEXT...");
    }
    const bool toText = arguments[0] == "--to-text";
    std::vector<std::string> values;
    bool reportForm = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (toText && arguments[i] == "--report-form") {
            reportForm = true;
        } else {
            values.push_back(arguments[i]);
        }
    }
    if (values.empty()) {
        throw CUsageError("convert " + arguments[0] + " needs at least one value");
    }
    std::string lines;
    for (const std::string& value : values) {
        if (toText) {
            lines += LengthToText(ParseMillimetres(value), LengthUnit, Precision, reportForm);
        } else {
            lines += ShortestText(TextToLength(value, LengthUnit));
        }
        lines += '\n';
    }
    out << lines;
    return 0;
}
