#include "LineSplit.h"

#include "UnitSearch.h"

namespace qorvan {

LineCursor::LineCursor(std::u16string_view text) : text_(text) {}

bool LineCursor::Next(std::u16string_view& line) {
  if (ended_ || pos_ >= text_.size() || text_[pos_] == u'\0') return false;
  const char16_t* data = text_.data();
  const std::size_t size = text_.size();
  // Breaks and NUL are the only units up to CR that end a line.
  std::size_t end = FindUnitAtMost(data, pos_, size, u'\r');
  while (end < size && data[end] != u'\r' && data[end] != u'\n' && data[end] != u'\0')
    end = FindUnitAtMost(data, end + 1, size, u'\r');
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
