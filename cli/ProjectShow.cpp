// orvane-cli project show and project diff: a project as a person reads it,
// and what differs between two project files.
#include <cstdio>
#include <string>
#include <vector>

#include "base/StringTable.h"
#include "cli/Arguments.h"
#include "cli/ExitStatus.h"
#include "cli/Json.h"
#include "cli/PanelReports.h"
#include "cli/ProjectCommands.h"
#include "cli/ProjectDocument.h"
#include "cli/TerminalUserInterface.h"
#include "project/ModelNames.h"
#include "project/ProjectDifferences.h"

namespace orvane::cli {
namespace {

// One address as a person reads it: its text and data type, "none" unset.
std::string AddressShown(const TOvTag& tag) {
  if (tag.addressText.empty()) {
    return "none";
  }
  std::string shown = tag.addressText + " (" + DataTypeName(tag.dataType) + ")";
  if (!tag.tagName.empty()) {
    shown += " tag " + tag.tagName;
  }
  return shown;
}

std::string AddressJson(const TOvTag& tag) {
  if (tag.addressText.empty()) {
    return "null";
  }
  return "{\"address\": " + JsonString(tag.addressText) +
         ", \"data_type\": " + JsonString(DataTypeName(tag.dataType)) +
         ", \"tag_name\": " + JsonStringOrNull(tag.tagName) + "}";
}

// Item 1's options in words; empty when it has none.
std::vector<std::string> Item1Options(const TOvReadWriteTag& item, bool passwords) {
  std::vector<std::string> options = {"access " + AccessName(item.accessType)};
  if (passwords && item.passwordProtected) {
    options.push_back(item.passwordIsLocal ? "local password" : "PLC password register");
  }
  if (item.limitsEnabled) {
    options.push_back(FormatText("limits %u to %u", item.minimum, item.maximum));
  }
  if (item.variableDecimalPoint) {
    options.push_back("decimal point from " + AddressShown(item.decimalPointRegister));
  } else if (item.fixedDecimalPoint != kNoDecimalPoint) {
    options.push_back(FormatText("decimal point at %d", item.fixedDecimalPoint));
  }
  return options;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
  std::string joined;
  for (const std::string& part : parts) {
    joined += (joined.empty() ? "" : separator) + part;
  }
  return joined;
}

// The data items a message uses: 1 to 3 with their addresses (item 1 also
// on the set point model, where it is the entry's value).
std::vector<int> ItemsInUse(const TOvMessage& message, const TOvPanel& panel) {
  std::vector<int> items;
  if (message.HasMarker(kItem1Marker) || (panel.IsSetPoint() && message.setPointValue)) {
    items.push_back(1);
  }
  if (message.Item2InUse()) {
    items.push_back(2);
  }
  if (message.Item3InUse()) {
    items.push_back(3);
  }
  return items;
}

const TOvTag& Item(const TOvMessage& message, int item) {
  return item == 1 ? message.item1 : item == 2 ? message.item2 : message.item3;
}

std::string AttributeHex(const std::vector<unsigned char>& bytes) {
  std::string hex;
  for (size_t i = 0; i < bytes.size(); ++i) {
    hex += FormatText(i == 0 ? "%02X" : " %02X", bytes[i]);
  }
  return hex;
}

// The system addresses a panel of the model uses, with their names.
std::vector<std::pair<std::string, const TOvTag*>> SystemAddresses(const TOvPanel& panel) {
  std::vector<std::pair<std::string, const TOvTag*>> addresses;
  for (size_t line = 0; line < panel.LineRegistersInUse(); ++line) {
    addresses.emplace_back(FormatText("line register %zu", line + 1), &panel.lineRegisters[line]);
  }
  if (!panel.IsSetPoint()) {
    addresses.emplace_back("LED word", &panel.keysLeds.ledWord);
    addresses.emplace_back("button word", &panel.keysLeds.buttonWord);
  }
  if (panel.HasPasswords()) {
    addresses.emplace_back("annunciator word", &panel.annunciatorWord);
    addresses.emplace_back("password register", &panel.passwordRegister);
  }
  return addresses;
}

std::string ShowText(const std::string& file, const TOvProject& project) {
  std::string text =
      FormatText("File: %s\nSystem: %s", file.c_str(), SystemName(project.systemMode).c_str());
  if (project.systemMode == kMultiPanelSystem) {
    text += FormatText(", selected port %d", project.portTable.selectedPort);
  }
  text +=
      FormatText("\nPLC: %s (manufacturer %u, model %u), map length %d\n", project.plc.name.c_str(),
                 project.plc.ManufacturerCode(), project.plc.ModelCode(), project.plc.mapLength);
  text += FormatText("PLC attributes (%zu bytes): %s\n", project.plc.attributeBytes.size(),
                     AttributeHex(project.plc.attributeBytes).c_str());
  text += project.tagMapInUse ? "Tag map: " + project.tagMapPath + "\n" : "Tag map: not in use\n";
  for (const TOvPanel& panel : project.panels) {
    text += FormatText("\nPort %d: %s\n", panel.portNumber, panel.ModelName().c_str());
    text += FormatText(
        "  first message number %d, beeper %s, PLC message delay %s, cursor on "
        "PLC messages %s\n",
        panel.firstMessageNumber, panel.beeperEnabled ? "on" : "off",
        panel.plcMessageDelay ? "on" : "off", panel.cursorOnPlcMessage ? "on" : "off");
    if (panel.HasPasswords()) {
      text += FormatText("  local password %u\n", panel.localPassword);
    }
    for (const auto& [name, tag] : SystemAddresses(panel)) {
      text += "  " + name + ": " + AddressShown(*tag) + "\n";
    }
    if (!panel.IsSetPoint()) {
      for (int key = 0; key < kKeyCount; ++key) {
        const auto k = static_cast<size_t>(key);
        text += FormatText("  key %d: LED %s, button %s\n", key + 1,
                           LedModeName(panel.keysLeds.ledMode[k]).c_str(),
                           ButtonActionName(panel.keysLeds.buttonAction[k]).c_str());
      }
    }
    text += FormatText("  %zu messages\n", panel.messages.size());
    for (const TOvMessage& message : panel.messages) {
      std::string kind = message.isPlcMessage != 0 ? "PLC" : "local";
      if (message.isPlcMessage == 0) {
        kind +=
            FormatText(message.isFolder != 0 ? " folder, depth %d" : ", depth %d", message.depth);
      }
      text += FormatText("  %4d %-22s |%s|\n", message.number, kind.c_str(),
                         DigitPositionText(message.text).c_str());
      for (const int item : ItemsInUse(message, panel)) {
        std::vector<std::string> options;
        if (item == 1) {
          options = Item1Options(message.item1, panel.HasPasswords());
        }
        if (message.leadingZeros[static_cast<size_t>(item - 1)]) {
          options.push_back("leading zeros");
        }
        text += FormatText("         data item %d: %s", item,
                           AddressShown(Item(message, item)).c_str());
        text += options.empty() ? "\n" : ", " + Joined(options, ", ") + "\n";
      }
    }
  }
  return text;
}

std::string ShowJson(const std::string& file, const TOvProject& project) {
  std::string json =
      "{\"file\": " + JsonString(file) +
      ", \"system\": " + JsonString(SystemName(project.systemMode)) +
      FormatText(", \"selected_port\": %d", project.portTable.selectedPort) +
      ", \"plc\": {\"name\": " + JsonString(project.plc.name) +
      FormatText(", \"manufacturer\": %u, \"model\": %u, \"map_length\": %d",
                 project.plc.ManufacturerCode(), project.plc.ModelCode(), project.plc.mapLength) +
      ", \"attribute_bytes\": [";
  for (size_t i = 0; i < project.plc.attributeBytes.size(); ++i) {
    json += FormatText(i == 0 ? "%u" : ", %u", project.plc.attributeBytes[i]);
  }
  json += "]}, \"tag_map\": " + (project.tagMapInUse ? JsonString(project.tagMapPath) : "null") +
          ", \"panels\": [";
  for (size_t p = 0; p < project.panels.size(); ++p) {
    const TOvPanel& panel = project.panels[p];
    json += FormatText("%s\n  {\"port\": %d, \"model\": %d, \"model_name\": ", p == 0 ? "" : ",",
                       panel.portNumber, panel.panelModel) +
            JsonString(panel.ModelName()) +
            FormatText(
                ", \"first_message_number\": %d, \"beeper\": %s, \"plc_message_delay\": "
                "%s, \"cursor_on_plc_message\": %s, \"local_password\": %u",
                panel.firstMessageNumber, panel.beeperEnabled ? "true" : "false",
                panel.plcMessageDelay ? "true" : "false",
                panel.cursorOnPlcMessage ? "true" : "false", panel.localPassword) +
            ", \"system_addresses\": {";
    const auto addresses = SystemAddresses(panel);
    for (size_t a = 0; a < addresses.size(); ++a) {
      json += (a == 0 ? "" : ", ") + JsonString(addresses[a].first) + ": " +
              AddressJson(*addresses[a].second);
    }
    json += "}, \"keys\": [";
    for (int key = 0; !panel.IsSetPoint() && key < kKeyCount; ++key) {
      const auto k = static_cast<size_t>(key);
      json += FormatText("%s{\"key\": %d, \"led\": ", key == 0 ? "" : ", ", key + 1) +
              JsonString(LedModeName(panel.keysLeds.ledMode[k])) +
              ", \"button\": " + JsonString(ButtonActionName(panel.keysLeds.buttonAction[k])) + "}";
    }
    json += "], \"messages\": [";
    for (size_t m = 0; m < panel.messages.size(); ++m) {
      const TOvMessage& message = panel.messages[m];
      json += FormatText(
                  "%s\n    {\"number\": %d, \"plc\": %s, \"folder\": %s, \"depth\": %d, "
                  "\"text\": ",
                  m == 0 ? "" : ",", message.number, message.isPlcMessage != 0 ? "true" : "false",
                  message.isFolder != 0 ? "true" : "false", message.depth) +
              JsonString(DigitPositionText(message.text)) + ", \"items\": [";
      const std::vector<int> items = ItemsInUse(message, panel);
      for (size_t i = 0; i < items.size(); ++i) {
        const int item = items[i];
        json += FormatText("%s{\"item\": %d, \"address\": ", i == 0 ? "" : ", ", item) +
                AddressJson(Item(message, item)) + ", \"leading_zeros\": " +
                (message.leadingZeros[static_cast<size_t>(item - 1)] ? "true" : "false");
        if (item == 1) {
          json += ", \"options\": [";
          const std::vector<std::string> options =
              Item1Options(message.item1, panel.HasPasswords());
          for (size_t o = 0; o < options.size(); ++o) {
            json += (o == 0 ? "" : ", ") + JsonString(options[o]);
          }
          json += "]";
        }
        json += "}";
      }
      json += "]}";
    }
    json += panel.messages.empty() ? "]}" : "\n  ]}";
  }
  return json + (project.panels.empty() ? "]}" : "\n]}");
}

}  // namespace

int ShowCommand(const std::vector<std::string>& rest) {
  const Arguments args(rest, {{"--json", false, false, ""}});
  const std::string file = OnlyFile(args, "show");
  TerminalUserInterface ui;
  ProjectDocument document(ui);
  if (!document.Open(file)) {
    return kExitFile;
  }
  if (args.Has("--json")) {
    PrintJson(ShowJson(file, document.Project()));
  } else {
    std::fputs(ShowText(file, document.Project()).c_str(), stdout);
  }
  return kExitOk;
}

int DiffCommand(const std::vector<std::string>& rest) {
  const Arguments args(rest, {{"--json", false, false, ""}});
  if (args.Positional().size() != 2) {
    throw UsageError("project diff takes two project files, A and B");
  }
  TerminalUserInterface ui;
  ProjectDocument first(ui);
  ProjectDocument second(ui);
  if (!first.Open(args.Positional()[0]) || !second.Open(args.Positional()[1])) {
    return kExitFile;
  }
  // Verify's list, A in the place of the PC's project and B in the panel's.
  VerifyResult verify;
  verify.result = CommandResult::Done;
  verify.differences = ListDifferences(first.Project(), second.Project());
  verify.equal = first.Project().Equals(second.Project());
  if (args.Has("--json")) {
    PrintJson("{\"a\": " + JsonString(args.Positional()[0]) +
              ", \"b\": " + JsonString(args.Positional()[1]) + DifferencesJson(verify) + "}");
  } else {
    std::fputs(DifferencesText(verify).c_str(), stdout);
  }
  return verify.equal ? kExitOk : kExitNegative;
}

}  // namespace orvane::cli
