#include "JsonReport.h"

#include <vector>

#include "JsonWriter.h"
#include "OrderedWork.h"
#include "TextReport.h"

namespace qorvan::cli {
namespace {

// Members stand two levels deep: in the "members" array of the document object.
constexpr unsigned kMemberDepth = 2;
// The text waiting to be written is passed on once it is this long.
constexpr std::size_t kFlushAt = 1 << 20;

void WriteUse(JsonWriter& json, std::u16string_view name, const TUse& use) {
  json.BeginObject();
  json.Key("line");
  json.Number(use.LineNo);
  json.Key("keyword");
  if (use.Wrap == UseWrap::Str)
    json.String(name, "<$STR(", ")>");
  else
    json.String(name);
  json.Key("text");
  json.String(use.Line);
  json.End();
}

// The files of `value` in the order of their first recorded use.
void WriteFiles(JsonWriter& json, const RunState& state, const TValue& value) {
  json.BeginArray();
  for (const TValuePathData& file : value.ValuePath) {
    json.BeginObject();
    json.Key("path");
    json.String(state.PathOf(file.Path));
    json.Key("uses");
    json.BeginArray();
    for (const TUse& use : file.Uses) WriteUse(json, value.ValueName, use);
    json.End();
    json.End();
  }
  json.End();
}

// One summary row. Its texts are those of the member in ValueDic (the summary holds them in
// UTF-8), which are written without converting them.
void WriteMember(JsonWriter& json, const RunState& state, const SummaryRow& row) {
  const TValue* value = state.ValueDic.Find(FromUtf8(row.ValueName));
  json.BeginObject();
  json.Key("name");
  value ? json.String(value->ValueName) : json.String(row.ValueName);
  json.Key("family");
  json.Number(row.ID);
  json.Key("type");
  value ? json.String(value->ValueType) : json.String(row.ValueType);
  json.Key("search_id");
  json.Number(row.ValueID);
  json.Key("use_count");
  json.Number(row.UseCount);
  json.Key("file_count");
  json.Number(row.FileCount);
  json.Key("descr");
  value ? json.String(value->ValueDescr) : json.String(row.Descr);
  json.Key("files");
  if (value) {
    WriteFiles(json, state, *value);
  } else {
    json.BeginArray();
    json.End();
  }
  json.End();
}

void WriteFree(JsonWriter& json, const FreeRow& row) {
  json.BeginObject();
  json.Key("id");
  json.Number(row.ID);
  json.Key("name");
  json.String(row.KeyWord);
  json.Key("search_id");
  json.String(row.SearchID);
  json.End();
}

void Flush(std::ostream& out, std::string& text) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  text.clear();
}

// The members, written on `threads` threads and passed on in order.
void WriteMembers(std::ostream& out, std::string& text, JsonWriter& json, const RunState& state,
                  const std::vector<const SummaryRow*>& rows, unsigned threads) {
  std::vector<std::string> members(rows.size());
  auto write = [&](std::size_t i, unsigned) {
    JsonWriter member(members[i], kMemberDepth);
    WriteMember(member, state, *rows[i]);
  };
  auto pass = [&](std::size_t i) {
    json.Formatted(members[i]);
    std::string().swap(members[i]);
    if (text.size() >= kFlushAt) Flush(out, text);
    return true;
  };
  ProduceInOrder(rows.size(), threads, write, pass);
}

}  // namespace

void WriteJson(std::ostream& out, const TDataModule1& dm, const ScanView& view,
               const std::optional<std::string>& onlyMember, unsigned threads) {
  const RunState empty;
  const RunState& state = dm.State() ? *dm.State() : empty;
  std::string only = onlyMember ? FindMemberName(dm, *onlyMember) : std::string();
  std::vector<const SummaryRow*> rows;
  for (const SummaryRow& row : view.Members)
    if (!onlyMember || row.ValueName == only) rows.push_back(&row);
  std::string text;
  JsonWriter json(text);
  json.BeginObject();
  json.Key("version_dir");
  json.String(state.Settings.Dir);
  json.Key("file_count");
  json.Number(state.Settings.Count);
  json.Key("members");
  json.BeginArray();
  WriteMembers(out, text, json, state, rows, threads);
  json.End();
  json.Key("free");
  json.BeginArray();
  for (const FreeRow& row : view.Free) WriteFree(json, row);
  json.End();
  json.End();
  text += '\n';
  Flush(out, text);
}

}  // namespace qorvan::cli
