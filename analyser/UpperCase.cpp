#include "UpperCase.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define QORVAN_UPPER_SSE2 1
#endif

namespace qorvan {

namespace {

// Ranges of units without case, where most script text outside ASCII lies: general
// punctuation, CJK symbols, kana and Han, Hangul, and the full-width punctuation.
struct UnitRange {
  char16_t First;
  char16_t Last;
};
constexpr UnitRange kUncasedRanges[] = {
    {0x2000, 0x206F}, {0x3000, 0x9FFF}, {0xAC00, 0xD7A3}, {0xFF00, 0xFF20}};

// The upper case of every BMP code unit that is not a lead surrogate: u_toupper when that is
// one unit too, else the unit itself (a lone trail surrogate stays as it is).
struct UnitUpperTable {
  char16_t Upper[0x10000];
  bool RangesUncased = true;  // this ICU indeed maps no unit of kUncasedRanges
  UnitUpperTable() {
    for (UChar32 c = 0; c <= 0xFFFF; ++c) {
      const UChar32 upper = U_IS_SURROGATE(c) ? c : u_toupper(c);
      Upper[c] = static_cast<char16_t>(upper <= 0xFFFF ? upper : c);
    }
    for (const UnitRange& range : kUncasedRanges)
      for (UChar32 c = range.First; c <= range.Last; ++c) RangesUncased &= Upper[c] == c;
  }
};

const UnitUpperTable& UnitUpper() {
  static const UnitUpperTable table;
  return table;
}

#ifdef QORVAN_UPPER_SSE2
// Lanes of `v` in [first, last], as all-ones lanes; unsigned compares are signed ones with the
// sign bit flipped.
__m128i InRange(__m128i v, char16_t first, char16_t last) {
  const __m128i flip = _mm_set1_epi16(static_cast<short>(0x8000));
  const __m128i offset = _mm_sub_epi16(v, _mm_set1_epi16(static_cast<short>(first)));
  const __m128i span = _mm_set1_epi16(static_cast<short>((last - first + 1) ^ 0x8000));
  return _mm_cmplt_epi16(_mm_xor_si128(offset, flip), span);
}

// Upper-cases eight units at `src` into `dst` when each is ASCII or, with `uncased`, lies in
// kUncasedRanges; false otherwise.
bool UpperPlainBlock8(const char16_t* src, char16_t* dst, bool uncased) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
  const __m128i high = _mm_and_si128(v, _mm_set1_epi16(static_cast<short>(0xFF80)));
  const __m128i ascii = _mm_cmpeq_epi16(high, _mm_setzero_si128());
  __m128i plain = ascii;
  if (uncased && _mm_movemask_epi8(ascii) != 0xFFFF)
    for (const UnitRange& range : kUncasedRanges)
      plain = _mm_or_si128(plain, InRange(v, range.First, range.Last));
  if (_mm_movemask_epi8(plain) != 0xFFFF) return false;
  const __m128i isLower =
      _mm_and_si128(ascii, _mm_and_si128(_mm_cmpgt_epi16(v, _mm_set1_epi16(u'a' - 1)),
                                         _mm_cmplt_epi16(v, _mm_set1_epi16(u'z' + 1))));
  const __m128i upper = _mm_sub_epi16(v, _mm_and_si128(isLower, _mm_set1_epi16(32)));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), upper);
  return true;
}
#endif

// Upper-cases the code point at src[i] into dst; returns the index after it.
std::size_t UpperOne(const char16_t* src, std::size_t i, std::size_t size, char16_t* dst,
                     const UnitUpperTable& table) {
  const char16_t unit = src[i];
  if (!U16_IS_LEAD(unit)) {
    dst[i] = table.Upper[unit];
    return i + 1;
  }
  const std::size_t start = i;
  UChar32 c = 0;
  U16_NEXT(src, i, size, c);
  const UChar32 upper = u_toupper(c);
  // A mapping that needs another number of code units would change the length: keep the original.
  const UChar32 kept = U16_LENGTH(upper) == static_cast<int>(i - start) ? upper : c;
  std::size_t at = start;
  U16_APPEND_UNSAFE(dst, at, kept);
  return i;
}

}  // namespace

void UpperCaseUnits(std::u16string_view text, char16_t* dst) {
  const UnitUpperTable& table = UnitUpper();
  const std::size_t size = text.size();
  const char16_t* src = text.data();
  std::size_t i = 0;
  while (i < size) {
#ifdef QORVAN_UPPER_SSE2
    if (i + 8 <= size && UpperPlainBlock8(src + i, dst + i, table.RangesUncased)) {
      i += 8;
      continue;
    }
#endif
    // Eight units one at a time (a surrogate pair may end one unit later).
    const std::size_t stop = std::min(size, i + 8);
    while (i < stop) i = UpperOne(src, i, size, dst, table);
  }
}

void UpperCaseInto(std::u16string_view text, std::u16string& out) {
  out.resize(text.size());
  UpperCaseUnits(text, out.data());
}

const char16_t* UnitUpperCases() {
  return UnitUpper().Upper;
}

std::u16string UpperCased(std::u16string_view text) {
  std::u16string out;
  UpperCaseInto(text, out);
  return out;
}

}  // namespace qorvan
