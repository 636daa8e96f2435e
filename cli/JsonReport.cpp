#include "JsonReport.h"

#include <charconv>

#include "TextReport.h"

namespace qorvan::cli {
namespace {

using Json = nlohmann::ordered_json;

int LineNumber(const std::string& text) {
  int n = 0;
  std::from_chars(text.data(), text.data() + text.size(), n);
  return n;
}

Json MemberJson(TDataModule1& dm, const SummaryRow& row) {
  Json files = Json::array();
  std::u16string name = FromUtf8(row.ValueName);
  dm.FillFileTable(name);
  for (const FileRow& file : dm.FileRows()) {
    Json uses = Json::array();
    dm.FillLineTable(name, FromUtf8(file.Path));
    for (const LineRow& line : dm.LineRows())
      uses.push_back(
          {{"line", LineNumber(line.TextRow)}, {"keyword", line.KeyWord}, {"text", line.RowData}});
    files.push_back({{"path", file.Path}, {"uses", std::move(uses)}});
  }
  return {{"name", row.ValueName},    {"family", row.ID},          {"type", row.ValueType},
          {"search_id", row.ValueID}, {"use_count", row.UseCount}, {"file_count", row.FileCount},
          {"descr", row.Descr},       {"files", std::move(files)}};
}

}  // namespace

Json BuildJson(TDataModule1& dm, const ScanView& view,
               const std::optional<std::string>& onlyMember) {
  const RunState* state = dm.State();
  Json members = Json::array();
  std::string only = onlyMember ? FindMemberName(dm, *onlyMember) : std::string();
  for (const SummaryRow& row : view.Members)
    if (!onlyMember || row.ValueName == only) members.push_back(MemberJson(dm, row));
  Json free = Json::array();
  for (const FreeRow& row : view.Free)
    free.push_back({{"id", row.ID}, {"name", row.KeyWord}, {"search_id", row.SearchID}});
  return {{"version_dir", state ? ToUtf8(state->Settings.Dir) : std::string()},
          {"file_count", state ? state->Settings.Count : 0},
          {"members", std::move(members)},
          {"free", std::move(free)}};
}

}  // namespace qorvan::cli
