// What differs between the project on the PC and the project read back from
// a panel or a multi-panel system: Verify's answer beyond "same" or
// "different".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

class TOvProject;

/// What a difference is about.
enum class DifferenceKind {
  System,            // the system mode (or, for malformed projects, the panel count)
  Plc,               // the PLC's name, map length or attribute length
  PlcAttributeByte,  // one byte of the PLC attribute file
  PanelPresence,     // a panel on one side only
  Panel,             // the panel model, the number of messages
  KeysLeds,          // the key and LED setup
  SystemAttribute,   // line registers, passwords, flags, first message number, annunciator
  MessagePresence,   // a message on one side only
  Message,           // a field of a message or of one of its data items
};

/// One difference, in a form for programs (JSON) and, through
/// DescribeDifference, for people. Values are rendered as the user knows
/// them: addresses as their text with the data type, marker bytes of
/// embedded data as "{111}" runs, models and modes by name.
struct ProjectDifference {
  DifferenceKind kind = DifferenceKind::System;
  int32_t port = 0;           // panels and messages: the port; 0 otherwise
  int32_t messageNumber = 0;  // messages: the PC's number (the panel's when only there)
  bool localMessage = false;  // messages: a local message rather than a PLC message
  int32_t offset = 0;         // PLC attribute bytes: the offset in the attribute file
  std::string field;          // "text", "data item 1 address", "line register 2", ...
  std::string pcValue;        // empty when the thing is on the panel only
  std::string panelValue;     // empty when the thing is on the PC only

  bool operator==(const ProjectDifference&) const = default;
};

/// Everything that makes pc.Equals(panel) false, field by field: the list
/// is empty exactly when the projects compare equal. Panels are paired by
/// port; messages in order when both panels hold as many, else by kind and
/// number. Only what the comparison looks at is listed: address texts and
/// tag names, unused data items and unused line registers are not.
std::vector<ProjectDifference> ListDifferences(const TOvProject& pc, const TOvProject& panel);

/// One short line, e.g. "Port 1, message 12: text differs (PC \"TANK
/// LEVEL\", panel \"TANK LEVEL 2\")".
std::string DescribeDifference(const ProjectDifference& difference);

/// The lines a user reads: one per difference, except that neighbouring
/// attribute bytes share one line.
std::vector<std::string> DescribeDifferences(const std::vector<ProjectDifference>& differences);

/// The kind's name for machine-readable output ("message", "plc", ...).
const char* DifferenceKindName(DifferenceKind kind);

}  // namespace orvane
