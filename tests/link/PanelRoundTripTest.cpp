// A whole panel written as records and read back from what a panel would
// answer: system attributes, messages and the tag list together give a
// panel equal to the one written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/AttributeReplies.h"
#include "link/MessageText.h"
#include "link/ResponseFactory.h"
#include "link/SystemAttributeRecord.h"
#include "link/TOvMsgResp.h"
#include "link/TOvWriteMsgCmd.h"
#include "link/TagMapStream.h"
#include "tests/project/ProjectBuilders.h"
#include "tests/support/FakeSerialPort.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::MakeProject;
using testing::MakeReplyFrame;
using testing::SetAddress;
using testing::WithMarkers;

// The driver's part: an address text from the map string.
std::string AddressTextOf(const TOvTag& tag) {
  return "R" + std::to_string(tag.MapString()[0]) + "." + std::to_string(tag.MapString()[1]) + "." +
         std::to_string(tag.MapString()[2]);
}

std::vector<unsigned char> Map(unsigned char n) {
  return {n, static_cast<unsigned char>(n * 2), static_cast<unsigned char>(n * 3)};
}

// The payload a panel answers a read with: the stored record, shifted by
// `shift` bytes (2 for messages, 0 for system attributes).
Bytes Stored(std::span<const uint8_t> written, size_t shift) {
  Bytes payload(shift, 0x00);
  payload.insert(payload.end(), written.begin() + 5, written.end() - 2);
  return payload;
}

// Writes the project's only panel and reads it into a fresh project the way
// the reading sequence does.
TOvProject WriteAndReadBack(TOvProject& source) {
  TOvPanel& panel = source.panels.front();
  TOvTagTable table;
  panel.BuildTagTable(table);

  TOvProject read = MakeProject(kModelNotConfigured);
  TOvPanel& target = read.PutPanel(TOvPanel(&read, panel.panelModel));
  const ResponseContext context{0, &read};

  TOvWriteSysAttrCmd attributes(panel);
  const auto sysReply =
      MakeResponse(MakeReplyFrame(0xB8, Stored(attributes.MakeFrame(), 0)), 0, context);
  const auto* sys = dynamic_cast<const TOvSysAttrResp*>(sysReply.get());
  EXPECT_NE(sys, nullptr);
  if (sys != nullptr) {
    ApplySystemAttributes(*sys, target);
  }

  for (const TOvMessage& message : panel.messages) {
    TOvWriteMsgCmd command(message, panel.firstMessageNumber, panel.IsSetPoint(), false);
    const auto reply =
        MakeResponse(MakeReplyFrame(0xB4, Stored(command.MakeFrame(), 2)), 0, context);
    const auto* decoded = dynamic_cast<TOvMsgResp*>(reply.get());
    EXPECT_NE(decoded, nullptr);
    if (decoded == nullptr) {
      continue;
    }
    TOvMessage m = decoded->Message();
    if (!target.IsSetPoint()) {
      m.isPlcMessage = m.number < target.firstMessageNumber ? 1 : 0;
      m.number = WireMessageNumber(m.number, target.firstMessageNumber);
    }
    target.AddMessage(std::move(m));
  }

  const EncodedStream stream = BuildTagMapStream(table, source.plc.mapLength);
  EXPECT_TRUE(stream.Ok());
  read.plc.mapLength = stream.bytes.at(2);
  TOvTagTable readTable;
  EXPECT_EQ(DecodeTagMapStream(stream.bytes, TagMapForm::Full, {}, AddressTextOf, read, readTable),
            TagStreamDecodeError::None);
  target.ResolveTagTable(readTable);
  return read;
}

