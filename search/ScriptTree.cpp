#include "ScriptTree.h"

#include <algorithm>
#include <system_error>

#include "UpperCase.h"
#include "Utf.h"

#ifndef _WIN32
#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#endif

namespace qorvan {
namespace fs = std::filesystem;

namespace {

struct DirEntry {
  std::u16string Key;
  std::u16string Name;
  NativeText Native;
  fs::file_type Type = fs::file_type::unknown;  // of the entry itself, as the listing told
};

bool SortedBefore(const DirEntry& a, const DirEntry& b) {
  return a.Key != b.Key ? a.Key < b.Key : a.Name < b.Name;
}

void SortEntries(std::vector<DirEntry>& entries) {
  std::sort(entries.begin(), entries.end(), SortedBefore);
}

#ifdef _WIN32

// Regular file or directory when the listing says so of the entry itself (no link, no system
// call); unknown otherwise.
fs::file_type ListedType(const fs::directory_entry& entry) {
  std::error_code ec;
  if (entry.is_symlink(ec) || ec) return fs::file_type::unknown;
  if (entry.is_directory(ec)) return fs::file_type::directory;
  if (entry.is_regular_file(ec)) return fs::file_type::regular;
  return fs::file_type::unknown;
}

// The entries of `dir` in walk order; false when the directory cannot be listed (entirely).
bool ReadSortedEntries(const fs::path& dir, std::vector<DirEntry>& entries) {
  std::error_code ec;
  fs::directory_iterator it(dir, ec);
  if (ec) return false;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    const fs::path& native = it->path();
    std::u16string name = PathText(native.filename());
    entries.push_back(
        DirEntry{NameSortKey(name), std::move(name), native.native(), ListedType(*it)});
  }
  SortEntries(entries);
  return !ec;
}

#else

// Regular file or directory when the listing says so of the entry itself; unknown otherwise
// (links, other kinds, file systems that do not tell).
fs::file_type ListedType(const dirent& entry) {
  if (entry.d_type == DT_DIR) return fs::file_type::directory;
  if (entry.d_type == DT_REG) return fs::file_type::regular;
  return fs::file_type::unknown;
}

// As the Windows variant, straight from the system's listing: a directory_iterator builds a
// full path object, components and all, for every entry.
bool ReadSortedEntries(const fs::path& dir, std::vector<DirEntry>& entries) {
  DIR* listing = ::opendir(dir.c_str());
  if (listing == nullptr) return false;
  NativeText prefix = dir.native();
  if (!prefix.empty() && prefix.back() != '/') prefix += '/';
  bool complete = true;
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(listing);
    if (entry == nullptr) {
      complete = errno == 0;
      break;
    }
    const std::string_view native(entry->d_name);
    if (native == "." || native == "..") continue;
    std::u16string name = FromUtf8(native);
    entries.push_back(
        DirEntry{NameSortKey(name), std::move(name), prefix + entry->d_name, ListedType(*entry)});
  }
  ::closedir(listing);
  SortEntries(entries);
  return complete;
}

#endif

std::vector<std::u16string> SplitComponents(std::u16string_view entry) {
  std::vector<std::u16string> parts;
  std::size_t start = 0;
  while (start < entry.size()) {
    std::size_t stop = entry.find_first_of(u"\\/", start);
    if (stop == std::u16string_view::npos) stop = entry.size();
    if (stop > start) parts.emplace_back(entry.substr(start, stop - start));
    start = stop + 1;
  }
  return parts;
}

bool IsDirectory(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

// The child of `parent` named `name`, exactly or else without regard to case.
std::optional<DirEntry> FindChildDir(const fs::path& parent, const std::u16string& name) {
  fs::path exact = parent / NativePath(name);
  if (IsDirectory(exact)) return DirEntry{{}, name, exact.native()};
  std::vector<DirEntry> entries;
  ReadSortedEntries(parent, entries);
  std::u16string key = NameSortKey(name);
  for (DirEntry& e : entries)
    if (e.Key == key && IsDirectory(e.Native)) return std::move(e);
  return std::nullopt;
}

// The status of what the entry names, links followed; the listing's own type serves where the
// entry is no link.
fs::file_status KnownStatus(const DirEntry& e, std::error_code& ec) {
  const bool plain = e.Type == fs::file_type::regular || e.Type == fs::file_type::directory;
  return plain ? fs::file_status(e.Type) : fs::status(fs::path(e.Native), ec);
}

void Walk(const fs::path& dir, const std::u16string& dirText, VisitedDirs& visited,
          WalkStats& stats, std::vector<ScriptFileEntry>& out) {
  std::vector<DirEntry> entries;
  if (!ReadSortedEntries(dir, entries)) ++stats.SkippedDirs;
  for (DirEntry& e : entries) {
    std::error_code ec;
    fs::file_status status = KnownStatus(e, ec);
    std::u16string text = dirText + e.Name;
    if (ec) {
      ++stats.SkippedFiles;
    } else if (fs::is_directory(status)) {
      const fs::path subdir(std::move(e.Native));
      if (visited.Enter(subdir)) Walk(subdir, text + PathSeparator(), visited, stats, out);
    } else if (fs::is_regular_file(status)) {
      out.push_back(ScriptFileEntry{std::move(e.Native), std::move(text)});
    }
  }
}

}  // namespace

char16_t PathSeparator() {
#ifdef _WIN32
  return u'\\';
#else
  return u'/';
#endif
}

std::u16string NameSortKey(std::u16string_view name) {
  return UpperCased(name);
}

std::optional<ScriptFileEntry> ResolveScriptDir(std::u16string_view dirText,
                                                std::u16string_view entry) {
  ScriptFileEntry dir{NativePath(dirText), std::u16string(dirText)};
  if (!IsDirectory(dir.Native)) return std::nullopt;
  for (const std::u16string& part : SplitComponents(entry)) {
    std::optional<DirEntry> child = FindChildDir(fs::path(dir.Native), part);
    if (!child) return std::nullopt;
    dir.Native = std::move(child->Native);
    dir.Path += child->Name;
    dir.Path += PathSeparator();
  }
  return dir;
}

bool VisitedDirs::Enter(const fs::path& dir) {
#ifndef _WIN32
  struct stat info {};
  if (::stat(dir.c_str(), &info) == 0)
    return ids_
        .emplace(static_cast<unsigned long long>(info.st_dev),
                 static_cast<unsigned long long>(info.st_ino))
        .second;
#endif
  std::error_code ec;
  fs::path canonical = fs::weakly_canonical(dir, ec);
  return canonical_.insert(ec ? dir : canonical).second;
}

bool VisitedDirs::SharesAnyWith(const VisitedDirs& other) const {
  for (const auto& id : other.ids_)
    if (ids_.count(id) != 0) return true;
  for (const fs::path& dir : other.canonical_)
    if (canonical_.count(dir) != 0) return true;
  return false;
}

void ListScriptFiles(const ScriptFileEntry& root, VisitedDirs& visited, WalkStats& stats,
                     std::vector<ScriptFileEntry>& out) {
  const fs::path dir(root.Native);
  if (!visited.Enter(dir)) return;
  Walk(dir, root.Path, visited, stats, out);
}

}  // namespace qorvan
