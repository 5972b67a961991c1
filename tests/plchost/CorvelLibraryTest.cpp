// Corvel as the host opens it: the conversion rule and the message sink.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/StringTable.h"
#include "plchost/CorvelLibrary.h"
#include "plchost/TOvPlcManager2.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

TEST(CorvelLibrary, ChecksConvertibilityNewPlcFirst) {
  ScriptedUserInterface ui;
  EXPECT_TRUE(CorvelLibrary::CheckConvertible(ui, 1, 4, 1, 9));
  EXPECT_FALSE(CorvelLibrary::CheckConvertible(ui, 1, 4, 1, 6));
  EXPECT_TRUE(CorvelLibrary::CheckConvertible(ui, 31, 2, 31, 1));
  // The new PLC's family decides: the same pair the other way round differs.
  EXPECT_TRUE(CorvelLibrary::CheckConvertible(ui, 31, 1, 31, 2));
  EXPECT_FALSE(CorvelLibrary::CheckConvertible(ui, 31, 2, 31, 2));
  EXPECT_TRUE(ui.Calls().empty());
}

TEST(CorvelLibrary, MissingLibraryIsReportedAndNotConvertible) {
  const std::string previous = std::getenv("ORVANE_INSTALL_DIR");
  setenv("ORVANE_INSTALL_DIR", MakeTempDir("no-corvel").c_str(), 1);
  ScriptedUserInterface ui;
  EXPECT_FALSE(CorvelLibrary::CheckConvertible(ui, 1, 4, 1, 9));
  setenv("ORVANE_INSTALL_DIR", previous.c_str(), 1);
  ASSERT_EQ(ui.Calls().size(), 1u);
  EXPECT_EQ(ui.Calls()[0].text, "Error P002: Unable to load library : Corvel.dll");
}

TEST(CorvelLibrary, SinkForwardsDriverMessagesWithTheirIcons) {
  ScriptedUserInterface ui;
  {
    CorvelLibrary corvel;
    ASSERT_TRUE(corvel.Open()) << corvel.Error();
    ASSERT_TRUE(corvel.InstallMessageSink(ui));
    TOvPlcManager2 brisko((StagedInstallDir() / "dll" / "Brisko.so").string());
    ASSERT_TRUE(brisko.IsLoaded());
    DriverAddress address;
    for (const char* text : {"N8:0", "12345678901234567", "I:1/0"}) {
      EXPECT_FALSE(brisko.Driver().ValidateSyntax(address, text, 0, 0));
    }
  }
  ASSERT_EQ(ui.Calls().size(), 3u);
  EXPECT_EQ(ui.Calls()[0].icon, Icon::Exclamation);
  EXPECT_EQ(ui.Calls()[1].icon, Icon::Information);
  EXPECT_EQ(ui.Calls()[2].icon, Icon::None);
  EXPECT_EQ(ui.Calls()[1].text, "Error T02_3:  Invalid Address");

  // With the library object gone the sink is taken back: messages go to
  // standard error again.
  TOvPlcManager2 brisko((StagedInstallDir() / "dll" / "Brisko.so").string());
  DriverAddress address;
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(brisko.Driver().ValidateSyntax(address, "N8:0", 0, 0));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "Error T02_3:  Invalid Address (Invalid file number)\n");
  EXPECT_EQ(ui.Calls().size(), 3u);
}

}  // namespace
}  // namespace orvane::testing
