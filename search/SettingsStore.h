// The remembered version directory: the Windows registry under HKEY_LOCAL_MACHINE, or an
// INI file in the user's configuration directory elsewhere. Texts are UTF-16.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace qorvan {

// The settings key, its value name and the default directory.
inline constexpr std::u16string_view kSettingsKey = u"\\SOFTWARE\\Qorvan系列\\Qorvan变量查询";
inline constexpr std::u16string_view kPathValueName = u"Path";
inline constexpr std::u16string_view kDefaultDir = u"D:\\MirServer";

// A store of string values under keys, like the registry of the local machine.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The value `name` under `key`; empty when the key or the value is missing.
  virtual std::u16string ReadRegString(std::u16string_view key, std::u16string_view name) = 0;
  // Writes `value` as `name` under `key` (created when missing); failures are silent.
  virtual void WriteRegString(std::u16string_view key, std::u16string_view name,
                              std::u16string_view value) = 0;
};

// An INI file: one section per key path, "name=value" lines.
class IniSettingsStore final : public SettingsStore {
 public:
  explicit IniSettingsStore(std::filesystem::path file) : file_(std::move(file)) {}
  std::u16string ReadRegString(std::u16string_view key, std::u16string_view name) override;
  void WriteRegString(std::u16string_view key, std::u16string_view name,
                      std::u16string_view value) override;
  const std::filesystem::path& File() const { return file_; }

 private:
  std::filesystem::path file_;
};

#ifdef _WIN32
// The registry under HKEY_LOCAL_MACHINE (64-bit view).
class RegistrySettingsStore final : public SettingsStore {
 public:
  std::u16string ReadRegString(std::u16string_view key, std::u16string_view name) override;
  void WriteRegString(std::u16string_view key, std::u16string_view name,
                      std::u16string_view value) override;
};
#endif

// The INI file of this program in $XDG_CONFIG_HOME (else ~/.config).
std::filesystem::path DefaultIniFile();

// The platform's store: the registry on Windows, DefaultIniFile() elsewhere.
std::unique_ptr<SettingsStore> MakeDefaultSettingsStore();

// The remembered directory; writes and returns the default when none is stored.
std::u16string LoadSettings(SettingsStore& store);

}  // namespace qorvan
