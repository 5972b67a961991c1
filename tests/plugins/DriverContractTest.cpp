// The contract every driver plug-in keeps, over all eight loaded drivers:
// identity, details, default attribute file byte for byte, exported
// symbols, the silent twins, the application type and the attribute file
// checks. Their grammars have tables of their own.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/plugins/DriverUnderTest.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

using Bytes = std::vector<unsigned char>;

struct DriverFacts {
  const char* file;
  const char* name;
  unsigned char manufacturer;
  unsigned char model;
  const char* maker;
  const char* modelPart;
  const char* protocol;
  const char* driverImage;
  const char* helpFile;
  const char* helpFileOtherTypes;
  int32_t mainHelp;
  int32_t dialogHelp;
  int32_t mapLength;
  int32_t bitOffset;
  int32_t wordOffset;
  int32_t c;
  int32_t typeOffset;
  unsigned char e;
  unsigned char f;
  unsigned char g;
  // The bytes from offset 32 on; before them the two codes and 30 zeros.
  Bytes attributeBody;
};

void PrintTo(const DriverFacts& facts, std::ostream* os) {
  *os << facts.file;
}

Bytes DefaultFile(const DriverFacts& facts) {
  Bytes bytes(32, 0);
  bytes[0] = facts.manufacturer;
  bytes[1] = facts.model;
  bytes.insert(bytes.end(), facts.attributeBody.begin(), facts.attributeBody.end());
  return bytes;
}

const DriverFacts kDrivers[] = {
    {"Brisko",
     "Allen-Bradley SLC 500/MicroLogix DF1(Half Duplex) - Rev C",
     1,
     4,
     "Allen-Bradley",
     "SLC 500/MicroLogix",
     "DF1(Half Duplex)",
     "BriskoPanel",
     "Quenby.hlp",
     "QuenbyX.hlp",
     0x30015,
     0x30010,
     7,
     6,
     4,
     2,
     1,
     1,
     1,
     1,
     {15, 0, 0, 1, 1, 4, 0, 0, 1, 0, 0, 0, 0, 30, 0}},
    {"Calden",
     "DirectLogic (Except 330/340) DirectNet - Rev D",
     31,
     1,
     "DirectLogic",
     "(Except 330/340)",
     "DirectNet",
     "CaldenPanel",
     "Ostrum.hlp",
     "OstrumX.hlp",
     0x30005,
     0x30000,
     5,
     3,
     1,
     2,
     4,
     0,
     0,
     1,
     {8, 0, 3, 1, 0, 0, 0, 20}},
    {"Dunmore",
     "DirectLogic DirectNet 330/340  - Rev C",
     31,
     4,
     "DirectLogic",
     "DirectNet 330/340",
     "",
     "DunmorePanel",
     "Ostrum.hlp",
     "OstrumX.hlp",
     0x30035,
     0x30030,
     6,
     3,
     1,
     1,
     4,
     0,
     0,
     1,
     {8, 0, 4, 0, 0, 0, 0, 40}},
    {"Fallon",
     "DirectLogic  Modbus (Koyo addressing) - Rev C",
     31,
     3,
     "DirectLogic",
     "",
     "Modbus (Koyo addressing)",
     "FallonPanel",
     "Ostrum.hlp",
     "OstrumX.hlp",
     0x30025,
     0x30020,
     6,
     4,
     2,
     1,
     5,
     1,
     0,
     1,
     {14, 0, 1, 3, 2, 0, 0, 0, 0, 3, 3, 30, 0, 0}},
    {"Harlow",
     "Allen-Bradley SLC 500 DF1(Full Duplex) - Rev C",
     1,
     9,
     "Allen-Bradley",
     "SLC 500",
     "DF1(Full Duplex)",
     "HarlowPanel",
     "Quenby.hlp",
     "QuenbyX.hlp",
     0x30045,
     0x30040,
     7,
     6,
     4,
     2,
     1,
     1,
     1,
     1,
     {9, 0, 4, 2, 0, 0, 0, 30, 0}},
    {"Merrow",
     "Allen-Bradley MicroLogix DF1(Full Duplex) - Rev C",
     1,
     8,
     "Allen-Bradley",
     "MicroLogix",
     "DF1(Full Duplex)",
     "MerrowPanel",
     "Quenby.hlp",
     "QuenbyX.hlp",
     0x30035,
     0x30030,
     7,
     6,
     4,
     2,
     1,
     1,
     1,
     1,
     {9, 0, 4, 2, 0, 0, 0, 30, 0}},
    {"Pellam",
     "Mitsubishi  Melsec FX - Rev C",
     9,
     1,
     "Mitsubishi",
     "",
     "Melsec FX",
     "PellamPanel",
     "Vesper.hlp",
     "VesperX.hlp",
     0x30005,
     0x30000,
     7,
     4,
     2,
     2,
     1,
     1,
     0,
     1,
     {13, 0, 0, 1, 3, 2, 0, 0, 1, 1, 0, 30, 0}},
    {"Tandry",
     "Entivity (Think & Do)  Modbus - Rev D",
     34,
     1,
     "Entivity (Think & Do)",
     "",
     "Modbus",
     "TandryPanel",
     "Tandry.hlp",
     "TandryX.hlp",
     0x30005,
     0x30000,
     5,
     4,
     2,
     1,
     1,
     1,
     0,
     0,
     {14, 0, 1, 3, 2, 0, 0, 0, 0, 3, 3, 30, 0, 0}},
};

