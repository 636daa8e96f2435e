#include "ScanCommand.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

#include "JsonReport.h"
#include "ProgressBar.h"
#include "SettingsStore.h"
#include "TextReport.h"

namespace qorvan::cli {
namespace {

constexpr int kSetAllFamily = 35;

int FamilyId(const std::string& name) {
  std::u16string wanted = FromUtf8(name);
  for (int i = 0; i < FamilyCount; ++i)
    if (FamilyNames[i] == wanted) return i + 1;
  return 0;
}

// The free rows of `rows` that the family statement of `familyId` also selects.
std::vector<FreeRow> KeepFamily(TDataModule1& dm, int familyId, std::vector<FreeRow> rows) {
  dm.OpenFreeQuery(FamilyFreeSql(familyId));
  std::unordered_set<std::int32_t> ids;
  for (const FreeRow& r : dm.FreeRows()) ids.insert(r.ID);
  std::erase_if(rows, [&](const FreeRow& r) { return !ids.contains(r.ID); });
  return rows;
}

std::string SkippedLine(const RunOutcome& outcome) {
  std::string line =
      "qorvan-scan: skipped " + std::to_string(outcome.SkippedFiles) + " unreadable file(s)";
  if (outcome.SkippedDirs)
    line += " and " + std::to_string(outcome.SkippedDirs) + " unreadable director(ies)";
  return line;
}

RunRequest MakeRequest(const ScanOptions& options, SettingsStore& store) {
  RunRequest request;
  request.Filtered = options.SkipComments;
  request.Codepage = options.Codepage;
  request.Threads = options.Threads;
  std::u16string remembered =
      options.Remember ? LoadSettings(store) : store.ReadRegString(kSettingsKey, kPathValueName);
  if (remembered.empty()) remembered = kDefaultDir;
  request.DirText = options.Dir ? FromUtf8(*options.Dir) : remembered;
  if (options.Remember) {
    request.Store = &store;
    request.RememberedDir = remembered;
  }
  return request;
}

}  // namespace

ScanView SelectView(TDataModule1& dm, const ScanOptions& options) {
  int family = FamilyId(options.Family);
  if (family == kSetAllFamily) {
    dm.UpShowDataEx(FamilyNames[family - 1]);
  } else if (family > 0) {
    dm.UpShowData(family, FamilyOrderBase[family - 1], FamilyNames[family - 1]);
  }
  ScanView view;
  std::u16string cusomText = BuildFilterText(FromUtf8(options.Filter));
  if (cusomText.empty()) {
    view.Members = dm.SummaryRows();
    dm.OpenFreeQuery(family > 0 ? FamilyFreeSql(family) : ShowAllFreeSql());
    view.Free = dm.FreeRows();
  } else {
    view.Members = dm.FilteredSummaryRows(cusomText);
    dm.OpenFreeQuery(FilterFreeSql(cusomText));
    view.Free = dm.FreeRows();
    if (family > 0) view.Free = KeepFamily(dm, family, std::move(view.Free));
  }
  return view;
}

int RunScanCommand(const ScanOptions& options, std::ostream& out, std::ostream& err) {
  TDataModule1 dm;
  return RunScanCommand(options, out, err, dm);
}

int RunScanCommand(const ScanOptions& options, std::ostream& out, std::ostream& err,
                   TDataModule1& dm) {
  std::unique_ptr<SettingsStore> store = MakeDefaultSettingsStore();
  RunRequest request = MakeRequest(options, *store);
  ProgressBar bar;
  if (StderrIsTerminal()) request.Progress = [&bar](const RunProgress& p) { bar.Update(p); };
  RunOutcome outcome = RunSearch(request);
  bar.Finish();
  if (outcome.Missing()) {
    err << ToUtf8(outcome.Message) << '\n';
    return 1;
  }
  if (outcome.SkippedFiles || outcome.SkippedDirs) err << SkippedLine(outcome) << '\n';
  dm.BMDThread1Terminate(std::move(outcome));
  ScanView view = SelectView(dm, options);
  if (options.Json) {
    WriteJson(out, dm, view, options.Uses, options.Threads);
    return 0;
  }
  if (options.Uses) return PrintUses(out, err, dm, *options.Uses) ? 0 : 1;
  if (options.Free) {
    PrintFree(out, view.Free);
  } else {
    PrintSummary(out, view.Members);
  }
  return 0;
}

}  // namespace qorvan::cli
