#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/atomic_file.h"
#include "core/settings.h"
#include "inventory_fixture.h"

namespace {

// One type of bar, selected, whose stock file starts with `stock`.
class BarStockTest : public InventoryTest {
protected:
    void SetUp() override
    {
        AddType("P1", "Al", "White", "04718263");
        folder.Write("04718263", "");
    }

    void Select(const std::string& stock)
    {
        folder.Write("04718263", stock);
        inventory.SelectStock(0);
    }

    std::string StockFile() const { return folder.Read("04718263"); }

    std::string Entries() const
    {
        std::string text;
        for (int i = 0; i < inventory.CountBars(); ++i) {
            const BAR bar = inventory.GetBar(i);
            text += NumberToText(bar.length, 4) + "x" + std::to_string(bar.quantity) + " ";
        }
        return text;
    }
};

TEST_F(BarStockTest, WritesAndReadsTheStockTextInArrayOrder)
{
    inventory.WriteBarStock(0, {BAR{6000, 3}, BAR{2500.5, 1}});
    EXPECT_EQ(StockFile(), "6000.0000\n3\n2500.5000\n1\n");
    std::vector<BAR> stock;
    inventory.ReadBarStock(0, stock);
    ASSERT_EQ(stock.size(), 2u);
    EXPECT_EQ(stock[0].length, 6000);
    EXPECT_EQ(stock[0].quantity, 3);
    EXPECT_EQ(stock[1].length, 2500.5);
    EXPECT_EQ(stock[1].quantity, 1);

    inventory.WriteBarStock(0, {});
    EXPECT_EQ(StockFile(), "");
    stock.clear();
    inventory.ReadBarStock(0, stock);
    EXPECT_TRUE(stock.empty());
}

TEST_F(BarStockTest, ReadingToleratesOddEntries)
{
    struct CASE {
        const char* file;
        const char* entries;
    };
    const CASE cases[] = {
        {"6000.0000\n3\n2500.0000\n", "6000.0000x3 "},            // quantity missing at the end
        {"6000.0000\n3\n2500.0000\nabc\n1\n", "6000.0000x3 "},    // unreadable quantity ends the stock
        {"6000.0000\n-4\n", "6000.0000x-4 "},
        {"-5\n2\nx\n1\n", "0.0000x2 0.0000x1 "},                 // lengths that are not unsigned numbers
        {"  6000\r\n\t3   ", "6000.0000x3 "},
        {"6000\n99999999999999999999\n", "6000.0000x2147483647 "},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.file);
        Select(c.file);
        EXPECT_EQ(Entries(), c.entries);
    }
}

TEST_F(BarStockTest, AddBarsMergesInsertsSortedAndErasesEmptiedEntries)
{
    Select("2500.0000\n1\n6000.0000\n3\n");
    EXPECT_EQ(inventory.AddBars(BAR{4000, 2}), -2);
    EXPECT_EQ(Entries(), "2500.0000x1 4000.0000x2 6000.0000x3 ");
    EXPECT_EQ(inventory.FindBar(4000), 1);

    EXPECT_EQ(inventory.AddBars(BAR{4000, -2}), 1);
    EXPECT_EQ(Entries(), "2500.0000x1 6000.0000x3 ");

    EXPECT_EQ(inventory.AddBars(BAR{6000, -1}), -1);
    EXPECT_EQ(Entries(), "2500.0000x1 6000.0000x2 ");

    EXPECT_EQ(inventory.AddBars(BAR{5000, -2}), -2);
    EXPECT_EQ(Entries(), "2500.0000x1 5000.0000x-2 6000.0000x2 ");
    EXPECT_EQ(StockFile(), "2500.0000\n1\n5000.0000\n-2\n6000.0000\n2\n");
}

TEST_F(BarStockTest, SameLengthFollowsTheDisplayPrecision)
{
    LengthUnit = 0;
    Precision = 0;
    Select("1000.2000\n1\n");
    EXPECT_EQ(inventory.AddBars(BAR{1000.4, 1}), -1);
    EXPECT_EQ(Entries(), "1000.2000x2 ");

    Precision = 1;
    Select("1000.2000\n1\n");
    EXPECT_EQ(inventory.AddBars(BAR{1000.4, 1}), -2);
    EXPECT_EQ(Entries(), "1000.2000x1 1000.4000x1 ");
}

TEST_F(BarStockTest, AddedLengthIsCutToFourDecimals)
{
    Select("");
    inventory.AddBars(BAR{1234.56789, 1});
    EXPECT_EQ(inventory.GetBar(0).length, 1234.5678);
    EXPECT_EQ(StockFile(), "1234.5678\n1\n");
}

