#include "MemberBuilders.h"
#include "Recognisers.h"

namespace qorvan {

namespace {

constexpr std::int32_t kHighestTag = 808;

bool InTagRange(std::int32_t n) {
  return n >= 1 && n <= kHighestTag;
}

// A tag reached through a constant is filed under the file that defines the constant.
void RecordConstantTag(const LineContext& ctx, const ScriptLine& line, std::u16string_view token,
                       const TConstantDat& constant, TValueDat& dat) {
  std::u16string_view inner = ExtractBracketed(constant.Dat, u'[', u']').Inner;
  if (inner.empty() || !InTagRange(TextToIntDef(inner, -1))) return;
  if (!ParseTagNumber(ctx.Cat, inner, dat)) return;
  try {
    Record(ctx, dat, constant.Path, line, UseWrap::Bare, Describe(u"常量标识：", token));
  } catch (...) {
    // A failure to record this use leaves the rest of the line to be examined.
  }
}

}  // namespace

void ScanTagCommand(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest) {
  (void)rest;
  if (line.Line.empty()) return;
  TValueDat dat;
  ForEachToken(line.Line, [&](std::u16string_view token) {
    std::u16string_view inner = ExtractBracketed(token, u'[', u']').Inner;
    if (!inner.empty()) {
      if (InTagRange(TextToIntDef(inner, -1)) && ParseTagNumber(ctx.Cat, inner, dat))
        Record(ctx, dat, line.Path, line, UseWrap::Bare, {});
      return false;
    }
    if (const TConstantDat* constant = LookupConstant(ctx, token))
      RecordConstantTag(ctx, line, token, *constant, dat);
    return false;
  });
}

void ScanTimerCommand(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest) {
  TValueDat dat;
  bool accepted = false;
  if (rest.empty() && !line.Line.empty()) {
    // Section header: the number between the last "R" before the first "]" and that "]".
    std::u16string_view inner = ExtractBracketed(line.UpperLine, u'R', u']').Inner;
    accepted = IsDigits(inner) && ParseTimerNumber(ctx.Cat, inner, dat);
  } else if (!rest.empty()) {
    std::u16string_view token;
    SplitToken(rest, BlankChars, token);
    accepted = IsDigits(token) && ParseTimerNumber(ctx.Cat, token, dat);
  }
  if (accepted) Record(ctx, dat, line.Path, line, UseWrap::Bare, {});
}

}  // namespace qorvan
