// The family commands: action names, tags, captions, hints and which ones have a bar button.
#pragma once

#include <array>
#include <string_view>

namespace qorvan::ui {

struct FamilyActionDef {
  std::string_view Name;     // object name of the action
  int Tag;                   // family number the action shows
  std::string_view Caption;  // UTF-8
  std::string_view Hint;     // UTF-8
};

inline constexpr int FamilyActionCount = 35;
inline constexpr int SetAllTag = 35;
inline constexpr int ShowAllTag = 10000;
inline constexpr int FilterTag = 10001;

// The actions of the family list, in list order.
const std::array<FamilyActionDef, FamilyActionCount>& FamilyActionList();

// Names of the actions that have a button in the family bar, left to right ("Search1" first).
const std::array<std::string_view, 22>& FamilyBarOrder();

// True when the action's bar button uses the larger font ("显示全部" and the letters).
bool UsesLargeFont(std::string_view actionName);

// True for the single-letter actions, whose buttons are narrow.
bool IsLetterAction(std::string_view actionName);

}  // namespace qorvan::ui
