#include "project/ProjectReader.h"

#include <set>

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/LineReader.h"
#include "project/ProjectWriter.h"
#include "project/TOvException.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

// A failure that has no message of its own: the caller's Z002 says it all.
struct InvalidFile {};

constexpr const char* kErrorCaption = "Error";

bool InRange(int32_t value, int32_t low, int32_t high) {
  return value >= low && value <= high;
}

class Reader {
 public:
  Reader(std::istream& in, TOvProject& project, UserInterface& ui, const DriverLookup& lookup)
      : in_(in), project_(project), ui_(ui), lookup_(lookup) {}

  void Read() {
    const FileVersion version = VersionOfMagic(in_.Line());
    if (version == FileVersion::Unknown) {
      throw InvalidFile{};
    }
    current_ = version == FileVersion::Current;
    ReadSystem();
    ReadPanels();
    ReadPlc();
    project_.tagMapInUse = in_.EqualsOne();
    if (project_.tagMapInUse) {
      project_.tagMapPath = in_.Line();
    }
    // A file that ends early reads as zeros and empty texts to its end;
    // nothing of it is taken.
    RefuseIfCutShort();
  }

 private:
  void RefuseIfCutShort() const {
    if (in_.PastEnd()) {
      throw InvalidFile{};
    }
  }

