#include "runtime/format/random.h"

#include "platform/clock.h"

namespace runtime {

namespace {

constexpr uint32_t kMultiplier = 134775813;
constexpr double kTwoToMinus32 = 1.0 / 4294967296.0;

// Spreads the counter's changing low bits over all 32.
uint32_t Mix(uint64_t x) {
  x ^= x >> 33;
  x *= 0xFF51AFD7ED558CCDull;
  x ^= x >> 33;
  return uint32_t(x);
}

}  // namespace

uint32_t RandomGenerator::Step() {
  seed_ = seed_ * kMultiplier + 1;
  return seed_;
}

void RandomGenerator::SeedFromClock() { seed_ = Step() + Mix(platform::MicroCounter()); }

uint32_t RandomGenerator::Below(uint32_t n) { return uint32_t((uint64_t(Step()) * n) >> 32); }

double RandomGenerator::Fraction() { return Step() * kTwoToMinus32; }

RandomGenerator& ScriptRandom() {
  static RandomGenerator generator;
  return generator;
}

}  // namespace runtime
