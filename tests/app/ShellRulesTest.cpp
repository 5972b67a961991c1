// The shell's own rules, without widgets: the window placement it keeps,
// the folder it starts in, its command line, its Port menu and its version.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/PortMenu.h"
#include "app/ShellArguments.h"
#include "app/ShellVersion.h"
#include "app/WindowPlacementTracker.h"
#include "app/WorkingFolder.h"
#include "base/Settings.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

Settings SettingsIn(const fs::path& dir) {
  return Settings(
      SettingsPaths{dir / "install" / "orvane.ini", dir / "user" / "user.ini", dir / "install"});
}

TEST(WindowPlacement, OnlyPlacementsWhollyOnTheDesktopAndNotMinimizedAreKept) {
  const ScreenRect desktop{0, 0, 1024, 768};
  WindowPlacementTracker tracker(WindowPlacement{});
  EXPECT_EQ(tracker.Placement(), (WindowPlacement{false, 125, 47, 725, 461}));

  tracker.Moved(FrameState::Normal, {200, 100, 800, 514}, desktop);
  EXPECT_EQ(tracker.Placement(), (WindowPlacement{false, 200, 100, 800, 514}));
  // Partly off the desktop: the last placement that was on it stays.
  tracker.Moved(FrameState::Normal, {700, 100, 1300, 514}, desktop);
  tracker.Moved(FrameState::Normal, {-10, 100, 590, 514}, desktop);
  EXPECT_EQ(tracker.Placement(), (WindowPlacement{false, 200, 100, 800, 514}));
  // A new size is kept as it is.
  tracker.Resized(FrameState::Normal, {200, 100, 900, 600});
  EXPECT_EQ(tracker.Placement(), (WindowPlacement{false, 200, 100, 900, 600}));
  // Minimized: whatever happens then, the placement from before is stored.
  tracker.Resized(FrameState::Minimized, {0, 0, 160, 30});
  tracker.Moved(FrameState::Minimized, {0, 0, 160, 30}, desktop);
  EXPECT_EQ(tracker.Placement(), (WindowPlacement{false, 200, 100, 900, 600}));
  tracker.Resized(FrameState::Maximized, {0, 0, 1024, 768});
  EXPECT_EQ(tracker.Placement(), (WindowPlacement{true, 0, 0, 1024, 768}));
  tracker.Resized(FrameState::Minimized, {0, 0, 160, 30});
  EXPECT_TRUE(tracker.Placement().maximized);
}

TEST(WorkingFolder, AFirstRunMakesTheFoldersWhereTheUserMayWrite) {
  const fs::path dir = MakeTempDir("start");
  Settings settings = SettingsIn(dir);
  const fs::path userData = dir / "data" / "Halvard" / "Orvane Zurovuvu";

  // First run: Firmware and Project in the install directory.
  EXPECT_EQ(StartFolder(settings, userData), dir / "install" / "Project");
  EXPECT_TRUE(fs::is_directory(dir / "install" / "Firmware"));

  // An install directory that cannot hold them: the user's data folder.
  WriteText(dir / "blocked", "a file, not a folder");
  ASSERT_TRUE(settings.SetMachineValue(settings::kInstallDir, (dir / "blocked").string()));
  EXPECT_EQ(StartFolder(settings, userData), userData / "Project");
  EXPECT_TRUE(fs::is_directory(userData / "Firmware"));

  // Later runs start where the program was when it closed; a folder that
  // has gone counts as none.
  const fs::path elsewhere = MakeTempDir("elsewhere");
  const fs::path before = fs::current_path();
  fs::current_path(elsewhere);
  ASSERT_TRUE(StoreCurrentFolder(settings));
  fs::current_path(before);
  EXPECT_EQ(settings.WorkingPath(), elsewhere.string());
  ASSERT_TRUE(EnterStartFolder(settings, userData));
  EXPECT_EQ(fs::current_path(), elsewhere);
  fs::current_path(before);
  fs::remove_all(elsewhere);
  EXPECT_EQ(StartFolder(settings, userData), userData / "Project");
}

