// An install directory of its own for a test: Corvel, the real SLC 500
// driver and the test-only drivers Kestrel (1:9) and Tandem (34:1).
#pragma once

#include <filesystem>
#include <string>

namespace orvane::testing {

/// The folder the test-only driver modules are built in.
std::filesystem::path MiniPlcDir();

/// Makes install/ with libcorvel.so, dll/Brisko.so, dll/Kestrel.so and
/// dll/Tandem.so (only Brisko when withTestDrivers is false; every staged
/// driver besides with everyStagedDriver) and an empty driver/ folder, and
/// points ORVANE_INSTALL_DIR at it while the object lives.
class TestInstall {
 public:
  explicit TestInstall(const std::string& name, bool withTestDrivers = true,
                       bool everyStagedDriver = false);
  ~TestInstall();
  TestInstall(const TestInstall&) = delete;
  TestInstall& operator=(const TestInstall&) = delete;

  const std::filesystem::path& Dir() const { return dir_; }
  /// dll/<name>.so
  std::filesystem::path Plugin(const std::string& name) const;

 private:
  std::filesystem::path dir_;
  std::string previous_;
};

}  // namespace orvane::testing
