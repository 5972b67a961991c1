#include "link/PortNames.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace orvane {
namespace {

class PortNamesTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (int number = 1; number <= 4; ++number) {
      SetComPortDevice(number, "");
      ::unsetenv(("ORVANE_COM" + std::to_string(number)).c_str());
    }
  }
};

TEST_F(PortNamesTest, ComNamesMapToTheSerialDevices) {
  EXPECT_EQ(ComPortNames(), (std::vector<std::string>{"COM1", "COM2", "COM3", "COM4"}));
  EXPECT_EQ(ResolvePortDevice("COM1"), "/dev/ttyS0");
  EXPECT_EQ(ResolvePortDevice("COM4"), "/dev/ttyS3");
  EXPECT_EQ(ResolvePortDevice("com2"), "/dev/ttyS1");
  // Anything else is a device path.
  for (const char* name : {"COM5", "COM0", "COM10", "COM", "/dev/ttyUSB0", "/dev/pts/7", "ttyS1"}) {
    EXPECT_EQ(ResolvePortDevice(name), name);
  }
}

TEST_F(PortNamesTest, TheEnvironmentAndTheSettingOverride) {
  ::setenv("ORVANE_COM2", "/dev/ttyUSB0", 1);
  EXPECT_EQ(ResolvePortDevice("COM2"), "/dev/ttyUSB0");
  EXPECT_EQ(ComPortNameOfDevice("/dev/ttyUSB0"), "COM2");
  SetComPortDevice(2, "/dev/ttyACM1");
  EXPECT_EQ(ResolvePortDevice("COM2"), "/dev/ttyACM1");
  SetComPortDevice(2, "");
  EXPECT_EQ(ResolvePortDevice("COM2"), "/dev/ttyUSB0");
  SetComPortDevice(5, "/dev/null");  // ignored
  EXPECT_EQ(ResolvePortDevice("COM1"), "/dev/ttyS0");
  EXPECT_EQ(ComPortNameOfDevice("/dev/ttyS3"), "COM4");
  EXPECT_EQ(ComPortNameOfDevice("/dev/ttyS9"), std::nullopt);
}

}  // namespace
}  // namespace orvane