class DriverContract : public ::testing::TestWithParam<DriverFacts> {
 protected:
  DriverUnderTest driver_{GetParam().file};
};

TEST_P(DriverContract, IdentityAndDetails) {
  const DriverFacts& facts = GetParam();
  EXPECT_EQ(*driver_.Export<unsigned char*>(PLC_SYM_MFG_CODE), facts.manufacturer);
  EXPECT_EQ(*driver_.Export<unsigned char*>(PLC_SYM_MODEL_CODE), facts.model);
  EXPECT_EQ(*driver_.Export<unsigned char*>(PLC_SYM_PROTOCOL_CODE), 0);
  EXPECT_STREQ(driver_.Export<const char*>(PLC_SYM_NAME), facts.name);

  PlcDetailsInfo details{};
  driver_.Export<PlcDetailsFn>(PLC_SYM_DETAILS)(&details);
  EXPECT_STREQ(details.name, facts.name);
  EXPECT_STREQ(details.driverImage, facts.driverImage);
  EXPECT_EQ(details.manufacturerCode, facts.manufacturer);
  EXPECT_EQ(details.modelCode, facts.model);
  EXPECT_EQ(details.protocolCode, 0);
  EXPECT_STREQ(details.maker, facts.maker);
  EXPECT_STREQ(details.model, facts.modelPart);
  EXPECT_STREQ(details.protocol, facts.protocol);
  EXPECT_STREQ(details.helpFile, facts.helpFile);
  EXPECT_EQ(details.mainHelpContext, facts.mainHelp);
  EXPECT_EQ(details.dialogHelpContext, facts.dialogHelp);
  EXPECT_EQ(details.mapLength, facts.mapLength);
  EXPECT_EQ(details.bitOffset, facts.bitOffset);
  EXPECT_EQ(details.wordOffset, facts.wordOffset);
  EXPECT_EQ(details.characteristicC, facts.c);
  EXPECT_EQ(details.typeOffset, facts.typeOffset);
  EXPECT_EQ(details.characteristicE, facts.e);
  EXPECT_EQ(details.characteristicF, facts.f);
  EXPECT_EQ(details.characteristicG, facts.g);

  for (const int type : {1, 2, 0}) {
    driver_.SetApplicationType(type);
    PlcDetailsInfo typed{};
    driver_.Export<PlcDetailsFn>(PLC_SYM_DETAILS)(&typed);
    EXPECT_STREQ(typed.helpFile, type == 0 ? facts.helpFile : facts.helpFileOtherTypes);
  }
}

