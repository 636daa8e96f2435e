// Walking the script directories of a version directory in a fixed, platform-independent
// order, following directory links without ever entering a directory twice.
#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qorvan {

// A path as the system takes it. Kept as a plain string: a std::filesystem::path also keeps
// its components, several allocations a file.
using NativeText = std::filesystem::path::string_type;

// One file found by the walk.
struct ScriptFileEntry {
  NativeText Native;    // for opening the file
  std::u16string Path;  // the full path as the results show it
};

// What a walk met and could not use.
struct WalkStats {
  std::size_t SkippedDirs = 0;   // directories that could not be listed
  std::size_t SkippedFiles = 0;  // entries whose type could not be determined
};

// The separator of native paths ('\' on Windows, '/' elsewhere).
char16_t PathSeparator();

// The sort key of a directory entry: its name upper-cased (ties are broken by the name).
std::u16string NameSortKey(std::u16string_view name);

// The script directory `entry` ("Mir200\Envir\Npc_Def\") under `dirText` (ending in a
// separator): each component as written, else the first entry that matches it without
// regard to case. The result text ends in a separator; nullopt when a component is missing.
std::optional<ScriptFileEntry> ResolveScriptDir(std::u16string_view dirText,
                                                std::u16string_view entry);

// Remembers the directories a run has entered, by identity (device and inode, or the
// canonical path where those are not available).
class VisitedDirs {
 public:
  // True the first time `dir` is seen.
  bool Enter(const std::filesystem::path& dir);
  // True when some directory was seen by both.
  bool SharesAnyWith(const VisitedDirs& other) const;

 private:
  std::set<std::pair<unsigned long long, unsigned long long>> ids_;
  std::set<std::filesystem::path> canonical_;
};

// Appends every regular file at any depth under `root` to `out`, depth first, the entries of
// each directory in NameSortKey order with files and subdirectories interleaved.
void ListScriptFiles(const ScriptFileEntry& root, VisitedDirs& visited, WalkStats& stats,
                     std::vector<ScriptFileEntry>& out);

}  // namespace qorvan
