#include <gtest/gtest.h>

#include "MyDB.h"

namespace qorvan {
namespace {

TValueDat Member(std::int32_t id, std::int32_t n, std::u16string name) {
  TValueDat dat;
  dat.ID = id;
  dat.IDX = id * 1000000 + n;
  dat.Name = std::move(name);
  return dat;
}

// A finished run whose results are the given uses, each (member, file, line number).
struct Use {
  TValueDat Dat;
  int File;
  int LineNo;
  std::u16string Descr;
};

RunOutcome Outcome(const std::vector<Use>& uses) {
  RunOutcome outcome;
  outcome.State = std::make_unique<RunState>();
  RunState& state = *outcome.State;
  state.AddFile(u"/v/Mir200/Envir/Npc_Def/a.txt", u"GIVE G11 1\r\n");
  state.AddFile(u"/v/Mir200/Envir/Npc_Def/b.txt", u"GIVE G11 2\r\n");
  for (const Use& u : uses)
    RecordValueUse(state.ValueDic, u.Dat, static_cast<FileId>(u.File), state.FileDic[u.File].Text,
                   u.LineNo, UseWrap::Bare, u.Descr);
  outcome.StartSteadyMs = SteadyMilliseconds();
  return outcome;
}

std::vector<std::string> Names(const std::vector<SummaryRow>& rows) {
  std::vector<std::string> names;
  for (const auto& r : rows) names.push_back(r.ValueName);
  return names;
}

std::vector<std::string> Names(const std::vector<FreeRow>& rows) {
  std::vector<std::string> names;
  for (const auto& r : rows) names.push_back(r.KeyWord);
  return names;
}

const TValueDat kG11 = Member(7, 11, u"G11");

TEST(DataModule, EmptyRunListsEveryFreeMember) {
  TDataModule1 dm;
  CompletionReport report = dm.BMDThread1Terminate(Outcome({}));
  EXPECT_TRUE(report.Filled);
  EXPECT_FALSE(report.DetailActive);
  EXPECT_TRUE(dm.SummaryRows().empty());
  std::vector<FreeRow> free = dm.FreeRows();
  ASSERT_EQ(free.size(), 3505u);
  EXPECT_EQ(free.front().KeyWord, "A0");
  EXPECT_EQ(free.front().ID, 1000000);
  EXPECT_EQ(free.front().SearchID, "SearchA");
  EXPECT_EQ(free.back().KeyWord, "[@UserCmd255]");
  EXPECT_EQ(free.back().ID, 34000255);
}

TEST(DataModule, SummaryCountsFilesAndUses) {
  TDataModule1 dm;
  dm.BMDThread1Terminate(Outcome({{kG11, 0, 1, u""},
                                  {kG11, 0, 2, u""},
                                  {kG11, 0, 3, u""},
                                  {kG11, 1, 1, u""},
                                  {Member(7, 11, u"G011"), 1, 1, u""},
                                  {Member(1, 5, u"A5"), 1, 1, u"变量引用：BOSS"}}));
  std::vector<SummaryRow> rows = dm.SummaryRows();
  EXPECT_EQ(Names(rows), (std::vector<std::string>{"A5", "G011", "G11"}));
  const SummaryRow& g11 = rows[2];
  EXPECT_EQ(g11.ID, 7u);
  EXPECT_EQ(g11.ValueID, 7000011u);
  EXPECT_EQ(g11.FileCount, 2u);
  EXPECT_EQ(g11.UseCount, 4u);
  EXPECT_EQ(g11.ValueType, "7");
  EXPECT_EQ(rows[0].Descr, "变量引用：BOSS");
  EXPECT_EQ(dm.ShowDataDicSize(), 3u);
  // G011 is its own name: G11 is used, so only G11 leaves the free list.
  std::vector<FreeRow> free = dm.FreeRows();
  EXPECT_EQ(free.size(), 3505u - 2u);
  for (const auto& r : free) EXPECT_NE(r.KeyWord, "G11");
}

TEST(DataModule, FamilyViewsRestrictTheSummary) {
  TDataModule1 dm;
  dm.BMDThread1Terminate(Outcome({{Member(29, 499, u"SetAbility499"), 0, 1, u""},
                                  {Member(29, 500, u"SetAbility500"), 0, 1, u""},
                                  {Member(30, 500, u"H.SetAbility500"), 0, 1, u""},
                                  {kG11, 0, 1, u""}}));
  dm.UpShowData(29, 29000000, u"SETABILITY");
  EXPECT_EQ(Names(dm.SummaryRows()), std::vector<std::string>{"SetAbility499"});
  dm.UpShowDataEx(u"SETALL");
  EXPECT_EQ(Names(dm.SummaryRows()),
            (std::vector<std::string>{"SetAbility500", "H.SetAbility500"}));
  dm.UpShowData(7, 7000000, u"G");
  EXPECT_EQ(Names(dm.SummaryRows()), std::vector<std::string>{"G11"});
  dm.UpShowData(4, 4000000, u"D");
  EXPECT_FALSE(dm.SummaryHasRows());
  dm.UpShowAllData();
  std::vector<FreeRow> once = dm.FreeRows();
  dm.UpShowAllData();
  EXPECT_EQ(Names(dm.FreeRows()), Names(once));
  EXPECT_EQ(dm.SummaryRows().size(), 4u);
}

TEST(DataModule, FamilyStatementsSelectTheirFreeNames) {
  TDataModule1 dm;
  dm.BMDThread1Terminate(Outcome({{Member(29, 3, u"SetAbility3"), 0, 1, u""}}));
  struct Case {
    int family;
    std::size_t count;
    const char* first;
    const char* last;
  };
  const Case cases[] = {
      {7, 100, "G0", "G99"},
      {16, 10, "P0", "P9"},
      {27, 808, "[1]", "[808]"},
      {28, 15, "[@OnTimer0]", "[@OnTimer14]"},
      {29, 499, "SetAbility0", "SetAbility499"},
      {30, 500, "H.SetAbility0", "H.SetAbility499"},
      {35, 100, "SetAbility500", "SetAbility599"},
      {32, 30, "H.INTS0", "H.INTS29"},
      {2, 0, "", ""},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(dm.OpenFreeQuery(FamilyFreeSql(c.family))) << c.family;
    std::vector<FreeRow> rows = dm.FreeRows();
    ASSERT_EQ(rows.size(), c.count) << c.family;
    if (c.count == 0) continue;
    EXPECT_EQ(rows.front().KeyWord, c.first);
    EXPECT_EQ(rows.back().KeyWord, c.last);
  }
  EXPECT_FALSE(dm.OpenFreeQuery("DELETE FROM ShowTable1"));
  EXPECT_FALSE(dm.FreeQueryOpen());
}

TEST(BuildFilterText, QuotedUpperCasedNames) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"g11 a5", u"ValueName = 'G11' or ValueName = 'A5'"},
      {u" \tg11\t\t a5  ", u"ValueName = 'G11' or ValueName = 'A5'"},
      {u"A'1", u"ValueName = 'A''1'"},
      {u"   ", u""},
      {std::u16string(20479, u'G'), u""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(BuildFilterText(in), out);
  EXPECT_EQ(BuildFilterText(std::u16string(20478, u'g')).size(), 20478u + 14u);
}

TEST(DataModule, FilterStatementFindsFreeNamesWhateverTheirCase) {
  TDataModule1 dm;
  dm.BMDThread1Terminate(Outcome({{kG11, 0, 1, u""}}));
  ASSERT_TRUE(dm.OpenFreeQuery(FilterFreeSql(BuildFilterText(u"g11 g12 setability5 x'y"))));
  EXPECT_EQ(Names(dm.FreeRows()), (std::vector<std::string>{"G12", "SetAbility5"}));
  EXPECT_EQ(Names(dm.FilteredSummaryRows(BuildFilterText(u"g11 a1"))),
            std::vector<std::string>{"G11"});
}

TEST(DataModule, DrillDownFillsFilesThenLines) {
  TDataModule1 dm;
  dm.BMDThread1Terminate(
      Outcome({{kG11, 0, 4, u""}, {kG11, 1, 2, u""}, {kG11, 0, 9, u""}, {kG11, 0, 7, u""}}));
  ASSERT_TRUE(dm.FillFileTable(u"G11"));
  std::vector<FileRow> files = dm.FileRows();
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].FileCount, 3u);
  EXPECT_EQ(files[0].Path, "/v/Mir200/Envir/Npc_Def/a.txt");
  EXPECT_EQ(files[1].FileCount, 1u);
  EXPECT_EQ(files[0].ID, 7000011u);
  ASSERT_TRUE(dm.FillLineTable(u"G11", u"/v/Mir200/Envir/Npc_Def/a.txt"));
  std::vector<LineRow> lines = dm.LineRows();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].TextRow, "4");
  EXPECT_EQ(lines[2].TextRow, "7");
  EXPECT_EQ(lines[0].KeyWord, "G11");
  EXPECT_EQ(lines[0].RowData, "GIVE G11 1\r\n");
  EXPECT_FALSE(dm.FillLineTable(u"G11", u"/elsewhere"));
  EXPECT_TRUE(dm.LineRows().empty());
  EXPECT_FALSE(dm.FillFileTable(u"g11"));
  EXPECT_TRUE(dm.FileRows().empty());
}

