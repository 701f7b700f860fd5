#include "general_jobs.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace kalomax::bench {

namespace {

// SplitMix64: a fixed sequence for a seed, unlike the standard distributions.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}

    uint64_t Next()
    {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // Uniform in [low, high].
    int64_t Between(int64_t low, int64_t high)
    {
        return low + static_cast<int64_t>(Next() % static_cast<uint64_t>(high - low + 1));
    }
    // True with `percent` per cent.
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    template <typename T, size_t N> T Pick(const T (&choices)[N]) { return choices[Between(0, N - 1)]; }

private:
    uint64_t state_;
};

constexpr double kDefaultLengths[] = {5800, 6000, 6000, 6400, 6500, 6500, 7000};
constexpr double kSawThicknesses[] = {0, 1, 2, 2.5, 3, 3, 3.5, 4, 4.5, 5};
constexpr double kMinReusedLengths[] = {300, 500, 500, 800, 1000};

// A piece length in whole millimetres: most short, some medium, few long.
double PieceLength(Random& random, double defaultLength)
{
    const int64_t longest = static_cast<int64_t>(defaultLength);
    const int64_t kind = random.Between(1, 100);
    if (kind <= 60)
        return static_cast<double>(random.Between(150, 1200));
    if (kind <= 90)
        return static_cast<double>(random.Between(1201, 3000));
    return static_cast<double>(random.Between(3001, longest));
}

// Quantities of a workshop order: mostly a few, sometimes a series.
int32_t Quantity(Random& random, double length)
{
    const int64_t kind = random.Between(1, 100);
    int64_t quantity = kind <= 50 ? random.Between(1, 4) : kind <= 85 ? random.Between(5, 12) : random.Between(13, 50);
    if (length > 3000)
        quantity = std::max<int64_t>(1, quantity / 3); // long pieces come in small numbers
    return static_cast<int32_t>(quantity);
}

} // namespace

GeneralJob GenerateJob(uint64_t seed, int number)
{
    Random random(seed * 0x100000001b3ull + static_cast<uint64_t>(number) * 0x9e3779b97f4a7c15ull + 1);
    GeneralJob job;
    job.number = number;
    job.sizeClass = number % kSizeClassCount;
    job.defaultLength = random.Pick(kDefaultLengths);
    job.sawThickness = random.Pick(kSawThicknesses);
    job.minReusedLength = random.Pick(kMinReusedLengths);
    job.maxWasteLength = std::floor(job.minReusedLength / 3);

    const SizeClass size = kSizeClasses[job.sizeClass];
    const int64_t distinct = random.Between(size.minLengths, size.maxLengths);
    std::set<double> lengths;
    while (static_cast<int64_t>(lengths.size()) < distinct)
        lengths.insert(PieceLength(random, job.defaultLength));
    int orderNumber = 0;
    for (auto length = lengths.rbegin(); length != lengths.rend(); ++length) {
        const int32_t quantity = Quantity(random, *length);
        job.items.push_back({*length, quantity});
        // Some lengths are ordered twice, for two identifiers.
        const int32_t first = quantity > 1 && random.Chance(20) ? static_cast<int32_t>(random.Between(1, quantity - 1)) : quantity;
        for (int32_t part : {first, quantity - first})
            if (part > 0)
                job.orders.push_back({"P" + std::to_string(++orderNumber), *length, part});
    }
    // Shuffled, so the library has to sort and merge.
    for (size_t i = job.orders.size(); i > 1; --i)
        std::swap(job.orders[i - 1], job.orders[static_cast<size_t>(random.Between(0, static_cast<int64_t>(i) - 1))]);

    // Stock: stubs kept from earlier jobs (at least the minimum reused
    // length, on a 10 mm grid), full bars of the default length and
    // sometimes of another standard length.
    std::map<double, int32_t> stock;
    const int64_t stubLengths = random.Between(2, 12);
    for (int64_t s = 0; s < stubLengths; ++s) {
        const double length = 10.0 * static_cast<double>(random.Between(static_cast<int64_t>(job.minReusedLength / 10),
                                                                         static_cast<int64_t>(job.defaultLength / 10) - 20));
        stock[length] += static_cast<int32_t>(random.Between(1, 6));
    }
    if (random.Chance(60))
        stock[job.defaultLength] += static_cast<int32_t>(random.Between(2, 20));
    if (random.Chance(30)) {
        const double other = random.Pick(kDefaultLengths);
        if (other != job.defaultLength)
            stock[other] += static_cast<int32_t>(random.Between(1, 10));
    }
    for (const auto& [length, quantity] : stock)
        job.stock.push_back({length, quantity});
    // Stock lists are not sorted in a workshop either.
    for (size_t i = job.stock.size(); i > 1; --i)
        std::swap(job.stock[i - 1], job.stock[static_cast<size_t>(random.Between(0, static_cast<int64_t>(i) - 1))]);
    return job;
}

std::vector<BarSupply> UsableBars(const GeneralJob& job, bool reuseStubs)
{
    std::vector<BarSupply> bars;
    if (reuseStubs)
        for (const auto& [length, quantity] : job.stock)
            if (length != job.defaultLength)
                bars.push_back({length, quantity});
    bars.push_back({job.defaultLength, -1});
    std::sort(bars.begin(), bars.end(), [](const BarSupply& a, const BarSupply& b) { return a.length < b.length; });
    return bars;
}

} // namespace kalomax::bench
