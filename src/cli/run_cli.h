#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs one command line (without the program name): 0 on success, 1 when the command
// failed (its message on `err`), 2 for a command line that does not follow the usage.
// `executableFolder` is the default program folder.
int RunCli(const std::vector<std::string>& arguments, const std::string& executableFolder, std::ostream& out,
           std::ostream& err);
