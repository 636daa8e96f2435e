// The parenthesised parts a "<$STR(" reference scan examines in one token, in order.
#pragma once

#include <functional>
#include <string_view>

namespace qorvan {

// Calls `visit` with each non-empty inner part that cutting "(" ")" pairs out of `token` yields,
// for as long as the text left holds a ">"; the same parts, in the same order, as repeated
// ExtractBracketed calls on the remainder, but in linear time.
void ForEachReferencePart(std::u16string_view token,
                          const std::function<void(std::u16string_view)>& visit);

}  // namespace qorvan
