#include "Dispatcher.h"

#include <array>
#include <bitset>

#include "Recognisers.h"

namespace qorvan {

namespace {

// The longest command keyword ("CHECKMAPRANGEMONNAMECOUNT").
constexpr std::size_t MaxKeywordLength = 25;

// A cheap test that rules out most tokens before the keyword table is hashed: which first and
// last characters the keywords of each length have.
class KeywordFilter {
 public:
  explicit KeywordFilter(const Catalogue& cat) {
    for (const auto& [key, code] : cat.KeyWordDic) {
      (void)code;
      if (key.empty() || key.size() > MaxKeywordLength || key.front() >= 128 || key.back() >= 128) {
        usable_ = false;  // a keyword this filter cannot describe: let every token through
        continue;
      }
      first_[key.size()].set(key.front());
      last_[key.size()].set(key.back());
    }
  }

  // False only when `token` is certainly no keyword.
  bool MayMatch(std::u16string_view token) const {
    if (!usable_) return true;
    const std::size_t n = token.size();
    return n <= MaxKeywordLength && token.front() < 128 && token.back() < 128 &&
           first_[n].test(token.front()) && last_[n].test(token.back());
  }

 private:
  std::array<std::bitset<128>, MaxKeywordLength + 1> first_{};
  std::array<std::bitset<128>, MaxKeywordLength + 1> last_{};
  bool usable_ = true;
};

// The keyword of `token` in the catalogue, or nullptr.
const std::int32_t* FindKeyword(const Catalogue& cat, std::u16string_view token) {
  static const KeywordFilter filter(TheCatalogue());
  if (&cat == &TheCatalogue() && !filter.MayMatch(token)) return nullptr;
  auto it = cat.KeyWordDic.find(token);
  return it == cat.KeyWordDic.end() ? nullptr : &it->second;
}

// The recogniser of a keyword code; nullptr for the codes that only end the line.
KeywordHandler HandlerOf(std::int32_t code) {
  switch (code) {
    case 2:
      return ScanMapCommand;
    case 3:
      return ScanTagCommand;
    case 4:
      return ScanTimerCommand;
    case 5:
      return ScanSetAbilityCommand;
    case 6:
      return ScanHSetAbilityCommand;
    case 7:
      return ScanIntsCommand;
    case 8:
      return ScanHIntsCommand;
    case 9:
      return ScanStdModeFuncSection;
    case 10:
      return ScanUserCmdSection;
    case 20:
      return ScanCompValCommand;
    default:
      return nullptr;
  }
}

}  // namespace

bool IsHandledKeyword(const Catalogue& cat, std::u16string_view upperToken) {
  const std::int32_t* code = FindKeyword(cat, NormalizeKeyword(upperToken));
  return code != nullptr && HandlerOf(*code) != nullptr;
}

void ParseScriptLine(const LineContext& ctx, FileId path, std::u16string_view line,
                     std::int32_t lineNo, std::u16string_view upperLine) {
  if (upperLine.empty()) return;
  const ScriptLine script{path, line, lineNo, upperLine};
  const bool inMonItems = ctx.Files[path].InMonItems;
  // The letter-variable scan reads the whole line, so its answer is the same for every token.
  bool letterScanDone = false;
  std::u16string_view rest = upperLine;
  std::u16string_view token;
  while (!rest.empty()) {
    rest = SplitToken(rest, BlankChars, token);
    if (token.empty()) continue;
    token = NormalizeKeyword(token);
    if (const std::int32_t* code = FindKeyword(ctx.Cat, token)) {
      if (KeywordHandler handler = HandlerOf(*code)) handler(ctx, script, rest);
      return;
    }
    if (inMonItems) {
      ScanMonItemsLine(ctx, script);
      return;
    }
    if (!letterScanDone) {
      letterScanDone = true;
      if (ScanLetterVariables(ctx, path, script, token)) return;
    }
    if (ScanStrReferences(ctx, script, token)) return;
  }
}

}  // namespace qorvan
