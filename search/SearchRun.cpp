#include "SearchRun.h"

namespace qorvan {

RunOutcome RunSearch(const RunRequest&) {
  return {};
}
std::u16string NormalizeDir(std::u16string_view) {
  return {};
}
std::int64_t MillisecondStamp(std::chrono::system_clock::time_point) {
  return 0;
}
std::int64_t SteadyMilliseconds() {
  return 0;
}

}  // namespace qorvan
