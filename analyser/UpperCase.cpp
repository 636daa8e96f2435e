#include "UpperCase.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

namespace qorvan {

void UpperCaseInto(std::u16string_view text, std::u16string& out) {
  out.assign(text);
  const std::size_t size = out.size();
  std::size_t i = 0;
  while (i < size) {
    char16_t unit = out[i];
    if (unit < 0x80) {
      if (unit >= u'a' && unit <= u'z') out[i] = char16_t(unit - 32);
      ++i;
      continue;
    }
    std::size_t start = i;
    UChar32 c = 0;
    U16_NEXT(out.data(), i, size, c);
    UChar32 upper = u_toupper(c);
    if (upper == c) continue;
    // A mapping that needs another number of code units would change the length: keep the original.
    if (U16_LENGTH(upper) != static_cast<int>(i - start)) continue;
    std::size_t at = start;
    U16_APPEND_UNSAFE(out.data(), at, upper);
  }
}

std::u16string UpperCased(std::u16string_view text) {
  std::u16string out;
  UpperCaseInto(text, out);
  return out;
}

}  // namespace qorvan
