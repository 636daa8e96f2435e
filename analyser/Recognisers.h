// The recognisers the dispatcher hands a script line to, and the letter-variable builder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ConstantNameFilter.h"
#include "Plus.h"
#include "TextHelpers.h"

namespace qorvan {

// Longest token that can be a letter variable: one letter and at most three digits.
inline constexpr std::size_t MaxLetterVarLength = 4;

// One script line on its way through the dispatcher and the recognisers.
struct ScriptLine {
  FileId Path = 0;                // the file being analysed
  std::u16string_view Line;       // as read; a view into the file's text
  std::int32_t LineNo = 0;        // 1-based
  std::u16string_view UpperLine;  // Line upper-cased
};

// The signature of every keyword recogniser; `rest` is the upper-cased text after the keyword.
using KeywordHandler = void (*)(const LineContext& ctx, const ScriptLine& line,
                                std::u16string_view rest);

// Calls `visit(token)` for each blank-separated token of `text` until it returns true.
template <typename Visit>
void ForEachToken(std::u16string_view text, Visit&& visit) {
  std::u16string_view rest = text;
  std::u16string_view token;
  while (!rest.empty()) {
    rest = SplitToken(rest, BlankChars, token);
    if (token.empty()) continue;
    if (visit(token)) return;
  }
}

// LookupConstant in the context's constants, asking its name filter first when it has one.
inline const TConstantDat* LookupConstant(const LineContext& ctx, std::u16string_view name) {
  if (ctx.Constants.empty()) return nullptr;
  if (ctx.ConstantNames != nullptr && !ctx.ConstantNames->MayName(name)) return nullptr;
  return LookupConstant(ctx.Constants, name);
}

// Records one use of `dat` found on `line`, filed under `path`.
inline void Record(const LineContext& ctx, const TValueDat& dat, FileId path,
                   const ScriptLine& line, UseWrap wrap, std::u16string_view descr) {
  ctx.Sink.RecordValueUse(dat, path, line.Line, line.LineNo, wrap, descr);
}

// `label` followed by `token`: the description of a use reached through a constant.
inline std::u16string Describe(std::u16string_view label, std::u16string_view token) {
  std::u16string text(label);
  text.append(token);
  return text;
}

// A letter variable such as 'G11' (any case) to its member; false (dat.ID 0) when it is none.
bool ParseLetterVariable(const Catalogue& cat, std::u16string_view token, TValueDat& dat);

// Records every letter variable of the line as read, direct or through a constant; filed under
// `path`. Does nothing unless `guard` is non-empty. True when a use was recorded.
bool ScanLetterVariables(const LineContext& ctx, FileId path, const ScriptLine& line,
                         std::u16string_view guard);
// Records the "<$STR(" references of one upper-cased token. True when a use was recorded.
bool ScanStrReferences(const LineContext& ctx, const ScriptLine& line, std::u16string_view token);
// A monster-drop line: the first token with "$" and a bracketed part decides.
void ScanMonItemsLine(const LineContext& ctx, const ScriptLine& line);

// Code 2: map commands.
void ScanMapCommand(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest);
// Code 3: "CHECK" and "SET" with personal tags.
void ScanTagCommand(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest);
// Code 4: timer commands and timer section headers.
void ScanTimerCommand(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest);
// Code 5: "SETABILITY".
void ScanSetAbilityCommand(const LineContext& ctx, const ScriptLine& line,
                           std::u16string_view rest);
// Code 6: "H.SETABILITY".
void ScanHSetAbilityCommand(const LineContext& ctx, const ScriptLine& line,
                            std::u16string_view rest);
// Code 7: "INTS" and "CHECKINTS".
void ScanIntsCommand(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest);
// Code 8: "H.INTS" and "H.CHECKINTS".
void ScanHIntsCommand(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest);
// Code 9: item-trigger section headers.
void ScanStdModeFuncSection(const LineContext& ctx, const ScriptLine& line,
                            std::u16string_view rest);
// Code 10: user-command section headers.
void ScanUserCmdSection(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest);
// Code 20: "COMPVAL" and "!COMPVAL".
void ScanCompValCommand(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest);

// The slot family a COMPVAL operand names between "$" and "S": 0 none, 1 SetAbility,
// 2 H.SetAbility, 3 INTS, 4 H.INTS.
std::int32_t CompValOperandKind(std::u16string_view token);

}  // namespace qorvan