TEST(ShellArguments, OnlyOpenNamesAFileToOpen) {
  struct Case {
    std::vector<std::string> args;
    std::optional<std::string> open;
    std::vector<std::string> ignored;
    bool help;
    bool error;
    bool checkDisplay = false;
  };
  const Case cases[] = {
      {{}, std::nullopt, {}, false, false},
      {{"plant.ovx"}, std::nullopt, {"plant.ovx"}, false, false},
      {{"--open", "plant.ovx"}, "plant.ovx", {}, false, false},
      {{"--open=a b.ovx", "x.ovx"}, "a b.ovx", {"x.ovx"}, false, false},
      {{"--help"}, std::nullopt, {}, true, false},
      {{"--open"}, std::nullopt, {}, false, true},
      {{"--open="}, std::nullopt, {}, false, true},
      {{"--verbose"}, std::nullopt, {}, false, true},
      {{"--check-display"}, std::nullopt, {}, false, false, true},
  };
  for (const Case& c : cases) {
    const ShellArguments parsed = ParseShellArguments(c.args);
    EXPECT_EQ(parsed.openFile, c.open);
    EXPECT_EQ(parsed.ignored, c.ignored);
    EXPECT_EQ(parsed.help, c.help);
    EXPECT_EQ(!parsed.error.empty(), c.error);
    EXPECT_EQ(parsed.checkDisplay, c.checkDisplay);
  }
}

TEST(PortMenu, ComPortsThenThePortsPresentThenTheSimulatedPanel) {
  const std::vector<SerialPortEntry> present = {
      {"COM1", "/dev/ttyS0", "built in"},
      {"/dev/ttyUSB0", "/dev/ttyUSB0", "FT232R USB UART"},
      {"/dev/ttyACM0", "/dev/ttyACM0", ""},
  };
  const std::vector<PortMenuEntry> entries = PortMenuEntries(present, false);
  std::vector<std::string> captions;
  for (const PortMenuEntry& entry : entries) {
    captions.push_back(entry.caption);
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"COM&1", "COM&2", "COM&3", "COM&4",
                                                "/dev/ttyUSB0  (FT232R USB UART)", "/dev/ttyACM0",
                                                "Simulated panel"}));
  EXPECT_EQ(entries[2].commandId, 32813);
  EXPECT_EQ(entries[4].commandId, 0);
  EXPECT_FALSE(entries.back().enabled);

  // Choosing COM3 stores "COM3", and only COM3 carries the check mark.
  Settings settings = SettingsIn(MakeTempDir("ports"));
  for (const PortMenuEntry& entry : entries) {
    EXPECT_FALSE(IsCheckedPort(entry, settings));
  }
  ChoosePort(entries[2], settings);
  EXPECT_EQ(settings.Port(), "COM3");
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(IsCheckedPort(entries[i], settings), i == 2) << i;
  }
  ChoosePort(entries[4], settings);
  EXPECT_EQ(settings.Port(), "/dev/ttyUSB0");
  // Without its simulator the simulated panel cannot be chosen.
  ChoosePort(entries.back(), settings);
  EXPECT_EQ(settings.Port(), "/dev/ttyUSB0");

  // With it, its name is stored, and only it is checked then.
  const std::vector<PortMenuEntry> available = PortMenuEntries(present, true);
  ASSERT_TRUE(available.back().simulated);
  ASSERT_TRUE(available.back().enabled);
  ChoosePort(available.back(), settings);
  EXPECT_EQ(settings.Port(), "Simulated panel");
  for (size_t i = 0; i < available.size(); ++i) {
    EXPECT_EQ(IsCheckedPort(available[i], settings), i + 1 == available.size()) << i;
  }
}

TEST(ShellVersion, OnlyALibraryThatDoesNotLoadIsReported) {
  EXPECT_EQ(ShellVersionFrom({"2.1", true, true}).text, "2.1");
  EXPECT_FALSE(ShellVersionFrom({"2.1", true, true}).loadFailed);
  // A missing export: empty, without a message.
  EXPECT_EQ(ShellVersionFrom({"2.1.0", false, true}).text, "");
  EXPECT_FALSE(ShellVersionFrom({"2.1.0", false, true}).loadFailed);
  EXPECT_EQ(ShellVersionFrom({"2.1.0", false, false}).text, "");
  EXPECT_TRUE(ShellVersionFrom({"2.1.0", false, false}).loadFailed);
  const ProgramVersion missing = LoadProgramVersion(MakeTempDir("verlin") / "libverlin.so");
  EXPECT_FALSE(missing.libraryOpened);
}

}  // namespace
}  // namespace orvane::testing
