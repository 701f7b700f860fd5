// Workshop-like jobs for bench/general, drawn from a seed.
//
// A job is one type of bar: a default (new-bar) length, a saw thickness, a
// minimum reused length, orders of 5 to 300 distinct piece lengths (many
// short, some long, quantities 1 to 50) and stock of several lengths in
// limited quantities (stubs and some full bars). Every length lies on a grid
// of 0.5 mm. The same seed and job number always give the same job, whatever
// the platform's standard library.
#ifndef KALOMAX_BENCH_GENERAL_JOBS_H
#define KALOMAX_BENCH_GENERAL_JOBS_H

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kalomax::bench {

// Jobs are grouped by their number of distinct piece lengths.
struct SizeClass {
    int minLengths = 0, maxLengths = 0;
};
inline constexpr SizeClass kSizeClasses[] = {{5, 20}, {21, 80}, {81, 300}};
inline constexpr int kSizeClassCount = 3;

struct GeneralOrder {
    std::string identifier;
    double length = 0;
    int32_t quantity = 0;
};

// A length of bar that may be cut and how many: `available` < 0 means as
// many as needed (new bars of the default length).
struct BarSupply {
    double length = 0;
    int64_t available = 0;
};

struct GeneralJob {
    int number = 0;
    int sizeClass = 0;
    double defaultLength = 0;
    double sawThickness = 0;
    double minReusedLength = 0;
    double maxWasteLength = 0;
    std::vector<GeneralOrder> orders;              // a length may be spread over two orders
    std::vector<std::pair<double, int32_t>> stock; // distinct lengths, quantity > 0
    std::vector<std::pair<double, int32_t>> items; // distinct lengths with their quantity, longest first
};

// Job `number` of the benchmark drawn from `seed`; job numbers go round the
// size classes.
GeneralJob GenerateJob(uint64_t seed, int number);

// The bars the library may cut for `job`, ascending length: with reuse
// stubs every stock length, else only the default length (its stock
// included); the default length is unlimited.
std::vector<BarSupply> UsableBars(const GeneralJob& job, bool reuseStubs);

} // namespace kalomax::bench

#endif
