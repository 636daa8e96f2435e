// Records, catalogue and per-run state shared by the whole analyser.
//
// Text is UTF-16 throughout: the rules count UTF-16 code units. Files are referred to by a
// FileId, their index in RunState::FileDic, so that paths are stored once per run.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "TextStore.h"

namespace qorvan {

using FileId = std::uint32_t;

inline constexpr int FamilyCount = 35;

// The 35 family names, indexed by family number minus 1.
extern const std::array<std::u16string_view, FamilyCount> FamilyNames;
// Family number times 1000000, indexed by family number minus 1.
extern const std::array<std::int32_t, FamilyCount> FamilyOrderBase;

// One catalogue entry, or one recognised member on its way to RecordValueUse.
struct TValueDat {
  std::int32_t ID = 0;
  std::int32_t Num = 0;
  std::int32_t Order = 0;
  std::int32_t IDX = 0;
  std::u16string KeyWord;
  std::u16string Name;
  std::uint32_t SearchNum = 0;
  bool SearchMode = false;
};

// How a use's recorded text wraps the member name: bare, or "<$STR(" name ")>".
enum class UseWrap : std::uint8_t { Bare, Str };

// One recorded use in one file: line k of the KeyWord, RowList and DataList lists.
struct TUse {
  std::int32_t LineNo = 0;       // 1-based; RowList holds its decimal text
  UseWrap Wrap = UseWrap::Bare;  // KeyWord is prefix + member name + suffix
  std::u16string_view Line;      // DataList: the whole line as read (points into FileDic)
};

// The uses of one member in one file.
struct TValuePathData {
  std::uint32_t FileCout = 1;
  FileId Path = 0;
  std::vector<TUse> Uses;
};

// Text recorded for a use of `name`: the KeyWord list entry.
std::u16string UseKeyWord(std::u16string_view name, const TUse& use);

// One member found in use; the value of ValueDic.
struct TValue {
  std::uint32_t ValueID = 0;
  std::uint32_t ValueNum = 0;
  std::u16string ValueType;
  std::u16string ValueName;
  std::u16string ValueDescr;
  std::int32_t ValueSearchID = 0;
  // One entry per file, in the order of each file's first recorded use.
  std::vector<TValuePathData> ValuePath;
  bool PathsAscending = true;  // ValuePath in ascending file order: a new file goes last
};

// One #DEFINE constant.
struct TConstantDat {
  std::u16string Dat;
  FileId Path = 0;
};

// One name row (ShowDataDic values and free-name rows).
struct TDataShow {
  std::int32_t ID = 0;
  std::u16string KeyWord;
  std::u16string SearchID;
};

// Settings and run state of one run.
struct TSet {
  std::u16string Dir;
  std::int32_t Count = 0;
  std::u16string LoadPath;
  std::int32_t FileCount = 0;
  std::int64_t StartTime = 0;
  double EndTime = 0;
  std::u16string CusomText;
  bool Filtered = false;
  bool ShowSearched = false;
};

// Hash and equality that let string-keyed maps be searched with a view, without allocating.
struct U16Hash {
  using is_transparent = void;
  std::size_t operator()(std::u16string_view s) const noexcept {
    return std::hash<std::u16string_view>{}(s);
  }
};
using U16Eq = std::equal_to<>;

template <typename V>
using U16Map = std::unordered_map<std::u16string, V, U16Hash, U16Eq>;

using ConstantDicT = U16Map<TConstantDat>;

// Member name -> usage, enumerated in the order names were first recorded.
class ValueDicT {
 public:
  // The entry for `name`, or nullptr.
  const TValue* Find(std::u16string_view name) const;
  TValue* Find(std::u16string_view name);
  // The entry for `name`, created empty (ValueName set) when absent.
  TValue& FindOrAdd(std::u16string_view name, bool& created);
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  void clear();
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

