#include "market/RandomInt.h"

#include <chrono>
#include <cmath>
#include <limits>

#include "common/Numbers.h"

namespace deedwell {

std::int64_t RandomInt(Game& game, double n) {
    // Doubles past 2^62 are far beyond any count the game draws from; the cap
    // only keeps the conversion defined.
    constexpr double kLargest = 4611686018427387904.0;  // 2^62
    const double whole = std::isfinite(n) ? Int(n) : 1;
    std::int64_t upper = 1;
    if (whole >= kLargest) {
        upper = static_cast<std::int64_t>(kLargest);
    } else if (whole > 1) {
        upper = static_cast<std::int64_t>(whole);
    }
    return game.random.Draw(upper);
}

std::int64_t RandomInt(Game& game, std::string_view n) {
    return RandomInt(game, NumberOf(n));
}

namespace {
std::uint64_t FreshSeed() {
    std::random_device device;
    const std::uint64_t entropy = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    // Mixed so that a random_device without real entropy still differs per run.
    return entropy ^ (ticks * 0x9E3779B97F4A7C15ULL);
}
}  // namespace

SystemRandom::SystemRandom() : engine_(FreshSeed()) {}

std::int64_t SystemRandom::Draw(std::int64_t n) {
    if (n < 1) n = 1;
    return std::uniform_int_distribution<std::int64_t>(1, n)(engine_);
}

}  // namespace deedwell
