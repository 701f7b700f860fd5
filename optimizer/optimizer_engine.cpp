#include "optimizer_engine.h"

#include "plan_score.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace kalomax::optimizer {
namespace {

class OrderTarget final : public IOrderTarget {
public:
    explicit OrderTarget(JobOrder& order) : order_(order) {}
    void KX_OPTIMIZER_CALL SetProfileCode(const char* text) override { order_.profileCode = Text(text); }
    void KX_OPTIMIZER_CALL SetMaterial(const char* text) override { order_.material = Text(text); }
    void KX_OPTIMIZER_CALL SetColor(const char* text) override { order_.color = Text(text); }
    void KX_OPTIMIZER_CALL SetIdentifier(const char* text) override { order_.identifier = Text(text); }
    void KX_OPTIMIZER_CALL SetLength(double length) override { order_.length = length; }
    void KX_OPTIMIZER_CALL SetQuantity(int32_t quantity) override { order_.quantity = quantity; }
    void KX_OPTIMIZER_CALL SetTypeIndex(int32_t typeIndex) override { order_.typeIndex = typeIndex; }

private:
    static std::string Text(const char* text) { return text ? std::string(text) : std::string(); }
    JobOrder& order_;
};

class ItemSource final : public IItemToBeCutSource {
public:
    explicit ItemSource(const JobItem& item)
        : item_(item), identifiers_(item.identifiers.begin(), item.identifiers.end())
    {
    }
    double KX_OPTIMIZER_CALL ItemLength() override { return item_.length; }
    int32_t KX_OPTIMIZER_CALL ItemQuantity() override { return item_.quantity; }
    int32_t KX_OPTIMIZER_CALL IdentifierCount() override
    {
        return static_cast<int32_t>(identifiers_.size());
    }
    const char* KX_OPTIMIZER_CALL Identifier(int32_t index, int32_t* count, void*) override
    {
        if (index < 0 || static_cast<size_t>(index) >= identifiers_.size()) {
            if (count)
                *count = 0;
            return "";
        }
        if (count)
            *count = identifiers_[index].second;
        return identifiers_[index].first.c_str();
    }

private:
    const JobItem& item_;
    std::vector<std::pair<std::string, int32_t>> identifiers_;
};

class ResultSource final : public IOptimizedResultSource {
public:
    ResultSource(double barLength, double usedLength, int32_t barCount, std::vector<int32_t> pieces)
        : barLength_(barLength), usedLength_(usedLength), barCount_(barCount), pieces_(std::move(pieces))
    {
    }
    double KX_OPTIMIZER_CALL BarLength() override { return barLength_; }
    double KX_OPTIMIZER_CALL UsedLength() override { return usedLength_; }
    int32_t KX_OPTIMIZER_CALL BarCount() override { return barCount_; }
    int32_t KX_OPTIMIZER_CALL ItemCount() override { return static_cast<int32_t>(pieces_.size()); }
    int32_t KX_OPTIMIZER_CALL PiecesOfItem(int32_t index) override
    {
        if (index < 0 || static_cast<size_t>(index) >= pieces_.size())
            return 0;
        return pieces_[index];
    }

private:
    double barLength_, usedLength_;
    int32_t barCount_;
    std::vector<int32_t> pieces_;
};

int32_t ClampToInt32(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                     std::numeric_limits<int32_t>::max()));
}

bool IsUsableLength(double length)
{
    return std::isfinite(length) && length > 0;
}

// Sends a non-decreasing count between 0 and the total, and the total at the end.
class Progress {
public:
    Progress(IDelegate<int>* delegate, int64_t total)
        : delegate_(delegate), total_(std::clamp<int64_t>(total, 0, std::numeric_limits<int32_t>::max()))
    {
    }
    void Report(double count)
    {
        if (!delegate_ || !(count >= 0))
            return;
        int64_t value = std::min<int64_t>(static_cast<int64_t>(std::min(count, 4e18)), total_);
        if (value > last_) {
            last_ = value;
            delegate_->Invoke(static_cast<int>(value));
        }
    }
    void Finish()
    {
        if (delegate_ && last_ < total_) {
            last_ = total_;
            delegate_->Invoke(static_cast<int>(total_));
        } else if (delegate_ && last_ < 0) {
            last_ = 0;
            delegate_->Invoke(0);
        }
    }

private:
    IDelegate<int>* delegate_;
    int64_t total_;
    int64_t last_ = -1;
};

void Deliver(IOptimizer& optimizer, const JobType& type, const CuttingProblem& problem, const Plan& plan)
{
    for (const JobItem& item : type.items) {
        ItemSource source(item);
        optimizer.AddItemToBeCut(type.typeIndex, &source);
    }
    for (const Layout& layout : plan) {
        const double barLength = problem.kinds[layout.kind].length;
        ResultSource source(barLength, UsedLength(problem, layout.pieces, barLength),
                            ClampToInt32(layout.barCount), layout.pieces);
        optimizer.AddOptimizedResult(type.typeIndex, &source);
    }
}

} // namespace

