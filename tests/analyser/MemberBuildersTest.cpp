#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MemberBuilders.h"
#include "ScriptRun.h"
#include "TextHelpers.h"

namespace qorvan {
namespace {

using test::Utf8;

struct BuilderInfo {
  const char* label;
  MemberBuilder build;
  std::int32_t highest;  // -1: no upper bound
  std::string name5;
  std::int32_t idx5;
  bool setsNum;
};

const std::vector<BuilderInfo>& Builders() {
  static const std::vector<BuilderInfo> builders = {
      {"tag", ParseTagNumber, -1, "[5]", 27000005, false},
      {"timer", ParseTimerNumber, 14, "[@OnTimer5]", 28000005, false},
      {"setability", ParseSetAbilityNumber, 599, "SetAbility5", 29000005, true},
      {"h.setability", ParseHSetAbilityNumber, 599, "H.SetAbility5", 30000005, true},
      {"ints", ParseIntsNumber, 29, "INTS5", 31000005, false},
      {"h.ints", ParseHIntsNumber, 29, "H.INTS5", 32000005, false},
      {"stdmodefunc", ParseStdModeFuncNumber, 255, "[@StdModeFunc5]", 33000005, false},
      {"usercmd", ParseUserCmdNumber, 255, "[@UserCmd5]", 34000005, false},
  };
  return builders;
}

TEST(MemberBuilders, NamesAndSearchNumbers) {
  const Catalogue& cat = TheCatalogue();
  for (const BuilderInfo& b : Builders()) {
    TValueDat dat;
    ASSERT_TRUE(b.build(cat, u"5", dat)) << b.label;
    EXPECT_EQ(Utf8(dat.Name), b.name5) << b.label;
    EXPECT_EQ(dat.IDX, b.idx5) << b.label;
    EXPECT_EQ(dat.ID, b.idx5 / 1000000) << b.label;
    EXPECT_EQ(dat.Num, b.setsNum ? 5 : 0) << b.label;
  }
}

TEST(MemberBuilders, Ranges) {
  const Catalogue& cat = TheCatalogue();
  for (const BuilderInfo& b : Builders()) {
    TValueDat dat;
    EXPECT_EQ(b.build(cat, u"0", dat), b.highest >= 0) << b.label;  // the tag starts at 1
    EXPECT_TRUE(b.build(cat, u"1", dat)) << b.label;
    if (b.highest >= 0) {
      std::u16string top = DecimalText(b.highest);
      EXPECT_TRUE(b.build(cat, top, dat)) << b.label;
      EXPECT_FALSE(b.build(cat, DecimalText(b.highest + 1), dat)) << b.label;
    } else {
      EXPECT_TRUE(b.build(cat, u"1000", dat)) << b.label;
      EXPECT_EQ(dat.IDX, 27001000);
    }
    for (const char16_t* bad : {u"-1", u"", u"5A", u"1.5", u"99999999999"})
      EXPECT_FALSE(b.build(cat, bad, dat)) << b.label << " " << Utf8(bad);
  }
}

TEST(MemberBuilders, NameKeepsTheNumberTextAsWritten) {
  const Catalogue& cat = TheCatalogue();
  TValueDat dat;
  ASSERT_TRUE(ParseIntsNumber(cat, u"007", dat));
  EXPECT_EQ(Utf8(dat.Name), "INTS007");
  EXPECT_EQ(dat.IDX, 31000007);
  ASSERT_TRUE(ParseSetAbilityNumber(cat, u"$C", dat));
  EXPECT_EQ(Utf8(dat.Name), "SetAbility$C");
  EXPECT_EQ(dat.IDX, 29000012);
  EXPECT_EQ(dat.Num, 12);
  EXPECT_EQ(Utf8(dat.KeyWord), "SETABILITY");
  ASSERT_TRUE(ParseTimerNumber(cat, u"14", dat));
  EXPECT_EQ(Utf8(dat.Name), "[@OnTimer14]");
  ASSERT_TRUE(ParseTagNumber(cat, u" +0x10", dat));
  EXPECT_EQ(Utf8(dat.Name), "[ +0x10]");
  EXPECT_EQ(Utf8(dat.KeyWord), "Tag");
}

TEST(MemberBuilders, RejectionOnlyClearsTheId) {
  const Catalogue& cat = TheCatalogue();
  TValueDat dat;
  ASSERT_TRUE(ParseSetAbilityNumber(cat, u"402", dat));
  EXPECT_FALSE(ParseSetAbilityNumber(cat, u"600", dat));
  EXPECT_EQ(dat.ID, 0);
  EXPECT_EQ(Utf8(dat.Name), "SetAbility402");
  EXPECT_EQ(dat.IDX, 29000402);
  EXPECT_EQ(dat.Num, 402);
}

TEST(MemberBuilders, TagNumberThatWouldOverflowTheSearchNumberIsRejected) {
  TValueDat dat;
  EXPECT_TRUE(ParseTagNumber(TheCatalogue(), u"2120483647", dat));  // exactly the 32-bit limit
  EXPECT_FALSE(ParseTagNumber(TheCatalogue(), u"2120483648", dat));
}

}  // namespace
}  // namespace qorvan
