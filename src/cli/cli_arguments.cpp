#include "cli/cli_arguments.h"

#include <charconv>

const char* const kCliUsage =
    "usage: kalomax-cli [--data DIR] [--unit N] [--precision N] [--saw TEXT] [--currency TEXT]\n"
    "                   [--language 0|1] COMMAND\n"
    "  optimize JOB.odr [--report FILE] [--sections LIST] [--reuse-stubs] [--update-inventory]\n"
    "                   [--plan-json FILE] [--time-limit SECONDS]\n"
    "  import-orders CSV JOB.odr\n"
    "  inventory-report FILE [--sections LIST]\n"
    "  backup FILE\n"
    "  restore FILE\n"
    "  convert (--to-text MM... [--report-form] | --to-mm TEXT...)\n"
    "sections: job-info,settings,statistics,layouts,costs,bars-to-buy,diagrams (optimize),\n"
    "          stock-info,stock-details,total-cost,bars-to-buy (inventory-report), all or none\n";

int ParseIntOption(const std::string& option, const std::string& text, int low, int high)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || last != end || value < low || value > high) {
        throw CUsageError(option + " takes a whole number from " + std::to_string(low) + " to " +
                          std::to_string(high) + ", not '" + text + "'");
    }
    return value;
}

CLI_ARGUMENTS ParseCliArguments(const std::vector<std::string>& arguments)
{
    CLI_ARGUMENTS parsed;
    std::size_t i = 0;
    auto value = [&](const std::string& option) -> std::string {
        if (i + 1 >= arguments.size()) {
            throw CUsageError(option + " needs a value");
        }
        return arguments[++i];
    };
    for (; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--data") {
            parsed.settings.dataFolder = value(argument);
        } else if (argument == "--unit") {
            parsed.settings.unit = ParseIntOption(argument, value(argument), 0, 21);
        } else if (argument == "--precision") {
            parsed.settings.precision = ParseIntOption(argument, value(argument), 0, 4);
        } else if (argument == "--saw") {
            parsed.settings.sawThickness = value(argument);
        } else if (argument == "--currency") {
            parsed.settings.currency = value(argument);
        } else if (argument == "--language") {
            parsed.settings.language = ParseIntOption(argument, value(argument), 0, 1);
        } else if (argument.rfind("--", 0) == 0) {
            throw CUsageError("unknown option " + argument);
        } else {
            parsed.command = argument;
            parsed.rest.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1, arguments.end());
            return parsed;
        }
    }
    throw CUsageError("no command given");
}
