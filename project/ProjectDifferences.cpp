#include "project/ProjectDifferences.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

#include "project/ModelNames.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

// Attribute bytes named on one line; the rest are counted.
constexpr size_t kAttributeOffsetsPerLine = 8;

std::string OnOff(bool on) {
  return on ? "on" : "off";
}

std::string Number(int64_t value) {
  return std::to_string(value);
}

// A message text as the user reads it: quoted, the digit positions of the
// embedded data items as runs of their item number in braces ("{1111}"),
// any other byte outside printable ASCII as \xNN.
std::string ShownText(std::string_view text) {
  std::string shown = "\"";
  bool inItem = false;
  for (const char c : text) {
    const char item = c == kItem1Marker   ? '1'
                      : c == kItem2Marker ? '2'
                      : c == kItem3Marker ? '3'
                                          : 0;
    if (item != 0) {
      shown += inItem ? "" : "{";
      shown += item;
      inItem = true;
      continue;
    }
    shown += inItem ? "}" : "";
    inItem = false;
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      shown += c;
    } else {
      char escaped[8] = {};
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    }
  }
  return shown + (inItem ? "}" : "") + "\"";
}

std::string ShownAddress(const TOvTag& tag) {
  if (tag.addressText.empty()) {
    return "none";
  }
  return tag.addressText + " (" + DataTypeName(tag.dataType) + ")";
}

// Two addresses that read the same but differ in their parsed form (what
// the panel holds) also show their map strings.
std::string ShownAddressWithMap(const TOvTag& tag) {
  std::string shown = ShownAddress(tag) + " map";
  for (size_t i = 0; i < tag.MapLength(); ++i) {
    char byte[4] = {};
    std::snprintf(byte, sizeof byte, " %02X", tag.MapString()[i]);
    shown += byte;
  }
  return shown;
}

std::string Capitalised(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
  }
  return text;
}

// Collects the differences of one place (the PLC, a panel, a message); the
// template carries the kind, port and message they belong to.
class Lister {
 public:
  Lister(std::vector<ProjectDifference>& out, ProjectDifference where)
      : out_(out), where_(std::move(where)) {}

  Lister At(DifferenceKind kind) const {
    ProjectDifference where = where_;
    where.kind = kind;
    return Lister(out_, where);
  }

  void Add(std::string field, std::string pcValue, std::string panelValue) const {
    ProjectDifference difference = where_;
    difference.field = std::move(field);
    difference.pcValue = std::move(pcValue);
    difference.panelValue = std::move(panelValue);
    out_.push_back(std::move(difference));
  }

  template <typename Value, typename Render>
  void Compare(std::string field, const Value& pc, const Value& panel, Render render) const {
    if (!(pc == panel)) {
      Add(std::move(field), render(pc), render(panel));
    }
  }

  void CompareFlag(std::string field, bool pc, bool panel) const {
    Compare(std::move(field), pc, panel, OnOff);
  }

  template <typename Integer>
  void CompareNumber(std::string field, Integer pc, Integer panel) const {
    Compare(std::move(field), pc, panel, [](Integer value) { return Number(value); });
  }

  /// Addresses compare as the panel sees them (TOvTag::Equals).
  void CompareAddress(std::string field, const TOvTag& pc, const TOvTag& panel) const {
    if (pc.Equals(panel)) {
      return;
    }
    std::string pcShown = ShownAddress(pc);
    std::string panelShown = ShownAddress(panel);
    if (pcShown == panelShown) {
      pcShown = ShownAddressWithMap(pc);
      panelShown = ShownAddressWithMap(panel);
    }
    Add(std::move(field), std::move(pcShown), std::move(panelShown));
  }

 private:
  std::vector<ProjectDifference>& out_;
  ProjectDifference where_;
};

