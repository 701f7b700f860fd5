#pragma once

#include <ostream>
#include <string>
#include <vector>

// convert --to-text MM... [--report-form] | --to-mm TEXT...
// Writes one line per argument in the unit and precision in effect.
int RunConvertCommand(const std::vector<std::string>& arguments, std::ostream& out);

// The shortest text that reads back as exactly the same number.
std::string ShortestText(double value);
