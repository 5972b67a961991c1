#include "tests/support/TestPaths.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

namespace orvane::testing {
namespace {

std::filesystem::path FromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') {
    throw std::runtime_error(std::string("test environment variable not set: ") + name);
  }
  return value;
}

}  // namespace

std::filesystem::path StagedInstallDir() {
  return FromEnvironment("ORVANE_INSTALL_DIR");
}
std::filesystem::path StagedStandInDir() {
  return ORVANE_TEST_STANDIN_DIR;
}
std::filesystem::path StagedBinDir() {
  return FromEnvironment("ORVANE_STAGE_BIN");
}
std::filesystem::path TestDataDir() {
  return FromEnvironment("ORVANE_TEST_DATA");
}

std::filesystem::path MakeTempDir(const std::string& name) {
  static std::atomic<int> counter{0};
  std::filesystem::path base = std::filesystem::temp_directory_path();
  std::filesystem::path dir =
      base / (name + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw std::runtime_error("cannot read " + path.string());
  }
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

std::string ReadText(const std::filesystem::path& path) {
  const auto bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  WriteBytes(path, std::vector<unsigned char>(text.begin(), text.end()));
}

}  // namespace orvane::testing
