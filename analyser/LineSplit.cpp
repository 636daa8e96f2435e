#include "LineSplit.h"

namespace qorvan {

LineCursor::LineCursor(std::u16string_view text) : text_(text) {
  std::size_t nul = text_.find(u'\0');
  if (nul != std::u16string_view::npos) text_ = text_.substr(0, nul);
}

bool LineCursor::Next(std::u16string_view& line) {
  if (pos_ >= text_.size()) return false;
  std::size_t end = text_.find_first_of(u"\r\n", pos_);
  if (end == std::u16string_view::npos) end = text_.size();
  line = text_.substr(pos_, end - pos_);
  pos_ = end;
  // After a line one CR and then one LF are consumed, so LF CR leaves an empty line between.
  if (pos_ < text_.size() && text_[pos_] == u'\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
  return true;
}

}  // namespace qorvan
