#include "MyDB.h"

#include <sqlite3.h>

namespace qorvan {

const ConfigTextT& ConfigText() {
  static const ConfigTextT texts{};
  return texts;
}

std::string FamilyTypeLabel(int) {
  return {};
}
std::string SqlQuote(std::string_view text) {
  return "'" + std::string(text) + "'";
}
std::u16string BuildFilterText(std::u16string_view) {
  return {};
}
std::string FamilyFreeSql(int) {
  return {};
}
std::string ShowAllFreeSql() {
  return {};
}
std::string FilterFreeSql(std::u16string_view) {
  return {};
}
std::string ToUtf8(std::u16string_view) {
  return {};
}
std::u16string FromUtf8(std::string_view) {
  return {};
}

TDataModule1::TDataModule1() {
  sqlite3_open(":memory:", &db_);
}
TDataModule1::~TDataModule1() {
  sqlite3_close(db_);
}
void TDataModule1::ResetResultStore() {}
CompletionReport TDataModule1::BMDThread1Terminate(RunOutcome) {
  return {};
}
void TDataModule1::AddShowAllData() {}
void TDataModule1::UpShowData(std::int32_t, std::int32_t, std::u16string_view) {}
void TDataModule1::UpShowDataEx(std::u16string_view) {}
void TDataModule1::UpShowAllData() {}
std::vector<SummaryRow> TDataModule1::SummaryRows() const {
  return {};
}
std::vector<SummaryRow> TDataModule1::FilteredSummaryRows(std::u16string_view) const {
  return {};
}
bool TDataModule1::SummaryHasRows() const {
  return false;
}
bool TDataModule1::OpenFreeQuery(const std::string&) {
  return false;
}
void TDataModule1::CloseFreeQuery() {}
std::vector<FreeRow> TDataModule1::FreeRows() const {
  return {};
}
bool TDataModule1::FillFileTable(std::u16string_view) {
  return false;
}
bool TDataModule1::FillLineTable(std::u16string_view, std::u16string_view) {
  return false;
}
std::vector<FileRow> TDataModule1::FileRows() const {
  return {};
}
std::vector<LineRow> TDataModule1::LineRows() const {
  return {};
}
bool TDataModule1::InShowDataDic(std::u16string_view) const {
  return false;
}
void TDataModule1::Exec(const char*) const {}
void TDataModule1::AppendSummaryRow(const TValue&) {}
void TDataModule1::ShowSummary() {}
void TDataModule1::RemoveRegistrations() {}

}  // namespace qorvan
