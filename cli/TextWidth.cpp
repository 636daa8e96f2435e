#include "TextWidth.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace qorvan::cli {

std::size_t DisplayWidth(std::string_view text) {
  std::size_t width = 0;
  int32_t i = 0;
  const auto length = static_cast<int32_t>(text.size());
  while (i < length) {
    UChar32 c;
    U8_NEXT(text.data(), i, length, c);
    if (c < 0) {
      ++width;
      continue;
    }
    if (u_getCombiningClass(c) > 0 || u_charType(c) == U_NON_SPACING_MARK) continue;
    int eaw = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
    width += (eaw == U_EA_WIDE || eaw == U_EA_FULLWIDTH) ? 2 : 1;
  }
  return width;
}

std::string PadRight(std::string_view text, std::size_t width) {
  std::string out(text);
  std::size_t used = DisplayWidth(text);
  if (used < width) out.append(width - used, ' ');
  return out;
}

}  // namespace qorvan::cli
