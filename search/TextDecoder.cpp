#include "TextDecoder.h"

namespace qorvan {

std::string DefaultLegacyCodepage() {
  return "GBK";
}
bool CodepageKnown(const std::string&) {
  return true;
}
std::unique_ptr<TextDecoder> MakeTextDecoder(const std::string&) {
  return nullptr;
}
std::u16string JoinLinesCrLf(std::u16string text) {
  return text;
}

}  // namespace qorvan
