#include "tests/support/TestInstall.h"

#include <cstdlib>

#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

// The staged install directory as the test process started with it.
const fs::path& Staged() {
  static const fs::path staged = StagedInstallDir();
  return staged;
}

}  // namespace

fs::path MiniPlcDir() {
  return ORVANE_TEST_MINIPLC_DIR;
}

TestInstall::TestInstall(const std::string& name, bool withTestDrivers, bool everyStagedDriver) {
  const fs::path staged = Staged();
  previous_ = staged.string();
  dir_ = MakeTempDir(name) / "install";
  fs::create_directories(dir_ / "dll");
  fs::create_directories(dir_ / "driver");
  fs::copy_file(staged / "libcorvel.so", dir_ / "libcorvel.so");
  fs::copy_file(staged / "dll" / "Brisko.so", dir_ / "dll" / "Brisko.so");
  if (everyStagedDriver) {
    for (const fs::directory_entry& entry : fs::directory_iterator(staged / "dll")) {
      if (entry.path().extension() == ".so" && entry.path().filename() != "Brisko.so") {
        fs::copy_file(entry.path(), dir_ / "dll" / entry.path().filename());
      }
    }
  }
  if (withTestDrivers) {
    fs::copy_file(MiniPlcDir() / "Kestrel.so", dir_ / "dll" / "Kestrel.so");
    fs::copy_file(MiniPlcDir() / "Tandem.so", dir_ / "dll" / "Tandem.so");
  }
  ::setenv("ORVANE_INSTALL_DIR", dir_.c_str(), 1);
}

TestInstall::~TestInstall() {
  ::setenv("ORVANE_INSTALL_DIR", previous_.c_str(), 1);
}

fs::path TestInstall::Plugin(const std::string& name) const {
  return dir_ / "dll" / (name + ".so");
}

}  // namespace orvane::testing
