// Upper-casing of script text, one code point at a time, never changing the length.
#pragma once

#include <string>
#include <string_view>

namespace qorvan {

// Writes the upper-cased `text` into `out` (same length in UTF-16 code units).
void UpperCaseInto(std::u16string_view text, std::u16string& out);

// Writes the upper-cased `text` to out[0, text.size()).
void UpperCaseUnits(std::u16string_view text, char16_t* out);

// The upper case of each BMP code unit on its own, as UpperCaseInto maps every unit outside a
// surrogate pair (a surrogate maps to itself); 65536 entries.
const char16_t* UnitUpperCases();

// The upper-cased `text` (same length in UTF-16 code units).
std::u16string UpperCased(std::u16string_view text);

}  // namespace qorvan