// Mirrors TOvReadWriteTag::Equals.
void ListItem1(const Lister& list, const TOvReadWriteTag& pc, const TOvReadWriteTag& panel) {
  list.CompareAddress("data item 1 address", pc, panel);
  list.Compare("data item 1 access", pc.accessType, panel.accessType, AccessName);
  list.CompareFlag("data item 1 limits", pc.limitsEnabled, panel.limitsEnabled);
  list.CompareNumber("data item 1 minimum", pc.minimum, panel.minimum);
  list.CompareNumber("data item 1 maximum", pc.maximum, panel.maximum);
  list.CompareFlag("data item 1 password protection", pc.passwordProtected,
                   panel.passwordProtected);
  list.Compare("data item 1 password source", pc.passwordIsLocal, panel.passwordIsLocal,
               [](bool local) { return local ? "local password" : "PLC password register"; });
  list.Compare("data item 1 fixed decimal point", pc.fixedDecimalPoint, panel.fixedDecimalPoint,
               [](int16_t position) {
                 return position == kNoDecimalPoint ? std::string("none") : Number(position);
               });
  list.CompareFlag("data item 1 PLC-controlled decimal point", pc.variableDecimalPoint,
                   panel.variableDecimalPoint);
  list.CompareAddress("data item 1 decimal point register", pc.decimalPointRegister,
                      panel.decimalPointRegister);
}

// Mirrors TOvMessage::Equals; which data items are in use is the PC's.
void ListMessage(const Lister& list, const TOvMessage& pc, const TOvMessage& panel) {
  list.CompareNumber("number", pc.number, panel.number);
  list.Compare("message type", pc.isPlcMessage, panel.isPlcMessage,
               [](int32_t plc) { return plc != 0 ? "PLC message" : "local message"; });
  list.Compare("entry type", pc.isFolder, panel.isFolder,
               [](int32_t folder) { return folder != 0 ? "folder" : "message"; });
  list.CompareNumber("tree depth", pc.depth, panel.depth);
  list.CompareFlag("set point value", pc.setPointValue, panel.setPointValue);
  list.Compare("text", pc.ComparedText(), panel.ComparedText(), ShownText);
  for (size_t item = 0; item < pc.leadingZeros.size(); ++item) {
    list.CompareFlag("data item " + Number(static_cast<int64_t>(item) + 1) + " \"Leading Zeroes\"",
                     pc.leadingZeros[item], panel.leadingZeros[item]);
  }
  if (pc.Item1InUse()) {
    ListItem1(list, pc.item1, panel.item1);
  }
  if (pc.Item2InUse()) {
    list.CompareAddress("data item 2 address", pc.item2, panel.item2);
  }
  if (pc.Item3InUse()) {
    list.CompareAddress("data item 3 address", pc.item3, panel.item3);
  }
}

Lister MessageLister(std::vector<ProjectDifference>& out, int32_t port, const TOvMessage& message,
                     DifferenceKind kind) {
  ProjectDifference where;
  where.kind = kind;
  where.port = port;
  where.messageNumber = message.number;
  where.localMessage = message.isPlcMessage == 0;
  return Lister(out, where);
}

bool SameEntry(const TOvMessage& a, const TOvMessage& b) {
  return (a.isPlcMessage != 0) == (b.isPlcMessage != 0) && a.number == b.number;
}

