// The line dispatcher: the first keyword token of a line picks the recogniser that handles it.
#pragma once

#include <cstdint>
#include <string_view>

#include "Plus.h"

namespace qorvan {

// Analyses one selected line; `line` is a view into the file's text, `upperLine` its upper case.
void ParseScriptLine(const LineContext& ctx, FileId path, std::u16string_view line,
                     std::int32_t lineNo, std::u16string_view upperLine);

// True when the upper-cased token names a keyword that hands its line to a recogniser.
bool IsHandledKeyword(const Catalogue& cat, std::u16string_view upperToken);

}  // namespace qorvan
