// Brisko's exports besides the grammar: rebuild, order, message switch,
// application type, details and the attribute file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "corvel/CorvelExports.h"
#include "tests/plugins/DriverUnderTest.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

using Bytes = std::vector<unsigned char>;

const Bytes kDefaultAttributeFile = {1,  4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0, 0,
                                     0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0, 0,
                                     15, 0, 0, 1, 1, 4, 0, 0, 1, 0, 0, 0, 0, 30, 0};

// Identity, details and exported symbols: DriverContractTest, for every
// driver.

TEST(BriskoApplicationType, PicksTheHelpFileAndReachesTheGrammar) {
  DriverUnderTest brisko;
  const auto setType = brisko.Export<PlcSetApplicationTypeFn>(PLC_SYM_SET_APP_TYPE);
  const auto details = [&] {
    PlcDetailsInfo info{};
    brisko.Export<PlcDetailsFn>(PLC_SYM_DETAILS)(&info);
    return std::string(info.helpFile);
  };
  for (const int type : {1, 2, -5, 0, 7}) {
    setType(type);
    EXPECT_EQ(details(), type == 0 ? "Quenby.hlp" : "QuenbyX.hlp") << type;
  }
  // The floating point file follows the type too, in both directions.
  bool ok = false;
  EXPECT_EQ(brisko.Rebuild({0xFF, 8, 0, 8, 0, 0, 0xFF}, ok), "");
  EXPECT_FALSE(ok);
  setType(0);
  EXPECT_EQ(brisko.Rebuild({0xFF, 8, 0, 8, 0, 0, 0xFF}, ok), "F8:0");
  EXPECT_TRUE(ok);
}

struct RebuildCase {
  Bytes map;
  const char* text;     // empty: refused with message
  int isBit;            // after a successful rebuild
  const char* message;  // refused ones
  unsigned style;
};

TEST(BriskoRebuild, WritesTheCanonicalTextOrRefuses) {
  const RebuildCase cases[] = {
      {{0xFF, 7, 0, 7, 0, 0, 0xFF}, "N7:0", 0, "", 0},
      {{0xFF, 7, 0, 7, 0, 0, 3}, "N7:0/3", 1, "", 0},
      {{5, 3, 0, 3, 0, 6, 4}, "5-B3:6/4", 1, "", 0},
      {{0, 7, 0, 9, 0, 255, 15}, "0-N9:255/15", 1, "", 0},
      {{0xFF, 4, 0, 4, 0, 2, 1}, "T4:2.ACC", 0, "", 0},
      {{0xFF, 4, 0, 4, 0, 2, 13}, "T4:2.DN", 1, "", 0},
      {{0xFF, 6, 0, 6, 0, 0, 0}, "R6:0.LEN", 0, "", 0},
      {{0xFF, 5, 0, 12, 0, 7, 11}, "C12:7.UN", 1, "", 0},
      {{0xFF, 2, 0, 2, 0, 1, 0xFF}, "S:1", 0, "", 0},
      {{0xFF, 1, 0, 1, 0, 10, 12}, "I:012/14", 1, "", 0},
      {{0xFF, 0, 0, 0, 0, 8, 0xFF}, "O:010", 0, "", 0},
      {{0xFF, 7, 0, 7, 0, 0, 200}, "N7:0", 0, "", 0},
      {{32, 7, 0, 7, 0, 0, 0xFF}, "", 0, "Error T02_1:  Invalid Station Address", CORVEL_MB_PLAIN},
      {{0xFF, 9, 0, 7, 0, 0, 0xFF},
       "",
       0,
       "Error T02_3:  Invalid Address (Invalid file type)",
       CORVEL_MB_ICON_EXCLAMATION},
      {{0xFF, 7, 0, 8, 0, 0, 0xFF},
       "",
       0,
       "Error T02_3:  Invalid Address (Invalid file number).",
       CORVEL_MB_ICON_EXCLAMATION},
      {{0xFF, 2, 0, 9, 0, 0, 0xFF},
       "",
       0,
       "Error T02_3:  Invalid Address (Invalid file number).",
       CORVEL_MB_ICON_EXCLAMATION},
      {{0xFF, 7, 1, 0, 0, 0, 0xFF},
       "",
       0,
       "Error T02_3:  Invalid Address (Invalid file number).",
       CORVEL_MB_ICON_EXCLAMATION},
      {{0xFF, 7, 0, 7, 1, 0, 0xFF},
       "",
       0,
       "Error T02_3:  Invalid Address (Invalid word address)",
       CORVEL_MB_ICON_EXCLAMATION},
      {{0xFF, 4, 0, 4, 0, 0, 5},
       "",
       0,
       "Error T02_3:  Invalid Address.",
       CORVEL_MB_ICON_EXCLAMATION},
      {{0xFF, 4, 0, 4, 0, 0, 0xFF},
       "",
       0,
       "Error T02_3:  Invalid Address.",
       CORVEL_MB_ICON_EXCLAMATION},
  };
  DriverUnderTest brisko;
  for (const RebuildCase& c : cases) {
    bool ok = false;
    PlcAddress record = SentinelRecord();
    const std::string text = brisko.Rebuild(c.map, ok, &record);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(ok, *c.text != '\0') << c.text;
    if (ok) {
      EXPECT_EQ(record.isBit, c.isBit) << c.text;
      EXPECT_TRUE(brisko.messages.empty());
    } else {
      EXPECT_EQ(record.isBit, 77) << "a refused rebuild leaves the record alone";
      ASSERT_EQ(brisko.messages.size(), 1u) << c.message;
      EXPECT_EQ(brisko.messages[0].text, c.message);
      EXPECT_EQ(brisko.messages[0].style, c.style);
    }
    brisko.messages.clear();
  }
}

