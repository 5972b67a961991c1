// orvane-cli address validate --raw and address rebuild on every driver:
// each family's examples with their exact map strings and messages, the
// raw data type code, the application type and the check flags.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/RunProgram.h"

namespace orvane::testing {
namespace {

std::string Valid(const char* text, const char* map, int access, int isBit, const char* canonical) {
  char line[256];
  std::snprintf(line, sizeof line, "%-14s valid    map %s  access %d  is-bit %d  canonical %s\n",
                text, map, access, isBit, canonical);
  return line;
}

std::string Invalid(const char* text, const char* message) {
  char line[256];
  std::snprintf(line, sizeof line, "%-14s invalid  %s\n", text, message);
  return line;
}

struct CliCase {
  std::vector<std::string> args;
  std::string out;
  int status;
};

const char* const kUnit = "Error T02_1:  Invalid Unit Number.";
const char* const kBit = "Error T02_4:  Invalid Bit Number.";
const char* const kDataType =
    "Error T02_7:  Address type does not match Tag data type, or the address is invalid.";
const char* const kEven = "Error T02_5:  Address is not Word Aligned (Even address is required).";

TEST(CliAddress, EveryFamilysExamples) {
  const std::vector<std::string> validate = {"address", "validate", "--raw", "--plc"};
  const auto with = [&](std::vector<std::string> rest) {
    std::vector<std::string> args = validate;
    args.insert(args.end(), rest.begin(), rest.end());
    return args;
  };
  const CliCase cases[] = {
      {with({"Merrow", "I:0/3", "O:2/15", "I1:0/0", "I:123456", "3-N7:0"}),
       Valid("I:0/3", "FF 01 00 01 00 00 03", 1, 1, "I:000/03") +
           Valid("O:2/15", "FF 00 00 00 00 02 0F", 1, 1, "O:002/15") +
           Invalid("I1:0/0",
                   "Error T02_3:  Invalid Address (File numbers are not allowed in I,O,S types)") +
           Invalid("I:123456", "Error T02_3:  Invalid Address (Invalid flag delimiter)") +
           Invalid("3-N7:0", "Error T02_3:  Invalid Address (Invalid File type)"),
       1},
      {with({"Harlow", "I:0/0", "N7:0"}),
       Invalid("I:0/0",
               "Error T02_3:  Invalid Address (Types I and O are not supported for SLC "
               "500-Half Duplex).") +
           Valid("N7:0", "FF 07 00 07 00 00 FF", 0, 0, "N7:0"),
       1},
      {with({"Calden", "--type-code", "0", "X20", "V2000/17", "V2000/20"}),
       Valid("X20", "01 41 01 00 00", 0, 1, "X0020") +
           Valid("V2000/17", "01 04 00 0F 02", 0, 1, "V02000/17") + Invalid("V2000/20", kBit),
       1},
      {with({"31:1", "V2000", "X20", "91-V2000", "Q100"}),
       Valid("V2000", "01 04 00 FF 02", 0, 0, "V02000") + Invalid("X20", kDataType) +
           Invalid("91-V2000", kUnit) + Invalid("Q100", "Error T02_2:  Invalid Address Type."),
       1},
      {with({"Dunmore", "R401", "R400", "R37"}),
       Invalid("R401", kEven) + Valid("R400", "01 00 41 FF 04 31", 0, 0, "R400") +
           Valid("R37", "01 00 20 FF 04 33", 0, 0, "R037"),
       1},
      {with({"Dunmore", "--type-code", "0", "IO157", "R0/17"}),
       Valid("IO157", "01 00 0E 07 00 33", 0, 1, "IO157") +
           Valid("R0/17", "01 00 01 0F 04 33", 0, 1, "R000/17"),
       0},
      {with({"Fallon", "V1200", "248-V1200"}),
       Valid("V1200", "FF 03 02 81 FF 02", 0, 0, "V01200") + Invalid("248-V1200", kUnit), 1},
      {with({"Fallon", "--type-code", "0", "X0"}), Valid("X0", "FF 01 08 01 00 00", 1, 1, "X0000"),
       0},
      {with({"Pellam", "D100", "D8000", "D800", "X17", "X18", "C210", "M8002", "33-D0", "1-D100"}),
       Valid("D100", "FF 07 10 C8 FF 00 64", 0, 0, "D100") +
           Valid("D8000", "FF 08 0E 00 FF 1F 40", 1, 0, "D8000") +
           Invalid("D800", "Error T02_2:  Invalid Address Type.") +
           Valid("X17", "FF 00 00 80 0F 04 0F", 1, 1, "X17") +
           Invalid("X18", "Error T02_3:  Invalid Address") +
           Valid("C210", "FF 05 0C 28 FF 00 D2", 1, 0, "C210") +
           Valid("M8002", "FF 0B 01 E0 02 0F 02", 1, 1, "M8002") +
           Invalid("33-D0", "Error T02_1:  Invalid station address") +
           Valid("1-D100", "01 07 10 C8 FF 00 64", 0, 0, "1-D100"),
       1},
      {with({"Tandry", "1-N5", "1-C0", "1-X5", "Tank,7,5,x", "Tank,7,5", "40001", "1-C3000",
             "1-I6144"}),
       Valid("1-N5", "01 03 10 0B 00", 0, 0, "1-N5") +
           Valid("1-C0", "01 03 00 01 00", 0, 0, "1-C0") +
           Invalid("1-X5", "Error T02_2:  Invalid Address Type") +
           Valid("Tank,7,5,x", "00 03 10 0B 00", 0, 0, "0-N5") +
           Invalid("Tank,7,5",
                   "Error T02_3:  Invalid Address (Not getting correct string from T&D map "
                   "file).") +
           Invalid("40001",
                   "Error T02_3:  Invalid Address (Not getting correct string from T&D map "
                   "file).") +
           Invalid("1-C3000", "Error T02_3:  Invalid Address (Invalid Tandry Index).") +
           Invalid("1-I6144", "Error T02_3:  Invalid Address (Invalid Tandry Index)."),
       1},
      // The check flags, and the application type.
      {with({"Brisko", "--check-access", "--access", "0", "S:1", "N7:0"}),
       Invalid("S:1", "Error T02_2:  Invalid Address Type.") +
           Valid("N7:0", "FF 07 00 07 00 00 FF", 0, 0, "N7:0"),
       1},
      {with({"Pellam", "--check-type", "--type-code", "0", "D100", "M5"}),
       Invalid("D100", kDataType) + Valid("M5", "FF 0A 01 00 05 08 05", 0, 1, "M5"), 1},
      {with({"Brisko", "--app-type", "0", "F8:0"}),
       Valid("F8:0", "FF 08 00 08 00 00 FF", 0, 0, "F8:0"), 0},
      {with({"Brisko", "F8:0"}),
       Invalid("F8:0", "Orvane does not support floating point address types"), 1},
  };
  for (const CliCase& c : cases) {
    const ProgramResult run = RunCli(c.args);
    EXPECT_EQ(run.out, c.out) << c.args[4];
    EXPECT_EQ(run.exitStatus, c.status) << c.args[4] << run.err;
  }
}

TEST(CliAddress, RebuildTellsTheTextAndWhetherItReadsBack) {
  const CliCase cases[] = {
      {{"address", "rebuild", "--plc", "1:4", "--map", "FF 07 00 07 00 00 FF"},
       "FF 07 00 07 00 00 FF  rebuilt N7:0  (validates back to the same map string)\n",
       0},
      {{"address", "rebuild", "--plc", "Tandry", "--map", "0103100B00"},
       "01 03 10 0B 00  rebuilt 1-N5  (validates back to the same map string)\n",
       0},
      // The second word of an N element rebuilds as the element.
      {{"address", "rebuild", "--plc", "Tandry", "--map", "01 03 10 0C 00"},
       "01 03 10 0C 00  rebuilt 1-N5  (validates back to 01 03 10 0B 00)\n",
       0},
      {{"address", "rebuild", "--plc", "Dunmore", "--map", "01 00 0E 07 00 33"},
       "01 00 0E 07 00 33  rebuilt IO157  (does not validate again: Error T02_7:  Address type "
       "does not match Tag data type, or the address is invalid.)\n",
       0},
      {{"address", "rebuild", "--plc", "Dunmore", "--map", "01 00 0E 07 00 33", "--type-code", "0",
        "--json"},
       "{\"map\": \"01 00 0E 07 00 33\", \"rebuilt\": true, \"text\": \"IO157\", \"message\": "
       "\"\", \"revalidated_map\": \"01 00 0E 07 00 33\", \"round_trip\": true}\n",
       0},
      {{"address", "rebuild", "--plc", "Brisko", "--map", "FF 08 00 08 00 00 FF"},
       "FF 08 00 08 00 00 FF  refused  Orvane does not support floating point address types\n",
       1},
      {{"address", "rebuild", "--plc", "Brisko", "--app-type", "0", "--map",
        "FF 08 00 08 00 00 FF"},
       "FF 08 00 08 00 00 FF  rebuilt F8:0  (validates back to the same map string)\n",
       0},
      {{"address", "rebuild", "--plc", "Pellam", "--map", "FF 0C 00 00 FF 00 00", "--json"},
       "{\"map\": \"FF 0C 00 00 FF 00 00\", \"rebuilt\": false, \"text\": \"\", \"message\": "
       "\"Error T02_2:  Invalid Address Type.\", \"revalidated_map\": \"\", \"round_trip\": "
       "false}\n",
       1},
  };
  for (const CliCase& c : cases) {
    const ProgramResult run = RunCli(c.args);
    EXPECT_EQ(run.out, c.out) << c.args[5];
    EXPECT_EQ(run.exitStatus, c.status) << c.args[5] << run.err;
  }
}

TEST(CliAddress, BadDriverCallsAreUsageErrors) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"address", "validate", "--plc", "1:4", "--type-code", "0", "N7:0"}, "need --raw"},
      {{"address", "validate", "--raw", "--plc", "1:4", "--type-code", "13", "N7:0"},
       "--type-code"},
      {{"address", "validate", "--raw", "--plc", "1:4", "--app-type", "3", "N7:0"}, "--app-type"},
      {{"address", "validate", "--raw", "--plc", "1:4", "--type-code", "0", "--data-type", "1",
        "N7:0"},
       "either --data-type or --type-code"},
      {{"address", "rebuild", "--plc", "1:4", "--map", "FF 07 00"}, "has 7 bytes"},
      {{"address", "rebuild", "--plc", "1:4", "--map", "FF 07 zz"}, "hexadecimal bytes"},
      {{"address", "rebuild", "--plc", "1:4"}, "missing --map"},
  };
  for (const auto& [args, inError] : cases) {
    const ProgramResult run = RunCli(args);
    EXPECT_EQ(run.exitStatus, 2) << run.err;
    EXPECT_NE(run.err.find(inError), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace orvane::testing
