// The message table as CSV over the Kestrel test driver: the text form of
// the digit positions, the CSV fields, an export and import that give the
// same messages, an edited table taken in, and a table with faults refused
// with every row's fault and nothing taken.
#include "view/MessageTable.h"

#include <gtest/gtest.h>

#include "tests/view/EditorTestSupport.h"
#include "view/AddressEntry.h"

namespace orvane::testing {
namespace {

using Texts = std::vector<std::string>;

constexpr char k1 = kItem1Marker;
constexpr char k2 = kItem2Marker;
constexpr char k3 = kItem3Marker;
constexpr char kDp = kDecimalPointMarker;

const std::string kHeader =
    "number,kind,depth,folder,text,item1_address,item1_type,item1_access,item1_min,item1_max,"
    "item1_password,item1_leading_zeros,item1_plc_decimal_point,item1_decimal_point_address,"
    "item2_address,item2_type,"
    "item2_leading_zeros,item3_address,item3_type,item3_leading_zeros\r\n";

TEST(MessageTableTextTest, DigitPositionsAreWrittenInBracesAndReadBack) {
  const std::string model = std::string("A{B ") + k1 + k1 + kDp + " " + k2 + k3 + "\xE9}";
  const std::string table = TableText(model);
  EXPECT_EQ(table, "A{{B {11.} {23}\xC3\xA9}");
  std::string fault;
  EXPECT_EQ(ModelTextOf(table, &fault), model);
  struct Bad {
    const char* text;
    const char* fault;
  };
  for (const Bad& bad : {Bad{"X {14}", "\"4\" in braces is none of 1, 2, 3 and \".\""},
                         Bad{"X {11", "a brace is not closed"},
                         Bad{"TAB\there", "a character the panel cannot show"},
                         Bad{"\xC3\xBF", "a character the panel cannot show"},
                         Bad{"\xE2\x82\xAC", "a character the panel cannot show"}}) {
    SCOPED_TRACE(bad.text);
    EXPECT_FALSE(ModelTextOf(bad.text, &fault).has_value());
    EXPECT_EQ(fault, bad.fault);
  }
  EXPECT_EQ(CsvField("a,\"b\""), "\"a,\"\"b\"\"\"");
  int line = 0;
  const auto records = ParseCsv("a,\"x,\ny\"\r\nb,\"\"\"\"\n", &line);
  ASSERT_TRUE(records.has_value());
  ASSERT_EQ(records->size(), 2u);
  EXPECT_EQ((*records)[0].fields, (Texts{"a", "x,\ny"}));
  EXPECT_EQ((*records)[1].line, 3);
  EXPECT_EQ((*records)[1].fields, (Texts{"b", "\""}));
  EXPECT_FALSE(ParseCsv("a\nb,\"open", &line).has_value());
  EXPECT_EQ(line, 2);
}

class MessageTableTest : public ::testing::Test {
 protected:
  // PLC messages with all three data items, and a three-level tree.
  void SetUp() override {
    TOvPanel& panel = panel_;
    const auto add = [&panel](int32_t number, int plc, int folder, int16_t depth,
                              const std::string& text) -> TOvMessage& {
      TOvMessage message(&panel);
      message.number = number;
      message.isPlcMessage = plc;
      message.isFolder = folder;
      message.depth = depth;
      message.text = text;
      return panel.AddMessage(message);
    };
    TOvMessage& tank =
        add(3, 1, 0, 0, "TANK " + std::string{k1, k1, k1, kDp, ' ', k2, k2, ' ', k3});
    ui_.Clear();
    AddressEntry entry(project_, ui_);
    EXPECT_TRUE(entry.Enter("N7:1", {kAccessReadWrite, kDataTypeBinary16, false}, tank.item1));
    EXPECT_TRUE(entry.Enter("N7:2", {kAccessReadOnly, kDataTypeBcd16, false},
                            tank.item1.decimalPointRegister));
    EXPECT_TRUE(entry.Enter("I1:3", {kAccessReadOnly, kDataTypeBcd32, false}, tank.item2));
    EXPECT_TRUE(entry.Enter("N7:4", {kAccessReadOnly, kDataTypeBinary32, false}, tank.item3));
    tank.item1.variableDecimalPoint = true;
    tank.item1.limitsEnabled = true;
    tank.item1.kindMaximum = 65535;
    tank.item1.minimum = 10;
    tank.item1.maximum = 500;
    tank.item1.passwordProtected = true;
    tank.item1.passwordIsLocal = false;
    tank.leadingZeros = {true, false, true};
    add(7, 1, 0, 0, "Say \"hi\", then go");
    add(256, 0, 1, 0, "MENU");
    add(255, 0, 1, 1, "SUB");
    add(254, 0, 0, 2, "DEEP");
    add(253, 0, 0, 0, "TOP");
    panel.firstMessageNumber = 8;
  }

