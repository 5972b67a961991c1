// The host's driver handle over the real Brisko plug-in and over stand-in
// libraries that lack exports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/StringTable.h"
#include "plchost/CorvelLibrary.h"
#include "plchost/PlcDriver.h"
#include "plchost/TOvPlcManager2.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

std::string BriskoPath() {
  return (StagedInstallDir() / "dll" / "Brisko.so").string();
}
std::string TestDriverPath(int variant) {
  return std::string(ORVANE_TEST_DRIVER_DIR) + "/TestDriver" + std::to_string(variant) + ".so";
}

// Brisko behind the host's handle, its messages routed to a scripted UI.
class BriskoDriver : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(corvel_.Open()) << corvel_.Error();
    ASSERT_TRUE(corvel_.InstallMessageSink(ui_));
    ASSERT_TRUE(manager_.IsLoaded()) << manager_.LoadError();
  }
  PlcDriver& Driver() { return manager_.Driver(); }

  ScriptedUserInterface ui_;
  CorvelLibrary corvel_;
  TOvPlcManager2 manager_{BriskoPath(), &ui_};
};

TEST_F(BriskoDriver, AttachingSwitchesToApplicationTypeTwo) {
  EXPECT_EQ(Driver().DriverName(), "Allen-Bradley SLC 500/MicroLogix DF1(Half Duplex) - Rev C");
  EXPECT_STREQ(Driver().DriverDetails().helpFile, "QuenbyX.hlp");
  DriverAddress address;
  EXPECT_FALSE(Driver().ValidateSyntax(address, "F8:0", 1, 0));
  EXPECT_EQ(ui_.MessageTexts(),
            std::vector<std::string>{"Orvane does not support floating point address types"});
  EXPECT_TRUE(Driver().TellApplicationType(0));
  EXPECT_STREQ(Driver().DriverDetails().helpFile, "Quenby.hlp");
  EXPECT_TRUE(Driver().ValidateSyntax(address, "F8:0", 1, 0));
}

TEST_F(BriskoDriver, HostChecksRefuseBitsAndUnsuitableAccess) {
  struct Case {
    const char* text;
    int wantedAccess;
    const char* message;  // nullptr: accepted
    Icon icon;
  };
  const char* z007 = LoadString(strings::kZ007);
  const char* t002 = LoadString(strings::kT002);
  const Case cases[] = {
      {"N7:0", 0, nullptr, Icon::None},
      {"N7:0", 1, nullptr, Icon::None},
      {"N7:0", 2, nullptr, Icon::None},
      {"T4:0.ACC", 0, nullptr, Icon::None},
      {"S:1", 1, nullptr, Icon::None},
      {"S:1", 0, t002, Icon::Stop},
      {"S:1", 2, t002, Icon::Stop},
      {"S:1", 7, t002, Icon::Stop},
      {"N7:0/3", 1, z007, Icon::Stop},
      // A read-only flag is refused as a bit first.
      {"T4:0.DN", 0, z007, Icon::Stop},
      {"N8:0", 0, "Error T02_3:  Invalid Address (Invalid file number)", Icon::Exclamation},
  };
  for (const Case& c : cases) {
    ui_.Clear();
    DriverAddress address;
    address.type = 99;
    const bool valid = Driver().ValidateAddress(address, c.text, c.wantedAccess, 1);
    EXPECT_EQ(valid, c.message == nullptr) << c.text << " access " << c.wantedAccess;
    if (valid) {
      EXPECT_EQ(address.mapLength, 7);
      EXPECT_TRUE(ui_.Calls().empty());
    } else {
      EXPECT_EQ(address.type, 99) << "a refused address keeps what it had";
      ASSERT_EQ(ui_.Calls().size(), 1u) << c.text;
      EXPECT_EQ(ui_.Calls()[0].text, c.message);
      EXPECT_EQ(ui_.Calls()[0].icon, c.icon);
    }
  }
}

TEST_F(BriskoDriver, CopiesTheMapStringAndRebuildsTheText) {
  DriverAddress address;
  ASSERT_TRUE(Driver().ValidateSyntax(address, "3-n7:10/15", 0, 0));
  EXPECT_EQ(address.MapText(), "03 07 00 07 00 0A 0F");
  EXPECT_EQ(address.isBit, 1);
  EXPECT_EQ(address.fileNumber, 7);
  EXPECT_EQ(address.wordNumber, 10);
  EXPECT_EQ(Driver().AddressText(address), "3-N7:10/15");

  DriverAddress refused = address;
  refused.map[1] = 9;
  EXPECT_EQ(Driver().AddressText(refused), "");
  EXPECT_EQ(ui_.MessageTexts(),
            std::vector<std::string>{"Error T02_3:  Invalid Address (Invalid file type)"});
}

TEST_F(BriskoDriver, OrdersThroughTheDriver) {
  DriverAddress n70, n71, b3;
  ASSERT_TRUE(Driver().ValidateSyntax(n70, "N7:0", 0, 0));
  ASSERT_TRUE(Driver().ValidateSyntax(n71, "N7:1", 0, 0));
  ASSERT_TRUE(Driver().ValidateSyntax(b3, "B3:0/4", 0, 0));
  EXPECT_EQ(Driver().CompareAddresses(n70, n71), -1);
  EXPECT_EQ(Driver().CompareAddresses(n71, n70), 1);
  EXPECT_EQ(Driver().CompareAddresses(n70, n70), 0);
  EXPECT_EQ(Driver().CompareAddresses(b3, n70), -1);
}

