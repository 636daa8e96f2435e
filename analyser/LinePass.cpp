#include "Plus.h"

namespace qorvan {

void ScanFileLines(const LineContext& ctx, FileId file) {
  (void)ctx;
  (void)file;  // not written yet
}

}  // namespace qorvan
