#pragma once

#include <ostream>
#include <string>
#include <vector>

// convert --to-text MM... [--report-form] | --to-mm TEXT...
// Writes one line per argument in the unit and precision in effect.
int RunConvertCommand(const std::vector<std::string>& arguments, std::ostream& out);