Job ReadJob(IOptimizer& optimizer)
{
    Job job;
    const int32_t orderCount = std::max(0, optimizer.OrderCount());
    std::map<int32_t, std::vector<JobOrder>> ordersByType;
    for (int32_t i = 0; i < orderCount; ++i) {
        JobOrder order;
        OrderTarget target(order);
        optimizer.ReadOrder(i, &target);
        job.totalPieces += order.quantity;
        ordersByType[order.typeIndex].push_back(std::move(order));
    }
    job.reuseStubs = optimizer.ReuseStubs() != 0;

    for (const auto& [typeIndex, orders] : ordersByType) {
        JobType type;
        type.typeIndex = typeIndex;
        // One item per distinct length (exact equality), longest first.
        struct Sum {
            int64_t quantity = 0;
            std::map<std::string, int64_t> identifiers;
        };
        std::map<double, Sum, std::greater<double>> byLength;
        for (const JobOrder& order : orders) {
            type.orderedPieces += order.quantity;
            if (!std::isfinite(order.length))
                continue;
            Sum& sum = byLength[order.length];
            sum.quantity += order.quantity;
            sum.identifiers[order.identifier] += order.quantity;
        }
        for (const auto& [length, sum] : byLength) {
            if (sum.quantity <= 0)
                continue; // asks for nothing
            JobItem item;
            item.length = length;
            item.quantity = ClampToInt32(sum.quantity);
            for (const auto& [identifier, count] : sum.identifiers)
                if (count > 0)
                    item.identifiers[identifier] = ClampToInt32(count);
            type.items.push_back(std::move(item));
        }
        type.defaultLength = optimizer.DefaultLength(typeIndex);
        const int32_t stockCount = std::max(0, optimizer.StockBarCount(typeIndex));
        for (int32_t k = 0; k < stockCount; ++k) {
            double length = 0;
            int32_t quantity = 0;
            optimizer.ReadStockBar(typeIndex, k, &length, &quantity);
            type.stock.push_back({length, quantity});
        }
        type.minReusedLength = optimizer.MinReusedLength(typeIndex);
        type.maxWasteLength = optimizer.MaxWasteLength(typeIndex);
        job.types.push_back(std::move(type));
    }
    return job;
}

CuttingProblem MakeProblem(const JobType& type, bool reuseStubs, double sawThickness)
{
    CuttingProblem problem;
    problem.sawThickness = std::isfinite(sawThickness) && sawThickness > 0 ? sawThickness : 0;
    problem.minReusedLength = type.minReusedLength;
    problem.maxWasteLength = type.maxWasteLength;

    // Only the first stock entry of a length counts, as the bars to buy and
    // the stock update look at that entry alone.
    const bool hasDefault = IsUsableLength(type.defaultLength);
    std::vector<double> seen;
    for (const auto& [length, quantity] : type.stock) {
        if (std::find(seen.begin(), seen.end(), length) != seen.end())
            continue;
        seen.push_back(length);
        if (!IsUsableLength(length) || quantity <= 0)
            continue;
        if (!reuseStubs && !(hasDefault && length == type.defaultLength))
            continue; // stubs are left alone
        problem.kinds.push_back(BarKind{length, quantity, quantity});
    }
    if (hasDefault) {
        auto same = std::find_if(problem.kinds.begin(), problem.kinds.end(),
                                 [&](const BarKind& k) { return k.length == type.defaultLength; });
        if (same != problem.kinds.end())
            same->available = kUnlimited;
        else
            problem.kinds.push_back(BarKind{type.defaultLength, kUnlimited, 0});
    }
    std::sort(problem.kinds.begin(), problem.kinds.end(),
              [](const BarKind& a, const BarKind& b) { return a.length < b.length; });

    const double longest = problem.kinds.empty() ? 0 : problem.kinds.back().length;
    for (const JobItem& item : type.items) {
        problem.pieceLengths.push_back(item.length);
        const bool cuttable = item.length > 0 && item.length <= longest + kFitTolerance;
        problem.demand.push_back(cuttable ? item.quantity : 0);
    }
    return problem;
}

static TypeResult Assess(const CuttingProblem& problem, const Plan& plan, const LowerBound& bound)
{
    TypeResult result;
    result.bound = bound;
    const PlanScore score = ScorePlan(problem, plan);
    for (const Layout& layout : plan)
        result.bars += layout.barCount;
    result.barLength = score.barLength;
    result.uncutPieces = score.uncutPieces;
    if (bound.known && score.uncutPieces == 0) {
        if (bound.bars >= 0)
            result.provenOptimal = result.bars <= bound.bars;
        else
            result.provenOptimal = score.barLength <= bound.barLength + 1e-6 + 1e-12 * bound.barLength;
    }
    return result;
}

