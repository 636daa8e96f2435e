#include "SettingsStore.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "Utf.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace qorvan {
namespace fs = std::filesystem;

namespace {

// An INI file in memory: sections in file order, each with its name=value lines.
struct IniSection {
  std::string Name;
  std::vector<std::pair<std::string, std::string>> Values;
};
using IniFile = std::vector<IniSection>;

bool SameAsciiNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// A key path as a section name: without the leading backslash of an absolute key.
std::string SectionName(std::u16string_view key) {
  while (!key.empty() && key.front() == u'\\') key.remove_prefix(1);
  return ToUtf8(key);
}

// Values keep every character: '%', CR and LF are written as %25, %0D and %0A.
std::string EscapeValue(std::string_view value) {
  std::string out;
  for (char c : value) {
    if (c == '%')
      out += "%25";
    else if (c == '\r')
      out += "%0D";
    else if (c == '\n')
      out += "%0A";
    else
      out += c;
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string UnescapeValue(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    int high = i + 2 < value.size() ? HexDigit(value[i + 1]) : -1;
    int low = high >= 0 ? HexDigit(value[i + 2]) : -1;
    if (value[i] == '%' && low >= 0) {
      out += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      out += value[i];
    }
  }
  return out;
}

IniFile ReadIni(const fs::path& file) {
  IniFile ini;
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      ini.push_back(IniSection{line.substr(1, line.size() - 2), {}});
    } else if (std::size_t eq = line.find('='); eq != std::string::npos && !ini.empty()) {
      ini.back().Values.emplace_back(line.substr(0, eq), UnescapeValue(line.substr(eq + 1)));
    }
  }
  return ini;
}

// Writes through a temporary file and a rename, so a failure never leaves half a file.
void WriteIni(const fs::path& file, const IniFile& ini) {
  std::ostringstream text;
  for (const IniSection& section : ini) {
    text << '[' << section.Name << "]\n";
    for (const auto& [name, value] : section.Values)
      text << name << '=' << EscapeValue(value) << '\n';
  }
  std::error_code ec;
  if (file.has_parent_path()) fs::create_directories(file.parent_path(), ec);
  fs::path temp = file;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!(out << text.str())) return;
  }
  fs::rename(temp, file, ec);
  if (ec) fs::remove(temp, ec);
}

}  // namespace

std::u16string IniSettingsStore::ReadRegString(std::u16string_view key, std::u16string_view name) {
  std::string section = SectionName(key);
  std::string valueName = ToUtf8(name);
  for (const IniSection& s : ReadIni(file_)) {
    if (!SameAsciiNoCase(s.Name, section)) continue;
    for (const auto& [n, value] : s.Values)
      if (SameAsciiNoCase(n, valueName)) return FromUtf8(value);
  }
  return {};
}

void IniSettingsStore::WriteRegString(std::u16string_view key, std::u16string_view name,
                                      std::u16string_view value) {
  std::string sectionName = SectionName(key);
  std::string valueName = ToUtf8(name);
  IniFile ini = ReadIni(file_);
  IniSection* section = nullptr;
  for (IniSection& s : ini)
    if (SameAsciiNoCase(s.Name, sectionName)) section = &s;
  if (!section) section = &ini.emplace_back(IniSection{sectionName, {}});
  std::string text = ToUtf8(value);
  for (auto& [n, v] : section->Values) {
    if (SameAsciiNoCase(n, valueName)) {
      v = text;
      return WriteIni(file_, ini);
    }
  }
  section->Values.emplace_back(valueName, text);
  WriteIni(file_, ini);
}

#ifdef _WIN32
namespace {

std::wstring RegistryPath(std::u16string_view key) {
  while (!key.empty() && key.front() == u'\\') key.remove_prefix(1);
  return std::wstring(key.begin(), key.end());
}

std::wstring Wide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

}  // namespace

std::u16string RegistrySettingsStore::ReadRegString(std::u16string_view key,
                                                    std::u16string_view name) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, RegistryPath(key).c_str(), 0, KEY_ALL_ACCESS, &handle) !=
      ERROR_SUCCESS)
    return {};
  std::wstring valueName = Wide(name);
  DWORD type = 0;
  DWORD size = 0;
  std::u16string result;
  if (RegQueryValueExW(handle, valueName.c_str(), nullptr, &type, nullptr, &size) ==
          ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
    std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(handle, valueName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) == ERROR_SUCCESS) {
      buffer.resize(wcsnlen(buffer.c_str(), buffer.size()));
      result.assign(buffer.begin(), buffer.end());
    }
  }
  RegCloseKey(handle);
  return result;
}

void RegistrySettingsStore::WriteRegString(std::u16string_view key, std::u16string_view name,
                                           std::u16string_view value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, RegistryPath(key).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, &handle, nullptr) != ERROR_SUCCESS)
    return;
  std::wstring text = Wide(value);
  RegSetValueExW(handle, Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
}
#endif

fs::path DefaultIniFile() {
  fs::path base;
#ifdef _WIN32
  if (const char* appData = std::getenv("APPDATA")) base = appData;
#else
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && fs::path(xdg).is_absolute()) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME")) {
    base = fs::path(home) / ".config";
  }
#endif
  return base / NativePath(u"Qorvan系列") / NativePath(u"Qorvan变量查询.ini");
}

std::unique_ptr<SettingsStore> MakeDefaultSettingsStore() {
#ifdef _WIN32
  return std::make_unique<RegistrySettingsStore>();
#else
  return std::make_unique<IniSettingsStore>(DefaultIniFile());
#endif
}

std::u16string LoadSettings(SettingsStore& store) {
  std::u16string path = store.ReadRegString(kSettingsKey, kPathValueName);
  if (!path.empty()) return path;
  store.WriteRegString(kSettingsKey, kPathValueName, kDefaultDir);
  return std::u16string(kDefaultDir);
}

}  // namespace qorvan
