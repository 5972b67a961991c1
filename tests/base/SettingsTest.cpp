#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>

#include <gtest/gtest.h>

#include "base/AtomicFile.h"
#include "base/IniFile.h"
#include "base/Settings.h"
#include "tests/support/TestPaths.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::MakeTempDir;
using testing::ReadText;
using testing::WriteText;

class SettingsTest : public ::testing::Test {
 protected:
  fs::path dir = MakeTempDir("settings");
  SettingsPaths paths{dir / "install" / "orvane.ini", dir / "config" / "Halvard" / "user.ini",
                      dir / "install"};

  void SetUp() override {
    fs::create_directories(paths.machineFile.parent_path());
    fs::create_directories(paths.userFile.parent_path());
  }

  std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }
};

TEST_F(SettingsTest, DefaultsWhenNothingIsStored) {
  const Settings settings(paths);
  EXPECT_EQ(settings.Window(), (WindowPlacement{false, 125, 47, 725, 461}));
  EXPECT_EQ(settings.Port(), "");
  EXPECT_EQ(settings.PlcManufacturerId(), 31);
  EXPECT_EQ(settings.PlcModelId(), 2);
  EXPECT_EQ(settings.InstallDirectory(), paths.installDir.string());
  EXPECT_EQ(settings.WorkingPath(), "");
  EXPECT_EQ(settings.FirmwarePath(), (paths.installDir / "Firmware").string());
  EXPECT_TRUE(settings.RecentFiles().empty());
  EXPECT_EQ(settings.ColumnWidth(settings::kViewAddressControl, 3), 100);
  EXPECT_FALSE(fs::exists(paths.userFile)) << "reading writes nothing";
}

TEST_F(SettingsTest, RoundTripThroughTheFiles) {
  {
    Settings settings(paths);
    ASSERT_TRUE(settings.SetWindow({true, 1, 2, 300, 400}));
    ASSERT_TRUE(settings.SetWorkingPath("/home/op/Project"));
    ASSERT_TRUE(settings.SetFirmwarePath("/home/op/Firmware"));
    ASSERT_TRUE(settings.SetColumnWidth(settings::kViewAddressControl, 0, 57));
    for (const char* file :
         {"/p/a.ovx", "/p/b.ovx", "/p/c.ovx", "/p/d.ovx", "/p/b.ovx", "/p/e.ovx"}) {
      ASSERT_TRUE(settings.AddRecentFile(file));
    }
    ASSERT_TRUE(settings.SetPort("COM3"));
    ASSERT_TRUE(settings.SetDefaultPlc(1, 4));
  }
  const Settings settings(paths);
  EXPECT_EQ(settings.Window(), (WindowPlacement{true, 1, 2, 300, 400}));
  EXPECT_EQ(settings.WorkingPath(), "/home/op/Project");
  EXPECT_EQ(settings.FirmwarePath(), "/home/op/Firmware");
  EXPECT_EQ(settings.ColumnWidth(settings::kViewAddressControl, 0), 57);
  EXPECT_EQ(settings.RecentFiles(),
            (std::vector<std::string>{"/p/e.ovx", "/p/b.ovx", "/p/d.ovx", "/p/c.ovx"}));
  EXPECT_EQ(settings.Port(), "COM3");
  EXPECT_EQ(settings.PlcManufacturerId(), 1);
  EXPECT_EQ(settings.PlcModelId(), 4);

  EXPECT_EQ(ReadText(paths.machineFile),
            "[Kelmora\\Orvane Zurovuvu 2.1-Demo]\nPort=COM3\nPLC-ManID=1\nPLC-ModID=4\n");
  const std::string user = ReadText(paths.userFile);
  EXPECT_NE(user.find("[Window]\nMaximized=1\nLeft=1\nRight=300\nTop=2\nBottom=400\n"),
            std::string::npos)
      << user;
  EXPECT_NE(user.find("[View Address Control]\nWidth 0=57\n"), std::string::npos) << user;
  EXPECT_NE(user.find("[Recent File List]\nFile1=/p/e.ovx\n"), std::string::npos) << user;
}

