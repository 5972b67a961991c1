#include "project/ProjectReader.h"

#include <optional>
#include <set>

#include "base/ForwardingUserInterface.h"
#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/LineReader.h"
#include "project/ProjectWriter.h"
#include "project/TOvException.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

// A failure that has no message of its own: the caller's Z002 says it all,
// and its details say where and why.
struct InvalidFile {
  std::string reason;
};

// Adds the place in the file to the messages the address loaders show
// (T007), so the user can find the line.
class PlacingInterface final : public ForwardingUserInterface {
 public:
  PlacingInterface(UserInterface& inner, const std::string& sourceName, const LineReader& lines)
      : ForwardingUserInterface(inner), sourceName_(sourceName), lines_(lines) {}

  void ShowMessage(const Message& message) override {
    Message placed = message;
    if (placed.details.empty()) {
      placed.details = ProjectFilePlace(sourceName_, lines_.LineNumber()) + ".";
    }
    shown = placed.text;
    ForwardingUserInterface::ShowMessage(placed);
  }

  std::string shown;  // the last message's text

 private:
  const std::string& sourceName_;
  const LineReader& lines_;
};

constexpr const char* kErrorCaption = "Error";

// Reads an address's lines; an address that refuses (a data item with a bad
// access type) has told the user why.
void LoadAddressLines(LineReader& in, PlacingInterface& ui, TOvTag& tag) {
  if (!tag.Load(in, ui)) {
    throw InvalidFile{ui.shown};
  }
}

// A message's lines: number, text, kind (with the tree place of a local
// message), the set point flag on the set point model, the data items in
// use and, in the current version, the leading-zero flags.
void ReadMessageLines(LineReader& in, PlacingInterface& ui, bool current, TOvMessage& message,
                      const TOvPanel& panel) {
  message.number = in.Int();
  message.text = in.Line();
  message.isPlcMessage = in.Int();
  if (message.isPlcMessage == 0) {
    message.isFolder = in.Int();
    message.depth = static_cast<int16_t>(in.Int());
  }
  if (panel.IsSetPoint()) {
    message.setPointValue = in.EqualsOne();
  }
  if (message.HasMarker(kItem1Marker) || panel.IsSetPoint()) {
    LoadAddressLines(in, ui, message.item1);
  }
  if (message.Item2InUse()) {
    LoadAddressLines(in, ui, message.item2);
  }
  if (message.Item3InUse()) {
    LoadAddressLines(in, ui, message.item3);
  }
  if (current) {
    for (bool& zeros : message.leadingZeros) {
      zeros = in.EqualsOne();
    }
  }
}

bool InRange(int32_t value, int32_t low, int32_t high) {
  return value >= low && value <= high;
}

class Reader {
 public:
  Reader(std::istream& in, TOvProject& project, UserInterface& ui, const DriverLookup& lookup,
         const std::string& sourceName)
      : in_(in), project_(project), ui_(ui, sourceName, in_), lookup_(lookup) {}

  /// The line a failure is about: the line just read, or the one a check
  /// looks back to.
  int Line() const { return blamedLine_ != 0 ? blamedLine_ : in_.LineNumber(); }
  /// The text of the last message an address loader showed.
  const std::string& Shown() const { return ui_.shown; }

  void Read() {
    const FileVersion version = VersionOfMagic(in_.Line());
    if (version == FileVersion::Unknown) {
      throw InvalidFile{"the first line is not the first line of an Orvane project file"};
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
      throw InvalidFile{"the file ends early"};
    }
  }

  void ReadSystem() {
    project_.systemMode = in_.Int();
    if (project_.systemMode != kSinglePanelSystem && project_.systemMode != kMultiPanelSystem) {
      throw InvalidFile{
          FormatText("the system type %d is neither 0 (single panel) nor 1 (multi-panel)",
                     project_.systemMode)};
    }
    if (project_.systemMode == kMultiPanelSystem) {
      for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
        const int32_t model = in_.Int();
        if (!InRange(model, kModelNotConfigured, kModelOvSP)) {
          throw InvalidFile{
              FormatText("port %d has panel model %d; models are 0 (none) to 5", port, model)};
        }
        project_.portTable.SetModel(port, model);
      }
      const int32_t selected = in_.Int();
      if (!InRange(selected, 0, kLastPort)) {
        throw InvalidFile{FormatText("the selected port %d is not 0 to 5", selected)};
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
      throw InvalidFile{FormatText(
          "the file says %d panel(s) where the %s holds %d", count,
          project_.systemMode == kMultiPanelSystem ? "port table" : "single panel system",
          expected)};
    }
    for (int32_t i = 0; i < count; ++i) {
      TOvPanel& panel = project_.AppendPanel(TOvPanel(&project_, kModelOv200));
      ReadPanel(panel);
      RefuseIfCutShort();
    }
    if (project_.systemMode == kSinglePanelSystem) {
      project_.portTable.SetPanel(project_.panels.front());
    }
  }

