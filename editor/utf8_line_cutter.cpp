#include "editor/utf8_line_cutter.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace editor {

using toolkit::Char;

namespace {

bool IsBreakByte(char c) { return c == '\r' || c == '\n' || c == '\xE2'; }

bool IsSeparatorAt(const char* p, const char* end) { return end - p >= 3 && p[1] == '\x80' && p[2] == '\xA8'; }

#ifdef __SSE2__
__m128i Load16(const char* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

// A bit per byte of sixteen: set for CR, LF and 0xE2.
unsigned BreakBits(__m128i bytes) {
  const __m128i breaks = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')),
                                                   _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))),
                                      _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\xE2')));
  return static_cast<unsigned>(_mm_movemask_epi8(breaks));
}
#endif

}  // namespace

// Sixteen bytes at a time where the processor compares sixteen at once:
// loading a file of tens of megabytes spends its time in these loops.
Utf8BreakCount CountUtf8Breaks(std::string_view bytes) {
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  Utf8BreakCount count;
#ifdef __SSE2__
  for (; end - p >= 16; p += 16) {
    const __m128i chunk = Load16(p);
    const auto lineEnds = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_or_si128(_mm_cmpeq_epi8(chunk, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(chunk, _mm_set1_epi8('\n')))));
    if (lineEnds != 0) count.lineEnds += static_cast<std::size_t>(__builtin_popcount(lineEnds));
    if (_mm_movemask_epi8(chunk) != 0)
      count.separatorLeads += static_cast<std::size_t>(
          __builtin_popcount(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_set1_epi8('\xE2'))))));
  }
#endif
  for (; p < end; ++p) {
    count.lineEnds += *p == '\r' || *p == '\n';
    count.separatorLeads += *p == '\xE2';
  }
  return count;
}

const char* FindUtf8LineBreak(const char* p, const char* end, bool& ascii) {
  bool high = false;
  for (;;) {
#ifdef __SSE2__
    for (; end - p >= 16; p += 16) {
      const __m128i bytes = Load16(p);
      const unsigned highBits = static_cast<unsigned>(_mm_movemask_epi8(bytes));
      if (const unsigned breaks = BreakBits(bytes)) {
        const int at = __builtin_ctz(breaks);
        high = high || (highBits & ((1u << at) - 1)) != 0;
        p += at;
        break;
      }
      high = high || highBits != 0;
    }
#endif
    for (; p < end && !IsBreakByte(*p); ++p)
      if (static_cast<unsigned char>(*p) >= 0x80) high = true;
    if (p == end || *p != '\xE2' || IsSeparatorAt(p, end)) break;
    // Another character starting with 0xE2 belongs to the line.
    high = true;
    ++p;
  }
  ascii = !high;
  return p;
}

bool IsAscii(std::string_view bytes) {
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
#ifdef __SSE2__
  for (; end - p >= 64; p += 64) {
    const __m128i either = _mm_or_si128(_mm_or_si128(Load16(p), Load16(p + 16)), _mm_or_si128(Load16(p + 32), Load16(p + 48)));
    if (_mm_movemask_epi8(either) != 0) return false;
  }
#endif
  for (; p < end; ++p)
    if (static_cast<unsigned char>(*p) >= 0x80) return false;
  return true;
}

void WidenAscii(std::string_view bytes, Char* out) {
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
#ifdef __SSE2__
  const __m128i zero = _mm_setzero_si128();
  for (; end - p >= 16; p += 16, out += 16) {
    const __m128i chunk = Load16(p);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(chunk, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(chunk, zero));
  }
#endif
  while (p < end) *out++ = static_cast<Char>(static_cast<unsigned char>(*p++));
}

}  // namespace editor