// Both panels hold as many messages: they pair in order, as the comparison
// pairs them. Otherwise messages pair by kind and number, and the rest is on
// one side only.
void ListMessages(std::vector<ProjectDifference>& out, const Lister& panelList, int32_t port,
                  const TOvPanel& pc, const TOvPanel& panel) {
  if (pc.messages.size() == panel.messages.size()) {
    for (size_t i = 0; i < pc.messages.size(); ++i) {
      ListMessage(MessageLister(out, port, pc.messages[i], DifferenceKind::Message), pc.messages[i],
                  panel.messages[i]);
    }
    return;
  }
  panelList.At(DifferenceKind::Panel)
      .CompareNumber("number of messages", pc.messages.size(), panel.messages.size());
  std::vector<bool> paired(panel.messages.size(), false);
  for (const TOvMessage& message : pc.messages) {
    size_t match = 0;
    while (match < panel.messages.size() &&
           (paired[match] || !SameEntry(message, panel.messages[match]))) {
      ++match;
    }
    if (match == panel.messages.size()) {
      MessageLister(out, port, message, DifferenceKind::MessagePresence)
          .Add("message", ShownText(message.ComparedText()), "");
      continue;
    }
    paired[match] = true;
    ListMessage(MessageLister(out, port, message, DifferenceKind::Message), message,
                panel.messages[match]);
  }
  for (size_t i = 0; i < panel.messages.size(); ++i) {
    if (!paired[i]) {
      MessageLister(out, port, panel.messages[i], DifferenceKind::MessagePresence)
          .Add("message", "", ShownText(panel.messages[i].ComparedText()));
    }
  }
}

// Mirrors TOvPanel::Equals; which line registers are in use and whether the
// annunciator counts follow the PC's model.
void ListPanel(std::vector<ProjectDifference>& out, const TOvPanel& pc, const TOvPanel& panel) {
  ProjectDifference where;
  where.port = pc.portNumber;
  const Lister list(out, where);
  const Lister attributes = list.At(DifferenceKind::SystemAttribute);
  const Lister keys = list.At(DifferenceKind::KeysLeds);

  list.At(DifferenceKind::Panel)
      .Compare("model", pc.panelModel, panel.panelModel,
               [](int32_t model) { return std::string(PanelModel(model).name); });
  attributes.CompareNumber("first message number", pc.firstMessageNumber, panel.firstMessageNumber);
  ListMessages(out, list, pc.portNumber, pc, panel);

  keys.CompareAddress("LED word", pc.keysLeds.ledWord, panel.keysLeds.ledWord);
  keys.CompareAddress("button word", pc.keysLeds.buttonWord, panel.keysLeds.buttonWord);
  for (size_t key = 0; key < pc.keysLeds.ledMode.size(); ++key) {
    const std::string name = "key " + Number(static_cast<int64_t>(key) + 1);
    keys.Compare(name + " LED mode", pc.keysLeds.ledMode[key], panel.keysLeds.ledMode[key],
                 LedModeName);
    keys.Compare(name + " button action", pc.keysLeds.buttonAction[key],
                 panel.keysLeds.buttonAction[key], ButtonActionName);
  }

  for (size_t line = 0; line < pc.LineRegistersInUse(); ++line) {
    attributes.CompareAddress("line register " + Number(static_cast<int64_t>(line) + 1),
                              pc.lineRegisters[line], panel.lineRegisters[line]);
  }
  attributes.CompareNumber("local password", pc.localPassword, panel.localPassword);
  attributes.CompareAddress("password register", pc.passwordRegister, panel.passwordRegister);
  attributes.CompareFlag("beeper", pc.beeperEnabled, panel.beeperEnabled);
  attributes.CompareFlag("PLC message delay", pc.plcMessageDelay, panel.plcMessageDelay);
  attributes.CompareFlag("cursor on PLC messages", pc.cursorOnPlcMessage, panel.cursorOnPlcMessage);
  if (pc.panelModel == kModelOv200P) {
    attributes.CompareAddress("annunciator word", pc.annunciatorWord, panel.annunciatorWord);
  }
}

