#include "TextReport.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "TextWidth.h"

namespace qorvan::cli {
namespace {

using Cells = std::array<std::string, 5>;

void PrintRow(std::ostream& out, const Cells& cells, const std::array<std::size_t, 5>& widths) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    bool last = i + 1 == cells.size();
    line += last ? cells[i] : PadRight(cells[i], widths[i]) + "  ";
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  out << line << '\n';
}

bool SameAsciiNoCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

void PrintSummary(std::ostream& out, const std::vector<SummaryRow>& rows) {
  std::vector<Cells> table = {{"占用变量名", "类型", "文件总数", "使用总数", "备注"}};
  for (const SummaryRow& r : rows)
    table.push_back({r.ValueName, FamilyTypeLabel(static_cast<int>(r.ID)),
                     std::to_string(r.FileCount), std::to_string(r.UseCount), r.Descr});
  std::array<std::size_t, 5> widths{};
  for (const Cells& cells : table)
    for (std::size_t i = 0; i < cells.size(); ++i)
      widths[i] = std::max(widths[i], DisplayWidth(cells[i]));
  for (const Cells& cells : table) PrintRow(out, cells, widths);
}

void PrintFree(std::ostream& out, const std::vector<FreeRow>& rows) {
  for (const FreeRow& r : rows) out << r.KeyWord << '\n';
}

std::string FindMemberName(const TDataModule1& dm, const std::string& name) {
  const RunState* state = dm.State();
  if (!state) return {};
  if (state->ValueDic.Find(FromUtf8(name))) return name;
  for (const SummaryRow& r : dm.SummaryRows())
    if (SameAsciiNoCase(r.ValueName, name)) return r.ValueName;
  return {};
}

bool PrintUses(std::ostream& out, std::ostream& err, TDataModule1& dm, const std::string& name) {
  std::string member = FindMemberName(dm, name);
  if (member.empty() || !dm.FillFileTable(FromUtf8(member))) {
    err << "qorvan-scan: " << name << " is not in use\n";
    return false;
  }
  for (const FileRow& file : dm.FileRows()) {
    out << file.Path << "  (" << file.FileCount << ")\n";
    dm.FillLineTable(FromUtf8(member), FromUtf8(file.Path));
    std::vector<LineRow> lines = dm.LineRows();
    std::size_t width = 0;
    for (const LineRow& l : lines) width = std::max(width, l.TextRow.size());
    for (const LineRow& l : lines)
      out << "  " << std::string(width - l.TextRow.size(), ' ') << l.TextRow << "  " << l.KeyWord
          << "  " << l.RowData << '\n';
  }
  return true;
}

}  // namespace qorvan::cli
