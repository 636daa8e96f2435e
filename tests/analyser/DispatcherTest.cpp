#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Plus.h"
#include "ScriptRun.h"

namespace qorvan {
namespace {

using test::ScriptRun;
using test::UsesOf;
using V = std::vector<std::string>;

struct LineCase {
  std::u16string line;
  V uses;
};

TEST(ParseScriptLine, FirstKeywordTokenPicksTheRecogniser) {
  const std::vector<LineCase> cases = {
      {u"#IF G11 CHECK [5] 1", V{"G11 @F:1"}},
      {u"SAY X CHECK [5] 1", V{"[5] @F:1"}},
      {u"CHECK G11 [5] 1", V{"[5] @F:1"}},
      {u"SAY <$STR(G11)> CHECK [5] 1", V{"<$STR(G11)> @F:1"}},
      {u"  mapmove <$STR(G11)> 100 100", V{"<$STR(G11)> @F:1"}},
      {u"MAPMOVE(3) G11", V{"G11 @F:1"}},
      {u"M.INTS 5 + 1", V{"INTS5 @F:1"}},
      {u"H.INTS 5 + 1", V{"H.INTS5 @F:1"}},
      {u"h.setability 3 = 1", V{"H.SetAbility3 @F:1 | 0-49系统内置固有属性"}},
      {u"[@OnTimer5]", V{"[@OnTimer5] @F:1"}},
      {u"[@OnTimer14] G1", V{"G1 @F:1"}},
      {u"INTS5 G11", V{}},
      {u"SAY INTS5 G11", V{"G11 @F:1"}},
      {u"SAY INTS5", V{}},
      {u"GIVE G11 1", V{"G11 @F:1"}},
      {u"SAY <$STR(G11)>", V{"<$STR(G11)> @F:1"}},
      {u"#DEFINE X G11", V{}},
      {u"SET [1] 1 CHECK [2] 1", V{"[1] @F:1", "[2] @F:1"}},
      {u"", V{}},
      {u" \t  ", V{}},
  };
  for (const LineCase& c : cases) EXPECT_EQ(UsesOf(c.line), c.uses) << test::Utf8(c.line);
}

TEST(ParseScriptLine, EveryKeywordInAnyCaseEndsTheWalk) {
  // After a keyword token "G1" is never seen by the letter-variable scan; after any other
  // token it is recorded.
  for (const auto& [key, code] : TheCatalogue().KeyWordDic) {
    EXPECT_EQ(UsesOf(key + u" G1"), V{}) << test::Utf8(key) << " " << code;
    std::u16string lower = key;
    for (char16_t& c : lower)
      if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    EXPECT_EQ(UsesOf(lower + u"\tG1"), V{}) << test::Utf8(lower);
  }
  for (const char16_t* token : {u"MOBFIREBURNS", u"[@ONTIMER14]", u"INTS30", u"[@USERCMD256]",
                                u"#DEFINEX", u"CHECK.", u"MAPMOVE(3)"})
    EXPECT_EQ(UsesOf(std::u16string(token) + u" G1"), V{"G1 @F:1"}) << test::Utf8(token);
}

TEST(ParseScriptLine, MonItemsFilesOnlyKnowTheFirstToken) {
  const std::u16string path = u"D:\\MirServer\\Mir200\\Envir\\monitems\\Boss.txt";
  const std::vector<LineCase> cases = {
      {u"1/10 <$STR(G11)> 1", V{"<$STR(G11)> @" + test::Utf8(path) + ":1"}},
      {u"CHECK [5] 1", V{"[5] @" + test::Utf8(path) + ":1"}},
      {u"1/10 CHECK [5] 1", V{}},
      {u"GIVE G11 1", V{}},
  };
  for (const LineCase& c : cases) {
    ScriptRun run;
    run.File(path, c.line);
    EXPECT_EQ(run.Run().Uses(), c.uses) << test::Utf8(c.line);
  }
}

TEST(ParseScriptLine, MonItemsIsTheDirectoryNamedSoInAnyCase) {
  const std::vector<std::pair<std::u16string, bool>> cases = {
      {u"D:\\S\\Mir200\\Envir\\MonItems\\a.txt", true},
      {u"/srv/Mir200/Envir/monitems/a.txt", true},
      {u"/srv/Mir200\\MONITEMS/a.txt", true},
      {u"/srv/Mir200/Envir/Monıtems/a.txt", true},  // dotless i upper-cases to I
      {u"/srv/Mir200/Envir/MonItemſ/a.txt", true},  // long s upper-cases to S
      {u"/srv/Mir200/Envir/MonItems.txt", false},
      {u"/srv/Mir200/Envir/MyMonItems/a.txt", false},
      {u"MonItems/a.txt", false},
  };
  for (const auto& [path, monItems] : cases) {
    ScriptRun run;
    run.File(path, u"GIVE G11 1");  // a drop line in MonItems: no "$" token, no use
    EXPECT_EQ(run.Run().Uses().size(), monItems ? 0u : 1u) << test::Utf8(path);
  }
}

TEST(ScanFileLines, LineNumbersCountEveryLine) {
  ScriptRun run;
  run.File(u"F", u"GIVE G1\r\n\r\nGIVE G2\n\rGIVE G3\r\n");
  EXPECT_EQ(run.Run().Uses(), (V{"G1 @F:1", "G2 @F:3", "G3 @F:5"}));
  EXPECT_EQ(run.Log[1].Line, "GIVE G2");
}

TEST(ScanFileLines, CommentLinesAreSkippedOnlyWhileFiltered) {
  const std::u16string text =
      u"; G1\r\n% G2\r\n( G3\r\n+ G4\r\n@ G5\r\n{ G6\r\n} G7\r\n  ; G8\r\n# G9\r\n";
  ScriptRun filtered(true);
  EXPECT_EQ(filtered.File(u"F", text).Run().Uses(), (V{"G8 @F:8", "G9 @F:9"}));
  ScriptRun unfiltered(false);
  EXPECT_EQ(unfiltered.File(u"F", text).Run().Uses().size(), 9u);
}

TEST(ScanFileLines, OverlongLinesYieldNoTokens) {
  const std::u16string head = u"GIVE G1 ";
  ScriptRun atLimit;
  atLimit.File(u"F", head + std::u16string(20479 - head.size(), u'x'));
  EXPECT_EQ(atLimit.Run().Uses(), V{});
  ScriptRun belowLimit;
  belowLimit.File(u"F", head + std::u16string(20478 - head.size(), u'x'));
  EXPECT_EQ(belowLimit.Run().Uses(), V{"G1 @F:1"});
  ScriptRun huge;
  huge.File(u"F", std::u16string(100000, u'(') + u"\r\nGIVE G2");
  EXPECT_EQ(huge.Run().Uses(), V{"G2 @F:2"});
}

// Fails on one member name, to show which failures stay inside a line.
class FailingSink final : public UseSink {
 public:
  explicit FailingSink(std::u16string failOn) : failOn_(std::move(failOn)) {}
  void RecordValueUse(const TValueDat& dat, FileId, std::u16string_view, std::int32_t lineNo,
                      UseWrap, std::u16string_view) override {
    if (dat.Name == failOn_) throw std::runtime_error("recording failed");
    recorded.push_back(test::Utf8(dat.Name) + ":" + std::to_string(lineNo));
  }
  V recorded;

 private:
  std::u16string failOn_;
};

V RunWithFailure(std::u16string failOn, std::u16string text) {
  RunState state;
  state.Settings.Filtered = true;
  FileId file = state.AddFile(u"F", std::move(text));
  CollectDefines(state, file);
  FailingSink sink(std::move(failOn));
  LineContext ctx{TheCatalogue(), state.ConstantDic, state.FileDic, sink, true};
  ScanFileLines(ctx, file);
  return sink.recorded;
}

TEST(ScanFileLines, AFailingLineIsAbandonedAlone) {
  EXPECT_EQ(RunWithFailure(u"G1", u"GIVE G2 G1 G3\r\nGIVE G4"), (V{"G2:1", "G4:2"}));
  // A tag reached through a constant is guarded on its own: the walk goes on.
  EXPECT_EQ(RunWithFailure(u"[12]", u"#DEFINE $(T) [12]\r\nCHECK $(T) [5]\r\nCHECK [6]"),
            (V{"[5]:2", "[6]:3"}));
  EXPECT_EQ(RunWithFailure(u"[20]", u"#DEFINE T [20]\r\nCOMPVAL <$STR(T)> <$INTS5>"),
            (V{"INTS5:2"}));
}

}  // namespace
}  // namespace qorvan