// Mirrors TOvPlcInfo::Equals.
void ListPlc(std::vector<ProjectDifference>& out, const TOvPlcInfo& pc, const TOvPlcInfo& panel) {
  ProjectDifference where;
  where.kind = DifferenceKind::Plc;
  const Lister list(out, where);
  list.Compare("PLC name", pc.name, panel.name,
               [](const std::string& name) { return "\"" + name + "\""; });
  list.CompareNumber("PLC map length", pc.mapLength, panel.mapLength);
  list.Compare("PLC attribute length", pc.attributeBytes.size(), panel.attributeBytes.size(),
               [](size_t length) { return Number(static_cast<int64_t>(length)) + " bytes"; });
  const size_t common = std::min(pc.attributeBytes.size(), panel.attributeBytes.size());
  for (size_t offset = 0; offset < common; ++offset) {
    if (pc.attributeBytes[offset] != panel.attributeBytes[offset]) {
      ProjectDifference byte;
      byte.kind = DifferenceKind::PlcAttributeByte;
      byte.offset = static_cast<int32_t>(offset);
      byte.field = "PLC attribute byte " + Number(byte.offset);
      byte.pcValue = Number(pc.attributeBytes[offset]);
      byte.panelValue = Number(panel.attributeBytes[offset]);
      out.push_back(std::move(byte));
    }
  }
}

std::vector<const TOvPanel*> ByPort(const std::vector<TOvPanel>& panels) {
  std::vector<const TOvPanel*> sorted;
  for (const TOvPanel& panel : panels) {
    sorted.push_back(&panel);
  }
  std::stable_sort(sorted.begin(), sorted.end(), [](const TOvPanel* a, const TOvPanel* b) {
    return a->portNumber < b->portNumber;
  });
  return sorted;
}

bool HasPort(const std::vector<TOvPanel>& panels, int32_t port) {
  return std::any_of(panels.begin(), panels.end(),
                     [port](const TOvPanel& panel) { return panel.portNumber == port; });
}

void AddPresence(std::vector<ProjectDifference>& out, int32_t port, std::string pcModel,
                 std::string panelModel) {
  ProjectDifference presence;
  presence.kind = DifferenceKind::PanelPresence;
  presence.port = port;
  presence.field = "panel";
  presence.pcValue = std::move(pcModel);
  presence.panelValue = std::move(panelModel);
  out.push_back(std::move(presence));
}

// Mirrors TOvProject::Equals: a panel of the PC that has an equal panel on
// its port is equal; the count decides the rest.
void ListPanels(std::vector<ProjectDifference>& out, const TOvProject& pc,
                const TOvProject& panel) {
  const size_t before = out.size();
  bool unmatched = false;
  for (const TOvPanel* mine : ByPort(pc.panels)) {
    const TOvPanel* samePort = nullptr;
    bool matched = false;
    for (const TOvPanel& theirs : panel.panels) {
      if (theirs.portNumber != mine->portNumber) {
        continue;
      }
      samePort = samePort != nullptr ? samePort : &theirs;
      if (mine->Equals(theirs)) {
        matched = true;
        break;
      }
    }
    if (matched) {
      continue;
    }
    unmatched = true;
    if (samePort != nullptr) {
      ListPanel(out, *mine, *samePort);
    } else {
      AddPresence(out, mine->portNumber, mine->ModelName(), "");
    }
  }
  const bool countsDiffer = pc.panels.size() != panel.panels.size();
  if (unmatched || countsDiffer) {
    for (const TOvPanel* theirs : ByPort(panel.panels)) {
      if (!HasPort(pc.panels, theirs->portNumber)) {
        AddPresence(out, theirs->portNumber, "", theirs->ModelName());
      }
    }
  }
  if (countsDiffer && out.size() == before) {
    // Only projects with two panels on one port get here.
    ProjectDifference count;
    count.kind = DifferenceKind::System;
    count.field = "number of panels";
    count.pcValue = Number(static_cast<int64_t>(pc.panels.size()));
    count.panelValue = Number(static_cast<int64_t>(panel.panels.size()));
    out.push_back(std::move(count));
  }
}

std::string Place(const ProjectDifference& difference) {
  std::string place = "Port " + Number(difference.port);
  if (difference.kind == DifferenceKind::Message ||
      difference.kind == DifferenceKind::MessagePresence) {
    place += difference.localMessage ? ", local message " : ", message ";
    place += Number(difference.messageNumber);
  }
  return place;
}

