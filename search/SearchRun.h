// The search run: checks and remembers the version directory, collects every script file,
// runs the constant pass and the line pass, and hands the results back as one outcome.
//
// The whole run is one library call that a worker thread can drive; it owns a fresh RunState
// and touches nothing global. Texts here are UTF-16 (std::u16string), like the analyser's.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "Plus.h"

namespace qorvan {

class SettingsStore;

// The message shown after the directory text when the version directory is missing.
inline constexpr std::u16string_view kMissingDirMessage = u"  查询错误，目录不存在！";

// Which part of the run a progress report belongs to.
enum class RunPhase : std::uint8_t { Collecting, Constants, Lines, Done };

// One progress report. During collection FilesTotal is 0 (not known yet).
struct RunProgress {
  RunPhase Phase = RunPhase::Collecting;
  std::size_t FilesDone = 0;
  std::size_t FilesTotal = 0;
  std::u16string_view CurrentFile;  // valid only during the callback
};

// Called on the thread that runs the search, at least once per file of each pass.
using ProgressCallback = std::function<void(const RunProgress&)>;

// Everything a run needs from its caller.
struct RunRequest {
  std::u16string DirText;     // the directory text exactly as typed
  bool Filtered = true;       // skip comment-like lines ("忽略注释符")
  std::string Codepage;       // legacy code page name for ICU; empty = the platform's
  unsigned Threads = 0;       // worker threads: 0 = all cores, 1 = everything on the caller
  ProgressCallback Progress;  // may be empty
  const std::atomic<bool>* Stop = nullptr;  // a stop request, looked at between files
  // Remembering the directory: RememberedDir is the caller's LoadPath before the run (the
  // remembered directory, or the last file the previous run visited, which the run leaves in
  // State->Settings.LoadPath). When it differs from DirText (ASCII letters compared without
  // case), DirText is written to Store, if set.
  SettingsStore* Store = nullptr;
  std::u16string RememberedDir;
};

enum class RunStatus : std::uint8_t {
  Completed,         // both passes ran over every collected file
  Stopped,           // a stop request ended the run early; the results are partial
  MissingDirectory,  // DirText names no existing directory; nothing was collected
};

// What a run leaves behind; the completion step (TDataModule1::BMDThread1Terminate) takes it.
struct RunOutcome {
  RunStatus Status = RunStatus::Completed;
  std::u16string Message;           // MissingDirectory: DirText + kMissingDirMessage
  std::unique_ptr<RunState> State;  // files, constants and results; null when missing
  std::size_t SkippedFiles = 0;     // files that could not be read
  std::size_t SkippedDirs = 0;      // directories that could not be listed
  std::uint64_t BytesRead = 0;      // total size of the collected files
  std::int64_t StartTime = 0;       // MillisecondStamp at the start of the run
  std::int64_t StartSteadyMs = 0;   // steady-clock start, for the duration
  bool Remembered = false;          // the directory was written to the settings store

  bool Stopped() const { return Status == RunStatus::Stopped; }
  bool Missing() const { return Status == RunStatus::MissingDirectory; }
};

// Runs a whole search: preparation, file collection, constant pass, line pass.
RunOutcome RunSearch(const RunRequest& request);

// `dir` with one trailing separator when it names an existing directory, else empty.
std::u16string NormalizeDir(std::u16string_view dir);

// Milliseconds of the local time `t`, counting 1 January of year 1 as day 1.
std::int64_t MillisecondStamp(std::chrono::system_clock::time_point t);

// Milliseconds of a steady clock; only differences mean anything.
std::int64_t SteadyMilliseconds();

}  // namespace qorvan