  void ReadSystem() {
    project_.systemMode = in_.Int();
    if (project_.systemMode != kSinglePanelSystem && project_.systemMode != kMultiPanelSystem) {
      throw InvalidFile{};
    }
    if (project_.systemMode == kMultiPanelSystem) {
      for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
        const int32_t model = in_.Int();
        if (!InRange(model, kModelNotConfigured, kModelOvSP)) {
          throw InvalidFile{};
        }
        project_.portTable.SetModel(port, model);
      }
      const int32_t selected = in_.Int();
      if (!InRange(selected, 0, kLastPort)) {
        throw InvalidFile{};
      }
      // 0 names no port; it is kept, so the file saves back as it was.
      project_.portTable.selectedPort = selected;
    }
  }

  void ReadPanels() {
    const int32_t count = in_.Int();
    const int32_t expected =
        project_.systemMode == kMultiPanelSystem ? project_.portTable.ConfiguredCount() : 1;
    if (count != expected) {
      throw InvalidFile{};
    }
    std::set<int32_t> ports;
    for (int32_t i = 0; i < count; ++i) {
      TOvPanel& panel = project_.AppendPanel(TOvPanel(&project_, kModelOv200));
      ReadPanel(panel);
      RefuseIfCutShort();
      // Every panel sits on a port of its own, on the port the port table
      // gives its model (port 1 in a single panel system).
      const bool portFits = project_.systemMode == kMultiPanelSystem
                                ? project_.portTable.Model(panel.portNumber) == panel.panelModel
                                : panel.portNumber == kFirstPort;
      if (!portFits || !ports.insert(panel.portNumber).second) {
        throw InvalidFile{};
      }
    }
    if (project_.systemMode == kSinglePanelSystem) {
      project_.portTable.SetPanel(project_.panels.front());
    }
  }

  void ReadPanel(TOvPanel& panel) {
    panel.panelModel = in_.Int();
    panel.portNumber = in_.Int();
    if (!InRange(panel.panelModel, kModelOv200, kModelOvSP) ||
        !InRange(panel.portNumber, kFirstPort, kLastPort)) {
      throw InvalidFile{};
    }
    panel.beeperEnabled = in_.EqualsOne();
    panel.firstMessageNumber = in_.Int();
    const int32_t messageCount = in_.Int();
    if (!InRange(messageCount, 0, kMaxMessagesPerPanel)) {
      throw InvalidFile{};
    }
    for (int32_t i = 0; i < messageCount; ++i) {
      // A new message's data item 1 starts at data type 0's maximum.
      TOvMessage& message = panel.AddMessage(TOvMessage(&panel));
      ReadMessage(message, panel);
      RefuseIfCutShort();
    }
    if (!panel.IsSetPoint()) {
      for (int key = 0; key < kKeyCount; ++key) {
        panel.keysLeds.ledMode[static_cast<size_t>(key)] = in_.Int();
        panel.keysLeds.buttonAction[static_cast<size_t>(key)] = in_.Int();
      }
      LoadAddress(panel.keysLeds.ledWord);
      LoadAddress(panel.keysLeds.buttonWord);
    }
    panel.keysLeds.ledWord.dataType = kDataTypeBinary16;
    panel.keysLeds.buttonWord.dataType = kDataTypeBinary16;
    if (panel.HasPasswords()) {
      LoadAddress(panel.annunciatorWord);
    }
    panel.annunciatorWord.dataType = kDataTypeBinary16;
    for (TOvTag& lineRegister : panel.lineRegisters) {
      LoadAddress(lineRegister);
    }
    LoadAddress(panel.passwordRegister);
    panel.localPassword = in_.UInt();
    if (current_) {
      panel.plcMessageDelay = in_.EqualsOne();
      panel.cursorOnPlcMessage = in_.EqualsOne();
    }
  }

  void ReadMessage(TOvMessage& message, const TOvPanel& panel) {
    message.number = in_.Int();
    message.text = in_.Line();
    message.isPlcMessage = in_.Int();
    if (message.isPlcMessage == 0) {
      message.isFolder = in_.Int();
      message.depth = static_cast<int16_t>(in_.Int());
    }
    if (panel.IsSetPoint()) {
      message.setPointValue = in_.EqualsOne();
    }
    if (message.HasMarker(kItem1Marker) || panel.IsSetPoint()) {
      LoadAddress(message.item1);
    }
    if (message.Item2InUse()) {
      LoadAddress(message.item2);
    }
    if (message.Item3InUse()) {
      LoadAddress(message.item3);
    }
    if (current_) {
      for (bool& zeros : message.leadingZeros) {
        zeros = in_.EqualsOne();
      }
    }
  }

  void LoadAddress(TOvTag& tag) {
    // Data items tell the user about a bad access type themselves.
    if (!tag.Load(in_, ui_)) {
      throw InvalidFile{};
    }
  }

  void ReadPlc() {
    TOvPlcInfo& plc = project_.plc;
    plc.name = in_.Line();
    plc.pluginPath = in_.Line();
    plc.mapLength = in_.Int();
    const int32_t count = in_.Int();
    if (count < 2) {
      throw InvalidFile{};
    }
    for (int32_t i = 0; i < count && !in_.PastEnd(); ++i) {
      const int32_t byte = in_.Int();
      if (!InRange(byte, 0, 255)) {
        throw InvalidFile{};
      }
      plc.attributeBytes.push_back(static_cast<unsigned char>(byte));
    }
    RefuseIfCutShort();
    const DriverNameAndPath driver = lookup_(plc.ManufacturerCode(), plc.ModelCode());
    if (driver.path.empty()) {
      throw TOvException(
          0, FormatText(LoadString(strings::kP007), plc.ManufacturerCode(), plc.ModelCode()));
    }
    plc.name = driver.name;
    plc.pluginPath = driver.path;
  }

  LineReader in_;
  TOvProject& project_;
  UserInterface& ui_;
  const DriverLookup& lookup_;
  bool current_ = true;
};

}  // namespace

FileVersion VersionOfMagic(const std::string& line) {
  if (line == kCurrentMagic) {
    return FileVersion::Current;
  }
  if (line == kPreviousMagic) {
    return FileVersion::Previous;
  }
  return FileVersion::Unknown;
}

bool ReadProject(std::istream& in, TOvProject& project, UserInterface& ui,
                 const DriverLookup& lookup) {
  try {
    Reader(in, project, ui, lookup).Read();
    return true;
  } catch (const InvalidFile&) {
    return false;
  } catch (const TOvException& error) {
    ui.Show(error.DisplayText(), Icon::Stop, kErrorCaption);
    return false;
  }
}

}  // namespace orvane
