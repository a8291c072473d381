#include "runtime/sys/text_search.h"

#include <cstdint>
#include <cstring>

namespace runtime {

namespace {

bool IsAsciiLetter(Char c) { return (c >= Char('a') && c <= Char('z')) || (c >= Char('A') && c <= Char('Z')); }

// Setting bit 0x20 makes an ASCII letter lower case and only its two cases
// meet at the same lower-case value, in 8 and in 16 bits alike.
constexpr Char kCaseBit = Char(0x20);

// Candidates for the first unit: one unit, or an ASCII letter in either case.
struct FirstUnit {
  Char target;
  Char mask;

  FirstUnit(Char first, bool ignoreCase)
      : target(ignoreCase && IsAsciiLetter(first) ? Char(first | kCaseBit) : first),
        mask(ignoreCase && IsAsciiLetter(first) ? kCaseBit : Char(0)) {}

  bool Matches(Char c) const { return Char(c | mask) == target; }
};

// Every lane of a 64-bit word set to the unit.
uint64_t Spread(Char unit) {
  constexpr uint64_t kLanes = ~uint64_t(0) / ((uint64_t(1) << (8 * sizeof(Char))) - 1);
  return kLanes * CodeUnit(unit);
}

// Eight bytes or four 16-bit units at a time: a word in which no lane equals
// the target (after the mask) is skipped whole.
std::size_t FindFirstUnit(TextView source, std::size_t at, std::size_t last, FirstUnit first) {
  constexpr std::size_t kPerWord = sizeof(uint64_t) / sizeof(Char);
  const uint64_t target = Spread(first.target);
  const uint64_t mask = Spread(first.mask);
  const uint64_t ones = Spread(Char(1));
  const uint64_t highs = ones << (8 * sizeof(Char) - 1);
  for (; at + kPerWord <= last + 1; at += kPerWord) {
    uint64_t word;
    std::memcpy(&word, source.data() + at, sizeof word);
    const uint64_t diff = (word | mask) ^ target;
    if (((diff - ones) & ~diff & highs) == 0) continue;
    for (std::size_t k = 0; k < kPerWord; ++k)
      if (first.Matches(source[at + k])) return at + k;
  }
  for (; at <= last; ++at)
    if (first.Matches(source[at])) return at;
  return TextView::npos;
}

bool RestMatches(TextView candidate, TextView find, bool ignoreCase) {
  for (std::size_t i = 1; i < find.size(); ++i) {
    const Char a = candidate[i], b = find[i];
    if (a == b) continue;
    if (!ignoreCase || !IsAsciiLetter(a) || Char(a | kCaseBit) != Char(b | kCaseBit)) return false;
  }
  return true;
}

}  // namespace

std::size_t FindText(TextView source, TextView find, std::size_t from, bool ignoreCase) {
  if (find.size() > source.size() || from > source.size() - find.size()) return TextView::npos;
  const std::size_t last = source.size() - find.size();
  const FirstUnit first(find[0], ignoreCase);
  for (std::size_t at = from; at <= last; ++at) {
    at = FindFirstUnit(source, at, last, first);
    if (at == TextView::npos) return at;
    if (RestMatches(source.substr(at, find.size()), find, ignoreCase)) return at;
  }
  return TextView::npos;
}

}  // namespace runtime
