#include <gtest/gtest.h>

#include "Plus.h"

namespace qorvan {
namespace {

TEST(Catalogue, HoldsEveryFamilyAndKeyword) {
  const Catalogue& cat = TheCatalogue();
  EXPECT_EQ(cat.FamilyDic.size(), 35u);
  EXPECT_EQ(cat.KeyWordDic.size(), 626u);
  EXPECT_EQ(cat.ScriptDirList.size(), 6u);
  EXPECT_EQ(cat.FamilyDic.count(u"g"), 0u);
  EXPECT_EQ(cat.FamilyDic.count(u"Tag"), 0u);
  EXPECT_EQ(cat.FamilyDic.at(u"TAG").SearchNum, 808u);
  EXPECT_EQ(cat.FamilyDic.at(u"SETALL").Order, 35000000);
}

TEST(Catalogue, KeywordBoundaries) {
  const auto& keys = TheCatalogue().KeyWordDic;
  EXPECT_EQ(keys.at(u"[@ONTIMER13]"), 4);
  EXPECT_EQ(keys.count(u"[@ONTIMER14]"), 0u);
  EXPECT_EQ(keys.count(u"INTS30"), 0u);
  EXPECT_EQ(keys.count(u"[@USERCMD256]"), 0u);
  EXPECT_EQ(keys.at(u"MOBFIREBURN"), 2);
  EXPECT_EQ(keys.at(u"INTS29"), 21);
  EXPECT_EQ(keys.at(u"H.INTS0"), 22);
}

TEST(RecordValueUse, CountsUsesPerFileInOrder) {
  ValueDicT dic;
  TValueDat g11;
  g11.ID = 7;
  g11.IDX = 7000011;
  g11.Name = u"G11";
  RecordValueUse(dic, g11, 0, u"GIVE G11 1", 7, UseWrap::Bare, u"");
  RecordValueUse(dic, g11, 0, u"SAY <$STR(G11)>", 9, UseWrap::Str, u"变量引用：BOSS");
  RecordValueUse(dic, g11, 1, u"GIVE G11 2", 3, UseWrap::Bare, u"");
  const TValue* v = dic.Find(u"G11");
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->ValueNum, 3u);
  EXPECT_EQ(v->ValueType, u"7");
  EXPECT_EQ(v->ValueSearchID, 7000011);
  EXPECT_EQ(v->ValueDescr, u"");  // the last call's empty description clears it
  ASSERT_EQ(v->ValuePath.size(), 2u);
  ASSERT_EQ(v->ValuePath[0].Uses.size(), 2u);
  EXPECT_EQ(UseKeyWord(v->ValueName, v->ValuePath[0].Uses[1]), u"<$STR(G11)>");
  EXPECT_EQ(v->ValuePath[0].Uses[1].LineNo, 9);
}

TEST(RecordValueUse, FileEntriesStayOnePerFileWhenUsesInterleave) {
  struct Case {
    std::vector<FileId> Files;                                // one use each, in this order
    std::vector<std::pair<FileId, std::size_t>> WantEntries;  // file, uses
  };
  const Case cases[] = {
      {{0, 1, 0, 0, 2, 1}, {{0, 3}, {1, 2}, {2, 1}}},
      // Out of file order, then in order again: a later file must still find its entry.
      {{2, 0, 1, 0, 2, 3, 1}, {{2, 2}, {0, 2}, {1, 2}, {3, 1}}},
      {{5, 5, 7, 9}, {{5, 2}, {7, 1}, {9, 1}}},
  };
  for (const Case& c : cases) {
    ValueDicT dic;
    TValueDat g1;
    g1.ID = 7;
    g1.IDX = 7000001;
    g1.Name = u"G1";
    for (FileId file : c.Files) RecordValueUse(dic, g1, file, u"GIVE G1", 1, UseWrap::Bare, u"");
    const TValue* v = dic.Find(u"G1");
    ASSERT_NE(v, nullptr);
    ASSERT_EQ(v->ValuePath.size(), c.WantEntries.size());
    for (std::size_t i = 0; i < c.WantEntries.size(); ++i) {
      EXPECT_EQ(v->ValuePath[i].Path, c.WantEntries[i].first) << i;
      EXPECT_EQ(v->ValuePath[i].Uses.size(), c.WantEntries[i].second) << i;
    }
    EXPECT_EQ(v->ValueNum, c.Files.size());
  }
}

}  // namespace
}  // namespace qorvan
