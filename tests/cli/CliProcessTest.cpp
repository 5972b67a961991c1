// The staged orvane-cli run as a process, as a user or a script runs it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/RunProgram.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

struct ListedDriver {
  const char* file;
  const char* name;
  int manufacturer;
  int model;
  int mapLength;
  const char* image;
};

// Every staged driver, in file-name order.
const ListedDriver kListed[] = {
    {"Brisko", "Allen-Bradley SLC 500/MicroLogix DF1(Half Duplex) - Rev C", 1, 4, 7, "BriskoPanel"},
    {"Calden", "DirectLogic (Except 330/340) DirectNet - Rev D", 31, 1, 5, "CaldenPanel"},
    {"Dunmore", "DirectLogic DirectNet 330/340  - Rev C", 31, 4, 6, "DunmorePanel"},
    {"Fallon", "DirectLogic  Modbus (Koyo addressing) - Rev C", 31, 3, 6, "FallonPanel"},
    {"Harlow", "Allen-Bradley SLC 500 DF1(Full Duplex) - Rev C", 1, 9, 7, "HarlowPanel"},
    {"Merrow", "Allen-Bradley MicroLogix DF1(Full Duplex) - Rev C", 1, 8, 7, "MerrowPanel"},
    {"Pellam", "Mitsubishi  Melsec FX - Rev C", 9, 1, 7, "PellamPanel"},
    {"Tandry", "Entivity (Think & Do)  Modbus - Rev D", 34, 1, 5, "TandryPanel"},
};

std::string PluginPath(const ListedDriver& driver) {
  return (StagedInstallDir() / "dll" / (std::string(driver.file) + ".so")).string();
}

