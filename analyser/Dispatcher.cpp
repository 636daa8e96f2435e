#include "Dispatcher.h"

#include "Recognisers.h"

namespace qorvan {

namespace {

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
    auto keyword = ctx.Cat.KeyWordDic.find(token);
    if (keyword != ctx.Cat.KeyWordDic.end()) {
      if (KeywordHandler handler = HandlerOf(keyword->second)) handler(ctx, script, rest);
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
