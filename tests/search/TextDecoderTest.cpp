#include <gtest/gtest.h>

#include <vector>

#include "TextDecoder.h"

namespace qorvan {
namespace {

struct DecodeCase {
  const char* what;
  std::string bytes;
  std::u16string text;
};

TEST(TextDecoder, MarkDecidesElseUtf8ElseLegacy) {
  const DecodeCase cases[] = {
      {"UTF-8 mark", "\xEF\xBB\xBF\xE5\x8F\x98G1", u"变G1"},
      {"UTF-16 LE mark", std::string("\xFF\xFE\x08\x53G\0", 6), u"匈G"},
      {"UTF-16 BE mark", std::string("\xFE\xFF\x53\x08\0G", 6), u"匈G"},
      {"UTF-8 without mark", "\xE5\x8F\x98\xE9\x87\x8F G11", u"变量 G11"},
      {"GBK", "\xB1\xE4\xC1\xBF G11", u"变量 G11"},
      {"plain ASCII", "GIVE G11 1", u"GIVE G11 1"},
      {"invalid GBK trail byte", "A\x81", u"A\uFFFD"},
      {"odd UTF-16 byte",
       std::string("\xFF\xFE"
                   "A\0B",
                   5),
       u"A\uFFFD"},
      {"lone UTF-16 surrogate",
       std::string("\xFF\xFE\x00\xD8"
                   "A\0",
                   6),
       u"\uFFFDA"},
      {"mark only", "\xEF\xBB\xBF", u""},
      {"broken UTF-8 after a mark",
       "\xEF\xBB\xBF"
       "A\xE5\x8F"
       "B\xFF",
       u"A\uFFFDB\uFFFD"},
  };
  auto decoder = MakeTextDecoder("");
  for (const auto& c : cases) EXPECT_EQ(decoder->Decode(c.bytes), c.text) << c.what;
}

TEST(TextDecoder, ScriptTextEndsAtTheFirstNulAndKeepsItsLineEnds) {
  const DecodeCase cases[] = {
      {"ASCII", std::string("MOV G1 1\nA\0B", 12), u"MOV G1 1\nA"},
      {"ASCII after a mark", "\xEF\xBB\xBFG1\r\n", u"G1\r\n"},
      {"GBK", std::string("\xB1\xE4\xC1\xBF\r\0x", 7), u"变量\r"},
      {"UTF-16 LE", std::string("\xFF\xFE\x00\x00G\0", 6), u""},
      {"invalid GBK", "\x81\nA", u"\uFFFD\nA"},
      {"empty", "", u""},
      {"UTF-8", std::string("\xE5\x8F\x98\xE9\x87\x8F G11\0x", 12), u"变量 G11"},
      {"broken UTF-8 after a mark", "\xEF\xBB\xBF\xE5\x8F\nG", u"\uFFFD\nG"},
  };
  auto decoder = MakeTextDecoder("");
  auto clone = decoder->Clone();
  TextStore store;
  std::vector<std::u16string_view> kept;
  for (const auto& c : cases) {
    kept.push_back(decoder->DecodeScript(c.bytes, store));
    EXPECT_EQ(kept.back(), c.text) << c.what;
    kept.push_back(clone->DecodeScript(c.bytes, store));
    EXPECT_EQ(kept.back(), c.text) << c.what;
    EXPECT_EQ(JoinLinesCrLf(decoder->Decode(c.bytes)), JoinLinesCrLf(c.text)) << c.what;
  }
  // Each text was given only the room it needed: none was overwritten by a later one.
  for (std::size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(kept[i], cases[i / 2].text) << i;
}

TEST(TextDecoder, LegacyCodePageCanBeChanged) {
  auto big5 = MakeTextDecoder("Big5");
  EXPECT_EQ(big5->Decode("\xC5\xDC"), u"變");
  EXPECT_TRUE(CodepageKnown("GBK"));
  EXPECT_TRUE(CodepageKnown("cp936"));
  EXPECT_FALSE(CodepageKnown("no-such-codepage"));
}

TEST(JoinLinesCrLf, EveryLineEndsInCrLf) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"A\r\n\r\nB", u"A\r\n\r\nB\r\n"},
      {u"A\n\rB", u"A\r\n\r\nB\r\n"},
      {u"A\rB\nC", u"A\r\nB\r\nC\r\n"},
      {u"A\r\n", u"A\r\n"},
      {u"\r\n", u"\r\n"},
      {u"", u""},
      {std::u16string(u"A\0B", 3), u"A\r\n"},
      {std::u16string(u"\0B", 2), u""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(JoinLinesCrLf(in), out);
}

}  // namespace
}  // namespace qorvan
