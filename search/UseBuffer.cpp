#include "UseBuffer.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace qorvan {

void UseBuffer::RecordValueUse(const TValueDat& dat, FileId path, std::u16string_view line,
                               std::int32_t lineNo, UseWrap wrap, std::u16string_view descr) {
  const std::size_t charsBefore = chars_.size();
  try {
    Use use{Keep(dat.Name), dat.ID, dat.IDX, path, lineNo, wrap, line, {}};
    use.Descr = Keep(descr);
    uses_.push_back(use);
  } catch (...) {
    // As when recording directly: only resource exhaustion gets here; the use is dropped.
    chars_.resize(charsBefore);
  }
}

UseBuffer::Piece UseBuffer::Keep(std::u16string_view text) {
  // One file's uses stay far below 4 G units; a larger pool counts as no memory.
  if (chars_.size() + text.size() > UINT32_MAX) throw std::bad_alloc();
  const Piece piece{static_cast<std::uint32_t>(chars_.size()),
                    static_cast<std::uint32_t>(text.size())};
  chars_.append(text);
  return piece;
}

std::u16string_view UseBuffer::Text(Piece piece) const {
  return std::u16string_view(chars_).substr(piece.Start, piece.Size);
}

void UseBuffer::GroupByMember() {
  if (uses_.size() < 2) return;
  std::unordered_map<std::u16string_view, std::size_t> groupOfName;
  std::vector<std::size_t> group(uses_.size());
  for (std::size_t i = 0; i < uses_.size(); ++i)
    group[i] = groupOfName.try_emplace(Text(uses_[i].Name), groupOfName.size()).first->second;
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
  for (const Use& use : uses_) {
    try {
      const std::u16string_view name = Text(use.Name);
      if (value == nullptr || name != value->ValueName) {
        value = nullptr;
        dat.ID = use.ID;
        dat.IDX = use.IDX;
        dat.Name.assign(name);
        value = &ValueOfMember(dic, dat);
      }
      RecordUseInto(*value, use.Path, use.Line, use.LineNo, use.Wrap, Text(use.Descr));
    } catch (...) {
      // As when recording directly: only resource exhaustion gets here; the use is dropped.
    }
  }
  uses_.clear();
  uses_.shrink_to_fit();
  chars_.clear();
  chars_.shrink_to_fit();
}

}  // namespace qorvan
