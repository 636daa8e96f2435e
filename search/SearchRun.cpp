#include "SearchRun.h"

#include <ctime>
#include <optional>
#include <system_error>
#include <vector>

#include "ConstantNameFilter.h"
#include "FileBytes.h"
#include "LineScreen.h"
#include "OrderedWork.h"
#include "ScriptTree.h"
#include "SettingsStore.h"
#include "TextDecoder.h"
#include "UseBuffer.h"
#include "Utf.h"

namespace qorvan {
namespace fs = std::filesystem;

namespace {

using Defines = std::vector<std::pair<std::u16string, TConstantDat>>;

// What one run carries between its steps besides the RunState.
struct RunWork {
  const RunRequest& Request;
  RunOutcome& Outcome;
  RunState& State;
  std::vector<NativeText> Natives;   // parallel to State.FileDic
  std::vector<Defines> FileDefines;  // parallel to State.FileDic: its #DEFINE lines
};

bool IsSeparator(char16_t c) {
#ifdef _WIN32
  return c == u'\\' || c == u'/';
#else
  return c == u'/';
#endif
}

bool DirectoryExists(std::u16string_view text) {
  if (text.empty()) return false;
  std::error_code ec;
  return fs::is_directory(NativePath(text), ec);
}

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && text.front() <= u' ') text.remove_prefix(1);
  while (!text.empty() && text.back() <= u' ') text.remove_suffix(1);
  return text;
}

bool SameIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

bool StopRequested(const RunWork& work) {
  return work.Request.Stop && work.Request.Stop->load(std::memory_order_relaxed);
}

void Report(const RunWork& work, RunPhase phase, std::size_t done, std::size_t total,
            std::u16string_view file) {
  if (work.Request.Progress) work.Request.Progress(RunProgress{phase, done, total, file});
}

// Step 3: the directory is remembered when it differs from LoadPath. The passes leave the last
// file's path there, so a run after one that collected files always writes it again.
void RememberDir(RunWork& work) {
  const RunRequest& req = work.Request;
  TSet& settings = work.State.Settings;
  if (SameIgnoringAsciiCase(settings.LoadPath, req.DirText)) return;
  settings.LoadPath = req.DirText;
  if (!req.Store) return;
  req.Store->WriteRegString(kSettingsKey, kPathValueName, req.DirText);
  work.Outcome.Remembered = true;
}

// The listing of one script directory.
struct DirListing {
  std::optional<ScriptFileEntry> Root;
  VisitedDirs Visited;
  WalkStats Stats;
  std::vector<ScriptFileEntry> Files;
};

// The files of every script directory in list order, not yet read. The directories are walked
// apart, on the workers; that gives the files of one walk in list order unless two of them
// share a directory (through a link), and then they are walked again, in order.
std::vector<ScriptFileEntry> ListAllScriptFiles(RunWork& work) {
  const std::vector<std::u16string>& entries = TheCatalogue().ScriptDirList;
  std::vector<DirListing> listings(entries.size());
  auto list = [&](std::size_t i, unsigned) {
    DirListing& listing = listings[i];
    listing.Root = ResolveScriptDir(work.State.Settings.Dir, entries[i]);
    if (listing.Root) ListScriptFiles(*listing.Root, listing.Visited, listing.Stats, listing.Files);
  };
  ProduceInOrder(listings.size(), work.Request.Threads, list, [](std::size_t) { return true; });
  bool apart = true;
  for (std::size_t i = 0; i < listings.size() && apart; ++i)
    for (std::size_t j = i + 1; j < listings.size() && apart; ++j)
      apart = !listings[i].Visited.SharesAnyWith(listings[j].Visited);
  std::vector<ScriptFileEntry> files;
  WalkStats stats;
  if (apart) {
    for (DirListing& listing : listings) {
      stats.SkippedDirs += listing.Stats.SkippedDirs;
      stats.SkippedFiles += listing.Stats.SkippedFiles;
      for (ScriptFileEntry& file : listing.Files) files.push_back(std::move(file));
    }
  } else {
    VisitedDirs visited;
    for (const DirListing& listing : listings)
      if (listing.Root) ListScriptFiles(*listing.Root, visited, stats, files);
  }
  work.Outcome.SkippedDirs += stats.SkippedDirs;
  work.Outcome.SkippedFiles += stats.SkippedFiles;
  return files;
}

