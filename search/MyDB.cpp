#include "MyDB.h"

#include <sqlite3.h>

#include <cstdio>
#include <functional>
#include <stdexcept>

#include "SqlStatement.h"
#include "TextHelpers.h"
#include "UpperCase.h"

namespace qorvan {

namespace {

constexpr std::int32_t kSetAbility = 29;
constexpr std::int32_t kHSetAbility = 30;
constexpr std::int32_t kSetAll = 35;

ConfigTextT BuildConfigText() {
  ConfigTextT texts{};
  texts[1] =
      "SELECT ID, KeyWord, SearchID FROM (SELECT ID, KeyWord, SearchID, KeyWord COLLATE NOCASE "
      "AS ValueName FROM ShowTable1) WHERE";
  texts[3] = "SELECT ID, KeyWord, SearchID FROM ShowTable1 WHERE SearchID=";
  texts[4] = "SELECT ID, KeyWord, SearchID FROM ShowTable1 ORDER BY ID";
  texts[6] = "SummaryTable";
  texts[7] =
      "SELECT ID, ValueID, FileCount, UseCount, ValueType, ValueName, Descr FROM SummaryTable "
      "ORDER BY ValueID, ValueName";
  return texts;
}

constexpr const char* kSchema =
    "CREATE TABLE VariableTable1 (ID INTEGER, ValueID INTEGER, FileCount INTEGER, "
    "UseCount INTEGER, ValueType TEXT, ValueName TEXT, Descr TEXT);"
    "CREATE TABLE VariableTable2 (ID INTEGER, FileCount INTEGER, ValueName TEXT, Path TEXT);"
    "CREATE TABLE VariableTable3 (ID INTEGER, TextRow TEXT, KeyWord TEXT, RowData TEXT, "
    "Path TEXT);"
    "CREATE TABLE ShowTable1 (ID INTEGER, KeyWord TEXT, SearchID TEXT);";

std::u16string Decimal(std::int64_t n) {
  std::string s = std::to_string(n);
  return std::u16string(s.begin(), s.end());
}

std::u16string QuoteU16(std::u16string_view text) {
  std::u16string out = u"'";
  for (char16_t c : text) {
    if (c == u'\'') out += u'\'';
    out += c;
  }
  return out + u"'";
}

// The name of member n of family f in the form the free list writes it.
std::u16string MemberName(int f, int n) {
  std::u16string num = Decimal(n);
  switch (f) {
    case 27:
      return u"[" + num + u"]";
    case 28:
      return u"[@OnTimer" + num + u"]";
    case 29:
      return u"SetAbility" + num;
    case 30:
      return u"H.SetAbility" + num;
    case 31:
      return u"INTS" + num;
    case 32:
      return u"H.INTS" + num;
    case 33:
      return u"[@StdModeFunc" + num + u"]";
    case 34:
      return u"[@UserCmd" + num + u"]";
    default:
      return std::u16string(FamilyNames[f - 1]) + num;
  }
}

std::u16string FamilyName(std::uint32_t id) {
  return id >= 1 && id <= FamilyCount ? std::u16string(FamilyNames[id - 1]) : std::u16string();
}

SummaryRow ReadSummaryRow(const SqlStatement& s) {
  return SummaryRow{static_cast<std::uint32_t>(s.Int("ID")),
                    static_cast<std::uint32_t>(s.Int("ValueID")),
                    static_cast<std::uint32_t>(s.Int("FileCount")),
                    static_cast<std::uint32_t>(s.Int("UseCount")),
                    s.Text("ValueType"),
                    s.Text("ValueName"),
                    s.Text("Descr")};
}

}  // namespace

const ConfigTextT& ConfigText() {
  static const ConfigTextT texts = BuildConfigText();
  return texts;
}

std::string FamilyTypeLabel(int familyId) {
  static const std::array<const char*, FamilyCount> kLabels = {
      "全局字符",   "未启用",       "未启用", "私人数字", "地图数字", "地图字符", "全局数字",
      "全局数字",   "全局数字",     "未启用", "未启用",   "未启用",   "私人数字", "未启用",
      "未启用",     "私人数字",     "未启用", "未启用",   "私人字符", "未启用",   "未启用",
      "未启用",     "未启用",       "未启用", "未启用",   "未启用",   "个人标识", "个人定时器",
      "SetAbility", "H.SetAbility", "INTS",   "H.INTS",   "物品触发", "CMD命令",  ""};
  return familyId >= 1 && familyId <= FamilyCount ? kLabels[familyId - 1] : "";
}

std::string SqlQuote(std::string_view text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') out += '\'';
    out += c;
  }
  return out + "'";
}

