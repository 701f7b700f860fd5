#pragma once

#include <ostream>
#include <string>
#include <vector>

class CCliPlatform;

// optimize JOB.odr [--report FILE] [--sections LIST] [--reuse-stubs] [--update-inventory]
//                  [--plan-json FILE] [--time-limit SECONDS]
// Runs the job through the optimizer library beside the program and prints a summary per
// type of bar.
int RunOptimizeCommand(const std::vector<std::string>& arguments, CCliPlatform& platform, std::ostream& out);
