#include <gtest/gtest.h>

#include <ctime>
#include <map>

#include "LineSplit.h"
#include "ScriptTree.h"
#include "SearchRun.h"
#include "SettingsStore.h"
#include "TempDir.h"
#include "TextHelpers.h"
#include "Utf.h"

namespace qorvan {
namespace {
namespace fs = std::filesystem;

std::u16string Text(const fs::path& p) {
  return PathText(p);
}

std::vector<std::u16string_view> Lines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  LineCursor cursor(text);
  for (std::u16string_view line; cursor.Next(line);) lines.push_back(line);
  return lines;
}

TEST(NormalizeDir, OneTrailingSeparatorForAnExistingDirectory) {
  testing::TempDir dir;
  std::u16string base = Text(dir.path());
  EXPECT_EQ(NormalizeDir(base), base + u"/");
  EXPECT_EQ(NormalizeDir(base + u"/"), base + u"/");
  EXPECT_EQ(NormalizeDir(base + u"/missing"), u"");
}

TEST(MillisecondStamp, CountsDaysFromYearOne) {
  std::tm local{};
  local.tm_year = 2000 - 1900;
  local.tm_mday = 1;
  local.tm_hour = 0;
  local.tm_isdst = -1;
  auto t = std::chrono::system_clock::from_time_t(std::mktime(&local));
  EXPECT_EQ(MillisecondStamp(t), 730120LL * 86400000LL);
  EXPECT_EQ(MillisecondStamp(t + std::chrono::milliseconds(3217)) - MillisecondStamp(t), 3217);
}

TEST(RunSearch, MissingDirectoryGivesTheMessageAndNoState) {
  for (std::u16string text : {std::u16string(u"/no/such/dir"), std::u16string()}) {
    RunRequest request;
    request.DirText = text;
    RunOutcome outcome = RunSearch(request);
    EXPECT_TRUE(outcome.Missing());
    EXPECT_EQ(outcome.Message, text + u"  查询错误，目录不存在！");
    EXPECT_EQ(outcome.State, nullptr);
  }
}

// A version directory with files at several depths, an empty file and a one-empty-line file.
struct SampleTree {
  testing::TempDir dir;
  SampleTree() {
    dir.Write("Mir200/Envir/Npc_Def/a.txt", "GIVE G11 1\r\n");
    dir.Write("Mir200/Envir/Npc_Def/x/y/deep.txt", "deep\n");
    dir.Write("Mir200/Envir/Npc_Def/empty.txt", "");
    dir.Write("Mir200/Envir/Npc_Def/blank.txt", "\r\n");
    dir.Write("Mir200/Envir/market_def/m.txt", "m");
    dir.Write("Mir200/Envir/MonItems/boss.txt", "1/10 <$STR(G3)>");
    dir.Write("Mir200/Other/ignored.txt", "x");
  }
  std::u16string Base() const { return Text(dir.path()) + u"/"; }
};

TEST(RunSearch, CollectsEveryScriptFileInListOrder) {
  SampleTree tree;
  RunRequest request;
  request.DirText = Text(tree.dir.path());
  std::vector<RunPhase> phases;
  request.Progress = [&](const RunProgress& p) { phases.push_back(p.Phase); };
  RunOutcome outcome = RunSearch(request);
  ASSERT_EQ(outcome.Status, RunStatus::Completed);
  ASSERT_NE(outcome.State, nullptr);
  const RunState& state = *outcome.State;
  std::vector<std::u16string> paths;
  for (const ScriptFile& f : state.FileDic) paths.push_back(f.Path.substr(tree.Base().size()));
  std::vector<std::u16string> expected = {
      u"Mir200/Envir/market_def/m.txt", u"Mir200/Envir/Npc_Def/a.txt",
      u"Mir200/Envir/Npc_Def/blank.txt", u"Mir200/Envir/Npc_Def/x/y/deep.txt",
      u"Mir200/Envir/MonItems/boss.txt"};
  EXPECT_EQ(paths, expected);
  EXPECT_EQ(state.Settings.Count, 5);
  EXPECT_EQ(state.Settings.FileCount, 6);  // one more than the files passed
  EXPECT_EQ(state.Settings.Dir, tree.Base());
  EXPECT_EQ(Lines(state.FileDic[2].Text), std::vector<std::u16string_view>{u""});
  EXPECT_EQ(Lines(state.FileDic[3].Text), std::vector<std::u16string_view>{u"deep"});
  EXPECT_TRUE(state.FileDic[4].InMonItems);
  EXPECT_EQ(phases.back(), RunPhase::Done);
}

TEST(RunSearch, BadInputNeverStopsTheRun) {
  testing::TempDir dir;
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) % 256);
  dir.Write("Mir200/Envir/Npc_Def/binary.dat", "GIVE G11 1\x81\xFF\r\n" + binary);
  dir.Write("Mir200/Envir/Npc_Def/long.txt", std::string(100000, 'G') + "\r\nMOV G1 1\r\n");
  fs::create_directory_symlink(dir.path() / "Mir200", dir.path() / "Mir200/Envir/Npc_Def/loop");
  RunRequest request;
  request.DirText = Text(dir.path());
  RunOutcome outcome = RunSearch(request);
  ASSERT_EQ(outcome.Status, RunStatus::Completed);
  ASSERT_EQ(outcome.State->FileDic.size(), 2u);
  EXPECT_EQ(outcome.State->FileDic[0].Text.substr(0, 11), u"GIVE G11 1\uFFFD");
  EXPECT_EQ(outcome.State->FileDic[1].Text.size(), 100000u + 2u + 10u);
}

