// The data module: one in-memory SQLite database holding the summary, file, line and
// free-name tables, the run's completion step, the family views and the drill-down fills.
//
// Row texts are UTF-8 std::string (SQLite's own encoding). Main thread only; never while a
// run that this module will complete is still being prepared by another thread.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Plus.h"
#include "SearchRun.h"
#include "Utf.h"

struct sqlite3;

namespace qorvan {

class SqlStatement;

// The 50 configuration texts: statements and table names the views run (UTF-8).
using ConfigTextT = std::array<std::string, 50>;
// This program's configuration texts.
const ConfigTextT& ConfigText();

// A row of the summary (ConfigText[7] over VariableTable1).
struct SummaryRow {
  std::uint32_t ID = 0;         // family number
  std::uint32_t ValueID = 0;    // search number
  std::uint32_t FileCount = 0;  // files that use the member
  std::uint32_t UseCount = 0;   // recorded uses over all files
  std::string ValueType;        // family number as decimal text
  std::string ValueName;
  std::string Descr;
};

// A row of the free-name query (FDQuery1).
struct FreeRow {
  std::int32_t ID = 0;   // search number
  std::string KeyWord;   // the free member name
  std::string SearchID;  // "Search" + family name
};

// A row of VariableTable2: one file that uses a member.
struct FileRow {
  std::uint32_t ID = 0;         // search number
  std::uint32_t FileCount = 0;  // uses of the member in this file
  std::string ValueName;
  std::string Path;
};

// A row of VariableTable3: one use of a member in one file.
struct LineRow {
  std::uint32_t ID = 0;  // search number
  std::string TextRow;   // 1-based line number as decimal text
  std::string KeyWord;   // the name as recorded (prefix + name + suffix)
  std::string RowData;   // the whole line as read
  std::string Path;
};

// What the completion step reports for the status bar.
struct CompletionReport {
  bool Filled = false;        // false after a missing-directory outcome (nothing changed)
  double EndTime = 0;         // duration of the run in seconds
  std::string EndTimeText;    // EndTime in general format + "s", e.g. "3.217s"
  bool DetailActive = false;  // the summary has rows (row-detail panel active)
  bool Stopped = false;       // the run was stopped; its results are partial
};

// The type label the summary shows for a family number ("全局数字" for 7); empty for 35.
std::string FamilyTypeLabel(int familyId);

// `seconds` in general format (at most 15 significant digits) followed by "s".
std::string FormatEndTime(double seconds);

// SQL string literal of `text`: single quotes around it, inner quotes doubled.
std::string SqlQuote(std::string_view text);

// The filter condition for the keyword box text: ValueName = 'G11' or ValueName = 'A5'.
std::u16string BuildFilterText(std::u16string_view text);

// The free-name statement of a family command (29, 30 and 35 have their own texts).
std::string FamilyFreeSql(int familyId);
// The free-name statement of the show-all command and of a run's end (ConfigText[4]).
std::string ShowAllFreeSql();
// The free-name statement of the filter command: ConfigText[1] + " " + condition.
std::string FilterFreeSql(std::u16string_view cusomText);

class TDataModule1 {
 public:
  TDataModule1();
  ~TDataModule1();
  TDataModule1(const TDataModule1&) = delete;
  TDataModule1& operator=(const TDataModule1&) = delete;

  // Empties the summary and free-name tables and drops the previous run's results.
  void ResetResultStore();
  // The completion step: adopts the outcome's results, fills the summary and free list,
  // opens the show-all free query and reports the duration. A missing-directory outcome
  // leaves everything as it was.
  CompletionReport BMDThread1Terminate(RunOutcome outcome);

  // Rebuilds ShowTable1 with every free member of every family (3505 rows when none is used).
  void AddShowAllData();
  // Summary restricted to family `id` (base `idx`); SetAbility families only up to 499.
  void UpShowData(std::int32_t id, std::int32_t idx, std::u16string_view name);
  // Summary restricted to SetAbility and H.SetAbility members numbered 500 and above.
  void UpShowDataEx(std::u16string_view name);
  // Summary of every member in use; the free list is rebuilt.
  void UpShowAllData();

  // The rows of the summary query (ConfigText[7]), search number then name.
  std::vector<SummaryRow> SummaryRows() const;
  // The summary rows whose ValueName meets `cusomText` (a BuildFilterText condition).
  std::vector<SummaryRow> FilteredSummaryRows(std::u16string_view cusomText) const;
  // True when the summary query has at least one row.
  bool SummaryHasRows() const;

  // Opens the free-name query with `sql` (SQL text, UTF-8); false when SQLite rejects it,
  // and the query is then closed.
  bool OpenFreeQuery(const std::string& sql);
  // Closes the free-name query.
  void CloseFreeQuery();
  // True while the free-name query is open.
  bool FreeQueryOpen() const { return !freeSql_.empty(); }
  // The rows of the open free-name query (ID, KeyWord, SearchID); empty when closed.
  std::vector<FreeRow> FreeRows() const;
  // True once a run has been completed (the free-name table exists and is filled).
  bool ShowTableOpen() const { return showTableOpen_; }

  // Fills VariableTable2 with the files of member `valueName`; true when it has rows.
  bool FillFileTable(std::u16string_view valueName);
  // Fills VariableTable3 with the uses of `valueName` in the file `path`; true when rows.
  bool FillLineTable(std::u16string_view valueName, std::u16string_view path);
  std::vector<FileRow> FileRows() const;
  std::vector<LineRow> LineRows() const;

  // The results of the last completed run, or nullptr before the first one.
  const RunState* State() const { return state_.get(); }
  // Names found in use (keys of ShowDataDic).
  bool InShowDataDic(std::u16string_view name) const;
  std::size_t ShowDataDicSize() const { return showDataDic_.size(); }

  // The database itself, for tests and tools.
  sqlite3* Database() const { return db_; }

 private:
  void AppendSummaryRow(SqlStatement& insert, const TValue& value);
  // Appends each member of the run `times(member)` times (0 skips it).
  void AppendSummaryRows(const std::function<int(const TValue&)>& times);
  void ShowSummary();
  void RemoveRegistrations();

  sqlite3* db_ = nullptr;
  std::unique_ptr<RunState> state_;
  U16Map<TDataShow> showDataDic_;
  std::string freeSql_;
  bool showTableOpen_ = false;
  bool registered_ = false;
};

}  // namespace qorvan
