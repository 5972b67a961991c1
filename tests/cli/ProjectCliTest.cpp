// orvane-cli project as a process, on files a user would have: new projects,
// the golden files, a previous-version file, PLC changes between the real
// SLC 500 driver and the test drivers, panels moved between files, and a
// Think & Do tag map check.
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/RunProgram.h"
#include "tests/support/TestInstall.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

const char* const kBrisko = "Allen-Bradley SLC 500/MicroLogix DF1(Half Duplex) - Rev C";

class ProjectCliTest : public ::testing::Test {
 protected:
  ProjectCliTest() : install_("project-cli") {
    // The panel-side driver image a write of a Brisko project downloads.
    fs::copy_file(orvane::testing::StagedStandInDir() / "BriskoPanel.plx",
                  install_.Dir() / "driver" / "BriskoPanel.plx");
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string Golden(const std::string& name) {
    return (TestDataDir() / "projects" / name).string();
  }
  // A golden file as saved with this test's install directory.
  std::string SavedHere(const std::string& name) const {
    std::string text = ReadText(Golden(name));
    const std::string installed = "/opt/orvane/lib/orvane/dll/Brisko.so";
    text.replace(text.find(installed), installed.size(), install_.Plugin("Brisko").string());
    return text;
  }
  // A golden file with one line replaced (0-based index).
  std::string GoldenWith(const std::string& name, size_t index, const std::string& line) {
    std::string text = ReadText(Golden(name));
    size_t start = 0;
    for (size_t i = 0; i < index; ++i) {
      start = text.find('\n', start) + 1;
    }
    const size_t end = text.find('\n', start);
    text.replace(start, end - start, line);
    const std::string path = Path("edited-" + name);
    WriteText(path, text);
    return path;
  }

  TestInstall install_;
  fs::path dir_ = MakeTempDir("project-cli-files");
};

TEST_F(ProjectCliTest, NewInfoCheckAndSave) {
  // An output folder that is not there is refused, not made.
  ProgramResult run = RunCli({"project", "new", "-o", Path("missing/a.ovx")});
  EXPECT_EQ(run.exitStatus, 4);
  EXPECT_NE(run.err.find("the folder " + Path("missing") + " does not exist"), std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(Path("missing")));

  run = RunCli({"project", "new", "-o", Path("a.ovx")});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, Path("a.ovx") + ": Ov200/Ov200V panel on port 1, PLC " + kBrisko + "\n");

  run = RunCli({"project", "info", Path("a.ovx")});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, "File: " + Path("a.ovx") + "\nSystem: single panel system\nPLC: " + kBrisko +
                         " (manufacturer 1, model 4)\nMap length: 7\nAttribute bytes: 47\n"
                         "Tag map: not in use\nPanels: 1\n"
                         "  Port 1: Ov200/Ov200V, 0 PLC messages, 0 local messages, 4 addresses\n");

  run = RunCli({"project", "check", Path("a.ovx")});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, std::string("The project can be written: every address is valid for ") +
                         kBrisko + "\n");

  run = RunCli({"project", "save", Path("a.ovx"), "-o", Path("b.ovx")});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(ReadText(Path("b.ovx")), ReadText(Path("a.ovx")));

  run = RunCli(
      {"project", "new", "-o", Path("multi.ovx"), "--plc", "1:9", "--model", "4", "--multi"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  run = RunCli({"project", "info", "--json", Path("multi.ovx")});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, "{\"file\": \"" + Path("multi.ovx") +
                         "\", \"system\": \"multi-panel\", \"selected_port\": 1,\n"
                         " \"plc\": {\"name\": \"Kestrel Test PLC 1:9\", \"manufacturer\": 1, "
                         "\"model\": 9, \"map_length\": 6, \"attribute_bytes\": 36},\n"
                         " \"tag_map_in_use\": false, \"tag_map\": \"\",\n"
                         " \"panels\": [\n  {\"port\": 1, \"model\": 4, \"model_name\": \"Ov400\", "
                         "\"plc_messages\": 0, \"local_messages\": 0, \"addresses\": 6}\n ]}\n");

  EXPECT_EQ(RunCli({"project", "new", "-o", Path("x.ovx"), "--model", "6"}).exitStatus, 2);
  EXPECT_EQ(RunCli({"project", "new"}).exitStatus, 2);
}

