#pragma once

#include <ostream>
#include <string>
#include <vector>

class CCliPlatform;

// import-orders CSV JOB.odr: adds the good rows of a spreadsheet to the job file (created
// when missing) and lists every row it left out on the error stream.
int RunImportOrdersCommand(const std::vector<std::string>& arguments, CCliPlatform& platform, std::ostream& out,
                           std::ostream& err);
