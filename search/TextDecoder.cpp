#include "TextDecoder.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ustring.h>

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

// `bytes` decoded with the ICU converter `name`; empty when the converter is unknown.
std::u16string Convert(const char* name, std::string_view bytes) {
  UErrorCode error = U_ZERO_ERROR;
  UConverter* cnv = ucnv_open(name, &error);
  if (U_FAILURE(error)) return {};
  ucnv_setToUCallBack(cnv, SubstituteFffd, nullptr, nullptr, nullptr, &error);
  std::u16string out(bytes.size() + 1, u'\0');
  int32_t length = ucnv_toUChars(cnv, out.data(), static_cast<int32_t>(out.size()), bytes.data(),
                                 static_cast<int32_t>(bytes.size()), &error);
  ucnv_close(cnv);
  out.resize(U_SUCCESS(error) ? static_cast<std::size_t>(length) : 0);
  if (out.capacity() > out.size() + out.size() / 4) out.shrink_to_fit();  // double-byte text
  return out;
}

// `bytes` as strict UTF-8; false when they are not valid UTF-8.
bool DecodeStrictUtf8(std::string_view bytes, std::u16string& out) {
  out.assign(bytes.size(), u'\0');
  int32_t length = 0;
  UErrorCode error = U_ZERO_ERROR;
  u_strFromUTF8(out.data(), static_cast<int32_t>(out.size()), &length, bytes.data(),
                static_cast<int32_t>(bytes.size()), &error);
  if (U_FAILURE(error)) return false;
  out.resize(static_cast<std::size_t>(length));
  return true;
}

bool StartsWith(std::string_view bytes, std::string_view mark) {
  return bytes.substr(0, mark.size()) == mark;
}

class IcuTextDecoder final : public TextDecoder {
 public:
  explicit IcuTextDecoder(std::string legacy) : legacy_(std::move(legacy)) {}

  std::u16string Decode(std::string_view bytes) const override {
    if (StartsWith(bytes, "\xEF\xBB\xBF")) return Convert("UTF-8", bytes.substr(3));
    if (StartsWith(bytes, "\xFF\xFE")) return Convert("UTF-16LE", bytes.substr(2));
    if (StartsWith(bytes, "\xFE\xFF")) return Convert("UTF-16BE", bytes.substr(2));
    std::u16string text;
    if (DecodeStrictUtf8(bytes, text)) return text;
    return Convert(legacy_.c_str(), bytes);
  }

 private:
  std::string legacy_;
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
  return std::make_unique<IcuTextDecoder>(legacyCodepage.empty() ? DefaultLegacyCodepage()
                                                                 : legacyCodepage);
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
