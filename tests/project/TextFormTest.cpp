// The three-line text form of an address, the option lines of data item 1,
// and the line and number reading the project file shares with them.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "base/StringTable.h"
#include "project/LineReader.h"
#include "project/LineWriter.h"
#include "project/TOvException.h"
#include "project/TOvProject.h"
#include "project/TextNumbers.h"
#include "tests/project/ProjectBuilders.h"
#include "tests/support/ScriptedUserInterface.h"

namespace orvane {
namespace {

TEST(TextNumbers, ReadLikeAtoi) {
  const std::pair<const char*, int32_t> cases[] = {
      {"42", 42},
      {"  \t42abc", 42},
      {"", 0},
      {"abc", 0},
      {"-1", -1},
      {"+7", 7},
      {"- 1", 0},
      {"12 34", 12},
      {"4294967295", -1},
      {"2147483648", INT32_MIN},
      {"99999999999999999999999", -1},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(ParseInt32(text), value) << '"' << text << '"';
  }
  EXPECT_EQ(ParseUInt32("-1"), 4294967295u);
  EXPECT_EQ(ParseUInt32("4294967295"), 4294967295u);
  EXPECT_EQ(ParseUInt32("-2"), 4294967294u);
}

TEST(LineReader, AcceptsLfAndCrLfAndKeepsEveryOtherByte) {
  // A line ending in more CRs loses them all, so that a text saved with a
  // CR at its end reads back the same after every save.
  std::istringstream in(std::string("one\r\ntwo\r\r\n\n\xFF\xFE x\r\nlast"));
  LineReader reader(in);
  EXPECT_EQ(reader.Line(), "one");
  EXPECT_EQ(reader.Line(), "two");
  EXPECT_EQ(reader.Line(), "");
  EXPECT_EQ(reader.Line(), "\xFF\xFE x");
  EXPECT_EQ(reader.Line(), "last");
  EXPECT_FALSE(reader.PastEnd());
  std::string line = "stale";
  EXPECT_FALSE(reader.Next(line));
  EXPECT_EQ(line, "");
  EXPECT_EQ(reader.Int(), 0);
  EXPECT_TRUE(reader.PastEnd());
  EXPECT_EQ(reader.LineNumber(), 5);
  reader.Rewind();
  EXPECT_FALSE(reader.PastEnd());
  EXPECT_EQ(reader.Line(), "one");
}

TEST(LineReader, FlagRules) {
  std::istringstream in("2\n2\n1\n-1\n");
  LineReader reader(in);
  EXPECT_FALSE(reader.EqualsOne());
  EXPECT_TRUE(reader.NonZero());
  EXPECT_TRUE(reader.EqualsOne());
  EXPECT_EQ(reader.UInt(), 4294967295u);
}

class AddressTextForm : public ::testing::Test {
 protected:
  TOvProject project = testing::MakeProject(kModelOv200);
  testing::ScriptedUserInterface ui;