std::string Values(const ProjectDifference& difference) {
  return "(PC " + difference.pcValue + ", panel " + difference.panelValue + ")";
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string joined;
  for (const std::string& part : parts) {
    joined += (joined.empty() ? "" : ", ") + part;
  }
  return joined;
}

// Neighbouring attribute bytes on one line: the offsets (at most
// kAttributeOffsetsPerLine named) and their values on either side.
std::string DescribeAttributeBytes(const ProjectDifference* first, size_t count) {
  const size_t shown = std::min(count, kAttributeOffsetsPerLine);
  std::vector<std::string> offsets;
  std::vector<std::string> pcValues;
  std::vector<std::string> panelValues;
  for (size_t i = 0; i < shown; ++i) {
    offsets.push_back(Number(first[i].offset));
    pcValues.push_back(first[i].pcValue);
    panelValues.push_back(first[i].panelValue);
  }
  std::string line = "PLC attribute bytes differ at offsets " + Joined(offsets);
  if (count > shown) {
    line += " and " + Number(static_cast<int64_t>(count - shown)) + " more";
  }
  return line + " (PC " + Joined(pcValues) + "; panel " + Joined(panelValues) + ")";
}

}  // namespace

std::vector<ProjectDifference> ListDifferences(const TOvProject& pc, const TOvProject& panel) {
  std::vector<ProjectDifference> out;
  ProjectDifference system;
  system.kind = DifferenceKind::System;
  Lister(out, system).Compare("system type", pc.systemMode, panel.systemMode, SystemName);
  ListPlc(out, pc.plc, panel.plc);
  ListPanels(out, pc, panel);
  return out;
}

std::string DescribeDifference(const ProjectDifference& difference) {
  switch (difference.kind) {
    case DifferenceKind::System:
    case DifferenceKind::Plc:
    case DifferenceKind::PlcAttributeByte:
      return Capitalised(difference.field) + " differs " + Values(difference);
    case DifferenceKind::PanelPresence:
      if (difference.pcValue.empty()) {
        return Place(difference) + ": " + difference.panelValue +
               " panel read back, none on the PC";
      }
      return Place(difference) + ": " + difference.pcValue + " panel on the PC, none read back";
    case DifferenceKind::MessagePresence:
      if (difference.pcValue.empty()) {
        return Place(difference) + ": in the panel only (" + difference.panelValue + ")";
      }
      return Place(difference) + ": on the PC only (" + difference.pcValue + ")";
    case DifferenceKind::Panel:
    case DifferenceKind::KeysLeds:
    case DifferenceKind::SystemAttribute:
    case DifferenceKind::Message:
      break;
  }
  return Place(difference) + ": " + difference.field + " differs " + Values(difference);
}

std::vector<std::string> DescribeDifferences(const std::vector<ProjectDifference>& differences) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < differences.size();) {
    size_t run = 0;
    while (i + run < differences.size() &&
           differences[i + run].kind == DifferenceKind::PlcAttributeByte) {
      ++run;
    }
    if (run > 1) {
      lines.push_back(DescribeAttributeBytes(&differences[i], run));
      i += run;
    } else {
      lines.push_back(DescribeDifference(differences[i]));
      ++i;
    }
  }
  return lines;
}

const char* DifferenceKindName(DifferenceKind kind) {
  switch (kind) {
    case DifferenceKind::System:
      return "system";
    case DifferenceKind::Plc:
      return "plc";
    case DifferenceKind::PlcAttributeByte:
      return "plc-attribute-byte";
    case DifferenceKind::PanelPresence:
      return "panel-presence";
    case DifferenceKind::Panel:
      return "panel";
    case DifferenceKind::KeysLeds:
      return "keys-leds";
    case DifferenceKind::SystemAttribute:
      return "system-attribute";
    case DifferenceKind::MessagePresence:
      return "message-presence";
    case DifferenceKind::Message:
      return "message";
  }
  return "unknown";
}

}  // namespace orvane
