#include "JsonWriter.h"

#include <unicode/utf16.h>

#include <charconv>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define QORVAN_JSON_SSE2 1
#endif

namespace qorvan::cli {
namespace {

constexpr unsigned kIndent = 2;

// The most bytes one UTF-16 unit turns into: "\u00XX" for a control character.
constexpr std::size_t kMostBytesPerUnit = 6;

// Writes the escape nlohmann-json writes for an ASCII character that needs one.
char* WriteEscape(char16_t c, char* to) {
  *to++ = '\\';
  switch (c) {
    case u'"':
    case u'\\':
      *to++ = static_cast<char>(c);
      return to;
    case u'\b':
      *to++ = 'b';
      return to;
    case u'\f':
      *to++ = 'f';
      return to;
    case u'\n':
      *to++ = 'n';
      return to;
    case u'\r':
      *to++ = 'r';
      return to;
    case u'\t':
      *to++ = 't';
      return to;
    default: {
      static constexpr char kHex[] = "0123456789abcdef";
      for (char x : {'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]}) *to++ = x;
      return to;
    }
  }
}

char* WriteCodePoint(char32_t c, char* to) {
  if (c < 0x800) {
    *to++ = static_cast<char>(0xC0 | (c >> 6));
  } else if (c < 0x10000) {
    *to++ = static_cast<char>(0xE0 | (c >> 12));
    *to++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  } else {
    *to++ = static_cast<char>(0xF0 | (c >> 18));
    *to++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *to++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  *to++ = static_cast<char>(0x80 | (c & 0x3F));
  return to;
}

// Copies the units from text[i] on, eight at a time, while all eight are printable ASCII
// that needs no escape; returns where it stopped (the caller goes on unit by unit there).
std::size_t CopyPlainAscii(std::u16string_view text, std::size_t i, char*& to) {
#ifdef QORVAN_JSON_SSE2
  const __m128i space = _mm_set1_epi16(0x20);
  const __m128i del = _mm_set1_epi16(0x7F);
  const __m128i quote = _mm_set1_epi16(u'"');
  const __m128i backslash = _mm_set1_epi16(u'\\');
  for (; i + 8 <= text.size(); i += 8, to += 8) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
    // Signed compares are right here: units of 0x8000 and above count as below the space.
    const __m128i bad =
        _mm_or_si128(_mm_or_si128(_mm_cmplt_epi16(v, space), _mm_cmpgt_epi16(v, del)),
                     _mm_or_si128(_mm_cmpeq_epi16(v, quote), _mm_cmpeq_epi16(v, backslash)));
    if (_mm_movemask_epi8(bad) != 0) break;
    _mm_storel_epi64(reinterpret_cast<__m128i*>(to), _mm_packus_epi16(v, v));
  }
#else
  (void)text;
  (void)to;
#endif
  return i;
}

// Writes `text` in UTF-8 (an unpaired surrogate as U+FFFD) with JSON's escapes to `to`, which
// has room for kMostBytesPerUnit bytes a unit; returns the end of what it wrote.
char* WriteEscapedUtf8(std::u16string_view text, char* to) {
  for (std::size_t i = CopyPlainAscii(text, 0, to); i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c < 0x80) {
      if (c < 0x20 || c == u'"' || c == u'\\')
        to = WriteEscape(c, to);
      else
        *to++ = static_cast<char>(c);
      i = CopyPlainAscii(text, i + 1, to) - 1;
      continue;
    }
    char32_t code = c;
    if (U16_IS_LEAD(c) && i + 1 < text.size() && U16_IS_TRAIL(text[i + 1]))
      code = U16_GET_SUPPLEMENTARY(c, text[++i]);
    else if (U16_IS_SURROGATE(c))
      code = 0xFFFD;
    to = WriteCodePoint(code, to);
  }
  return to;
}

// Appends `text` as WriteEscapedUtf8 writes it. A short text goes through a buffer on the
// stack: growing `out` by the most it can take would clear all of that first.
void AppendEscapedUtf8(std::u16string_view text, std::string& out) {
  constexpr std::size_t kStackUnits = 256;
  if (text.size() <= kStackUnits) {
    char buffer[kStackUnits * kMostBytesPerUnit];
    out.append(buffer, static_cast<std::size_t>(WriteEscapedUtf8(text, buffer) - buffer));
    return;
  }
  const std::size_t start = out.size();
  out.resize(start + text.size() * kMostBytesPerUnit);
  char* end = WriteEscapedUtf8(text, out.data() + start);
  out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace

JsonWriter::JsonWriter(std::string& out, unsigned depth) : out_(out), depth_(depth) {}

// Starts a new line at the current nesting, after a comma when `comma` is set. Most nestings
// take one append of a ready-made text.
void JsonWriter::NewLine(bool comma) {
  static const std::string kCommaBreakSpaces = ",\n" + std::string(62, ' ');
  const std::size_t spaces = (depth_ + levels_.size()) * kIndent;
  if (spaces + 2 <= kCommaBreakSpaces.size()) {
    out_.append(kCommaBreakSpaces, comma ? 0 : 1, spaces + (comma ? 2 : 1));
    return;
  }
  if (comma) out_ += ',';
  out_ += '\n';
  out_.append(spaces, ' ');
}

// Separates an array element from the one before; a member value follows its key directly.
void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  const bool comma = !levels_.back().Empty;
  levels_.back().Empty = false;
  NewLine(comma);
}

void JsonWriter::Begin(char open, char close) {
  BeforeValue();
  out_ += open;
  levels_.push_back(Level{close});
}

void JsonWriter::End() {
  Level level = levels_.back();
  levels_.pop_back();
  if (!level.Empty) NewLine(false);
  out_ += level.Close;
}

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  out_ += '"';
  out_ += name;
  out_ += "\": ";
  afterKey_ = true;
}

void JsonWriter::String(std::string_view text) {
  BeforeValue();
  if (!serializer_)
    serializer_.emplace(nlohmann::detail::output_adapter<char>(out_), ' ',
                        nlohmann::json::error_handler_t::replace);
  scratch_.get_ref<std::string&>().assign(text);
  serializer_->dump(scratch_, false, false, 0);
}

void JsonWriter::String(std::u16string_view text, std::string_view prefix,
                        std::string_view suffix) {
  BeforeValue();
  out_ += '"';
  out_ += prefix;
  AppendEscapedUtf8(text, out_);
  out_ += suffix;
  out_ += '"';
}

void JsonWriter::Number(std::int64_t n) {
  BeforeValue();
  char digits[24];
  auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  out_.append(digits, end);
}

void JsonWriter::Formatted(std::string_view value) {
  BeforeValue();
  out_ += value;
}

}  // namespace qorvan::cli
