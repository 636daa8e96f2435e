#include "Dispatcher.h"
#include "LineScreen.h"
#include "LineSplit.h"
#include "Plus.h"
#include "TextHelpers.h"
#include "UpperCase.h"

namespace qorvan {

namespace {

// Analyses one line unless it is empty or, with comments filtered, a comment.
void AnalyseLine(const LineContext& ctx, FileId file, std::u16string_view line, std::int32_t lineNo,
                 std::u16string& upper) {
  // Upper-casing never makes or unmakes one of the skip characters, all ASCII punctuation.
  if (line.empty() || (ctx.Filtered && Contains(LineSkipChars, line[0]))) return;
  try {
    UpperCaseInto(line, upper);
    ParseScriptLine(ctx, file, line, lineNo, upper);
  } catch (...) {
    // A line that fails is abandoned alone; the pass goes on with the next one.
  }
}

}  // namespace

void ScanFileLines(const LineContext& ctx, FileId file) {
  const ScriptFile& script = ctx.Files[file];
  std::u16string upper;
  std::u16string_view line;
  std::int32_t lineNo = 0;
  if (ctx.Screen == nullptr) {
    for (LineCursor lines(script.Text); lines.Next(line);)
      AnalyseLine(ctx, file, line, ++lineNo, upper);
    return;
  }
  bool mayRecord = true;
  for (ScreenedLines lines(*ctx.Screen, script.Text, script.InMonItems);
       lines.Next(line, mayRecord);) {
    ++lineNo;
    if (mayRecord) AnalyseLine(ctx, file, line, lineNo, upper);
  }
}

}  // namespace qorvan
