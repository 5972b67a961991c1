// The driver catalogue over an install directory made for the test: two
// copies of the real driver, a stand-in driver, and files that are no
// drivers at all.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "plchost/DriverCatalog.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

class DriverCatalogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    install_ = MakeTempDir("catalog");
    dll_ = install_ / "dll";
    fs::create_directories(dll_);
    const fs::path staged = StagedInstallDir();
    fs::copy_file(staged / "libcorvel.so", install_ / "libcorvel.so");
    fs::copy_file(staged / "dll" / "Brisko.so", dll_ / "Zeta.so");
    fs::copy_file(staged / "dll" / "Brisko.so", dll_ / "Alpha.so");
    fs::copy_file(std::string(ORVANE_TEST_DRIVER_DIR) + "/TestDriver1.so", dll_ / "Mid.so");
    // A library without a name, one that does not load, and things that are
    // not libraries.
    fs::copy_file(staged / "libverlin.so", dll_ / "Beta.so");
    WriteText(dll_ / "Broken.so", "not a library");
    fs::create_directories(dll_ / "Folder.so");
    fs::copy_file(staged / "dll" / "Brisko.so", dll_ / "Brisko.so.bak");
    previous_ = std::getenv("ORVANE_INSTALL_DIR");
    setenv("ORVANE_INSTALL_DIR", install_.c_str(), 1);
  }
  void TearDown() override { setenv("ORVANE_INSTALL_DIR", previous_.c_str(), 1); }

  fs::path install_;
  fs::path dll_;
  std::string previous_;
};

TEST_F(DriverCatalogTest, ListsNamedDriversInFileNameOrder) {
  DriverCatalog catalog;
  catalog.ScanDrivers();
  catalog.ScanDrivers();
  const std::vector<DriverEntry>& entries = catalog.Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].path, (dll_ / "Alpha.so").string());
  EXPECT_EQ(entries[1].path, (dll_ / "Mid.so").string());
  EXPECT_EQ(entries[2].path, (dll_ / "Zeta.so").string());
  EXPECT_EQ(entries[0].name, "Allen-Bradley SLC 500/MicroLogix DF1(Half Duplex) - Rev C");
  EXPECT_EQ(entries[0].manufacturerCode, 1);
  EXPECT_EQ(entries[0].modelCode, 4);
  EXPECT_EQ(entries[0].mapLength, 7);
  EXPECT_EQ(entries[0].driverImage, "BriskoPanel");
  EXPECT_EQ(entries[1].name, "Test driver");
  EXPECT_EQ(entries[1].manufacturerCode, 200);
}

TEST_F(DriverCatalogTest, TheLaterListingWinsTheCodes) {
  DriverCatalog catalog;
  catalog.ScanDrivers();
  catalog.WaitForCatalog();
  catalog.WaitForCatalog();
  EXPECT_EQ(catalog.LookupDriver(1, 4).path, (dll_ / "Zeta.so").string());
  EXPECT_EQ(catalog.LookupDriver(200, 1).path, (dll_ / "Mid.so").string());
  EXPECT_TRUE(catalog.LookupDriver(1, 9).IsEmpty());
  EXPECT_TRUE(catalog.LookupDriver(4, 1).IsEmpty()) << "the key is manufacturer + 256 x model";
  // A fresh look-up by codes takes the first file instead.
  EXPECT_EQ(DriverCatalog::FindDriverFile(1, 4).path, (dll_ / "Alpha.so").string());
  EXPECT_TRUE(DriverCatalog::FindDriverFile(0, 0).IsEmpty());
}

TEST_F(DriverCatalogTest, AnUnscannedOrMissingFolderIsEmpty) {
  DriverCatalog unscanned;
  EXPECT_TRUE(unscanned.Entries().empty());
  DriverCatalog missing(install_ / "nowhere");
  missing.ScanDrivers();
  EXPECT_TRUE(missing.Entries().empty());
  EXPECT_EQ(DriverKey(1, 4), 1 + 256 * 4);
}

}  // namespace
}  // namespace orvane::testing
