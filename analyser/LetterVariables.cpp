#include "Recognisers.h"
#include "ReferenceParts.h"
#include "UpperCase.h"

namespace qorvan {

namespace {

constexpr std::u16string_view kVariableRef = u"变量引用：";

// Highest member number of a letter, or -1 when the letter makes no variable.
int LetterHighest(char16_t letter) {
  switch (letter) {
    case u'A':
    case u'D':
    case u'E':
    case u'F':
    case u'G':
    case u'H':
    case u'I':
    case u'M':
    case u'S':
      return 99;
    case u'P':
      return 9;
    default:
      return -1;
  }
}

}  // namespace

bool ParseLetterVariable(const Catalogue& cat, std::u16string_view token, TValueDat& dat) {
  dat.ID = 0;
  if (token.empty() || token.size() > MaxLetterVarLength) return false;
  // Upper-casing never makes an ASCII digit, so the digits can be tested before it.
  std::u16string_view digits = token.substr(1);
  if (!IsDigits(digits)) return false;
  const char16_t letter = UpperCased(token.substr(0, 1))[0];
  const int highest = LetterHighest(letter);
  if (highest < 0) return false;
  int n = 0;
  for (char16_t c : digits) n = n * 10 + (c - u'0');
  if (n > highest) return false;
  auto entry = cat.FamilyDic.find(std::u16string_view(&letter, 1));
  if (entry == cat.FamilyDic.end() || entry->second.SearchNum == 0) return false;
  dat.ID = entry->second.ID;
  dat.KeyWord.assign(1, letter);
  dat.Name.assign(1, letter).append(digits);
  dat.IDX = n + entry->second.Order;
  return true;
}

bool ScanLetterVariables(const LineContext& ctx, FileId path, const ScriptLine& line,
                         std::u16string_view guard) {
  if (guard.empty()) return false;
  bool found = false;
  TValueDat dat;
  ForEachToken(line.Line, [&](std::u16string_view token) {
    if (ParseLetterVariable(ctx.Cat, token, dat)) {
      Record(ctx, dat, path, line, UseWrap::Bare, {});
      found = true;
      return false;
    }
    const TConstantDat* constant = LookupConstant(ctx, token);
    if (constant == nullptr) return false;
    Bracketed inner = ExtractBracketed(constant->Dat, u'(', u')');
    if (inner.Inner.empty()) return false;
    if (ParseLetterVariable(ctx.Cat, inner.Inner, dat)) {
      Record(ctx, dat, constant->Path, line, UseWrap::Bare, Describe(kVariableRef, token));
      found = true;
    }
    return false;
  });
  return found;
}

bool ScanStrReferences(const LineContext& ctx, const ScriptLine& line, std::u16string_view token) {
  if (token.empty() || !Contains(token, u'>')) return false;
  bool found = false;
  TValueDat dat;
  ForEachReferencePart(token, [&](std::u16string_view inner) {
    if (ParseLetterVariable(ctx.Cat, inner, dat)) {
      Record(ctx, dat, line.Path, line, UseWrap::Str, {});
      found = true;
    } else if (const TConstantDat* constant = LookupConstant(ctx, inner);
               constant != nullptr && ParseLetterVariable(ctx.Cat, constant->Dat, dat)) {
      Record(ctx, dat, constant->Path, line, UseWrap::Str, Describe(kVariableRef, inner));
      found = true;
    }
  });
  return found;
}

void ScanMonItemsLine(const LineContext& ctx, const ScriptLine& line) {
  if (line.Line.empty()) return;
  ForEachToken(line.Line, [&](std::u16string_view token) {
    if (!Contains(token, u'$')) return false;
    Bracketed inner = ExtractBracketed(token, u'(', u')');
    if (inner.Inner.empty()) return false;
    TValueDat dat;
    if (ParseLetterVariable(ctx.Cat, inner.Inner, dat))
      Record(ctx, dat, line.Path, line, UseWrap::Str, {});
    return true;  // the first such token decides the line
  });
}

void ScanMapCommand(const LineContext& ctx, const ScriptLine& line, std::u16string_view rest) {
  if (line.Line.empty()) return;
  // The line scan does not depend on the file it files under: once it found nothing, it never will.
  bool lineScanFruitless = false;
  TValueDat dat;
  ForEachToken(line.Line, [&](std::u16string_view token) {
    if (!Contains(token, u'>')) {
      Bracketed inner = ExtractBracketed(token, u'(', u')');
      std::u16string_view name = inner.Inner.empty() ? token : inner.Inner;
      const TConstantDat* constant = LookupConstant(ctx, name);
      if (constant != nullptr && !lineScanFruitless)
        lineScanFruitless = !ScanLetterVariables(ctx, constant->Path, line, rest);
      return false;
    }
    if (ExtractBracketed(token, u'<', u'>').Inner.empty()) return false;
    Bracketed inner = ExtractBracketed(token, u'(', u')');
    if (inner.Inner.empty()) return false;
    if (ParseLetterVariable(ctx.Cat, inner.Inner, dat))
      Record(ctx, dat, line.Path, line, UseWrap::Str, {});
    return false;
  });
}

}  // namespace qorvan
