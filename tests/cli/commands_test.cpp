#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/plan_json.h"
#include "cli/run_cli.h"
#include "core/language.h"
#include "inventory/inventory_data.h"
#include "support/temp_program_folder.h"

namespace {

namespace fs = std::filesystem;

// A program folder holding the shipped sample inventory and job, and the optimizer library.
class CliCommands : public testing::Test {
protected:
    void SetUp() override
    {
        fs::copy(SAMPLE_DATA_DIR, folder.Path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::copy_file(DEMO_OPTIMIZER_LIBRARY, folder.File("demo.so"));
        folder.Write("Kalo.conf", "");
        setenv("KALOMAX_SETTINGS_FILE", folder.File("Kalo.conf").c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("KALOMAX_SETTINGS_FILE");
        Language = 0;
    }

    int Run(std::vector<std::string> arguments)
    {
        out.str("");
        err.str("");
        arguments.insert(arguments.begin(), {"--data", folder.Path()});
        return RunCli(arguments, "/nonexistent", out, err);
    }

    std::vector<BAR> SampleStock(const std::string& profileCode)
    {
        CInventoryData inventory;
        inventory.LoadTypesOfBars();
        for (int i = 0; i < inventory.CountTypesOfBars(); ++i) {
            if (inventory.GetTypeOfBar(i).profileCode == profileCode) {
                std::vector<BAR> stock;
                inventory.ReadBarStock(i, stock);
                return stock;
            }
        }
        return {};
    }

    CTempProgramFolder folder;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CliCommands, OptimizeWritesReportPlanAndUpdatesTheStock)
{
    const std::string job = folder.File("sample.odr", "orders");
    ASSERT_EQ(Run({"optimize", job, "--report", folder.File("r.html"), "--sections", "layouts,costs",
                   "--plan-json", folder.File("plan.json"), "--time-limit", "2", "--update-inventory"}),
              0)
        << err.str();
    EXPECT_NE(out.str().find("AL-40x40 AL NATUR\n  bars: 6000 mm x "), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Inventory was updated.\n"), std::string::npos);
    EXPECT_NE(folder.Read("r.html").find("<html"), std::string::npos);
    const std::string json = folder.Read("plan.json");
    EXPECT_EQ(json.rfind("{\"types\":[{\"typeIndex\":0,\"profileCode\":\"AL-40x40\"", 0), 0u) << json;
    EXPECT_NE(json.find("\"seconds\":"), std::string::npos);
    int fullBars = 0;
    for (const BAR& bar : SampleStock("PVC-70")) {
        fullBars += bar.length == 6500 ? bar.quantity : 0;
    }
    EXPECT_LT(fullBars, 4); // the sample starts with 6500 x 4
}

TEST_F(CliCommands, ErrorsAndUsage)
{
    struct CASE {
        std::vector<std::string> arguments;
        int exitCode;
        const char* message;
    };
    fs::remove(folder.File("demo.so"));
    const std::string job = folder.File("sample.odr", "orders");
    const CASE cases[] = {
        {{"optimize", job}, 1, "Cannot optimize!\n"},
        {{"optimize", folder.File("none.odr", "orders")}, 1, "Job file could not be opened!\n"},
        {{"optimize"}, 2, "kalomax-cli: optimize needs a job file\n"},
        {{"optimize", job, "--sections", "layouts,colours"}, 2, "kalomax-cli: unknown report section 'colours'\n"},
        {{"optimize", job, "--time-limit", "0"}, 2,
         "kalomax-cli: --time-limit takes a positive number of seconds, not '0'\n"},
        {{"restore", folder.File("none.bak")}, 1, "Cannot restore inventory!\n"},
        {{"backup"}, 2, "kalomax-cli: backup takes one file\n"},
        {{"inventory-report"}, 2, "kalomax-cli: inventory-report needs a file\n"},
    };
    for (const CASE& c : cases) {
        EXPECT_EQ(Run(c.arguments), c.exitCode) << c.arguments[0];
        EXPECT_EQ(err.str().substr(0, std::string(c.message).size()), c.message);
    }
}

TEST_F(CliCommands, BackupRestoreAndInventoryReport)
{
    const std::string backup = folder.File("inventory.bak");
    ASSERT_EQ(Run({"backup", backup}), 0) << err.str();
    const std::string bfm = folder.Read("bfm");
    folder.Write("bfm", "damaged");
    ASSERT_EQ(Run({"restore", backup}), 0) << err.str();
    EXPECT_EQ(folder.Read("bfm"), bfm);
    ASSERT_EQ(Run({"inventory-report", folder.File("inv.html"), "--sections", "none"}), 0) << err.str();
    EXPECT_TRUE(folder.Exists("inv.html"));
}

TEST_F(CliCommands, ImportOrdersCreatesOrExtendsAJobFile)
{
    folder.Write("cut.csv", "Profile code;Material;Color;Length;Quantity\n"
                            "AL-40x40;AL;NATUR;1000;2\n"
                            "NOPE;AL;NATUR;1000;2\n");
    const std::string job = folder.File("new.odr", "orders");
    ASSERT_EQ(Run({"import-orders", folder.File("cut.csv"), job}), 0) << err.str();
    EXPECT_EQ(out.str(), "Imported 1 orders, left out 1 rows.\n");
    EXPECT_EQ(err.str(), folder.File("cut.csv") + ":3: unknown type of bar\n");
    EXPECT_EQ(folder.Read("orders/new.odr").substr(576), "AL-40x40\nAL\nNATUR\n-|\n1000.0000\n2\n");
    ASSERT_EQ(Run({"import-orders", folder.File("cut.csv"), job}), 0) << err.str();
    EXPECT_EQ(folder.Read("orders/new.odr").size(), 576u + 2 * 33u);
    EXPECT_EQ(Run({"import-orders", folder.File("none.csv"), job}), 1);
    EXPECT_EQ(err.str(), "The file could not be opened!\n");
}

TEST(PlanJson, ExactTextWithEscapedTexts)
{
    CTempProgramFolder folder;
    CInventoryData inventory;
    inventory.SaveTypesOfBars();
    TYPE_OF_BAR type;
    type.profileCode = "P\"1";
    type.material = "A\\L";
    type.color = "W";
    type.stockFile = "00000001";
    type.priceLength = 1000;
    inventory.InsertTypeOfBar(type);
    CuttingPlan plan;
    plan.AddItem(0, ITEM_TO_BE_CUT{1250.5, 3, {{"-|", 1}, {"A\n", 2}}});
    plan.AddLayout(0, OPTIMIZED_RESULT{6000, 3754.5, 1, {3}});
    EXPECT_EQ(PlanToJson(inventory, plan, 0.25),
              "{\"types\":[{\"typeIndex\":0,\"profileCode\":\"P\\\"1\",\"material\":\"A\\\\L\",\"color\":\"W\","
              "\"items\":[{\"length\":1250.5,\"quantity\":3,\"identifiers\":{\"-|\":1,\"A\\u000a\":2}}],"
              "\"layouts\":[{\"barLength\":6000,\"usedLength\":3754.5,\"barCount\":1,\"pieces\":[3]}]}],"
              "\"seconds\":0.25}\n");
}

} // namespace
