#include "DoubleByteTable.h"

#include <unicode/ucnv.h>

#include <bit>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define QORVAN_TABLE_SSE2 1
#endif

namespace qorvan {
namespace {

// Closes a converter when it goes out of scope.
struct ConverterHandle {
  UConverter* Converter = nullptr;
  ~ConverterHandle() { ucnv_close(Converter); }
};

// The single unit that `bytes` decode to on their own, without any error; 0 otherwise.
char16_t SingleUnit(UConverter* cnv, const char* bytes, int32_t length) {
  UChar out[4];
  UErrorCode error = U_ZERO_ERROR;
  ucnv_reset(cnv);
  int32_t n = ucnv_toUChars(cnv, out, 4, bytes, length, &error);
  return U_SUCCESS(error) && n == 1 ? static_cast<char16_t>(out[0]) : u'\0';
}

// Widens the ASCII bytes from in[pos] on into `out` until the first other byte; returns how
// many there were (at least one: in[pos] is ASCII). Sixteen bytes are tested and widened at a
// time where the machine allows it; a block that holds another byte is widened whole all the
// same (`out` has room for a unit per byte of the input, and the caller writes over what
// follows the run), so that a short run costs no loop of its own.
std::size_t WidenAscii(const unsigned char* in, std::size_t pos, std::size_t size, char16_t* out) {
  const std::size_t start = pos;
#ifdef QORVAN_TABLE_SSE2
  for (; pos + 16 <= size; pos += 16, out += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + pos));
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(v, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(v, zero));
    // A set bit is a byte with its top bit set: the run ends there.
    if (const int mask = _mm_movemask_epi8(v); mask != 0)
      return pos - start + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(mask)));
  }
#endif
  for (; pos < size && in[pos] < 0x80; ++pos) *out++ = in[pos];
  return pos - start;
}

bool StatelessOneOrTwoBytes(UConverter* cnv) {
  const UConverterType type = ucnv_getType(cnv);
  return (type == UCNV_SBCS || type == UCNV_DBCS || type == UCNV_MBCS) &&
         ucnv_getMaxCharSize(cnv) <= 2;
}

}  // namespace

std::shared_ptr<const DoubleByteTable> DoubleByteTable::Build(const std::string& name) {
  UErrorCode error = U_ZERO_ERROR;
  ConverterHandle handle{ucnv_open(name.c_str(), &error)};
  UConverter* cnv = handle.Converter;
  if (U_FAILURE(error) || !StatelessOneOrTwoBytes(cnv)) return nullptr;
  // Errors stop the conversion, so that a substituted sequence never enters the table.
  ucnv_setToUCallBack(cnv, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
  UBool starters[256] = {};
  if (ucnv_getType(cnv) != UCNV_SBCS) ucnv_getStarters(cnv, starters, &error);
  if (U_FAILURE(error)) return nullptr;
  std::shared_ptr<DoubleByteTable> table(new DoubleByteTable);
  table->pairs_.assign(256 * 256, u'\0');
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    table->lead_[b] = starters[b] != 0;
    if (!table->lead_[b]) {
      table->single_[b] = SingleUnit(cnv, &byte, 1);
      if (b < 0x80 && table->single_[b] != b && b != 0) return nullptr;  // not ASCII-based
      continue;
    }
    if (b < 0x80) return nullptr;
    for (int t = 0; t < 256; ++t) {
      const char pair[2] = {byte, static_cast<char>(t)};
      table->pairs_[b * 256 + t] = SingleUnit(cnv, pair, 2);
    }
  }
  return table;
}

std::size_t DoubleByteTable::Decode(std::string_view bytes, char16_t* out) const {
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t size = bytes.size();
  const char16_t* pairs = pairs_.data();
  std::size_t k = 0;
  for (std::size_t i = 0; i < size;) {
    unsigned b = in[i];
    if (b < 0x80) {
      const std::size_t ascii = WidenAscii(in, i, size, out + k);
      i += ascii;
      k += ascii;
      continue;
    }
    if (lead_[b]) {
      // A run of two-byte characters, as Chinese text is; no ASCII byte is a lead byte.
      do {
        const char16_t unit = i + 1 < size ? pairs[b * 256u + in[i + 1]] : u'\0';
        if (unit == u'\0') return std::string_view::npos;
        out[k++] = unit;
        i += 2;
      } while (i < size && lead_[b = in[i]]);
      continue;
    }
    const char16_t unit = single_[b];
    if (unit == u'\0') return std::string_view::npos;
    out[k++] = unit;
    ++i;
  }
  return k;
}

}  // namespace qorvan
