#include "plchost/TempAttributeFile.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#if defined(_WIN32)
#include <random>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvane {
namespace {

constexpr const char* kFileName = "temp.atr";

#if defined(_WIN32)

std::filesystem::path MakePrivateFolder() {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) {
    return {};
  }
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::filesystem::path folder = base / ("orvane-atr-" + std::to_string(random()));
    if (std::filesystem::create_directory(folder, error)) {
      return folder;
    }
  }
  return {};
}

#else

// A folder under base that only this user can enter, or nothing.
std::filesystem::path MakeFolderUnder(const std::filesystem::path& base) {
  if (base.empty() || !base.is_absolute()) {
    return {};
  }
  std::string pattern = (base / "orvane-atr-XXXXXX").string();
  // mkdtemp creates the folder with mode 0700 and a name nobody could
  // have prepared.
  if (::mkdtemp(pattern.data()) == nullptr) {
    return {};
  }
  return pattern;
}

std::filesystem::path MakePrivateFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
    if (std::filesystem::path folder = MakeFolderUnder(runtime); !folder.empty()) {
      return folder;
    }
  }
  std::error_code error;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
  if (error) {
    return MakeFolderUnder("/tmp");
  }
  return MakeFolderUnder(temp);
}

#endif

}  // namespace

TempAttributeFile::TempAttributeFile() : folder_(MakePrivateFolder()) {
  if (!folder_.empty()) {
    path_ = folder_ / kFileName;
  }
}

TempAttributeFile::~TempAttributeFile() {
  if (!folder_.empty()) {
    std::error_code ignored;
    // A driver may have left more than the one file behind.
    std::filesystem::remove_all(folder_, ignored);
  }
}

bool TempAttributeFile::Write(const std::vector<unsigned char>& bytes) const {
  if (!IsReady()) {
    return false;
  }
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return static_cast<bool>(out);
}

std::optional<std::vector<unsigned char>> TempAttributeFile::Read() const {
  if (!IsReady()) {
    return std::nullopt;
  }
  std::error_code error;
  if (!std::filesystem::is_regular_file(path_, error)) {
    return std::nullopt;
  }
  std::ifstream in(path_, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  if (in.bad()) {
    return std::nullopt;
  }
  return bytes;
}

void TempAttributeFile::Remove() const {
  if (IsReady()) {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
}

}  // namespace orvane