TEST_F(BriskoDriver, AttributesWithoutADesktop) {
  const auto path = (MakeTempDir("plcdriver") / "temp.atr").string();
  ASSERT_TRUE(Driver().CreateDefaultAttributes(path));
  const std::vector<unsigned char> defaults = ReadBytes(path);
  ASSERT_EQ(defaults.size(), 47u);
  WriteBytes(path, {9, 9, 9});
  EXPECT_TRUE(Driver().EditAttributes(path));
  EXPECT_EQ(ReadBytes(path), defaults);
  ASSERT_EQ(ui_.Calls().size(), 1u);
  EXPECT_EQ(ui_.Calls()[0].icon, Icon::Information);
  EXPECT_FALSE(Driver().CreateDefaultAttributes(""));
  EXPECT_EQ(ui_.Calls().back().text, "Error M03_7:  Unable to save PLC attributes file (*.atr).");
  EXPECT_EQ(ui_.Calls().back().icon, Icon::Exclamation);
}

TEST(PlcDriverMissingExports, GiveTheirMessagesAndNeutralResults) {
  ScriptedUserInterface ui;
  TOvPlcManager2 manager(TestDriverPath(1), &ui);
  ASSERT_TRUE(manager.IsLoaded()) << manager.LoadError();
  PlcDriver& driver = manager.Driver();
  EXPECT_EQ(driver.DriverName(), "Test driver");
  EXPECT_TRUE(ui.Calls().empty()) << "attaching shows nothing, even without SetApplicationType";

  DriverAddress address;
  EXPECT_FALSE(driver.ValidateAddress(address, "anything", 0, 0));
  EXPECT_EQ(driver.CompareAddresses(address, address), 0);
  EXPECT_FALSE(driver.TellApplicationType(1));
  EXPECT_EQ(ui.MessageTexts(),
            (std::vector<std::string>{LoadString(strings::kP001), LoadString(strings::kP008),
                                      LoadString(strings::kP009)}));
  ui.Clear();
  EXPECT_EQ(driver.AddressText(address), "");
  EXPECT_FALSE(driver.CreateDefaultAttributes("x.atr"));
  EXPECT_FALSE(driver.EditAttributes("x.atr"));
  EXPECT_TRUE(ui.Calls().empty());
}

TEST(PlcDriverMissingExports, AMapLongerThanAPanelTakesIsRefused) {
  ScriptedUserInterface ui;
  TOvPlcManager2 manager(TestDriverPath(2), &ui);
  ASSERT_TRUE(manager.IsLoaded()) << manager.LoadError();
  DriverAddress address;
  EXPECT_FALSE(manager.Driver().ValidateSyntax(address, "word", 0, 0));
  EXPECT_EQ(address.mapLength, 0);
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{LoadString(strings::kP001)});
}

TEST(PlcDriverMissingExports, CopiesOnlyTheMapLengthAndKeepsForeignBuffers) {
  ScriptedUserInterface ui;
  TOvPlcManager2 manager(TestDriverPath(3), &ui);
  ASSERT_TRUE(manager.IsLoaded()) << manager.LoadError();
  PlcDriver& driver = manager.Driver();
  // A second reference to the same library, to read what the driver saw.
  SharedLibrary same;
  ASSERT_TRUE(same.Open(TestDriverPath(3)));
  const auto* seenDataType = same.Function<const int32_t*>("LastDataType");
  const auto* launches = same.Function<const int32_t*>("LaunchCount");
  ASSERT_NE(seenDataType, nullptr);

  DriverAddress address;
  address.map.fill(0x55);
  address.fileNumber = 1234;
  ASSERT_TRUE(driver.ValidateSyntax(address, "word", 0, 0));
  EXPECT_EQ(address.MapText(), "A1 A2 A3 A4 A5");
  EXPECT_EQ(address.map[5], 0) << "nothing of the old map is left behind";
  EXPECT_EQ(address.fileNumber, 1234) << "fields the driver does not fill are kept";

  // Tag data types reach the driver as its data type codes.
  const int codes[] = {8, 5, 9, 6};
  for (int tagType = 0; tagType < 4; ++tagType) {
    ASSERT_TRUE(driver.ValidateAddress(address, "word", 1, tagType));
    EXPECT_EQ(*seenDataType, codes[tagType]);
  }
  EXPECT_EQ(DriverDataTypeCode(7), 7);

  EXPECT_FALSE(driver.ValidateAddress(address, "bit", 1, 0));
  EXPECT_FALSE(driver.ValidateAddress(address, "ro", 0, 0));
  EXPECT_TRUE(driver.ValidateAddress(address, "ro", 1, 0));

  EXPECT_TRUE(driver.EditAttributes("x.atr"));
  EXPECT_EQ(*launches, 1) << "LaunchObject stands in for LaunchObjectOrvane";
}

TEST(TOvPlcManager2, ALibraryThatDoesNotLoadLeavesNoDriver) {
  TOvPlcManager2 manager("/nonexistent/Driver.so");
  EXPECT_FALSE(manager.IsLoaded());
  EXPECT_FALSE(manager.LoadError().empty());
  EXPECT_FALSE(manager.Driver().IsAttached());
  EXPECT_EQ(manager.Driver().DriverName(), "");
  EXPECT_EQ(manager.Driver().DriverDetails().mapLength, 0);
}

}  // namespace
}  // namespace orvane::testing
