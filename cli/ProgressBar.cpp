#include "ProgressBar.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace qorvan::cli {
namespace {

const char* PhaseLabel(RunPhase phase) {
  switch (phase) {
    case RunPhase::Collecting:
      return "reading  ";
    case RunPhase::Constants:
      return "constants";
    case RunPhase::Lines:
      return "lines    ";
    case RunPhase::Done:
      return "done     ";
  }
  return "";
}

}  // namespace

void ProgressBar::Update(const RunProgress& p) {
  int permille = p.FilesTotal ? static_cast<int>(p.FilesDone * 1000 / p.FilesTotal) : 0;
  if (p.Phase == phase_ && permille == permille_) return;
  phase_ = p.Phase;
  permille_ = permille;
  constexpr int kWidth = 30;
  int filled = permille * kWidth / 1000;
  std::string bar(static_cast<std::size_t>(filled), '#');
  bar.append(static_cast<std::size_t>(kWidth - filled), '.');
  std::fprintf(stderr, "\r%s [%s] %zu/%zu", PhaseLabel(p.Phase), bar.c_str(), p.FilesDone,
               p.FilesTotal);
  std::fflush(stderr);
  drawn_ = true;
}

void ProgressBar::Finish() {
  if (drawn_) std::fputs("\r\033[K", stderr);
  drawn_ = false;
}

bool StderrIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stderr)) != 0;
#else
  return ::isatty(STDERR_FILENO) != 0;
#endif
}

}  // namespace qorvan::cli
