#include <gtest/gtest.h>

#include <fstream>

#include "SettingsStore.h"
#include "TempDir.h"

namespace qorvan {
namespace {

TEST(SettingsStore, FirstLoadWritesTheDefault) {
  testing::TempDir dir;
  IniSettingsStore store(dir.path() / "sub" / "settings.ini");
  EXPECT_EQ(LoadSettings(store), u"D:\\MirServer");
  EXPECT_EQ(store.ReadRegString(kSettingsKey, u"Path"), u"D:\\MirServer");
  std::ifstream in(store.File());
  std::string section;
  std::getline(in, section);
  EXPECT_EQ(section, "[SOFTWARE\\Qorvan系列\\Qorvan变量查询]");
}

TEST(SettingsStore, StoredValueIsUsedUnchangedAndEmptyCountsAsMissing) {
  testing::TempDir dir;
  IniSettingsStore store(dir.path() / "settings.ini");
  store.WriteRegString(kSettingsKey, u"Path", u"/gone/away");
  EXPECT_EQ(LoadSettings(store), u"/gone/away");
  store.WriteRegString(kSettingsKey, u"Path", u"");
  EXPECT_EQ(LoadSettings(store), u"D:\\MirServer");
}

TEST(SettingsStore, ValuesRoundTripExactly) {
  testing::TempDir dir;
  IniSettingsStore store(dir.path() / "settings.ini");
  const std::u16string values[] = {u"  D:\\Mir Server  ", u"100%25 done", u"two\r\nlines",
                                   u"版本=目录"};
  store.WriteRegString(u"\\Other\\Key", u"Name", u"kept");
  for (const auto& value : values) {
    store.WriteRegString(kSettingsKey, u"Path", value);
    EXPECT_EQ(store.ReadRegString(kSettingsKey, u"Path"), value);
  }
  EXPECT_EQ(store.ReadRegString(u"\\Other\\Key", u"Name"), u"kept");
  EXPECT_EQ(store.ReadRegString(u"\\Missing", u"Path"), u"");
}

TEST(SettingsStore, DefaultFileFollowsXdgConfigHome) {
  const char* old = std::getenv("XDG_CONFIG_HOME");
  std::string saved = old ? old : "";
  setenv("XDG_CONFIG_HOME", "/tmp/xdg-test", 1);
  EXPECT_EQ(DefaultIniFile(), std::filesystem::path("/tmp/xdg-test/Qorvan系列/Qorvan变量查询.ini"));
  setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
  EXPECT_NE(DefaultIniFile().string().rfind("relative", 0), 0u);
  if (old)
    setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  else
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace qorvan
