// The library and the program are built apart, so the slot of every
// operation is part of the contract.
#include "optimizer_abi.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <type_traits>

namespace {

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
// Itanium C++ ABI: a pointer to a virtual member function holds
// 1 + the byte offset of its slot in the virtual table.
template <typename MemberFunction>
std::ptrdiff_t Slot(MemberFunction function)
{
    struct Raw {
        std::uintptr_t pointer;
        std::ptrdiff_t adjustment;
    } raw;
    static_assert(sizeof(function) == sizeof(raw));
    std::memcpy(&raw, &function, sizeof raw);
    return static_cast<std::ptrdiff_t>((raw.pointer - 1) / sizeof(void*));
}

TEST(OptimizerAbi, OptimizerOperationsKeepTheirSlots)
{
    EXPECT_EQ(Slot(&IOptimizer::OrderCount), 0);
    EXPECT_EQ(Slot(&IOptimizer::ReadOrder), 1);
    EXPECT_EQ(Slot(&IOptimizer::AddItemToBeCut), 2);
    EXPECT_EQ(Slot(&IOptimizer::AddOptimizedResult), 3);
    EXPECT_EQ(Slot(&IOptimizer::ReadStockBar), 4);
    EXPECT_EQ(Slot(&IOptimizer::DefaultLength), 5);
    EXPECT_EQ(Slot(&IOptimizer::StockBarCount), 6);
    EXPECT_EQ(Slot(&IOptimizer::ReuseStubs), 7);
    EXPECT_EQ(Slot(&IOptimizer::MinReusedLength), 8);
    EXPECT_EQ(Slot(&IOptimizer::MaxWasteLength), 9);
}

TEST(OptimizerAbi, LibrarySideInterfacesKeepTheirSlots)
{
    EXPECT_EQ(Slot(&IOrderTarget::SetProfileCode), 0);
    EXPECT_EQ(Slot(&IOrderTarget::SetMaterial), 1);
    EXPECT_EQ(Slot(&IOrderTarget::SetColor), 2);
    EXPECT_EQ(Slot(&IOrderTarget::SetIdentifier), 3);
    EXPECT_EQ(Slot(&IOrderTarget::SetLength), 4);
    EXPECT_EQ(Slot(&IOrderTarget::SetQuantity), 5);
    EXPECT_EQ(Slot(&IOrderTarget::SetTypeIndex), 6);

    EXPECT_EQ(Slot(&IItemToBeCutSource::ItemLength), 0);
    EXPECT_EQ(Slot(&IItemToBeCutSource::ItemQuantity), 1);
    EXPECT_EQ(Slot(&IItemToBeCutSource::IdentifierCount), 2);
    EXPECT_EQ(Slot(&IItemToBeCutSource::Identifier), 3);

    EXPECT_EQ(Slot(&IOptimizedResultSource::BarLength), 0);
    EXPECT_EQ(Slot(&IOptimizedResultSource::UsedLength), 1);
    EXPECT_EQ(Slot(&IOptimizedResultSource::BarCount), 2);
    EXPECT_EQ(Slot(&IOptimizedResultSource::ItemCount), 3);
    EXPECT_EQ(Slot(&IOptimizedResultSource::PiecesOfItem), 4);

    EXPECT_EQ(Slot(&IDelegate<int>::Invoke), 0);
}
#endif

TEST(OptimizerAbi, InterfacesHoldNothingButTheTablePointer)
{
    EXPECT_EQ(sizeof(IOptimizer), sizeof(void*));
    EXPECT_EQ(sizeof(IOrderTarget), sizeof(void*));
    EXPECT_EQ(sizeof(IItemToBeCutSource), sizeof(void*));
    EXPECT_EQ(sizeof(IOptimizedResultSource), sizeof(void*));
    EXPECT_EQ(sizeof(IDelegate<int>), sizeof(void*));
    EXPECT_TRUE(std::is_abstract_v<IOptimizer>);
    EXPECT_FALSE(std::has_virtual_destructor_v<IOptimizer>);
    static_assert(std::is_same_v<decltype(&LaunchOptimizerDLL), LaunchOptimizerDLLFunc>);
    static_assert(std::is_same_v<decltype(&StopOptimizerDLL), StopOptimizerDLLFunc>);
    static_assert(std::is_same_v<decltype(&SetDelegateProgressStepItDLL), SetDelegateProgressStepItDLLFunc>);
}

} // namespace
