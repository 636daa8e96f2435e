// Fast searches for UTF-16 code units, eight units at a time where SSE2 is available.
#pragma once

#include <cstddef>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#endif
#define QORVAN_UNIT_SEARCH_SSE2 1
#endif

namespace qorvan {

#ifdef QORVAN_UNIT_SEARCH_SSE2
// The first 16-bit lane set in a byte mask from _mm_movemask_epi8 (mask != 0).
inline std::size_t FirstLane(int mask) {
#if defined(_MSC_VER) && !defined(__clang__)
  unsigned long bit = 0;
  _BitScanForward(&bit, static_cast<unsigned long>(mask));
  return bit / 2;
#else
  return static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask))) / 2;
#endif
}
#endif

// Index of the first CR, LF, NUL or `unit` in data[pos, size); size when there is none.
inline std::size_t FindLineEndOr(const char16_t* data, std::size_t pos, std::size_t size,
                                 char16_t unit) {
  auto isWanted = [unit](char16_t c) {
    return c == u'\r' || c == u'\n' || c == u'\0' || c == unit;
  };
#ifdef QORVAN_UNIT_SEARCH_SSE2
  const __m128i cr = _mm_set1_epi16(u'\r');
  const __m128i lf = _mm_set1_epi16(u'\n');
  const __m128i wanted = _mm_set1_epi16(static_cast<short>(unit));
  const __m128i zero = _mm_setzero_si128();
  for (; pos + 8 <= size; pos += 8) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
    const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi16(v, cr), _mm_cmpeq_epi16(v, lf));
    const __m128i hits =
        _mm_or_si128(breaks, _mm_or_si128(_mm_cmpeq_epi16(v, zero), _mm_cmpeq_epi16(v, wanted)));
    if (const int mask = _mm_movemask_epi8(hits); mask != 0) return pos + FirstLane(mask);
  }
#endif
  while (pos < size && !isWanted(data[pos])) ++pos;
  return pos;
}

// Index of the first CR, LF or NUL in data[pos, size); size when there is none.
inline std::size_t FindLineEnd(const char16_t* data, std::size_t pos, std::size_t size) {
  return FindLineEndOr(data, pos, size, u'\r');
}

// Index of the first unit in data[pos, size) below '0' or equal to '>': blanks, breaks and the
// punctuation that can mark a use; size when there is none.
inline std::size_t FindPunctuation(const char16_t* data, std::size_t pos, std::size_t size) {
  auto isWanted = [](char16_t c) { return c < u'0' || c == u'>'; };
#ifdef QORVAN_UNIT_SEARCH_SSE2
  const __m128i belowDigits = _mm_set1_epi16(u'0' - 1);
  const __m128i greater = _mm_set1_epi16(u'>');
  const __m128i zero = _mm_setzero_si128();
  for (; pos + 8 <= size; pos += 8) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
    // Saturating subtraction leaves zero exactly where a unit is below '0'.
    const __m128i low = _mm_cmpeq_epi16(_mm_subs_epu16(v, belowDigits), zero);
    const __m128i hits = _mm_or_si128(low, _mm_cmpeq_epi16(v, greater));
    if (const int mask = _mm_movemask_epi8(hits); mask != 0) return pos + FirstLane(mask);
  }
#endif
  while (pos < size && !isWanted(data[pos])) ++pos;
  return pos;
}

// Index of the first unit in data[pos, size) equal to `unit`; size when there is none.
inline std::size_t FindUnit(const char16_t* data, std::size_t pos, std::size_t size,
                            char16_t unit) {
#ifdef QORVAN_UNIT_SEARCH_SSE2
  const __m128i wanted = _mm_set1_epi16(static_cast<short>(unit));
  for (; pos + 8 <= size; pos += 8) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
    if (const int mask = _mm_movemask_epi8(_mm_cmpeq_epi16(v, wanted)); mask != 0)
      return pos + FirstLane(mask);
  }
#endif
  while (pos < size && data[pos] != unit) ++pos;
  return pos;
}

}  // namespace qorvan
