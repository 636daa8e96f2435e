// Conversions between UTF-16, UTF-8 and native file-system paths.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qorvan {

// UTF-8 text of a UTF-16 string (unpaired surrogates become U+FFFD).
std::string ToUtf8(std::u16string_view text);
// Appends the UTF-8 text of `text` to `out`, as ToUtf8 writes it.
void AppendUtf8(std::u16string_view text, std::string& out);
// UTF-16 text of a UTF-8 string (invalid sequences become U+FFFD).
std::u16string FromUtf8(std::string_view text);

// The native path named by a UTF-16 text.
std::filesystem::path NativePath(std::u16string_view text);
// The UTF-16 text of a native path or name (undecodable bytes become U+FFFD).
std::u16string PathText(const std::filesystem::path& path);

}  // namespace qorvan
