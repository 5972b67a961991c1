#include "bench/LargeProject.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/ProjectDocument.h"
#include "project/ModelLimits.h"
#include "project/PanelModels.h"
#include "project/ProjectFile.h"
#include "project/TOvMessage.h"
#include "project/TOvPanel.h"
#include "project/TOvProject.h"

namespace orvane::bench {
namespace {

// Every data item reads an integer word of the PLC. The words repeat after
// this many, so that a panel's tag table (at most 300 entries) holds them
// all while every message still shows addresses of its own neighbours.
constexpr int kWordsPerPanel = 240;
// The line registers sit after the data words.
constexpr int kFirstLineRegisterWord = kWordsPerPanel;

std::string WordAddress(int file, int word) {
  char text[16] = {};
  std::snprintf(text, sizeof text, "N%d:%d", file, word);
  return text;
}

// "M123 ### ### ###": the number and a three digit field per data item.
std::string MessageText(int number, int items) {
  char head[16] = {};
  std::snprintf(head, sizeof head, "M%d", number);
  std::string text = head;
  const char markers[] = {kItem1Marker, kItem2Marker, kItem3Marker};
  for (int item = 0; item < items; ++item) {
    text += ' ';
    text.append(3, markers[item]);
  }
  return text;
}

TOvMessage MakeMessage(int number, bool plc, int items, int file, int& nextWord, int& budget) {
  items = std::min(items, budget);
  budget -= items;
  TOvMessage message;
  message.number = number;
  message.isPlcMessage = plc ? 1 : 0;
  message.text = MessageText(number, items);
  TOvTag* tags[] = {&message.item1, &message.item2, &message.item3};
  for (int item = 0; item < items; ++item) {
    tags[item]->dataType = kDataTypeBinary16;
    tags[item]->addressText = WordAddress(file, nextWord);
    nextWord = (nextWord + 1) % kWordsPerPanel;
  }
  return message;
}

void FillPanel(TOvPanel& panel, const LargeProjectShape& shape) {
  // Each panel reads its own data file: N10 for port 1, N11 for port 2, ...
  const int file = 9 + panel.portNumber;
  const int messages = std::clamp(shape.messages, 1, kMaxMessagesPerPanel);
  const int local = std::max(1, messages / 5);
  const int plc = messages - local;
  const int items = std::clamp(shape.itemsPerMessage, 0, 3);
  int nextWord = 0;
  int budget = shape.itemsPerPanel > 0 ? shape.itemsPerPanel : messages * items;
  panel.messages.clear();
  for (int number = 1; number <= plc; ++number) {
    panel.AddMessage(MakeMessage(number, true, items, file, nextWord, budget));
  }
  for (int k = 0; k < local; ++k) {
    panel.AddMessage(MakeMessage(kMaxMessageNumber - k, false, items, file, nextWord, budget));
  }
  panel.firstMessageNumber = plc + 1;
  for (int line = 0; line < panel.LineCount(); ++line) {
    TOvTag& reg = panel.lineRegisters[static_cast<size_t>(line)];
    reg.dataType = kDataTypeBinary16;
    reg.addressText = WordAddress(file, kFirstLineRegisterWord + line);
  }
}

}  // namespace

bool WriteLargeProject(const LargeProjectShape& shape, const std::filesystem::path& path,
                       UserInterface& ui) {
  const int panels = std::clamp(shape.panels, 1, kMaxPanels);
  cli::ProjectDocument document(ui);
  if (!document.New(kModelOv400, panels > 1, std::string("1:4"))) {
    return false;
  }
  TOvProject& project = document.Project();
  for (int port = 2; port <= panels; ++port) {
    project.portTable.selectedPort = port;
    project.portTable.SetPanel(project.PutPanel(TOvPanel(&project, kModelOv400)));
  }
  project.portTable.selectedPort = kFirstPort;
  for (TOvPanel& panel : project.panels) {
    FillPanel(panel, shape);
  }
  return SaveProjectFile(project, path, ui);
}

}  // namespace orvane::bench
