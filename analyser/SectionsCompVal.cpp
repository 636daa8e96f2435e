#include "MemberBuilders.h"
#include "Recognisers.h"

namespace qorvan {

namespace {

// A section header that ends its line: the number between the last `open` before the first "]".
void ScanSectionHeader(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest,
                       char16_t open, MemberBuilder build) {
  if (!rest.empty() || line.Line.empty()) return;
  std::u16string_view inner = ExtractBracketed(line.UpperLine, open, u']').Inner;
  TValueDat dat;
  if (IsDigits(inner) && build(ctx.Cat, inner, dat))
    Record(ctx, dat, line.Path, line, UseWrap::Bare, {});
}

// True when `word` + "S" equals `name`, ASCII case ignored.
bool FamilyWordIs(std::u16string_view word, std::u16string_view name) {
  return !name.empty() && name.back() == u'S' &&
         SameTextAscii(word, name.substr(0, name.size() - 1));
}

// The slot builders of CompValOperandKind 1 to 4, with their description labels.
struct SlotKind {
  MemberBuilder Build;
  std::u16string_view ConstantLabel;
};

constexpr SlotKind kSlotKinds[] = {
    {ParseSetAbilityNumber, u"常量SetAbility："},
    {ParseHSetAbilityNumber, u"常量H.SetAbility："},
    {ParseIntsNumber, u"常量INTS："},
    {ParseHIntsNumber, u"常量H.INTS："},
};

// A parenthesised operand that names a constant: letter variable, then tag, then slot.
void RecordCompValConstant(const LineContext& ctx, const ScriptLine& line,
                           std::u16string_view token, const TConstantDat& constant) {
  TValueDat dat;
  if (ParseLetterVariable(ctx.Cat, constant.Dat, dat)) {
    Record(ctx, dat, constant.Path, line, UseWrap::Bare, Describe(u"变量引用：", token));
    return;
  }
  std::u16string_view tag = ExtractBracketed(constant.Dat, u'[', u']').Inner;
  if (!tag.empty()) {
    std::int32_t n = TextToIntDef(tag, -1);
    if (n >= 1 && n <= 808 && ParseTagNumber(ctx.Cat, tag, dat)) {
      try {
        Record(ctx, dat, constant.Path, line, UseWrap::Bare, Describe(u"常量标识：", token));
      } catch (...) {
        // A failure to record this tag leaves the rest of the line to be examined.
      }
      return;
    }
  }
  std::int32_t kind = CompValOperandKind(token);
  if (kind < 1 || kind > 4) return;
  const SlotKind& slot = kSlotKinds[kind - 1];
  if (slot.Build(ctx.Cat, constant.Dat, dat))
    Record(ctx, dat, constant.Path, line, UseWrap::Bare, Describe(slot.ConstantLabel, token));
}

// An operand without parentheses such as '<$INTS5>': the family word and the number behind it.
void RecordCompValLiteral(const LineContext& ctx, const ScriptLine& line,
                          std::u16string_view token) {
  std::u16string_view angled = ExtractBracketed(token, u'<', u'>').Inner;
  if (angled.empty()) return;
  Bracketed word = ExtractBracketed(angled, u'$', u'S');
  std::u16string number = word.Remainder();
  MemberBuilder build = nullptr;
  std::u16string_view label;
  if (FamilyWordIs(word.Inner, u"INTS")) {
    build = ParseIntsNumber;
    label = u"COMPVAL命令 INTS：";
  } else if (FamilyWordIs(word.Inner, u"H.INTS")) {
    build = ParseHIntsNumber;
    label = u"COMPVAL命令 H.INTS：";
  } else if (FamilyWordIs(word.Inner, u"ABILITIES")) {
    build = ParseSetAbilityNumber;
    label = u"COMPVAL命令 SetAbility：";
  } else if (FamilyWordIs(word.Inner, u"H.ABILITIES")) {
    build = ParseHSetAbilityNumber;
    label = u"COMPVAL命令 H.SetAbility：";
  } else {
    return;
  }
  TValueDat dat;
  if (build(ctx.Cat, number, dat))
    Record(ctx, dat, line.Path, line, UseWrap::Bare, Describe(label, token));
}

}  // namespace

void ScanStdModeFuncSection(const LineContext& ctx, const ScriptLine& line,
                            std::u16string_view rest) {
  ScanSectionHeader(ctx, line, rest, u'C', ParseStdModeFuncNumber);
}

void ScanUserCmdSection(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest) {
  ScanSectionHeader(ctx, line, rest, u'D', ParseUserCmdNumber);
}

std::int32_t CompValOperandKind(std::u16string_view token) {
  Bracketed word = ExtractBracketed(token, u'$', u'S');
  if (word.RemainderEmpty()) return 0;
  if (FamilyWordIs(word.Inner, u"ABILITIES")) return 1;
  if (FamilyWordIs(word.Inner, u"H.ABILITIES")) return 2;
  if (FamilyWordIs(word.Inner, u"INTS")) return 3;
  if (FamilyWordIs(word.Inner, u"H.INTS")) return 4;
  return 0;
}

void ScanCompValCommand(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest) {
  (void)rest;
  if (line.Line.empty()) return;
  ForEachToken(line.UpperLine, [&](std::u16string_view token) {
    std::u16string_view inner = ExtractBracketed(token, u'(', u')').Inner;
    if (inner.empty()) {
      RecordCompValLiteral(ctx, line, token);
      return false;
    }
    if (const TConstantDat* constant = LookupConstant(ctx, inner)) {
      RecordCompValConstant(ctx, line, token, *constant);
      return false;
    }
    TValueDat dat;
    if (ParseLetterVariable(ctx.Cat, inner, dat))
      Record(ctx, dat, line.Path, line, UseWrap::Bare, {});
    return false;
  });
}

}  // namespace qorvan
