#include "Dispatcher.h"
#include "LineSplit.h"
#include "Plus.h"
#include "TextHelpers.h"
#include "UpperCase.h"

namespace qorvan {

void ScanFileLines(const LineContext& ctx, FileId file) {
  LineCursor lines(ctx.Files[file].Text);
  std::u16string upper;
  std::u16string_view line;
  std::int32_t lineNo = 0;
  while (lines.Next(line)) {
    ++lineNo;
    try {
      UpperCaseInto(line, upper);
      if (upper.empty()) continue;
      if (ctx.Filtered && Contains(LineSkipChars, upper[0])) continue;
      ParseScriptLine(ctx, file, line, lineNo, upper);
    } catch (...) {
      // A line that fails is abandoned alone; the pass goes on with the next one.
    }
  }
}

}  // namespace qorvan