TEST_F(SettingsTest, ReadsTheInstallersFileAndTheUsersValueWins) {
  WriteText(paths.machineFile,
            "; written by the installer\r\n[Kelmora\\Orvane Zurovuvu 2.1-Demo]\r\n"
            "Install Dir=/opt/orvane\r\nPort=COM3\r\nPLC-ManID=9\r\nPLC-ModID=x\r\n");
  Settings settings(paths);
  EXPECT_EQ(settings.InstallDirectory(), "/opt/orvane");
  EXPECT_EQ(settings.Port(), "COM3");
  EXPECT_EQ(settings.PlcManufacturerId(), 9);
  EXPECT_EQ(settings.PlcModelId(), 2) << "not a number: the default";

  WriteText(paths.userFile, "[Kelmora\\Orvane Zurovuvu 2.1-Demo]\nPort=COM2\n");
  EXPECT_EQ(settings.Port(), "COM2");
  EXPECT_EQ(settings.InstallDirectory(), "/opt/orvane");
}

TEST_F(SettingsTest, MachineValueThatCannotBeWrittenGoesToTheUsersFile) {
  // The machine-wide file would have to live under a regular file.
  WriteText(dir / "blocker", "not a folder");
  paths.machineFile = dir / "blocker" / "orvane.ini";
  Settings settings(paths);
  ASSERT_TRUE(settings.SetPort("/dev/ttyUSB0"));
  EXPECT_EQ(settings.Port(), "/dev/ttyUSB0");
  EXPECT_EQ(IniFile::Read(paths.userFile).Get(settings::kMachineSection, "Port"), "/dev/ttyUSB0");

  // When neither file can be written the write fails.
  paths.userFile = dir / "blocker" / "user.ini";
  EXPECT_FALSE(Settings(paths).SetPort("COM1"));
}

TEST_F(SettingsTest, APackagedInstallationIsNeverWrittenInto) {
  // Root could write into the install directory of a package; the package
  // manager owns it, so the value still goes to the user's file.
  const std::string shipped =
      "[Installation]\nSystem=1\n[Kelmora\\Orvane Zurovuvu 2.1-Demo]\nPort=COM1\n";
  WriteText(paths.machineFile, shipped);
  Settings settings(paths);
  EXPECT_TRUE(settings.IsSystemInstall());
  EXPECT_EQ(settings.Port(), "COM1");
  EXPECT_TRUE(settings.SetPort("COM3"));
  EXPECT_EQ(settings.Port(), "COM3");
  EXPECT_EQ(ReadText(paths.machineFile), shipped);
  EXPECT_EQ(Settings(paths).MachineValueFile(settings::kPort), paths.userFile);
}

TEST_F(SettingsTest, SuccessfulMachineWriteRetiresTheUsersFallback) {
  WriteText(paths.userFile, "[Kelmora\\Orvane Zurovuvu 2.1-Demo]\nPort=COM2\n[Window]\nLeft=5\n");
  Settings settings(paths);
  ASSERT_TRUE(settings.SetPort("COM4"));
  EXPECT_EQ(settings.Port(), "COM4");
  EXPECT_EQ(settings.Window().left, 5);
  // The desktop program's simulated panel is stored by its name.
  ASSERT_TRUE(settings.SetPort("Simulated panel"));
  EXPECT_EQ(Settings(paths).Port(), "Simulated panel");
}