TEST_F(BarStockTest, RefusedAdditionsLeaveStockAndFileAlone)
{
    Select("6000.0000\n3\n");
    folder.Write("04718263", "untouched");
    EXPECT_EQ(inventory.AddBars(BAR{6000, 0}), -1);
    EXPECT_EQ(inventory.AddBars(BAR{0, 5}), -1);
    inventory.ClearStock();
    EXPECT_EQ(inventory.SelectedTypeOfBar(), -1);
    EXPECT_EQ(inventory.AddBars(BAR{6000, 1}), -1);
    EXPECT_EQ(StockFile(), "untouched");
}

TEST_F(BarStockTest, SetBarQuantityKeepsAnEntrySetToZero)
{
    Select("6000.0000\n3\n");
    inventory.SetBarQuantity(0, BAR{6000, 0});
    EXPECT_EQ(Entries(), "6000.0000x0 ");
    EXPECT_EQ(StockFile(), "6000.0000\n0\n");
    // A bar of another length changes nothing.
    inventory.SetBarQuantity(0, BAR{5000, 7});
    EXPECT_EQ(Entries(), "6000.0000x0 ");
}

TEST_F(BarStockTest, RemoveBarErasesAndWrites)
{
    Select("2500.0000\n1\n6000.0000\n3\n");
    inventory.RemoveBar(0);
    EXPECT_EQ(Entries(), "6000.0000x3 ");
    EXPECT_EQ(StockFile(), "6000.0000\n3\n");
}

TEST_F(BarStockTest, IndexErrorsNameTheOperation)
{
    Select("6000.0000\n3\n");
    for (const int index : {-1, 1}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(RaisedMessage([&] { inventory.GetBar(index); }), "Fatal error: invalid index for GetBar()!");
        EXPECT_EQ(RaisedMessage([&] { inventory.SetBarQuantity(index, BAR{6000, 1}); }),
                  "Fatal error: invalid index for GetBar()!");
        EXPECT_EQ(RaisedMessage([&] { inventory.RemoveBar(index); }), "Fatal error: invalid index for GetBar()!");
        std::vector<BAR> stock;
        EXPECT_EQ(RaisedMessage([&] { inventory.ReadBarStock(index, stock); }),
                  "Fatal error: invalid index for ReadBarStock()!");
        EXPECT_EQ(RaisedMessage([&] { inventory.WriteBarStock(index, stock); }),
                  "Fatal error: invalid index for WriteBarStock()!");
    }
    EXPECT_EQ(Entries(), "6000.0000x3 ");
    Language = 1;
    EXPECT_EQ(RaisedMessage([&] { inventory.GetBar(3); }), "Eroare fatala: index invalid pentru GetBar()!");
}

TEST_F(BarStockTest, MissingStockFileLeavesNothingSelected)
{
    Select("6000.0000\n3\n");
    std::filesystem::remove(folder.File("04718263"));
    EXPECT_EQ(RaisedMessage([&] { inventory.SelectStock(0); }), "Stock file could not be opened!");
    EXPECT_EQ(inventory.SelectedTypeOfBar(), -1);
    EXPECT_EQ(inventory.CountBars(), 0);
}

TEST_F(BarStockTest, FailedWriteLeavesThePreviousStockFile)
{
    Select("2500.0000\n1\n6000.0000\n3\n");
    SetWriteFailureForTesting(12);
    const std::string message = RaisedMessage([&] { inventory.AddBars(BAR{4000, 2}); });
    SetWriteFailureForTesting(std::nullopt);
    EXPECT_EQ(message, "Stock file could not be written!");
    EXPECT_EQ(StockFile(), "2500.0000\n1\n6000.0000\n3\n");
    EXPECT_EQ(inventory.CountBars(), 3);  // memory already holds the change
}

TEST_F(BarStockTest, StockFileNameThatLeavesTheFolderIsNeverOpened)
{
    // A hand-edited bar manager file naming a stock file outside the program folder.
    folder.Write("bfm", BfmHeader() + "P9\nAl\nWhite\n../outside\n0\n0\n0\n0\n0\n");
    inventory.LoadTypesOfBars();
    std::vector<BAR> stock;
    EXPECT_EQ(RaisedMessage([&] { inventory.ReadBarStock(0, stock); }), "Stock file could not be opened!");
    EXPECT_EQ(RaisedMessage([&] { inventory.WriteBarStock(0, {BAR{1, 1}}); }), "Stock file could not be written!");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(folder.Path()).parent_path() / "outside"));
}

TEST_F(BarStockTest, CreateStockFileMakesDistinctEmptyFiles)
{
    std::set<std::string> names;
    for (int i = 0; i < 20; ++i) {
        const std::string name = CInventoryData::CreateStockFile();
        EXPECT_EQ(name.size(), 8u);
        EXPECT_EQ(name.find_first_not_of("0123456789"), std::string::npos);
        EXPECT_TRUE(folder.Exists(name));
        EXPECT_EQ(folder.Read(name), "");
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 20u);
}

}  // namespace
