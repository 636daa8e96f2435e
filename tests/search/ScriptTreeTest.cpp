#include <gtest/gtest.h>
#include <unistd.h>

#include "ScriptTree.h"
#include "TempDir.h"
#include "Utf.h"

namespace qorvan {
namespace {
namespace fs = std::filesystem;

std::vector<std::u16string> Walk(const fs::path& root, WalkStats& stats) {
  std::u16string text = PathText(root) + PathSeparator();
  std::vector<ScriptFileEntry> files;
  VisitedDirs visited;
  ListScriptFiles(ScriptFileEntry{root, text}, visited, stats, files);
  std::vector<std::u16string> relative;
  for (const auto& f : files) relative.push_back(f.Path.substr(text.size()));
  return relative;
}

TEST(ScriptTree, DepthFirstInUpperCaseNameOrder) {
  testing::TempDir dir;
  for (const char* rel :
       {"b.txt", "A/z.txt", "A/Sub/deep/x.txt", "a.txt", "B2/y.txt", "_u.txt", "c.TXT"})
    dir.Write(rel, "x");
  WalkStats stats;
  // "A" and "a.txt" interleave by name; "_" (0x5F) sorts after the upper-case letters.
  std::vector<std::u16string> expected = {u"A/Sub/deep/x.txt", u"A/z.txt", u"a.txt", u"b.txt",
                                          u"B2/y.txt",         u"c.TXT",   u"_u.txt"};
  EXPECT_EQ(Walk(dir.path(), stats), expected);
  EXPECT_EQ(stats.SkippedDirs, 0u);
}

TEST(ScriptTree, TiesBetweenNamesDifferingInCaseGoByTheName) {
  testing::TempDir dir;
  dir.Write("ab.txt", "x");
  dir.Write("AB.txt", "x");
  dir.Write("Ab.txt", "x");
  WalkStats stats;
  std::vector<std::u16string> expected = {u"AB.txt", u"Ab.txt", u"ab.txt"};
  EXPECT_EQ(Walk(dir.path(), stats), expected);
}

TEST(ScriptTree, LinkedDirectoriesAreFollowedButNeverEnteredTwice) {
  testing::TempDir dir;
  dir.Write("real/f.txt", "x");
  fs::create_directory_symlink(dir.path() / "real", dir.path() / "link");
  fs::create_directory_symlink(dir.path(), dir.path() / "real" / "loop");
  WalkStats stats;
  std::vector<std::u16string> files = Walk(dir.path(), stats);
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0], u"link/f.txt");  // "LINK" sorts before "REAL"
}

TEST(ScriptTree, UnreadableDirectoryIsSkippedAndCounted) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  testing::TempDir dir;
  dir.Write("closed/f.txt", "x");
  dir.Write("open.txt", "x");
  fs::permissions(dir.path() / "closed", fs::perms::none);
  WalkStats stats;
  EXPECT_EQ(Walk(dir.path(), stats), std::vector<std::u16string>{u"open.txt"});
  EXPECT_EQ(stats.SkippedDirs, 1u);
  fs::permissions(dir.path() / "closed", fs::perms::owner_all);
}

TEST(ScriptTree, ScriptDirectoryComponentsMatchWithoutCase) {
  testing::TempDir dir;
  dir.Write("Mir200/Envir/market_def/m.txt", "x");
  dir.Write("Mir200/Envir/ROBOT_DEF/r.txt", "x");
  dir.Write("Mir200/Envir/robot_def/r.txt", "x");
  dir.Write("Mir200/Envir/Npc_Def/n.txt", "x");
  std::u16string base = PathText(dir.path()) + PathSeparator();
  auto resolved = [&](std::u16string_view entry) {
    auto r = ResolveScriptDir(base, entry);
    return r ? r->Path.substr(base.size()) : u"(missing)";
  };
  EXPECT_EQ(resolved(u"Mir200\\Envir\\Market_Def\\"), u"Mir200/Envir/market_def/");
  EXPECT_EQ(resolved(u"Mir200\\Envir\\Robot_def\\"), u"Mir200/Envir/ROBOT_DEF/");
  EXPECT_EQ(resolved(u"Mir200\\Envir\\Npc_Def\\"), u"Mir200/Envir/Npc_Def/");
  EXPECT_EQ(resolved(u"Mir200\\Envir\\QuestDiary\\"), u"(missing)");
}

}  // namespace
}  // namespace qorvan
