// The screens' random numbers, seeded from the clock.
#include "app/ui/random.h"

#include <QDateTime>

namespace ui {

namespace {
std::uint32_t seed = 0;
std::function<QTime()> clockSource;
std::optional<double> forcedReal;

void step() { seed = seed * 134775813u + 1u; }
}  // namespace

void SeedRandom() {
  const QTime t = clockSource ? clockSource() : QDateTime::currentDateTimeUtc().time();
  seed = static_cast<std::uint32_t>(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 +
                                    t.msec());
}

std::int32_t RandomBelow(std::int32_t n) {
  step();
  const std::uint64_t product = static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * seed;
  return static_cast<std::int32_t>(product >> 32);
}

double RandomReal() {
  step();
  if (forcedReal) return *forcedReal;
  return static_cast<double>(seed) / 4294967296.0;
}

std::uint32_t RandomSeed() { return seed; }
void SetRandomSeed(std::uint32_t value) { seed = value; }
void SetClock(std::function<QTime()> clock) { clockSource = std::move(clock); }
void ForceRandomReal(std::optional<double> value) { forcedReal = value; }

}  // namespace ui
