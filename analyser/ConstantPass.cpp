#include "Plus.h"

namespace qorvan {

void CollectDefines(RunState& state, FileId file) {
  (void)state;
  (void)file;  // not written yet
}

}  // namespace qorvan
