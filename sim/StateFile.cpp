#include "sim/StateFile.h"

#include <charconv>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "link/HexRecordImage.h"
#include "sim/DeviceLine.h"
#include "sim/SimulatedMultiplexer.h"
#include "sim/SimulatedPanel.h"

namespace orvane::sim {
namespace {

constexpr std::string_view kFirstLine = "orvane-panelsim state 1";

std::string Hex(const Bytes& bytes) {
  std::string text = HexText(bytes);
  std::erase(text, ' ');
  return text;
}

void WriteFirmware(std::ostringstream& out, const FirmwareSlot& firmware) {
  out << "firmware " << firmware.letter << ' ' << int{firmware.number} << '\n';
  out << "firmware-image " << Hex(firmware.image) << '\n';
}

void WritePanel(std::ostringstream& out, const SimulatedPanel& panel) {
  out << "model " << panel.Model() << '\n';
  WriteFirmware(out, panel.Firmware());
  const PanelMemory& memory = panel.Memory();
  out << "driver " << Hex(memory.driverImage) << '\n';
  if (memory.systemAttributes) {
    out << "system " << Hex(*memory.systemAttributes) << '\n';
  }
  out << "tags " << Hex(memory.tagStream) << '\n';
  out << "plc " << Hex(memory.plcAttributes) << '\n';
  for (const auto& [number, record] : memory.messages) {
    out << "message " << number << ' ' << Hex(record) << '\n';
  }
}

// One section of the file as read: its items, checked and decoded.
struct PanelSection {
  int model = 0;
  std::optional<FirmwareSlot> firmware;
  PanelMemory memory;
};

struct MultiplexerSection {
  std::optional<FirmwareSlot> firmware;
  MultiplexerMemory memory;
};

struct StateContent {
  bool multiplexer = false;
  PanelSection panel;                 // a single panel
  MultiplexerSection own;             // the multiplexer itself
  std::map<int, PanelSection> ports;  // panels on multiplexer ports
};

std::optional<int> Whole(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::optional<StateContent> Parse(std::string& error) {
    std::string line;
    if (!NextLine(line) || line != kFirstLine) {
      error = "not a state file of orvane-panelsim (the first line must read \"" +
              std::string(kFirstLine) + "\")";
      return std::nullopt;
    }
    StateContent content;
    enum class Section { None, Panel, Multiplexer, Port } section = Section::None;
    PanelSection* panel = nullptr;
    while (NextLine(line)) {
      if (line.empty() || line[0] == '#') {
        continue;
      }
      if (line == "[panel]" || line == "[multiplexer]" || line.starts_with("[port ")) {
        if (section != Section::None && (line == "[panel]" || line == "[multiplexer]")) {
          return Fail(error, "a second device section");
        }
        if (line == "[panel]") {
          section = Section::Panel;
          panel = &content.panel;
        } else if (line == "[multiplexer]") {
          section = Section::Multiplexer;
          content.multiplexer = true;
        } else {
          if (!content.multiplexer) {
            return Fail(error, "a port section without a multiplexer section before it");
          }
          const std::optional<int> port =
              line.back() == ']' ? Whole(std::string_view(line).substr(6, line.size() - 7))
                                 : std::nullopt;
          if (!port || *port < 1 || *port > kMultiplexerPortCount ||
              content.ports.contains(*port)) {
            return Fail(error, "a port section must name a port 1 to 5 once: " + line);
          }
          section = Section::Port;
          panel = &content.ports[*port];
        }
        continue;
      }
      const size_t space = line.find(' ');
      const std::string key = line.substr(0, space);
      const std::string value = space == std::string::npos ? "" : line.substr(space + 1);
      bool ok = false;
      switch (section) {
        case Section::None:
          return Fail(error, "an item before the first section: " + line);
        case Section::Panel:
        case Section::Port:
          ok = PanelItem(key, value, *panel);
          break;
        case Section::Multiplexer:
          ok = MultiplexerItem(key, value, content.own);
          break;
      }
      if (!ok) {
        return Fail(error, "cannot read the item: " + line.substr(0, 60));
      }
    }
    if (section == Section::None) {
      return Fail(error, "no device section");
    }
    if (!content.multiplexer && content.panel.model == 0) {
      return Fail(error, "the panel section does not give the model");
    }
    for (const auto& [port, section] : content.ports) {
      if (section.model == 0) {
        return Fail(error,
                    "the section of port " + std::to_string(port) + " does not give the model");
      }
    }
    return content;
  }

 private:
  bool NextLine(std::string& line) {
    if (position_ >= text_.size()) {
      return false;
    }
    const size_t end = text_.find('\n', position_);
    line = std::string(text_.substr(position_, end - position_));
    position_ = end == std::string_view::npos ? text_.size() : end + 1;
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    ++lineNumber_;
    return true;
  }

  std::optional<StateContent> Fail(std::string& error, const std::string& what) const {
    error = "state file line " + std::to_string(lineNumber_) + ": " + what;
    return std::nullopt;
  }

  static bool HexValue(const std::string& value, Bytes& bytes) {
    std::optional<std::vector<uint8_t>> decoded = HexBytes(value, 0);
    if (!decoded) {
      return false;
    }
    bytes = std::move(*decoded);
    return true;
  }

  static bool Firmware(const std::string& value, std::optional<FirmwareSlot>& firmware) {
    // "L N": a printable letter, a space, the number 0..255.
    const std::optional<int> number = value.size() >= 3 && value[1] == ' '
                                          ? Whole(std::string_view(value).substr(2))
                                          : std::nullopt;
    if (!number || *number < 0 || *number > 255 || value[0] <= ' ' || value[0] > '~') {
      return false;
    }
    if (!firmware) {
      firmware.emplace();
    }
    firmware->letter = value[0];
    firmware->number = static_cast<uint8_t>(*number);
    return true;
  }

  static bool FirmwareImage(const std::string& value, std::optional<FirmwareSlot>& firmware) {
    if (!firmware) {
      firmware.emplace();
    }
    return HexValue(value, firmware->image);
  }

  static bool PanelItem(const std::string& key, const std::string& value, PanelSection& panel) {
    if (key == "model") {
      const std::optional<int> model = Whole(value);
      panel.model = model && *model >= 1 && *model <= 5 ? *model : 0;
      return panel.model != 0;
    }
    if (key == "firmware") {
      return Firmware(value, panel.firmware);
    }
    if (key == "firmware-image") {
      return FirmwareImage(value, panel.firmware);
    }
    if (key == "driver") {
      return HexValue(value, panel.memory.driverImage);
    }
    if (key == "system") {
      Bytes record;
      if (!HexValue(value, record) || record.size() != kSystemAttributeSize) {
        return false;
      }
      panel.memory.systemAttributes = std::move(record);
      return true;
    }
    if (key == "tags") {
      return HexValue(value, panel.memory.tagStream);
    }
    if (key == "plc") {
      return HexValue(value, panel.memory.plcAttributes);
    }
    if (key == "message") {
      const size_t space = value.find(' ');
      const std::optional<int> number = Whole(std::string_view(value).substr(0, space));
      Bytes record;
      if (!number || *number < kFirstMessageNumber || *number > kLastMessageNumber ||
          space == std::string::npos || !HexValue(value.substr(space + 1), record) ||
          record.size() < 2 || (record[0] << 8 | record[1]) != *number) {
        return false;
      }
      panel.memory.messages[static_cast<uint16_t>(*number)] = std::move(record);
      return true;
    }
    return false;
  }

  static bool MultiplexerItem(const std::string& key, const std::string& value,
                              MultiplexerSection& own) {
    if (key == "firmware") {
      return Firmware(value, own.firmware);
    }
    if (key == "firmware-image") {
      return FirmwareImage(value, own.firmware);
    }
    if (key == "driver") {
      return HexValue(value, own.memory.driverImage);
    }
    if (key == "tags") {
      return HexValue(value, own.memory.tagStream);
    }
    if (key == "plc") {
      return HexValue(value, own.memory.plcStream);
    }
    return false;
  }

  std::string_view text_;
  size_t position_ = 0;
  int lineNumber_ = 0;
};

// A panel's records must fit the record size of its model.
std::string CheckRecords(const PanelSection& section, const SimulatedPanel& panel) {
  for (const auto& [number, record] : section.memory.messages) {
    if (record.size() != panel.MessageRecordSize()) {
      return "message " + std::to_string(number) + " does not have the record size of model " +
             std::to_string(panel.Model());
    }
  }
  return {};
}

void RestorePanel(const PanelSection& section, SimulatedPanel& panel) {
  panel.Memory() = section.memory;
  if (section.firmware) {
    panel.Firmware() = *section.firmware;
  }
}

std::string Apply(const StateContent& content, SimulatedDevice& device) {
  if (auto* panel = dynamic_cast<SimulatedPanel*>(&device)) {
    if (content.multiplexer) {
      return "the state file holds a multiplexer, not a single panel";
    }
    if (content.panel.model != panel->Model()) {
      return "the state file holds a panel of model " + std::to_string(content.panel.model) +
             ", not model " + std::to_string(panel->Model());
    }
    if (std::string error = CheckRecords(content.panel, *panel); !error.empty()) {
      return error;
    }
    RestorePanel(content.panel, *panel);
    return {};
  }
  auto* multiplexer = dynamic_cast<SimulatedMultiplexer*>(&device);
  if (multiplexer == nullptr) {
    return "unknown device";
  }
  if (!content.multiplexer) {
    return "the state file holds a single panel, not a multiplexer";
  }
  for (const auto& [port, section] : content.ports) {
    const SimulatedPanel* panel = multiplexer->Panel(port);
    if (panel == nullptr) {
      return "the state file holds a panel on port " + std::to_string(port) +
             ", where the multiplexer has none";
    }
    if (panel->Model() != section.model) {
      return "the state file holds a panel of model " + std::to_string(section.model) +
             " on port " + std::to_string(port) + ", not model " + std::to_string(panel->Model());
    }
    if (std::string error = CheckRecords(section, *panel); !error.empty()) {
      return "port " + std::to_string(port) + ": " + error;
    }
  }
  multiplexer->Memory() = content.own.memory;
  if (content.own.firmware) {
    multiplexer->Firmware() = *content.own.firmware;
  }
  for (const auto& [port, section] : content.ports) {
    RestorePanel(section, *multiplexer->Panel(port));
  }
  return {};
}

}  // namespace

std::string SaveState(const SimulatedDevice& device) {
  std::ostringstream out;
  out << kFirstLine << '\n';
  if (const auto* panel = dynamic_cast<const SimulatedPanel*>(&device)) {
    out << "[panel]\n";
    WritePanel(out, *panel);
  } else if (const auto* multiplexer = dynamic_cast<const SimulatedMultiplexer*>(&device)) {
    out << "[multiplexer]\n";
    WriteFirmware(out, multiplexer->Firmware());
    const MultiplexerMemory& memory = multiplexer->Memory();
    out << "driver " << Hex(memory.driverImage) << '\n';
    out << "tags " << Hex(memory.tagStream) << '\n';
    out << "plc " << Hex(memory.plcStream) << '\n';
    for (int port = 1; port <= kMultiplexerPortCount; ++port) {
      if (const SimulatedPanel* panel = multiplexer->Panel(port)) {
        out << "[port " << port << "]\n";
        WritePanel(out, *panel);
      }
    }
  }
  return out.str();
}

std::string LoadState(std::string_view text, SimulatedDevice& device) {
  std::string error;
  const std::optional<StateContent> content = Parser(text).Parse(error);
  if (!content) {
    return error;
  }
  return Apply(*content, device);
}

std::unique_ptr<SimulatedDevice> DeviceFromState(std::string_view text, std::string& error) {
  const std::optional<StateContent> content = Parser(text).Parse(error);
  if (!content) {
    return nullptr;
  }
  std::unique_ptr<SimulatedDevice> device;
  if (content->multiplexer) {
    auto multiplexer = std::make_unique<SimulatedMultiplexer>();
    for (const auto& [port, section] : content->ports) {
      PanelSettings settings;
      settings.model = section.model;
      multiplexer->AttachPanel(port, settings);
    }
    device = std::move(multiplexer);
  } else {
    PanelSettings settings;
    settings.model = content->panel.model;
    device = std::make_unique<SimulatedPanel>(settings);
  }
  error = Apply(*content, *device);
  if (!error.empty()) {
    return nullptr;
  }
  return device;
}

}  // namespace orvane::sim
