#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "LineScreen.h"
#include "LineSplit.h"
#include "ScriptRun.h"

namespace qorvan {
namespace {

struct ScreenCase {
  std::u16string_view line;
  bool mayRecord;
};

// The screen must let through every line that records (the script-run fixture checks that for
// every recogniser test); these cases check it passes over the lines that cannot.
TEST(LineScreen, PassesOverLinesThatCannotRecord) {
  RunState state;
  state.AddFile(u"K", u"#DEFINE $(甲) G5\r\n#DEFINE Hp [7]\r\n#DEFINE <$Mp> 3");
  CollectDefines(state, 0);
  const LineScreen screen(TheCatalogue(), state.ConstantDic);
  const ScreenCase cases[] = {
      {u"", false},
      {u"   \t ", false},
      {u"#SAY", false},
      {u"你好，勇士！<确定/@main>  <离开/@exit>\\", false},
      {u"CHECKLEVELEX > 98", false},
      {u"SENDMSG 6 获得100金币", false},
      {u"MON1 MON22 x5", false},
      {u"#DEFINE $(乙) 5", false},
      {u"INTS5 1", false},
      {u"乙 (乙) HPX", false},
      // letter variables, as written and through upper-casing
      {u"MOV G11 1", true},
      {u"mov\tg011", true},
      {u"ı5", true},
      {u"ſ9", true},
      // "<$STR(" references need '>' and a bracket in one token
      {u"说<$STR(A5)>", true},
      {u"< $STR(A5) >", false},
      // keywords with a recogniser, in any case and behind a prefix
      {u"check [5] 1", true},
      {u"Set", true},
      {u"x.ints 5", true},
      {u"H.SetAbility 3", true},
      {u"[@OnTimer3]", true},
      {u"[@StdModeFunc7]", true},
      {u"!compval", true},
      {u"mapmove 3 1 1", true},
      // constant names: bare, wrapped keys by their bare name, in brackets, upper-cased
      {u"#ACT $(甲)", true},
      {u"甲", true},
      {u"x (甲)", true},
      {u"HP", true},
      {u"mp", true},
  };
  for (const ScreenCase& c : cases)
    EXPECT_EQ(screen.MayRecord(c.line), c.mayRecord) << test::Utf8(c.line);
}

TEST(LineScreen, MonItemsLinesNeedADollarOrAKeywordFirst) {
  RunState state;
  const LineScreen screen(TheCatalogue(), state.ConstantDic);
  const ScreenCase cases[] = {
      {u"1/10 屠龙刀", false},       {u"1/10 G11", false},   {u"#CHILD 1/55 RANDOM", false},
      {u"1/10 <$STR(G11)> 1", true}, {u"1/10 $(G11)", true}, {u"CHECK [5] 1", true},
      {u"x CHECK [5] 1", false},
  };
  for (const ScreenCase& c : cases)
    EXPECT_EQ(screen.MonItemsLineMayRecord(c.line), c.mayRecord) << test::Utf8(c.line);
}

// The screened cursor reads each line once; it must cut exactly the lines LineCursor cuts.
TEST(LineScreen, ScreenedLinesAreTheCursorsLines) {
  RunState state;
  const LineScreen screen(TheCatalogue(), state.ConstantDic);
  const std::u16string_view pieces[] = {
      u"a",  u" ", u"\t", u"\r", u"\n", std::u16string_view(u"\0", 1),
      u"G1", u">", u"(",  u"丰", u"$",  u"SET"};
  std::mt19937 random(11);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  for (int round = 0; round < 2000; ++round) {
    std::u16string text;
    for (int i = round % 40; i > 0; --i) text += pieces[pick(random)];
    for (bool monItems : {false, true}) {
      std::vector<std::u16string_view> expected;
      std::u16string_view line;
      for (LineCursor cursor(text); cursor.Next(line);) expected.push_back(line);
      std::vector<std::u16string_view> got;
      bool mayRecord = false;
      for (ScreenedLines lines(screen, text, monItems); lines.Next(line, mayRecord);) {
        got.push_back(line);
        EXPECT_EQ(mayRecord,
                  monItems ? screen.MonItemsLineMayRecord(line) : screen.MayRecord(line));
      }
      ASSERT_EQ(got, expected) << test::Utf8(text);
    }
  }
}

}  // namespace
}  // namespace qorvan
