// Carries a run's progress from the worker thread to the window without flooding its queue.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <mutex>

#include "SearchRun.h"

namespace qorvan::ui {

// The latest progress of a run, as the status bar shows it.
struct ProgressSnapshot {
  qorvan::RunPhase Phase = qorvan::RunPhase::Collecting;
  int FilesDone = 0;
  int FilesTotal = 0;
  QString CurrentFile;
};

class ProgressRelay final : public QObject {
  Q_OBJECT

 public:
  // Any thread: keeps `progress` as the latest and signals unless a signal is still pending.
  void report(const qorvan::RunProgress& progress);
  // Receiving thread: the latest progress; the next report signals again.
  ProgressSnapshot take();

 signals:
  void progressed();

 private:
  std::mutex mutex_;
  ProgressSnapshot latest_;
  std::atomic<bool> pending_{false};
};

}  // namespace qorvan::ui
