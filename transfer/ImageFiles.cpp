#include "transfer/ImageFiles.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace orvane {
namespace {

constexpr size_t kMaxErrorText = 1024;

}  // namespace

bool OpenImageFile(const std::string& path, std::ifstream& file, std::string& error) {
  // A folder opens as a stream on this platform but reads nothing; it is
  // refused the way the platform refuses to open it as a file.
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    error = std::generic_category().message(EISDIR);
  } else {
    errno = 0;
    file.open(path);
    if (file.is_open()) {
      return true;
    }
    error = std::generic_category().message(errno != 0 ? errno : ENOENT);
  }
  if (error.size() > kMaxErrorText) {
    error.resize(kMaxErrorText);
  }
  return false;
}

}  // namespace orvane