TEST_F(ProjectCliTest, GoldenFilesReadAndABadFileIsRefused) {
  ProgramResult run = RunCli({"project", "info", Golden("multi-panel.ovx")});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.out.find("System: multi-panel system, selected port 3\n"), std::string::npos);
  EXPECT_NE(run.out.find("  Port 1: Ov400, 2 PLC messages, 1 local messages, 8 addresses\n"
                         "  Port 3: Ov200L, 0 PLC messages, 2 local messages, 5 addresses\n"),
            std::string::npos);

  WriteText(Path("bad.ovx"), "QZK__949F5CA5_5E30_11D4_9913_008048B6AF27__QZK1 \n0\n");
  run = RunCli({"project", "check", Path("bad.ovx")});
  EXPECT_EQ(run.exitStatus, 4);
  EXPECT_EQ(run.err, "Error Z002: You are trying to read from an invalid file\n" + Path("bad.ovx") +
                         ", line 1: the first line is not the first line of an Orvane project "
                         "file\n");

  const std::string unknown = GoldenWith("single-panel.ovx", 54, "9");
  run = RunCli({"project", "info", unknown});
  EXPECT_EQ(run.exitStatus, 4);
  EXPECT_EQ(run.err,
            "Error P007: PLC dll for this PLC (Manufacturer ID : 9, Model ID : 4)\nnot found in "
            "this system\n" +
                unknown + ", line 55.\nError Z002: You are trying to read from an invalid file\n" +
                unknown + ", line 55.\n");
}

TEST_F(ProjectCliTest, CheckListsWhatAWriteWouldBeRefusedFor) {
  const std::string file = GoldenWith("data-item.ovx", 52, "Q9:9\t");
  ProgramResult run = RunCli({"project", "check", file});
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(run.out, "Port 1, line register 1: \"Q9:9\" is not an address " + std::string(kBrisko) +
                         " accepts\n1 problem: a write of the project would be refused\n");
  EXPECT_NE(run.err, "");  // the driver's own message when the project was opened

  fs::remove(install_.Dir() / "driver" / "BriskoPanel.plx");
  run = RunCli({"project", "check", Golden("single-panel.ovx")});
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(run.out, (install_.Dir() / "driver" / "BriskoPanel.plx").string() +
                         ": No such file or directory\n1 problem: a write of the project would be "
                         "refused\n");
}

TEST_F(ProjectCliTest, SaveMakesAPreviousVersionFileCurrent) {
  ProgramResult run = RunCli({"project", "save", Golden("previous-version.ovx"), "-o",
                              Path("current.ovx"), "--backup", Path("backup.ovx")});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(ReadText(Path("current.ovx")), SavedHere("previous-version-saved.ovx"));
  EXPECT_EQ(ReadText(Path("backup.ovx")), ReadText(Golden("previous-version.ovx")));
  EXPECT_EQ(run.err,
            "Project has been created using previous version of software. Do you want to have a "
            "back copy of it? Yes\n");

  run = RunCli({"project", "save", Golden("previous-version.ovx"), "-o", Path("again.ovx")});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.err.find("back copy of it? No\n"), std::string::npos);
  EXPECT_EQ(ReadText(Path("again.ovx")), SavedHere("previous-version-saved.ovx"));
}

