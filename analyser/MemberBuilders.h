// The member builders: a number text to a member of one numbered family, or a rejection.
//
// Each builder first sets dat.ID to 0; on acceptance it fills ID, KeyWord, Name and IDX (and Num
// for the two SetAbility families) and returns true. A rejection changes nothing else.
#pragma once

#include <string_view>

#include "Plus.h"

namespace qorvan {

// Personal tag "[" + text + "]", numbers 1 and above.
bool ParseTagNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat);
// Personal timer "[@OnTimer" + text + "]", numbers 0 to 14.
bool ParseTimerNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat);
// "SetAbility" + text, numbers 0 to 599; sets Num.
bool ParseSetAbilityNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat);
// "H.SetAbility" + text, numbers 0 to 599; sets Num.
bool ParseHSetAbilityNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat);
// "INTS" + text, numbers 0 to 29.
bool ParseIntsNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat);
// "H.INTS" + text, numbers 0 to 29.
bool ParseHIntsNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat);
// Item trigger "[@StdModeFunc" + text + "]", numbers 0 to 255.
bool ParseStdModeFuncNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat);
// User command "[@UserCmd" + text + "]", numbers 0 to 255.
bool ParseUserCmdNumber(const Catalogue& cat, std::u16string_view text, TValueDat& dat);

// The signature shared by the eight builders.
using MemberBuilder = bool (*)(const Catalogue&, std::u16string_view, TValueDat&);

}  // namespace qorvan