TEST(DataModule, MissingDirectoryOutcomeKeepsThePreviousResults) {
  TDataModule1 dm;
  dm.BMDThread1Terminate(Outcome({{kG11, 0, 1, u""}}));
  RunOutcome missing;
  missing.Status = RunStatus::MissingDirectory;
  EXPECT_FALSE(dm.BMDThread1Terminate(std::move(missing)).Filled);
  EXPECT_EQ(Names(dm.SummaryRows()), std::vector<std::string>{"G11"});
}

TEST(FormatEndTime, GeneralFormatWithSeconds) {
  EXPECT_EQ(FormatEndTime(3.217), "3.217s");
  EXPECT_EQ(FormatEndTime(12), "12s");
  EXPECT_EQ(FormatEndTime(2.5), "2.5s");
  EXPECT_EQ(FormatEndTime(3217 / 1000.0), "3.217s");
}

TEST(FamilyTypeLabel, LabelsPerFamily) {
  EXPECT_EQ(FamilyTypeLabel(7), "全局数字");
  EXPECT_EQ(FamilyTypeLabel(27), "个人标识");
  EXPECT_EQ(FamilyTypeLabel(34), "CMD命令");
  EXPECT_EQ(FamilyTypeLabel(35), "");
  EXPECT_EQ(FamilyTypeLabel(0), "");
}

}  // namespace
}  // namespace qorvan
