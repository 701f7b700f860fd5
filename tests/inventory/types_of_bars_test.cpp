#include <string>
#include <vector>

#include "core/atomic_file.h"
#include "inventory_fixture.h"

namespace {

const std::string kP1RecordV2 = "P1\nAl\nWhite\n04718263\n12.5000\n1000.0000\n6000.0000\n300.0000\n50.0000\n";
const std::string kP1RecordV1 = "P1\nAl\nWhite\n04718263\n12.5000\n1000.0000\n300.0000\n6000.0000\n";

using TypesOfBarsTest = InventoryTest;

std::vector<std::string> Identities(const CInventoryData& inventory)
{
    std::vector<std::string> identities;
    for (int i = 0; i < inventory.CountTypesOfBars(); ++i) {
        const TYPE_OF_BAR type = inventory.GetTypeOfBar(i);
        identities.push_back(type.profileCode + "/" + type.material + "/" + type.color);
    }
    return identities;
}

TEST_F(TypesOfBarsTest, SavesTheVersion2RecordByteForByte)
{
    inventory.InsertTypeOfBar(MakeType("P1", "Al", "White", "04718263"));
    EXPECT_EQ(folder.Read("bfm"), BfmHeader(123) + kP1RecordV2);
}

TEST_F(TypesOfBarsTest, LoadsVersion1AndSavesItAsVersion2)
{
    folder.Write("bfm", kP1RecordV1);
    inventory.LoadTypesOfBars();
    ASSERT_EQ(inventory.CountTypesOfBars(), 1);
    const TYPE_OF_BAR type = inventory.GetTypeOfBar(0);
    EXPECT_EQ(type.stockFile, "04718263");
    EXPECT_EQ(type.price, 12.5);
    EXPECT_EQ(type.priceLength, 1000);
    EXPECT_EQ(type.minReusedLength, 300);
    EXPECT_EQ(type.defaultLength, 6000);
    EXPECT_EQ(type.maxWasteLength, 0);

    inventory.SaveTypesOfBars();
    EXPECT_EQ(folder.Read("bfm"), BfmHeader(123) + "P1\nAl\nWhite\n04718263\n12.5000\n1000.0000\n6000.0000\n300.0000\n0.0000\n");
}

TEST_F(TypesOfBarsTest, AcceptsVersionsFrom120)
{
    struct CASE {
        unsigned version;
        bool loads;
    };
    for (const CASE& c : {CASE{119, false}, CASE{0, false}, CASE{120, true}, CASE{123, true}, CASE{1000, true}}) {
        SCOPED_TRACE(c.version);
        folder.Write("bfm", BfmHeader(c.version) + kP1RecordV2);
        const std::string message = RaisedMessage([&] { inventory.LoadTypesOfBars(); });
        if (c.loads) {
            EXPECT_EQ(message, "");
            EXPECT_EQ(inventory.CountTypesOfBars(), 1);
        } else {
            EXPECT_EQ(message, "Bar manager file could not be opened!");
        }
    }
}

TEST_F(TypesOfBarsTest, MissingOrHeaderlessFileFailsToLoad)
{
    EXPECT_EQ(RaisedMessage([&] { inventory.LoadTypesOfBars(); }), "Bar manager file could not be opened!");
    // The magic number with a version cut short.
    folder.Write("bfm", BfmHeader().substr(0, 6));
    EXPECT_EQ(RaisedMessage([&] { inventory.LoadTypesOfBars(); }), "Bar manager file could not be opened!");
    Language = 1;
    EXPECT_EQ(RaisedMessage([&] { inventory.LoadTypesOfBars(); }),
              "Fisierul de gestionare a barelor nu poate fi deschis!");
}

TEST_F(TypesOfBarsTest, EmptyListIsAnEightByteFile)
{
    inventory.SaveTypesOfBars();
    EXPECT_EQ(folder.Read("bfm"), BfmHeader());
    folder.Write("bfm", BfmHeader() + kP1RecordV2);
    inventory.LoadTypesOfBars();
    folder.Write("bfm", BfmHeader());
    inventory.LoadTypesOfBars();
    EXPECT_EQ(inventory.CountTypesOfBars(), 0);
}

TEST_F(TypesOfBarsTest, NumbersAreTruncatedOnSaveAndReadBackExactly)
{
    TYPE_OF_BAR type = MakeType("P1", "Al", "White", "04718263");
    type.price = 0.33339;
    type.priceLength = 2.99999;
    type.defaultLength = 1.5;
    inventory.InsertTypeOfBar(type);
    EXPECT_EQ(folder.Read("bfm"),
              BfmHeader() + "P1\nAl\nWhite\n04718263\n0.3333\n2.9999\n1.5000\n300.0000\n50.0000\n");
    CInventoryData reloaded;
    reloaded.LoadTypesOfBars();
    EXPECT_EQ(reloaded.GetTypeOfBar(0).defaultLength, 1.5);
    EXPECT_EQ(reloaded.GetTypeOfBar(0).price, TextToNumber("0.3333"));
}

TEST_F(TypesOfBarsTest, RecordCutShortAtTheEndIsDropped)
{
    folder.Write("bfm", BfmHeader() + kP1RecordV2 + "P2\nAl\nWhite\n0471");
    inventory.LoadTypesOfBars();
    EXPECT_EQ(Identities(inventory), std::vector<std::string>{"P1/Al/White"});

    folder.Write("bfm", kP1RecordV1 + "P2\nAl\n");
    inventory.LoadTypesOfBars();
    EXPECT_EQ(Identities(inventory), std::vector<std::string>{"P1/Al/White"});
}

TEST_F(TypesOfBarsTest, InsertKeepsCaseInsensitiveOrder)
{
    inventory.InsertTypeOfBar(MakeType("B", "x", "x"));
    inventory.InsertTypeOfBar(MakeType("a", "x", "x"));
    inventory.InsertTypeOfBar(MakeType("A", "y", "x"));
    EXPECT_EQ(Identities(inventory), (std::vector<std::string>{"a/x/x", "A/y/x", "B/x/x"}));

    CInventoryData reloaded;
    reloaded.LoadTypesOfBars();
    EXPECT_EQ(Identities(reloaded), Identities(inventory));
}

TEST_F(TypesOfBarsTest, OrderComparesUnsignedBytesAndShorterFirst)
{
    // '_' (0x5F) sorts after the upper-cased letters, a byte above 0x7F after everything.
    EXPECT_TRUE(TypeOfBarLess(MakeType("z", "x", "x"), MakeType("_", "x", "x")));
    EXPECT_TRUE(TypeOfBarLess(MakeType("_", "x", "x"), MakeType("\xC3", "x", "x")));
    EXPECT_TRUE(TypeOfBarLess(MakeType("P", "x", "x"), MakeType("p1", "x", "x")));
    EXPECT_FALSE(TypeOfBarLess(MakeType("p1", "AL", "x"), MakeType("P1", "al", "X")));
    EXPECT_FALSE(TypeOfBarLess(MakeType("P1", "al", "X"), MakeType("p1", "AL", "x")));
}

TEST_F(TypesOfBarsTest, DuplicateIgnoringCaseIsRefusedAndExactCaseIsFound)
{
    inventory.InsertTypeOfBar(MakeType("P1", "Al", "White", "04718263"));
    const std::string before = folder.Read("bfm");
    EXPECT_EQ(RaisedMessage([&] { inventory.InsertTypeOfBar(MakeType("p1", "al", "white", "11111111")); }),
              "The inserted type of bar already exists in the database!");
    EXPECT_EQ(inventory.CountTypesOfBars(), 1);
    EXPECT_EQ(folder.Read("bfm"), before);

    EXPECT_EQ(inventory.FindTypeOfBar("P1", "Al", "White"), 0);
    EXPECT_EQ(inventory.FindTypeOfBar("p1", "al", "white"), -1);
    EXPECT_EQ(inventory.FindTypeOfBar("P2", "Al", "White"), -1);
}

TEST_F(TypesOfBarsTest, UpdateChangesOnlyTheNumbers)
{
    inventory.InsertTypeOfBar(MakeType("P1", "Al", "White", "04718263"));
    TYPE_OF_BAR update = MakeType("Other", "Steel", "Red", "99999999");
    update.price = 7;
    update.priceLength = 500;
    update.minReusedLength = 200;
    update.maxWasteLength = 20;
    update.defaultLength = 3000;
    inventory.UpdateTypeOfBar(0, update);

    const TYPE_OF_BAR stored = inventory.GetTypeOfBar(0);
    EXPECT_EQ(stored.profileCode + stored.material + stored.color + stored.stockFile, "P1AlWhite04718263");
    EXPECT_EQ(stored.price, 7);
    EXPECT_EQ(stored.priceLength, 500);
    EXPECT_EQ(stored.minReusedLength, 200);
    EXPECT_EQ(stored.maxWasteLength, 20);
    EXPECT_EQ(stored.defaultLength, 3000);
    EXPECT_EQ(folder.Read("bfm"), BfmHeader() + "P1\nAl\nWhite\n04718263\n7.0000\n500.0000\n3000.0000\n200.0000\n20.0000\n");
}

TEST_F(TypesOfBarsTest, RemoveShiftsTheFollowingTypes)
{
    for (const char* code : {"A", "B", "C"}) {
        inventory.InsertTypeOfBar(MakeType(code, "x", "x"));
    }
    inventory.RemoveTypeOfBar(1);
    EXPECT_EQ(Identities(inventory), (std::vector<std::string>{"A/x/x", "C/x/x"}));
    CInventoryData reloaded;
    reloaded.LoadTypesOfBars();
    EXPECT_EQ(Identities(reloaded), Identities(inventory));
}

TEST_F(TypesOfBarsTest, IndexOutsideTheListIsAFatalIndexError)
{
    inventory.InsertTypeOfBar(MakeType("P1", "Al", "White"));
    for (const int index : {-1, 1}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(RaisedMessage([&] { inventory.GetTypeOfBar(index); }),
                  "Fatal error: invalid index for GetTypeOfBar()!");
        EXPECT_EQ(RaisedMessage([&] { inventory.UpdateTypeOfBar(index, MakeType("a", "b", "c")); }),
                  "Fatal error: invalid index for UpdateTypeOfBar()!");
        EXPECT_EQ(RaisedMessage([&] { inventory.RemoveTypeOfBar(index); }),
                  "Fatal error: invalid index for RemoveTypeOfBar()!");
    }
    EXPECT_EQ(inventory.CountTypesOfBars(), 1);
    Language = 1;
    EXPECT_EQ(RaisedMessage([&] { inventory.GetTypeOfBar(5); }),
              "Eroare fatala: index invalid pentru GetTypeOfBar()!");
}

TEST_F(TypesOfBarsTest, IsUsedByTypeOfBarMatchesTheFieldOfTheKindExactly)
{
    inventory.InsertTypeOfBar(MakeType("P1", "Al", "Red"));
    EXPECT_TRUE(inventory.IsUsedByTypeOfBar(CategoryKind::ProfileCode, "P1"));
    EXPECT_TRUE(inventory.IsUsedByTypeOfBar(CategoryKind::Material, "Al"));
    EXPECT_TRUE(inventory.IsUsedByTypeOfBar(CategoryKind::Color, "Red"));
    EXPECT_FALSE(inventory.IsUsedByTypeOfBar(CategoryKind::Color, "red"));
    EXPECT_FALSE(inventory.IsUsedByTypeOfBar(CategoryKind::Material, "P1"));
    EXPECT_FALSE(inventory.IsUsedByTypeOfBar(static_cast<CategoryKind>(148), "P1"));
}

TEST_F(TypesOfBarsTest, FailedWriteLeavesThePreviousFileLoadable)
{
    inventory.InsertTypeOfBar(MakeType("P1", "Al", "White", "04718263"));
    const std::string before = folder.Read("bfm");
    SetWriteFailureForTesting(20);
    const std::string message = RaisedMessage([&] { inventory.InsertTypeOfBar(MakeType("P2", "Al", "White")); });
    SetWriteFailureForTesting(std::nullopt);
    EXPECT_EQ(message, "Bar manager file could not be written!");
    EXPECT_EQ(inventory.CountTypesOfBars(), 2);  // the list in memory holds the change
    EXPECT_EQ(folder.Read("bfm"), before);
    CInventoryData reloaded;
    reloaded.LoadTypesOfBars();
    EXPECT_EQ(Identities(reloaded), std::vector<std::string>{"P1/Al/White"});
}

TEST_F(TypesOfBarsTest, InsertIntoAnUnsortedFileKeepsTheListSorted)
{
    folder.Write("bfm", BfmHeader() + "C\nx\nx\n1\n0\n0\n0\n0\n0\n" + "A\nx\nx\n2\n0\n0\n0\n0\n0\n");
    inventory.LoadTypesOfBars();
    EXPECT_EQ(Identities(inventory), (std::vector<std::string>{"C/x/x", "A/x/x"}));  // file order
    EXPECT_EQ(RaisedMessage([&] { inventory.InsertTypeOfBar(MakeType("a", "X", "X")); }),
              "The inserted type of bar already exists in the database!");
    inventory.InsertTypeOfBar(MakeType("B", "x", "x"));
    EXPECT_EQ(Identities(inventory), (std::vector<std::string>{"A/x/x", "B/x/x", "C/x/x"}));
}

}  // namespace
