#include "cli/import_command.h"

#include <filesystem>
#include <optional>

#include "cli/cli_arguments.h"
#include "cli/cli_platform.h"
#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/settings.h"
#include "core/texts.h"
#include "job/global_data.h"
#include "job/order_csv.h"

int RunImportOrdersCommand(const std::vector<std::string>& arguments, CCliPlatform& platform, std::ostream& out,
                           std::ostream& err)
{
    if (arguments.size() != 2) {
        throw CUsageError("import-orders takes a CSV file and a job file");
    }
    const std::string& csvPath = arguments[0];
    const std::string& jobPath = arguments[1];
    CGlobalData data;
    data.LoadTypesOfBars();
    std::error_code ignored;
    if (std::filesystem::exists(jobPath, ignored)) {
        platform.nextPath = jobPath;
        data.OpenJob();
    }
    const std::optional<std::string> text = ReadWholeFile(csvPath);
    if (!text) {
        KX_RAISE(LangText(T_CSV_FILE_NOT_OPENED));
    }
    const ORDER_IMPORT import = ReadOrdersCsv(data, *text, LengthUnit);
    for (const CSV_ROW_PROBLEM& problem : import.problems) {
        err << csvPath << ":" << problem.line << ": " << problem.reason << '\n';
    }
    ApplyOrderImport(data, import);
    platform.nextPath = jobPath;
    data.SaveJob();
    out << "Imported " << import.orders.size() << " orders, left out " << import.problems.size() << " rows.\n";
    return 0;
}
