#include "ScriptRun.h"

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

// Logs every use and forwards it to the run's ValueDic; checks the line is a view into a file.
class LoggingSink final : public UseSink {
 public:
  explicit LoggingSink(ScriptRun& run) : run_(run), dic_(run.State.ValueDic) {}
  void RecordValueUse(const TValueDat& dat, FileId path, std::u16string_view line,
                      std::int32_t lineNo, UseWrap wrap, std::u16string_view descr) override {
    EXPECT_TRUE(PointsIntoAFile(line)) << Utf8(line);
    EXPECT_GT(dat.ID, 0);
    TUse use{lineNo, wrap, line};
    run_.Log.push_back(LoggedUse{Utf8(UseKeyWord(dat.Name, use)), Utf8(run_.State.PathOf(path)),
                                 lineNo, Utf8(line), Utf8(descr)});
    dic_.RecordValueUse(dat, path, line, lineNo, wrap, descr);
  }

 private:
  bool PointsIntoAFile(std::u16string_view line) const {
    for (const ScriptFile& file : run_.State.FileDic) {
      const char16_t* begin = file.Text.data();
      if (line.data() >= begin && line.data() + line.size() <= begin + file.Text.size())
        return true;
    }
    return false;
  }

  ScriptRun& run_;
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
  LoggingSink sink(*this);
  LineContext ctx{TheCatalogue(), State.ConstantDic, State.FileDic, sink, State.Settings.Filtered};
  for (FileId id = 0; id < State.FileDic.size(); ++id) ScanFileLines(ctx, id);
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

}  // namespace qorvan::test
