#include "ReferenceParts.h"

#include <algorithm>
#include <string>
#include <vector>

#include "TextHelpers.h"

namespace qorvan {

namespace {

std::size_t CountGreater(std::u16string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), u'>'));
}

std::size_t NextBracket(std::u16string_view text, std::size_t pos) {
  while (pos < text.size() && text[pos] != u'(' && text[pos] != u')') ++pos;
  return pos;
}

}  // namespace

void ForEachReferencePart(std::u16string_view token,
                          const std::function<void(std::u16string_view)>& visit) {
  std::size_t greater = CountGreater(token);  // ">" in the text not cut away yet
  if (greater == 0 || NextBracket(token, 0) == token.size()) return;

  // Repeated cutting removes innermost pairs left to right, which is what a stack of open
  // brackets finds in one pass. `kept` holds the text not cut away so far.
  std::u16string kept;
  kept.reserve(token.size());
  std::vector<std::size_t> opens;  // positions of unmatched "(" in `kept`
  bool unmatchedClose = false;
  for (std::size_t pos = 0; pos < token.size();) {
    const std::size_t bracket = NextBracket(token, pos);
    kept.append(token.substr(pos, bracket - pos));
    if (bracket == token.size()) break;
    pos = bracket + 1;
    if (token[bracket] == u'(') {
      opens.push_back(kept.size());
      kept.push_back(u'(');
    } else if (opens.empty()) {
      unmatchedClose = true;
      kept.push_back(u')');
    } else {
      if (greater == 0) return;  // the text left holds no ">": the scan has ended
      const std::size_t open = opens.back();
      opens.pop_back();
      const std::u16string_view inner = std::u16string_view(kept).substr(open + 1);
      greater -= CountGreater(inner);
      if (!inner.empty()) visit(inner);
      kept.resize(open);
    }
  }

  // Left: unmatched ")" all before unmatched "(". With both, no pair can be cut. With only ")",
  // each cut pairs a supplied "(" in front with the first ")"; with only "(", the last "(" with a
  // supplied ")" at the end.
  const std::u16string_view rest = kept;
  if (unmatchedClose && !opens.empty()) return;
  if (unmatchedClose) {
    for (std::size_t start = 0; greater > 0;) {
      const std::size_t close = rest.find(u')', start);
      if (close == std::u16string_view::npos) return;
      const std::u16string_view inner = rest.substr(start, close - start);
      greater -= CountGreater(inner);
      if (!inner.empty()) visit(inner);
      start = close + 1;
    }
    return;
  }
  for (std::size_t end = rest.size(); greater > 0 && !opens.empty();) {
    const std::size_t open = opens.back();
    opens.pop_back();
    const std::u16string_view inner = rest.substr(open + 1, end - open - 1);
    greater -= CountGreater(inner);
    if (!inner.empty()) visit(inner);
    end = open;
  }
}

}  // namespace qorvan
