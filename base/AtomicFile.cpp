#include "base/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#if defined(_WIN32)
#include <fstream>
#include <random>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvane {
namespace {

bool Fail(std::string* error, const std::string& what) {
  if (error != nullptr) {
    *error = what;
  }
  return false;
}

}  // namespace

#if defined(_WIN32)

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error, const FileWriteFunction&) {
  return WriteFileAtomically(path, content, error);
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error) {
  std::error_code code;
  std::filesystem::create_directories(path.parent_path(), code);
  std::random_device random;
  std::filesystem::path temp = path;
  temp += ".tmp" + std::to_string(random());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      out.close();
      std::filesystem::remove(temp, code);
      return Fail(error, "cannot write " + temp.string());
    }
  }
  std::filesystem::rename(temp, path, code);
  if (code) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return Fail(error, "cannot replace " + path.string() + ": " + code.message());
  }
  return true;
}

#else

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error) {
  return WriteFileAtomically(path, content, error,
                             [](int fd, const char* data, size_t size) -> long {
                               return static_cast<long>(::write(fd, data, size));
                             });
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error, const FileWriteFunction& writeSome) {
  const std::filesystem::path folder = path.parent_path();
  std::error_code code;
  if (!folder.empty()) {
    std::filesystem::create_directories(folder, code);
    if (code) {
      return Fail(error, "cannot create " + folder.string() + ": " + code.message());
    }
  }
  // A hidden temporary name in the same folder, so that the rename stays on
  // one file system and is atomic.
  std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) {
    return Fail(error, "cannot create a temporary file beside " + path.string() + ": " +
                           std::strerror(errno));
  }
  const std::string temp(name.data());
  auto abandon = [&](const std::string& what) {
    const std::string reason = what + ": " + std::strerror(errno);
    ::close(fd);
    ::unlink(temp.c_str());
    return Fail(error, reason);
  };

  // Keep the permissions of the file being replaced; a new file is readable
  // by everyone, like any configuration file.
  struct stat existing {};
  const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
  if (::fchmod(fd, mode) != 0) {
    return abandon("cannot set the permissions of " + temp);
  }
  const char* data = content.data();
  size_t left = content.size();
  while (left > 0) {
    const long written = writeSome(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return abandon("cannot write " + temp);
    }
    if (written == 0 || static_cast<size_t>(written) > left) {
      // A write that makes no progress would loop for ever.
      errno = EIO;
      return abandon("cannot write " + temp);
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  if (::fsync(fd) != 0) {
    return abandon("cannot flush " + temp);
  }
  if (::close(fd) != 0) {
    const std::string reason = "cannot close " + temp + ": " + std::strerror(errno);
    ::unlink(temp.c_str());
    return Fail(error, reason);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string reason = "cannot replace " + path.string() + ": " + std::strerror(errno);
    ::unlink(temp.c_str());
    return Fail(error, reason);
  }
  return true;
}

#endif

}  // namespace orvane