TEST_F(SettingsTest, RefusesValuesThatDoNotFit) {
  Settings settings(paths);
  for (const char* port :
       {"COM5", "COM0", "LPT1", "ttyS0", "", "/dev/tty\nPort=COM1", "Simulated panel 2"}) {
    EXPECT_FALSE(settings.SetPort(port)) << port;
  }
  EXPECT_FALSE(settings.SetWorkingPath("/a\nFirmwarePath=/b"));
  EXPECT_FALSE(settings.SetUserValue("Bad]Section", "Key", "v"));
  EXPECT_FALSE(settings.SetUserValue("Section", "Key=", "v"));
  // A key line starting with ';' or '#' would be a comment, never read back.
  EXPECT_FALSE(settings.SetUserValue("Section", "#Key", "v"));
  EXPECT_FALSE(settings.SetUserValue("Section", ";Key", "v"));
  EXPECT_FALSE(fs::exists(paths.machineFile));
  EXPECT_FALSE(fs::exists(paths.userFile));
}

TEST_F(SettingsTest, FailedWriteLeavesThePreviousFileWhole) {
  Settings settings(paths);
  ASSERT_TRUE(settings.SetWorkingPath("/old"));
  const std::string before = ReadText(paths.userFile);

  // The file-size limit makes the write fail half way, as a full disk
  // would, also for root.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit tight = saved;
  tight.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
  const bool written = settings.SetWorkingPath("/a/much/longer/path/than/sixteen/bytes");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(ReadText(paths.userFile), before);
  EXPECT_EQ(FilesIn(paths.userFile.parent_path()), (std::vector<std::string>{"user.ini"}));
  EXPECT_EQ(settings.WorkingPath(), "/old");
}

TEST_F(SettingsTest, AtomicWriteOverAFolderFailsWithoutLeavingTemporaries) {
  const fs::path folder = dir / "atomic";
  fs::create_directories(folder / "target" / "inside");
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(folder / "target", "text", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(fs::is_directory(folder / "target" / "inside"));
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"target"}));
}

TEST_F(SettingsTest, ConcurrentWritersLoseNothing) {
  Settings settings(paths);
  std::vector<std::thread> threads;
  for (int thread = 0; thread < 4; ++thread) {
    threads.emplace_back([&settings, thread] {
      for (int i = 0; i < 8; ++i) {
        const int column = thread * 8 + i;
        settings.SetColumnWidth(settings::kViewAddressControl, column, column + 1);
        settings.Window();
      }
    });
  }
  for (std::thread& thread : threads) {
    thread.join();
  }
  for (int column = 0; column < 32; ++column) {
    EXPECT_EQ(settings.ColumnWidth(settings::kViewAddressControl, column), column + 1) << column;
  }
}

TEST(IniFile, KeepsWhatItDoesNotKnow) {
  IniFile file("; comment\n[A]\nx = 1\n\n[B]\ny=2\n");
  EXPECT_EQ(file.Get("A", "x"), " 1");
  EXPECT_EQ(file.Get("A", "y"), std::nullopt);
  file.Set("A", "z", "3");
  file.Set("B", "y", "4");
  file.Set("C", "w", "5");
  EXPECT_TRUE(file.Remove("A", "x"));
  EXPECT_FALSE(file.Remove("A", "x"));
  EXPECT_EQ(file.Text(), "; comment\n[A]\nz=3\n\n[B]\ny=4\n\n[C]\nw=5\n");

  // A section line ending in two CRs is the section, before and after the
  // text is written back: a value set there reads back from the new text.
  IniFile twoCrs("[s]\r\r\nk=1\n");
  EXPECT_EQ(twoCrs.Get("s", "k"), "1");
  twoCrs.Set("s", "m", "2");
  EXPECT_EQ(IniFile(twoCrs.Text()).Get("s", "m"), "2");
  EXPECT_EQ(twoCrs.Text(), "[s]\nk=1\nm=2\n");
}

TEST(SettingsLocation, UserFileUnderXdgConfigHome) {
  const SettingsPaths paths = DefaultSettingsPaths();
  const std::string config = std::getenv("XDG_CONFIG_HOME");
  EXPECT_EQ(paths.userFile, fs::path(config) / "Halvard" / "Orvane Zurovuvu.ini");
  EXPECT_EQ(paths.machineFile.parent_path(), paths.installDir);
}

}  // namespace
}  // namespace orvane
