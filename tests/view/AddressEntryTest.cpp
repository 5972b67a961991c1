// The editors' address fields without widgets: what a field's text becomes
// through a real driver, the host's refusals, the Think & Do form, and the
// two data type lists.
#include "view/AddressEntry.h"

#include <gtest/gtest.h>

#include "plchost/DriverAddress.h"
#include "project/ProjectDriver.h"
#include "tests/view/EditorTestSupport.h"

namespace orvane::testing {
namespace {

TEST(AddressEntry, TakesWhatTheDriverAcceptsAndRefusesWhatTheFieldCannotHold) {
  EditorWorld world("address-entry");
  TOvProject project = world.Project(kModelOv200);
  TOvTag& tag = project.panels[0].lineRegisters[0];
  struct Case {
    const char* field;
    AddressRule rule;
    bool taken;
    const char* message;  // what the user is told ("" for nothing)
    const char* text;     // the address text afterwards
    const char* tagName;
    uint32_t dataType;
  };
  const Case cases[] = {
      // The driver's canonical spelling replaces the typed one.
      {"n7:3", {kAccessReadOnly, kDataTypeBcd32}, true, "", "N7:3", "", kDataTypeBcd32},
      // A read only address suits a read only field, not a read/write one.
      {"I1:0", {kAccessReadOnly, kDataTypeBinary16}, true, "", "I1:0", "", kDataTypeBinary16},
      {"I1:2",
       {kAccessReadWrite, kDataTypeBinary16},
       false,
       "Error T002: Invalid Access Type",
       "I1:0",
       "",
       kDataTypeBinary16},
      {"N7:1/3",
       {kAccessReadOnly, kDataTypeBinary16},
       false,
       "Error Z007: Discrete addresses are not allowed here.",
       "I1:0",
       "",
       kDataTypeBinary16},
      // The driver refuses without a word of the host's.
      {"Q", {kAccessReadOnly, kDataTypeBcd16}, false, "", "I1:0", "", kDataTypeBinary16},
      // A tag name field keeps the map remainder as the text.
      {"TANK\tn7:5", {kAccessReadOnly, kDataTypeBcd16}, true, "", "n7:5", "TANK", kDataTypeBcd16},
      // Empty: an unset address, cleared with the field's data type; a bit
      // word stays Binary 16.
      {"", {kAccessReadOnly, kDataTypeBcd32}, true, "", "", "", kDataTypeBcd32},
      {"N7:9", {kAccessReadOnly, kDataTypeBcd16}, true, "", "N7:9", "", kDataTypeBcd16},
      {"PUMP\t", {kAccessReadWrite, kDataTypeBcd16, true}, true, "", "", "", kDataTypeBinary16},
  };
  AddressEntry entry(project, world.Ui());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    world.Ui().Clear();
    const DriverAddress before = DriverAddressOf(tag);
    EXPECT_EQ(entry.Enter(c.field, c.rule, tag), c.taken);
    EXPECT_EQ(world.Ui().MessageTexts(),
              *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    EXPECT_EQ(tag.addressText, c.text);
    EXPECT_EQ(tag.tagName, c.tagName);
    EXPECT_EQ(tag.dataType, c.dataType);
    if (!c.taken) {
      EXPECT_EQ(DriverAddressOf(tag).MapText(), before.MapText());
    }
  }
  // The parsed form is the driver's: "N7:9" is letter, file, word.
  ASSERT_TRUE(entry.Enter("N7:9", AddressRule{}, tag));
  EXPECT_EQ(DriverAddressOf(tag).MapText(), "4E 00 07 09 FF 00");
}

TEST(AddressEntry, FieldTextsAndTagNames) {
  EXPECT_EQ(SplitFieldText("N7:0").address, "N7:0");
  EXPECT_EQ(SplitFieldText("N7:0").tagName, "");
  EXPECT_EQ(SplitFieldText("TANK\tN7,7,5\tx").tagName, "TANK");
  EXPECT_EQ(SplitFieldText("TANK\tN7,7,5\tx").address, "N7,7,5\tx");

  TOvTag tag;
  tag.addressText = "N7,7,5,x";
  tag.tagName = "TANK";
  EXPECT_EQ(FieldTextOf(tag, AddressFieldKind::FreeText), "N7,7,5,x");
  EXPECT_EQ(FieldTextOf(tag, AddressFieldKind::TagName), "TANK\tN7,7,5,x");
  tag.addressText.clear();
  EXPECT_EQ(FieldTextOf(tag, AddressFieldKind::TagName), "");

  TOvTagMap table;
  table.entries = {{"PUMP", "C10,5,10,x"}, {"LEVEL", "C11,5,11,x"}};
  using Choices = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(TagNameChoices(table),
            (Choices{{"", ""}, {"LEVEL", "LEVEL\tC11,5,11,x"}, {"PUMP", "PUMP\tC10,5,10,x"}}));
}

TEST(AddressEntry, TheTwoDataTypeLists) {
  using Texts = std::vector<std::string>;
  EXPECT_EQ(DataTypeTexts(DataTypeOrder::ByCode),
            (Texts{"BCD/Int 16", "Binary/Int 16", "BCD/Int 32", "Binary/Int 32"}));
  EXPECT_EQ(DataTypeTexts(DataTypeOrder::SetPoint),
            (Texts{"BCD/Int 16", "BCD/Int 32", "Binary/Int 16", "Binary/Int 32"}));
  const uint32_t setPoint[] = {0, 2, 1, 3};
  for (int position = 0; position < 4; ++position) {
    EXPECT_EQ(DataTypeAt(DataTypeOrder::ByCode, position), static_cast<uint32_t>(position));
    EXPECT_EQ(DataTypeAt(DataTypeOrder::SetPoint, position), setPoint[position]);
    EXPECT_EQ(DataTypePosition(DataTypeOrder::SetPoint, setPoint[position]), position);
  }
  // Outside the list: Binary 32 on the set point list.
  EXPECT_EQ(DataTypeAt(DataTypeOrder::SetPoint, -1), kDataTypeBinary32);
  EXPECT_EQ(DataTypeAt(DataTypeOrder::SetPoint, 4), kDataTypeBinary32);
  EXPECT_EQ(DataTypeAt(DataTypeOrder::ByCode, 9), kDataTypeBcd16);
}

}  // namespace
}  // namespace orvane::testing
