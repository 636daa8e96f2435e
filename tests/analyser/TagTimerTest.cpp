#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptRun.h"

namespace qorvan {
namespace {

using test::UsesOf;
using test::Utf8;
using V = std::vector<std::string>;

using test::ExpectUses;

TEST(ScanTagCommand, LiteralTags) {
  ExpectUses({
      {u"", u"CHECK [5] 1", V{"[5] @F:1"}},
      {u"", u"SET [5] 1", V{"[5] @F:1"}},
      {u"", u"CHECK [0] 1", V{}},
      {u"", u"CHECK [809] 1", V{}},
      {u"", u"CHECK [808] 1", V{"[808] @F:1"}},
      {u"", u"SET [5] [6]", V{"[5] @F:1", "[6] @F:1"}},
      {u"", u"CHECK 5] 1", V{"[5] @F:1"}},
      {u"", u"CHECK [5 1", V{"[5] @F:1"}},
      {u"", u"CHECK [05] 1", V{"[05] @F:1"}},
      {u"", u"CHECK [@main] 1", V{}},
      {u"", u"SET [4294967301] 1", V{}},   // in range only after narrowing; the builder refuses
      {u"", u"[7] CHECK", V{"[7] @F:1"}},  // tokens before the keyword count too
  });
}

TEST(ScanTagCommand, TagsThroughConstants) {
  ExpectUses({
      {u"#DEFINE $(标识) [12]", u"CHECK $(标识) 1", V{"[12] @K:1 | 常量标识：$(标识)"}},
      {u"#DEFINE 标识 [12]", u"CHECK 标识 1", V{"[12] @K:1 | 常量标识：标识"}},
      {u"#DEFINE $(TAGA) [3]", u"check $(taga) 1", V{}},
      {u"#DEFINE $(TAGA) [3]", u"check $(TAGA) 1", V{"[3] @K:1 | 常量标识：$(TAGA)"}},
      {u"#DEFINE $(TAGA) [900]", u"CHECK $(TAGA) 1", V{}},
      {u"#DEFINE $(TAGA) 3", u"CHECK $(TAGA) 1", V{}},
  });
}

TEST(ScanTimerCommand, CommandsAndSectionHeaders) {
  ExpectUses({
      {u"", u"SETSCTIMER 5 60", V{"[@OnTimer5] @F:1"}},
      {u"", u"KILLSCTIMER 5", V{"[@OnTimer5] @F:1"}},
      {u"", u"SETSCTIMER 14 60", V{"[@OnTimer14] @F:1"}},
      {u"", u"SETSCTIMER 15 60", V{}},
      {u"#DEFINE $(T1) 3", u"SETSCTIMER $(T1) 60", V{}},
      {u"", u"SETSCTIMER 05 60", V{"[@OnTimer05] @F:1"}},
      {u"", u"SETSCTIMER", V{}},
      {u"", u"[@OnTimer3]", V{"[@OnTimer3] @F:1"}},
      {u"", u"[@OnTimer3] ", V{"[@OnTimer3] @F:1"}},
      {u"", u"[@ontimer3]", V{"[@OnTimer3] @F:1"}},
      {u"", u"[@OnTimer3]  ", V{}},
      {u"", u"[@OnTimer3] ;note", V{}},
      {u"", u"[@OnTimer3] 7", V{"[@OnTimer7] @F:1"}},
      {u"", u"[@OnTimer14]", V{}},
      // The number comes from the line's first "]" and the last "R" before it, wherever they are.
      {u"", u"R7] SETSCTIMER", V{"[@OnTimer7] @F:1"}},
      {u"", u"XR5] [@OnTimer1]", V{"[@OnTimer5] @F:1"}},
      {u"", u"R] [@OnTimer9]", V{}},
  });
}

}  // namespace
}  // namespace qorvan
