#include "tests/project/ProjectBuilders.h"

#include <gtest/gtest.h>

namespace orvane::testing {

TOvProject MakeProject(int32_t model) {
  TOvProject project;
  project.plc.mapLength = kTestMapLength;
  if (model != kModelNotConfigured) {
    project.PutPanel(TOvPanel(&project, model));
  }
  return project;
}

void SetAddress(TOvTag& tag, const std::string& text, std::vector<unsigned char> map,
                uint32_t dataType) {
  tag.addressText = text;
  tag.dataType = dataType;
  tag.SetMapString(map.data(), map.size());
}

void SetEveryAddress(TOvPanel& panel) {
  SetAddress(panel.keysLeds.ledWord, "led");
  SetAddress(panel.keysLeds.buttonWord, "button");
  SetAddress(panel.annunciatorWord, "annunciator");
  for (int line = 0; line < 4; ++line) {
    SetAddress(panel.lineRegisters[line], "line" + std::to_string(line + 1));
  }
  SetAddress(panel.passwordRegister, "password");
}

std::string WithMarkers(std::string pattern) {
  for (char& c : pattern) {
    if (c == '1') {
      c = kItem1Marker;
    } else if (c == '2') {
      c = kItem2Marker;
    } else if (c == '3') {
      c = kItem3Marker;
    }
  }
  return pattern;
}

std::vector<const TOvTag*> AllAddresses(const TOvPanel& panel) {
  std::vector<const TOvTag*> tags = {&panel.keysLeds.ledWord, &panel.keysLeds.buttonWord,
                                     &panel.annunciatorWord, &panel.passwordRegister};
  for (const TOvTag& line : panel.lineRegisters) {
    tags.push_back(&line);
  }
  for (const TOvMessage& message : panel.messages) {
    tags.insert(tags.end(), {&message.item1, &message.item1.decimalPointRegister, &message.item2,
                             &message.item3});
  }
  return tags;
}

void ExpectOwnedBy(const TOvProject& project) {
  for (const TOvPanel& panel : project.panels) {
    EXPECT_EQ(panel.project, &project);
    for (const TOvMessage& message : panel.messages) {
      EXPECT_EQ(message.panel, &panel);
    }
    for (const TOvTag* tag : AllAddresses(panel)) {
      EXPECT_EQ(tag->project, &project);
    }
  }
}

}  // namespace orvane::testing
