#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Plus.h"
#include "ScriptRun.h"

namespace qorvan {
namespace {

using test::Utf8;

// "NAME=VALUE@FILE" for each definition one text yields, in definition order.
std::vector<std::string> Defines(std::u16string_view text, bool filtered) {
  std::vector<std::string> out;
  for (const auto& [name, constant] : ReadDefines(text, 3, filtered))
    out.push_back(Utf8(name) + "=" + Utf8(constant.Dat) + "@" + std::to_string(constant.Path));
  return out;
}

struct DefineCase {
  std::u16string line;
  std::vector<std::string> filtered;    // with comments filtered
  std::vector<std::string> unfiltered;  // with comments kept
};

TEST(ReadDefines, DefinitionLines) {
  using V = std::vector<std::string>;
  const std::vector<DefineCase> cases = {
      {u"#define $(boss) <$STR(G11)>", V{"$(BOSS)=<$STR(G11)>@3"}, V{"$(BOSS)=<$STR(G11)>@3"}},
      {u"   #DEFINE A1 5 ; first level", V{"A1=5@3"}, V{"A1=5@3"}},
      {u"\t#DEFINE\tmapname\t3 ", V{"MAPNAME=3@3"}, V{"MAPNAME=3@3"}},
      {u"#DEFINE X", V{}, V{}},
      {u"#DEFINE", V{}, V{}},
      {u";#DEFINE Y 3", V{}, V{"Y=3@3"}},
      {u"; #DEFINE Y 3", V{}, V{}},
      {u"#DEFINEZ 4", V{}, V{}},
      {u"DEFINE Z 4", V{}, V{}},
      {u"# DEFINE Z 4", V{}, V{}},
      {u"#DEFıNE Q 1", V{"Q=1@3"}, V{"Q=1@3"}},  // dotless i upper-cases to I
      {u"#DEFINE 标识 [12]", V{"标识=[12]@3"}, V{"标识=[12]@3"}},
      {u"#IF\r\n#ACT #DEF\r\n#define W 2", V{"W=2@3"}, V{"W=2@3"}},  // after other '#'s
      {u"SAY x\r\nSAY #DEFIN", V{}, V{}},                            // too short at the end
  };
  for (const DefineCase& c : cases) {
    EXPECT_EQ(Defines(c.line, true), c.filtered) << Utf8(c.line);
    EXPECT_EQ(Defines(c.line, false), c.unfiltered) << Utf8(c.line);
  }
}

TEST(ReadDefines, EveryLineOfTheTextInOrder) {
  EXPECT_EQ(Defines(u"#DEFINE A 1\r\nSAY x\n#DEFINE B 2\r#DEFINE A 3", true),
            (std::vector<std::string>{"A=1@3", "B=2@3", "A=3@3"}));
  std::u16string overlong = u"#DEFINE L " + std::u16string(20479, u'9');
  EXPECT_TRUE(Defines(overlong, true).empty());
}

TEST(CollectDefines, FirstDefinitionOfTheRunWins) {
  RunState state;
  state.Settings.Filtered = true;
  FileId a = state.AddFile(u"A", u"#DEFINE X 1\r\n#DEFINE X 5\r\n");
  FileId b = state.AddFile(u"B", u"#DEFINE X 2\r\n#DEFINE Y 7\r\n");
  CollectDefines(state, a);
  CollectDefines(state, b);
  ASSERT_EQ(state.ConstantDic.size(), 2u);
  EXPECT_EQ(Utf8(state.ConstantDic.at(u"X").Dat), "1");
  EXPECT_EQ(state.ConstantDic.at(u"X").Path, a);
  EXPECT_EQ(state.ConstantDic.at(u"Y").Path, b);

  // A later run starts from empty dictionaries: removed definitions are gone.
  state.Clear();
  FileId again = state.AddFile(u"A", u"#DEFINE Z 3");
  CollectDefines(state, again);
  EXPECT_EQ(state.ConstantDic.count(u"X"), 0u);
  EXPECT_EQ(state.ConstantDic.count(u"Z"), 1u);
}

}  // namespace
}  // namespace qorvan
