#include "TextDecoder.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "DoubleByteTable.h"
#include "UnitSearch.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace qorvan {
namespace {

// Writes U+FFFD for every unassigned or illegal sequence, whatever the code page's own
// substitution character is.
void SubstituteFffd(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                    UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;
  static const UChar kFffd = 0xFFFD;
  *error = U_ZERO_ERROR;
  ucnv_cbToUWriteUChars(args, &kFffd, 1, 0, error);
}

bool StartsWith(std::string_view bytes, std::string_view mark) {
  return bytes.substr(0, mark.size()) == mark;
}

// True when every byte is below 0x80; eight bytes are tested at a time.
bool IsAscii(std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t n = bytes.size();
  for (; n >= 8; p += 8, n -= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    if (word & 0x8080808080808080ull) return false;
  }
  for (; n > 0; ++p, --n)
    if (static_cast<unsigned char>(*p) >= 0x80) return false;
  return true;
}

class IcuTextDecoder final : public TextDecoder {
 public:
  IcuTextDecoder(std::string legacy, std::shared_ptr<const DoubleByteTable> table)
      : legacy_(std::move(legacy)), table_(std::move(table)) {}
  ~IcuTextDecoder() override {
    for (Cached& c : converters_) ucnv_close(c.Converter);
  }
  IcuTextDecoder(const IcuTextDecoder&) = delete;
  IcuTextDecoder& operator=(const IcuTextDecoder&) = delete;

  std::u16string Decode(std::string_view bytes) override {
    std::optional<std::string_view> ascii = DecodeToScratch(bytes);
    if (ascii) return std::u16string(ascii->begin(), ascii->end());
    return std::u16string(scratch_.data(), length_);
  }

  std::u16string_view DecodeScript(std::string_view bytes, TextStore& store) override {
    // The fast decoders write straight into the store, into room for as many units as bytes
    // (the most any of them writes); what the text leaves unused is given back.
    char16_t* room = store.Allocate(bytes.size());
    std::optional<std::string_view> ascii;
    room_ = room;
    try {
      ascii = DecodeToScratch(bytes);
    } catch (...) {
      room_ = nullptr;  // never left pointing into the store
      throw;
    }
    room_ = nullptr;
    if (ascii) {
      std::string_view lines = ascii->substr(0, ascii->find('\0'));
      std::copy(lines.begin(), lines.end(), room);
      store.Trim(room, bytes.size(), lines.size());
      return {room, lines.size()};
    }
    if (inRoom_) {
      const std::size_t length = FindUnit(room, 0, length_, u'\0');
      store.Trim(room, bytes.size(), length);
      return {room, length};
    }
    store.Trim(room, bytes.size(), 0);
    return store.Keep({scratch_.data(), FindUnit(scratch_.data(), 0, length_, u'\0')});
  }

  std::unique_ptr<TextDecoder> Clone() const override {
    return std::make_unique<IcuTextDecoder>(legacy_, table_);
  }

 private:
  struct Cached {
    std::string Name;
    UConverter* Converter = nullptr;
  };

  // The converter `name`, opened on first use; nullptr when ICU does not know it.
  UConverter* ConverterFor(const char* name) {
    for (Cached& c : converters_)
      if (c.Name == name) return c.Converter;
    UErrorCode error = U_ZERO_ERROR;
    UConverter* cnv = ucnv_open(name, &error);
    if (U_FAILURE(error)) return nullptr;
    ucnv_setToUCallBack(cnv, SubstituteFffd, nullptr, nullptr, nullptr, &error);
    converters_.push_back(Cached{name, cnv});
    return cnv;
  }

  // Decodes `bytes` into the scratch space, or with the fast decoders into room_ when it is set
  // (inRoom_ tells); returns instead the bytes of the text when they are
  // plain ASCII, which is valid UTF-8 and comes before the legacy code page: each byte is its
  // own UTF-16 unit and needs no conversion.
  std::optional<std::string_view> DecodeToScratch(std::string_view bytes) {
    length_ = 0;
    inRoom_ = false;
    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
      bytes.remove_prefix(3);
      if (IsAscii(bytes)) return bytes;
      // Valid UTF-8 decodes alike either way, and the strict decoder is the faster one.
      if (!DecodeStrictUtf8(bytes)) Convert("UTF-8", bytes);
    } else if (StartsWith(bytes, "\xFF\xFE")) {
      Convert("UTF-16LE", bytes.substr(2));
    } else if (StartsWith(bytes, "\xFE\xFF")) {
      Convert("UTF-16BE", bytes.substr(2));
    } else if (IsAscii(bytes)) {
      return bytes;
    } else if (!DecodeStrictUtf8(bytes) && !DecodeWithTable(bytes)) {
      Convert(legacy_.c_str(), bytes);
    }
    return std::nullopt;
  }

