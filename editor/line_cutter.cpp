#include "editor/line_cutter.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace editor {

using toolkit::Char;

namespace {

bool IsBreak(Char c) { return c == u'\r' || c == u'\n' || c == kLineSeparator; }

#ifdef __SSE2__
// A bit per byte of eight characters: set for the bytes of a break.
int BreakBits(const Char* p) {
  const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i breaks = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(chars, _mm_set1_epi16(u'\r')),
                                                   _mm_cmpeq_epi16(chars, _mm_set1_epi16(u'\n'))),
                                      _mm_cmpeq_epi16(chars, _mm_set1_epi16(static_cast<short>(kLineSeparator))));
  return _mm_movemask_epi8(breaks);
}
#endif

}  // namespace

// Eight characters at a time where the processor compares eight at once:
// loading a text of tens of megabytes spends its time here.
std::size_t CountBreakCharacters(toolkit::StringView text) {
  const Char* p = text.data();
  const Char* const end = p + text.size();
  std::size_t count = 0;
#ifdef __SSE2__
  for (; end - p >= 8; p += 8)
    if (BreakBits(p) != 0)
      for (int k = 0; k < 8; ++k) count += IsBreak(p[k]);
#endif
  for (; p < end; ++p) count += IsBreak(*p);
  return count;
}

const Char* FindLineBreak(const Char* p, const Char* end) {
#ifdef __SSE2__
  for (; end - p >= 8; p += 8)
    if (const int bits = BreakBits(p)) return p + __builtin_ctz(static_cast<unsigned>(bits)) / 2;
#endif
  while (p < end && !IsBreak(*p)) ++p;
  return p;
}

}  // namespace editor