TEST(BriskoRebuild, ValidatedTextsComeBackCanonical) {
  const std::pair<const char*, const char*> cases[] = {
      {"n7:0/03", "N7:0/3"}, {"5-B3/100", "5-B3:6/4"}, {"t4:2.acc", "T4:2.ACC"},
      {"07-b10", "7-B10:0"}, {"s:05", "S:5"},          {"r6:1.pos", "R6:1.POS"}};
  DriverUnderTest brisko;
  for (const auto& [typed, canonical] : cases) {
    PlcAddress record = SentinelRecord();
    ASSERT_TRUE(brisko.Validate(typed, record)) << typed;
    const int isBit = record.isBit;
    bool ok = false;
    PlcAddress rebuilt = record;
    EXPECT_EQ(brisko.Rebuild(brisko.TakeMap(record), ok, &rebuilt), canonical);
    EXPECT_TRUE(ok);
    // Rebuilding never changes what the validation said about the bit.
    EXPECT_EQ(rebuilt.isBit, isBit) << typed;
  }
}

TEST(BriskoOrder, StationTypeFileWordThenBit) {
  // Listed in the order they must sort into.
  std::vector<Bytes> maps = {{0, 7, 0, 7, 0, 0, 0xFF},    {31, 2, 0, 2, 0, 0, 0xFF},
                             {0xFF, 3, 0, 3, 0, 0, 0},    {0xFF, 3, 0, 3, 0, 0, 15},
                             {0xFF, 3, 0, 3, 0, 0, 0xFF}, {0xFF, 3, 0, 3, 0, 1, 0},
                             {0xFF, 3, 0, 3, 1, 0, 0xFF}, {0xFF, 3, 0, 9, 0, 0, 0xFF},
                             {0xFF, 7, 0, 7, 0, 0, 0xFF}, {0xFF, 7, 0, 255, 0, 0, 0xFF}};
  DriverUnderTest brisko;
  const auto compare = brisko.Export<PlcCompareFn>(PLC_SYM_COMPARE);
  for (size_t i = 0; i < maps.size(); ++i) {
    for (size_t j = 0; j < maps.size(); ++j) {
      const int expected = i < j ? -1 : (i > j ? 1 : 0);
      EXPECT_EQ(compare(maps[i].data(), maps[j].data()), expected) << i << " vs " << j;
    }
  }
}

TEST(BriskoMessageSwitch, SilentCallsShowNothingAndSwitchBack) {
  DriverUnderTest brisko;
  const auto validate = brisko.Export<PlcValidateFn>(PLC_SYM_VALIDATE);
  const auto validateSilently = brisko.Export<PlcValidateFn>(PLC_SYM_VALIDATE_SILENT);
  const auto rebuildSilently = brisko.Export<PlcRebuildFn>(PLC_SYM_REBUILD_SILENT);

  PlcAddress record = SentinelRecord();
  EXPECT_FALSE(validateSilently(&record, "N8:0", 0, 8, 0, 0));
  EXPECT_TRUE(brisko.messages.empty());
  EXPECT_FALSE(validate(&record, "N8:0", 0, 8, 0, 0));
  EXPECT_EQ(brisko.TakeTexts(),
            std::vector<std::string>{"Error T02_3:  Invalid Address (Invalid file number)"});

  Bytes badMap = {32, 7, 0, 7, 0, 0, 0xFF};
  PlcAddress bad = SentinelRecord();
  bad.mapString = badMap.data();
  char text[PLC_ADDRESS_TEXT_CAPACITY] = {};
  char reserved[PLC_ADDRESS_TEXT_CAPACITY] = {};
  EXPECT_FALSE(rebuildSilently(&bad, text, reserved));
  EXPECT_TRUE(brisko.messages.empty());
  EXPECT_FALSE(validate(&record, "X7:0", 0, 8, 0, 0));
  EXPECT_EQ(brisko.messages.size(), 1u);

  ASSERT_TRUE(validateSilently(&record, "N7:0", 0, 8, 0, 0));
  EXPECT_EQ(brisko.TakeMap(record), (Bytes{0xFF, 7, 0, 7, 0, 0, 0xFF}));
}

