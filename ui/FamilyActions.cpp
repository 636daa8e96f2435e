#include "FamilyActions.h"

namespace qorvan::ui {

const std::array<FamilyActionDef, FamilyActionCount>& FamilyActionList() {
  // Y carries 26 like Z: a long-standing quirk that keeps Y out of reach of family 25.
  static constexpr std::array<FamilyActionDef, FamilyActionCount> list = {{
      {"A", 1, "A", "Ａ变量"},
      {"B", 2, "B", "Ｂ变量"},
      {"C", 3, "C", "Ｃ变量"},
      {"D", 4, "D", "Ｄ变量"},
      {"E", 5, "E", "Ｅ变量"},
      {"F", 6, "F", "Ｆ变量"},
      {"G", 7, "G", "Ｇ变量"},
      {"H", 8, "H", "Ｈ变量"},
      {"I", 9, "I", "Ｉ变量"},
      {"J", 10, "J", "Ｊ变量"},
      {"K", 11, "K", "Ｋ变量"},
      {"L", 12, "L", "Ｌ变量"},
      {"M", 13, "M", "Ｍ变量"},
      {"N", 14, "N", "Ｎ变量"},
      {"O", 15, "O", "Ｏ变量"},
      {"P", 16, "P", "Ｐ变量"},
      {"Q", 17, "Q", "Ｑ变量"},
      {"R", 18, "R", "Ｒ变量"},
      {"S", 19, "S", "Ｓ变量"},
      {"T", 20, "T", "Ｔ变量"},
      {"U", 21, "U", "Ｕ变量"},
      {"V", 22, "V", "Ｖ变量"},
      {"W", 23, "W", "Ｗ变量"},
      {"X", 24, "X", "Ｘ变量"},
      {"Y", 26, "Y", "Ｙ"},
      {"Z", 26, "Z", "Ｚ变量"},
      {"Tag", 27, "个人标识", "个人标识"},
      {"Timer", 28, "定时器", "个人定时器"},
      {"Setability", 29, "主Set", "主Set"},
      {"H_Setability", 30, "英Set", "英Set"},
      {"Ints", 31, "主INTS", "主INTS"},
      {"H_Ints", 32, "英INTS", "英INTS"},
      {"StdmodeFunc", 33, "StdmodeFunc", "StdmodeFunc"},
      {"CMD", 34, "UserCmd", "UserCmd"},
      {"SetAll", 35, "全局Set", "全局Set"},
  }};
  return list;
}

const std::array<std::string_view, 22>& FamilyBarOrder() {
  static constexpr std::array<std::string_view, 22> order = {"Search1",
                                                             "G",
                                                             "A",
                                                             "H",
                                                             "I",
                                                             "D",
                                                             "M",
                                                             "P",
                                                             "S",
                                                             "E",
                                                             "F",
                                                             "U",
                                                             "T",
                                                             "Tag",
                                                             "Timer",
                                                             "Setability",
                                                             "H_Setability",
                                                             "SetAll",
                                                             "Ints",
                                                             "H_Ints",
                                                             "StdmodeFunc",
                                                             "CMD"};
  return order;
}

bool IsLetterAction(std::string_view actionName) {
  return actionName.size() == 1 && actionName[0] >= 'A' && actionName[0] <= 'Z';
}

bool UsesLargeFont(std::string_view actionName) {
  return actionName == "Search1" || IsLetterAction(actionName);
}

}  // namespace qorvan::ui
