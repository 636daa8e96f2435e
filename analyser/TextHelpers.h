// The small text helpers shared by the constant pass, the dispatcher and every recogniser.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Plus.h"

namespace qorvan {

// The delimiters of every tokenising call: space and tab, nothing else.
inline constexpr std::u16string_view BlankChars = u" \t";
// First characters that make the line pass skip a line while comments are filtered.
inline constexpr std::u16string_view LineSkipChars = u";%(+@{}";
// Texts this long or longer yield no token at all.
inline constexpr std::size_t SplitTokenLimit = 20479;

namespace detail {

// Index of the first unit of `text` from `pos` on that is (`want`) or is not one of `delimiters`;
// text.size() when there is none. Inline with a fast path for blank and tab: this is the hot loop.
inline std::size_t FindDelimiter(std::u16string_view text, std::size_t pos,
                                 std::u16string_view delimiters, bool want) {
  const char16_t* data = text.data();
  const std::size_t size = text.size();
  if (delimiters.size() == 2) {
    const char16_t a = delimiters[0];
    const char16_t b = delimiters[1];
    while (pos < size && ((data[pos] == a || data[pos] == b) != want)) ++pos;
    return pos;
  }
  while (pos < size && ((delimiters.find(data[pos]) != std::u16string_view::npos) != want)) ++pos;
  return pos;
}

}  // namespace detail

// Cuts the first token off `text`; returns the rest after the one delimiter that ended it.
inline std::u16string_view SplitToken(std::u16string_view text, std::u16string_view delimiters,
                                      std::u16string_view& token) {
  token = {};
  if (text.size() >= SplitTokenLimit || text.empty()) return {};
  const std::size_t start = detail::FindDelimiter(text, 0, delimiters, false);
  if (start == text.size()) return {};
  const std::size_t end = detail::FindDelimiter(text, start, delimiters, true);
  token = text.substr(start, end - start);
  if (end == text.size()) return {};
  return text.substr(end + 1);
}

// One bracketed part cut out of a text: Inner, and the text around it.
struct Bracketed {
  std::u16string_view Inner;   // between the brackets, possibly empty
  std::u16string_view Before;  // the text before the opening bracket
  std::u16string_view After;   // the text after the closing bracket
  bool Found = false;          // false: Inner and the remainder are empty

  bool RemainderEmpty() const { return Before.empty() && After.empty(); }
  // Before joined with After.
  std::u16string Remainder() const;
};

// Cuts the innermost open/close pair out of `source`, supplying a missing bracket first.
Bracketed ExtractBracketed(std::u16string_view source, char16_t open, char16_t close);

// True when `text` is not empty and holds only the ASCII digits 0 to 9.
bool IsDigits(std::u16string_view text);

// `text` as a 64-bit integer literal narrowed to its low 32 bits, or `fallback`.
std::int32_t TextToIntDef(std::u16string_view text, std::int32_t fallback);

// Whole-text 32-bit conversion: leading spaces, one sign, decimal or $/x/0x hexadecimal.
bool TryTextToInt32(std::u16string_view text, std::int32_t& value);

// The keyword a token stands for: 'M.INTS' -> "INTS"; "H." commands keep their prefix.
std::u16string_view NormalizeKeyword(std::u16string_view token);

// The constant named "$(" + name + ")", else the one named `name`; nullptr when neither exists.
const TConstantDat* LookupConstant(const ConstantDicT& constants, std::u16string_view name);

// The constant stored under exactly `prefix` + name + `suffix`, or nullptr.
const TConstantDat* FindConstantKey(const ConstantDicT& constants, std::u16string_view prefix,
                                    std::u16string_view name, std::u16string_view suffix);

// True when `text` holds `c`.
inline bool Contains(std::u16string_view text, char16_t c) {
  return text.find(c) != std::u16string_view::npos;
}

// True when `a` and `b` are equal with the case of ASCII letters ignored.
bool SameTextAscii(std::u16string_view a, std::u16string_view b);

// The decimal text of `n`.
std::u16string DecimalText(std::int64_t n);

}  // namespace qorvan
