#include "cli/PanelReports.h"

#include "base/StringTable.h"
#include "cli/Json.h"
#include "project/PanelModels.h"

namespace orvane::cli {
namespace {

int MessageCount(const TOvPanel& panel, bool plc) {
  int count = 0;
  for (const TOvMessage& message : panel.messages) {
    count += (message.isPlcMessage != 0) == plc ? 1 : 0;
  }
  return count;
}

const char* SystemName(const TOvProject& project) {
  return project.systemMode == kMultiPanelSystem ? "multi-panel" : "single panel";
}

}  // namespace

const char* ResultName(CommandResult result) {
  switch (result) {
    case CommandResult::Done:
      return "done";
    case CommandResult::Declined:
      return "declined";
    case CommandResult::Cancelled:
      return "cancelled";
    case CommandResult::Failed:
      return "failed";
  }
  return "";
}

std::string JsonReport(const ReportHeader& header, const std::string& members) {
  return "{\"command\": " + JsonString(header.command) + ", \"port\": " + JsonString(header.port) +
         ", \"result\": " + JsonString(ResultName(header.result)) +
         ", \"error\": " + JsonStringOrNull(header.error) +
         ", \"details\": " + JsonStringOrNull(header.details) + members + "}\n";
}

std::string ProjectSummaryText(const TOvProject& project) {
  std::string text =
      FormatText("System: %s system\nPLC: %s\n", SystemName(project), project.plc.name.c_str());
  for (const TOvPanel& panel : project.panels) {
    text += FormatText("  Port %d: %s, %d PLC messages, %d local messages\n", panel.portNumber,
                       panel.ModelName().c_str(), MessageCount(panel, true),
                       MessageCount(panel, false));
  }
  return text;
}

std::string ProjectSummaryJson(const TOvProject& project) {
  std::string json = FormatText(", \"system\": \"%s\", \"plc\": ", SystemName(project)) +
                     JsonString(project.plc.name) + ", \"panels\": [";
  for (size_t i = 0; i < project.panels.size(); ++i) {
    const TOvPanel& panel = project.panels[i];
    json += FormatText(
        "%s{\"port\": %d, \"model\": %d, \"model_name\": %s, \"plc_messages\": %d, "
        "\"local_messages\": %d}",
        i == 0 ? "" : ", ", panel.portNumber, panel.panelModel,
        JsonString(panel.ModelName()).c_str(), MessageCount(panel, true),
        MessageCount(panel, false));
  }
  return json + "]";
}

std::string DifferencesText(const VerifyResult& verify) {
  std::string text;
  for (const std::string& line : DescribeDifferences(verify.differences)) {
    text += line + "\n";
  }
  return text;
}

std::string DifferencesJson(const VerifyResult& verify) {
  std::string json =
      std::string(", \"equal\": ") + (verify.equal ? "true" : "false") + ", \"differences\": [";
  for (size_t i = 0; i < verify.differences.size(); ++i) {
    const ProjectDifference& difference = verify.differences[i];
    json += FormatText(
                "%s\n  {\"kind\": \"%s\", \"port\": %d, \"message\": %d, \"local\": %s, "
                "\"offset\": %d, \"field\": ",
                i == 0 ? "" : ",", DifferenceKindName(difference.kind), difference.port,
                difference.messageNumber, difference.localMessage ? "true" : "false",
                difference.offset) +
            JsonString(difference.field) + ", \"pc\": " + JsonString(difference.pcValue) +
            ", \"panel\": " + JsonString(difference.panelValue) +
            ", \"text\": " + JsonString(DescribeDifference(difference)) + "}";
  }
  return json + (verify.differences.empty() ? "]" : "\n]");
}

std::string StatusText(const DeviceStatus& status) {
  std::string text = FormatText("Device: %s (model %d)", status.modelName.c_str(), status.model);
  if (status.port != 0) {
    text += FormatText(" on port %d", status.port);
  }
  text += FormatText("\nFirmware revision: %s\nMemory: %s\n", status.firmware.c_str(),
                     status.memory.c_str());
  if (status.hasDriver) {
    text +=
        FormatText("PLC driver: %s (manufacturer %d, model %d), revision %s\n",
                   status.driverName.empty() ? "not installed here" : status.driverName.c_str(),
                   status.driverManufacturer, status.driverModel, status.driverRevision.c_str());
  } else {
    text += "PLC driver: none\n";
  }
  return text;
}

std::string StatusObject(const DeviceStatus& status) {
  std::string json =
      FormatText("{\"device\": \"%s\", \"port\": %d, \"model\": %d, \"model_name\": ",
                 status.multiplexer ? "multiplexer" : "panel", status.port, status.model) +
      JsonString(status.modelName) + ", \"firmware\": " + JsonString(status.firmware) +
      ", \"memory\": " + JsonString(status.memory) + ", \"driver\": ";
  if (!status.hasDriver) {
    return json + "null}";
  }
  return json +
         FormatText("{\"manufacturer\": %d, \"model\": %d, \"revision\": ",
                    status.driverManufacturer, status.driverModel) +
         JsonString(status.driverRevision) + ", \"name\": " + JsonStringOrNull(status.driverName) +
         "}}";
}

std::string StatusJson(const DeviceStatus& status) {
  return ", \"status\": " + StatusObject(status);
}

std::string IdentifyText(const PanelCommands::IdentifyResult& identify) {
  std::string text;
  for (const PanelCommands::IdentifiedDevice& device : identify.answers) {
    text += FormatText("At %d baud:\n", device.baudRate);
    std::string status = StatusText(device.status);
    for (size_t at = 0; at < status.size();) {
      const size_t end = status.find('\n', at);
      text += "  " + status.substr(at, end - at + 1);
      at = end + 1;
    }
  }
  return text;
}

std::string IdentifyJson(const PanelCommands::IdentifyResult& identify) {
  std::string json = ", \"devices\": [";
  for (size_t i = 0; i < identify.answers.size(); ++i) {
    const PanelCommands::IdentifiedDevice& device = identify.answers[i];
    std::string object = StatusObject(device.status);
    object.insert(1, FormatText("\"baud_rate\": %d, ", device.baudRate));
    json += (i == 0 ? "" : ", ") + object;
  }
  return json + "]";
}

std::string ClearedPortsText(const std::vector<TOvProjectHelper::PortClearResult>& ports) {
  std::string text;
  for (const TOvProjectHelper::PortClearResult& port : ports) {
    text += port.port == 0 ? std::string("Multiplexer: ") : FormatText("Port %d: ", port.port);
    text += port.cleared ? "cleared\n" : "not cleared: " + port.error + "\n";
  }
  return text;
}

std::string ClearedPortsJson(const std::vector<TOvProjectHelper::PortClearResult>& ports) {
  std::string json = ", \"ports\": [";
  for (size_t i = 0; i < ports.size(); ++i) {
    json += FormatText("%s{\"port\": %d, \"cleared\": %s, \"error\": ", i == 0 ? "" : ", ",
                       ports[i].port, ports[i].cleared ? "true" : "false") +
            JsonStringOrNull(ports[i].error) + "}";
  }
  return json + "]";
}

}  // namespace orvane::cli
