// main() of every GoogleTest executable: points the process at the build's
// staging tree and gives it a temporary folder of its own, unless the caller
// set these already, then runs the tests.
#include <cstdlib>
#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

void Default(const char* name, const std::string& value) {
  ::setenv(name, value.c_str(), 0);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string tmp = ORVANE_TEST_TMP_DIR;
  Default("ORVANE_INSTALL_DIR", ORVANE_TEST_INSTALL_DIR);
  Default("ORVANE_STAGE_BIN", ORVANE_TEST_STAGE_BIN);
  Default("ORVANE_TEST_DATA", ORVANE_TEST_DATA_DIR);
  Default("ORVANE_SOURCE_DIR", ORVANE_TEST_SOURCE_DIR);
  Default("TMPDIR", tmp);
  Default("XDG_CONFIG_HOME", tmp + "/config");
  Default("XDG_DATA_HOME", tmp + "/data");
  Default("XDG_RUNTIME_DIR", tmp + "/run");
  Default("QT_QPA_PLATFORM", "offscreen");
  // Tests write to simulated panels: the stand-in driver images may go.
  Default("ORVANE_STANDIN_IMAGES", "1");
  std::filesystem::create_directories(tmp);
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
