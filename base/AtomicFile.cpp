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

// The file a path names in the end: a symbolic link (or a chain of them) is
// followed to its target, which need not exist yet.
std::filesystem::path FinalTarget(const std::filesystem::path& path) {
  constexpr int kMaxLinks = 40;  // as the platform allows, so a loop ends
  std::filesystem::path current = path;
  std::error_code code;
  for (int link = 0; link < kMaxLinks && std::filesystem::is_symlink(current, code); ++link) {
    const std::filesystem::path target = std::filesystem::read_symlink(current, code);
    if (code) {
      break;
    }
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return current;
}

// The folder the file goes into must be there: an output path with a typing
// error is refused rather than creating folders nobody asked for.
bool CheckFolder(const std::filesystem::path& folder, std::string* error) {
  std::error_code code;
  const std::filesystem::path shown = folder.empty() ? std::filesystem::path(".") : folder;
  if (std::filesystem::is_directory(shown, code)) {
    return true;
  }
  if (std::filesystem::exists(shown, code)) {
    return Fail(error, shown.string() + " is not a folder");
  }
  return Fail(error, "the folder " + shown.string() + " does not exist");
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error, const FileWriteFunction& writeSome) {
  return WriteFileAtomically(path, content, error, AtomicWriteCalls{writeSome, nullptr});
}

#if defined(_WIN32)

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error, const AtomicWriteCalls&) {
  return WriteFileAtomically(path, content, error);
}

bool WriteFileAtomically(const std::filesystem::path& linkOrPath, std::string_view content,
                         std::string* error) {
  const std::filesystem::path path = FinalTarget(linkOrPath);
  if (!CheckFolder(path.parent_path(), error)) {
    return false;
  }
  std::error_code code;
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
  return WriteFileAtomically(path, content, error, AtomicWriteCalls{});
}

bool WriteFileAtomically(const std::filesystem::path& linkOrPath, std::string_view content,
                         std::string* error, const AtomicWriteCalls& calls) {
  const FileWriteFunction writeSome =
      calls.writeSome ? calls.writeSome : [](int fd, const char* data, size_t size) -> long {
    return static_cast<long>(::write(fd, data, size));
  };
  const FileSyncFunction sync = calls.sync ? calls.sync : [](int fd) { return ::fsync(fd); };
  // Through a link the target is replaced and the link stays.
  const std::filesystem::path path = FinalTarget(linkOrPath);
  const std::filesystem::path folder = path.parent_path();
  if (!CheckFolder(folder, error)) {
    return false;
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
  if (sync(fd) != 0) {
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
  // The rename lives in the folder: flush it too, so that after a crash the
  // name leads to the new content. The file is replaced by now, so a folder
  // that cannot be flushed (some file systems cannot) does not undo that.
  const std::string folderName = folder.empty() ? std::string(".") : folder.string();
  if (const int folderFd = ::open(folderName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      folderFd >= 0) {
    sync(folderFd);
    ::close(folderFd);
  }
  return true;
}

#endif

}  // namespace orvane
