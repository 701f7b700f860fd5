#include <random>
#include <string>
#include <vector>

#include "core/atomic_file.h"
#include "inventory/backup.h"
#include "inventory/category.h"
#include "inventory_fixture.h"

namespace {

using ReaderRobustnessTest = InventoryTest;

// Binary junk, huge tokens and files cut at every length: every reader either reads what it
// can or raises its own message, and never reads outside the file (the sanitizer build
// watches that).
TEST_F(ReaderRobustnessTest, ReadersSurviveJunkAndTruncation)
{
    std::mt19937 random(12345);
    std::vector<std::string> inputs = {std::string(200000, 'A'), std::string(1, '\0'), std::string(3, '\xFF')};
    for (int i = 0; i < 40; ++i) {
        std::string junk(static_cast<std::size_t>(random() % 300), '\0');
        for (char& c : junk) {
            c = static_cast<char>(random() % 256);
        }
        inputs.push_back(junk);
    }
    const std::string bfm = BfmHeader() + "P1\nAl\nWhite\n04718263\n12.5000\n1000.0000\n6000.0000\n300.0000\n50.0000\n";
    for (std::size_t cut = 0; cut <= bfm.size(); ++cut) {
        inputs.push_back(bfm.substr(0, cut));
    }

    for (const std::string& input : inputs) {
        folder.Write("bfm", input);
        RaisedMessage([&] { inventory.LoadTypesOfBars(); });
        folder.Write("colors.dat", input);
        CategorySequence sequence;
        RaisedMessage([&] { LoadCategory(CategoryKind::Color, sequence); });
        ReplaceFileAtomically(folder.File("junk.bkp", "backup"), input);
        CInventoryData empty;
        RaisedMessage([&] { RestoreInventory(empty, folder.File("junk.bkp", "backup")); });
    }

    folder.Write("bfm", bfm);
    inventory.LoadTypesOfBars();
    for (const std::string& input : inputs) {
        folder.Write("04718263", input);
        RaisedMessage([&] { inventory.SelectStock(0); });
    }
}

}  // namespace
