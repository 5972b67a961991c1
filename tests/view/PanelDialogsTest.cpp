// The decisions of the panel operations' own dialogs: "Upgrade firmware"
// (where Browse starts, what it stores, which files OK takes) and the panel
// status dialog's fields.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/Settings.h"
#include "base/StringTable.h"
#include "tests/project/ProjectBuilders.h"
#include "tests/support/TestPaths.h"
#include "view/AddressDatabase.h"
#include "view/AddressDatabaseReport.h"
#include "view/FirmwareChoice.h"
#include "view/PanelCommands.h"
#include "view/PanelStatusView.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::MakeTempDir;
using testing::TestDataDir;
using testing::WriteText;

struct FirmwareWorld {
  explicit FirmwareWorld(const std::string& name)
      : folder(MakeTempDir(name)),
        settings(SettingsPaths{folder / "machine.ini", folder / "user.ini", folder / "install"}) {}
  fs::path folder;
  Settings settings;
};

TEST(FirmwareChoiceTest, BrowseStartsInTheInstalledFirmwareFolderAndMakesIt) {
  FirmwareWorld world("firmware-default");
  const FirmwareChoice choice(world.settings, FirmwareTarget::Panel);
  EXPECT_EQ(choice.StartFolder(), world.folder / "install" / "Firmware");
  EXPECT_TRUE(fs::is_directory(world.folder / "install" / "Firmware"));
  // Making it stores nothing: only a choice does.
  EXPECT_FALSE(world.settings.UserValue(settings::kSettingsSection, settings::kFirmwarePath));
}

TEST(FirmwareChoiceTest, TheChosenFilesFolderIsStoredAndTheNextBrowseStartsThere) {
  FirmwareWorld world("firmware-chosen");
  const fs::path folder = world.folder / "new folder";
  fs::create_directories(folder);
  FirmwareChoice choice(world.settings, FirmwareTarget::Panel);
  ASSERT_TRUE(choice.Chosen((folder / "Ov200B2.hex").string()));
  EXPECT_EQ(world.settings.UserValue(settings::kSettingsSection, settings::kFirmwarePath),
            folder.string());
  EXPECT_EQ(FirmwareChoice(world.settings, FirmwareTarget::Multiplexer).StartFolder(), folder);
}

TEST(FirmwareChoiceTest, AStoredFolderThatHasGoneFallsBackToTheInstalledOne) {
  FirmwareWorld world("firmware-gone");
  world.settings.SetFirmwarePath((world.folder / "gone").string());
  EXPECT_EQ(FirmwareChoice(world.settings, FirmwareTarget::Panel).StartFolder(),
            world.folder / "install" / "Firmware");
}

TEST(FirmwareChoiceTest, OkTakesOnlyAFirmwareImageOfTheTargetsKind) {
  FirmwareWorld world("firmware-check");
  const fs::path images = TestDataDir() / "images";
  WriteText(world.folder / "empty.hex", ":00000001FF\n");
  // The same short record moved to the firmware's start, 0x10000.
  WriteText(world.folder / "short-mux.srec", "S214010000000102030405060708090A0B0C0D0E0F72\n");
  struct Case {
    FirmwareTarget target;
    fs::path file;
    std::string refusal;  // empty: accepted; else the start of the text
  };
  const Case cases[] = {
      {FirmwareTarget::Panel, images / "firmware.hex", ""},
      {FirmwareTarget::Multiplexer, images / "mux-firmware.srec", ""},
      {FirmwareTarget::Multiplexer, images / "mux-firmware-comments.srec", ""},
      // The other device's image says so, not that the file is corrupted.
      {FirmwareTarget::Panel, images / "mux-firmware.srec", "is a multiplexer firmware file"},
      {FirmwareTarget::Multiplexer, images / "firmware.hex", "is a panel firmware file"},
      // What the upgrade itself would refuse.
      {FirmwareTarget::Panel, images / "bad-checksum.hex", "Error Z003: The file may be corrupted"},
      {FirmwareTarget::Panel, images / "missing-end.hex", "Error Z003"},
      {FirmwareTarget::Multiplexer, images / "mux-firmware-at-10100.srec", "Error Z003"},
      {FirmwareTarget::Multiplexer, images / "bad-checksum.srec", "Error Z003"},
      {FirmwareTarget::Multiplexer, world.folder / "short-mux.srec", "Error Z003"},
      {FirmwareTarget::Panel, world.folder / "empty.hex", "holds no firmware"},
      {FirmwareTarget::Multiplexer, world.folder / "empty.hex", "holds no firmware"},
      {FirmwareTarget::Panel, "", "Choose the firmware file first."},
      {FirmwareTarget::Panel, world.folder / "none.hex", "The file"},
      {FirmwareTarget::Panel, world.folder, "is a folder"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.string());
    const std::optional<std::string> refusal =
        FirmwareChoice(world.settings, c.target).Check(c.file.string());
    if (c.refusal.empty()) {
      EXPECT_FALSE(refusal) << *refusal;
    } else {
      ASSERT_TRUE(refusal);
      EXPECT_NE(refusal->find(c.refusal), std::string::npos) << *refusal;
    }
  }
}

