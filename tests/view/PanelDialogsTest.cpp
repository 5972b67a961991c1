// The decisions of the panel operations' own dialogs: "Upgrade firmware"
// (where Browse starts, what it stores, which files OK takes) and the panel
// status dialog's fields.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/Settings.h"
#include "tests/support/TestPaths.h"
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

}  // namespace
}  // namespace orvane
