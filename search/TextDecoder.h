// Turning a script file's bytes into UTF-16 text: a byte-order mark decides; without one,
// valid UTF-8 is UTF-8 and anything else is read in the legacy code page.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace qorvan {

class TextDecoder {
 public:
  virtual ~TextDecoder() = default;
  // The UTF-16 text of `bytes`; invalid sequences become U+FFFD.
  virtual std::u16string Decode(std::string_view bytes) const = 0;
};

// The legacy code page of this platform: the ANSI code page on Windows, else "GBK".
std::string DefaultLegacyCodepage();

// True when ICU knows the code page `name`.
bool CodepageKnown(const std::string& name);

// A decoder that falls back to `legacyCodepage` (empty = DefaultLegacyCodepage()).
std::unique_ptr<TextDecoder> MakeTextDecoder(const std::string& legacyCodepage);

// `text` cut at its first NUL, split at CR LF, LF or CR and joined again with CR LF after
// every line; empty when it holds no line. Reuses the storage when it is already so.
std::u16string JoinLinesCrLf(std::u16string text);

}  // namespace qorvan