TEST_P(DriverContract, OnlyTheContractLeavesThePlugin) {
  const std::string command =
      "nm -D --defined-only " +
      (StagedInstallDir() / "dll" / (std::string(GetParam().file) + ".so")).string();
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::set<std::string> names;
  char line[512];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::string text(line);
    text.erase(text.find_last_not_of('\n') + 1);
    names.insert(text.substr(text.rfind(' ') + 1));
  }
  ASSERT_EQ(pclose(pipe), 0);
  const std::set<std::string> contract = {
      PLC_SYM_MFG_CODE,   PLC_SYM_MODEL_CODE,         PLC_SYM_PROTOCOL_CODE, PLC_SYM_NAME,
      PLC_SYM_VALIDATE,   PLC_SYM_VALIDATE_SILENT,    PLC_SYM_REBUILD,       PLC_SYM_REBUILD_SILENT,
      PLC_SYM_DETAILS,    PLC_SYM_CREATE_DEFAULT_ATR, PLC_SYM_ATR_EXISTS,    PLC_SYM_ATR_MATCHES,
      PLC_SYM_LAUNCH,     PLC_SYM_LAUNCH_ORVANE,      PLC_SYM_COMPARE,       PLC_SYM_SET_APP_TYPE,
      PLC_SYM_RELEASE_MAP};
  EXPECT_EQ(names, contract);
}

TEST_P(DriverContract, DefaultAttributeFileByteForByte) {
  const Bytes expected = DefaultFile(GetParam());
  const std::filesystem::path dir = MakeTempDir("contract-atr");
  const std::string path = (dir / "temp.atr").string();
  WriteBytes(path, Bytes(100, 0xEE));
  ASSERT_TRUE(driver_.Export<PlcPathFn>(PLC_SYM_CREATE_DEFAULT_ATR)(path.c_str()));
  EXPECT_EQ(ReadBytes(path), expected);
  EXPECT_TRUE(driver_.Export<PlcPathFn>(PLC_SYM_ATR_MATCHES)(path.c_str()));

  // Another driver's file does not match and is replaced by this driver's
  // defaults before its (here headless) dialog would open.
  Bytes foreign = expected;
  foreign[1] = static_cast<unsigned char>(foreign[1] + 1);
  WriteBytes(path, foreign);
  EXPECT_FALSE(driver_.Export<PlcPathFn>(PLC_SYM_ATR_MATCHES)(path.c_str()));
  EXPECT_TRUE(driver_.Export<PlcPathFn>(PLC_SYM_LAUNCH_ORVANE)(path.c_str()));
  EXPECT_EQ(ReadBytes(path), expected);
}

TEST_P(DriverContract, SilentTwinsShowNothingAndSwitchBack) {
  const auto validate = driver_.Export<PlcValidateFn>(PLC_SYM_VALIDATE);
  const auto validateSilently = driver_.Export<PlcValidateFn>(PLC_SYM_VALIDATE_SILENT);
  const auto rebuild = driver_.Export<PlcRebuildFn>(PLC_SYM_REBUILD);
  const auto rebuildSilently = driver_.Export<PlcRebuildFn>(PLC_SYM_REBUILD_SILENT);
  // Text no driver accepts, and a map string none can express.
  const char* const bad = "??";
  Bytes badMap(static_cast<size_t>(GetParam().mapLength), 0xEE);

  PlcAddress record = SentinelRecord();
  EXPECT_FALSE(validateSilently(&record, bad, 0, 8, 0, 0));
  EXPECT_TRUE(driver_.messages.empty());
  EXPECT_TRUE(IsSentinel(record));
  EXPECT_FALSE(validate(&record, bad, 0, 8, 0, 0));
  EXPECT_FALSE(driver_.messages.empty());
  driver_.messages.clear();

  PlcAddress address = SentinelRecord();
  address.mapString = badMap.data();
  char text[PLC_ADDRESS_TEXT_CAPACITY] = {};
  char reserved[PLC_ADDRESS_TEXT_CAPACITY] = {};
  EXPECT_FALSE(rebuildSilently(&address, text, reserved));
  EXPECT_TRUE(driver_.messages.empty());
  EXPECT_STREQ(text, "");
  EXPECT_FALSE(rebuild(&address, text, reserved));
  EXPECT_FALSE(driver_.messages.empty());
  driver_.messages.clear();
  EXPECT_FALSE(validate(&record, bad, 0, 8, 0, 0));
  EXPECT_FALSE(driver_.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Drivers, DriverContract, ::testing::ValuesIn(kDrivers),
                         [](const ::testing::TestParamInfo<DriverFacts>& info) {
                           return std::string(info.param.file);
                         });

}  // namespace
}  // namespace orvane::testing
