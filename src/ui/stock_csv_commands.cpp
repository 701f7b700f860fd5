#include "ui/stock_csv_commands.h"

#include <cstdio>
#include <optional>
#include <string>

#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/platform.h"
#include "core/program_files.h"
#include "core/settings.h"
#include "core/texts.h"
#include "inventory/inventory_data.h"
#include "inventory/stock_csv.h"

namespace {

// At most this many left-out rows are listed in the question; the count says the rest.
constexpr std::size_t kListedProblems = 20;

FILE_DIALOG CsvDialog()
{
    return FILE_DIALOG{"", LangText(T_CSV_FILES_FILTER), ProgramFolder(), "csv"};
}

std::string ImportSummary(const STOCK_IMPORT& import)
{
    char count[160];
    std::snprintf(count, sizeof count, LangText(T_CSV_STOCK_ENTRIES), static_cast<int>(import.entries.size()));
    std::string text = count;
    if (!import.problems.empty()) {
        text += "\n\n" + std::string(LangText(T_CSV_ROWS_LEFT_OUT)) + " " + std::to_string(import.problems.size());
        for (std::size_t i = 0; i < import.problems.size() && i < kListedProblems; ++i) {
            text += "\n  " + std::to_string(import.problems[i].line) + ": " + import.problems[i].reason;
        }
        if (import.problems.size() > kListedProblems) {
            text += "\n  ...";
        }
    }
    return text;
}

} // namespace

void ExportStockToCsv(const CInventoryData& inventory)
{
    const std::optional<std::string> path = Platform().AskSaveFileName(CsvDialog());
    if (!path) {
        return;
    }
    if (!ReplaceFileAtomically(*path, WriteStockCsv(inventory, LengthUnit, Precision))) {
        KX_RAISE(LangText(T_CSV_FILE_NOT_WRITTEN));
    }
}

bool ImportStockFromCsv(CInventoryData& inventory)
{
    const std::optional<std::string> path = Platform().AskOpenFileName(CsvDialog());
    if (!path) {
        return false;
    }
    const std::optional<std::string> text = ReadWholeFile(*path);
    if (!text) {
        KX_RAISE(LangText(T_CSV_FILE_NOT_OPENED));
    }
    const STOCK_IMPORT import = ReadStockCsv(inventory, *text, LengthUnit);
    if (import.entries.empty()) {
        Platform().ShowMessage(std::string(LangText(T_CSV_NOTHING_TO_ADD)) + "\n\n" + ImportSummary(import),
                               LangText(T_ERROR), MessageIcon::Warning, MessageButtons::Ok);
        return false;
    }
    const std::string question = ImportSummary(import) + "\n\n" + LangText(T_CSV_ADD_QUESTION);
    if (Platform().ShowMessage(question, LangText(T_QUESTION), MessageIcon::Question, MessageButtons::YesNo) !=
        MessageAnswer::Yes) {
        return false;
    }
    ApplyStockImport(inventory, import);
    return true;
}
