// A project's driver: binding, the temporary attribute file, default and
// edited attributes, re-validation, conversion and the driver image paths.
// Drivers are the real SLC 500 driver and the test modules Kestrel (1:9)
// and Tandem (34:1), loaded from an install directory made for the test.
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/StringTable.h"
#include "plchost/AddressConversionLog.h"
#include "plchost/TempAttributeFile.h"
#include "project/ProjectDriver.h"
#include "project/TOvProject.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestInstall.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

const std::vector<unsigned char> kKestrelDefaults = {1, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0,    0,
                                                     0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,    0,
                                                     0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0x11, 0x22};

// The application types a test module was told, read from the module the
// project holds (the loader hands out the same module again).
std::string TypeLog(const fs::path& module) {
  SharedLibrary library;
  EXPECT_TRUE(library.Open(module.string()));
  const char* log = static_cast<const char*>(library.Symbol("MiniPlc_TypeLog"));
  return log != nullptr ? log : "";
}

class ProjectDriverTest : public ::testing::Test {
 protected:
  ProjectDriverTest() : install_("project-driver") {}

  void SetUp() override { ::unsetenv("MINIPLC_DIALOG"); }
  void TearDown() override { ::unsetenv("MINIPLC_DIALOG"); }

  // A project bound to a driver, with one model 1 panel.
  TOvProject Bound(const std::string& driver) {
    TOvProject project;
    project.PutPanel(TOvPanel(&project, kModelOv200));
    project.plc.pluginPath = install_.Plugin(driver).string();
    EXPECT_TRUE(project.LoadDriver(project.plc.pluginPath, &ui_));
    project.plc.mapLength = project.Driver().DriverDetails().mapLength;
    return project;
  }

  TestInstall install_;
  ScriptedUserInterface ui_;
};

TEST_F(ProjectDriverTest, LoadDriverBindsAndTellsApplicationTypeTwo) {
  TOvProject project = Bound("Kestrel");
  EXPECT_TRUE(project.DriverModule().IsOpen());
  EXPECT_EQ(project.Driver().DriverName(), "Kestrel Test PLC 1:9");
  EXPECT_EQ(TypeLog(install_.Plugin("Kestrel")).back(), '2');
  EXPECT_TRUE(ui_.Calls().empty());

  // Another driver replaces the first.
  EXPECT_TRUE(project.LoadDriver(install_.Plugin("Tandem").string(), &ui_));
  EXPECT_EQ(project.Driver().DriverName(), "Tandem Test PLC 34:1");

  // A library that does not load leaves the project without one.
  EXPECT_FALSE(project.LoadDriver((install_.Dir() / "dll" / "None.so").string(), &ui_));
  EXPECT_FALSE(project.DriverModule().IsOpen());
  EXPECT_FALSE(project.Driver().IsAttached());

  // A driver without SetApplicationType: P009.
  EXPECT_FALSE(project.LoadDriver(std::string(ORVANE_TEST_DRIVER_DIR) + "/TestDriver1.so", &ui_));
  EXPECT_EQ(ui_.MessageTexts(),
            std::vector<std::string>{"\"Error P009: Load dll Procedure failed\nUnable to Set "
                                     "Application Type\n\nPossible reason: Unable to locate "
                                     "correct PLC DLL.\""});
}

TEST_F(ProjectDriverTest, ACopyHoldsAndBindsItsOwnReference) {
  auto original = std::make_unique<TOvProject>(Bound("Kestrel"));
  const size_t told = TypeLog(install_.Plugin("Kestrel")).size();
  TOvProject copy(*original);
  EXPECT_TRUE(copy.DriverModule().IsOpen());
  const std::string log = TypeLog(install_.Plugin("Kestrel"));
  EXPECT_EQ(log.size(), told + 1);
  EXPECT_EQ(log.back(), '2');
  original.reset();
  EXPECT_EQ(copy.Driver().DriverName(), "Kestrel Test PLC 1:9");
}

