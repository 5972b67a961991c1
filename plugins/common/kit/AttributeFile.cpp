#include "plugins/common/kit/AttributeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace orvane::plugin {

std::vector<unsigned char> AttributeFileHeader(const DriverIdentity& identity, size_t bodyLength) {
  std::vector<unsigned char> header(kAttributeBodyOffset, 0);
  header[0] = identity.manufacturerCode;
  header[1] = identity.modelCode;
  // The count covers itself (two bytes) and the driver's part.
  const size_t count = bodyLength + 2;
  header[32] = static_cast<unsigned char>(count & 0xFF);
  header[33] = static_cast<unsigned char>((count >> 8) & 0xFF);
  return header;
}

bool AttributeFileExists(const std::string& path) {
  // A folder opens for reading on some platforms but holds no attributes.
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(path, error)) {
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  return in.is_open();
}

bool AttributeFileMatches(const std::string& path, const DriverIdentity& identity) {
  if (!AttributeFileExists(path)) {
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  char identityBytes[3] = {};
  in.read(identityBytes, sizeof identityBytes);
  if (in.gcount() < 2) {
    return false;
  }
  return static_cast<unsigned char>(identityBytes[0]) == identity.manufacturerCode &&
         static_cast<unsigned char>(identityBytes[1]) == identity.modelCode;
}

bool WriteAttributeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  if (path.empty()) {
    return false;
  }
  // The new file is written beside the old one and renamed over it, so that
  // a write that fails half-way (a full disk) leaves the old file whole:
  // the host reads the file back and must never take half a file.
  std::string name = path + ".XXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd < 0) {
    return false;
  }
  const auto* data = reinterpret_cast<const char*>(bytes.data());
  size_t left = bytes.size();
  bool written = ::fchmod(fd, 0644) == 0;
  while (written && left > 0) {
    const ssize_t count = ::write(fd, data, left);
    if (count < 0 && errno == EINTR) {
      continue;
    }
    written = count > 0;
    if (written) {
      data += count;
      left -= static_cast<size_t>(count);
    }
  }
  written = written && ::fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  if (!written || ::rename(name.c_str(), path.c_str()) != 0) {
    ::unlink(name.c_str());
    return false;
  }
  return true;
}

AttributeFileRead ReadAttributeFile(const std::string& path, std::vector<unsigned char>& bytes) {
  if (!AttributeFileExists(path)) {
    return AttributeFileRead::Missing;
  }
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> content((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
  if (in.bad()) {
    return AttributeFileRead::Unreadable;
  }
  bytes = std::move(content);
  return AttributeFileRead::Read;
}

bool CreateDefaultAttributeFile(CCorvel& corvel, const DriverDefinition& driver,
                                const std::string& path) {
  if (path.empty()) {
    corvel.OvAfxMessageBox("Error M03_7:  Unable to save PLC attributes file (*.atr).",
                           CORVEL_MB_ICON_EXCLAMATION, 0);
    return false;
  }
  return WriteAttributeFile(path, driver.defaultAttributeFile(corvel));
}

}  // namespace orvane::plugin
