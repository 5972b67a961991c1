#include "base/PrivateFolder.h"

#include <cstdlib>
#include <system_error>

#if defined(_WIN32)
#include <random>
#else
#include <unistd.h>
#endif

namespace orvane {

#if defined(_WIN32)

std::filesystem::path MakePrivateFolder(const std::string& prefix) {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) {
    return {};
  }
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::filesystem::path folder = base / (prefix + std::to_string(random()));
    if (std::filesystem::create_directory(folder, error)) {
      return folder;
    }
  }
  return {};
}

#else

namespace {

// A folder under base that only this user can enter, or nothing.
std::filesystem::path MakeFolderUnder(const std::filesystem::path& base,
                                      const std::string& prefix) {
  if (base.empty() || !base.is_absolute()) {
    return {};
  }
  std::string pattern = (base / (prefix + "XXXXXX")).string();
  // mkdtemp creates the folder with mode 0700 and a name nobody could
  // have prepared.
  if (::mkdtemp(pattern.data()) == nullptr) {
    return {};
  }
  return pattern;
}

}  // namespace

std::filesystem::path MakePrivateFolder(const std::string& prefix) {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
    if (std::filesystem::path folder = MakeFolderUnder(runtime, prefix); !folder.empty()) {
      return folder;
    }
  }
  std::error_code error;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
  if (error) {
    return MakeFolderUnder("/tmp", prefix);
  }
  return MakeFolderUnder(temp, prefix);
}

#endif

}  // namespace orvane