// A script directory reached through a link from an earlier one is listed there, once.
TEST(RunSearch, ScriptDirectoryReachedEarlierThroughALinkIsListedOnce) {
  testing::TempDir dir;
  dir.Write("Mir200/Envir/Npc_Def/n.txt", "MOV G1 1\r\n");
  dir.Write("Mir200/Envir/QuestDiary/q.txt", "MOV G2 1\r\n");
  fs::create_directory_symlink(dir.path() / "Mir200/Envir/QuestDiary",
                               dir.path() / "Mir200/Envir/Npc_Def/quest");
  for (unsigned threads : {1u, 2u, 4u}) {
    RunRequest request;
    request.DirText = Text(dir.path());
    request.Threads = threads;
    RunOutcome outcome = RunSearch(request);
    ASSERT_EQ(outcome.Status, RunStatus::Completed);
    std::vector<std::u16string> paths;
    for (const ScriptFile& file : outcome.State->FileDic)
      paths.push_back(file.Path.substr(Text(dir.path()).size() + 1));
    const std::u16string sep(1, PathSeparator());
    EXPECT_EQ(paths,
              (std::vector<std::u16string>{
                  u"Mir200" + sep + u"Envir" + sep + u"Npc_Def" + sep + u"n.txt",
                  u"Mir200" + sep + u"Envir" + sep + u"Npc_Def" + sep + u"quest" + sep + u"q.txt"}))
        << threads;
  }
}

TEST(RunSearch, StopRequestEndsTheRunWithPartialResults) {
  SampleTree tree;
  std::atomic<bool> stop{true};
  RunRequest request;
  request.DirText = Text(tree.dir.path());
  request.Stop = &stop;
  RunOutcome outcome = RunSearch(request);
  EXPECT_TRUE(outcome.Stopped());
  ASSERT_NE(outcome.State, nullptr);
  EXPECT_TRUE(outcome.State->ValueDic.empty());
}

