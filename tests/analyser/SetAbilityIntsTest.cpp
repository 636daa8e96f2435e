#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptRun.h"

namespace qorvan {
namespace {

using test::ScriptRun;
using test::UsesOf;
using test::Utf8;
using V = std::vector<std::string>;

using test::ExpectUses;

TEST(ScanSetAbilityCommand, DescriptionFollowsTheSlotNumber) {
  ExpectUses({
      {u"", u"SETABILITY 0 1", V{"SetAbility0 @F:1 | 0-49系统内置固有属性"}},
      {u"", u"SETABILITY 5 1", V{"SetAbility5 @F:1 | 0-49系统内置固有属性"}},
      {u"", u"SETABILITY 49 1", V{"SetAbility49 @F:1 | 0-49系统内置固有属性"}},
      {u"", u"SETABILITY 50 1", V{"SetAbility50 @F:1"}},
      {u"", u"SETABILITY 399 1", V{"SetAbility399 @F:1"}},
      {u"", u"SETABILITY 400 1", V{"SetAbility400 @F:1 | 400-407为特殊属性ID"}},
      {u"", u"SETABILITY 407 1", V{"SetAbility407 @F:1 | 400-407为特殊属性ID"}},
      {u"", u"SETABILITY 408 1", V{"SetAbility408 @F:1"}},
      {u"", u"SETABILITY 599 1", V{"SetAbility599 @F:1"}},
      {u"", u"SETABILITY 600 1", V{}},
      {u"", u"H.SETABILITY 402 1", V{"H.SetAbility402 @F:1 | 400-407为特殊属性ID"}},
      {u"", u"P.SetAbility 45 1", V{"SetAbility45 @F:1 | 0-49系统内置固有属性"}},
      {u"", u"SETABILITY", V{}},
      {u"", u"SETABILITY ", V{}},
  });
}

TEST(ScanSetAbilityCommand, SlotThroughAConstant) {
  ExpectUses({
      {u"#DEFINE $(攻击) 7\r\n#DEFINE $(防御) 8", u"SETABILITY $(攻击) $(防御)",
       V{"SetAbility7 @K:1 | 常量SetAbility：$(攻击)"}},
      {u"#DEFINE $(攻击) 700\r\n#DEFINE $(防御) 8", u"SETABILITY $(攻击) $(防御)",
       V{"SetAbility8 @K:1 | 常量SetAbility：$(防御)"}},
      {u"#DEFINE $(X) $C", u"h.setability x 1", V{"H.SetAbility$C @K:1 | 常量H.SetAbility：X"}},
      {u"#DEFINE $(X1) 5", u"SETABILITY 7 X1", V{"SetAbility7 @F:1 | 0-49系统内置固有属性"}},
      {u"#DEFINE $(X1) 5", u"SETABILITY 700 X1", V{}},
      {u"", u"SETABILITY X1 5", V{}},
  });
}

TEST(ScanSetAbilityCommand, ConstantUseCarriesTheUsingLine) {
  ScriptRun run;
  run.File(u"A", u"#DEFINE $(攻击) 7");
  run.File(u"B", u"\r\nSETABILITY $(攻击) 100");
  run.Run();
  EXPECT_EQ(run.Uses(), V{"SetAbility7 @A:2 | 常量SetAbility：$(攻击)"});
  EXPECT_EQ(run.Log.at(0).Line, "SETABILITY $(攻击) 100");
}

TEST(ScanIntsCommand, LiteralSlots) {
  ExpectUses({
      {u"", u"INTS 5 + 1", V{"INTS5 @F:1"}},
      {u"", u"CHECKINTS 5 > 10", V{"INTS5 @F:1"}},
      {u"", u"INTS 30 + 1", V{}},
      {u"", u"H.INTS 29 + 1", V{"H.INTS29 @F:1"}},
      {u"", u"H.CHECKINTS 0 > 1", V{"H.INTS0 @F:1"}},
      {u"", u"INTS 5 + <$STR(G11)>", V{"INTS5 @F:1"}},
      {u"", u"INTS 007 + 1", V{"INTS007 @F:1"}},
      {u"", u"INTS", V{}},
  });
}

TEST(ScanIntsCommand, OperandPhase) {
  const std::u16string defines =
      u"#DEFINE $(序号) 5\r\n#DEFINE $(变量A) <$STR(G11)>\r\n#DEFINE $(常数) 9\r\n"
      u"#DEFINE $(变量B) <$STR(G12)>\r\n#DEFINE $(无括号) <G13>";
  ExpectUses({
      {defines, u"INTS $(序号) + $(变量A)",
       V{"INTS5 @K:1 | 常量INTS：$(序号)", "<$STR(G11)> @K:1 | 变量引用：$(变量A)"}},
      {defines, u"ints $(序号) + $(常数) + $(变量A)", V{"INTS5 @K:1 | 常量INTS：$(序号)"}},
      {defines, u"INTS $(序号) + $(无括号) + $(变量A) + $(变量B) + 3",
       V{"INTS5 @K:1 | 常量INTS：$(序号)", "<$STR(G11)> @K:1 | 变量引用：$(变量A)",
         "<$STR(G12)> @K:1 | 变量引用：$(变量B)"}},
      // Until a constant gives the slot, constants that do not are passed over.
      {defines, u"INTS $(变量A) $(序号) $(变量B)",
       V{"INTS5 @K:1 | 常量INTS：$(序号)", "<$STR(G12)> @K:1 | 变量引用：$(变量B)"}},
      {defines, u"INTS X + $(变量A)", V{}},
  });
}

TEST(ScanHIntsCommand, AngleKeyOnlyForHInts) {
  ExpectUses({
      {u"#DEFINE <$HP> 3", u"H.INTS HP + 1", V{"H.INTS3 @K:1 | 常量H.INTS：HP"}},
      {u"#DEFINE <$HP> 3", u"INTS HP + 1", V{}},
      {u"#DEFINE HP 4", u"H.INTS HP + 1", V{"H.INTS4 @K:1 | 常量H.INTS：HP"}},
      {u"#DEFINE $(HP) 5\r\n#DEFINE <$HP> 3", u"H.INTS HP + 1", V{"H.INTS5 @K:1 | 常量H.INTS：HP"}},
  });
}

}  // namespace
}  // namespace qorvan