TEST_F(ProjectCliTest, SetPlcConvertsToACompatiblePlc) {
  const std::string file = GoldenWith("data-item.ovx", 52, "N7:100\t");
  ProgramResult run = RunCli({"project", "set-plc", file, "--plc", "Kestrel", "-o",
                              Path("kestrel.ovx"), "--yes", "--log", Path("log.txt")});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out,
            "PLC changed to Kestrel Test PLC 1:9; address conversion log:\n"
            "N7:100\t \tUnable to rebuild the address for the new PLC\t\n"
            "N7:55\tN7:55\t\t\n"
            "N7:50\tN7:50\t\t\n"
            "N7:51\tN7:51\t\t\n"
            "N7:52\tN7:52\t\t\n"
            "N7:53\tN7:53\t\t\n");
  EXPECT_NE(run.err.find("The attribute dialog of Kestrel Test PLC 1:9 is not opened here: the "
                         "project takes its default attributes.\n"),
            std::string::npos);
  EXPECT_NE(run.err.find("Kestrel Test PLC 1:9 is compatible with\n"), std::string::npos);
  const std::string log = ReadText(Path("log.txt"));
  EXPECT_EQ(log.rfind("Address conversion log file\nCreated on : ", 0), 0u);
  EXPECT_NE(log.find("Old address\tNew address\t\tRemarks\n\nN7:100\t \tUnable"),
            std::string::npos);

  run = RunCli({"project", "info", Path("kestrel.ovx")});
  EXPECT_NE(run.out.find("PLC: Kestrel Test PLC 1:9 (manufacturer 1, model 9)\nMap length: 6\n"
                         "Attribute bytes: 36\n"),
            std::string::npos);

  // No to the question: nothing is written.
  run = RunCli({"project", "set-plc", file, "--plc", "1:9", "-o", Path("no.ovx"), "--no"});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, std::string("The PLC was not changed: ") + kBrisko + "\n");
  EXPECT_FALSE(fs::exists(Path("no.ovx")));

  // An attribute file of another driver is refused.
  WriteBytes(Path("other.atr"), {1, 4, 0, 0});
  run = RunCli({"project", "set-plc", file, "--plc", "Kestrel", "-o", Path("bad.ovx"), "--yes",
                "--attributes", Path("other.atr")});
  EXPECT_EQ(run.exitStatus, 4);
  EXPECT_FALSE(fs::exists(Path("bad.ovx")));
}

TEST_F(ProjectCliTest, SetPlcToThinkAndDoClearsTheAddressesAndNeedsAMap) {
  const std::string file = Golden("data-item.ovx");
  ProgramResult run =
      RunCli({"project", "set-plc", file, "--plc", "34:1", "-o", Path("t.ovx"), "--yes"});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.err.find("Open Tag Map File: no file was given on the command line\n"),
            std::string::npos);

  WriteText(Path("plant.map"), "h1\nh2\nSPEED,C100,5,speed\n");
  run = RunCli({"project", "set-plc", file, "--plc", "Tandem", "-o", Path("t.ovx"), "--yes",
                "--map", Path("plant.map")});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out,
            "PLC changed to Tandem Test PLC 34:1; every address was cleared and the default "
            "attributes set\n");
  const std::string text = ReadText(Path("t.ovx"));
  EXPECT_EQ(text.find("N7:5"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - Path("plant.map").size() - 3),
            "1\n" + Path("plant.map") + "\n");
}

TEST_F(ProjectCliTest, PanelsMoveBetweenFiles) {
  ProgramResult run = RunCli({"project", "export-panel", Golden("multi-panel.ovx"), "--port", "3",
                              "-o", Path("port3.ovx")});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  run = RunCli({"project", "info", Path("port3.ovx")});
  EXPECT_NE(run.out.find("System: single panel system\n"), std::string::npos);
  EXPECT_NE(run.out.find("  Port 1: Ov200L, 0 PLC messages, 2 local messages, 5 addresses\n"),
            std::string::npos);
  run = RunCli({"project", "export-panel", Golden("multi-panel.ovx"), "--port", "2", "-o",
                Path("port2.ovx")});
  EXPECT_EQ(run.exitStatus, 1);

  ASSERT_EQ(RunCli({"project", "new", "-o", Path("target.ovx")}).exitStatus, 0);
  // The panel on port 1 is replaced only when the question is answered yes.
  run = RunCli({"project", "import-panel", Path("target.ovx"), "--from", Golden("multi-panel.ovx"),
                "--from-port", "1", "-o", Path("imported.ovx")});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.err.find("This command will clear the panel(s). Do you want to continue? No"),
            std::string::npos);
  run = RunCli({"project", "import-panel", Path("target.ovx"), "--from", Golden("multi-panel.ovx"),
                "--from-port", "1", "-o", Path("imported.ovx"), "--yes"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, "Imported a Ov400 panel to port 1\n");
  run = RunCli({"project", "info", Path("imported.ovx")});
  EXPECT_NE(run.out.find("  Port 1: Ov400, 2 PLC messages, 1 local messages, 8 addresses\n"),
            std::string::npos);
  // From a multi-panel file without --from-port: the ports are listed.
  run = RunCli({"project", "import-panel", Path("target.ovx"), "--from", Golden("multi-panel.ovx"),
                "-o", Path("none.ovx"), "--yes"});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.err.find("  2  Port 3 : Ov200L\n"), std::string::npos);
}

