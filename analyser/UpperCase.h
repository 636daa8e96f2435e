// Upper-casing of script text, one code point at a time, never changing the length.
#pragma once

#include <string>
#include <string_view>

namespace qorvan {

// Writes the upper-cased `text` into `out` (same length in UTF-16 code units).
void UpperCaseInto(std::u16string_view text, std::u16string& out);

// The upper-cased `text` (same length in UTF-16 code units).
std::u16string UpperCased(std::u16string_view text);

}  // namespace qorvan