  // The text form written with LineWriter, for comparison with AppendTo.
  static std::string Saved(const TOvTag& tag) {
    std::ostringstream out;
    LineWriter writer(out);
    tag.Save(writer);
    return out.str();
  }
};

TEST_F(AddressTextForm, PlainAddress) {
  TOvTag tag(&project);
  tag.dataType = kDataTypeBinary32;
  tag.addressText = "N7:0";
  tag.tagName = "Speed";
  std::string text = "prefix|";
  tag.AppendTo(text);
  EXPECT_EQ(text, "prefix|not used\n3\nN7:0\tSpeed\n");
  EXPECT_EQ(Saved(tag), "not used\n3\nN7:0\tSpeed\n");

  TOvTag empty(&project);
  EXPECT_EQ(Saved(empty), "not used\n0\n\t\n");
}

TEST_F(AddressTextForm, LoadFromTextConsumesItsLines) {
  std::string text = "ignored filler\n 2\nV2000\tTank Level\trest\nnext\n";
  TOvTag tag(&project);
  ASSERT_TRUE(tag.LoadFromText(text, ui));
  EXPECT_EQ(tag.dataType, kDataTypeBcd32);
  EXPECT_EQ(tag.addressText, "V2000");
  EXPECT_EQ(tag.tagName, "Tank Level\trest") << "split at the first TAB only";
  EXPECT_EQ(text, "next\n");

  // A line without TAB is all address, and is written back with the TAB.
  std::string noTab = "not used\n1\nB3:0/5\n";
  ASSERT_TRUE(tag.LoadFromText(noTab, ui));
  EXPECT_EQ(tag.addressText, "B3:0/5");
  EXPECT_EQ(tag.tagName, "");
  EXPECT_EQ(Saved(tag), "not used\n1\nB3:0/5\t\n");

  // Without a final newline the last line reads as empty and stays.
  std::string unterminated = "not used\n1\nN7:1";
  ASSERT_TRUE(tag.LoadFromText(unterminated, ui));
  EXPECT_EQ(tag.addressText, "");
  EXPECT_EQ(unterminated, "N7:1");
}

TEST_F(AddressTextForm, LoadFromFileWithCrLf) {
  std::istringstream in("not used\r\n3\r\nN7:4\tLevel\r\n");
  LineReader reader(in);
  TOvTag tag(&project);
  ASSERT_TRUE(tag.Load(reader, ui));
  EXPECT_EQ(tag.dataType, kDataTypeBinary32);
  EXPECT_EQ(tag.addressText, "N7:4");
  EXPECT_EQ(tag.tagName, "Level");
}

TEST_F(AddressTextForm, UnknownDataTypeThrowsZ006WithTheValue) {
  for (const char* value : {"4", "-1"}) {
    std::string text = std::string("not used\n") + value + "\nN7:0\t\n";
    TOvTag tag(&project);
    try {
      tag.LoadFromText(text, ui);
      FAIL() << "no exception for " << value;
    } catch (const TOvException& error) {
      EXPECT_EQ(error.StringId(), strings::kZ006);
      EXPECT_EQ(error.DisplayText(), std::string("Error Z006: Unknown value type (") + value +
                                         ") encountered while loading project. Known values are "
                                         "0(BCD) and 1 (Binary)");
    }
  }
  std::istringstream in("not used\n7\nN7:0\t\n");
  LineReader reader(in);
  TOvTag tag(&project);
  EXPECT_THROW(tag.Load(reader, ui), TOvException);
}

TEST_F(AddressTextForm, DataItemOneWithEveryOption) {
  TOvReadWriteTag item(4294967295u);
  item.AttachTo(&project);
  item.passwordProtected = true;
  item.passwordIsLocal = false;
  item.variableDecimalPoint = true;
  item.decimalPointRegister.dataType = kDataTypeBinary16;
  item.decimalPointRegister.addressText = "N7:1";
  item.limitsEnabled = true;
  item.minimum = 5;
  item.accessType = kAccessWriteOnly;
  item.dataType = kDataTypeBinary32;
  item.addressText = "N7:0";
  item.tagName = "Speed";
  const std::string expected =
      "1\n0\n1\nnot used\n1\nN7:1\t\n1\n-1\n5\n2\nnot used\n3\nN7:0\tSpeed\n";
  std::string text;
  item.AppendTo(text);
  EXPECT_EQ(text, expected);
  EXPECT_EQ(Saved(item), expected);
  EXPECT_EQ(item.AccessText(), "W");

  TOvReadWriteTag loaded;
  std::istringstream in(expected + "after\n");
  LineReader reader(in);
  ASSERT_TRUE(loaded.Load(reader, ui));
  EXPECT_EQ(loaded.maximum, 4294967295u);
  EXPECT_FALSE(loaded.passwordIsLocal);
  EXPECT_EQ(loaded.decimalPointRegister.addressText, "N7:1");
  EXPECT_EQ(loaded.accessType, kAccessWriteOnly);
  EXPECT_EQ(loaded.tagName, "Speed");
  EXPECT_EQ(reader.Line(), "after");

  std::string fromText = expected + "after\n";
  TOvReadWriteTag again;
  ASSERT_TRUE(again.LoadFromText(fromText, ui));
  EXPECT_EQ(Saved(again), expected);
  EXPECT_EQ(fromText, "after\n");
}

TEST_F(AddressTextForm, DataItemOneWithoutOptionsSkipsConditionalLines) {
  const TOvReadWriteTag item;
  EXPECT_EQ(Saved(item), "0\n0\n-1\n0\n0\nnot used\n0\n\t\n");

  // Flags are true for any value but 0 here.
  std::string text = "2\n7\n0\n3\n5\n12\n0\n1\nnot used\n0\nN7:9\t\n";
  TOvReadWriteTag loaded;
  ASSERT_TRUE(loaded.LoadFromText(text, ui));
  EXPECT_TRUE(loaded.passwordProtected);
  EXPECT_TRUE(loaded.passwordIsLocal);
  EXPECT_EQ(loaded.fixedDecimalPoint, 3);
  EXPECT_TRUE(loaded.limitsEnabled);
  EXPECT_EQ(loaded.maximum, 12u);
  EXPECT_EQ(loaded.minimum, 0u);
  EXPECT_EQ(loaded.AccessText(), "R");
  EXPECT_EQ(loaded.addressText, "N7:9");
  EXPECT_TRUE(text.empty());
}

TEST_F(AddressTextForm, UnknownAccessTypeShowsT007AndFails) {
  for (const char* access : {"3", "-1"}) {
    std::string text = std::string("0\n0\n-1\n0\n") + access + "\nnot used\n0\n\t\n";
    TOvReadWriteTag item;
    EXPECT_FALSE(item.LoadFromText(text, ui));
    std::istringstream in(std::string("0\n0\n-1\n0\n") + access + "\n");
    LineReader reader(in);
    EXPECT_FALSE(item.Load(reader, ui));
  }
  ASSERT_EQ(ui.Calls().size(), 4u);
  for (const auto& call : ui.Calls()) {
    EXPECT_EQ(call.text, "Error T007: Unknown access type specified for PLC Address.");
    EXPECT_EQ(call.icon, Icon::Stop);
  }
}

TEST_F(AddressTextForm, ResetKeepsIndexAndParsedAddress) {
  TOvReadWriteTag item(65535u);
  item.AttachTo(&project);
  testing::SetAddress(item, "N7:0", {4, 5, 6}, kDataTypeBinary16);
  testing::SetAddress(item.decimalPointRegister, "N7:1");
  item.tagIndex = 12;
  item.maximum = 100;
  item.limitsEnabled = true;
  item.passwordIsLocal = false;
  item.Reset();
  EXPECT_EQ(item.tagIndex, 12);
  EXPECT_EQ(item.MapString()[0], 4);
  EXPECT_EQ(item.dataType, kDataTypeBcd16);
  EXPECT_TRUE(item.addressText.empty());
  EXPECT_EQ(item.maximum, 65535u);
  EXPECT_FALSE(item.limitsEnabled);
  EXPECT_TRUE(item.passwordIsLocal);
  EXPECT_TRUE(item.decimalPointRegister.addressText.empty());
}

TEST(PlcAddressRecord, StoredInsideTheAddressAndBoundedByTheMapLength) {
  TOvProject project = testing::MakeProject(kModelOv200);
  unsigned char driverBuffer[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  PlcAddress record{};
  record.mapString = driverBuffer;
  record.isBit = 1;
  record.bit = 5;
  TOvTag tag(&project);
  tag.SetPlcAddress(record);
  driverBuffer[0] = 99;  // the driver's buffer is gone after the call
  const PlcAddress stored = tag.plcAddress();
  EXPECT_EQ(stored.isBit, 1);
  EXPECT_EQ(stored.bit, 5);
  EXPECT_EQ(stored.mapString, tag.MapString());
  EXPECT_EQ(stored.mapString[0], 1);
  EXPECT_EQ(stored.mapString[2], 3);
  EXPECT_EQ(stored.mapString[3], 0) << "only the project's map length is taken";

  // A copy has its own map string.
  const TOvTag copy = tag;
  EXPECT_EQ(copy.plcAddress().mapString, copy.MapString());
  EXPECT_EQ(copy.MapString()[1], 2);

  // A map length beyond the storage is cut to the storage.
  project.plc.mapLength = 100000;
  EXPECT_EQ(tag.MapLength(), static_cast<size_t>(PLC_MAP_STRING_CAPACITY));
  std::vector<unsigned char> huge(100000, 0xAB);
  tag.SetMapString(huge.data(), huge.size());
  EXPECT_EQ(tag.MapString()[PLC_MAP_STRING_CAPACITY - 1], 0xAB);
  EXPECT_EQ(TOvTag().MapLength(), 0u);
}

}  // namespace
}  // namespace orvane
