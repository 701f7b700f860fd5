#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/run_cli.h"

int main(int argc, char** argv)
{
    std::error_code ignored;
    std::filesystem::path executable = std::filesystem::canonical("/proc/self/exe", ignored);
    if (executable.empty()) {
        executable = std::filesystem::absolute(argv[0], ignored);
    }
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunCli(arguments, executable.parent_path().string(), std::cout, std::cerr);
}