TEST(TempAttributeFile, LivesInAPrivateFolderThatGoesAway) {
  const fs::path runtime = MakeTempDir("runtime");
  const char* previous = std::getenv("XDG_RUNTIME_DIR");
  const std::string saved = previous != nullptr ? previous : "";
  ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  fs::path folder;
  {
    TempAttributeFile file;
    ASSERT_TRUE(file.IsReady());
    EXPECT_EQ(file.Path().filename(), "temp.atr");
    folder = file.Path().parent_path();
    EXPECT_EQ(folder.parent_path(), runtime);
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_FALSE(file.Read());
    ASSERT_TRUE(file.Write({1, 2, 3}));
    EXPECT_EQ(file.Read(), (std::vector<unsigned char>{1, 2, 3}));
    // Another one at the same time has a folder of its own.
    TempAttributeFile other;
    EXPECT_NE(other.Path(), file.Path());
  }
  EXPECT_FALSE(fs::exists(folder));
  // Without a usable runtime folder the temporary folder serves.
  ::setenv("XDG_RUNTIME_DIR", (runtime / "missing").c_str(), 1);
  {
    TempAttributeFile file;
    ASSERT_TRUE(file.IsReady());
    EXPECT_EQ(file.Path().parent_path().parent_path(), fs::temp_directory_path());
  }
  ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
}

TEST_F(ProjectDriverTest, DefaultAttributesComeThroughTheTemporaryFile) {
  const fs::path runtime = MakeTempDir("runtime");
  ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  TOvProject project = Bound("Kestrel");
  ASSERT_TRUE(SetDefaultAttributes(project.Driver(), project.plc));
  EXPECT_EQ(project.plc.attributeBytes, kKestrelDefaults);
  EXPECT_EQ(DefaultAttributeBytes(project.Driver()), kKestrelDefaults);

  // A driver that cannot write them leaves the bytes as they were.
  TOvProject lacking;
  ASSERT_TRUE(lacking.OpenDriverModule(std::string(ORVANE_TEST_DRIVER_DIR) + "/TestDriver1.so"));
  lacking.plc.attributeBytes = {7, 7};
  EXPECT_FALSE(SetDefaultAttributes(lacking.Driver(), lacking.plc));
  EXPECT_EQ(lacking.plc.attributeBytes, (std::vector<unsigned char>{7, 7}));
  // Nothing is left behind, whatever happened.
  EXPECT_EQ(fs::directory_iterator(runtime), fs::directory_iterator());
}

TEST_F(ProjectDriverTest, EditingTakesTheBytesOnlyWhenTheDialogChangedThem) {
  TOvProject project = Bound("Kestrel");
  project.plc.attributeBytes = kKestrelDefaults;
  // Cancel: nothing changes.
  EXPECT_FALSE(EditAttributes(project, ui_));
  EXPECT_EQ(project.plc.attributeBytes, kKestrelDefaults);
  EXPECT_FALSE(project.changed);

  ::setenv("MINIPLC_DIALOG", "ok", 1);
  EXPECT_TRUE(EditAttributes(project, ui_));
  std::vector<unsigned char> edited = kKestrelDefaults;
  edited.back() = 0x23;
  EXPECT_EQ(project.plc.attributeBytes, edited);
  EXPECT_TRUE(project.changed);
  const std::string single = TypeLog(install_.Plugin("Kestrel"));
  EXPECT_EQ(single.find('1'), std::string::npos);

  // A multi-panel project: application type 1 for the dialog, 2 after it.
  project.systemMode = kMultiPanelSystem;
  EXPECT_TRUE(EditAttributes(project, ui_));
  EXPECT_EQ(TypeLog(install_.Plugin("Kestrel")).substr(single.size()), "212");

  // A file cut short, or of another driver, is not taken.
  const std::vector<unsigned char> kept = project.plc.attributeBytes;
  for (const char* dialog : {"short", "foreign"}) {
    ::setenv("MINIPLC_DIALOG", dialog, 1);
    EXPECT_FALSE(EditAttributes(project, ui_)) << dialog;
    EXPECT_EQ(project.plc.attributeBytes, kept) << dialog;
  }
  ::unsetenv("MINIPLC_DIALOG");
}

TEST_F(ProjectDriverTest, RevalidationRebuildsEveryAddressTheDriverTakes) {
  TOvProject project = Bound("Kestrel");
  TOvPanel& panel = project.panels.front();
  panel.lineRegisters[0].addressText = "n7:5";
  panel.lineRegisters[1].addressText = "N7:123";  // refused by the grammar
  const unsigned char stale[] = {9, 9, 9, 9, 9, 9};
  panel.lineRegisters[1].SetMapString(stale, sizeof stale);
  panel.keysLeds.ledWord.addressText = "B3:0/1";  // a bit: Z007
  panel.lineRegisters[2].addressText = "N7:9";    // not used by model 1
  std::vector<std::string> refused;
  const int count =
      RevalidateAddresses(project, ui_, [&](const TOvPanel& owner, const TOvTag& tag) {
        EXPECT_EQ(&owner, &panel);
        refused.push_back(tag.addressText);
      });
  EXPECT_EQ(count, 2);
  EXPECT_EQ(refused, (std::vector<std::string>{"B3:0/1", "N7:123"}));
  const unsigned char expected[] = {'N', 0, 7, 5, 0xFF, 0};
  EXPECT_EQ(std::vector<unsigned char>(panel.lineRegisters[0].MapString(),
                                       panel.lineRegisters[0].MapString() + 6),
            std::vector<unsigned char>(expected, expected + 6));
  // Text stays as typed; a refused address keeps what it had.
  EXPECT_EQ(panel.lineRegisters[0].addressText, "n7:5");
  EXPECT_EQ(panel.lineRegisters[1].MapString()[0], 9);
  EXPECT_EQ(ui_.MessageTexts(),
            std::vector<std::string>{"Error Z007: Discrete addresses are not allowed here."});
}

