#include "MemberBuilders.h"

#include <cstdint>
#include <limits>

#include "TextHelpers.h"

namespace qorvan {

namespace {

// What differs between the eight numbered families.
struct NumberedFamily {
  std::u16string_view Key;  // FamilyDic key
  std::int32_t Lowest;
  std::int32_t Highest;
  std::u16string_view Label;  // KeyWord of a member
  std::u16string_view NamePrefix;
  std::u16string_view NameSuffix;
  bool SetsNum;
};

constexpr std::int32_t kNoBound = std::numeric_limits<std::int32_t>::max();

constexpr NumberedFamily kTag{u"TAG", 1, kNoBound, u"Tag", u"[", u"]", false};
constexpr NumberedFamily kTimer{u"TIMER", 0, 14, u"TIMER", u"[@OnTimer", u"]", false};
constexpr NumberedFamily kSetAbility{u"SETABILITY", 0,   599, u"SETABILITY",
                                     u"SetAbility", u"", true};
constexpr NumberedFamily kHSetAbility{u"H.SETABILITY", 0,   599, u"H.SETABILITY",
                                      u"H.SetAbility", u"", true};
constexpr NumberedFamily kInts{u"INTS", 0, 29, u"INTS", u"INTS", u"", false};
constexpr NumberedFamily kHInts{u"H.INTS", 0, 29, u"H.INTS", u"H.INTS", u"", false};
constexpr NumberedFamily kStdModeFunc{u"STDMODEFUNC",   0,    255,  u"STDMODEFUNC",
                                      u"[@StdModeFunc", u"]", false};
constexpr NumberedFamily kUserCmd{u"USERCMD", 0, 255, u"USERCMD", u"[@UserCmd", u"]", false};

bool BuildMember(const NumberedFamily& family, const Catalogue& cat, std::u16string_view text,
                 TValueDat& dat) {
  dat.ID = 0;
  std::int32_t n = 0;
  if (!TryTextToInt32(text, n)) return false;
  if (n < family.Lowest || n > family.Highest) return false;
  auto entry = cat.FamilyDic.find(family.Key);
  if (entry == cat.FamilyDic.end() || entry->second.SearchNum == 0) return false;
  // A tag number near the 32-bit limit would push the search number past it: reject it.
  const std::int64_t searchNumber = std::int64_t{n} + entry->second.Order;
  if (searchNumber > std::numeric_limits<std::int32_t>::max()) return false;
  dat.ID = entry->second.ID;
  dat.KeyWord.assign(family.Label);
  dat.Name.assign(family.NamePrefix).append(text).append(family.NameSuffix);
  dat.IDX = static_cast<std::int32_t>(searchNumber);
  if (family.SetsNum) dat.Num = n;
  return true;
}

}  // namespace

bool ParseTagNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat) {
  return BuildMember(kTag, cat, text, dat);
}

bool ParseTimerNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat) {
  return BuildMember(kTimer, cat, text, dat);
}

bool ParseSetAbilityNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat) {
  return BuildMember(kSetAbility, cat, text, dat);
}

bool ParseHSetAbilityNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat) {
  return BuildMember(kHSetAbility, cat, text, dat);
}

bool ParseIntsNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat) {
  return BuildMember(kInts, cat, text, dat);
}

bool ParseHIntsNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat) {
  return BuildMember(kHInts, cat, text, dat);
}

bool ParseStdModeFuncNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat) {
  return BuildMember(kStdModeFunc, cat, text, dat);
}

bool ParseUserCmdNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat) {
  return BuildMember(kUserCmd, cat, text, dat);
}

}  // namespace qorvan
