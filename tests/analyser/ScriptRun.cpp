#include "ScriptRun.h"

#include "ConstantNameFilter.h"
#include "LineScreen.h"

#include <gtest/gtest.h>
#include <unicode/unistr.h>

namespace qorvan::test {

std::string Utf8(std::u16string_view text) {
  std::string out;
  icu::UnicodeString(text.data(), static_cast<int32_t>(text.size())).toUTF8String(out);
  return out;
}

std::string LoggedUse::Compact() const {
  std::string text = KeyWord + " @" + Path + ":" + std::to_string(LineNo);
  if (!Descr.empty()) text += " | " + Descr;
  return text;
}

namespace {

// Logs every use and forwards it to a ValueDic; checks the line is a view into a file.
class LoggingSink final : public UseSink {
 public:
  LoggingSink(const RunState& state, std::vector<LoggedUse>& log, ValueDicT& dic)
      : state_(state), log_(log), dic_(dic) {}
  void RecordValueUse(const TValueDat& dat, FileId path, std::u16string_view line,
                      std::int32_t lineNo, UseWrap wrap, std::u16string_view descr) override {
    EXPECT_TRUE(PointsIntoAFile(line)) << Utf8(line);
    EXPECT_GT(dat.ID, 0);
    TUse use{lineNo, wrap, line};
    log_.push_back(LoggedUse{Utf8(UseKeyWord(dat.Name, use)), Utf8(state_.PathOf(path)), lineNo,
                             Utf8(line), Utf8(descr)});
    dic_.RecordValueUse(dat, path, line, lineNo, wrap, descr);
  }

 private:
  bool PointsIntoAFile(std::u16string_view line) const {
    for (const ScriptFile& file : state_.FileDic) {
      const char16_t* begin = file.Text.data();
      if (line.data() >= begin && line.data() + line.size() <= begin + file.Text.size())
        return true;
    }
    return false;
  }

  const RunState& state_;
  std::vector<LoggedUse>& log_;
  ValueDicSink dic_;
};

}  // namespace

ScriptRun::ScriptRun(bool filtered) {
  State.Settings.Filtered = filtered;
}

ScriptRun& ScriptRun::File(std::u16string path, std::u16string text) {
  State.AddFile(std::move(path), std::move(text));
  return *this;
}

ScriptRun& ScriptRun::Run() {
  for (FileId id = 0; id < State.FileDic.size(); ++id) CollectDefines(State, id);
  const ConstantNameFilter filter(State.ConstantDic);
  const LineScreen screen(TheCatalogue(), State.ConstantDic);
  LoggingSink sink(State, Log, State.ValueDic);
  LineContext ctx{TheCatalogue(),          State.ConstantDic, State.FileDic, sink,
                  State.Settings.Filtered, &filter,           &screen};
  for (FileId id = 0; id < State.FileDic.size(); ++id) ScanFileLines(ctx, id);

  // The name filter and the line screen only save work: without them every line records the
  // same uses.
  std::vector<LoggedUse> unfilteredLog;
  ValueDicT unfilteredDic;
  LoggingSink plainSink(State, unfilteredLog, unfilteredDic);
  LineContext plain{TheCatalogue(), State.ConstantDic, State.FileDic, plainSink,
                    State.Settings.Filtered};
  for (FileId id = 0; id < State.FileDic.size(); ++id) ScanFileLines(plain, id);
  std::vector<std::string> unfiltered;
  for (const LoggedUse& use : unfilteredLog) unfiltered.push_back(use.Compact());
  EXPECT_EQ(Uses(), unfiltered);
  return *this;
}

std::vector<std::string> ScriptRun::Uses() const {
  std::vector<std::string> uses;
  for (const LoggedUse& use : Log) uses.push_back(use.Compact());
  return uses;
}

std::vector<std::string> UsesOf(std::u16string_view line, std::u16string_view defines) {
  ScriptRun run;
  if (!defines.empty()) run.File(u"K", std::u16string(defines));
  run.File(u"F", std::u16string(line));
  return run.Run().Uses();
}

void ExpectUses(const std::vector<LineCase>& cases) {
  for (const LineCase& c : cases)
    EXPECT_EQ(UsesOf(c.line, c.defines), c.uses) << Utf8(c.line) << " / " << Utf8(c.defines);
}

}  // namespace qorvan::test