class BriskoAttributeFile : public ::testing::Test {
 protected:
  std::filesystem::path dir_ = MakeTempDir("brisko-atr");
  DriverUnderTest brisko_;
  PlcPathFn create_ = brisko_.Export<PlcPathFn>(PLC_SYM_CREATE_DEFAULT_ATR);
  PlcPathFn exists_ = brisko_.Export<PlcPathFn>(PLC_SYM_ATR_EXISTS);
  PlcPathFn matches_ = brisko_.Export<PlcPathFn>(PLC_SYM_ATR_MATCHES);
};

TEST_F(BriskoAttributeFile, DefaultFileByteForByte) {
  const std::string path = (dir_ / "brisko.atr").string();
  WriteBytes(path, Bytes(100, 0xEE));
  // A second name of the old file: the new file is written beside it and
  // renamed over it, so the old file itself is never cut short.
  std::filesystem::create_hard_link(path, dir_ / "old.atr");
  ASSERT_TRUE(create_(path.c_str()));
  EXPECT_EQ(ReadBytes(path), kDefaultAttributeFile);
  EXPECT_EQ(ReadBytes(dir_ / "old.atr"), Bytes(100, 0xEE));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_),
                          std::filesystem::directory_iterator()),
            2);
  EXPECT_TRUE(exists_(path.c_str()));
  EXPECT_TRUE(matches_(path.c_str()));
  EXPECT_TRUE(brisko_.messages.empty());
}

TEST_F(BriskoAttributeFile, CreationFailures) {
  EXPECT_FALSE(create_(""));
  ASSERT_EQ(brisko_.messages.size(), 1u);
  EXPECT_EQ(brisko_.messages[0].text, "Error M03_7:  Unable to save PLC attributes file (*.atr).");
  EXPECT_EQ(brisko_.messages[0].style, unsigned{CORVEL_MB_ICON_EXCLAMATION});
  brisko_.messages.clear();
  EXPECT_FALSE(create_((dir_ / "missing" / "x.atr").string().c_str()));
  EXPECT_FALSE(create_(dir_.string().c_str()));
  EXPECT_TRUE(brisko_.messages.empty());
}

TEST_F(BriskoAttributeFile, MatchingLooksAtTheTwoIdentityBytes) {
  struct Case {
    Bytes bytes;
    bool matches;
  };
  const Case cases[] = {{{1, 4}, true},        {{1, 4, 9, 9}, true}, {{31, 1, 0, 0}, false},
                        {{1, 9, 0, 0}, false}, {{1}, false},         {{}, false}};
  for (const Case& c : cases) {
    const std::string path = (dir_ / "other.atr").string();
    WriteBytes(path, c.bytes);
    EXPECT_TRUE(exists_(path.c_str()));
    EXPECT_EQ(matches_(path.c_str()) != 0, c.matches) << c.bytes.size() << " bytes";
  }
  EXPECT_FALSE(exists_((dir_ / "none.atr").string().c_str()));
  EXPECT_FALSE(matches_((dir_ / "none.atr").string().c_str()));
  EXPECT_FALSE(exists_(dir_.string().c_str()));
}

// This test process has no QApplication: the dialog cannot run, but the
// file is still made right for this driver and the call returns at once.
TEST_F(BriskoAttributeFile, HeadlessLaunchKeepsAMatchingFileAndReports) {
  const auto launch = brisko_.Export<PlcPathFn>(PLC_SYM_LAUNCH);
  const auto launchOrvane = brisko_.Export<PlcPathFn>(PLC_SYM_LAUNCH_ORVANE);
  const std::string path = (dir_ / "temp.atr").string();

  Bytes edited = kDefaultAttributeFile;
  edited[37] = 2;
  WriteBytes(path, edited);
  EXPECT_TRUE(launch(path.c_str()));
  EXPECT_EQ(ReadBytes(path), edited);
  ASSERT_EQ(brisko_.messages.size(), 1u);
  EXPECT_EQ(brisko_.messages[0].text,
            "The PLC attribute dialog needs the desktop program (orvane); the attributes were "
            "not edited.");

  WriteBytes(path, {31, 1, 0, 0, 0});
  EXPECT_TRUE(launchOrvane(path.c_str()));
  EXPECT_EQ(ReadBytes(path), kDefaultAttributeFile);

  std::filesystem::remove(path);
  EXPECT_TRUE(launch(path.c_str()));
  EXPECT_EQ(ReadBytes(path), kDefaultAttributeFile);
}

}  // namespace
}  // namespace orvane::testing