  void ReadPanel(TOvPanel& panel) {
    panel.panelModel = in_.Int();
    if (!InRange(panel.panelModel, kModelOv200, kModelOvSP)) {
      throw InvalidFile{FormatText("the panel model %d is not 1 to 5", panel.panelModel)};
    }
    panel.portNumber = in_.Int();
    if (!InRange(panel.portNumber, kFirstPort, kLastPort)) {
      throw InvalidFile{FormatText("the panel's port %d is not 1 to 5", panel.portNumber)};
    }
    // Every panel sits on a port of its own, on the port the port table
    // gives its model (port 1 in a single panel system).
    const bool multiPanel = project_.systemMode == kMultiPanelSystem;
    if (multiPanel ? project_.portTable.Model(panel.portNumber) != panel.panelModel
                   : panel.portNumber != kFirstPort) {
      throw InvalidFile{multiPanel
                            ? FormatText("the port table has no model %d panel on port %d",
                                         panel.panelModel, panel.portNumber)
                            : FormatText("a single panel system's panel sits on port 1, not %d",
                                         panel.portNumber)};
    }
    if (!ports_.insert(panel.portNumber).second) {
      throw InvalidFile{FormatText("a second panel on port %d", panel.portNumber)};
    }
    panel.beeperEnabled = in_.EqualsOne();
    panel.firstMessageNumber = in_.Int();
    const int32_t messageCount = in_.Int();
    if (!InRange(messageCount, 0, kMaxMessagesPerPanel)) {
      throw InvalidFile{FormatText("the panel has %d messages; a panel holds 0 to %d", messageCount,
                                   kMaxMessagesPerPanel)};
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
    ReadMessageLines(in_, ui_, current_, message, panel);
  }

  void LoadAddress(TOvTag& tag) { LoadAddressLines(in_, ui_, tag); }

  void ReadPlc() {
    TOvPlcInfo& plc = project_.plc;
    plc.name = in_.Line();
    plc.pluginPath = in_.Line();
    plc.mapLength = in_.Int();
    const int32_t count = in_.Int();
    if (count < 2) {
      throw InvalidFile{
          FormatText("the PLC attributes have %d bytes; they need at least the manufacturer "
                     "and model codes",
                     count)};
    }
    const int firstByteLine = in_.LineNumber() + 1;
    for (int32_t i = 0; i < count && !in_.PastEnd(); ++i) {
      const int32_t byte = in_.Int();
      if (!InRange(byte, 0, 255)) {
        throw InvalidFile{FormatText("the PLC attribute byte %d is not 0 to 255", byte)};
      }
      plc.attributeBytes.push_back(static_cast<unsigned char>(byte));
    }
    RefuseIfCutShort();
    const DriverNameAndPath driver = lookup_(plc.ManufacturerCode(), plc.ModelCode());
    if (driver.path.empty()) {
      blamedLine_ = firstByteLine;  // the manufacturer code
      throw TOvException(
          0, FormatText(LoadString(strings::kP007), plc.ManufacturerCode(), plc.ModelCode()));
    }
    plc.name = driver.name;
    plc.pluginPath = driver.path;
  }

  LineReader in_;
  TOvProject& project_;
  PlacingInterface ui_;
  const DriverLookup& lookup_;
  std::set<int32_t> ports_;
  int blamedLine_ = 0;
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

std::string ProjectFilePlace(const std::string& sourceName, int line) {
  const std::string place = FormatText("line %d", line);
  return sourceName.empty() ? place : sourceName + ", " + place;
}

bool ReadProject(std::istream& in, TOvProject& project, UserInterface& ui,
                 const DriverLookup& lookup, const std::string& sourceName,
                 ProjectReadFailure* failure) {
  Reader reader(in, project, ui, lookup, sourceName);
  const auto fail = [&](std::string reason, bool shown) {
    if (failure != nullptr) {
      *failure = ProjectReadFailure{reader.Line(), std::move(reason), shown};
    }
    return false;
  };
  try {
    reader.Read();
    return true;
  } catch (const InvalidFile& invalid) {
    // An address loader that refused has shown its own message.
    return fail(invalid.reason, !reader.Shown().empty());
  } catch (const TOvException& error) {
    ui.ShowMessage(Message{error.DisplayText(), kErrorCaption, Icon::Stop,
                           ProjectFilePlace(sourceName, reader.Line()) + ".", 0});
    return fail(error.DisplayText(), true);
  }
}

bool ReadMessageRecord(std::istream& in, TOvMessage& message, const TOvPanel& panel,
                       UserInterface& ui) {
  LineReader lines(in);
  const std::string noName;
  PlacingInterface placing(ui, noName, lines);
  try {
    ReadMessageLines(lines, placing, true, message, panel);
  } catch (const InvalidFile&) {
    return false;
  } catch (const TOvException&) {
    return false;
  }
  return !lines.PastEnd();
}

}  // namespace orvane
