#include "Utf.h"

#include <unicode/ustring.h>

namespace qorvan {

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  AppendUtf8(text, out);
  return out;
}

void AppendUtf8(std::u16string_view text, std::string& out) {
  if (text.empty()) return;
  const std::size_t start = out.size();
  out.resize(start + text.size() * 3);
  int32_t length = 0;
  UErrorCode error = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data() + start, static_cast<int32_t>(text.size() * 3), &length,
                     text.data(), static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &error);
  out.resize(start + (U_SUCCESS(error) ? static_cast<std::size_t>(length) : 0));
}

std::u16string FromUtf8(std::string_view text) {
  std::u16string out;
  if (text.empty()) return out;
  out.resize(text.size());
  int32_t length = 0;
  UErrorCode error = U_ZERO_ERROR;
  u_strFromUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
                       static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &error);
  out.resize(U_SUCCESS(error) ? static_cast<std::size_t>(length) : 0);
  return out;
}

std::filesystem::path NativePath(std::u16string_view text) {
#ifdef _WIN32
  return std::filesystem::path(std::wstring(text.begin(), text.end()));
#else
  return std::filesystem::path(ToUtf8(text));
#endif
}

std::u16string PathText(const std::filesystem::path& path) {
#ifdef _WIN32
  const std::wstring& native = path.native();
  return std::u16string(native.begin(), native.end());
#else
  return FromUtf8(path.native());
#endif
}

}  // namespace qorvan
