// The plan the optimizer library hands back: a fuzzed sequence of AddItemToBeCut and
// AddOptimizedResult calls. A plan that fails the check is refused; a plan that passes it
// goes through everything that consumes plans: statistics and costs, bars to buy,
// identifier rows, the job report and the inventory update.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/exception.h"
#include "fuzz_folder.h"
#include "job/bars_to_buy.h"
#include "job/global_data.h"
#include "job/identifier_rows.h"
#include "job/inventory_update.h"
#include "job/optimizer_bridge.h"
#include "job/plan_statistics.h"
#include "report/job_report.h"

namespace {

constexpr int kTypeCount = 3;

constexpr char kBfmBytes[] =
    "\x22\x63\x58\x14\x7b\x00\x00\x00"
    "P1\nAl\nWhite\n10000001\n12.5000\n1000.0000\n6000.0000\n300.0000\n50.0000\n"
    "P2\nAl\nWhite\n10000002\n8.0000\n6000.0000\n6500.0000\n0.0000\n10.0000\n"
    "P3\nSteel\nBlack\n10000003\n99.9900\n1.0000\n0.0000\n1000.0000\n0.0000\n";
const std::string_view kBfm(kBfmBytes, sizeof kBfmBytes - 1);

double Length(FuzzedDataProvider& input)
{
    // Mostly plain millimetres, so layouts meet stock lengths; now and then any double.
    switch (input.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return input.ConsumeFloatingPoint<double>();
    case 1:
        return input.PickValueInArray({0.0, 300.0, 6000.0, 6500.0, 1000.0});
    default:
        return input.ConsumeIntegralInRange<int>(0, 7000) / 2.0;
    }
}

std::int32_t Count(FuzzedDataProvider& input)
{
    return input.ConsumeBool() ? input.ConsumeIntegralInRange<std::int32_t>(-1, 20)
                               : input.ConsumeIntegral<std::int32_t>();
}

class CFuzzedItem : public IItemToBeCutSource {
public:
    explicit CFuzzedItem(FuzzedDataProvider& input)
        : m_length(Length(input)), m_quantity(Count(input))
    {
        const int count = input.ConsumeIntegralInRange<int>(0, 6);
        for (int i = 0; i < count; ++i) {
            m_texts.push_back(input.ConsumeRandomLengthString(12));
            m_counts.push_back(Count(input));
        }
        m_nullText = input.ConsumeIntegralInRange<int>(0, 15) == 0;
    }
    double KX_OPTIMIZER_CALL ItemLength() override { return m_length; }
    int32_t KX_OPTIMIZER_CALL ItemQuantity() override { return m_quantity; }
    int32_t KX_OPTIMIZER_CALL IdentifierCount() override { return static_cast<int32_t>(m_texts.size()); }
    const char* KX_OPTIMIZER_CALL Identifier(int32_t index, int32_t* count, void* reserved) override
    {
        static_cast<unsigned char*>(reserved)[7] = 0xAB;
        if (index < 0 || index >= IdentifierCount()) {
            __builtin_trap(); // the program asked for an identifier it was not told about
        }
        *count = m_counts[static_cast<std::size_t>(index)];
        return m_nullText ? nullptr : m_texts[static_cast<std::size_t>(index)].c_str();
    }

private:
    double m_length;
    std::int32_t m_quantity;
    std::vector<std::string> m_texts;
    std::vector<std::int32_t> m_counts;
    bool m_nullText;
};

class CFuzzedLayout : public IOptimizedResultSource {
public:
    explicit CFuzzedLayout(FuzzedDataProvider& input)
        : m_barLength(Length(input)), m_usedLength(Length(input)), m_barCount(Count(input))
    {
        const int count = input.ConsumeIntegralInRange<int>(0, 6);
        for (int i = 0; i < count; ++i) {
            m_pieces.push_back(Count(input));
        }
    }
    double KX_OPTIMIZER_CALL BarLength() override { return m_barLength; }
    double KX_OPTIMIZER_CALL UsedLength() override { return m_usedLength; }
    int32_t KX_OPTIMIZER_CALL BarCount() override { return m_barCount; }
    int32_t KX_OPTIMIZER_CALL ItemCount() override { return static_cast<int32_t>(m_pieces.size()); }
    int32_t KX_OPTIMIZER_CALL PiecesOfItem(int32_t index) override
    {
        if (index < 0 || index >= ItemCount()) {
            __builtin_trap();
        }
        return m_pieces[static_cast<std::size_t>(index)];
    }

private:
    double m_barLength;
    double m_usedLength;
    std::int32_t m_barCount;
    std::vector<std::int32_t> m_pieces;
};

void ConsumePlan(const CuttingPlan& plan, const CGlobalData& data)
{
    for (const TOB_RESULT& result : plan.Sequence()) {
        const TYPE_OF_BAR type = data.GetTypeOfBar(result.typeIndex);
        const LayoutStatistics statistics = ComputeLayoutStatistics(type, result.items, result.layouts);
        ComputeTypeCosts(type, statistics);
        std::vector<ITEM_TO_BE_CUT> working = result.items;
        for (const OPTIMIZED_RESULT& layout : result.layouts) {
            AssignIdentifiers(layout, working, type);
        }
    }
    ComputePlanTotals(data, plan);
    BarsToBuy(data, plan);
    JOB_REPORT_FLAGS flags;
    flags.jobInfo = flags.settings = flags.statistics = flags.cutLayouts = flags.totalCosts = flags.barsBought = true;
    BuildJobReport(data, flags, plan);
    UpdateInventory(data, plan);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzFile("bfm", kBfm);
    WriteFuzzFile("10000001", "6000.0000\n4\n300.0000\n2\n");
    WriteFuzzFile("10000002", "6500.0000\n-3\n");
    WriteFuzzFile("10000003", "");
    CGlobalData global;
    global.LoadTypesOfBars();

    FuzzedDataProvider input(data, size);
    COptimizerInterface optimizer(global);
    while (input.remaining_bytes() > 0) {
        const bool item = input.ConsumeBool();
        const std::int32_t typeIndex = input.ConsumeIntegralInRange<int>(0, 7) == 0
                                           ? input.ConsumeIntegral<std::int32_t>()
                                           : input.ConsumeIntegralInRange<std::int32_t>(0, kTypeCount - 1);
        if (item) {
            CFuzzedItem source(input);
            optimizer.AddItemToBeCut(typeIndex, &source);
        } else {
            CFuzzedLayout source(input);
            optimizer.AddOptimizedResult(typeIndex, &source);
        }
    }
    try {
        optimizer.Plan().Validate(global.CountTypesOfBars());
    } catch (const CException&) {
        return 0; // refused, as the program refuses it
    }
    try {
        ConsumePlan(optimizer.Plan(), global);
    } catch (const CException&) {
    }
    return 0;
}
