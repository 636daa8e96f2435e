#include "LineSplit.h"

#include "UnitSearch.h"

namespace qorvan {

LineCursor::LineCursor(std::u16string_view text) : text_(text) {}

std::size_t NextLineStart(std::u16string_view text, std::size_t end) {
  if (end < text.size() && text[end] == u'\0') return std::u16string_view::npos;
  // LF CR thus leaves an empty line between.
  if (end < text.size() && text[end] == u'\r') ++end;
  if (end < text.size() && text[end] == u'\n') ++end;
  return end;
}

bool LineCursor::Next(std::u16string_view& line) {
  if (pos_ == std::u16string_view::npos || pos_ >= text_.size() || text_[pos_] == u'\0')
    return false;
  const std::size_t end = FindLineEnd(text_.data(), pos_, text_.size());
  line = text_.substr(pos_, end - pos_);
  pos_ = NextLineStart(text_, end);
  return true;
}

}  // namespace qorvan
