// A one-line progress bar on standard error, redrawn in place.
#pragma once

#include "SearchRun.h"

namespace qorvan::cli {

class ProgressBar {
 public:
  // Draws `p` when it moved the bar by a visible step.
  void Update(const RunProgress& p);
  // Clears the line.
  void Finish();

 private:
  RunPhase phase_ = RunPhase::Done;
  int permille_ = -1;
  bool drawn_ = false;
};

// True when standard error is a terminal.
bool StderrIsTerminal();

}  // namespace qorvan::cli
