// The pseudo-random generator of "random": Borland's 32-bit linear
// congruential generator, seed = seed * 134775813 + 1 (mod 2^32). Its whole
// state is the 32-bit seed, so setting a seed read earlier repeats the
// sequence, in both builds alike.
#pragma once
#include <cstdint>

namespace runtime {

class RandomGenerator {
public:
  explicit RandomGenerator(uint32_t seed = 0) : seed_(seed) {}

  uint32_t Seed() const { return seed_; }
  void SetSeed(uint32_t seed) { seed_ = seed; }
  // A new seed from the microsecond counter and the old seed.
  void SeedFromClock();
  // 0 .. n-1: the next seed scaled to n (0 when n is 0).
  uint32_t Below(uint32_t n);
  // 0 <= x < 1: the next seed divided by 2^32.
  double Fraction();

private:
  uint32_t Step();

  uint32_t seed_;
};

// The generator that scripts share; its seed is 0 at start.
RandomGenerator& ScriptRandom();

}  // namespace runtime
