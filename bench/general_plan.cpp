#include "general_plan.h"

#include <algorithm>
#include <cstdio>

namespace kalomax::bench {

namespace {

// The slack the library allows on the sums of lengths.
constexpr double kFitSlack = 1e-7;

std::string Millimetres(double length)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", length);
    return text;
}

} // namespace

bool CheckPlan(const GeneralJob& job, bool reuseStubs, const RecordingJob& plan, PlanFigures& figures,
               std::string& error)
{
    figures = {};
    if (plan.misuse) {
        error = "the library called the job with bad arguments";
        return false;
    }
    if (plan.items != job.items) {
        error = "the delivered items differ from the orders (" + std::to_string(plan.items.size()) + " items, " +
                std::to_string(job.items.size()) + " ordered lengths)";
        return false;
    }
    const std::vector<BarSupply> bars = UsableBars(job, reuseStubs);
    std::vector<int64_t> barsCut(bars.size(), 0);
    std::vector<int64_t> cut(job.items.size(), 0);
    for (size_t l = 0; l < plan.layouts.size(); ++l) {
        const RecordingJob::Layout& layout = plan.layouts[l];
        const std::string where = "layout " + std::to_string(l) + ": ";
        auto bar = std::find_if(bars.begin(), bars.end(), [&](const BarSupply& b) { return b.length == layout.barLength; });
        if (bar == bars.end()) {
            error = where + "bar length " + Millimetres(layout.barLength) + " may not be cut";
            return false;
        }
        if (layout.barCount <= 0 || layout.pieces.size() != job.items.size()) {
            error = where + "bad bar count or item count";
            return false;
        }
        double length = 0;
        int64_t pieces = 0;
        for (size_t i = 0; i < layout.pieces.size(); ++i) {
            if (layout.pieces[i] < 0) {
                error = where + "negative pieces";
                return false;
            }
            length += layout.pieces[i] * job.items[i].first;
            pieces += layout.pieces[i];
            cut[i] += static_cast<int64_t>(layout.pieces[i]) * layout.barCount;
        }
        if (pieces == 0) {
            error = where + "an empty bar";
            return false;
        }
        if (length + static_cast<double>(pieces - 1) * job.sawThickness > layout.barLength + kFitSlack) {
            error = where + "the pieces and saw cuts are longer than the bar";
            return false;
        }
        const size_t index = static_cast<size_t>(bar - bars.begin());
        barsCut[index] += layout.barCount;
        figures.bars += layout.barCount;
        figures.consumed += layout.barLength * layout.barCount;
        figures.columns.push_back({index, layout.pieces});
    }
    for (size_t j = 0; j < bars.size(); ++j)
        if (bars[j].available >= 0 && barsCut[j] > bars[j].available) {
            error = std::to_string(barsCut[j]) + " bars of " + Millimetres(bars[j].length) + " cut, " +
                    std::to_string(bars[j].available) + " in stock";
            return false;
        }
    for (size_t i = 0; i < cut.size(); ++i)
        if (cut[i] != job.items[i].second) {
            error = "length " + Millimetres(job.items[i].first) + " cut " + std::to_string(cut[i]) +
                    " times instead of " + std::to_string(job.items[i].second);
            return false;
        }
    return true;
}

PlanFigures FirstFitDecreasing(const GeneralJob& job, bool reuseStubs)
{
    std::vector<BarSupply> bars = UsableBars(job, reuseStubs);
    struct OpenBar {
        double length, used; // used: pieces plus a saw cut after each
    };
    std::vector<OpenBar> open;
    PlanFigures figures;
    for (const auto& [length, quantity] : job.items)
        for (int32_t q = 0; q < quantity; ++q) {
            auto fits = [&](const OpenBar& bar) { return bar.used + length <= bar.length + kFitSlack; };
            auto first = std::find_if(open.begin(), open.end(), fits);
            if (first != open.end()) {
                first->used += length + job.sawThickness;
                continue;
            }
            // Ascending lengths: the first that holds the piece and is left.
            auto shortest = std::find_if(bars.begin(), bars.end(), [&](const BarSupply& b) {
                return b.available != 0 && length <= b.length + kFitSlack;
            });
            if (shortest == bars.end())
                continue; // longer than every bar: never generated
            if (shortest->available > 0)
                --shortest->available;
            open.push_back({shortest->length, length + job.sawThickness});
            ++figures.bars;
            figures.consumed += shortest->length;
        }
    return figures;
}

} // namespace kalomax::bench
