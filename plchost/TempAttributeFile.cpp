#include "plchost/TempAttributeFile.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "base/AtomicFile.h"
#include "base/PrivateFolder.h"

namespace orvane {
namespace {

constexpr const char* kFileName = "temp.atr";

}  // namespace

TempAttributeFile::TempAttributeFile() : folder_(MakePrivateFolder("orvane-atr-")) {
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
  // Replaced whole, so that a driver never reads half of it after a write
  // that failed part-way.
  return WriteFileAtomically(
      path_, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
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