  EditorWorld world_{"message-table"};
  ScriptedUserInterface& ui_ = world_.Ui();
  TOvProject project_ = world_.Project(kModelOv200P);
  TOvPanel& panel_ = project_.panels[0];
};

TEST_F(MessageTableTest, AnExportedTableImportsToTheSameMessages) {
  const MessageLists lists = SplitMessages(panel_);
  const std::string csv = ExportMessageTable(project_, lists);
  EXPECT_EQ(csv.substr(0, kHeader.size()), kHeader);
  EXPECT_NE(csv.find("3,PLC,0,no,TANK {111.} {22} {3},N7:1,Binary 16,Read/Write,10,500,PLC,yes,"
                     "yes,N7:2,I1:3,BCD 32,no,N7:4,Binary 32,yes\r\n"),
            std::string::npos)
      << csv;
  EXPECT_NE(csv.find("7,PLC,0,no,\"Say \"\"hi\"\", then go\",,,,,,,,,,,,,,,\r\n"),
            std::string::npos);
  EXPECT_NE(csv.find("254,Local,2,no,DEEP,"), std::string::npos);

  const MessageTableImport imported = ImportMessageTable(project_, panel_, csv);
  ASSERT_TRUE(imported.lists.has_value()) << ::testing::PrintToString(imported.errors);
  EXPECT_TRUE(*imported.lists == lists);
  // Stored, the panel is the same as before, field by field.
  const std::string before = PanelText(project_);
  StoreMessages(*imported.lists, panel_);
  EXPECT_EQ(PanelText(project_), before);
}

TEST_F(MessageTableTest, AnEditedTableIsTakenInWithItsNewTextsAndAddresses) {
  std::string csv = ExportMessageTable(project_, SplitMessages(panel_));
  const auto replace = [&csv](const std::string& from, const std::string& to) {
    const size_t at = csv.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    csv.replace(at, from.size(), to);
  };
  replace("TANK {111.}", "VAT {1111}");
  replace(",N7:1,", ",n7:9,");
  replace(",yes,N7:2,", ",no,,");
  // A new local message at the top, and one moved into SUB.
  replace("253,Local,0,no,TOP", "1,Local,2,no,TOP");
  csv += "9,Local,0,no,LAST {2},,,,,,,,,,I1:7,BCD 16,no,,,\r\n";
  const MessageTableImport imported = ImportMessageTable(project_, panel_, csv);
  ASSERT_TRUE(imported.lists.has_value()) << ::testing::PrintToString(imported.errors);
  const MessageLists& lists = *imported.lists;
  EXPECT_EQ(lists.plc[0].text, "VAT " + std::string(4, k1) + " " + std::string({k2, k2, ' ', k3}));
  EXPECT_EQ(lists.plc[0].item1.addressText, "N7:9");
  EXPECT_FALSE(lists.plc[0].item1.variableDecimalPoint);
  ASSERT_EQ(lists.locals.size(), 5u);
  EXPECT_EQ(lists.locals[3].depth, 2);
  EXPECT_EQ(lists.locals[4].number, 252);
  EXPECT_EQ(lists.locals[4].item2.addressText, "I1:7");
  // Nothing reached the panel.
  EXPECT_EQ(panel_.messages.size(), 6u);
  EXPECT_EQ(panel_.messages[0].item1.addressText, "N7:1");
}

TEST_F(MessageTableTest, ATableWithFaultsIsRefusedWithEveryRowsFault) {
  const std::string csv =
      kHeader +
      "3,PLC,0,no,OK {1},N7:1,BCD 16,Read/Write,0,9999,,no,,,,,,,,\r\n"  // row 2
      "0,PLC,0,no,ZERO,,,,,,,,,,,,,,,\r\n"                               // 3
      "3,PLC,0,no,AGAIN,,,,,,,,,,,,,,,\r\n"                              // 4
      "4,Remote,0,no,KIND,,,,,,,,,,,,,,,\r\n"                            // 5
      "5,PLC,0,no,ABCDEFGHIJKLMNOPQRSTU,,,,,,,,,,,,,,,\r\n"              // 6
      "6,PLC,0,no,{111111},N7:1,BCD 16,,,,,no,,,,,,,,\r\n"               // 7
      "7,PLC,0,no,{1},N7:1/2,BCD 16,,,,,no,,,,,,,,\r\n"                  // 8
      "8,PLC,0,no,{1},N7:1,BCD 16,,0,10000,,no,,,,,,,,\r\n"              // 9
      "9,PLC,0,no,{.1},N7:1,BCD 16,,,,,no,,,,,,,,\r\n"                   // 10
      "10,PLC,0,no,NONE,,,,,,,,,,N7:3,BCD 16,no,,,\r\n"                  // 11
      "11,PLC,0,no,{2},,,,,,,,,,N7:3,Decimal,no,,,\r\n"                  // 12
      "256,Local,1,no,ORPHAN,,,,,,,,,,,,,,,\r\n"                         // 13
      "256,Local,0,yes,{3},,,,,,,,,,,,,N7:1,BCD 16,no\r\n"               // 14
      "256,Local,0,maybe,X,,,,,,,,,,,,,,,\r\n"                           // 15
      "12,PLC,0,no,SHORT\r\n";                                           // 16
  const MessageTableImport imported = ImportMessageTable(project_, panel_, csv);
  EXPECT_FALSE(imported.lists.has_value());
  const Texts expected{
      "row 3: PLC message number \"0\" is not 1 to 256",
      "row 4: PLC message number 3 is also on row 2",
      "row 5: kind \"Remote\" is neither PLC nor Local",
      "row 6: text has 21 characters; the line holds 20",
      "row 7: data item 1 has 6 digits; BCD 16 takes at most 5",
      "row 8: data item 1 address \"N7:1/2\" is refused: Error Z007: Discrete addresses are not "
      "allowed here.",
      "row 9: data item 1: the limits \"0\" to \"10000\" are not whole numbers within 0 to 9999",
      "row 10: text: the decimal point stands right after the last digit of item 1",
      "row 11: data item 2 has an address but the text has no digit of it",
      "row 12: data item 2: data type \"Decimal\" is none of BCD 16, Binary 16, BCD 32, Binary 32",
      "row 13: tree: the entry above it is no folder of the level above",
      "row 14: a folder holds no data items",
      "row 15: folder is \"maybe\", not yes or no",
      "row 16: has 5 fields, the header 20",
  };
  EXPECT_EQ(imported.errors, expected);
  EXPECT_EQ(ImportFaultsText({"row 3: x"}),
            "The message table was not imported: 1 fault.\n\nrow 3: x\n");

  // The panel's limits over the whole table.
  std::string crowded = kHeader + "254,PLC,0,no,HIGH,,,,,,,,,,,,,,,\r\n";
  for (int i = 0; i < 3; ++i) {
    crowded += "0,Local,0,no,L,,,,,,,,,,,,,,,\r\n";
  }
  const MessageTableImport full = ImportMessageTable(project_, panel_, crowded);
  EXPECT_EQ(full.errors,
            Texts{"PLC message number 254: with 3 local messages PLC messages are numbered 1 to "
                  "253"});
  const MessageTableImport headless = ImportMessageTable(project_, panel_, "number,kind\r\n");
  ASSERT_FALSE(headless.errors.empty());
  EXPECT_EQ(headless.errors[0], "row 1: the header has no column \"depth\"");
}

}  // namespace
}  // namespace orvane::testing
