#include "ProgressRelay.h"

namespace qorvan::ui {

void ProgressRelay::report(const qorvan::RunProgress& progress) {
  {
    std::lock_guard lock(mutex_);
    latest_.Phase = progress.Phase;
    latest_.FilesDone = static_cast<int>(progress.FilesDone);
    latest_.FilesTotal = static_cast<int>(progress.FilesTotal);
    latest_.CurrentFile = QString::fromUtf16(progress.CurrentFile.data(),
                                             static_cast<qsizetype>(progress.CurrentFile.size()));
  }
  if (!pending_.exchange(true)) emit progressed();
}

ProgressSnapshot ProgressRelay::take() {
  pending_.store(false);
  std::lock_guard lock(mutex_);
  return latest_;
}

}  // namespace qorvan::ui
