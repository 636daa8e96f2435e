#include "UseBuffer.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace qorvan {

void UseBuffer::RecordValueUse(const TValueDat& dat, FileId path, std::u16string_view line,
                               std::int32_t lineNo, UseWrap wrap, std::u16string_view descr) {
  try {
    uses_.push_back(
        Use{dat.Name, dat.ID, dat.IDX, path, lineNo, wrap, line, std::u16string(descr)});
  } catch (...) {
    // As when recording directly: only resource exhaustion gets here; the use is dropped.
  }
}

void UseBuffer::GroupByMember() {
  if (uses_.size() < 2) return;
  std::unordered_map<std::u16string_view, std::size_t> groupOfName;
  std::vector<std::size_t> group(uses_.size());
  for (std::size_t i = 0; i < uses_.size(); ++i)
    group[i] = groupOfName.try_emplace(uses_[i].Name, groupOfName.size()).first->second;
  if (std::is_sorted(group.begin(), group.end())) return;  // already together
  std::vector<std::size_t> order(uses_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return group[a] < group[b]; });
  std::vector<Use> grouped;
  grouped.reserve(uses_.size());
  for (std::size_t i : order) grouped.push_back(std::move(uses_[i]));
  uses_ = std::move(grouped);
}

void UseBuffer::ApplyTo(ValueDicT& dic) {
  TValueDat dat;
  // Uses of one member follow each other: its entry is looked up once for them all. The entry
  // stays where it is as long as no other member is added.
  TValue* value = nullptr;
  for (Use& use : uses_) {
    try {
      if (value == nullptr || use.Name != value->ValueName) {
        value = nullptr;
        dat.ID = use.ID;
        dat.IDX = use.IDX;
        std::swap(dat.Name, use.Name);
        value = &ValueOfMember(dic, dat);
      }
      RecordUseInto(*value, use.Path, use.Line, use.LineNo, use.Wrap, use.Descr);
    } catch (...) {
      // As when recording directly: only resource exhaustion gets here; the use is dropped.
    }
  }
  uses_.clear();
  uses_.shrink_to_fit();
}

}  // namespace qorvan
