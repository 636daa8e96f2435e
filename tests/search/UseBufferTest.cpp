#include "UseBuffer.h"

#include <gtest/gtest.h>

#include <random>

#include "TextHelpers.h"

namespace qorvan {
namespace {

// ValueDic as text, in enumeration order, with everything the results show.
std::u16string Dump(const ValueDicT& dic) {
  std::u16string out;
  for (const TValue& v : dic) {
    out += v.ValueName + u"|" + v.ValueType + u"|" + v.ValueDescr + u"|" + DecimalText(v.ValueNum) +
           u"|" + DecimalText(v.ValueSearchID) + u"\n";
    for (const TValuePathData& file : v.ValuePath)
      for (const TUse& use : file.Uses)
        out += DecimalText(file.Path) + u":" + DecimalText(use.LineNo) + u":" +
               UseKeyWord(v.ValueName, use) + u":" + std::u16string(use.Line) + u"\n";
  }
  return out;
}

TEST(UseBuffer, GroupedUsesLeaveValueDicAsDirectRecording) {
  static const std::u16string kLines[] = {u"MOV G1 1", u"INC $(X) 2", u"CHECK [5] 1"};
  std::mt19937 rng(3);
  ValueDicT direct;
  ValueDicT replayed;
  ValueDicSink sink(direct);
  for (FileId file = 0; file < 40; ++file) {
    UseBuffer buffer;
    for (int n = 0; n < 30; ++n) {
      // A few members, uses filed under other files (constants), changing descriptions.
      TValueDat dat;
      int member = static_cast<int>(rng() % 6);
      dat.ID = 7;
      dat.IDX = 7000000 + member;
      // Built in place: GCC 12 warns wrongly about u"G" + text at -O2.
      dat.Name = DecimalText(member);
      dat.Name.insert(dat.Name.begin(), u'G');
      FileId path = rng() % 4 == 0 ? static_cast<FileId>(rng() % 40) : file;
      std::u16string descr =
          rng() % 3 == 0 ? u"变量引用：$(X" + DecimalText(rng() % 3) + u")" : u"";
      const std::u16string& line = kLines[rng() % 3];
      auto wrap = rng() % 2 ? UseWrap::Str : UseWrap::Bare;
      sink.RecordValueUse(dat, path, line, n + 1, wrap, descr);
      buffer.RecordValueUse(dat, path, line, n + 1, wrap, descr);
    }
    buffer.GroupByMember();
    buffer.ApplyTo(replayed);
  }
  EXPECT_EQ(Dump(replayed), Dump(direct));
}

}  // namespace
}  // namespace qorvan
