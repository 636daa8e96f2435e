#include "LineSplit.h"

namespace qorvan {

LineCursor::LineCursor(std::u16string_view text) : text_(text) {}

bool LineCursor::Next(std::u16string_view& line) {
  if (ended_ || pos_ >= text_.size() || text_[pos_] == u'\0') return false;
  std::size_t end = pos_;
  const char16_t* data = text_.data();
  const std::size_t size = text_.size();
  while (end < size) {
    const char16_t c = data[end];
    if (c > u'\r') {  // most units: no break and no NUL
      ++end;
      continue;
    }
    if (c == u'\r' || c == u'\n') break;
    if (c == u'\0') {
      ended_ = true;  // the text ends here; this line still counts
      break;
    }
    ++end;
  }
  line = text_.substr(pos_, end - pos_);
  pos_ = end;
  if (ended_) return true;
  // After a line one CR and then one LF are consumed, so LF CR leaves an empty line between.
  if (pos_ < text_.size() && text_[pos_] == u'\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
  return true;
}

}  // namespace qorvan
