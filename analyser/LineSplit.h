// Cutting a file's text into lines: CR LF, a lone CR or a lone LF ends a line; NUL ends the text.
#pragma once

#include <string_view>

namespace qorvan {

// Where the line after the one ending at `end` (a CR, LF, NUL or the text's end) starts:
// after one CR and then one LF; npos when a NUL ends the text there.
std::size_t NextLineStart(std::u16string_view text, std::size_t end);

// Hands out the lines of a text in order, as views into it; no line holds a break character.
class LineCursor {
 public:
  explicit LineCursor(std::u16string_view text);
  // Sets `line` to the next line; false when the text has no more lines.
  bool Next(std::u16string_view& line);

 private:
  std::u16string_view text_;
  std::size_t pos_ = 0;  // npos once a NUL ended the text
};

}  // namespace qorvan
