#include "fake_optimizer.h"

#include <algorithm>
#include <cstring>

namespace kalomax::test {

int32_t FakeOptimizer::OrderCount()
{
    return static_cast<int32_t>(orders.size());
}

void FakeOptimizer::ReadOrder(int32_t orderIndex, IOrderTarget* target)
{
    if (orderIndex < 0 || static_cast<size_t>(orderIndex) >= orders.size()) {
        misuse.push_back("ReadOrder index " + std::to_string(orderIndex));
        return;
    }
    const FakeOrder& order = orders[orderIndex];
    // Texts live only during the call, as in the program.
    std::string profileCode = order.profileCode, material = order.material, color = order.color,
                identifier = order.identifier;
    target->SetProfileCode(profileCode.c_str());
    target->SetMaterial(material.c_str());
    target->SetColor(color.c_str());
    target->SetIdentifier(identifier.c_str());
    std::memset(identifier.data(), '#', identifier.size());
    target->SetLength(order.length);
    target->SetQuantity(order.quantity);
    target->SetTypeIndex(order.typeIndex);
}

void FakeOptimizer::AddItemToBeCut(int32_t typeIndex, IItemToBeCutSource* source)
{
    RecordedItem item;
    item.length = source->ItemLength();
    item.quantity = source->ItemQuantity();
    for (int32_t i = 0; i < source->IdentifierCount(); ++i) {
        int32_t count = -12345;
        unsigned char area[8] = {};
        const char* text = source->Identifier(i, &count, area);
        item.identifiers[text ? text : "(null)"] = count;
    }
    plan[typeIndex].items.push_back(std::move(item));
}

void FakeOptimizer::AddOptimizedResult(int32_t typeIndex, IOptimizedResultSource* source)
{
    RecordedLayout layout;
    layout.barLength = source->BarLength();
    layout.usedLength = source->UsedLength();
    layout.barCount = source->BarCount();
    for (int32_t i = 0; i < source->ItemCount(); ++i)
        layout.pieces.push_back(source->PiecesOfItem(i));
    plan[typeIndex].layouts.push_back(std::move(layout));
}

const FakeType& FakeOptimizer::Type(int32_t typeIndex, const char* operation)
{
    bool ordered = std::any_of(orders.begin(), orders.end(),
                               [&](const FakeOrder& o) { return o.typeIndex == typeIndex; });
    if (!ordered)
        misuse.push_back(std::string(operation) + " for a type no order uses");
    auto it = types.find(typeIndex);
    return it == types.end() ? none_ : it->second;
}

void FakeOptimizer::ReadStockBar(int32_t typeIndex, int32_t stockIndex, double* length, int32_t* quantity)
{
    const FakeType& type = Type(typeIndex, "ReadStockBar");
    if (stockIndex < 0 || static_cast<size_t>(stockIndex) >= type.stock.size()) {
        misuse.push_back("ReadStockBar index " + std::to_string(stockIndex));
        return;
    }
    *length = type.stock[stockIndex].first;
    *quantity = type.stock[stockIndex].second;
}

double FakeOptimizer::DefaultLength(int32_t typeIndex)
{
    return Type(typeIndex, "DefaultLength").defaultLength;
}

int32_t FakeOptimizer::StockBarCount(int32_t typeIndex)
{
    return static_cast<int32_t>(Type(typeIndex, "StockBarCount").stock.size());
}

uint8_t FakeOptimizer::ReuseStubs()
{
    return reuseStubs;
}

double FakeOptimizer::MinReusedLength(int32_t typeIndex)
{
    return Type(typeIndex, "MinReusedLength").minReusedLength;
}

double FakeOptimizer::MaxWasteLength(int32_t typeIndex)
{
    return Type(typeIndex, "MaxWasteLength").maxWasteLength;
}

int64_t FakeOptimizer::TotalPieces() const
{
    int64_t total = 0;
    for (const FakeOrder& order : orders)
        total += order.quantity;
    return total;
}

} // namespace kalomax::test
