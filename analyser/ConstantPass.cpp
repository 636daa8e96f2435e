#include "LineSplit.h"
#include "Plus.h"
#include "TextHelpers.h"
#include "UnitSearch.h"
#include "UpperCase.h"

namespace qorvan {

namespace {

// The line without the characters U+0000 to U+0020 at either end.
std::u16string_view Trimmed(std::u16string_view line) {
  std::size_t begin = 0;
  std::size_t end = line.size();
  while (begin < end && line[begin] <= u' ') ++begin;
  while (end > begin && line[end - 1] <= u' ') --end;
  return line.substr(begin, end - begin);
}

// Adds the definition on one upper-cased, trimmed line, if it is one.
void ReadDefinition(std::u16string_view line, FileId file, bool filtered,
                    std::vector<std::pair<std::u16string, TConstantDat>>& out) {
  if (line.empty()) return;
  // A commented-out definition counts while comments are not filtered.
  std::u16string_view keyword = u"#DEFINE";
  if (line[0] == u';') {
    if (filtered) return;
    keyword = u";#DEFINE";
  }
  std::u16string_view first;
  std::u16string_view rest = SplitToken(line, BlankChars, first);
  if (first != keyword) return;
  std::u16string_view name;
  std::u16string_view value;
  rest = SplitToken(rest, BlankChars, name);
  SplitToken(rest, BlankChars, value);
  if (name.empty() || value.empty()) return;
  out.emplace_back(std::u16string(name), TConstantDat{std::u16string(value), file});
}

// True when some "#" in the text is followed by what upper-cases to "DEFINE": a text without one
// holds no definition line, and most texts can skip the line walk.
// Units are upper-cased one by one, as UpperCaseInto maps them: the word is all BMP letters, and
// a surrogate, which UpperCaseInto maps in pairs, never upper-cases to one of them.
bool MayHoldDefinition(std::u16string_view text) {
  static constexpr std::u16string_view kWord = u"DEFINE";
  const char16_t* upper = UnitUpperCases();
  const char16_t* data = text.data();
  for (std::size_t pos = FindUnit(data, 0, text.size(), u'#'); pos < text.size();
       pos = FindUnit(data, pos + 1, text.size(), u'#')) {
    if (text.size() - pos - 1 < kWord.size()) return false;
    std::size_t k = 0;
    while (k < kWord.size() && upper[data[pos + 1 + k]] == kWord[k]) ++k;
    if (k == kWord.size()) return true;
  }
  return false;
}

}  // namespace

std::vector<std::pair<std::u16string, TConstantDat>> ReadDefines(std::u16string_view text,
                                                                 FileId file, bool filtered) {
  std::vector<std::pair<std::u16string, TConstantDat>> defines;
  if (!MayHoldDefinition(text)) return defines;
  LineCursor lines(text);
  std::u16string_view line;
  std::u16string upper;
  while (lines.Next(line)) {
    try {
      std::u16string_view trimmed = Trimmed(line);
      // Upper-casing never yields "#" or ";", so other lines cannot be definitions.
      if (trimmed.empty() || (trimmed[0] != u'#' && trimmed[0] != u';')) continue;
      UpperCaseInto(trimmed, upper);
      ReadDefinition(upper, file, filtered, defines);
    } catch (...) {
      // A line that fails is passed over; the pass goes on with the next one.
    }
  }
  return defines;
}

void MergeDefines(ConstantDicT& constants,
                  std::vector<std::pair<std::u16string, TConstantDat>>&& defines) {
  for (auto& [name, constant] : defines)
    constants.try_emplace(std::move(name), std::move(constant));
}

void CollectDefines(RunState& state, FileId file) {
  MergeDefines(state.ConstantDic,
               ReadDefines(state.FileDic[file].Text, file, state.Settings.Filtered));
}

}  // namespace qorvan