 private:
  std::vector<TValue> entries_;
  U16Map<std::size_t> index_;
};

// A collected script file: FileDic maps its path to its whole decoded text.
struct ScriptFile {
  std::u16string Path;
  std::u16string_view Text;  // kept in the run's TextStore
  bool InMonItems = false;   // the path contains "\MonItems\" (either separator, any case)
};

// The catalogue: built once, read-only afterwards, safe to read from any thread.
struct Catalogue {
  U16Map<TValueDat> FamilyDic;                // 35 entries
  U16Map<std::int32_t> KeyWordDic;            // 626 entries, keyword -> handler code
  std::vector<std::u16string> ScriptDirList;  // six entries, backslash-separated
};

// The catalogue of the program, built on first use.
const Catalogue& TheCatalogue();

// Everything one run owns: settings, collected files, constants and results.
class RunState {
 public:
  TSet Settings;
  std::vector<ScriptFile> FileDic;  // enumeration order = order of AddFile
  ConstantDicT ConstantDic;
  ValueDicT ValueDic;

  TextStore Texts;  // where the texts of FileDic are kept

  // Adds a file, with a copy of its text, unless its path is already present; returns its id
  // either way.
  FileId AddFile(std::u16string path, std::u16string_view text);
  // AddFile for a text already kept in a store that Texts has adopted or will adopt.
  FileId AddKeptFile(std::u16string path, std::u16string_view keptText);
  // Path of a file id.
  const std::u16string& PathOf(FileId id) const { return FileDic[id].Path; }
  // Empties files, constants and results (settings stay).
  void Clear();

 private:
  // The id of the file at `path`, if there is one.
  std::optional<FileId> FindPath(std::u16string_view path, std::size_t hash) const;

  // Files by the hash of their path: the paths themselves stay in FileDic alone.
  std::unordered_multimap<std::size_t, FileId> pathIndex_;
};

// Receives every recorded use; lets a run record directly or buffer per file.
class UseSink {
 public:
  virtual ~UseSink() = default;
  // Records one use of `dat` (ID > 0) filed under `path`.
  virtual void RecordValueUse(const TValueDat& dat, FileId path, std::u16string_view line,
                              std::int32_t lineNo, UseWrap wrap, std::u16string_view descr) = 0;
};

// The entry of the member `dat` names (Name, ID, IDX), created with its ID, type and search
// number when absent. May throw std::bad_alloc.
TValue& ValueOfMember(ValueDicT& dic, const TValueDat& dat);

// RecordValueUse for a member whose entry is at hand. May throw std::bad_alloc.
void RecordUseInto(TValue& value, FileId path, std::u16string_view line, std::int32_t lineNo,
                   UseWrap wrap, std::u16string_view descr);

// Records one use straight into a ValueDic.
void RecordValueUse(ValueDicT& dic, const TValueDat& dat, FileId path, std::u16string_view line,
                    std::int32_t lineNo, UseWrap wrap, std::u16string_view descr);

// A sink that writes into a ValueDic as uses arrive.
class ValueDicSink final : public UseSink {
 public:
  explicit ValueDicSink(ValueDicT& dic) : dic_(dic) {}
  void RecordValueUse(const TValueDat& dat, FileId path, std::u16string_view line,
                      std::int32_t lineNo, UseWrap wrap, std::u16string_view descr) override {
    qorvan::RecordValueUse(dic_, dat, path, line, lineNo, wrap, descr);
  }

 private:
  ValueDicT& dic_;
};

class ConstantNameFilter;  // ConstantNameFilter.h
class LineScreen;          // LineScreen.h

// What the recognisers read and where they record, for the line pass over one file.
struct LineContext {
  const Catalogue& Cat;
  const ConstantDicT& Constants;
  const std::vector<ScriptFile>& Files;
  UseSink& Sink;
  bool Filtered = true;
  // Optional, built from Constants after the constant pass: makes constant lookups cheaper.
  const ConstantNameFilter* ConstantNames = nullptr;
  // Optional, built likewise: lets the line pass pass over lines that cannot record anything.
  const LineScreen* Screen = nullptr;
};

// Constant pass over one file: adds its #DEFINE lines to state.ConstantDic (first wins).
void CollectDefines(RunState& state, FileId file);

// The #DEFINE lines of one file's text as (name, constant) pairs in definition order; pure, so
// files can be read in parallel and merged in file order.
std::vector<std::pair<std::u16string, TConstantDat>> ReadDefines(std::u16string_view text,
                                                                 FileId file, bool filtered);

// Adds each definition whose name is not yet known (the first definition wins).
void MergeDefines(ConstantDicT& constants,
                  std::vector<std::pair<std::u16string, TConstantDat>>&& defines);

// Line pass over one file: every selected line goes to ParseScriptLine.
void ScanFileLines(const LineContext& ctx, FileId file);

}  // namespace qorvan
