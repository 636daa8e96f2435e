#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ScriptRun.h"

namespace qorvan {
namespace {

// Script-like noise: keywords, brackets, variables, constants, breaks, NUL and broken UTF-16.
std::u16string RandomText(std::mt19937& random, std::size_t pieces) {
  // Pieces separated by "|".
  static const std::vector<std::u16string> vocabulary = [] {
    const std::u16string_view pieces =
        u"#DEFINE |;#define |$(C1) |C1|<$HP>|HP|(G1)|[5]|[12|CHECK |SET |MAPMOVE |SETSCTIMER |"
        u"[@OnTimer3]|SETABILITY |H.SETABILITY |INTS |H.INTS |M.INTS |COMPVAL |!COMPVAL |"
        u"[@StdModeFunc7]|[@UserCmd9]|<$STR(|)>|<$INTS|<$H.ABILITIES|G11|g011|A5|P9|S000|5|29|"
        u"599|$C|0x1F|-|(|)|<|>|[|]|$|S|R|C|D|_|.| |  |\t|\r\n|\n\r|\xD800|\xDC00|"
        u"\U0001F600|丰|ı|ß|；|;|%|@|{|}|+|ſ|x.ints |h.setability |check |compval |mapmove |"
        u"$(c1)|(c1)|<a/@b>|1/10 |量|$(量)|#DEFINE $(量) G7 ";
    std::vector<std::u16string> list;
    for (std::size_t start = 0, bar; start <= pieces.size(); start = bar + 1) {
      bar = std::min(pieces.find(u'|', start), pieces.size());
      list.emplace_back(pieces.substr(start, bar - start));
    }
    return list;
  }();
  std::uniform_int_distribution<std::size_t> pick(0, vocabulary.size() - 1);
  std::u16string text;
  for (std::size_t i = 0; i < pieces; ++i) text += vocabulary[pick(random)];
  return text;
}

TEST(RandomScripts, AnalyseWithoutFaultAndFilterChangesNothing) {
  std::mt19937 random(7);
  std::size_t uses = 0;
  std::set<std::string> seen;
  for (int round = 0; round < 100; ++round) {
    for (bool filtered : {true, false}) {
      test::ScriptRun run(filtered);
      run.File(u"D:\\S\\Mir200\\Envir\\MonItems\\m.txt", RandomText(random, 400));
      for (int file = 0; file < 4; ++file)
        run.File(std::u16string{u'F', char16_t(u'0' + file)}, RandomText(random, 400));
      run.File(u"N", RandomText(random, 100) + u'\0' + RandomText(random, 100));  // NUL ends it
      run.Run();  // compares the uses with and without the name filter and line screen
      uses += run.Log.size();
      for (const test::LoggedUse& use : run.Log) seen.insert(use.KeyWord.substr(0, 3));
      for (const TValue& value : run.State.ValueDic) {
        EXPECT_GE(value.ValueID, 1u);
        EXPECT_LE(value.ValueID, 34u);
        EXPECT_FALSE(value.ValuePath.empty());
      }
    }
  }
  // The noise does reach the recognisers: uses of many kinds are recorded.
  EXPECT_GT(uses, 300u);
  EXPECT_GE(seen.size(), 12u);
}

}  // namespace
}  // namespace qorvan
