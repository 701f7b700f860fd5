// A stand-in optimizer library for the bridge tests. The saw thickness picks what it does:
// 0 cuts each order (one per type of bar) from bars of the default length and reports 10
// pieces done, 1 hands back a layout without pieces, 2 waits until it is stopped. It knows
// a lower bound for the first type of bar only.
#include <atomic>
#include <string>
#include <thread>

#include "job/optimizer_abi.h"

namespace {

std::atomic<bool> g_stop{false};
IDelegate<int>* g_progress = nullptr;

struct ORDER_TARGET : IOrderTarget {
    std::string identifier;
    double length = 0;
    int32_t quantity = 0;
    int32_t typeIndex = 0;
    void KX_OPTIMIZER_CALL SetProfileCode(const char*) override {}
    void KX_OPTIMIZER_CALL SetMaterial(const char*) override {}
    void KX_OPTIMIZER_CALL SetColor(const char*) override {}
    void KX_OPTIMIZER_CALL SetIdentifier(const char* text) override { identifier = text; }
    void KX_OPTIMIZER_CALL SetLength(double value) override { length = value; }
    void KX_OPTIMIZER_CALL SetQuantity(int32_t value) override { quantity = value; }
    void KX_OPTIMIZER_CALL SetTypeIndex(int32_t value) override { typeIndex = value; }
};

struct ITEM : IItemToBeCutSource {
    const ORDER_TARGET& order;
    explicit ITEM(const ORDER_TARGET& o) : order(o) {}
    double KX_OPTIMIZER_CALL ItemLength() override { return order.length; }
    int32_t KX_OPTIMIZER_CALL ItemQuantity() override { return order.quantity; }
    // The identifier comes twice; the second count is the one that counts.
    int32_t KX_OPTIMIZER_CALL IdentifierCount() override { return 2; }
    const char* KX_OPTIMIZER_CALL Identifier(int32_t index, int32_t* count, void*) override
    {
        *count = index == 0 ? 999 : order.quantity;
        return order.identifier.c_str();
    }
};

struct LAYOUT : IOptimizedResultSource {
    double barLength = 0;
    double usedLength = 0;
    int32_t barCount = 0;
    int32_t itemCount = 0;
    double KX_OPTIMIZER_CALL BarLength() override { return barLength; }
    double KX_OPTIMIZER_CALL UsedLength() override { return usedLength; }
    int32_t KX_OPTIMIZER_CALL BarCount() override { return barCount; }
    int32_t KX_OPTIMIZER_CALL ItemCount() override { return itemCount; }
    int32_t KX_OPTIMIZER_CALL PiecesOfItem(int32_t) override { return 1; }
};

} // namespace

extern "C" {

KX_OPTIMIZER_EXPORT int32_t KX_OPTIMIZER_CALL SetDelegateProgressStepItDLL(IDelegate<int>* progress)
{
    g_progress = progress;
    g_stop = false;
    return KX_OPTIMIZER_DONE;
}

KX_OPTIMIZER_EXPORT int32_t KX_OPTIMIZER_CALL LaunchOptimizerDLL(IOptimizer* optimizer, double sawThickness)
{
    if (sawThickness == 2) {
        while (!g_stop) {
            std::this_thread::yield();
        }
        return KX_OPTIMIZER_STOPPED;
    }
    for (int32_t i = 0; i < optimizer->OrderCount(); ++i) {
        ORDER_TARGET order;
        optimizer->ReadOrder(i, &order);
        ITEM item(order);
        optimizer->AddItemToBeCut(order.typeIndex, &item);
        LAYOUT layout;
        layout.barLength = optimizer->DefaultLength(order.typeIndex);
        layout.usedLength = order.length;
        layout.barCount = order.quantity;
        layout.itemCount = sawThickness == 1 ? 0 : 1;
        optimizer->AddOptimizedResult(order.typeIndex, &layout);
    }
    if (g_progress != nullptr) {
        g_progress->Invoke(10);
    }
    return KX_OPTIMIZER_DONE;
}

// A bound for the first type of bar only.
KX_OPTIMIZER_EXPORT int32_t KX_OPTIMIZER_CALL LowerBoundDLL(int32_t typeIndex) { return typeIndex == 0 ? 30 : -1; }

#ifndef KX_WITHOUT_STOP
KX_OPTIMIZER_EXPORT int32_t KX_OPTIMIZER_CALL StopOptimizerDLL()
{
    g_stop = true;
    return KX_OPTIMIZER_DONE;
}
#endif
}
