// The pseudo-random source behind SeedRandom/NextRandom, and the clock.
#pragma once

#include <cstdint>
#include <ctime>
#include <random>

class RandomSource {
  public:
    void Seed(int seed) { engine_.seed(static_cast<std::uint64_t>(seed)); }

    // Uniform in [0, 1) and never 1: the top 53 bits of one 64-bit draw,
    // scaled by 2^-53. (uniform_real_distribution may return its upper
    // bound with some standard libraries.)
    double Next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_;
};

// Seconds field of the local time of day, 0..59 (a leap second counts as 59).
inline int LocalClockSeconds() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return 0;
    }
    return local.tm_sec > 59 ? 59 : local.tm_sec;
}
