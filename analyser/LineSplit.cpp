#include "LineSplit.h"

#include "UnitSearch.h"

namespace qorvan {

LineCursor::LineCursor(std::u16string_view text) : text_(text) {}

bool LineCursor::Next(std::u16string_view& line) {
  if (ended_ || pos_ >= text_.size() || text_[pos_] == u'\0') return false;
  const char16_t* data = text_.data();
  const std::size_t size = text_.size();
  const std::size_t end = FindLineEnd(data, pos_, size);
  if (end < size && data[end] == u'\0') ended_ = true;  // the text ends here; this line counts
  line = text_.substr(pos_, end - pos_);
  pos_ = end;
  if (ended_) return true;
  // After a line one CR and then one LF are consumed, so LF CR leaves an empty line between.
  if (pos_ < text_.size() && text_[pos_] == u'\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
  return true;
}

}  // namespace qorvan
