#include "Dispatcher.h"
#include "LineScreen.h"
#include "LineSplit.h"
#include "Plus.h"
#include "TextHelpers.h"
#include "UpperCase.h"

namespace qorvan {

void ScanFileLines(const LineContext& ctx, FileId file) {
  LineCursor lines(ctx.Files[file].Text);
  const LineScreen* screen = ctx.Screen;
  const bool inMonItems = ctx.Files[file].InMonItems;
  std::u16string upper;
  std::u16string_view line;
  std::int32_t lineNo = 0;
  while (lines.Next(line)) {
    ++lineNo;
    // Upper-casing never makes or unmakes one of the skip characters, all ASCII punctuation.
    if (line.empty() || (ctx.Filtered && Contains(LineSkipChars, line[0]))) continue;
    try {
      if (screen != nullptr &&
          !(inMonItems ? screen->MonItemsLineMayRecord(line) : screen->MayRecord(line)))
        continue;
      UpperCaseInto(line, upper);
      ParseScriptLine(ctx, file, line, lineNo, upper);
    } catch (...) {
      // A line that fails is abandoned alone; the pass goes on with the next one.
    }
  }
}

}  // namespace qorvan
