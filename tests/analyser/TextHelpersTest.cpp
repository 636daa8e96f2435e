#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <string>
#include <vector>

#include "ConstantNameFilter.h"
#include "LineSplit.h"
#include "ScriptRun.h"
#include "TextHelpers.h"
#include "UpperCase.h"

namespace qorvan {
namespace {

using test::Utf8;

struct TokenCase {
  std::u16string text;
  std::string token;
  std::string rest;
};

TEST(SplitToken, CutsOneTokenAndKeepsLaterBlanks) {
  const std::vector<TokenCase> cases = {
      {u"  MAPMOVE\t3 4", "MAPMOVE", "3 4"},
      {u"A  B", "A", " B"},
      {u" B", "B", ""},
      {u"B", "B", ""},
      {u"A\t\tB", "A", "\tB"},
      {u"", "", ""},
      {u"  \t ", "", ""},
      {u"A\u3000B C", "A\u3000B", "C"},  // only space and tab separate
      {u"X\fY Z", "X\fY", "Z"},
  };
  for (const TokenCase& c : cases) {
    std::u16string_view token;
    std::u16string_view rest = SplitToken(c.text, BlankChars, token);
    EXPECT_EQ(Utf8(token), c.token) << Utf8(c.text);
    EXPECT_EQ(Utf8(rest), c.rest) << Utf8(c.text);
  }
}

TEST(SplitToken, TextOfTheLimitLengthYieldsNothing) {
  std::u16string atLimit = u"G1 " + std::u16string(SplitTokenLimit - 3, u'x');
  ASSERT_EQ(atLimit.size(), 20479u);
  std::u16string_view token = u"stale";
  EXPECT_TRUE(SplitToken(atLimit, BlankChars, token).empty());
  EXPECT_TRUE(token.empty());

  std::u16string belowLimit = atLimit.substr(1);  // 20478 units
  std::u16string_view rest = SplitToken(belowLimit, BlankChars, token);
  EXPECT_EQ(Utf8(token), "1");
  EXPECT_EQ(rest.size(), 20476u);
}

TEST(SplitToken, OtherDelimiterSet) {
  std::u16string_view head;
  std::u16string_view tail = SplitToken(u"..M.INTS", u".", head);
  EXPECT_EQ(Utf8(head), "M");
  EXPECT_EQ(Utf8(tail), "INTS");
}

struct BracketCase {
  std::u16string source;
  char16_t open;
  char16_t close;
  std::string inner;
  std::string remainder;
};

TEST(ExtractBracketed, CutsTheInnermostPair) {
  const std::vector<BracketCase> cases = {
      {u"<$STR(G11)>", u'(', u')', "G11", "<$STR>"},
      {u"G11)", u'(', u')', "G11", ""},
      {u"$(G11", u'(', u')', "G11", "$"},
      {u"((A)B)", u'(', u')', "A", "(B)"},
      {u"()", u'(', u')', "", ""},
      {u"ABC", u'(', u')', "", ""},
      {u")A(", u'(', u')', "", ""},
      {u"", u'(', u')', "", ""},
      {u")", u'(', u')', "", ""},
      {u"a(b)c(d)e", u'(', u')', "b", "ac(d)e"},
      {u"x)y)z", u'(', u')', "x", "y)z"},
      {u"a(b(c", u'(', u')', "c", "a(b"},
      {u"a)b(c)d", u'(', u')', "c", "a)bd"},
      {u"(a(b)c)", u'(', u')', "b", "(ac)"},
      {u"(", u'(', u')', "", ""},
      {u"[5]", u'[', u']', "5", ""},
      {u"5]", u'[', u']', "5", ""},
      {u"[@ONTIMER5]", u'R', u']', "5", "[@ONTIME"},
      {u"$INTS5", u'$', u'S', "INT", "5"},
      {u"$H.ABILITIES12", u'$', u'S', "H.ABILITIE", "12"},
      {u"$(序号)", u'$', u'S', "(序号)", ""},
  };
  for (const BracketCase& c : cases) {
    Bracketed b = ExtractBracketed(c.source, c.open, c.close);
    EXPECT_EQ(Utf8(b.Inner), c.inner) << Utf8(c.source);
    EXPECT_EQ(Utf8(b.Remainder()), c.remainder) << Utf8(c.source);
    EXPECT_EQ(b.RemainderEmpty(), c.remainder.empty()) << Utf8(c.source);
  }
}

TEST(IsDigits, OnlyAsciiDigits) {
  EXPECT_FALSE(IsDigits(u""));
  EXPECT_TRUE(IsDigits(u"007"));
  EXPECT_FALSE(IsDigits(u"1a"));
  EXPECT_FALSE(IsDigits(u"１"));
  EXPECT_FALSE(IsDigits(u"丰"));
  EXPECT_FALSE(IsDigits(u"-1"));
}

struct IntCase {
  std::u16string text;
  std::int32_t fallback;
  std::int32_t expected;
};

TEST(TextToIntDef, SixtyFourBitLiteralNarrowedToLowBits) {
  const std::vector<IntCase> cases = {
      {u"-5", 0, -5},
      {u"+7", 0, 7},
      {u" 5", 9, 9},
      {u"5x", 9, 9},
      {u"0x10", 9, 16},
      {u"0X1f", 9, 31},
      {u"A", 9, 9},
      {u"", 9, 9},
      {u"+", 9, 9},
      {u"- 5", 9, 9},
      {u"-$10", 9, -16},
      {u"+x10", 9, 16},
      {u"$10", 9, 9},
      {u"x10", 9, 9},
      {u"0x", 9, 9},
      {u"007", 9, 7},
      {u"4294967301", -1, 5},           // low 32 bits of 2^32 + 5
      {u"9223372036854775807", 9, -1},  // largest 64-bit value
      {u"9223372036854775808", 9, 9},   // overflows 64 bits
      {u"-9223372036854775808", 9, 0},
      {u"5 ", 9, 9},
  };
  for (const IntCase& c : cases)
    EXPECT_EQ(TextToIntDef(c.text, c.fallback), c.expected) << Utf8(c.text);
}

struct ConvertCase {
  std::u16string text;
  bool ok;
  std::int32_t value;
};

TEST(TryTextToInt32, WholeTextDelphiStyle) {
  const std::vector<ConvertCase> cases = {
      {u"5", true, 5},
      {u"  5", true, 5},
      {u"-1", true, -1},
      {u"+12", true, 12},
      {u"$C", true, 12},
      {u"x1F", true, 31},
      {u"X10", true, 16},
      {u"0x10", true, 16},
      {u"0X10", true, 16},
      {u"-$10", true, -16},
      {u"007", true, 7},
      {u"2147483647", true, 2147483647},
      {u"-2147483648", true, -2147483647 - 1},
      {u"2147483648", false, 0},
      {u"$80000000", false, 0},
      {u"", false, 0},
      {u"  ", false, 0},
      {u"$", false, 0},
      {u"5A", false, 0},
      {u"1.5", false, 0},
      {u"5 ", false, 0},
      {u"+-5", false, 0},
      {u"\t5", false, 0},
  };
  for (const ConvertCase& c : cases) {
    std::int32_t value = 0;
    EXPECT_EQ(TryTextToInt32(c.text, value), c.ok) << Utf8(c.text);
    if (c.ok) {
      EXPECT_EQ(value, c.value) << Utf8(c.text);
    }
  }
}

TEST(NormalizeKeyword, ObjectPrefixesReachThePlainKeyword) {
  const std::vector<std::pair<std::u16string, std::string>> cases = {
      {u"M.INTS", "INTS"},
      {u"S.SETABILITY", "SETABILITY"},
      {u"P.SetAbility", "SetAbility"},
      {u"H.INTS", "H.INTS"},
      {u"H.SETABILITY", "H.SETABILITY"},
      {u"H.CHECKINTS", "H.CHECKINTS"},
      {u"INTS", "INTS"},
      {u"X.CHECKINTS", "X.CHECKINTS"},
      {u"A.B.INTS", "A.B.INTS"},
      {u"..M.INTS", "INTS"},
      {u"h.ints", "ints"},  // "h" is not "H": the tail is taken
  };
  for (const auto& [token, expected] : cases)
    EXPECT_EQ(Utf8(NormalizeKeyword(token)), expected) << Utf8(token);
}

TEST(LookupConstant, TriesTheDollarKeyFirstAndComparesExactly) {
  ConstantDicT constants;
  constants.emplace(u"$(BOSS)", TConstantDat{u"<$STR(A3)>", 1});
  constants.emplace(u"BOSS", TConstantDat{u"A4", 2});
  constants.emplace(u"MAP", TConstantDat{u"3", 3});
  ASSERT_NE(LookupConstant(constants, u"BOSS"), nullptr);
  EXPECT_EQ(LookupConstant(constants, u"BOSS")->Path, 1u);
  EXPECT_EQ(LookupConstant(constants, u"MAP")->Path, 3u);
  EXPECT_EQ(LookupConstant(constants, u"boss"), nullptr);
  EXPECT_EQ(LookupConstant(constants, u"$(MAP)"), nullptr);
  std::u16string longName(300, u'N');
  constants.emplace(u"$(" + longName + u")", TConstantDat{u"G1", 4});
  ASSERT_NE(LookupConstant(constants, longName), nullptr);
  EXPECT_EQ(LookupConstant(constants, longName)->Path, 4u);
}

TEST(ConstantNameFilter, NeverRulesOutANameThatReachesAConstant) {
  ConstantDicT constants;
  for (int i = 0; i < 3000; ++i) {
    std::u16string n = DecimalText(i);
    constants.emplace(u"$(C" + n + u")", TConstantDat{u"1", 0});
    constants.emplace(u"<$H" + n + u">", TConstantDat{u"1", 0});
    constants.emplace(u"B" + n, TConstantDat{u"1", 0});
  }
  // Long names, around the longest length the filter tells apart.
  for (std::size_t length : {61, 62, 63, 64, 65, 200})
    constants.emplace(u"$(" + std::u16string(length, u'长') + u")", TConstantDat{u"1", 0});
  const ConstantNameFilter filter(constants);
  for (std::size_t length : {61, 62, 63, 64, 65, 200}) {
    const std::u16string name(length, u'长');
    ASSERT_TRUE(filter.MayName(name)) << length;
    ASSERT_TRUE(filter.MayName(u"$(" + name + u")")) << length;
  }
  std::size_t passed = 0;
  for (int i = 0; i < 3000; ++i) {
    std::u16string n = DecimalText(i);
    for (const std::u16string& name :
         {u"C" + n, u"$(C" + n + u")", u"H" + n, u"<$H" + n + u">", u"B" + n})
      ASSERT_TRUE(filter.MayName(name)) << Utf8(name);
    passed += filter.MayName(u"X" + n) ? 1 : 0;
  }
  EXPECT_LT(passed, 300u);  // most other names are ruled out
}

TEST(UpperCase, KeepsTheLength) {
  EXPECT_EQ(Utf8(UpperCased(u"mapmove g11 丰 ß ä")), "MAPMOVE G11 丰 ß Ä");
  EXPECT_EQ(Utf8(UpperCased(u"ı")), "I");         // dotless i has a one-unit upper case
  const std::u16string deseret = u"\U00010428x";  // a supplementary letter, upper-cased in place
  EXPECT_EQ(UpperCased(deseret), u"\U00010400X");
  const std::u16string lone =
      u"\xD801"
      u"a";  // a lone surrogate stays as it is
  EXPECT_EQ(UpperCased(lone),
            u"\xD801"
            u"A");
}

TEST(UpperCase, SimpleUpperCaseOfEveryBmpCharacter) {
  std::u16string all;
  for (UChar32 c = 1; c <= 0xFFFF; ++c)
    if (!U_IS_SURROGATE(c)) all.push_back(static_cast<char16_t>(c));
  const std::u16string upper = UpperCased(all);
  ASSERT_EQ(upper.size(), all.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    const UChar32 expected = u_toupper(all[i]);
    ASSERT_EQ(upper[i], expected > 0xFFFF ? all[i] : static_cast<char16_t>(expected)) << i;
  }
  EXPECT_EQ(Utf8(UpperCased(u"abcdefghijklmnopqrstuvwxyz{}`@ 0123456789丰abcdefgh")),
            "ABCDEFGHIJKLMNOPQRSTUVWXYZ{}`@ 0123456789丰ABCDEFGH");
}

std::vector<std::string> Lines(std::u16string_view text) {
  std::vector<std::string> lines;
  LineCursor cursor(text);
  std::u16string_view line;
  while (cursor.Next(line)) lines.push_back(Utf8(line));
  return lines;
}

TEST(LineCursor, BreakRules) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Lines(u"A\r\n\r\nB"), (V{"A", "", "B"}));
  EXPECT_EQ(Lines(u"A\n\rB"), (V{"A", "", "B"}));
  EXPECT_EQ(Lines(u"A\r\n"), (V{"A"}));
  EXPECT_EQ(Lines(u"A\rB\nC"), (V{"A", "B", "C"}));
  EXPECT_EQ(Lines(u"A\r\r\nB"), (V{"A", "", "B"}));
  EXPECT_EQ(Lines(u"A\n\n"), (V{"A", ""}));
  EXPECT_EQ(Lines(u""), V{});
  EXPECT_EQ(Lines(u"\r\n"), (V{""}));
  EXPECT_EQ(Lines(std::u16string(u"A\r\nB\0C\r\nD", 9)), (V{"A", "B"}));
  // Long lines, and control characters below CR that do not break a line.
  EXPECT_EQ(Lines(u"abcdefgh\tijklmnop\r\nqrstuvwxyz\v\f1234567\n0123456789abcdefg"),
            (V{"abcdefgh\tijklmnop", "qrstuvwxyz\v\f1234567", "0123456789abcdefg"}));
  EXPECT_EQ(Lines(std::u16string(u"0123456789abcdef\0xyz", 20)), (V{"0123456789abcdef"}));
  EXPECT_EQ(Lines(u"0123456789abcdef\r\n\r\n"), (V{"0123456789abcdef", ""}));
}

}  // namespace
}  // namespace qorvan
