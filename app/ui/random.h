// The screens' random numbers and the clock that seeds them, with seams that
// let a test fix both.
#pragma once

#include <QTime>
#include <cstdint>
#include <functional>
#include <optional>

namespace ui {

// Seed := ((h*60+m)*60+s)*1000+ms of the UTC clock.
void SeedRandom();
// Seed := seed*134775813+1 mod 2^32; result (n*seed) div 2^32.
std::int32_t RandomBelow(std::int32_t n);
// Same step; seed / 2^32.
double RandomReal();

std::uint32_t RandomSeed();
void SetRandomSeed(std::uint32_t seed);
// For tests: where SeedRandom reads the time (nullptr: the UTC clock).
void SetClock(std::function<QTime()> clock);
// For tests: every RandomReal returns `value` (the seed still steps).
void ForceRandomReal(std::optional<double> value);

}  // namespace ui
