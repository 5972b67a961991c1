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
bool CheckFolder(const std::filesystem::path& path, std::string* error) {
  std::error_code code;
  const std::filesystem::path folder = path.parent_path();
  const std::filesystem::path shown = folder.empty() ? std::filesystem::path(".") : folder;
  if (std::filesystem::is_directory(shown, code)) {
    return true;
  }
  const std::string what = "cannot write " + path.string() + ": ";
  if (std::filesystem::exists(shown, code)) {
    return Fail(error, what + shown.string() + " is not a folder");
  }
  return Fail(error, what + "the folder " + shown.string() + " does not exist");
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
  if (!CheckFolder(path, error)) {
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

AtomicFileWriter::~AtomicFileWriter() = default;

bool AtomicFileWriter::Fail(const std::string& what, int code) {
  error_ = what + ": " + std::strerror(code);
  Abandon();
  return false;
}

void AtomicFileWriter::Abandon() {
  fd_ = -1;
  pending_.clear();
}

bool AtomicFileWriter::Open(const std::filesystem::path& path, const AtomicWriteCalls&) {
  Abandon();
  error_.clear();
  shownPath_ = path;
  path_ = FinalTarget(path);
  if (!CheckFolder(path_, &error_)) {
    return false;
  }
  fd_ = 0;
  return true;
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  if (fd_ < 0) {
    return false;
  }
  pending_.append(bytes);
  return true;
}

bool AtomicFileWriter::Commit() {
  if (fd_ < 0) {
    if (error_.empty()) {
      error_ = "cannot write " + shownPath_.string() + ": " + std::strerror(EBADF);
    }
    return false;
  }
  const bool written = WriteFileAtomically(path_, pending_, &error_);
  Abandon();
  return written;
}

#else

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error) {
  return WriteFileAtomically(path, content, error, AtomicWriteCalls{});
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error, const AtomicWriteCalls& calls) {
  AtomicFileWriter writer;
  if (writer.Open(path, calls) && writer.Write(content) && writer.Commit()) {
    return true;
  }
  return Fail(error, writer.Error());
}

AtomicFileWriter::~AtomicFileWriter() {
  Abandon();
}

bool AtomicFileWriter::Fail(const std::string& what, int code) {
  error_ = what + ": " + std::strerror(code);
  Abandon();
  return false;
}

void AtomicFileWriter::Abandon() {
  if (fd_ >= 0) {
    ::close(fd_);
    ::unlink(temp_.c_str());
    fd_ = -1;
  }
}

bool AtomicFileWriter::Open(const std::filesystem::path& linkOrPath,
                            const AtomicWriteCalls& calls) {
  Abandon();
  error_.clear();
  shownPath_ = linkOrPath;
  writeSome_ = calls.writeSome ? calls.writeSome : [](int fd, const char* data, size_t size) {
    return static_cast<long>(::write(fd, data, size));
  };
  sync_ = calls.sync ? calls.sync : [](int fd) { return ::fsync(fd); };
  // Through a link the target is replaced and the link stays.
  path_ = FinalTarget(linkOrPath);
  const std::filesystem::path folder = path_.parent_path();
  if (!CheckFolder(path_, &error_)) {
    return false;
  }
  // A folder in the file's place would only be found by the rename, after
  // the whole content was written.
  std::error_code ignored;
  if (std::filesystem::is_directory(path_, ignored)) {
    const std::string where = path_ == linkOrPath
                                  ? linkOrPath.string()
                                  : linkOrPath.string() + " (a link to " + path_.string() + ")";
    error_ = "cannot write " + where + ": " + std::strerror(EISDIR);
    return false;
  }
  // A hidden temporary name in the same folder, so that the rename stays on
  // one file system and is atomic.
  std::string pattern = (folder / ("." + path_.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  fd_ = ::mkstemp(name.data());
  if (fd_ < 0) {
    const int code = errno;
    error_ = "cannot create a temporary file beside " + path_.string() + ": " + std::strerror(code);
    return false;
  }
  temp_ = name.data();
  // Keep the permissions of the file being replaced; a new file is readable
  // by everyone, like any configuration file.
  struct stat existing {};
  const mode_t mode = ::stat(path_.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
  if (::fchmod(fd_, mode) != 0) {
    const int code = errno;
    return Fail("cannot set the permissions of " + temp_, code);
  }
  return true;
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  if (fd_ < 0) {
    return false;
  }
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const long written = writeSome_(fd_, data, left);
    if (written < 0) {
      const int code = errno;
      if (code == EINTR) {
        continue;
      }
      return Fail("cannot write " + path_.string(), code);
    }
    if (written == 0 || static_cast<size_t>(written) > left) {
      // A write that makes no progress would loop for ever.
      return Fail("cannot write " + path_.string(), EIO);
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  return true;
}

bool AtomicFileWriter::Commit() {
  if (fd_ < 0) {
    if (error_.empty()) {
      error_ = "cannot write " + shownPath_.string() + ": " + std::strerror(EBADF);
    }
    return false;
  }
  if (sync_(fd_) != 0) {
    const int code = errno;
    return Fail("cannot write " + path_.string() + " to disk", code);
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    const int code = errno;
    ::unlink(temp_.c_str());
    error_ = "cannot write " + path_.string() + ": " + std::strerror(code);
    return false;
  }
  if (::rename(temp_.c_str(), path_.c_str()) != 0) {
    const int code = errno;
    ::unlink(temp_.c_str());
    error_ = "cannot replace " + path_.string() + ": " + std::strerror(code);
    return false;
  }
  // The rename lives in the folder: flush it too, so that after a crash the
  // name leads to the new content. The file is replaced by now, so a folder
  // that cannot be flushed (some file systems cannot) does not undo that.
  const std::filesystem::path folder = path_.parent_path();
  const std::string folderName = folder.empty() ? std::string(".") : folder.string();
  if (const int folderFd = ::open(folderName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      folderFd >= 0) {
    sync_(folderFd);
    ::close(folderFd);
  }
  return true;
}

#endif

}  // namespace orvane