// What reading and decoding one listed file produced.
struct CollectedFile {
  bool Read = false;
  std::uint64_t Bytes = 0;
  std::u16string_view Text;  // cut at its first NUL: empty when the file yields no line
  Defines FileDefines;       // read while the text is fresh; filed under file 0 until it is added
};

// Adds one collected file to FileDic unless it yields no line or its path is already there.
void AddCollected(RunWork& work, ScriptFileEntry& entry, CollectedFile& file) {
  if (!file.Read) {
    ++work.Outcome.SkippedFiles;
    return;
  }
  work.Outcome.BytesRead += file.Bytes;
  if (file.Text.empty()) return;
  const auto id = static_cast<FileId>(work.State.FileDic.size());
  if (work.State.AddKeptFile(std::move(entry.Path), file.Text) != id) return;
  work.Natives.push_back(std::move(entry.Native));
  for (auto& define : file.FileDefines) define.second.Path = id;
  work.FileDefines.push_back(std::move(file.FileDefines));
}

// Steps 6 to 8: every file that yields a line goes into FileDic, in walk order. The workers
// read and decode the files and read their #DEFINE lines for the constant pass. A text is kept
// as decoded rather than with its lines joined again with CR LF: it splits into the same lines,
// and the copy is saved.
void CollectScriptFiles(RunWork& work) {
  std::vector<ScriptFileEntry> files = ListAllScriptFiles(work);
  const unsigned threads = WorkerCount(work.Request.Threads);
  std::vector<std::unique_ptr<TextDecoder>> decoders;
  decoders.push_back(MakeTextDecoder(work.Request.Codepage));
  while (decoders.size() < threads) decoders.push_back(decoders.front()->Clone());
  std::vector<std::string> buffers(threads);
  std::vector<TextStore> stores(threads);  // the workers' texts, adopted by the run below
  std::vector<CollectedFile> collected(files.size());
  const bool filtered = work.State.Settings.Filtered;
  auto read = [&](std::size_t i, unsigned w) {
    CollectedFile& file = collected[i];
    std::string_view content;
    file.Read = ReadFileBytes(files[i].Native, buffers[w], content);
    if (!file.Read) return;
    file.Bytes = content.size();
    file.Text = decoders[w]->DecodeScript(content, stores[w]);
    file.FileDefines = ReadDefines(file.Text, 0, filtered);
  };
  auto add = [&](std::size_t i) {
    if (StopRequested(work)) return false;
    Report(work, RunPhase::Collecting, i, files.size(), files[i].Path);
    AddCollected(work, files[i], collected[i]);
    return true;
  };
  ProduceInOrder(files.size(), threads, read, add);
  for (TextStore& store : stores) work.State.Texts.Adopt(std::move(store));
  work.State.Settings.Count = static_cast<std::int32_t>(work.State.FileDic.size());
}

// Constant pass: the #DEFINE lines of every file, read during the collection, are merged in
// file order (the first definition wins) before any line is analysed.
void ConstantPass(RunWork& work) {
  RunState& state = work.State;
  for (FileId id = 0; id < state.FileDic.size(); ++id) {
    if (StopRequested(work)) return;
    state.Settings.LoadPath = state.FileDic[id].Path;
    Report(work, RunPhase::Constants, id, state.FileDic.size(), state.FileDic[id].Path);
    MergeDefines(state.ConstantDic, std::move(work.FileDefines[id]));
  }
}

