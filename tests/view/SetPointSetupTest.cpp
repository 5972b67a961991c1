// The set point setup without widgets, over the Kestrel test driver: the
// refusals of an entry with their messages and fields, selecting with and
// without unsaved edits, OK and Cancel, the address limit, and the
// clipboard's text form between two projects.
#include "view/SetPointSetup.h"

#include <gtest/gtest.h>

#include "tests/view/EditorTestSupport.h"

namespace orvane::testing {
namespace {

using Texts = std::vector<std::string>;
namespace sp = set_point;

constexpr const char* kM004 = "Error M004: Invalid Message Number";

SetPointEntryFields Entry(const char* number, const char* address = "N7:1") {
  SetPointEntryFields fields;
  fields.number = number;
  fields.text = "TANK LEVEL";
  fields.address = address;
  return fields;
}

class SetPointSetupTest : public ::testing::Test {
 protected:
  EditorWorld world_{"set-point"};
  ScriptedUserInterface& ui_ = world_.Ui();
  TOvProject project_ = world_.Project(kModelOvSP);
  TOvPanel& panel_ = project_.panels[0];
};

TEST_F(SetPointSetupTest, AnEntryIsRefusedWithTheMessageAndTheFieldOfItsFirstFault) {
  SetPointSetup setup(project_, panel_, ui_);
  struct Case {
    const char* what;
    void (*spoil)(SetPointEntryFields&);
    SetPointField field;
    Texts messages;
  };
  const Case cases[] = {
      {"number 0", [](SetPointEntryFields& f) { f.number = "0"; }, SetPointField::Number, {kM004}},
      {"number 257",
       [](SetPointEntryFields& f) { f.number = "257"; },
       SetPointField::Number,
       {kM004}},
      {"no number", [](SetPointEntryFields& f) { f.number = ""; }, SetPointField::Number, {kM004}},
      {"BCD 16 above 9999",
       [](SetPointEntryFields& f) { f.maximum = "10000"; },
       SetPointField::Maximum,
       {"Please enter a number between 0 and 9999"}},
      {"BCD 16 from 50",
       [](SetPointEntryFields& f) {
         f.minimum = "50";
         f.maximum = "10000";
       },
       SetPointField::Maximum,
       {"Please enter a number between 50 and 9999"}},
      {"maximum below minimum",
       [](SetPointEntryFields& f) {
         f.minimum = "60";
         f.maximum = "59";
       },
       SetPointField::Maximum,
       {"Please enter a number between 60 and 9999"}},
      {"negative minimum",
       [](SetPointEntryFields& f) { f.minimum = "-1"; },
       SetPointField::Minimum,
       {"Please enter a number between 0 and 9999"}},
      {"minimum not a number",
       [](SetPointEntryFields& f) { f.minimum = "5x"; },
       SetPointField::Minimum,
       {"Please enter an integer."}},
      // Binary 32 on the set point model stops at 99999999.
      {"Binary 32",
       [](SetPointEntryFields& f) {
         f.dataType = 3;
         f.maximum = "100000000";
       },
       SetPointField::Maximum,
       {"Please enter a number between 0 and 99999999"}},
      {"bit address",
       [](SetPointEntryFields& f) { f.address = "N7:1/1"; },
       SetPointField::Address,
       {"Error Z007: Discrete addresses are not allowed here."}},
      // The operator changes a Read/Write value: a read only address does not do.
      {"read only address",
       [](SetPointEntryFields& f) { f.address = "I1:0"; },
       SetPointField::Address,
       {"Error T002: Invalid Access Type"}},
      {"decimal point register",
       [](SetPointEntryFields& f) {
         f.decimalPoint = sp::kVariableDecimalPoint;
         f.decimalAddress = "I1:1";
       },
       SetPointField::DecimalAddress,
       {"Error T002: Invalid Access Type"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ui_.Clear();
    SetPointEntryFields fields = Entry("1");
    c.spoil(fields);
    EXPECT_FALSE(setup.Commit(fields));
    EXPECT_EQ(setup.FailedField(), c.field);
    EXPECT_EQ(ui_.MessageTexts(), c.messages);
    EXPECT_TRUE(setup.Entries().empty());
    EXPECT_FALSE(setup.Modified());
  }
  // A read only display takes the read only address.
  SetPointEntryFields readOnly = Entry("1", "I1:0");
  readOnly.displayMethod = sp::kReadOnly;
  EXPECT_FALSE(readOnly.LimitsEnabled());
  EXPECT_TRUE(setup.Commit(readOnly));
  EXPECT_EQ(setup.Entries()[0].item1.accessType, kAccessReadOnly);
  // An entry without an address is taken as unset, of the kind chosen.
  SetPointEntryFields unset = Entry("2", "");
  unset.dataType = 1;  // BCD/Int 32
  EXPECT_TRUE(setup.Commit(unset));
  EXPECT_EQ(setup.Entries()[1].item1.dataType, kDataTypeBcd32);
  EXPECT_EQ(setup.Cell(1, 2), "BCD/Int 32");
}

TEST_F(SetPointSetupTest, SelectingANumberLoadsItsEntryAndOffersUnsavedEditsFirst) {
  SetPointSetup setup(project_, panel_, ui_);
  EXPECT_FALSE(setup.HasEdits(setup.Shown()));
  for (const char* number : {"0", "257", "x"}) {
    ui_.Clear();
    EXPECT_FALSE(setup.Select(number, setup.Shown()));
    EXPECT_EQ(ui_.MessageTexts(), Texts{kM004});
    EXPECT_EQ(setup.FailedField(), SetPointField::Number);
  }
  // A new number: an empty entry under it.
  ASSERT_TRUE(setup.Select("7", setup.Shown()));
  EXPECT_EQ(setup.Shown().number, "007");
  EXPECT_EQ(setup.Shown().maximum, "9999");
  SetPointEntryFields edited = setup.Shown();
  edited.text = "FLOW";
  edited.address = "N7:7";
  // Cancel stays, No drops the edits, Yes stores them under the loaded number.
  ui_.Clear();
  ui_.QueueAnswer(Answer::Cancel);
  EXPECT_FALSE(setup.Select("3", edited));
  EXPECT_EQ(setup.Shown().number, "007");
  EXPECT_EQ(ui_.QuestionTexts(),
            Texts{"You have made changes to the current message. Do you want to save them?"});
  ui_.QueueAnswer(Answer::No);
  EXPECT_TRUE(setup.Select("3", edited));
  EXPECT_TRUE(setup.Entries().empty());
  ASSERT_TRUE(setup.Select("7", setup.Shown()));
  edited.number = "3";  // typed to go there
  ui_.QueueAnswer(Answer::Yes);
  ASSERT_TRUE(setup.Select("3", edited));
  ASSERT_EQ(setup.Entries().size(), 1u);
  EXPECT_EQ(setup.Entries()[0].number, 7);
  EXPECT_EQ(setup.Shown().number, "003");
  ASSERT_TRUE(setup.Select("7", setup.Shown()));
  EXPECT_EQ(setup.Shown().text, "FLOW");
  EXPECT_EQ(setup.Shown().address, "N7:7");
  EXPECT_TRUE(ui_.ScriptUsedUp());
}

TEST_F(SetPointSetupTest, OkStoresTheSortedEntriesAndThePanelFields) {
  panel_.lineRegisters[0].addressText = "";
  SetPointSetup setup(project_, panel_, ui_);
  SetPointEntryFields second = Entry("12", "n7:12");
  second.text = "A TEXT OF SEVENTEEN";  // cut to sixteen
  second.dataType = 1;                  // BCD/Int 32
  second.maximum = "99999999";
  second.decimalPoint = 3;
  ASSERT_TRUE(setup.Commit(second));
  SetPointEntryFields first = Entry("4", "I1:4");
  first.displayMethod = sp::kReadOnly;
  first.decimalPoint = sp::kVariableDecimalPoint;
  first.decimalAddress = "N7:40";
  first.minimum = "10";
  ASSERT_TRUE(setup.Commit(first));
  EXPECT_EQ(setup.NumberTexts(), (Texts{"004", "012"}));
  EXPECT_EQ(setup.Cell(0, 1), "Read only");
  EXPECT_EQ(setup.Cell(0, 3), "Variable");
  EXPECT_EQ(setup.Cell(0, 5), "N7:40");
  EXPECT_EQ(setup.Cell(1, 2), "BCD/Int 32");
  EXPECT_EQ(setup.Cell(1, 3), "Fixed - 3");
  EXPECT_EQ(setup.Cell(1, 4), "N7:12");
  EXPECT_EQ(setup.Cell(1, 5), "");
  // Nothing reaches the panel before OK.
  EXPECT_TRUE(panel_.messages.empty());

  SetPointPanelFields panelFields = setup.PanelFields();
  EXPECT_FALSE(panelFields.selection);
  panelFields.selection = true;
  panelFields.selectionAddress = "N7:1/4";
  panelFields.beeper = false;
  EXPECT_FALSE(setup.Ok(panelFields, setup.Shown()));
  EXPECT_EQ(setup.FailedField(), SetPointField::SelectionAddress);
  EXPECT_TRUE(panel_.messages.empty());
  panelFields.selectionAddress = "N7:99";
  panelFields.selectionType = 2;  // Binary/Int 16
  // The entry being edited is committed by OK too.
  SetPointEntryFields third = Entry("9");
  ASSERT_TRUE(setup.Select("9", setup.Shown()));
  third.number = "009";
  ASSERT_TRUE(setup.Ok(panelFields, third));
  EXPECT_TRUE(project_.changed);
  ASSERT_EQ(panel_.messages.size(), 3u);
  EXPECT_EQ(panel_.messages[1].number, 9);
  EXPECT_EQ(panel_.firstMessageNumber, 4);
  EXPECT_FALSE(panel_.beeperEnabled);
  EXPECT_EQ(panel_.lineRegisters[0].addressText, "N7:99");
  EXPECT_EQ(panel_.lineRegisters[0].dataType, kDataTypeBinary16);
  const TOvMessage& stored = panel_.messages[0];
  EXPECT_TRUE(stored.setPointValue);
  EXPECT_EQ(stored.isPlcMessage, 1);
  EXPECT_TRUE(stored.item1.limitsEnabled);
  EXPECT_EQ(stored.item1.minimum, 10u);
  EXPECT_TRUE(stored.item1.variableDecimalPoint);
  EXPECT_EQ(panel_.messages[2].text, "A TEXT OF SEVENT");
  EXPECT_EQ(panel_.messages[2].item1.fixedDecimalPoint, 3);

  TOvProject loaded = world_.SaveAndReload(project_);
  EXPECT_TRUE(loaded.Equals(project_));
  EXPECT_EQ(PanelText(loaded), PanelText(project_));

  // Unchecked, the selection address is cleared on OK.
  SetPointSetup again(loaded, loaded.panels[0], ui_);
  SetPointPanelFields off = again.PanelFields();
  EXPECT_TRUE(off.selection);
  EXPECT_EQ(off.selectionType, 2);
  off.selection = false;
  ASSERT_TRUE(again.Ok(off, again.Shown()));
  EXPECT_EQ(loaded.panels[0].lineRegisters[0].addressText, "");
}

TEST_F(SetPointSetupTest, CancelAsksOnlyAfterAChange) {
  {
    SetPointSetup setup(project_, panel_, ui_);
    EXPECT_TRUE(setup.Cancel(setup.PanelFields(), setup.Shown()));
    EXPECT_TRUE(ui_.Calls().empty());
  }
  SetPointSetup setup(project_, panel_, ui_);
  ASSERT_TRUE(setup.Commit(Entry("2")));
  ui_.QueueAnswer(Answer::Cancel);
  EXPECT_FALSE(setup.Cancel(setup.PanelFields(), setup.Shown()));
  ui_.QueueAnswer(Answer::No);
  EXPECT_TRUE(setup.Cancel(setup.PanelFields(), setup.Shown()));
  EXPECT_TRUE(panel_.messages.empty());
  ui_.QueueAnswer(Answer::Yes);
  EXPECT_TRUE(setup.Cancel(setup.PanelFields(), setup.Shown()));
  EXPECT_EQ(panel_.messages.size(), 1u);
  EXPECT_EQ(ui_.QuestionTexts(), Texts(3, "Do you want to save the changes made to Messages?"));
}

TEST_F(SetPointSetupTest, DeletingAsksAndTheAddressLimitHolds) {
  // 149 entries with a decimal point register: 1 + 2 × 149 = 299 addresses.
  for (int number = 1; number <= 149; ++number) {
    TOvMessage entry(&panel_);
    entry.number = number;
    entry.isPlcMessage = 1;
    entry.setPointValue = true;
    entry.item1.variableDecimalPoint = true;
    panel_.messages.push_back(entry);
  }
  SetPointSetup setup(project_, panel_, ui_);
  SetPointEntryFields variable = Entry("150");
  variable.decimalPoint = sp::kVariableDecimalPoint;
  variable.decimalAddress = "N7:2";
  EXPECT_FALSE(setup.Commit(variable));
  EXPECT_EQ(ui_.MessageTexts(), Texts{"Error T001: PLC Address count exceeds maximum limit"});
  EXPECT_EQ(setup.FailedField(), SetPointField::Address);
  EXPECT_TRUE(setup.Commit(Entry("150")));  // 300
  EXPECT_FALSE(setup.Commit(Entry("151")));

  ui_.QueueAnswer(Answer::No);
  EXPECT_FALSE(setup.Delete(0));
  ui_.QueueAnswer(Answer::Yes);
  EXPECT_TRUE(setup.Delete(0));
  EXPECT_EQ(setup.Entries().front().number, 2);
  EXPECT_EQ(ui_.QuestionTexts(), Texts(2, "Delete current message?"));
}

TEST_F(SetPointSetupTest, ACopiedEntryPastesIntoAnotherProjectUnderAFreeNumber) {
  SetPointSetup source(project_, panel_, ui_);
  SetPointEntryFields fields = Entry("5", "N7:5");
  fields.decimalPoint = sp::kVariableDecimalPoint;
  fields.decimalAddress = "N7:50";
  fields.minimum = "3";
  ASSERT_TRUE(source.Commit(fields));
  ASSERT_TRUE(source.Commit(Entry("6", "N7:6")));
  const std::string text = source.CopyText(0);
  EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1), "5\nTANK LEVEL\n");

  TOvProject other = world_.Project(kModelOvSP);
  TOvPanel& otherPanel = other.panels[0];
  for (int number : {1, 2, 4}) {
    TOvMessage entry(&otherPanel);
    entry.number = number;
    entry.isPlcMessage = 1;
    entry.setPointValue = true;
    otherPanel.messages.push_back(entry);
  }
  SetPointSetup target(other, otherPanel, ui_);
  // After the selected entry 1 the first free number is 3; without a
  // selection, after the last entry.
  EXPECT_EQ(target.Paste(text, 0u), std::optional<size_t>(2));
  const TOvMessage& pasted = target.Entries()[2];
  EXPECT_EQ(pasted.number, 3);
  EXPECT_EQ(pasted.text, "TANK LEVEL");
  EXPECT_EQ(pasted.item1.addressText, "N7:5");
  EXPECT_EQ(pasted.item1.decimalPointRegister.addressText, "N7:50");
  EXPECT_EQ(pasted.item1.minimum, 3u);
  EXPECT_TRUE(pasted.item1.Equals(source.Entries()[0].item1));
  EXPECT_EQ(target.Paste(text, std::nullopt), std::optional<size_t>(4));
  EXPECT_EQ(target.Entries()[4].number, 5);
  EXPECT_EQ(target.Paste("not an entry", std::nullopt), std::nullopt);

  // Cut copies and removes.
  const std::optional<std::string> cut = source.Cut(1);
  ASSERT_TRUE(cut.has_value());
  EXPECT_EQ(source.Entries().size(), 1u);

  // On a Think & Do project the free-text addresses are no tag names it
  // knows: they are cleared.
  TOvProject tnd = world_.TagMapProject(kModelOvSP);
  SetPointSetup tagNames(tnd, tnd.panels[0], ui_);
  ASSERT_EQ(tagNames.Paste(*cut, std::nullopt), std::optional<size_t>(0));
  EXPECT_EQ(tagNames.Entries()[0].item1.addressText, "");

  // Every number used: nothing is pasted.
  for (int number = 1; number <= 256; ++number) {
    TOvMessage entry(&otherPanel);
    entry.number = number;
    entry.isPlcMessage = 1;
    entry.setPointValue = true;
    otherPanel.messages.push_back(entry);
  }
  otherPanel.messages.erase(otherPanel.messages.begin(), otherPanel.messages.begin() + 3);
  SetPointSetup full(other, otherPanel, ui_);
  EXPECT_EQ(full.Paste(text, std::nullopt), std::nullopt);
  EXPECT_FALSE(full.Modified());
}

}  // namespace
}  // namespace orvane::testing
