#include "MemorySettingsStore.h"

namespace qorvan::ui {

namespace {

std::u16string Slot(std::u16string_view key, std::u16string_view name) {
  return std::u16string(key) + u'\n' + std::u16string(name);
}

}  // namespace

std::u16string MemorySettingsStore::ReadRegString(std::u16string_view key,
                                                  std::u16string_view name) {
  std::lock_guard lock(mutex_);
  auto it = values_.find(Slot(key, name));
  return it == values_.end() ? std::u16string() : it->second;
}

void MemorySettingsStore::WriteRegString(std::u16string_view key, std::u16string_view name,
                                         std::u16string_view value) {
  std::lock_guard lock(mutex_);
  values_[Slot(key, name)] = std::u16string(value);
}

}  // namespace qorvan::ui
