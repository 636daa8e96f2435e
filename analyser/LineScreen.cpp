#include "LineScreen.h"

#include <algorithm>
#include <string>

#include "ConstantNameFilter.h"
#include "Dispatcher.h"
#include "LineSplit.h"
#include "TextHelpers.h"
#include "UnitSearch.h"
#include "UpperCase.h"

namespace qorvan {

namespace {

// What a unit can contribute to a use. Outside ASCII only the units that upper-case to a
// variable letter ('ı', 'ſ') count; no other unit is a blank, a digit or punctuation.
enum UnitClass : std::uint8_t {
  kBlank = 1,
  kGreater = 2,
  kDigit = 4,
  kVarLetter = 8,
  kDot = 16,
  kParen = 32,
  kDollar = 64,
  kBreak = 128,
};

constexpr std::array<std::uint8_t, 128> kAsciiClass = [] {
  std::array<std::uint8_t, 128> classes{};
  classes[' '] = classes['\t'] = kBlank;
  classes['\r'] = classes['\n'] = classes['\0'] = kBreak;
  classes['>'] = kGreater;
  classes['.'] = kDot;
  classes['('] = classes[')'] = kParen;
  classes['$'] = kDollar;
  for (char c = '0'; c <= '9'; ++c) classes[static_cast<unsigned char>(c)] = kDigit;
  for (char c : {'A', 'D', 'E', 'F', 'G', 'H', 'I', 'M', 'P', 'S'}) {
    classes[static_cast<unsigned char>(c)] = kVarLetter;
    classes[static_cast<unsigned char>(c + 32)] = kVarLetter;
  }
  return classes;
}();

// 256 K bits (32 KB) for the constant-name hashes.
constexpr std::size_t kNameBits = std::size_t{1} << 18;

std::size_t LengthSlot(std::size_t length) {
  return std::min<std::size_t>(length, 64);
}

bool IsBreak(char16_t c) {
  return c == u'\r' || c == u'\n' || c == u'\0';
}

bool IsSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

// The units outside ASCII that upper-case to a letter of a letter variable.
const std::vector<bool>& NonAsciiVarLetters() {
  static const std::vector<bool> letters = [] {
    std::vector<bool> bits(0x10000, false);
    const char16_t* upper = UnitUpperCases();
    for (std::size_t c = 128; c < bits.size(); ++c)
      if (upper[c] < 128 && (kAsciiClass[upper[c]] & kVarLetter)) bits[c] = true;
    return bits;
  }();
  return letters;
}

// Hashes of a name, upper-cased unit by unit as it is read.
class NameHash {
 public:
  void Add(char16_t c) {
    hash_ ^= c;
    hash_ *= 1099511628211ull;  // FNV-1a
  }
  std::size_t Bit(int which) const {
    return static_cast<std::size_t>((which == 0 ? hash_ : hash_ >> 32) % kNameBits);
  }

 private:
  std::uint64_t hash_ = 14695981039346656037ull;
};

}  // namespace

LineScreen::LineScreen(const Catalogue& cat, const ConstantDicT& constants)
    : cat_(cat), upper_(UnitUpperCases()) {
  for (const auto& [key, code] : cat.KeyWordDic) {
    (void)code;
    if (!IsHandledKeyword(cat, key) || key.size() > kLongestKeyword) continue;
    keywordFirst_[key.size()].set(key.front() & 0x7F);
    keywordLast_[key.size()].set(key.back() & 0x7F);
  }
  for (const auto& [key, constant] : constants) {
    (void)constant;
    AddConstantName(key);
    AddConstantName(BareConstantName(key));
  }
}

void LineScreen::AddConstantName(std::u16string_view name) {
  if (name.empty()) return;
  if (!anyConstant_) {
    anyConstant_ = true;
    nameFirsts_.assign(0x10000, false);
    nameBits_.assign(kNameBits / 64, 0);
  }
  // A name is looked up as read and as upper-cased, and what is tested is the text upper-cased
  // unit by unit: the name is described as it is, upper-cased, and both upper-cased once more
  // (no mapping has to be idempotent).
  for (const std::u16string& form : {std::u16string(name), UpperCased(name)}) {
    for (bool again : {false, true}) {
      NameHash hash;
      for (char16_t c : form) hash.Add(again ? upper_[c] : c);
      nameFirsts_[again ? upper_[form.front()] : form.front()] = true;
      for (int which : {0, 1})
        nameBits_[hash.Bit(which) / 64] |= std::uint64_t{1} << (hash.Bit(which) % 64);
    }
  }
  nameLengths_.set(LengthSlot(name.size()));
}

bool LineScreen::MayNameConstant(std::u16string_view name) const {
  if (name.empty() || !nameLengths_.test(LengthSlot(name.size()))) return false;
  if (!nameFirsts_[upper_[name.front()]]) return false;
  NameHash hash;
  for (char16_t c : name) {
    // Upper-casing a surrogate pair is not unit by unit: let such a name through.
    if (IsSurrogate(c)) return true;
    hash.Add(upper_[c]);
  }
  for (int which : {0, 1})
    if ((nameBits_[hash.Bit(which) / 64] & (std::uint64_t{1} << (hash.Bit(which) % 64))) == 0)
      return false;
  return true;
}

bool LineScreen::MayBeHandledKeyword(std::u16string_view token, bool hasDot) const {
  if (!hasDot) {
    if (token.size() > kLongestKeyword) return false;
    const char16_t first = upper_[token.front()];
    const char16_t last = upper_[token.back()];
    if (first >= 128 || last >= 128 || !keywordFirst_[token.size()].test(first) ||
        !keywordLast_[token.size()].test(last))
      return false;
  }
  std::array<char16_t, 64> buffer;
  if (token.size() <= buffer.size()) {
    UpperCaseUnits(token, buffer.data());
    return IsHandledKeyword(cat_, std::u16string_view(buffer.data(), token.size()));
  }
  return IsHandledKeyword(cat_, UpperCased(token));
}

// Outside the recognisers a token records as a letter variable (told apart first), through a
// "<$STR(" reference, which needs '>' and a round bracket, or by naming a constant, itself or
// between round brackets. Angled operands and the rest are the recognisers' own.
bool LineScreen::TokenMayRecord(std::u16string_view token, std::uint8_t seen) const {
  const bool hasParen = (seen & kParen) != 0;
  if (hasParen && (seen & kGreater)) return true;
  if (MayBeHandledKeyword(token, (seen & kDot) != 0)) return true;
  if (!anyConstant_) return false;
  if (MayNameConstant(token)) return true;
  return hasParen && MayNameConstant(ExtractBracketed(token, u'(', u')').Inner);
}

// The blank-separated tokens of the line that starts at `pos`, each with the classes of its
// punctuation; the units between are passed over eight at a time. The line ends at a break.
class TokenWalk {
 public:
  TokenWalk(std::u16string_view text, std::size_t pos) : text_(text), pos_(pos) {}

