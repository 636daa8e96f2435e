// Script text in the form FileDic keeps it: cut at its first NUL, split at CR LF, LF or CR,
// and joined again with CR LF after every line, the last one included.
#pragma once

#include <cstddef>
#include <string>

namespace qorvan {

// `text` in that form; empty when it holds no line. Reuses the storage when it is already so.
std::u16string JoinLinesCrLf(std::u16string text);

// The UTF-16 units data[0, size) in that form, in a string of exactly its size.
std::u16string JoinedCrLf(const char16_t* data, std::size_t size);
// The same for plain ASCII bytes, each its own unit.
std::u16string JoinedCrLf(const char* ascii, std::size_t size);

}  // namespace qorvan
