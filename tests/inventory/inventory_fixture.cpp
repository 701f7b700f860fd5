#include "inventory_fixture.h"

TYPE_OF_BAR MakeType(const std::string& profileCode, const std::string& material, const std::string& color,
                     const std::string& stockFile)
{
    TYPE_OF_BAR type;
    type.profileCode = profileCode;
    type.material = material;
    type.color = color;
    type.stockFile = stockFile;
    type.price = 12.5;
    type.priceLength = 1000;
    type.minReusedLength = 300;
    type.maxWasteLength = 50;
    type.defaultLength = 6000;
    return type;
}

std::string BfmHeader(unsigned version)
{
    std::string header("\x22\x63\x58\x14", 4);
    for (int i = 0; i < 4; ++i) {
        header += static_cast<char>((version >> (8 * i)) & 0xFF);
    }
    return header;
}

void InventoryTest::AddType(const std::string& profileCode, const std::string& material, const std::string& color,
                            const std::string& stockFile)
{
    folder.Write(stockFile, "");
    inventory.InsertTypeOfBar(MakeType(profileCode, material, color, stockFile));
}