DeviceStatus PanelStatus() {
  DeviceStatus status;
  status.model = 3;
  status.modelName = "Ov200P/Ov200PV";
  status.firmware = "B.2";
  status.memory = "  32 KB";
  status.hasDriver = true;
  status.driverManufacturer = 1;
  status.driverModel = 4;
  status.driverRevision = "C";
  status.driverName = "SLC 500 / MicroLogix DF1 Half Duplex";
  return status;
}

TEST(PanelStatusViewTest, FieldsCaptionAndPictureFollowTheDevice) {
  DeviceStatus behindPort = PanelStatus();
  behindPort.port = 4;
  behindPort.hasDriver = false;
  DeviceStatus unknownDriver = PanelStatus();
  unknownDriver.driverName.clear();
  DeviceStatus mux;
  mux.multiplexer = true;
  mux.model = 6;
  mux.modelName = "Multiplexer";
  mux.firmware = "A.7";
  mux.memory = "131072 Bytes";
  struct Case {
    const char* name;
    DeviceStatus status;
    std::string caption;
    std::vector<StatusField> fields;
  };
  const Case cases[] = {
      {"panel with driver",
       PanelStatus(),
       "Panel Status",
       {{"Panel Type:", "Ov200P/Ov200PV"},
        {"Firmware Revision:", "B.2"},
        {"Memory:", "  32 KB"},
        {"PLC Driver:", "SLC 500 / MicroLogix DF1 Half Duplex"},
        {"Manufacturer / Model Code:", "1 / 4"},
        {"Driver Revision:", "C"}}},
      {"panel behind the multiplexer without driver",
       behindPort,
       "Panel Status - Port 4",
       {{"Panel Type:", "Ov200P/Ov200PV"},
        {"Port:", "Port 4"},
        {"Firmware Revision:", "B.2"},
        {"Memory:", "  32 KB"},
        {"PLC Driver:", "None"}}},
      {"driver not installed here",
       unknownDriver,
       "Panel Status",
       {{"Panel Type:", "Ov200P/Ov200PV"},
        {"Firmware Revision:", "B.2"},
        {"Memory:", "  32 KB"},
        {"PLC Driver:", "Not installed on this PC"},
        {"Manufacturer / Model Code:", "1 / 4"},
        {"Driver Revision:", "C"}}},
      {"multiplexer",
       mux,
       "Multiplexer Status",
       {{"Device:", "Multiplexer"},
        {"Firmware Revision:", "A.7"},
        {"Memory:", "131072 Bytes"},
        {"PLC Driver:", "None"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PanelStatusView view = StatusViewOf(c.status);
    EXPECT_EQ(view.caption, c.caption);
    EXPECT_EQ(view.fields, c.fields);
    EXPECT_EQ(view.pictureModel, c.status.model);
  }
  EXPECT_NE(StatusViewOf(mux).description.find("Communication Master for multiple panels"),
            std::string::npos);
  EXPECT_NE(StatusViewOf(PanelStatus()).description.find("Numeric keypad"), std::string::npos);
}

// A model 3 panel with a PLC message using every item (item 2 without its
// marker), a local message with a PLC-password item, and one without any
// address.
TOvProject PasswordProject() {
  TOvProject project = testing::MakeProject(kModelOv200P);
  project.projectName = "Booster.ovx";
  project.plc.name = "SLC 500";
  TOvPanel& panel = *project.SelectedPanel();
  testing::SetEveryAddress(panel);
  panel.localPassword = 1954;
  TOvMessage plc(&panel);
  plc.isPlcMessage = 1;
  plc.number = 7;
  plc.text = testing::WithMarkers("P 1111 3333");
  testing::SetAddress(plc.item1, "N10:0");
  plc.item1.accessType = 1;
  plc.item1.variableDecimalPoint = true;
  testing::SetAddress(plc.item1.decimalPointRegister, "N10:9");
  testing::SetAddress(plc.item2, "N12:0");
  testing::SetAddress(plc.item3, "N10:1");
  panel.AddMessage(plc);
  TOvMessage empty(&panel);
  empty.isPlcMessage = 1;
  empty.number = 8;
  empty.text = "NO DATA";
  panel.AddMessage(empty);
  TOvMessage local(&panel);
  local.number = 256;
  local.text = testing::WithMarkers("CUT OUT 1111");
  testing::SetAddress(local.item1, "N11:1");
  local.item1.passwordProtected = true;
  local.item1.passwordIsLocal = false;
  panel.AddMessage(local);
  TOvMessage localPassword(&panel);
  localPassword.number = 255;
  testing::SetAddress(localPassword.item1, "N11:2");
  localPassword.item1.passwordProtected = true;
  localPassword.item1.accessType = 2;
  panel.AddMessage(localPassword);
  return project;
}

TEST(AddressDatabaseTest, RowsListEveryAddressAMessageHoldsInOrder) {
  const TOvProject project = PasswordProject();
  const AddressDatabase database(project);
  EXPECT_EQ(database.Headings(),
            (std::vector<std::string>{"ITEM No.", "Address", "Used in Message #", "Function",
                                      "Access Type", "Password"}));
  const std::vector<AddressRow> expected = {
      {"1", "N10:0", "7", "Data 1", "R", "N/A"},
      {"2", "N10:9", "7", "Decimal Point", "R", "N/A"},
      {"3", "N12:0", "7", "Data 2", "R", "N/A"},
      {"4", "N10:1", "7", "Data 3", "R", "N/A"},
      {"5", "N11:1", "Local", "Data 1", "R/W", "PLC"},
      {"6", "N11:2", "Local", "Data 1", "W", "LOCAL"},
  };
  EXPECT_EQ(database.Rows(), expected);
  EXPECT_EQ(database.MessageCount(), "  4");
  EXPECT_EQ(database.PlcName(), "SLC 500");
  EXPECT_EQ(database.ProjectName(), "Booster.ovx");
}

TEST(AddressDatabaseTest, SystemAddressesFollowTheModel) {
  struct Case {
    int32_t model;
    std::vector<SystemAddressShown> fields;
  };
  const Case cases[] = {
      {kModelOv200P,
       {{"Line 1:", "line1", true},
        {"Line 2:", "line2", true},
        {"Line 3:", "", false},
        {"Line 4:", "", false},
        {"Bit Write (Buttons)", "button", true},
        {"Bit Read (LED's)", "led", true},
        {"Bit Read (Annunciator Lights)", "annunciator", true},
        {"PLC Password Register:", "password", true},
        {"Local password:", "1954", true}}},
      {kModelOv400,
       {{"Line 1:", "line1", true},
        {"Line 2:", "line2", true},
        {"Line 3:", "line3", true},
        {"Line 4:", "line4", true},
        {"Bit Write (Buttons)", "button", true},
        {"Bit Read (LED's)", "led", true},
        {"Bit Read (Annunciator Lights)", "", false},
        {"PLC Password Register:", "", false},
        {"Local password:", "", false}}},
      {kModelOvSP, {{"Line 1:", "line1", true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    TOvProject project = testing::MakeProject(c.model);
    TOvPanel& panel = *project.SelectedPanel();
    testing::SetEveryAddress(panel);
    panel.localPassword = 1954;
    const AddressDatabase database(project);
    EXPECT_EQ(database.SystemAddresses(), c.fields);
    // Only the model with passwords has their column.
    EXPECT_EQ(database.Headings().size(), c.model == kModelOv200P ? 6u : 5u);
  }
  EXPECT_TRUE(AddressDatabase(testing::MakeProject(0)).Rows().empty());
}

TEST(AddressDatabaseTest, ThePrintCarriesTheLabelsAndContinuesTheListOnNewPages) {
  TOvProject project = PasswordProject();
  const AddressDatabase database(project);
  const std::vector<PrintedField> fields = database.PrintedFields();
  ASSERT_EQ(fields.size(), 11u);
  EXPECT_EQ(fields[0], (PrintedField{"Project Name : ", "Booster.ovx"}));
  EXPECT_EQ(fields[1], (PrintedField{"Project PLC(s)/Controller(s) : ", "SLC 500"}));
  EXPECT_EQ(fields[2], (PrintedField{"Line 1 :", "line1"}));
  EXPECT_EQ(fields[5], (PrintedField{"Line 4 :", "line4"}));
  EXPECT_EQ(fields[6], (PrintedField{"Bit Write(Button's) :", "button"}));
  EXPECT_EQ(fields[7], (PrintedField{"Bit Read(LED's) :", "led"}));
  EXPECT_EQ(fields[8], (PrintedField{"Bit Read (Annunciator Lights) :", "annunciator"}));
  EXPECT_EQ(fields[9], (PrintedField{"PLC Register :", "password"}));
  EXPECT_EQ(fields[10], (PrintedField{"Local Password :", "1954"}));

  // Ten characters a letter: every text fits.
  const ReportMeasure measure = [](const std::string& text, const ReportFont&) {
    return 10.0 * static_cast<double>(text.size());
  };
  ReportPaper paper;
  const std::vector<ReportPage> one = LayOutAddressDatabase(database, paper, measure);
  ASSERT_EQ(one.size(), 1u);
  ASSERT_TRUE(one[0].table);
  EXPECT_EQ(one[0].table->rows.size(), 6u);
  EXPECT_EQ(one[0].table->columns.size(), 6u);
  EXPECT_FALSE(one[0].table->verticalHeadings);
  // The labels stand left of their values, which start in one column.
  double valueLeft = -1;
  for (const ReportText& text : one[0].texts) {
    if (text.line.Text() == "line1" || text.line.Text() == "1954") {
      if (valueLeft < 0) {
        valueLeft = text.box.left;
      }
      EXPECT_EQ(text.box.left, valueLeft);
    }
  }
  EXPECT_GT(valueLeft, 10.0 * std::string("Project PLC(s)/Controller(s) : ").size());

  // Enough messages for three pages: no row below the footer, none lost,
  // the headings on every page and the numbers running on.
  TOvPanel& panel = *project.SelectedPanel();
  for (int number = 9; number < 9 + 80; ++number) {
    TOvMessage message(&panel);
    message.isPlcMessage = 1;
    message.number = number;
    testing::SetAddress(message.item2, FormatText("N20:%d", number));
    panel.AddMessage(message);
  }
  const std::vector<ReportPage> pages =
      LayOutAddressDatabase(AddressDatabase(project), paper, measure);
  ASSERT_GE(pages.size(), 2u);
  size_t rows = 0;
  for (const ReportPage& page : pages) {
    ASSERT_TRUE(page.table);
    EXPECT_EQ(page.table->columns.front().heading, "ITEM No.");
    EXPECT_LE(page.table->bottom, page.frame.bottom);
    for (const ReportRow& row : page.table->rows) {
      EXPECT_EQ(row.cells[0][0].Text(), std::to_string(++rows));
    }
    EXPECT_EQ(page.texts.back().line.Text(),
              FormatText("Page %d of %zu", page.number, pages.size()));
  }
  EXPECT_EQ(rows, 86u);
}

}  // namespace
}  // namespace orvane