// Line pass: every selected line of every file that still exists goes to the dispatcher. Each
// file is analysed on a worker into a buffer of its own; the buffers are recorded in file
// order, so ValueDic ends exactly as a sequential pass leaves it.
void LinePass(RunWork& work) {
  RunState& state = work.State;
  const std::size_t count = state.FileDic.size();
  const ConstantNameFilter constantNames(state.ConstantDic);
  const LineScreen screen(TheCatalogue(), state.ConstantDic);
  std::vector<UseBuffer> uses(count);
  auto scan = [&](std::size_t id, unsigned) {
    if (!FileExists(work.Natives[id])) return;
    LineContext ctx{TheCatalogue(),          state.ConstantDic, state.FileDic, uses[id],
                    state.Settings.Filtered, &constantNames,    &screen};
    ScanFileLines(ctx, static_cast<FileId>(id));
    uses[id].GroupByMember();
  };
  auto record = [&](std::size_t id) {
    if (StopRequested(work)) return false;
    state.Settings.LoadPath = state.FileDic[id].Path;
    Report(work, RunPhase::Lines, id, count, state.FileDic[id].Path);
    uses[id].ApplyTo(state.ValueDic);
    ++state.Settings.FileCount;
    return true;
  };
  ProduceInOrder(count, work.Request.Threads, scan, record);
}

// The passes; both visit the files in FileDic order.
void SearchData(RunWork& work) {
  ConstantPass(work);
  if (!StopRequested(work)) LinePass(work);
  if (StopRequested(work)) work.Outcome.Status = RunStatus::Stopped;
  Report(work, RunPhase::Done, work.State.FileDic.size(), work.State.FileDic.size(), {});
}

// Preparation: checks, remembers, collects; then the passes unless a stop was asked for.
void BMDThread1Execute(RunWork& work) {
  const RunRequest& req = work.Request;
  TSet& settings = work.State.Settings;
  settings.Filtered = req.Filtered;
  settings.LoadPath = req.RememberedDir;
  RememberDir(work);
  settings.Dir = NormalizeDir(Trimmed(req.DirText));
  if (settings.Dir.empty()) settings.Dir = NormalizeDir(req.DirText);
  settings.FileCount = 1;
  settings.StartTime = work.Outcome.StartTime;
  CollectScriptFiles(work);
  if (StopRequested(work)) {
    work.Outcome.Status = RunStatus::Stopped;
    return;
  }
  SearchData(work);
}

}  // namespace

RunOutcome RunSearch(const RunRequest& request) {
  RunOutcome outcome;
  if (!DirectoryExists(request.DirText)) {
    outcome.Status = RunStatus::MissingDirectory;
    outcome.Message = request.DirText + std::u16string(kMissingDirMessage);
    return outcome;
  }
  outcome.StartTime = MillisecondStamp(std::chrono::system_clock::now());
  outcome.StartSteadyMs = SteadyMilliseconds();
  outcome.State = std::make_unique<RunState>();
  RunWork work{request, outcome, *outcome.State, {}, {}};
  BMDThread1Execute(work);
  return outcome;
}

std::u16string NormalizeDir(std::u16string_view dir) {
  std::u16string result(dir);
  if (result.empty() || !IsSeparator(result.back())) result += PathSeparator();
  return DirectoryExists(result) ? result : std::u16string();
}

std::int64_t MillisecondStamp(std::chrono::system_clock::time_point t) {
  using namespace std::chrono;
  std::time_t seconds = system_clock::to_time_t(t);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  year_month_day date{year{local.tm_year + 1900}, month{unsigned(local.tm_mon + 1)},
                      day{unsigned(local.tm_mday)}};
  constexpr sys_days kDayZero = sys_days{year{1} / January / 1} - days{1};
  std::int64_t dayNumber = (sys_days{date} - kDayZero).count();
  std::int64_t ms = duration_cast<milliseconds>(t.time_since_epoch()).count() % 1000;
  if (ms < 0) ms += 1000;
  std::int64_t ofDay = (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) * 1000LL + ms;
  return dayNumber * 86400000LL + ofDay;
}

std::int64_t SteadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace qorvan
