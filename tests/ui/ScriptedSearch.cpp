#include "ScriptedSearch.h"

#include <QStringList>

#include "Plus.h"

namespace qorvan::ui::test {

namespace {

// The view of line `lineNo` (1-based) inside `text`, whose lines end with "\n".
std::u16string_view LineOf(std::u16string_view text, int lineNo) {
  std::size_t begin = 0;
  for (int i = 1; i < lineNo; ++i) begin = text.find(u'\n', begin) + 1;
  const std::size_t end = text.find(u'\n', begin);
  return text.substr(begin, end == std::u16string_view::npos ? end : end - begin);
}

}  // namespace

std::function<RunOutcome(const RunRequest&)> ScriptedSearch(ScriptedTree tree) {
  return [tree](const RunRequest& request) {
    RunOutcome outcome;
    const std::u16string dir = NormalizeDir(request.DirText);
    if (request.DirText.empty() || dir.empty()) {
      outcome.Status = RunStatus::MissingDirectory;
      outcome.Message = request.DirText + std::u16string(kMissingDirMessage);
      return outcome;
    }
    outcome.StartSteadyMs = SteadyMilliseconds();
    outcome.State = std::make_unique<RunState>();
    RunState& state = *outcome.State;
    for (const auto& [path, text] : tree.Files)
      state.AddFile(dir + path.toStdU16String(), text.toStdU16String());
    for (const ScriptedUse& use : tree.Uses) {
      TValueDat dat;
      dat.ID = use.Family;
      dat.IDX = FamilyOrderBase[static_cast<std::size_t>(use.Family - 1)] + use.Number;
      dat.Name = use.Name.toStdU16String();
      const FileId file = static_cast<FileId>(use.File);
      RecordValueUse(state.ValueDic, dat, file, LineOf(state.FileDic[file].Text, use.Line),
                     use.Line, use.Str ? UseWrap::Str : UseWrap::Bare, u"");
    }
    return outcome;
  };
}

}  // namespace qorvan::ui::test
