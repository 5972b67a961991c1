// Which folder a write takes a panel-side driver image from: the panel
// maker's driver/ folder, and the stand-in folder only while stand-ins are
// in use (the simulated panel).
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "base/InstallDir.h"
#include "tests/support/TestPaths.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

TEST(DriverImagePath, StandInsOnlyForTheSimulatedPanel) {
  const fs::path dir = testing::MakeTempDir("driver-image-path");
  const fs::path install = dir / "lib" / "orvane";
  fs::create_directories(install / "driver");
  fs::create_directories(dir / "share" / "orvane" / "standin");
  testing::WriteText(install / "driver" / "Real.plx", "x");
  testing::WriteText(dir / "share" / "orvane" / "standin" / "Real.plx", "x");
  testing::WriteText(dir / "share" / "orvane" / "standin" / "StandIn.plx", "x");

  const std::string previousInstall = std::getenv("ORVANE_INSTALL_DIR");
  const bool previousInUse = StandInImagesInUse();
  ::setenv("ORVANE_INSTALL_DIR", install.c_str(), 1);
  EXPECT_EQ(StandInImageDir(), dir / "share" / "orvane" / "standin");

  struct Case {
    bool inUse;
    const char* file;
    fs::path expected;
  };
  const Case cases[] = {
      {false, "Real.plx", install / "driver" / "Real.plx"},
      {false, "StandIn.plx", install / "driver" / "StandIn.plx"},  // refused as missing
      {true, "Real.plx", install / "driver" / "Real.plx"},         // the maker's image wins
      {true, "StandIn.plx", dir / "share" / "orvane" / "standin" / "StandIn.plx"},
      {true, "None.plx", install / "driver" / "None.plx"},  // the error names driver/
  };
  for (const Case& test : cases) {
    SetStandInImagesInUse(test.inUse);
    EXPECT_EQ(DriverImagePath(test.file), test.expected) << test.file << " " << test.inUse;
  }
  SetStandInImagesInUse(previousInUse);
  ::setenv("ORVANE_INSTALL_DIR", previousInstall.c_str(), 1);
}

}  // namespace
}  // namespace orvane
