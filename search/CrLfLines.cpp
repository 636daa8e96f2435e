#include "CrLfLines.h"

#include <type_traits>

#include "UnitSearch.h"

namespace qorvan {
namespace {

// Index of the first unit from `pos` on that is CR or lower (breaks and NUL among them).
template <typename Unit>
std::size_t FindLow(const Unit* data, std::size_t pos, std::size_t size) {
  if constexpr (std::is_same_v<Unit, char16_t>) {
    return FindUnitAtMost(data, pos, size, u'\r');
  } else {
    while (pos < size && static_cast<unsigned char>(data[pos]) > '\r') ++pos;
    return pos;
  }
}

bool IsBreak(char16_t c) {
  return c == u'\r' || c == u'\n';
}

// The index after the break at `pos`: CR LF is one break.
template <typename Unit>
std::size_t AfterBreak(const Unit* data, std::size_t pos, std::size_t size) {
  return data[pos] == '\r' && pos + 1 < size && data[pos + 1] == '\n' ? pos + 2 : pos + 1;
}

// The length of the text in the stored form; `size` becomes the index of the first NUL.
template <typename Unit>
std::size_t JoinedLength(const Unit* data, std::size_t& size) {
  std::size_t length = 0;
  bool open = false;  // the last line has begun and no break has ended it yet
  for (std::size_t pos = 0;;) {
    const std::size_t low = FindLow(data, pos, size);
    length += low - pos;
    open = open || low > pos;
    if (low == size) break;
    const char16_t c = static_cast<std::make_unsigned_t<Unit>>(data[low]);
    if (c == u'\0') {
      size = low;
      break;
    }
    if (IsBreak(c)) {
      length += 2;
      open = false;
      pos = AfterBreak(data, low, size);
    } else {
      ++length;  // another control character belongs to the line
      open = true;
      pos = low + 1;
    }
  }
  return open ? length + 2 : length;
}

template <typename Unit>
std::u16string Joined(const Unit* data, std::size_t size) {
  const std::size_t length = JoinedLength(data, size);  // cuts `size` at the NUL
  std::u16string out(length, u'\0');
  char16_t* to = out.data();
  auto copy = [&](std::size_t from, std::size_t end) {
    for (std::size_t i = from; i < end; ++i)
      *to++ = static_cast<std::make_unsigned_t<Unit>>(data[i]);
  };
  auto endLine = [&] {
    *to++ = u'\r';
    *to++ = u'\n';
  };
  for (std::size_t pos = 0;;) {
    const std::size_t low = FindLow(data, pos, size);
    if (low == size) {
      copy(pos, size);
      break;
    }
    if (IsBreak(static_cast<std::make_unsigned_t<Unit>>(data[low]))) {
      copy(pos, low);
      endLine();
      pos = AfterBreak(data, low, size);
    } else {
      copy(pos, low + 1);
      pos = low + 1;
    }
  }
  if (to != out.data() + length) endLine();  // the last line had no break
  return out;
}

bool IsCanonicalCrLf(const std::u16string& text) {
  if (text.size() < 2 || text.compare(text.size() - 2, 2, u"\r\n") != 0) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u'\0') return false;
    if (c == u'\r' && text[i + 1] != u'\n') return false;
    if (c == u'\n' && (i == 0 || text[i - 1] != u'\r')) return false;
  }
  return true;
}

}  // namespace

std::u16string JoinLinesCrLf(std::u16string text) {
  if (IsCanonicalCrLf(text)) return text;
  return Joined(text.data(), text.size());
}

std::u16string JoinedCrLf(const char16_t* data, std::size_t size) {
  return Joined(data, size);
}

std::u16string JoinedCrLf(const char* ascii, std::size_t size) {
  return Joined(ascii, size);
}

}  // namespace qorvan
