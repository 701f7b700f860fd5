#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "inventory/bar.h"
#include "job/cutting_plan.h"
#include "job/optimizer_abi.h"
#include "job/order.h"

class CGlobalData;
class CInventoryData;

// The input of the optimizer for one type of bar.
struct STOCK {
    Length defaultLength = 0;
    std::vector<BAR> bars; // in stock file order
};

// The order in which the optimizer receives the orders: profile code, material and color
// ascending ignoring case, then the longer piece first, then identifier ignoring case,
// then quantity.
bool OrderLess(const ORDER& a, const ORDER& b);

// What the optimizer library reads and fills during a run. Every operation is called by
// the library from inside its run and never lets an exception out: an index outside what
// was reported reads as zeros.
class COptimizerInterface : public IOptimizer {
public:
    explicit COptimizerInterface(const CInventoryData& inventory) : m_inventory(inventory) {}

    int32_t KX_OPTIMIZER_CALL OrderCount() override;
    void KX_OPTIMIZER_CALL ReadOrder(int32_t orderIndex, IOrderTarget* target) override;
    void KX_OPTIMIZER_CALL AddItemToBeCut(int32_t typeIndex, IItemToBeCutSource* source) override;
    void KX_OPTIMIZER_CALL AddOptimizedResult(int32_t typeIndex, IOptimizedResultSource* source) override;
    void KX_OPTIMIZER_CALL ReadStockBar(int32_t typeIndex, int32_t stockIndex, double* length,
                                        int32_t* quantity) override;
    double KX_OPTIMIZER_CALL DefaultLength(int32_t typeIndex) override;
    int32_t KX_OPTIMIZER_CALL StockBarCount(int32_t typeIndex) override;
    uint8_t KX_OPTIMIZER_CALL ReuseStubs() override;
    double KX_OPTIMIZER_CALL MinReusedLength(int32_t typeIndex) override;
    double KX_OPTIMIZER_CALL MaxWasteLength(int32_t typeIndex) override;

    void SetReuseStubs(bool reuse) { m_reuseStubs = reuse ? 1 : 0; }
    CuttingPlan& Plan() { return m_plan; }
    const CuttingPlan& Plan() const { return m_plan; }
    // True when a part of the plan could not be stored.
    bool IsPlanIncomplete() const { return m_incomplete; }

protected:
    const CInventoryData& m_inventory;
    std::vector<ORDER> m_orders;
    CuttingPlan m_plan;
    std::map<std::int32_t, STOCK> m_stocks;
    uint8_t m_reuseStubs = 0;
    bool m_incomplete = false;
};

// The snapshot of the current job: its orders whose type of bar exists, sorted with
// OrderLess, and the stock of each type they use, read once per type.
class COptimizer final : public COptimizerInterface {
public:
    explicit COptimizer(const CGlobalData& data);
};
