#include "job/optimizer_bridge.h"

#include <algorithm>

#include "inventory/type_of_bar.h"
#include "job/global_data.h"

bool OrderLess(const ORDER& a, const ORDER& b)
{
    for (const auto field : {&ORDER::profileCode, &ORDER::material, &ORDER::color}) {
        if (const int c = CompareIgnoringCase(a.*field, b.*field); c != 0) {
            return c < 0;
        }
    }
    if (a.length != b.length) {
        return a.length > b.length;
    }
    if (const int c = CompareIgnoringCase(a.identifier, b.identifier); c != 0) {
        return c < 0;
    }
    return a.quantity < b.quantity;
}

int32_t COptimizerInterface::OrderCount() { return static_cast<int32_t>(m_orders.size()); }

void COptimizerInterface::ReadOrder(int32_t orderIndex, IOrderTarget* target)
{
    if (target == nullptr || orderIndex < 0 || orderIndex >= OrderCount()) {
        return;
    }
    const ORDER& order = m_orders[static_cast<std::size_t>(orderIndex)];
    target->SetProfileCode(order.profileCode.c_str());
    target->SetMaterial(order.material.c_str());
    target->SetColor(order.color.c_str());
    target->SetIdentifier(order.identifier.c_str());
    target->SetLength(order.length);
    target->SetQuantity(order.quantity);
    target->SetTypeIndex(order.typeIndex);
}

void COptimizerInterface::AddItemToBeCut(int32_t typeIndex, IItemToBeCutSource* source)
{
    if (source == nullptr) {
        return;
    }
    try {
        ITEM_TO_BE_CUT item;
        item.length = source->ItemLength();
        item.quantity = source->ItemQuantity();
        for (int32_t i = 0; i < source->IdentifierCount(); ++i) {
            int32_t count = 0;
            unsigned char reserved[8] = {};
            const char* text = source->Identifier(i, &count, reserved);
            item.identifiers[text != nullptr ? text : ""] = count;
        }
        m_plan.AddItem(typeIndex, std::move(item));
    } catch (...) {
        m_incomplete = true; // out of memory: the item is lost, so is the plan
    }
}

void COptimizerInterface::AddOptimizedResult(int32_t typeIndex, IOptimizedResultSource* source)
{
    if (source == nullptr) {
        return;
    }
    try {
        OPTIMIZED_RESULT layout;
        layout.barLength = source->BarLength();
        layout.usedLength = source->UsedLength();
        layout.barCount = source->BarCount();
        for (int32_t i = 0; i < source->ItemCount(); ++i) {
            layout.pieces.push_back(source->PiecesOfItem(i));
        }
        m_plan.AddLayout(typeIndex, std::move(layout));
    } catch (...) {
        m_incomplete = true;
    }
}

void COptimizerInterface::ReadStockBar(int32_t typeIndex, int32_t stockIndex, double* length, int32_t* quantity)
{
    BAR bar;
    const auto stock = m_stocks.find(typeIndex);
    if (stock != m_stocks.end() && stockIndex >= 0 && stockIndex < static_cast<int32_t>(stock->second.bars.size())) {
        bar = stock->second.bars[static_cast<std::size_t>(stockIndex)];
    }
    if (length != nullptr) {
        *length = bar.length;
    }
    if (quantity != nullptr) {
        *quantity = bar.quantity;
    }
}

double COptimizerInterface::DefaultLength(int32_t typeIndex)
{
    const auto stock = m_stocks.find(typeIndex);
    return stock != m_stocks.end() ? stock->second.defaultLength : 0;
}

int32_t COptimizerInterface::StockBarCount(int32_t typeIndex)
{
    const auto stock = m_stocks.find(typeIndex);
    return stock != m_stocks.end() ? static_cast<int32_t>(stock->second.bars.size()) : 0;
}

uint8_t COptimizerInterface::ReuseStubs() { return m_reuseStubs; }

double COptimizerInterface::MinReusedLength(int32_t typeIndex)
{
    if (typeIndex < 0 || typeIndex >= m_inventory.CountTypesOfBars()) {
        return 0;
    }
    return m_inventory.GetTypeOfBar(typeIndex).minReusedLength;
}

double COptimizerInterface::MaxWasteLength(int32_t typeIndex)
{
    if (typeIndex < 0 || typeIndex >= m_inventory.CountTypesOfBars()) {
        return 0;
    }
    return m_inventory.GetTypeOfBar(typeIndex).maxWasteLength;
}

COptimizer::COptimizer(const CGlobalData& data) : COptimizerInterface(data)
{
    for (int i = 0; i < data.CountOrders(); ++i) {
        ORDER order;
        data.GetOrder(i, order);
        const int typeIndex = data.FindTypeOfBar(order.profileCode, order.material, order.color);
        if (typeIndex < 0) {
            continue;
        }
        order.typeIndex = typeIndex;
        m_orders.push_back(std::move(order));
        if (m_stocks.find(typeIndex) == m_stocks.end()) {
            STOCK stock;
            stock.defaultLength = data.GetTypeOfBar(typeIndex).defaultLength;
            data.ReadBarStock(typeIndex, stock.bars);
            m_stocks.emplace(typeIndex, std::move(stock));
        }
    }
    std::sort(m_orders.begin(), m_orders.end(), OrderLess);
}
