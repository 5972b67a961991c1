// The system address, keys and LEDs and annunciator setups without widgets,
// over the Kestrel test driver: each refusal with its message and field,
// the panel unchanged by it, and an accepted edit that survives the project
// file.
#include <gtest/gtest.h>

#include "project/ProjectDriver.h"
#include "tests/view/EditorTestSupport.h"
#include "view/AnnunciatorSetup.h"
#include "view/KeysLedsSetup.h"
#include "view/SystemAddressSetup.h"

namespace orvane::testing {
namespace {

using Texts = std::vector<std::string>;

constexpr const char* kT002 = "Error T002: Invalid Access Type";
constexpr const char* kZ007 = "Error Z007: Discrete addresses are not allowed here.";

class SetupEditorsTest : public ::testing::Test {
 protected:
  EditorWorld world_{"setup-editors"};
  ScriptedUserInterface& ui_ = world_.Ui();
};

TEST_F(SetupEditorsTest, SystemAddressesRefuseInOrderAndLeaveThePanelAsItWas) {
  TOvProject project = world_.Project(kModelOv200P);
  TOvPanel& panel = project.panels[0];
  SystemAddressSetup setup(project, panel, ui_);
  EXPECT_TRUE(setup.PasswordsInUse());
  EXPECT_TRUE(setup.LineInUse(2));
  EXPECT_FALSE(setup.LineInUse(3));

  SystemAddressFields good = setup.Fields();
  EXPECT_EQ(good.localPassword, "0");
  good.lines[0] = "N7:1";
  good.lines[1] = "N7:2";
  good.passwordRegister = "N7:3";
  good.localPassword = "1234";
  const std::string before = PanelText(project);
  struct Case {
    const char* what;
    void (*spoil)(SystemAddressFields&);
    SystemAddressField field;
    Texts messages;
  };
  const Case cases[] = {
      {"password not a number",
       [](SystemAddressFields& f) { f.localPassword = "12a"; },
       SystemAddressField::LocalPassword,
       {"Please enter an integer."}},
      {"password too large",
       [](SystemAddressFields& f) { f.localPassword = "4294967296"; },
       SystemAddressField::LocalPassword,
       {"Please enter a number between 0 and 4294967295"}},
      {"line one refused",
       [](SystemAddressFields& f) { f.lines[0] = "N7:1/2"; },
       SystemAddressField::Line1,
       {kZ007}},
      // The first failure ends it: line two's check never shows.
      {"line two refused",
       [](SystemAddressFields& f) { f.lines[1] = "XX"; },
       SystemAddressField::Line2,
       {}},
      {"password register",
       [](SystemAddressFields& f) { f.passwordRegister = "N7:3/0"; },
       SystemAddressField::PasswordRegister,
       {kZ007}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ui_.Clear();
    SystemAddressFields fields = good;
    fields.beeper = false;
    c.spoil(fields);
    EXPECT_FALSE(setup.Accept(fields));
    EXPECT_EQ(setup.FailedField(), c.field);
    EXPECT_EQ(ui_.MessageTexts(), c.messages);
    EXPECT_EQ(PanelText(project), before);
    EXPECT_FALSE(project.changed);
  }

  // Accepted: everything stored, read back from the file as it was made.
  good.lineTypes[1] = kDataTypeBinary32;
  good.passwordType = kDataTypeBinary16;
  good.messageDelay = false;
  ui_.Clear();
  ASSERT_TRUE(setup.Accept(good));
  EXPECT_TRUE(ui_.Calls().empty());
  EXPECT_TRUE(project.changed);
  EXPECT_EQ(panel.lineRegisters[1].addressText, "N7:2");
  EXPECT_EQ(panel.lineRegisters[1].dataType, kDataTypeBinary32);
  EXPECT_EQ(panel.localPassword, 1234u);
  std::string saved;
  TOvProject loaded = world_.SaveAndReload(project, &saved);
  EXPECT_TRUE(loaded.Equals(project));
  EXPECT_EQ(PanelText(loaded), PanelText(project));
  EXPECT_EQ(SystemAddressSetup(loaded, loaded.panels[0], ui_).Fields(), good);
}

TEST_F(SetupEditorsTest, SystemAddressesOfAModelWithoutPasswordsOrMoreLines) {
  TOvProject project = world_.Project(kModelOv200);
  TOvPanel& panel = project.panels[0];
  SystemAddressSetup setup(project, panel, ui_);
  EXPECT_FALSE(setup.PasswordsInUse());
  SystemAddressFields fields = setup.Fields();
  // Fields the model does not use are not looked at.
  fields.localPassword = "not a number";
  fields.passwordRegister = "N7:1/1";
  fields.lines[2] = "N7:1/1";
  fields.lines[0] = "N7:10";
  EXPECT_TRUE(setup.Accept(fields));
  EXPECT_TRUE(ui_.Calls().empty());
  EXPECT_EQ(panel.lineRegisters[0].addressText, "N7:10");
  EXPECT_EQ(panel.lineRegisters[2].addressText, "");
  EXPECT_EQ(panel.passwordRegister.addressText, "");
  EXPECT_EQ(panel.localPassword, 0u);
  // An empty text clears the address.
  fields.lines[0] = "";
  EXPECT_TRUE(setup.Accept(fields));
  EXPECT_EQ(panel.lineRegisters[0].addressText, "");
}

TEST_F(SetupEditorsTest, KeysAndLedsCheckTheLedWordFirstAndCancelPutsEverythingBack) {
  TOvProject project = world_.Project(kModelOv400);
  TOvPanel& panel = project.panels[0];
  {
    KeysLedsSetup setup(project, panel, ui_);
    setup.SetButtonAction(1, kButtonAlternate);
    setup.SetLedMode(5, kLedByPlc);
    setup.SetButtonAction(6, kButtonAlternate);                   // no such key
    setup.SetLedMode(2, 3);                                       // no such mode
    EXPECT_EQ(panel.keysLeds.buttonAction[0], kButtonAlternate);  // at once
    EXPECT_EQ(panel.keysLeds.ledMode[1], kLedByButton);

    // An invalid LED word stops OK before the button word is looked at.
    EXPECT_FALSE(setup.Accept("N7:0/1", "N7:1/1"));
    EXPECT_EQ(setup.FailedField(), KeysLedsField::LedWord);
    EXPECT_EQ(ui_.MessageTexts(), Texts{kZ007});
    EXPECT_EQ(panel.keysLeds.ledWord.addressText, "");
    EXPECT_EQ(panel.keysLeds.buttonWord.addressText, "");
    // The panel writes the button word: a read only address does not do.
    ui_.Clear();
    EXPECT_FALSE(setup.Accept("I1:0", "I1:1"));
    EXPECT_EQ(setup.FailedField(), KeysLedsField::ButtonWord);
    EXPECT_EQ(ui_.MessageTexts(), Texts{kT002});

    setup.Cancel();
    EXPECT_TRUE(panel.keysLeds.Equals(TOvKeyLedConfig()));
    EXPECT_EQ(panel.keysLeds.ledWord.addressText, "");
    EXPECT_EQ(panel.keysLeds.ledWord.dataType, kDataTypeBinary16);
    EXPECT_FALSE(project.changed);
  }

  KeysLedsSetup setup(project, panel, ui_);
  for (int key = 1; key <= kKeyCount; ++key) {
    setup.SetButtonAction(key, (key + 1) % 3);
    setup.SetLedMode(key, key % 3);
  }
  ui_.Clear();
  ASSERT_TRUE(setup.Accept("i1:4", "N7:5"));
  EXPECT_TRUE(ui_.Calls().empty());
  EXPECT_TRUE(project.changed);
  EXPECT_EQ(setup.LedWordText(), "I1:4");
  TOvProject loaded = world_.SaveAndReload(project);
  EXPECT_TRUE(loaded.Equals(project));
  EXPECT_EQ(PanelText(loaded), PanelText(project));
  KeysLedsSetup reread(loaded, loaded.panels[0], ui_);
  EXPECT_EQ(reread.ButtonAction(3), 1);
  EXPECT_EQ(reread.LedMode(5), 2);
  EXPECT_EQ(reread.ButtonWordText(), "N7:5");
  EXPECT_EQ(loaded.panels[0].keysLeds.buttonWord.dataType, kDataTypeBinary16);
}

TEST_F(SetupEditorsTest, TheWordBitsByHowThePlcNumbersThem) {
  EXPECT_EQ(WordBitLabel(8, true), "B10");
  EXPECT_EQ(WordBitLabel(12, true), "B14");
  EXPECT_EQ(WordBitLabel(8, false), "B08");
  EXPECT_EQ(WordBitLabel(12, false), "B12");
  EXPECT_EQ(WordBitLabel(4, true), "B04");
  TOvProject project = world_.Project(kModelOv200);
  EXPECT_FALSE(NumbersBitsInOctal(project));
  project.plc.attributeBytes[0] = 31;  // DirectLOGIC
  EXPECT_TRUE(NumbersBitsInOctal(project));
}

TEST_F(SetupEditorsTest, AnnunciatorLampsAndWord) {
  using Labels = std::array<std::string, 4>;
  EXPECT_EQ(LampStateLabels(1), (Labels{"\nBIT0 = 0\nBIT1 = 0", "\nBIT0 = 1\nBIT1 = 0",
                                        "\nBIT0 = 0\nBIT1 = 1", "\nBIT0 = 1\nBIT1 = 1"}));
  EXPECT_EQ(LampStateLabels(2)[2], "\nBIT2 = 0\nBIT3 = 1");
  EXPECT_EQ(LampStateLabels(3)[1], "\nBIT4 = 1\nBIT5 = 0");

  TOvProject project = world_.Project(kModelOv200P);
  TOvPanel& panel = project.panels[0];
  AnnunciatorSetup setup(project, panel, ui_);
  EXPECT_FALSE(setup.Accept("N7:2/1"));
  EXPECT_EQ(ui_.MessageTexts(), Texts{kZ007});
  EXPECT_EQ(panel.annunciatorWord.addressText, "");
  ASSERT_TRUE(setup.Accept("n7:2"));
  EXPECT_EQ(setup.WordText(), "N7:2");
  EXPECT_EQ(panel.annunciatorWord.dataType, kDataTypeBinary16);
  TOvProject loaded = world_.SaveAndReload(project);
  EXPECT_TRUE(loaded.Equals(project));
  EXPECT_EQ(PanelText(loaded), PanelText(project));
}

TEST_F(SetupEditorsTest, ThinkAndDoFieldsShowAndKeepTagNames) {
  TOvProject project = world_.TagMapProject(kModelOv200P);
  TOvPanel& panel = project.panels[0];
  KeysLedsSetup keys(project, panel, ui_);
  EXPECT_EQ(keys.Kind(), AddressFieldKind::TagName);
  ASSERT_TRUE(keys.Accept("PUMP\tC10,5,10,x", "LEVEL\tC11,5,11,x"));
  EXPECT_EQ(panel.keysLeds.ledWord.tagName, "PUMP");
  EXPECT_EQ(panel.keysLeds.ledWord.addressText, "C10,5,10,x");
  EXPECT_EQ(keys.ButtonWordText(), "LEVEL\tC11,5,11,x");
  // The empty entry of the combo clears the address.
  SystemAddressSetup system(project, panel, ui_);
  SystemAddressFields fields = system.Fields();
  fields.lines[0] = "TANK\tN7,7,5,x";
  fields.passwordRegister = "";
  ASSERT_TRUE(system.Accept(fields));
  TOvProject loaded = world_.SaveAndReload(project);
  EXPECT_EQ(PanelText(loaded), PanelText(project));
  EXPECT_EQ(loaded.panels[0].lineRegisters[0].tagName, "TANK");
  EXPECT_TRUE(ui_.MessageTexts().empty());
}

TEST(ThinkAndDoSetup, TheThinkAndDoDriverTakesTheMapRemaindersOfTheTagNames) {
  EditorWorld world("think-and-do", true);
  TOvProject project = world.TagMapProject(kModelOv200P);
  ASSERT_EQ(project.plc.ManufacturerCode(), 34);
  ASSERT_NE(project.plc.pluginPath.find("Tandry"), std::string::npos);
  TOvPanel& panel = project.panels[0];
  SystemAddressSetup setup(project, panel, world.Ui());
  SystemAddressFields fields = setup.Fields();
  fields.lines[0] = "PUMP\tC10,5,10,x";
  // A remainder whose type index names no Think & Do data type.
  fields.lines[1] = "ODD\tC10,3,10,x";
  EXPECT_FALSE(setup.Accept(fields));
  EXPECT_EQ(setup.FailedField(), SystemAddressField::Line2);
  fields.lines[1] = "TANK\tN7,7,5,x";
  ASSERT_TRUE(setup.Accept(fields));
  // The remainder stays the text; the parsed form is the driver's Modbus
  // reference (slave 0, holding registers, 4107 for element 5 of N).
  EXPECT_EQ(panel.lineRegisters[1].addressText, "N7,7,5,x");
  EXPECT_EQ(DriverAddressOf(panel.lineRegisters[1]).MapText(), "00 03 10 0B 00");
  TOvProject loaded = world.SaveAndReload(project);
  EXPECT_TRUE(loaded.Equals(project));
  EXPECT_EQ(PanelText(loaded), PanelText(project));
}

}  // namespace
}  // namespace orvane::testing
