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

bool ReadFileBytes(const std::filesystem::path::string_type& native, std::string& buffer,
                   std::string_view& bytes) {
  const std::filesystem::path file(native);
  std::ifstream in(file, std::ios::binary);
  std::error_code ec;
  std::uintmax_t size = std::filesystem::file_size(file, ec);
  if (!in || ec) return false;
  if (buffer.size() < size) buffer.resize(static_cast<std::size_t>(size));
  in.read(buffer.data(), static_cast<std::streamsize>(size));
  bytes = std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount()));
  return !in.bad();
}

bool FileExists(const std::filesystem::path::string_type& file) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::path(file), ec);
}

#else

bool ReadFileBytes(const std::filesystem::path::string_type& file, std::string& buffer,
                   std::string_view& bytes) {
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0;
  const std::size_t size = ok ? static_cast<std::size_t>(info.st_size) : 0;
  if (buffer.size() < size) buffer.resize(size);
  std::size_t filled = 0;
  // A file that shrinks meanwhile is read to its end; one that grows, to its size at opening.
  while (ok && filled < size) {
    ssize_t n = ::read(fd, buffer.data() + filled, size - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    filled += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes = std::string_view(buffer.data(), filled);
  return ok;
}

bool FileExists(const std::filesystem::path::string_type& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0;
}

#endif

}  // namespace qorvan
