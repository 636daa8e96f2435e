// A quick look at a script line before it is upper-cased and dispatched: most lines (dialogue,
// labels, plain commands) can record nothing, and telling so takes one pass over the line.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

#include "Plus.h"

namespace qorvan {

class TokenWalk;  // LineScreen.cpp

// Built from a run's finished ConstantDic; never answers "no" for a line that records a use.
class LineScreen {
 public:
  LineScreen(const Catalogue& cat, const ConstantDicT& constants);
  // False only when ParseScriptLine records nothing for `line` in a file outside MonItems.
  bool MayRecord(std::u16string_view line) const;
  // The same for a line of a MonItems file.
  bool MonItemsLineMayRecord(std::u16string_view line) const;

 private:
  friend class ScreenedLines;

  // The longest keyword; only a token with a '.' prefix to strip can be longer and name one.
  static constexpr std::size_t kLongestKeyword = 25;

  bool TokensMayRecord(TokenWalk& tokens) const;
  bool MonItemsTokensMayRecord(TokenWalk& tokens) const;
  bool StartsLetterVariable(std::u16string_view token) const;
  bool TokenMayRecord(std::u16string_view token, std::uint8_t seen) const;
  bool MayBeHandledKeyword(std::u16string_view token, bool hasDot) const;
  bool MayNameConstant(std::u16string_view name) const;
  void AddConstantName(std::u16string_view name);

  const Catalogue& cat_;
  const char16_t* upper_;  // the upper case of each BMP unit
  // First and last characters of the keywords with a recogniser, by length.
  std::array<std::bitset<128>, kLongestKeyword + 1> keywordFirst_{};
  std::array<std::bitset<128>, kLongestKeyword + 1> keywordLast_{};
  // Constant names as they can be looked up, upper-cased unit by unit: upper-cased lines look
  // names up too. Lengths (the last bit for every longer one), first units and a hash of each.
  bool anyConstant_ = false;
  std::bitset<65> nameLengths_;
  std::vector<bool> nameFirsts_;
  std::vector<std::uint64_t> nameBits_;
};

// Hands out the lines of a text exactly as LineCursor does, each with the screen's verdict; a
// line the screen passes over is read once.
class ScreenedLines {
 public:
  ScreenedLines(const LineScreen& screen, std::u16string_view text, bool monItems);
  // Sets `line` to the next line and `mayRecord` to the screen's verdict on it (as
  // MonItemsLineMayRecord in a MonItems file); false when the text has no more lines.
  bool Next(std::u16string_view& line, bool& mayRecord);

 private:
  const LineScreen& screen_;
  std::u16string_view text_;
  bool monItems_;
  std::size_t pos_ = 0;  // npos once a NUL ended the text
};

}  // namespace qorvan
