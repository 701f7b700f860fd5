#include <filesystem>
#include <string>

#include "core/atomic_file.h"
#include "inventory/category.h"
#include "inventory_fixture.h"

namespace {

using CategoryTest = InventoryTest;

std::string Joined(const CategorySequence& items)
{
    std::string text;
    for (const std::string& item : items) {
        text += item + "|";
    }
    return text;
}

TEST_F(CategoryTest, KindsUseTheirFiles)
{
    EXPECT_EQ(static_cast<int>(CategoryKind::ProfileCode), 147);
    EXPECT_EQ(static_cast<int>(CategoryKind::Material), 259);
    EXPECT_EQ(static_cast<int>(CategoryKind::Color), 320);
    EXPECT_EQ(CategoryFileName(CategoryKind::ProfileCode), "pcodes.dat");
    EXPECT_EQ(CategoryFileName(CategoryKind::Material), "maters.dat");
    EXPECT_EQ(CategoryFileName(CategoryKind::Color), "colors.dat");
}

TEST_F(CategoryTest, SaveWritesTheSortedSetWithCrLf)
{
    SaveCategory(CategoryKind::Color, CategorySet{"red", "Red", "Blue", "Re"});
    EXPECT_EQ(folder.Read("colors.dat"), "Blue\r\nRe\r\nRed\r\nred\r\n");
    SaveCategory(CategoryKind::Color, CategorySet{});
    EXPECT_EQ(folder.Read("colors.dat"), "");
}

TEST_F(CategoryTest, LoadReadsTokensIntoBothShapes)
{
    // Hand-edited: an item with a space, a duplicate, tabs and bare LFs.
    folder.Write("maters.dat", "Red oak\r\nSteel\tSteel\nAl");
    CategorySet set;
    LoadCategory(CategoryKind::Material, set);
    EXPECT_EQ(set, (CategorySet{"Al", "Red", "Steel", "oak"}));
    CategorySequence sequence{"stale"};
    LoadCategory(CategoryKind::Material, sequence);
    EXPECT_EQ(Joined(sequence), "Red|oak|Steel|Steel|Al|");

    SaveCategory(CategoryKind::Material, set);
    EXPECT_EQ(folder.Read("maters.dat"), "Al\r\nRed\r\nSteel\r\noak\r\n");
}

TEST_F(CategoryTest, ItemsOfAnyLengthLoad)
{
    const std::string longItem(100000, 'x');
    folder.Write("colors.dat", longItem + "\r\nRed\r\n");
    CategorySequence sequence;
    LoadCategory(CategoryKind::Color, sequence);
    ASSERT_EQ(sequence.size(), 2u);
    EXPECT_EQ(sequence[0], longItem);
}

TEST_F(CategoryTest, AtMost2000Items)
{
    std::string file;
    for (int i = 0; i < 2000; ++i) {
        file += "i" + std::to_string(i) + "\r\n";
    }
    folder.Write("pcodes.dat", file);
    CategorySet set;
    EXPECT_EQ(RaisedMessage([&] { LoadCategory(CategoryKind::ProfileCode, set); }), "");
    EXPECT_EQ(set.size(), 2000u);

    folder.Write("pcodes.dat", file + "i2000\r\ni2001\r\n");
    CategorySequence sequence;
    EXPECT_EQ(RaisedMessage([&] { LoadCategory(CategoryKind::ProfileCode, sequence); }),
              "There are too many items in a category!");
    EXPECT_EQ(sequence.size(), 2001u);  // what was read is kept
}

TEST_F(CategoryTest, MissingFileFailsToLoad)
{
    CategorySet set;
    EXPECT_EQ(RaisedMessage([&] { LoadCategory(CategoryKind::Color, set); }), "Category file could not be opened!");
    Language = 1;
    EXPECT_EQ(RaisedMessage([&] { LoadCategory(CategoryKind::Color, set); }),
              "Fisierul categorie nu a putut fi deschis!");
}

TEST_F(CategoryTest, AddTurnsSpacesIntoUnderscoresAndRefusesDuplicates)
{
    CategorySet set;
    EXPECT_TRUE(AddCategoryItem(CategoryKind::Color, set, "Red oak"));
    EXPECT_TRUE(AddCategoryItem(CategoryKind::Color, set, "   "));
    EXPECT_TRUE(AddCategoryItem(CategoryKind::Color, set, "red"));
    EXPECT_FALSE(AddCategoryItem(CategoryKind::Color, set, ""));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(folder.Read("colors.dat"), "Red_oak\r\n___\r\nred\r\n");

    EXPECT_FALSE(AddCategoryItem(CategoryKind::Color, set, "Red oak"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "The added item already exists in the list!");
    EXPECT_EQ(platform.messages[0].caption, "Application error");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(set.size(), 3u);
}

TEST_F(CategoryTest, RemoveRefusesItemsUsedByATypeOfBar)
{
    inventory.InsertTypeOfBar(MakeType("P1", "Al", "Red"));
    CategorySet set{"Red", "red"};
    SaveCategory(CategoryKind::Color, set);
    EXPECT_EQ(RaisedMessage([&] { RemoveCategoryItem(CategoryKind::Color, set, "Red", inventory); }),
              "Cannot remove an item that is a part of a type of bar!");
    EXPECT_EQ(set.size(), 2u);
    EXPECT_FALSE(RemoveCategoryItem(CategoryKind::Color, set, "Blue", inventory));
    EXPECT_TRUE(RemoveCategoryItem(CategoryKind::Color, set, "red", inventory));
    EXPECT_EQ(folder.Read("colors.dat"), "Red\r\n");
}

TEST_F(CategoryTest, FailedWriteLeavesThePreviousFile)
{
    CategorySet set{"Blue", "Red"};
    SaveCategory(CategoryKind::Color, set);
    SetWriteFailureForTesting(5);
    const std::string message = RaisedMessage([&] { AddCategoryItem(CategoryKind::Color, set, "Green"); });
    SetWriteFailureForTesting(std::nullopt);
    EXPECT_EQ(message, "Category file could not be written!");
    EXPECT_EQ(set.size(), 3u);
    EXPECT_EQ(folder.Read("colors.dat"), "Blue\r\nRed\r\n");
}

}  // namespace