TEST_F(ProjectCliTest, TagMapCheckReportsAndApplies) {
  std::string text = ReadText(Golden("single-panel.ovx"));
  const std::string empty = "not used\n0\n\t\n";
  text.replace(text.find(empty), empty.size(), "not used\n0\nC100,5,speed\tOLD_SPEED\n");
  text.resize(text.size() - 2);
  text += "1\n" + Path("plant.map") + "\n";
  WriteText(Path("tnd.ovx"), text);
  WriteText(Path("plant.map"), "h1\nh2\nSPEED,C100,5,speed\n");

  ProgramResult run = RunCli({"project", "tagmap", "check", Path("tnd.ovx")});
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(run.out, "Tag name \"OLD_SPEED\" changed to \"SPEED\" for address C100,5,speed\n");

  run = RunCli({"project", "tagmap", "check", Path("tnd.ovx"), "--apply", "-o", Path("fixed.ovx")});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(ReadText(Path("fixed.ovx")).find("C100,5,speed\tSPEED\n"), std::string::npos);
  run = RunCli({"project", "tagmap", "check", Path("fixed.ovx")});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, "");

  // Another map in which the address is gone.
  WriteText(Path("other.map"), "h1\nh2\nLEVEL,C200,5,level\n");
  run = RunCli({"project", "tagmap", "check", Path("fixed.ovx"), "--map", Path("other.map")});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, "Error Tag map entry \"SPEED,C100,5,speed\" not found in map file\n");

  // The project's map is gone and no other is named: the open fails.
  fs::remove(Path("plant.map"));
  run = RunCli({"project", "tagmap", "check", Path("tnd.ovx")});
  EXPECT_EQ(run.exitStatus, 4);
  EXPECT_NE(run.err.find("Error T004: Unable to open tag map file : " + Path("plant.map") +
                         "\nPlease choose the map file"),
            std::string::npos);
  EXPECT_EQ(RunCli({"project", "tagmap", "check", Path("tnd.ovx"), "--apply"}).exitStatus, 2);
}

TEST_F(ProjectCliTest, ShowAndDiffAsAPersonReadsThem) {
  const fs::path example = fs::path(ORVANE_TEST_SOURCE_DIR) / "examples" / "single-panel.ovx";
  ProgramResult run = RunCli({"project", "show", example.string()});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  for (const char* line :
       {"Port 1: Ov400\n", "  line register 4: N7:3 (Binary 16)\n",
        "  key 5: LED By PLC, button Panel Set & PLC Release\n",
        "     2 PLC                    |WET WELL  1111 FT|\n         data item 1: N10:0 (BCD 16), "
        "access Read Only, limits 0 to 9999, decimal point from N10:9 (BCD 16)\n",
        "   256 local folder, depth 0  |LEVEL SETPOINTS|\n"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
  }
  run = RunCli({"project", "show", example.string(), "--json"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.out.find("{\"number\": 3, \"plc\": true, \"folder\": false, \"depth\": 0, "
                         "\"text\": \"P1 RUN HRS  222222\", \"items\": [{\"item\": 2, "
                         "\"address\": {\"address\": \"N12:0\", \"data_type\": \"BCD 32\", "
                         "\"tag_name\": null}, \"leading_zeros\": false}]}"),
            std::string::npos)
      << run.out;

  // diff: Verify's list between two files.
  std::string changed = ReadText(example);
  changed.replace(changed.find("HIGH LEVEL ALARM"), 16, "HIGH LEVEL ALERT");
  WriteText(Path("changed.ovx"), changed);
  run = RunCli({"project", "diff", example.string(), example.string()});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, "");
  run = RunCli({"project", "diff", example.string(), Path("changed.ovx")});
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(run.out,
            "Port 1, message 6: text differs (PC \"HIGH LEVEL ALARM\", panel \"HIGH LEVEL "
            "ALERT\")\n");
  run = RunCli({"project", "diff", example.string(), Path("changed.ovx"), "--json"});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.out.find("\"equal\": false, \"differences\": [\n  {\"kind\": \"message\""),
            std::string::npos)
      << run.out;
  // A file that cannot be read: status 4, and a JSON object all the same.
  run = RunCli({"project", "diff", example.string(), Path("none.ovx"), "--json"});
  EXPECT_EQ(run.exitStatus, 4);
  EXPECT_EQ(run.out,
            "{\"command\": \"project diff\", \"result\": \"failed\", \"error\": "
            "\"Error Z002: You are trying to read from an invalid file\", \"details\": \"" +
                Path("none.ovx") + ": no such file\"}\n");
  run = RunCli({"project", "show", "--json"});
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_NE(run.out.find("\"error\": \"project show takes one project FILE\""), std::string::npos)
      << run.out;
}

