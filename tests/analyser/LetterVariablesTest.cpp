#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Recognisers.h"
#include "ScriptRun.h"

namespace qorvan {
namespace {

using test::ScriptRun;
using test::UsesOf;
using test::Utf8;
using V = std::vector<std::string>;

struct LetterCase {
  std::u16string token;
  std::int32_t id;  // 0: no member
  std::string name;
  std::int32_t idx;
};

TEST(ParseLetterVariable, MembersAndNonMembers) {
  const std::vector<LetterCase> cases = {
      {u"g5", 7, "G5", 7000005},
      {u"p9", 16, "P9", 16000009},
      {u"S99", 19, "S99", 19000099},
      {u"S000", 19, "S000", 19000000},
      {u"a0", 1, "A0", 1000000},
      {u"M012", 13, "M012", 13000012},
      {u"G100", 0, "", 0},
      {u"P10", 0, "", 0},
      {u"B5", 0, "", 0},
      {u"Z1", 0, "", 0},
      {u"G", 0, "", 0},
      {u"G-1", 0, "", 0},
      {u"G1.5", 0, "", 0},
      {u"GOLD", 0, "", 0},
      {u"5G", 0, "", 0},
      {u"G0001", 0, "", 0},
      {u"", 0, "", 0},
      {u"G１", 0, "", 0},
  };
  for (const LetterCase& c : cases) {
    TValueDat dat;
    EXPECT_EQ(ParseLetterVariable(TheCatalogue(), c.token, dat), c.id > 0) << Utf8(c.token);
    EXPECT_EQ(dat.ID, c.id) << Utf8(c.token);
    if (c.id == 0) continue;
    EXPECT_EQ(Utf8(dat.Name), c.name);
    EXPECT_EQ(Utf8(dat.KeyWord), c.name.substr(0, 1));
    EXPECT_EQ(dat.IDX, c.idx);
  }
}

TEST(ScanLetterVariables, EveryMemberEachTimeItOccurs) {
  EXPECT_EQ(UsesOf(u"GIVE G11 G11"), (V{"G11 @F:1", "G11 @F:1"}));
  EXPECT_EQ(UsesOf(u"GIVE $(A5) 1"), V{});
}

TEST(ScanLetterVariables, LeadingZerosMakeAnotherName) {
  ScriptRun run;
  run.File(u"F", u"GIVE G011 g11").Run();
  EXPECT_EQ(run.Uses(), (V{"G011 @F:1", "G11 @F:1"}));
  ASSERT_NE(run.State.ValueDic.Find(u"G011"), nullptr);
  ASSERT_NE(run.State.ValueDic.Find(u"G11"), nullptr);
  EXPECT_EQ(run.State.ValueDic.Find(u"G011")->ValueSearchID, 7000011);
  EXPECT_EQ(run.State.ValueDic.Find(u"G11")->ValueSearchID, 7000011);
}

TEST(Constants, UseIsFiledUnderTheDefiningFileWithTheUsingLine) {
  ScriptRun run;
  run.File(u"F", u"SAY hello\r\n\r\nSENDMSG BOSS 1");
  run.File(u"K", u"#DEFINE $(BOSS) <$STR(A3)>");
  run.Run();
  EXPECT_EQ(run.Uses(), V{"A3 @K:3 | 变量引用：BOSS"});
  ASSERT_EQ(run.Log.size(), 1u);
  EXPECT_EQ(run.Log[0].Line, "SENDMSG BOSS 1");
  const TValue* value = run.State.ValueDic.Find(u"A3");
  ASSERT_NE(value, nullptr);
  ASSERT_EQ(value->ValuePath.size(), 1u);
  EXPECT_EQ(run.State.PathOf(value->ValuePath[0].Path), u"K");
}

struct ConstCase {
  std::u16string defines;
  std::u16string line;
  V uses;
};

TEST(Constants, WhichSpellingsReachAVariable) {
  const std::vector<ConstCase> cases = {
      {u"#DEFINE $(BOSS) <$STR(A3)>", u"SAY <$STR(BOSS)>", V{}},
      {u"#DEFINE BOSS A3", u"SAY <$STR(BOSS)>", V{"<$STR(A3)> @K:1 | 变量引用：BOSS"}},
      {u"#DEFINE BOSS A3", u"SENDMSG boss", V{}},
      {u"#DEFINE BOSS A3", u"SAY <$STR(boss)>", V{"<$STR(A3)> @K:1 | 变量引用：BOSS"}},
      {u"#DEFINE BOSSVAR <$STR(G7)>", u"GIVE BOSSVAR", V{"G7 @K:1 | 变量引用：BOSSVAR"}},
      {u"#DEFINE BOSSVAR G7", u"GIVE BOSSVAR", V{}},
      {u"#DEFINE BOSSVAR G7", u"SAY <$STR(BOSSVAR)>", V{"<$STR(G7)> @K:1 | 变量引用：BOSSVAR"}},
  };
  for (const ConstCase& c : cases)
    EXPECT_EQ(UsesOf(c.line, c.defines), c.uses) << Utf8(c.line) << " / " << Utf8(c.defines);
}

TEST(ScanStrReferences, EveryBracketedPartOfTheToken) {
  EXPECT_EQ(UsesOf(u"SAY <$STR(G11)><$STR(S2)>"), (V{"<$STR(G11)> @F:1", "<$STR(S2)> @F:1"}));
  EXPECT_EQ(UsesOf(u"SAY <$HUMAN(G11)>"), V{"<$STR(G11)> @F:1"});
  EXPECT_EQ(UsesOf(u"SAY (G11)"), V{});  // no ">" in the token
}

TEST(ScanMonItemsLine, FirstDollarTokenDecides) {
  const std::u16string path = u"x/MONITEMS/y.txt";
  const std::vector<std::pair<std::u16string, V>> cases = {
      {u"1/10 <$STR(G3)> <$STR(G4)>", V{"<$STR(G3)> @x/MONITEMS/y.txt:1"}},
      {u"1/10 $(X1) <$STR(G4)>", V{}},
      {u"GIVE $(A5) 1", V{"<$STR(A5)> @x/MONITEMS/y.txt:1"}},
      {u"1/10 $X <$STR(G4)>", V{"<$STR(G4)> @x/MONITEMS/y.txt:1"}},
  };
  for (const auto& [line, uses] : cases) {
    ScriptRun run;
    run.File(u"K", u"#DEFINE X1 G1");
    run.File(path, line);
    EXPECT_EQ(run.Run().Uses(), uses) << Utf8(line);
  }
}

TEST(ScanMapCommand, ArgumentsAndConstantLineScans) {
  const std::vector<ConstCase> cases = {
      {u"", u"MAPMOVE <$STR(A1)> 100 100", V{"<$STR(A1)> @F:1"}},
      {u"", u"MAPMOVE G11 10 10", V{}},
      {u"", u"MAPMOVE <A1> 1", V{}},
      {u"#DEFINE HOMEMAP (A2)", u"MAPMOVE HOMEMAP 10 10", V{"A2 @K:1 | 变量引用：HOMEMAP"}},
      {u"#DEFINE $(HOMEMAP) (A2)", u"MAPMOVE $(HOMEMAP) 10 10",
       V{"A2 @K:1 | 变量引用：$(HOMEMAP)"}},
      {u"#DEFINE HOMEMAP (A2)", u"MAPMOVE $(HOMEMAP) 10 10", V{}},
      {u"#DEFINE HOMEMAP (A2)", u"MAPMOVE HOMEMAP G5 1",
       V{"A2 @K:1 | 变量引用：HOMEMAP", "G5 @K:1"}},
      {u"#DEFINE HOMEMAP (A2)", u"SAY(HOMEMAP) MAPMOVE", V{}},  // keyword last: Rest is empty
  };
  for (const ConstCase& c : cases)
    EXPECT_EQ(UsesOf(c.line, c.defines), c.uses) << Utf8(c.line) << " / " << Utf8(c.defines);
}

TEST(ScanMapCommand, TwoConstantTokensScanTheLineTwice) {
  ScriptRun run;
  run.File(u"K", u"#DEFINE HOMEMAP (A2)");
  run.File(u"J", u"#DEFINE X2 9");
  run.File(u"F", u"\r\nMAPMOVE HOMEMAP X2 G5");
  EXPECT_EQ(run.Run().Uses(), (V{"A2 @K:2 | 变量引用：HOMEMAP", "G5 @K:2",
                                 "A2 @K:2 | 变量引用：HOMEMAP", "G5 @J:2"}));
}

}  // namespace
}  // namespace qorvan
