#include "UseBuffer.h"

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

void UseBuffer::ApplyTo(ValueDicT& dic) {
  TValueDat dat;
  for (Use& use : uses_) {
    dat.ID = use.ID;
    dat.IDX = use.IDX;
    std::swap(dat.Name, use.Name);
    qorvan::RecordValueUse(dic, dat, use.Path, use.Line, use.LineNo, use.Wrap, use.Descr);
  }
  uses_.clear();
  uses_.shrink_to_fit();
}

}  // namespace qorvan
