#include "FileBytes.h"

#include <cerrno>

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qorvan {

#ifdef _WIN32

bool ReadFileBytes(const std::filesystem::path& file, std::string& bytes) {
  std::ifstream in(file, std::ios::binary);
  std::error_code ec;
  std::uintmax_t size = std::filesystem::file_size(file, ec);
  if (!in || ec) return false;
  bytes.resize(static_cast<std::size_t>(size));
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return !in.bad();
}

#else

bool ReadFileBytes(const std::filesystem::path& file, std::string& bytes) {
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0;
  bytes.resize(ok ? static_cast<std::size_t>(info.st_size) : 0);
  std::size_t filled = 0;
  // A file that shrinks meanwhile is read to its end; one that grows, to its size at opening.
  while (ok && filled < bytes.size()) {
    ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    filled += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(filled);
  return ok;
}

#endif

}  // namespace qorvan