TEST_F(ProjectDriverTest, ConversionRewritesAcceptedAddressesAndEmptiesTheOthers) {
  TOvProject project = Bound("Kestrel");
  TOvPanel& panel = project.panels.front();
  panel.lineRegisters[0].addressText = "n7:5";
  panel.lineRegisters[1].addressText = "N7:100";
  TOvMessage message(&panel);
  message.text = std::string("v ") + kItem2Marker;
  message.item2.addressText = "t4:2";
  message.item3.addressText = "N7:1";  // marker absent: not visited
  panel.AddMessage(message);
  PlcDriver driver = project.Driver(&ui_);
  const std::vector<std::string> log = ConvertAddresses(project, driver);
  EXPECT_EQ(log, (std::vector<std::string>{
                     "n7:5\tN7:5\t\t",
                     "N7:100\t \tUnable to rebuild the address for the new PLC\t",
                     "t4:2\tT4:2\t\t",
                 }));
  EXPECT_EQ(panel.lineRegisters[0].addressText, "N7:5");
  EXPECT_EQ(panel.lineRegisters[1].addressText, "");
  EXPECT_EQ(panel.messages[0].item2.addressText, "T4:2");
  EXPECT_EQ(panel.messages[0].item3.addressText, "N7:1");
  EXPECT_EQ(panel.messages[0].item2.MapString()[0], 'T');
}

TEST_F(ProjectDriverTest, DriverImagePathsFollowTheDriverAndTheKind) {
  TOvProject project = Bound("Kestrel");
  std::string path;
  ASSERT_TRUE(PanelDriverPath(project, kHexImageKind, path));
  EXPECT_EQ(path, (install_.Dir() / "driver" / "KestrelPanel.plx").string());
  ASSERT_TRUE(PanelDriverPath(project, kSRecordImageKind, path));
  EXPECT_EQ(path, (install_.Dir() / "driver" / "KestrelPanel.plc").string());
  ASSERT_TRUE(MultiplexerDriverPath(project, path));
  EXPECT_EQ(path, (install_.Dir() / "driver" / "multiplexer.plx").string());

  TOvProject unbound;
  path = "unchanged";
  EXPECT_FALSE(PanelDriverPath(unbound, kHexImageKind, path));
  EXPECT_FALSE(MultiplexerDriverPath(unbound, path));
  EXPECT_EQ(path, "unchanged");
}

TEST(AddressConversionLog, TextFileHasTheHeaderThenEveryLine) {
  EXPECT_EQ(AddressLogFileText({}, "Tue 8 Dec 2026"),
            "Address conversion log file\nCreated on : Tue 8 Dec 2026\n"
            "Old address\tNew address\t\tRemarks\n\n");
  EXPECT_EQ(AddressLogFileText({"n7:5\tN7:5\t\t",
                                "X\t \tUnable to rebuild the address for the "
                                "new PLC\t"},
                               "now"),
            "Address conversion log file\nCreated on : now\nOld address\tNew address\t\tRemarks\n\n"
            "n7:5\tN7:5\t\t\nX\t \tUnable to rebuild the address for the new PLC\t\n");
  const fs::path file = MakeTempDir("log") / "log.txt";
  ASSERT_TRUE(SaveAddressLogFile(file, {"a\tb\t\t"}));
  const std::string text = ReadText(file);
  EXPECT_EQ(text.rfind("Address conversion log file\nCreated on : ", 0), 0u);
  EXPECT_NE(text.find("\nOld address\tNew address\t\tRemarks\n\na\tb\t\t\n"), std::string::npos);
  EXPECT_FALSE(SaveAddressLogFile(file / "inside", {}));
}

}  // namespace
}  // namespace orvane::testing
