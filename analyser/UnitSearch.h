// Fast searches for one UTF-16 code unit, eight units at a time where SSE2 is available.
#pragma once

#include <cstddef>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define QORVAN_UNIT_SEARCH_SSE2 1
#endif

namespace qorvan {

// Index of the first unit in data[pos, size) that is `limit` or lower; size when there is none.
inline std::size_t FindUnitAtMost(const char16_t* data, std::size_t pos, std::size_t size,
                                  char16_t limit) {
#ifdef QORVAN_UNIT_SEARCH_SSE2
  const __m128i bound = _mm_set1_epi16(static_cast<short>(limit));
  for (; pos + 8 <= size; pos += 8) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
    // Saturating subtraction leaves zero exactly where a unit is at most `limit`.
    const __m128i over = _mm_subs_epu16(v, bound);
    const int hits = _mm_movemask_epi8(_mm_cmpeq_epi16(over, _mm_setzero_si128()));
    if (hits != 0) {
      while (data[pos] > limit) ++pos;
      return pos;
    }
  }
#endif
  while (pos < size && data[pos] > limit) ++pos;
  return pos;
}

// Index of the first unit in data[pos, size) equal to `unit`; size when there is none.
inline std::size_t FindUnit(const char16_t* data, std::size_t pos, std::size_t size,
                            char16_t unit) {
#ifdef QORVAN_UNIT_SEARCH_SSE2
  const __m128i wanted = _mm_set1_epi16(static_cast<short>(unit));
  for (; pos + 8 <= size; pos += 8) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(v, wanted)) != 0) {
      while (data[pos] != unit) ++pos;
      return pos;
    }
  }
#endif
  while (pos < size && data[pos] != unit) ++pos;
  return pos;
}

}  // namespace qorvan