  // The next token and the classes of its punctuation units; false at the end of the line.
  bool Next(std::u16string_view& token, std::uint8_t& seen) {
    const char16_t* data = text_.data();
    const std::size_t size = text_.size();
    while (pos_ < size && (data[pos_] == u' ' || data[pos_] == u'\t')) ++pos_;
    if (pos_ == size || IsBreak(data[pos_])) return false;
    const std::size_t start = pos_;
    seen = 0;
    for (pos_ = FindPunctuation(data, pos_, size); pos_ < size;
         pos_ = FindPunctuation(data, pos_ + 1, size)) {
      const std::uint8_t cls = kAsciiClass[data[pos_]];
      if (cls & (kBlank | kBreak)) break;
      seen |= cls;
    }
    token = text_.substr(start, pos_ - start);
    return true;
  }

  // Moves to the end of the line unless `unit` comes first; true when it does (the walk then
  // stays where it was).
  bool SkipLineUnless(char16_t unit) {
    const std::size_t found = FindLineEndOr(text_.data(), pos_, text_.size(), unit);
    if (found < text_.size() && text_[found] == unit) return true;
    pos_ = found;
    return false;
  }

  // Where the walk stands: once Next returned false, the end of the line.
  std::size_t Pos() const { return pos_; }

 private:
  std::u16string_view text_;
  std::size_t pos_;
};

bool LineScreen::StartsLetterVariable(std::u16string_view token) const {
  if (token.size() < 2 || token[1] < u'0' || token[1] > u'9') return false;
  const char16_t c = token[0];
  return c < 128 ? (kAsciiClass[c] & kVarLetter) != 0 : NonAsciiVarLetters()[c];
}

bool LineScreen::TokensMayRecord(TokenWalk& tokens) const {
  std::u16string_view token;
  std::uint8_t seen = 0;
  while (tokens.Next(token, seen))
    if (StartsLetterVariable(token) || TokenMayRecord(token, seen)) return true;
  return false;
}

bool LineScreen::MonItemsTokensMayRecord(TokenWalk& tokens) const {
  // The first token decides: a keyword goes to its recogniser, anything else makes a drop line,
  // which records only from a token with "$" and a bracketed part.
  std::u16string_view token;
  std::uint8_t seen = 0;
  if (!tokens.Next(token, seen)) return false;
  if ((seen & kDollar) && (seen & kParen)) return true;
  if (MayBeHandledKeyword(token, (seen & kDot) != 0)) return true;
  // Most drop lines have no "$" at all: one search tells.
  if (!tokens.SkipLineUnless(u'$')) return false;
  while (tokens.Next(token, seen))
    if ((seen & kDollar) && (seen & kParen)) return true;
  return false;
}

bool LineScreen::MayRecord(std::u16string_view line) const {
  TokenWalk tokens(line, 0);
  return TokensMayRecord(tokens);
}

bool LineScreen::MonItemsLineMayRecord(std::u16string_view line) const {
  TokenWalk tokens(line, 0);
  return MonItemsTokensMayRecord(tokens);
}

ScreenedLines::ScreenedLines(const LineScreen& screen, std::u16string_view text, bool monItems)
    : screen_(screen), text_(text), monItems_(monItems) {}

bool ScreenedLines::Next(std::u16string_view& line, bool& mayRecord) {
  if (pos_ == std::u16string_view::npos || pos_ >= text_.size() || text_[pos_] == u'\0')
    return false;
  TokenWalk tokens(text_, pos_);
  mayRecord = monItems_ ? screen_.MonItemsTokensMayRecord(tokens) : screen_.TokensMayRecord(tokens);
  // A line that may record was left part-read; one that cannot was read to its end.
  const std::size_t end =
      mayRecord ? FindLineEnd(text_.data(), tokens.Pos(), text_.size()) : tokens.Pos();
  line = text_.substr(pos_, end - pos_);
  pos_ = NextLineStart(text_, end);
  return true;
}

}  // namespace qorvan
