#include "SettingsStore.h"

namespace qorvan {

std::u16string IniSettingsStore::ReadRegString(std::u16string_view, std::u16string_view) {
  return {};
}
void IniSettingsStore::WriteRegString(std::u16string_view, std::u16string_view,
                                      std::u16string_view) {}
std::filesystem::path DefaultIniFile() {
  return {};
}
std::unique_ptr<SettingsStore> MakeDefaultSettingsStore() {
  return std::make_unique<IniSettingsStore>(DefaultIniFile());
}
std::u16string LoadSettings(SettingsStore&) {
  return std::u16string(kDefaultDir);
}

}  // namespace qorvan
