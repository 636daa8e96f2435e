#include "MemberBuilders.h"
#include "Recognisers.h"

namespace qorvan {

namespace {

// The note of a literal SetAbility slot, chosen by its number.
std::u16string_view SlotDescription(std::int32_t slot) {
  if (slot >= 0 && slot <= 49) return u"0-49系统内置固有属性";
  if (slot >= 400 && slot <= 407) return u"400-407为特殊属性ID";
  return {};
}

void ScanSetAbility(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest,
                    MemberBuilder build, std::u16string_view constantLabel) {
  if (rest.empty()) return;
  std::u16string_view first;
  SplitToken(rest, BlankChars, first);
  if (first.empty()) return;
  TValueDat dat;
  if (IsDigits(first)) {
    if (build(ctx.Cat, first, dat))
      Record(ctx, dat, line.Path, line, UseWrap::Bare, SlotDescription(dat.Num));
    return;
  }
  // At most one slot named through a constant is recorded per line.
  ForEachToken(rest, [&](std::u16string_view token) {
    const TConstantDat* constant = LookupConstant(ctx, token);
    if (constant == nullptr || !build(ctx.Cat, constant->Dat, dat)) return false;
    Record(ctx, dat, constant->Path, line, UseWrap::Bare, Describe(constantLabel, token));
    return true;
  });
}

// The constant an INTS operand names; H.INTS also knows the "<$" name ">" spelling.
const TConstantDat* FindIntsConstant(const LineContext& ctx, std::u16string_view token,
                                     bool withAngleKey) {
  if (!withAngleKey) return LookupConstant(ctx, token);
  if (ctx.Constants.empty()) return nullptr;
  if (ctx.ConstantNames != nullptr && !ctx.ConstantNames->MayName(token)) return nullptr;
  if (const TConstantDat* c = FindConstantKey(ctx.Constants, u"$(", token, u")")) return c;
  if (const TConstantDat* c = FindConstantKey(ctx.Constants, u"<$", token, u">")) return c;
  return FindConstantKey(ctx.Constants, {}, token, {});
}

void ScanInts(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest,
              MemberBuilder build, std::u16string_view constantLabel, bool withAngleKey) {
  if (rest.empty()) return;
  std::u16string_view first;
  SplitToken(rest, BlankChars, first);
  if (first.empty()) return;
  TValueDat dat;
  if (IsDigits(first)) {
    if (build(ctx.Cat, first, dat)) Record(ctx, dat, line.Path, line, UseWrap::Bare, {});
    return;
  }
  // Slot phase until a constant gives the slot, then the operand phase for the letter variables
  // that later constants refer to.
  bool operandPhase = false;
  ForEachToken(rest, [&](std::u16string_view token) {
    const TConstantDat* constant = FindIntsConstant(ctx, token, withAngleKey);
    if (constant == nullptr) return false;
    if (!operandPhase) {
      if (!build(ctx.Cat, constant->Dat, dat)) return false;
      Record(ctx, dat, constant->Path, line, UseWrap::Bare, Describe(constantLabel, token));
      operandPhase = true;
      return false;
    }
    if (!Contains(constant->Dat, u'>')) return true;
    std::u16string_view inner = ExtractBracketed(constant->Dat, u'(', u')').Inner;
    if (inner.empty() || !ParseLetterVariable(ctx.Cat, inner, dat)) return false;
    Record(ctx, dat, constant->Path, line, UseWrap::Str, Describe(u"变量引用：", token));
    return false;
  });
}

}  // namespace

void ScanSetAbilityCommand(const LineContext& ctx, const ScriptLine& line,
                           std::u16string_view rest) {
  ScanSetAbility(ctx, line, rest, ParseSetAbilityNumber, u"常量SetAbility：");
}

void ScanHSetAbilityCommand(const LineContext& ctx, const ScriptLine& line,
                            std::u16string_view rest) {
  ScanSetAbility(ctx, line, rest, ParseHSetAbilityNumber, u"常量H.SetAbility：");
}

void ScanIntsCommand(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest) {
  ScanInts(ctx, line, rest, ParseIntsNumber, u"常量INTS：", false);
}

void ScanHIntsCommand(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest) {
  ScanInts(ctx, line, rest, ParseHIntsNumber, u"常量H.INTS：", true);
}

}  // namespace qorvan
