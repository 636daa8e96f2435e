#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Recognisers.h"
#include "ScriptRun.h"

namespace qorvan {
namespace {

using test::UsesOf;
using test::Utf8;
using V = std::vector<std::string>;

using test::ExpectUses;

TEST(SectionHeaders, OnlyAHeaderThatEndsItsLine) {
  ExpectUses({
      {u"", u"[@StdModeFunc12]", V{"[@StdModeFunc12] @F:1"}},
      {u"", u"[@stdmodefunc12]", V{"[@StdModeFunc12] @F:1"}},
      {u"", u"[@StdModeFunc12] ", V{"[@StdModeFunc12] @F:1"}},
      {u"", u"[@UserCmd0]", V{"[@UserCmd0] @F:1"}},
      {u"", u"[@UserCmd255]", V{"[@UserCmd255] @F:1"}},
      {u"", u"[@StdModeFunc256]", V{}},
      {u"", u"[@StdModeFunc012]", V{}},
      {u"", u"[@UserCmd7] ;note", V{}},
      {u"", u"[@UserCmd7]  ", V{}},
      {u"", u"SAY [@UserCmd7]", V{"[@UserCmd7] @F:1"}},
      // The number is cut from the whole line: an earlier "]" decides.
      {u"", u"AC7] [@StdModeFunc6]", V{"[@StdModeFunc7] @F:1"}},
      {u"", u"D] [@UserCmd6]", V{}},
  });
}

TEST(CompValOperandKind, FamilyWordBetweenDollarAndS) {
  const std::vector<std::pair<std::u16string, std::int32_t>> cases = {
      {u"<$INTS(序号)>", 3},
      {u"<$H.ABILITIES(X)>", 2},
      {u"<$ABILITIES(X)>", 1},
      {u"<$H.INTS(X)>", 4},
      {u"<$STR(G1)>", 0},
      {u"$(序号)", 0},
      {u"<$iNTS(x)>", 3},
      {u"$INTS", 0},
      {u"", 0},
  };
  for (const auto& [token, kind] : cases) EXPECT_EQ(CompValOperandKind(token), kind) << Utf8(token);
}

TEST(ScanCompValCommand, LiteralOperands) {
  ExpectUses({
      {u"", u"COMPVAL <$INTS5> > 10", V{"INTS5 @F:1 | COMPVAL命令 INTS：<$INTS5>"}},
      {u"", u"!COMPVAL <$H.ABILITIES12> = 3",
       V{"H.SetAbility12 @F:1 | COMPVAL命令 H.SetAbility：<$H.ABILITIES12>"}},
      {u"", u"compval <$abilities7> = 3",
       V{"SetAbility7 @F:1 | COMPVAL命令 SetAbility：<$ABILITIES7>"}},
      {u"", u"COMPVAL <$H.INTS29> = 3", V{"H.INTS29 @F:1 | COMPVAL命令 H.INTS：<$H.INTS29>"}},
      {u"", u"COMPVAL <$ABILITIES600> > 1", V{}},
      {u"", u"COMPVAL <$STR(G11)> > 1", V{"G11 @F:1"}},
      {u"", u"COMPVAL <$INTS(5)> > 1", V{}},
      {u"", u"COMPVAL <INTS5> > 1", V{"INTS5 @F:1 | COMPVAL命令 INTS：<INTS5>"}},
      {u"", u"COMPVAL <$INTS$1C> > 1", V{"INTS$1C @F:1 | COMPVAL命令 INTS：<$INTS$1C>"}},
      {u"", u"COMPVAL <$INTS5> > <$INTS6>",
       V{"INTS5 @F:1 | COMPVAL命令 INTS：<$INTS5>", "INTS6 @F:1 | COMPVAL命令 INTS：<$INTS6>"}},
      {u"", u"COMPVAL <$HUMAN5> > 1", V{}},
  });
}

TEST(ScanCompValCommand, ConstantOperandsTakeTheFirstRouteThatAccepts) {
  ExpectUses({
      {u"#DEFINE 序号 5", u"COMPVAL <$INTS(序号)> > 1", V{"INTS5 @K:1 | 常量INTS：<$INTS(序号)>"}},
      {u"#DEFINE 序号 5", u"COMPVAL <$H.ABILITIES(序号)> > 1",
       V{"H.SetAbility5 @K:1 | 常量H.SetAbility：<$H.ABILITIES(序号)>"}},
      {u"#DEFINE 序号 5", u"COMPVAL <$STR(序号)> > 1", V{}},
      {u"#DEFINE 任务 [20]", u"COMPVAL <$STR(任务)> = 1", V{"[20] @K:1 | 常量标识：<$STR(任务)>"}},
      {u"#DEFINE 任务 [900]", u"COMPVAL <$STR(任务)> = 1", V{}},
      {u"#DEFINE 变量 G11", u"COMPVAL <$INTS(变量)> > 1", V{"G11 @K:1 | 变量引用：<$INTS(变量)>"}},
      {u"#DEFINE $(变量) g12", u"compval <$str(变量)> > 1", V{"G12 @K:1 | 变量引用：<$STR(变量)>"}},
  });
}

}  // namespace
}  // namespace qorvan