TEST(PanelRoundTrip, ATextPanelWithPlcAndLocalMessages) {
  TOvProject source = MakeProject(kModelOv200P);
  TOvPanel& panel = source.panels.front();
  panel.firstMessageNumber = 4;
  panel.localPassword = 0xFEDCBA98;
  panel.keysLeds.ledMode = {0, 1, 2, 1, 0};
  panel.keysLeds.buttonAction = {1, 0, 2, 2, 0};
  panel.plcMessageDelay = false;
  SetAddress(panel.keysLeds.ledWord, "R1.2.3", Map(1));
  SetAddress(panel.keysLeds.buttonWord, "R2.4.6", Map(2));
  SetAddress(panel.annunciatorWord, "R3.6.9", Map(3));
  SetAddress(panel.lineRegisters[0], "R4.8.12", Map(4));
  SetAddress(panel.lineRegisters[1], "R5.10.15", Map(5), kDataTypeBcd16);
  SetAddress(panel.passwordRegister, "R6.12.18", Map(6));

  TOvMessage plc(&panel);
  plc.number = 1;
  plc.isPlcMessage = 1;
  plc.text = "Level " + WithMarkers("1111") + kDecimalPointMarker + WithMarkers(" 22");
  SetAddress(plc.item1, "R7.14.21", Map(7), kDataTypeBinary32);
  plc.item1.variableDecimalPoint = true;
  SetAddress(plc.item1.decimalPointRegister, "R8.16.24", Map(8), kDataTypeBcd16);
  plc.item1.passwordProtected = true;
  plc.item1.passwordIsLocal = false;
  plc.item1.limitsEnabled = true;
  plc.item1.maximum = 900000;
  plc.item1.minimum = 3;
  SetAddress(plc.item2, "R9.18.27", Map(9), kDataTypeBcd16);
  plc.leadingZeros = {false, true, false};
  panel.AddMessage(plc);

  TOvMessage second(&panel);
  second.number = 3;
  second.isPlcMessage = 1;
  second.text = "Alarm " + WithMarkers("333");
  // The same register as item 2 of the first message: its own entry.
  SetAddress(second.item3, "R9.18.27", Map(9), kDataTypeBcd16);
  panel.AddMessage(second);

  TOvMessage folder(&panel);
  folder.number = 256;
  folder.isFolder = 1;
  folder.text = "Settings";
  panel.AddMessage(folder);

  TOvMessage local(&panel);
  local.number = 255;
  local.depth = 1;
  local.text = "  Speed " + WithMarkers("11111");
  SetAddress(local.item1, "R10.20.30", Map(10), kDataTypeBinary16);
  local.item1.accessType = kAccessWriteOnly;
  local.item1.passwordProtected = true;
  panel.AddMessage(local);

  TOvProject read = WriteAndReadBack(source);
  const TOvPanel& back = read.panels.front();
  EXPECT_TRUE(back.Equals(panel));
  ASSERT_EQ(back.messages.size(), 4u);
  EXPECT_EQ(back.messages[0].item1.addressText, "R7.14.21");
  EXPECT_EQ(back.messages[0].item1.decimalPointRegister.addressText, "R8.16.24");
  EXPECT_EQ(back.messages[1].item3.addressText, "R9.18.27");
  EXPECT_EQ(back.messages[2].text, "Settings");
  EXPECT_EQ(back.messages[3].number, 255);
  EXPECT_EQ(back.passwordRegister.addressText, "R6.12.18");
  EXPECT_EQ(back.lineRegisters[1].dataType, kDataTypeBcd16);
}

TEST(PanelRoundTrip, ASetPointPanel) {
  TOvProject source = MakeProject(kModelOvSP);
  TOvPanel& panel = source.panels.front();
  panel.firstMessageNumber = 5;
  panel.beeperEnabled = false;
  SetAddress(panel.lineRegisters[0], "R1.2.3", Map(1));
  for (int32_t number = 5; number <= 7; ++number) {
    TOvMessage entry(&panel);
    entry.number = number;
    entry.isPlcMessage = 1;
    entry.setPointValue = true;
    entry.text = "Entry " + std::to_string(number);
    SetAddress(entry.item1, "R" + std::to_string(number) + ".0.0",
               {static_cast<unsigned char>(number), 0, 0}, kDataTypeBcd32);
    entry.item1.fixedDecimalPoint = static_cast<int16_t>(number - 4);
    entry.item1.limitsEnabled = number == 6;
    entry.item1.maximum = 99999999;
    entry.item1.accessType = number % 3;
    if (number == 7) {
      entry.item1.fixedDecimalPoint = kNoDecimalPoint;
      entry.item1.variableDecimalPoint = true;
      SetAddress(entry.item1.decimalPointRegister, "R8.0.0", {8, 0, 0}, kDataTypeBcd16);
    }
    panel.AddMessage(entry);
  }
  TOvProject read = WriteAndReadBack(source);
  EXPECT_TRUE(read.panels.front().Equals(panel));
  EXPECT_EQ(read.panels.front().messages[2].item1.addressText, "R7.0.0");
  EXPECT_EQ(read.panels.front().messages[2].item1.decimalPointRegister.addressText, "R8.0.0");
}

}  // namespace
}  // namespace orvane
