#include "project/ProjectWriter.h"

#include "project/LineWriter.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

// portNumber: the port written for the panel (export always writes 1).
void WritePanel(const TOvPanel& panel, int32_t portNumber, LineWriter& out) {
  out.Int(panel.panelModel);
  out.Int(portNumber);
  out.Bool(panel.beeperEnabled);
  out.Int(panel.firstMessageNumber);
  out.Int(static_cast<int32_t>(panel.messages.size()));
  for (const TOvMessage& message : panel.messages) {
    WriteMessage(message, panel, out);
  }
  if (!panel.IsSetPoint()) {
    for (int key = 0; key < kKeyCount; ++key) {
      out.Int(panel.keysLeds.ledMode[static_cast<size_t>(key)]);
      out.Int(panel.keysLeds.buttonAction[static_cast<size_t>(key)]);
    }
    panel.keysLeds.ledWord.Save(out);
    panel.keysLeds.buttonWord.Save(out);
  }
  if (panel.HasPasswords()) {
    panel.annunciatorWord.Save(out);
  }
  for (const TOvTag& lineRegister : panel.lineRegisters) {
    lineRegister.Save(out);
  }
  panel.passwordRegister.Save(out);
  out.UInt(panel.localPassword);
  out.Bool(panel.plcMessageDelay);
  out.Bool(panel.cursorOnPlcMessage);
}

void WritePlcAndTagMap(const TOvProject& project, LineWriter& out) {
  out.Line(project.plc.name);
  out.Line(project.plc.pluginPath);
  out.Int(project.plc.mapLength);
  out.Int(static_cast<int32_t>(project.plc.attributeBytes.size()));
  for (const unsigned char byte : project.plc.attributeBytes) {
    out.Int(byte);
  }
  out.Bool(project.tagMapInUse);
  if (project.tagMapInUse) {
    out.Line(project.tagMapPath);
  }
}

}  // namespace

void WriteMessage(const TOvMessage& message, const TOvPanel& panel, LineWriter& out) {
  out.Int(message.number);
  out.Line(message.text);
  out.Int(message.isPlcMessage);
  if (message.isPlcMessage == 0) {
    out.Int(message.isFolder);
    out.Int(message.depth);
  }
  if (panel.IsSetPoint()) {
    out.Bool(message.setPointValue);
  }
  if (message.HasMarker(kItem1Marker) || panel.IsSetPoint()) {
    message.item1.Save(out);
  }
  if (message.Item2InUse()) {
    message.item2.Save(out);
  }
  if (message.Item3InUse()) {
    message.item3.Save(out);
  }
  for (const bool zeros : message.leadingZeros) {
    out.Bool(zeros);
  }
}

void WriteProject(const TOvProject& project, LineWriter& out) {
  out.Line(kCurrentMagic);
  out.Int(project.systemMode);
  if (project.systemMode == kMultiPanelSystem) {
    for (int32_t port = kFirstPort; port <= kLastPort; ++port) {
      out.Int(project.portTable.Model(port));
    }
    out.Int(project.portTable.selectedPort);
  }
  out.Int(static_cast<int32_t>(project.panels.size()));
  for (const TOvPanel& panel : project.panels) {
    WritePanel(panel, panel.portNumber, out);
  }
  WritePlcAndTagMap(project, out);
}

void WriteSinglePanelProject(const TOvProject& project, const TOvPanel& panel, LineWriter& out) {
  out.Line(kCurrentMagic);
  out.Int(kSinglePanelSystem);
  out.Int(1);
  WritePanel(panel, kFirstPort, out);
  WritePlcAndTagMap(project, out);
}

}  // namespace orvane