  // `bytes` decoded with the ICU converter `name` into the scratch space; nothing when the
  // converter is unknown.
  void Convert(const char* name, std::string_view bytes) {
    UConverter* cnv = ConverterFor(name);
    if (!cnv) return;
    int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    for (std::size_t room = bytes.size() + 1;; room = static_cast<std::size_t>(length) + 1) {
      ucnv_reset(cnv);
      GrowScratch(room);
      error = U_ZERO_ERROR;
      length = ucnv_toUChars(cnv, scratch_.data(), static_cast<int32_t>(room), bytes.data(),
                             static_cast<int32_t>(bytes.size()), &error);
      if (error != U_BUFFER_OVERFLOW_ERROR) break;
    }
    length_ = U_SUCCESS(error) ? static_cast<std::size_t>(length) : 0;
  }

  // `bytes` as strict UTF-8 into the fast decoders' target; false when they are not valid UTF-8.
  bool DecodeStrictUtf8(std::string_view bytes) {
    char16_t* out = FastTarget(bytes.size());
    int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strFromUTF8(out, static_cast<int32_t>(bytes.size()), &length, bytes.data(),
                  static_cast<int32_t>(bytes.size()), &error);
    if (U_FAILURE(error)) return false;
    length_ = static_cast<std::size_t>(length);
    inRoom_ = room_ != nullptr;
    return true;
  }

  // `bytes` through the legacy code page's table into the fast decoders' target; false when the
  // table cannot decode them.
  bool DecodeWithTable(std::string_view bytes) {
    if (!table_) return false;
    std::size_t length = table_->Decode(bytes, FastTarget(bytes.size()));
    if (length == std::string_view::npos) return false;
    length_ = length;
    inRoom_ = room_ != nullptr;
    return true;
  }

  // Where the fast decoders write `units` units at most: the caller's room, else the scratch.
  char16_t* FastTarget(std::size_t units) {
    if (room_ != nullptr) return room_;
    GrowScratch(units);
    return scratch_.data();
  }

  // Makes room for `units` units; the space only grows, so it is not cleared file after file.
  void GrowScratch(std::size_t units) {
    if (scratch_.size() < units) scratch_.resize(units);
  }

  std::string legacy_;
  std::shared_ptr<const DoubleByteTable> table_;  // null: every legacy text goes to ICU
  std::vector<Cached> converters_;
  std::u16string scratch_;    // kept from file to file; the texts get strings of their own size
  std::size_t length_ = 0;    // of the decoded text
  char16_t* room_ = nullptr;  // where the fast decoders write instead of the scratch, if set
  bool inRoom_ = false;       // the text was decoded into room_
};

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

std::string DefaultLegacyCodepage() {
#ifdef _WIN32
  UINT acp = GetACP();
  return acp == CP_UTF8 ? std::string("UTF-8") : "windows-" + std::to_string(acp);
#else
  return "GBK";
#endif
}

bool CodepageKnown(const std::string& name) {
  UErrorCode error = U_ZERO_ERROR;
  UConverter* cnv = ucnv_open(name.c_str(), &error);
  if (U_FAILURE(error)) return false;
  ucnv_close(cnv);
  return !name.empty();
}

std::unique_ptr<TextDecoder> MakeTextDecoder(const std::string& legacyCodepage) {
  std::string legacy = legacyCodepage.empty() ? DefaultLegacyCodepage() : legacyCodepage;
  std::shared_ptr<const DoubleByteTable> table = DoubleByteTable::Build(legacy);
  return std::make_unique<IcuTextDecoder>(std::move(legacy), std::move(table));
}

std::u16string JoinLinesCrLf(std::u16string text) {
  std::size_t end = text.find(u'\0');
  if (end != std::u16string::npos) text.resize(end);
  if (text.empty() || IsCanonicalCrLf(text)) return text;
  std::u16string out;
  out.reserve(text.size() + text.size() / 16 + 2);
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t stop = text.find_first_of(u"\r\n", i);
    if (stop == std::u16string::npos) stop = text.size();
    out.append(text, i, stop - i).append(u"\r\n");
    i = stop;
    if (i < text.size() && text[i] == u'\r') ++i;
    if (i < text.size() && text[i] == u'\n') ++i;
  }
  return out;
}

}  // namespace qorvan
