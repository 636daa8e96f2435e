// Turning a script file's bytes into UTF-16 text: a byte-order mark decides; without one,
// valid UTF-8 is UTF-8 and anything else is read in the legacy code page.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "TextStore.h"

namespace qorvan {

// Keeps its converters and scratch space between files: use one decoder per thread.
class TextDecoder {
 public:
  virtual ~TextDecoder() = default;
  // The UTF-16 text of `bytes`; invalid sequences become U+FFFD.
  virtual std::u16string Decode(std::string_view bytes) = 0;
  // The text of a script file, kept in `store`: Decode(bytes) cut at its first NUL, in one
  // copy. It splits into the lines of JoinLinesCrLf(Decode(bytes)) and is empty exactly when it
  // holds no line.
  virtual std::u16string_view DecodeScript(std::string_view bytes, TextStore& store) = 0;
  // A decoder for another thread, sharing what is read-only.
  virtual std::unique_ptr<TextDecoder> Clone() const = 0;
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