TEST_F(ProjectCliTest, ConfigPortShowsAndStoresThePort) {
  const fs::path machine = install_.Dir() / "orvane.ini";
  ProgramResult run = RunCli({"config", "port"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, "Port: not set (orvane-cli panel then needs --port; it would be stored in " +
                         machine.string() + ")\n");
  run = RunCli({"config", "port", "/dev/ttyUSB7"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, "Port: /dev/ttyUSB7\nStored in: " + machine.string() + "\n");
  run = RunCli({"config", "port", "COM2"});
  EXPECT_EQ(run.out, "Port: COM2 (/dev/ttyS1)\nStored in: " + machine.string() + "\n");
  EXPECT_EQ(RunCli({"config", "port"}).out, run.out);
  EXPECT_EQ(RunCli({"config", "port", "ttyUSB0"}).exitStatus, 2);
  // The panel commands take it when --port is not given.
  run = RunCli({"panel", "info", "--json"});
  EXPECT_NE(run.out.find("\"port\": \"COM2\""), std::string::npos) << run.out;
}

TEST_F(ProjectCliTest, TheConversionLogIsDatedInTheUsersLocale) {
  // A German locale made for this test only.
  const fs::path locales = MakeTempDir("locales");
  ASSERT_EQ(RunProgram("/usr/bin/localedef",
                       {"-i", "de_DE", "-f", "UTF-8", (locales / "de_DE.UTF-8").string()})
                .exitStatus,
            0);
  ::setenv("LOCPATH", locales.c_str(), 1);
  ::setenv("LC_TIME", "de_DE.UTF-8", 1);
  const ProgramResult run =
      RunCli({"project", "set-plc", Golden("single-panel.ovx"), "--plc", "1:9", "-o",
              Path("kestrel.ovx"), "--yes", "--log", Path("log.txt")});
  ::unsetenv("LC_TIME");
  ::unsetenv("LOCPATH");
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  const std::string log = ReadText(Path("log.txt"));
  const std::string created = log.substr(0, log.find('\n', log.find('\n') + 1));
  // "%c" in German: "Mo 03 Feb 2025 14:05:09 UTC", the weekday first.
  const std::regex german(
      "Address conversion log file\nCreated on : (Mo|Di|Mi|Do|Fr|Sa|So) \\d\\d \\S+ \\d{4} "
      "\\d\\d:\\d\\d:\\d\\d.*");
  EXPECT_TRUE(std::regex_match(created, german)) << created;
}

TEST_F(ProjectCliTest, HelpNamesTheCommandsAndExitStatuses) {
  const ProgramResult run = RunCli({"project", "--help"});
  EXPECT_EQ(run.exitStatus, 0);
  for (const char* text : {"new", "info", "check", "show", "diff", "save", "set-plc",
                           "export-panel", "import-panel", "tagmap check", "Exit status"}) {
    EXPECT_NE(run.out.find(text), std::string::npos) << text;
  }
  EXPECT_NE(RunCli({"--help"}).out.find("project"), std::string::npos);
}

}  // namespace
}  // namespace orvane::testing
