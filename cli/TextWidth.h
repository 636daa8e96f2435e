// Terminal column widths of UTF-8 text: wide and full-width characters take two columns.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qorvan::cli {

// Columns that `text` takes in a terminal.
std::size_t DisplayWidth(std::string_view text);

// `text` followed by blanks up to `width` columns.
std::string PadRight(std::string_view text, std::size_t width);

}  // namespace qorvan::cli
