// A job snapshot served through IOptimizer, and a recorder of the plan that
// comes back. It reads the library's sources exactly as the program does.
#ifndef KALOMAX_TESTS_OPTIMIZER_FAKE_OPTIMIZER_H
#define KALOMAX_TESTS_OPTIMIZER_FAKE_OPTIMIZER_H

#include "optimizer_abi.h"

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kalomax::test {

struct FakeOrder {
    std::string identifier = "-|";
    double length = 0;
    int32_t quantity = 0;
    int32_t typeIndex = 0;
    std::string profileCode = "P1", material = "AL", color = "WHITE";
};

struct FakeType {
    double defaultLength = 6000;
    std::vector<std::pair<double, int32_t>> stock; // length, quantity in stock order
    double minReusedLength = 500;
    double maxWasteLength = 100;
};

struct RecordedItem {
    double length = 0;
    int32_t quantity = 0;
    std::map<std::string, int32_t> identifiers;
    bool operator==(const RecordedItem&) const = default;
};

struct RecordedLayout {
    double barLength = 0;
    double usedLength = 0;
    int32_t barCount = 0;
    std::vector<int32_t> pieces;
    bool operator==(const RecordedLayout&) const = default;
};

struct RecordedType {
    std::vector<RecordedItem> items;
    std::vector<RecordedLayout> layouts;
    bool operator==(const RecordedType&) const = default;
};

class FakeOptimizer final : public IOptimizer {
public:
    std::vector<FakeOrder> orders;
    std::map<int32_t, FakeType> types;
    uint8_t reuseStubs = 0;

    std::map<int32_t, RecordedType> plan;
    // Calls the program would not expect: bad indexes, wrong thread, ...
    std::vector<std::string> misuse;

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

    int64_t TotalPieces() const;

private:
    const FakeType& Type(int32_t typeIndex, const char* operation);
    FakeType none_{0, {}, 0, 0};
};

// Records every progress count.
class ProgressRecorder final : public IDelegate<int> {
public:
    void KX_OPTIMIZER_CALL Invoke(int value) override
    {
        std::lock_guard lock(mutex_);
        values_.push_back(value);
    }
    std::vector<int> Values()
    {
        std::lock_guard lock(mutex_);
        return values_;
    }

private:
    std::mutex mutex_;
    std::vector<int> values_;
};

} // namespace kalomax::test

#endif
