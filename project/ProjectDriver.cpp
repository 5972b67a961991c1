#include "project/ProjectDriver.h"

#include <algorithm>

#include "base/InstallDir.h"
#include "base/StringTable.h"
#include "plchost/DriverAddress.h"
#include "plchost/TempAttributeFile.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

// Application types a driver works in: 2 everywhere, 1 while it edits the
// attributes of a multi-panel project.
constexpr int kProgramApplicationType = 2;
constexpr int kMultiPanelApplicationType = 1;

// Wanted access for re-validation and conversion: read only, so that every
// address a field could hold passes.
constexpr int kReadAccess = 1;

void TakeRecord(TOvTag& tag, DriverAddress& address) {
  tag.SetPlcAddress(address.Record());
}

// A file read back from the driver's dialog is taken only when it is whole
// and the driver's: as long as the driver's own default file and with the
// same identity bytes. A dialog that failed half-way, or wrote another
// driver's file, leaves the project's attributes as they were.
bool IsWholeAttributeFile(const PlcDriver& driver, const std::vector<unsigned char>& bytes) {
  const std::vector<unsigned char> expected = DefaultAttributeBytes(driver);
  return expected.size() >= 2 && bytes.size() == expected.size() && bytes[0] == expected[0] &&
         bytes[1] == expected[1];
}

}  // namespace

DriverAddress DriverAddressOf(const TOvTag& tag) {
  DriverAddress address;
  const PlcAddress record = tag.plcAddress();
  address.mapLength = static_cast<int>(tag.MapLength());
  if (record.mapString != nullptr) {
    std::copy_n(record.mapString, tag.MapLength(), address.map.begin());
  }
  address.TakeFields(record);
  return address;
}

bool SetDefaultAttributes(const PlcDriver& driver, TOvPlcInfo& info) {
  TempAttributeFile file;
  if (!file.IsReady()) {
    return false;
  }
  const bool created = driver.CreateDefaultAttributes(file.PathText());
  if (created) {
    if (std::optional<std::vector<unsigned char>> bytes = file.Read()) {
      info.attributeBytes = std::move(*bytes);
    } else {
      file.Remove();
      return false;
    }
  }
  file.Remove();
  return created;
}

std::vector<unsigned char> DefaultAttributeBytes(const PlcDriver& driver) {
  TOvPlcInfo info;
  SetDefaultAttributes(driver, info);
  return info.attributeBytes;
}

std::vector<unsigned char> EditAttributeBytes(const PlcDriver& driver,
                                              const std::vector<unsigned char>& current,
                                              int systemMode) {
  TempAttributeFile file;
  if (!file.Write(current)) {
    return {};
  }
  const bool multiPanel = systemMode == kMultiPanelSystem;
  if (multiPanel) {
    driver.TellApplicationType(kMultiPanelApplicationType);
  }
  const bool ran = driver.EditAttributes(file.PathText());
  if (multiPanel) {
    driver.TellApplicationType(kProgramApplicationType);
  }
  if (!ran) {
    return {};
  }
  std::optional<std::vector<unsigned char>> edited = file.Read();
  if (!edited || *edited == current || !IsWholeAttributeFile(driver, *edited)) {
    return {};
  }
  return std::move(*edited);
}

bool EditAttributes(TOvProject& project, UserInterface& ui) {
  const PlcDriver driver = project.Driver(&ui);
  if (!driver.IsAttached()) {
    return false;
  }
  std::vector<unsigned char> edited =
      EditAttributeBytes(driver, project.plc.attributeBytes, project.systemMode);
  if (edited.empty()) {
    return false;
  }
  project.plc.attributeBytes = std::move(edited);
  project.changed = true;
  return true;
}

int RevalidateAddresses(TOvProject& project, UserInterface& ui, const RefusedAddress& refused) {
  PlcDriver driver = project.Driver(&ui);
  int refusals = 0;
  for (TOvPanel& panel : project.panels) {
    panel.ForEachAddress([&](TOvTag& tag) {
      if (tag.addressText.empty()) {
        return;
      }
      DriverAddress address = DriverAddressOf(tag);
      if (driver.ValidateAddress(address, tag.addressText, kReadAccess,
                                 static_cast<int>(tag.dataType))) {
        TakeRecord(tag, address);
        return;
      }
      ++refusals;
      if (refused) {
        refused(panel, tag);
      }
    });
  }
  return refusals;
}

AddressCheck CheckAddress(PlcDriver& driver, const TOvTag& tag) {
  driver.SetQuiet(true);
  DriverAddress address = DriverAddressOf(tag);
  const bool valid =
      driver.ValidateAddress(address, tag.addressText, kReadAccess, static_cast<int>(tag.dataType));
  driver.SetQuiet(false);
  if (!valid) {
    return AddressCheck::Refused;
  }
  return std::equal(tag.MapString(), tag.MapString() + tag.MapLength(), address.map.begin())
             ? AddressCheck::Valid
             : AddressCheck::Differs;
}

std::string AddressLogLine(const std::string& oldText, const std::string& newText,
                           const std::string& remark) {
  return oldText + '\t' + newText + '\t' + remark + '\t';
}

std::vector<std::string> ConvertAddresses(TOvProject& project, PlcDriver& newDriver) {
  std::vector<std::string> log;
  project.ForEachAddress([&](TOvTag& tag) {
    if (tag.addressText.empty()) {
      return;
    }
    const std::string oldText = tag.addressText;
    DriverAddress address = DriverAddressOf(tag);
    if (newDriver.ValidateAddress(address, oldText, kReadAccess, static_cast<int>(tag.dataType))) {
      tag.addressText = newDriver.AddressText(address);
      TakeRecord(tag, address);
      log.push_back(AddressLogLine(oldText, tag.addressText, ""));
    } else {
      tag.addressText.clear();
      log.push_back(AddressLogLine(oldText, " ", LoadString(strings::kAddressNotConvertible)));
    }
  });
  return log;
}

bool PanelDriverPath(const TOvProject& project, const std::string& kind, std::string& path) {
  const PlcDriver driver = project.Driver();
  if (!driver.IsAttached()) {
    return false;
  }
  const std::string image = driver.DriverDetails().driverImage;
  if (image.empty()) {
    return false;
  }
  const char* extension = kind == kHexImageKind ? ".plx" : ".plc";
  path = DriverImagePath(image + extension).string();
  return true;
}

bool MultiplexerDriverPath(const TOvProject& project, std::string& path) {
  if (!project.DriverModule().IsOpen()) {
    return false;
  }
  path = DriverImagePath("multiplexer.plx").string();
  return true;
}

}  // namespace orvane