std::u16string BuildFilterText(std::u16string_view text) {
  std::u16string upper = UpperCased(text);
  std::u16string result;
  std::u16string_view rest = upper;
  while (!rest.empty()) {
    std::u16string_view word;
    rest = SplitToken(rest, BlankChars, word);
    if (word.empty()) continue;
    if (!result.empty()) result += u" or ";
    result += u"ValueName = " + QuoteU16(word);
  }
  return result;
}

std::string FamilyFreeSql(int familyId) {
  if (familyId == kSetAbility)
    return "Select * from ShowTable1 where SearchID=" + SqlQuote("SearchSETABILITY") +
           " and id < 29000500";
  if (familyId == kHSetAbility)
    return "Select * from ShowTable1 where SearchID=" + SqlQuote("SearchH.SETABILITY") +
           " and id < 30000500";
  if (familyId == kSetAll)
    return "Select * from ShowTable1 where SearchID=" + SqlQuote("SearchSETABILITY") +
           " and id > 29000499";
  if (familyId < 1 || familyId > FamilyCount) return {};
  return ConfigText()[3] + SqlQuote("Search" + ToUtf8(FamilyNames[familyId - 1]));
}

std::string ShowAllFreeSql() {
  return ConfigText()[4];
}

std::string FilterFreeSql(std::u16string_view cusomText) {
  return ConfigText()[1] + " " + ToUtf8(cusomText);
}