// With reuse stubs on, a plan of the type that leaves its stubs alone is a plan of it too:
// one bar length, which column generation lays out close to the optimum, where the search
// over several lengths relies on the heuristic alone. Its best plan, the kinds taken by
// length into `problem`, competes with the plan of the whole problem. Nothing when the
// type has no stubs to leave out.
static std::optional<Plan> PlanWithoutStubs(ILayoutSearch& search, const JobType& type, const CuttingProblem& problem,
                                            double sawThickness, const SearchControl& control)
{
    const CuttingProblem plain = MakeProblem(type, false, sawThickness);
    if (plain.kinds.size() == problem.kinds.size())
        return std::nullopt;
    std::optional<Plan> initial = search.BuildInitialPlan(plain, control);
    if (!initial || !IsValidPlan(plain, *initial))
        return std::nullopt;
    Plan best = std::move(*initial);
    if (!control.ShouldEnd()) {
        Plan improved = search.Improve(plain, best, control);
        if (IsValidPlan(plain, improved) && ComparePlanScores(ScorePlan(plain, improved), ScorePlan(plain, best)) < 0)
            best = std::move(improved);
    }
    for (Layout& layout : best) {
        const double length = plain.kinds[layout.kind].length;
        const auto kind = std::find_if(problem.kinds.begin(), problem.kinds.end(),
                                       [&](const BarKind& k) { return k.length == length; });
        if (kind == problem.kinds.end())
            return std::nullopt;
        layout.kind = static_cast<int32_t>(kind - problem.kinds.begin());
    }
    return best;
}

COptimizerEngine::COptimizerEngine() : search_(MakeColumnGenerationSearch()) {}

int32_t COptimizerEngine::Run(IOptimizer& optimizer, double sawThickness)
{
    const SearchClock::time_point deadline = SearchClock::now() + timeLimit_;
    results_.clear();
    const Job job = ReadJob(optimizer);
    Progress progress(progress_, job.totalPieces);

    // Each type gets a share of the remaining time after its pieces.
    std::vector<double> timeWeight;
    double remainingWeight = 0;
    for (const JobType& type : job.types) {
        int64_t pieces = 0;
        for (const JobItem& item : type.items)
            pieces += item.quantity;
        timeWeight.push_back(static_cast<double>(std::max<int64_t>(1, pieces)));
        remainingWeight += timeWeight.back();
    }

    double done = 0;
    for (size_t t = 0; t < job.types.size(); ++t) {
        if (StopRequested())
            return KX_OPTIMIZER_STOPPED;
        const JobType& type = job.types[t];
        const double progressWeight = static_cast<double>(std::max<int64_t>(0, type.orderedPieces));
        if (type.items.empty()) {
            done += progressWeight;
            progress.Report(done);
            remainingWeight -= timeWeight[t];
            continue;
        }
        const CuttingProblem problem = MakeProblem(type, job.reuseStubs, sawThickness);

        const SearchClock::time_point now = SearchClock::now();
        SearchClock::time_point typeDeadline = now;
        if (deadline > now)
            typeDeadline = now + std::chrono::duration_cast<SearchClock::duration>(
                                     (deadline - now) * (timeWeight[t] / remainingWeight));
        remainingWeight -= timeWeight[t];
        const SearchControl control(stop_, typeDeadline, [&](double fraction) {
            progress.Report(done + progressWeight * (0.1 + 0.9 * std::clamp(fraction, 0.0, 1.0)));
        });

        std::optional<Plan> initial = search_->BuildInitialPlan(problem, control);
        if (!initial)
            return KX_OPTIMIZER_STOPPED; // nothing of this type is delivered
        Plan best = IsValidPlan(problem, *initial) ? std::move(*initial) : Plan{};
        progress.Report(done + progressWeight * 0.1);
        if (job.reuseStubs && !control.ShouldEnd()) {
            // At most half of the type's time, so the whole problem keeps the rest.
            const SearchClock::time_point start = SearchClock::now();
            const SearchControl half(stop_, start + (std::max(typeDeadline, start) - start) / 2);
            std::optional<Plan> plain = PlanWithoutStubs(*search_, type, problem, sawThickness, half);
            if (plain && IsValidPlan(problem, *plain) &&
                ComparePlanScores(ScorePlan(problem, *plain), ScorePlan(problem, best)) < 0)
                best = std::move(*plain);
        }
        LowerBound bound;
        if (!control.ShouldEnd()) {
            Plan improved = search_->Improve(problem, best, control);
            bound = search_->LastLowerBound();
            if (IsValidPlan(problem, improved) &&
                ComparePlanScores(ScorePlan(problem, improved), ScorePlan(problem, best)) < 0)
                best = std::move(improved);
        }
        NormalizePlan(best);
        Deliver(optimizer, type, problem, best);
        results_.push_back(Assess(problem, best, bound));
        results_.back().typeIndex = type.typeIndex;
        done += progressWeight;
        progress.Report(done);
    }
    if (StopRequested())
        return KX_OPTIMIZER_STOPPED;
    progress.Finish();
    return KX_OPTIMIZER_DONE;
}

} // namespace kalomax::optimizer
