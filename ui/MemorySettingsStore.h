// A settings store that keeps its values in memory only (tests, screenshots).
#pragma once

#include <map>
#include <mutex>
#include <string>

#include "SettingsStore.h"

namespace qorvan::ui {

class MemorySettingsStore final : public qorvan::SettingsStore {
 public:
  std::u16string ReadRegString(std::u16string_view key, std::u16string_view name) override;
  void WriteRegString(std::u16string_view key, std::u16string_view name,
                      std::u16string_view value) override;

 private:
  std::mutex mutex_;  // a run writes from its worker thread
  std::map<std::u16string, std::u16string> values_;
};

}  // namespace qorvan::ui
