#include "job_fixture.h"

ORDER MakeOrder(const std::string& profileCode, Length length, int quantity, const std::string& identifier,
                const std::string& material, const std::string& color)
{
    ORDER order;
    order.profileCode = profileCode;
    order.material = material;
    order.color = color;
    order.length = length;
    order.identifier = identifier;
    order.quantity = quantity;
    return order;
}

void JobTest::AddType(const std::string& profileCode, const std::vector<BAR>& stock, Length minReusedLength,
                      const std::string& material, const std::string& color)
{
    TYPE_OF_BAR type;
    type.profileCode = profileCode;
    type.material = material;
    type.color = color;
    type.stockFile = CInventoryData::CreateStockFile();
    type.price = 12.5;
    type.priceLength = 1000;
    type.minReusedLength = minReusedLength;
    type.maxWasteLength = 50;
    type.defaultLength = 6000;
    data.InsertTypeOfBar(type);
    data.WriteBarStock(TypeIndex(profileCode), stock);
}

int JobTest::TypeIndex(const std::string& profileCode) const { return data.FindTypeOfBar(profileCode, "AL", "WHITE"); }

std::vector<BAR> JobTest::Stock(const std::string& profileCode) const
{
    std::vector<BAR> stock;
    data.ReadBarStock(TypeIndex(profileCode), stock);
    return stock;
}
