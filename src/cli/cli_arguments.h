#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A command line that does not follow the usage; the front end prints it and exits with 2.
class CUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options before the command, each overriding the stored setting for this run only.
struct CLI_SETTINGS {
    std::optional<std::string> dataFolder;
    std::optional<int> unit;
    std::optional<int> precision;
    std::optional<std::string> sawThickness;
    std::optional<std::string> currency;
    std::optional<int> language;
};

struct CLI_ARGUMENTS {
    CLI_SETTINGS settings;
    std::string command;
    std::vector<std::string> rest;  // the command's own arguments, in order
};

CLI_ARGUMENTS ParseCliArguments(const std::vector<std::string>& arguments);

// A whole decimal number within [low, high]; otherwise a usage error naming the option.
int ParseIntOption(const std::string& option, const std::string& text, int low, int high);

extern const char* const kCliUsage;
