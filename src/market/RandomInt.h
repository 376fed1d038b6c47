#pragma once
// The one source of chance in the game, and the generator the game runs on.
//
// Every chance event (the houses of the market, tenants, repair requests,
// offers) draws through RandomInt, which asks the Game's Random port. The game
// itself plugs in SystemRandom: one engine seeded once per run, so draws made
// in the same instant are still independent of each other.

#include <cstdint>
#include <random>
#include <string_view>

#include "state/Game.h"
#include "state/Ports.h"

namespace deedwell {

// A whole number from 1 to Int(n), each equally likely; anything below 1 (and
// anything that is not a finite number) draws from 1..1.
std::int64_t RandomInt(Game& game, double n);

// The same for n held as text; a text that is not a number counts as 0.
std::int64_t RandomInt(Game& game, std::string_view n);

// A Mersenne Twister seeded once, from the system's entropy source mixed with
// the steady clock, or from a fixed seed where a run must be repeatable.
class SystemRandom : public Random {
  public:
    SystemRandom();
    explicit SystemRandom(std::uint64_t seed) : engine_(seed) {}

    std::int64_t Draw(std::int64_t n) override;

  private:
    std::mt19937_64 engine_;
};

}  // namespace deedwell
