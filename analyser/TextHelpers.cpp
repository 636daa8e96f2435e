#include "TextHelpers.h"

#include <array>
#include <limits>

namespace qorvan {

std::u16string Bracketed::Remainder() const {
  std::u16string joined;
  joined.reserve(Before.size() + After.size());
  joined.append(Before);
  joined.append(After);
  return joined;
}

Bracketed ExtractBracketed(std::u16string_view source, char16_t open, char16_t close) {
  Bracketed result;
  constexpr std::size_t npos = std::u16string_view::npos;
  std::size_t firstOpen = npos;
  std::size_t firstClose = npos;
  for (std::size_t pos = 0; pos < source.size() && (firstOpen == npos || firstClose == npos);
       ++pos) {
    const char16_t c = source[pos];
    if (c == open && firstOpen == npos) firstOpen = pos;
    if (c == close && firstClose == npos) firstClose = pos;
  }
  // Neither bracket: nothing to cut. With one bracket supplied the text has at least two
  // characters, so the rule that a shorter text yields nothing never applies below.
  if (firstOpen == npos && firstClose == npos) return result;
  if (firstOpen == npos) {
    // An opening bracket supplied in front pairs with the first closing one.
    result.Found = true;
    result.Inner = source.substr(0, firstClose);
    result.After = source.substr(firstClose + 1);
    return result;
  }
  if (firstClose == npos) {
    // A closing bracket supplied at the end pairs with the last opening one.
    const std::size_t lastOpen = source.rfind(open);
    result.Found = true;
    result.Before = source.substr(0, lastOpen);
    result.Inner = source.substr(lastOpen + 1);
    return result;
  }
  // Closing brackets before the first opening one are ignored; the pair is the last opening
  // bracket before the first closing one that follows it.
  std::size_t start = firstOpen;
  for (std::size_t pos = firstOpen + 1; pos < source.size(); ++pos) {
    const char16_t c = source[pos];
    if (c == open) {
      start = pos;
    } else if (c == close) {
      result.Found = true;
      result.Before = source.substr(0, start);
      result.Inner = source.substr(start + 1, pos - start - 1);
      result.After = source.substr(pos + 1);
      return result;
    }
  }
  return result;
}

bool IsDigits(std::u16string_view text) {
  if (text.empty()) return false;
  for (char16_t c : text)
    if (c < u'0' || c > u'9') return false;
  return true;
}

namespace {

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

bool IsX(char16_t c) {
  return c == u'x' || c == u'X';
}

// Reads the digits of `text` from `pos` to its end; false on any other character, no digit,
// or a magnitude above `limit`.
bool ReadMagnitude(std::u16string_view text, std::size_t pos, bool hex, std::uint64_t limit,
                   std::uint64_t& magnitude) {
  if (pos >= text.size()) return false;
  const std::uint64_t base = hex ? 16 : 10;
  magnitude = 0;
  for (; pos < text.size(); ++pos) {
    int digit = hex ? HexDigit(text[pos])
                    : (text[pos] >= u'0' && text[pos] <= u'9' ? text[pos] - u'0' : -1);
    if (digit < 0) return false;
    if (magnitude > (limit - static_cast<std::uint64_t>(digit)) / base) return false;
    magnitude = magnitude * base + static_cast<std::uint64_t>(digit);
  }
  return true;
}

}  // namespace

std::int32_t TextToIntDef(std::u16string_view text, std::int32_t fallback) {
  if (text.empty()) return fallback;
  const char16_t first = text[0];
  if (!(first >= u'0' && first <= u'9') && first != u'+' && first != u'-') return fallback;
  std::size_t pos = 0;
  bool negative = false;
  bool hex = false;
  if (first == u'+' || first == u'-') {
    negative = first == u'-';
    pos = 1;
    if (pos < text.size() && (text[pos] == u'$' || IsX(text[pos]))) {
      hex = true;
      ++pos;
    }
  }
  if (!hex && pos + 1 < text.size() && text[pos] == u'0' && IsX(text[pos + 1])) {
    hex = true;
    pos += 2;
  }
  // Hexadecimal takes any 64-bit pattern; decimal must fit the signed 64-bit range.
  const std::uint64_t limit = hex        ? std::numeric_limits<std::uint64_t>::max()
                              : negative ? std::uint64_t{1} << 63
                                         : (std::uint64_t{1} << 63) - 1;
  std::uint64_t magnitude = 0;
  if (!ReadMagnitude(text, pos, hex, limit, magnitude)) return fallback;
  const std::uint64_t bits = negative ? std::uint64_t{0} - magnitude : magnitude;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
}

bool TryTextToInt32(std::u16string_view text, std::int32_t& value) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == u' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
    negative = text[pos] == u'-';
    ++pos;
  }
  bool hex = false;
  if (pos < text.size() && (text[pos] == u'$' || IsX(text[pos]))) {
    hex = true;
    ++pos;
  } else if (pos + 1 < text.size() && text[pos] == u'0' && IsX(text[pos + 1])) {
    hex = true;
    pos += 2;
  }
  const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
  std::uint64_t magnitude = 0;
  if (!ReadMagnitude(text, pos, hex, limit, magnitude)) return false;
  const std::int64_t signedValue =
      negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  value = static_cast<std::int32_t>(signedValue);
  return true;
}

std::u16string_view NormalizeKeyword(std::u16string_view token) {
  if (!Contains(token, u'.')) return token;  // no prefix to strip
  std::u16string_view head;
  std::u16string_view tail = SplitToken(token, u".", head);
  if (head == u"H") return token;
  if (SameTextAscii(tail, u"Ints") || SameTextAscii(tail, u"SetAbility")) return tail;
  return token;
}

const TConstantDat* FindConstantKey(const ConstantDicT& constants, std::u16string_view prefix,
                                    std::u16string_view name, std::u16string_view suffix) {
  const std::size_t size = prefix.size() + name.size() + suffix.size();
  auto find = [&](std::u16string_view key) -> const TConstantDat* {
    auto it = constants.find(key);
    return it == constants.end() ? nullptr : &it->second;
  };
  // Most names are short: build the key on the stack rather than on the heap.
  std::array<char16_t, 128> buffer;
  if (size <= buffer.size()) {
    char16_t* out = buffer.data();
    out = std::copy(prefix.begin(), prefix.end(), out);
    out = std::copy(name.begin(), name.end(), out);
    std::copy(suffix.begin(), suffix.end(), out);
    return find(std::u16string_view(buffer.data(), size));
  }
  std::u16string key;
  key.reserve(size);
  key.append(prefix).append(name).append(suffix);
  return find(key);
}

const TConstantDat* LookupConstant(const ConstantDicT& constants, std::u16string_view name) {
  if (constants.empty()) return nullptr;
  if (const TConstantDat* found = FindConstantKey(constants, u"$(", name, u")")) return found;
  auto it = constants.find(name);
  return it == constants.end() ? nullptr : &it->second;
}

bool SameTextAscii(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  auto fold = [](char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (fold(a[i]) != fold(b[i])) return false;
  return true;
}

std::u16string DecimalText(std::int64_t n) {
  std::string s = std::to_string(n);
  return std::u16string(s.begin(), s.end());
}

}  // namespace qorvan