// Everything a run leaves, in enumeration order, as text.
std::u16string Dump(const RunState& state) {
  std::u16string out;
  for (const ScriptFile& f : state.FileDic) out.append(f.Path).append(u"|").append(f.Text) += u'\n';
  std::map<std::u16string, std::u16string> constants;
  for (const auto& [name, c] : state.ConstantDic)
    constants[name] = c.Dat + u"@" + state.PathOf(c.Path);
  for (const auto& [name, c] : constants) out += name + u"=" + c + u"\n";
  for (const TValue& v : state.ValueDic) {
    out += v.ValueName + u"|" + v.ValueType + u"|" + v.ValueDescr + u"|" + DecimalText(v.ValueNum) +
           u"|" + DecimalText(v.ValueSearchID) + u"\n";
    for (const TValuePathData& file : v.ValuePath)
      for (const TUse& use : file.Uses)
        out += state.PathOf(file.Path) + u":" + DecimalText(use.LineNo) + u":" +
               UseKeyWord(v.ValueName, use) + u":" + std::u16string(use.Line) + u"\n";
  }
  return out;
}

TEST(RunSearch, WorkerThreadsLeaveExactlyWhatOneThreadLeaves) {
  testing::TempDir dir;
  // Constants defined twice (the first file in order wins), uses filed under the defining file,
  // descriptions that differ between files, and many files for the workers to share.
  dir.Write("Mir200/Envir/MapQuest_Def/a.txt", "#DEFINE $(X) <$STR(G5)>\n#DEFINE T [7]\n");
  dir.Write("Mir200/Envir/Npc_Def/b.txt", "#DEFINE $(X) <$STR(G6)>\nMOV $(X) 1\nCHECK T 1\n");
  for (int i = 0; i < 60; ++i)
    dir.Write("Mir200/Envir/QuestDiary/q" + std::to_string(i) + ".txt",
              "[@main]\r\nMOV G" + std::to_string(i % 9) + " 1\r\nCHECK T 1\r\nMOV $(X) " +
                  std::to_string(i) + "\r\nSENDMSG 6 <$STR(A" + std::to_string(i % 4) + ")>\r\n");
  RunRequest request;
  request.DirText = Text(dir.path());
  request.Threads = 1;
  RunOutcome one = RunSearch(request);
  ASSERT_EQ(one.Status, RunStatus::Completed);
  for (unsigned threads : {2u, 5u}) {
    request.Threads = threads;
    RunOutcome many = RunSearch(request);
    ASSERT_EQ(many.Status, RunStatus::Completed);
    EXPECT_EQ(Dump(*many.State), Dump(*one.State)) << threads;
    EXPECT_EQ(many.State->Settings.FileCount, one.State->Settings.FileCount);
  }
}

TEST(RunSearch, DirectoryIsRememberedWhenItDiffersFromLoadPath) {
  SampleTree tree;
  testing::TempDir empty;
  testing::TempDir config;
  IniSettingsStore store(config.path() / "settings.ini");
  RunRequest request;
  request.DirText = Text(tree.dir.path());
  request.Store = &store;
  request.RememberedDir = u"D:\\MirServer";
  RunOutcome first = RunSearch(request);
  EXPECT_TRUE(first.Remembered);
  EXPECT_EQ(store.ReadRegString(kSettingsKey, kPathValueName), request.DirText);
  // The passes leave the last file's path in LoadPath: the run after them writes again.
  const std::u16string lastFile = first.State->Settings.LoadPath;
  EXPECT_EQ(lastFile, first.State->FileDic.back().Path);
  request.RememberedDir = lastFile;
  EXPECT_TRUE(RunSearch(request).Remembered);

  request.RememberedDir = request.DirText;
  EXPECT_FALSE(RunSearch(request).Remembered);
  // A run that collects nothing leaves the directory text there.
  request.DirText = Text(empty.path());
  RunOutcome none = RunSearch(request);
  EXPECT_TRUE(none.Remembered);
  EXPECT_EQ(none.State->Settings.LoadPath, request.DirText);
}

}  // namespace
}  // namespace qorvan