TDataModule1::TDataModule1() {
  // Only one thread at a time uses a data module (the window's, or the scanner's), so the
  // connection needs none of SQLite's own locking.
  if (sqlite3_open_v2(":memory:", &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK)
    throw std::runtime_error("cannot open the in-memory database");
  SqlExec(db_, kSchema);
}

TDataModule1::~TDataModule1() {
  sqlite3_close(db_);
}

void TDataModule1::ResetResultStore() {
  CloseFreeQuery();
  RemoveRegistrations();
  SqlExec(db_, "DELETE FROM VariableTable1; DELETE FROM ShowTable1;");
  state_.reset();
  showDataDic_.clear();
}

CompletionReport TDataModule1::BMDThread1Terminate(RunOutcome outcome) {
  CompletionReport report;
  if (outcome.Missing()) return report;
  report.Stopped = outcome.Stopped();
  try {
    ResetResultStore();
    state_ = std::move(outcome.State);
    if (!state_) state_ = std::make_unique<RunState>();
    AppendSummaryRows([](const TValue&) { return 1; });
    AddShowAllData();
    ShowSummary();
    report.DetailActive = SummaryHasRows();
    OpenFreeQuery(ShowAllFreeSql());
    report.Filled = true;
  } catch (const std::exception&) {
    // a failing step ends the completion; the tables keep what they reached
  }
  report.EndTime = static_cast<double>(SteadyMilliseconds() - outcome.StartSteadyMs) / 1000.0;
  report.EndTimeText = FormatEndTime(report.EndTime);
  return report;
}

void TDataModule1::AppendSummaryRow(SqlStatement& insert, const TValue& value) {
  insert.Reset()
      .Bind(1, value.ValueID)
      .Bind(2, value.ValueSearchID)
      .Bind(3, static_cast<std::int64_t>(value.ValuePath.size()))
      .Bind(4, value.ValueNum)
      .Bind(5, value.ValueType)
      .Bind(6, value.ValueName)
      .Bind(7, value.ValueDescr);
  if (!showDataDic_.contains(value.ValueName))
    showDataDic_.emplace(value.ValueName,
                         TDataShow{static_cast<std::int32_t>(value.ValueID), value.ValueName,
                                   u"SearchID" + FamilyName(value.ValueID)});
  insert.Run();
}

void TDataModule1::AppendSummaryRows(const std::function<int(const TValue&)>& times) {
  if (!state_) return;
  SqlTransaction transaction(db_);
  SqlStatement insert(db_,
                      "INSERT INTO VariableTable1 (ID, ValueID, FileCount, UseCount, ValueType, "
                      "ValueName, Descr) VALUES (?, ?, ?, ?, ?, ?, ?)");
  for (const TValue& value : state_->ValueDic)
    for (int k = times(value); k > 0; --k) AppendSummaryRow(insert, value);
  transaction.Commit();
}

void TDataModule1::AddShowAllData() {
  SqlExec(db_, "DELETE FROM ShowTable1");
  SqlTransaction transaction(db_);
  SqlStatement insert(db_, "INSERT INTO ShowTable1 (ID, KeyWord, SearchID) VALUES (?, ?, ?)");
  const Catalogue& cat = TheCatalogue();
  for (int f = 1; f <= FamilyCount; ++f) {
    std::u16string family(FamilyNames[f - 1]);
    std::u16string searchId = u"Search" + family;
    int highest = static_cast<int>(cat.FamilyDic.at(family).SearchNum);
    if (highest == 0) continue;
    for (int n = (f == 27 ? 1 : 0); n <= highest; ++n) {
      std::u16string name = MemberName(f, n);
      if (showDataDic_.contains(name)) continue;
      insert.Reset().Bind(1, FamilyOrderBase[f - 1] + n).Bind(2, name).Bind(3, searchId).Run();
    }
  }
  transaction.Commit();
  showTableOpen_ = true;
}

void TDataModule1::RemoveRegistrations() {
  SqlExec(db_, "DROP VIEW IF EXISTS " + SqlIdentifier(ConfigText()[6]));
  registered_ = false;
}

void TDataModule1::ShowSummary() {
  RemoveRegistrations();
  SqlExec(db_, "CREATE TEMP VIEW " + SqlIdentifier(ConfigText()[6]) +
                   " AS SELECT * FROM VariableTable1");
  registered_ = true;
}

void TDataModule1::UpShowData(std::int32_t id, std::int32_t idx, std::u16string_view) {
  RemoveRegistrations();
  SqlExec(db_, "DELETE FROM VariableTable1");
  AppendSummaryRows([&](const TValue& value) {
    std::int64_t d = std::int64_t{value.ValueSearchID} - idx;
    if (d < 0 || d >= 1000000) return 0;
    return (id == kSetAbility || id == kHSetAbility) && d >= 500 ? 0 : 1;
  });
  ShowSummary();
}

void TDataModule1::UpShowDataEx(std::u16string_view) {
  RemoveRegistrations();
  SqlExec(db_, "DELETE FROM VariableTable1");
  auto upper = [](std::int64_t d) { return d >= 500 && d <= 999999 ? 1 : 0; };
  AppendSummaryRows([&](const TValue& value) {
    return upper(std::int64_t{value.ValueSearchID} - 29000000) +
           upper(std::int64_t{value.ValueSearchID} - 30000000);
  });
  ShowSummary();
}

void TDataModule1::UpShowAllData() {
  RemoveRegistrations();
  SqlExec(db_, "DELETE FROM VariableTable1");
  AddShowAllData();
  if (state_) {
    SqlTransaction transaction(db_);
    SqlStatement insert(db_,
                        "INSERT INTO VariableTable1 (ID, ValueID, FileCount, UseCount, "
                        "ValueType, ValueName, Descr) VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (const TValue& value : state_->ValueDic) {
      try {
        AppendSummaryRow(insert, value);
      } catch (const std::exception&) {
        // one member that cannot be stored does not keep the others out
      }
    }
    transaction.Commit();
  }
  ShowSummary();
}

std::vector<SummaryRow> TDataModule1::SummaryRows() const {
  std::vector<SummaryRow> rows;
  if (!registered_) return rows;
  SqlStatement query(db_, ConfigText()[7]);
  while (query.Step()) rows.push_back(ReadSummaryRow(query));
  return rows;
}

std::vector<SummaryRow> TDataModule1::FilteredSummaryRows(std::u16string_view cusomText) const {
  std::vector<SummaryRow> rows;
  if (!registered_ || cusomText.empty()) return rows;
  std::string sql =
      "SELECT * FROM (SELECT ID, ValueID, FileCount, UseCount, ValueType, ValueName COLLATE "
      "NOCASE AS ValueName, Descr FROM " +
      SqlIdentifier(ConfigText()[6]) + ") WHERE (" + ToUtf8(cusomText) +
      ") ORDER BY ValueID, ValueName COLLATE BINARY";
  SqlStatement query(db_, sql);
  while (query.Step()) rows.push_back(ReadSummaryRow(query));
  return rows;
}

bool TDataModule1::SummaryHasRows() const {
  if (!registered_) return false;
  SqlStatement query(db_, "SELECT 1 FROM " + SqlIdentifier(ConfigText()[6]) + " LIMIT 1");
  return query.Step();
}

bool TDataModule1::OpenFreeQuery(const std::string& sql) {
  CloseFreeQuery();
  if (!SqlStatement::Valid(db_, sql)) return false;
  freeSql_ = sql;
  return true;
}

void TDataModule1::CloseFreeQuery() {
  freeSql_.clear();
}

std::vector<FreeRow> TDataModule1::FreeRows() const {
  std::vector<FreeRow> rows;
  if (freeSql_.empty()) return rows;
  SqlStatement query(db_, freeSql_);
  while (query.Step())
    rows.push_back(FreeRow{static_cast<std::int32_t>(query.Int("ID")), query.Text("KeyWord"),
                           query.Text("SearchID")});
  return rows;
}

bool TDataModule1::FillFileTable(std::u16string_view valueName) {
  SqlExec(db_, "DELETE FROM VariableTable2");
  const TValue* value = state_ ? state_->ValueDic.Find(valueName) : nullptr;
  if (!value) return false;
  SqlTransaction transaction(db_);
  SqlStatement insert(db_,
                      "INSERT INTO VariableTable2 (ID, FileCount, ValueName, Path) "
                      "VALUES (?, ?, ?, ?)");
  for (const TValuePathData& file : value->ValuePath)
    insert.Reset()
        .Bind(1, static_cast<std::uint32_t>(value->ValueSearchID))
        .Bind(2, static_cast<std::int64_t>(file.Uses.size()))
        .Bind(3, value->ValueName)
        .Bind(4, state_->PathOf(file.Path))
        .Run();
  transaction.Commit();
  return !value->ValuePath.empty();
}

bool TDataModule1::FillLineTable(std::u16string_view valueName, std::u16string_view path) {
  SqlExec(db_, "DELETE FROM VariableTable3");
  const TValue* value = state_ ? state_->ValueDic.Find(valueName) : nullptr;
  if (!value) return false;
  const TValuePathData* file = nullptr;
  for (const TValuePathData& candidate : value->ValuePath)
    if (state_->PathOf(candidate.Path) == path) file = &candidate;
  if (!file) return false;
  SqlTransaction transaction(db_);
  SqlStatement insert(db_,
                      "INSERT INTO VariableTable3 (ID, TextRow, KeyWord, RowData, Path) "
                      "VALUES (?, ?, ?, ?, ?)");
  for (const TUse& use : file->Uses)
    insert.Reset()
        .Bind(1, static_cast<std::uint32_t>(value->ValueSearchID))
        .Bind(2, Decimal(use.LineNo))
        .Bind(3, UseKeyWord(value->ValueName, use))
        .Bind(4, use.Line)
        .Bind(5, path)
        .Run();
  transaction.Commit();
  return !file->Uses.empty();
}

std::vector<FileRow> TDataModule1::FileRows() const {
  std::vector<FileRow> rows;
  SqlStatement query(db_,
                     "SELECT ID, FileCount, ValueName, Path FROM VariableTable2 ORDER BY rowid");
  while (query.Step())
    rows.push_back(FileRow{static_cast<std::uint32_t>(query.Int("ID")),
                           static_cast<std::uint32_t>(query.Int("FileCount")),
                           query.Text("ValueName"), query.Text("Path")});
  return rows;
}

std::vector<LineRow> TDataModule1::LineRows() const {
  std::vector<LineRow> rows;
  SqlStatement query(
      db_, "SELECT ID, TextRow, KeyWord, RowData, Path FROM VariableTable3 ORDER BY rowid");
  while (query.Step())
    rows.push_back(LineRow{static_cast<std::uint32_t>(query.Int("ID")), query.Text("TextRow"),
                           query.Text("KeyWord"), query.Text("RowData"), query.Text("Path")});
  return rows;
}

bool TDataModule1::InShowDataDic(std::u16string_view name) const {
  return showDataDic_.find(name) != showDataDic_.end();
}

std::string FormatEndTime(double seconds) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", seconds);
  return std::string(buffer) + "s";
}

}  // namespace qorvan