TEST(CliPlc, ListsTheInstalledDrivers) {
  const ProgramResult run = RunCli({"plc", "list"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  std::string expected;
  for (const ListedDriver& driver : kListed) {
    expected += std::string(driver.name) + "\n  codes " + std::to_string(driver.manufacturer) +
                ":" + std::to_string(driver.model) + ", map length " +
                std::to_string(driver.mapLength) + ", driver image " + driver.image + "\n  " +
                PluginPath(driver) + "\n";
  }
  EXPECT_EQ(run.out, expected);
}

TEST(CliPlc, ListsAsJson) {
  const ProgramResult run = RunCli({"plc", "list", "--json"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  std::string expected = "[";
  for (const ListedDriver& driver : kListed) {
    expected += std::string(expected.size() > 1 ? "," : "") + "\n  {\"name\": \"" + driver.name +
                "\", \"manufacturer\": " + std::to_string(driver.manufacturer) +
                ", \"model\": " + std::to_string(driver.model) +
                ", \"map_length\": " + std::to_string(driver.mapLength) + ", \"driver_image\": \"" +
                driver.image + "\", \"path\": \"" + PluginPath(driver) + "\"}";
  }
  EXPECT_EQ(run.out, expected + "\n]\n");
}

TEST(CliPlc, WritesTheDefaultAttributeFile) {
  const std::string path = (MakeTempDir("cli-atr") / "brisko.atr").string();
  const ProgramResult run = RunCli({"plc", "default-attributes", "1:4", "-o", path});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  const std::vector<unsigned char> bytes = ReadBytes(path);
  ASSERT_EQ(bytes.size(), 47u);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(bytes[1], 4);
  EXPECT_EQ(bytes[32], 15);
  EXPECT_EQ(bytes[45], 30);
}

TEST(CliAddress, RawValidationGivesTheMapString) {
  const ProgramResult run = RunCli({"address", "validate", "--raw", "--plc", "1:4", "N7:0"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out,
            "N7:0           valid    map FF 07 00 07 00 00 FF  access 0  is-bit 0  canonical "
            "N7:0\n");
  EXPECT_EQ(run.err, "");
}

TEST(CliAddress, JsonCarriesTheDriverAndHostMessages) {
  const ProgramResult run = RunCli({"address", "validate", "--json", "--access", "1", "--plc",
                                    "Brisko", "b3/100", "N7:0/3", "N8:0", ""});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out,
            "[\n"
            "  {\"text\": \"b3/100\", \"valid\": false, \"map\": \"\", \"access\": null, "
            "\"is_bit\": null, \"canonical\": \"\", \"message\": \"Error Z007: Discrete "
            "addresses are not allowed here.\"},\n"
            "  {\"text\": \"N7:0/3\", \"valid\": false, \"map\": \"\", \"access\": null, "
            "\"is_bit\": null, \"canonical\": \"\", \"message\": \"Error Z007: Discrete "
            "addresses are not allowed here.\"},\n"
            "  {\"text\": \"N8:0\", \"valid\": false, \"map\": \"\", \"access\": null, "
            "\"is_bit\": null, \"canonical\": \"\", \"message\": \"Error T02_3:  Invalid Address "
            "(Invalid file number)\"},\n"
            "  {\"text\": \"\", \"valid\": true, \"map\": \"\", \"access\": null, \"is_bit\": "
            "null, \"canonical\": \"\", \"message\": \"\"}\n"
            "]\n");
  // Driver and host messages also show on standard error, as they happen.
  EXPECT_EQ(run.err,
            "Error Z007: Discrete addresses are not allowed here.\n"
            "Error Z007: Discrete addresses are not allowed here.\n"
            "Error T02_3:  Invalid Address (Invalid file number)\n");
}

TEST(CliAddress, RawKeepsBitsAndReadOnlyAddresses) {
  const ProgramResult run =
      RunCli({"address", "validate", "--raw", "--json", "--plc", "1:4", "5-b3/100", "S:1"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.out.find("{\"text\": \"5-b3/100\", \"valid\": true, \"map\": \"05 03 00 03 00 "
                         "06 04\", \"access\": 0, \"is_bit\": 1, \"canonical\": \"5-B3:6/4\", "
                         "\"message\": \"\"}"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\"access\": 1, \"is_bit\": 0, \"canonical\": \"S:1\""), std::string::npos)
      << run.out;
}

TEST(CliExitStatus, UsageAndMissingDriversAreTold) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* inError;
  };
  const Case cases[] = {
      {{"address", "validate", "N7:0"}, 2, "missing --plc"},
      {{"address", "validate", "--plc", "1:4"}, 2, "no address given"},
      {{"address", "validate", "--plc", "1:4", "--access", "3", "N7:0"}, 2, "--access"},
      {{"address", "validate", "--plc", "1:x", "N7:0"}, 2, "codes are numbers"},
      {{"address", "validate", "--plc", "../Brisko", "N7:0"}, 2, "neither MFG:MODEL"},
      {{"address", "validate", "--plc", "9:9", "N7:0"}, 4, "no PLC driver for manufacturer 9"},
      {{"address", "validate", "--plc", "Nothing", "N7:0"}, 4, "no PLC driver"},
      {{"plc", "default-attributes", "1:4"}, 2, "missing -o"},
      {{"plc", "frobnicate"}, 2, "unknown plc command"},
      {{"nonsense"}, 2, "unknown command"},
  };
  for (const Case& c : cases) {
    const ProgramResult run = RunCli(c.args);
    EXPECT_EQ(run.exitStatus, c.status) << run.err;
    EXPECT_NE(run.err.find(c.inError), std::string::npos) << run.err;
  }
}

TEST(CliHelp, EveryGroupExplainsItself) {
  const ProgramResult top = RunCli({"--help"});
  EXPECT_EQ(top.exitStatus, 0);
  EXPECT_NE(top.out.find("plc"), std::string::npos);
  EXPECT_NE(top.out.find("address"), std::string::npos);
  const ProgramResult address = RunCli({"address", "validate", "--help"});
  EXPECT_EQ(address.exitStatus, 0);
  EXPECT_NE(address.out.find("--raw"), std::string::npos);
  EXPECT_NE(address.out.find("MFG:MODEL"), std::string::npos);
}

}  // namespace
}  // namespace orvane::testing
