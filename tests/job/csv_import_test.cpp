#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/language.h"
#include "inventory/stock_csv.h"
#include "job/order_csv.h"
#include "job_fixture.h"

namespace {

class CsvImportTest : public JobTest {
protected:
    void SetUp() override
    {
        AddType("P1", {{6000, 2}});
        AddType("P_2", {});
    }
    std::string ProblemsText(const std::vector<CSV_ROW_PROBLEM>& problems)
    {
        std::string text;
        for (const CSV_ROW_PROBLEM& problem : problems) {
            text += std::to_string(problem.line) + ": " + problem.reason + "\n";
        }
        return text;
    }
};

TEST_F(CsvImportTest, OrdersFromAnyColumnOrderAndEitherLanguage)
{
    const std::string text = "\xEF\xBB\xBF" "Cantitate;Lungime;Culoare;Material;Cod profil;Identificator\r\n"
                             "3;2500;WHITE;AL;P1;A1\r\n"
                             "1;1250,5;WHITE;AL;P 2;\r\n"         // comma is no decimal point: unreadable
                             "2;\"1250.5\";WHITE;AL;P 2;door left\r\n"
                             "0;100;WHITE;AL;P1;Z\r\n"
                             "-1;100;WHITE;AL;P1;Z\r\n"
                             "1;100;BLACK;AL;P1;Z\r\n"
                             "1;100;WHITE\r\n"
                             "x;100;WHITE;AL;P1;Z\r\n";
    const ORDER_IMPORT import = ReadOrdersCsv(data, text, 0);
    EXPECT_EQ(ProblemsText(import.problems), "3: unreadable length\n"
                                             "5: zero quantity\n"
                                             "6: unreadable quantity\n"
                                             "7: unknown type of bar\n"
                                             "8: missing fields\n"
                                             "9: unreadable quantity\n");
    ASSERT_EQ(import.orders.size(), 2u);
    EXPECT_EQ(import.lines, (std::vector<int>{2, 4}));
    EXPECT_EQ(import.orders[1].profileCode, "P_2");
    EXPECT_EQ(import.orders[1].identifier, "door_left");
    EXPECT_EQ(import.orders[1].length, 1250.5);

    ApplyOrderImport(data, import);
    EXPECT_EQ(data.CountOrders(), 2);
    EXPECT_EQ(data.CountPieces(), 5);
    EXPECT_FALSE(data.IsJobSaved());
}

TEST_F(CsvImportTest, MissingColumnsRefuseTheWholeFile)
{
    for (const std::string text : {"", "Profile code,Material,Color,Length\nP1,AL,WHITE,100\n"}) {
        EXPECT_EQ(RaisedMessage([&] { ReadOrdersCsv(data, text, 0); }), "The file does not name all the needed columns!");
    }
    Language = 1;
    EXPECT_EQ(RaisedMessage([&] { ReadStockCsv(data, "a,b", 0); }), "Fisierul nu contine toate coloanele necesare!");
    Language = 0;
    // The identifier column may be left out.
    EXPECT_EQ(ReadOrdersCsv(data, "profile code,material,color,length,quantity\nP1,AL,WHITE,100,1\n", 0).orders.size(),
              1u);
}

TEST_F(CsvImportTest, ExportedOrdersReadBackInTheUnitOfTheSettings)
{
    for (ORDER order : {MakeOrder("P1", 2500.25, 3, "A,1"), MakeOrder("P_2", 5276.85, 1, "")}) {
        data.AddOrder(order);
    }
    for (const int unit : {0, 5, 14}) {
        const std::string text = WriteOrdersCsv(data, unit, 4);
        const ORDER_IMPORT import = ReadOrdersCsv(data, text, unit);
        ASSERT_EQ(import.orders.size(), 2u) << text;
        EXPECT_EQ(import.orders[0].identifier, "A,1");
        EXPECT_EQ(import.orders[1].identifier, "");
        EXPECT_NEAR(import.orders[1].length, 5276.85, unit == 14 ? 0.8 : 0.01) << text;
    }
    EXPECT_EQ(WriteOrdersCsv(data, 0, 1), "Profile code,Material,Color,Identifier,Length,Quantity\r\n"
                                          "P1,AL,WHITE,\"A,1\",2500.2,3\r\n"
                                          "P_2,AL,WHITE,,5276.8,1\r\n");
}

TEST_F(CsvImportTest, ThousandsOfRows)
{
    std::string text = "profile code,material,color,identifier,length,quantity\n";
    for (int i = 0; i < 10000; ++i) {
        text += "P1,AL,WHITE,R" + std::to_string(i) + "," + std::to_string(100 + i % 900) + "," +
                (i % 1000 == 999 ? "0" : "2") + "\n";
    }
    const ORDER_IMPORT import = ReadOrdersCsv(data, text, 0);
    EXPECT_EQ(import.orders.size(), 9990u);
    EXPECT_EQ(import.problems.size(), 10u);
    ApplyOrderImport(data, import);
    EXPECT_EQ(data.CountOrders(), 9990);
}

TEST_F(CsvImportTest, StockRowsGoThroughAddBars)
{
    const STOCK_IMPORT import = ReadStockCsv(data,
                                             "Color,Material,Profile code,Length,Quantity\n"
                                             "WHITE,AL,P1,6000,-1\n"
                                             "WHITE,AL,P1,3000,4\n"
                                             "WHITE,AL,P_2,1000,2\n"
                                             "WHITE,AL,P1,3000,0\n",
                                             0);
    EXPECT_EQ(ProblemsText(import.problems), "5: zero quantity\n");
    data.SelectStock(TypeIndex("P_2"));
    ApplyStockImport(data, import);
    EXPECT_EQ(data.SelectedTypeOfBar(), TypeIndex("P_2"));
    EXPECT_EQ(data.CountBars(), 1);
    const std::vector<BAR> stock = Stock("P1");
    ASSERT_EQ(stock.size(), 2u);
    EXPECT_EQ(stock[0].length, 3000);
    EXPECT_EQ(stock[0].quantity, 4);
    EXPECT_EQ(stock[1].quantity, 1);
    EXPECT_EQ(WriteStockCsv(data, 0, 0), "Profile code,Material,Color,Length,Quantity\r\n"
                                         "P1,AL,WHITE,3000,4\r\n"
                                         "P1,AL,WHITE,6000,1\r\n"
                                         "P_2,AL,WHITE,1000,2\r\n");
}

} // namespace
