#include "cli/run_cli.h"

#include "cli/cli_arguments.h"
#include "cli/cli_platform.h"
#include "cli/import_command.h"
#include "cli/inventory_commands.h"
#include "cli/optimize_command.h"
#include "cli/convert_command.h"
#include "cli/ini_settings_store.h"
#include "core/exception.h"
#include "core/language.h"
#include "core/program_files.h"
#include "core/settings.h"

namespace {

// The stored settings first, then the options of the command line for this run only.
void ApplySettings(const CLI_SETTINGS& options)
{
    LoadStartupSettings();
    if (options.unit) {
        LengthUnit = *options.unit;
    }
    if (options.precision) {
        Precision = *options.precision;
    }
    if (options.sawThickness) {
        SawThickness = TextToLength(*options.sawThickness, LengthUnit);
    }
    if (options.currency) {
        Currency = options.currency->substr(0, kCurrencyMaxLength);
    }
    if (options.language) {
        Language = static_cast<std::uint32_t>(*options.language);
    }
}

int RunCommand(const CLI_ARGUMENTS& parsed, std::ostream& out, std::ostream& err)
{
    CCliPlatform platform(err);
    if (parsed.command == "convert") {
        return RunConvertCommand(parsed.rest, out);
    }
    if (parsed.command == "optimize") {
        return RunOptimizeCommand(parsed.rest, platform, out);
    }
    if (parsed.command == "import-orders") {
        return RunImportOrdersCommand(parsed.rest, platform, out, err);
    }
    if (parsed.command == "inventory-report") {
        return RunInventoryReportCommand(parsed.rest, out);
    }
    if (parsed.command == "backup") {
        return RunBackupCommand(parsed.rest, out);
    }
    if (parsed.command == "restore") {
        return RunRestoreCommand(parsed.rest, out);
    }
    throw CUsageError("unknown command " + parsed.command);
}

// Installs the stored settings for one run and removes them when it ends.
class CSettingsScope {
public:
    explicit CSettingsScope(const std::string& path) : m_store(path) { SetSettingsStore(&m_store); }
    ~CSettingsScope() { SetSettingsStore(nullptr); }
    CSettingsScope(const CSettingsScope&) = delete;
    CSettingsScope& operator=(const CSettingsScope&) = delete;

private:
    CIniSettingsStore m_store;
};

}  // namespace

int RunCli(const std::vector<std::string>& arguments, const std::string& executableFolder, std::ostream& out,
           std::ostream& err)
{
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << kCliUsage;
        return 0;
    }
    try {
        const CLI_ARGUMENTS parsed = ParseCliArguments(arguments);
        SetProgramFolder(parsed.settings.dataFolder.value_or(executableFolder));
        const CSettingsScope settings(CIniSettingsStore::DefaultPath());
        ApplySettings(parsed.settings);
        return RunCommand(parsed, out, err);
    } catch (const CUsageError& error) {
        err << "kalomax-cli: " << error.what() << '\n' << kCliUsage;
        return 2;
    } catch (const CException& error) {
        err << error.message << '\n';
        return 1;
    } catch (const std::exception&) {
        err << kUnknownErrorText << '\n';
        return 1;
    }
}
