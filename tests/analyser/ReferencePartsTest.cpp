#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ReferenceParts.h"
#include "ScriptRun.h"
#include "TextHelpers.h"

namespace qorvan {
namespace {

// The scan as the rule states it: cut a pair, examine its inner part, go on with the remainder.
std::vector<std::u16string> CutOneByOne(std::u16string_view token) {
  std::vector<std::u16string> parts;
  std::u16string work(token);
  while (Contains(work, u'>')) {
    Bracketed part = ExtractBracketed(work, u'(', u')');
    if (!part.Inner.empty()) parts.emplace_back(part.Inner);
    work = part.Remainder();
  }
  return parts;
}

std::vector<std::u16string> WalkedParts(std::u16string_view token) {
  std::vector<std::u16string> parts;
  ForEachReferencePart(token, [&](std::u16string_view inner) { parts.emplace_back(inner); });
  return parts;
}

TEST(ForEachReferencePart, SamePartsAsCuttingOneByOne) {
  // Every token of up to eight characters over the characters that matter.
  const std::u16string alphabet = u"()>a";
  std::u16string token;
  std::size_t checked = 0;
  std::vector<std::size_t> digits;
  for (std::size_t length = 0; length <= 8; ++length) {
    digits.assign(length, 0);
    while (true) {
      token.clear();
      for (std::size_t d : digits) token.push_back(alphabet[d]);
      ASSERT_EQ(WalkedParts(token), CutOneByOne(token)) << test::Utf8(token);
      ++checked;
      std::size_t k = 0;
      while (k < length && ++digits[k] == alphabet.size()) digits[k++] = 0;
      if (k == length) break;
    }
  }
  EXPECT_EQ(checked, 87381u);
}

TEST(ForEachReferencePart, SamePartsForLongerRandomTokens) {
  const std::u16string alphabet = u"((())>>aG1";
  std::mt19937 random(20479);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<std::size_t> size(9, 60);
  for (int n = 0; n < 3000; ++n) {
    std::u16string token(size(random), u' ');
    for (char16_t& c : token) c = alphabet[pick(random)];
    ASSERT_EQ(WalkedParts(token), CutOneByOne(token)) << test::Utf8(token);
  }
}

TEST(ForEachReferencePart, ExamplesAndLongTokens) {
  using V = std::vector<std::u16string>;
  EXPECT_EQ(WalkedParts(u"<$STR(G11)><$STR(S2)>"), (V{u"G11", u"S2"}));
  EXPECT_EQ(WalkedParts(u"<$STR(A(G1)B)>"), (V{u"G1", u"AB"}));
  EXPECT_EQ(WalkedParts(u"(G1)(G2)"), V{});         // no ">" at all
  EXPECT_EQ(WalkedParts(u"(G1>)(G2)"), V{u"G1>"});  // the only ">" went with the first part
  std::u16string many;
  for (int i = 0; i < 3000; ++i) many += u"<$STR(G1)>";
  EXPECT_EQ(WalkedParts(many).size(), 3000u);
  EXPECT_EQ(WalkedParts(many), CutOneByOne(many));
}

}  // namespace
}  // namespace qorvan
