// Message replies decoded into messages of the project's current panel, in
// the text panel and set point layouts.
#include <gtest/gtest.h>

#include <vector>

#include "link/MessageText.h"
#include "link/ResponseFactory.h"
#include "link/StandardReplies.h"
#include "link/TOvMsgResp.h"
#include "tests/project/ProjectBuilders.h"
#include "tests/support/FakeSerialPort.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::MakeProject;
using testing::MakeReplyFrame;
using testing::WithMarkers;

std::unique_ptr<TOvXResp> Decode(const Bytes& frame, TOvProject& project) {
  return MakeResponse(frame, 0, ResponseContext{0, &project});
}

const TOvMsgResp* AsMessage(const std::unique_ptr<TOvXResp>& reply) {
  return dynamic_cast<const TOvMsgResp*>(reply.get());
}

// A text panel reply payload (offsets 5 to 49).
Bytes TextPayload(uint16_t number, Bytes text, uint8_t folder, uint8_t password, uint8_t limits,
                  uint8_t flags) {
  text.resize(20, ' ');
  Bytes payload = {0xEE, 0xEE, static_cast<uint8_t>(number >> 8),
                   static_cast<uint8_t>(number & 0xFF)};
  payload.insert(payload.end(), text.begin(), text.end());
  payload.insert(payload.end(), {folder,   3,                               // 29 folder, 30 depth
                                 0x00,     0x01,   0x00, 0x02, 0xFF, 0xFF,  // 31 tag indices
                                 password, limits,                          // 37, 38
                                 0x00,     0x01,   0x86, 0xA0,              // 39 maximum 100000
                                 0x00,     0x00,   0x00, 0x05,              // 43 minimum
                                 0x00,     0x07,                            // 47 register
                                 flags});                                   // 49
  return payload;
}

TEST(MessageReply, TextLayoutFields) {
  TOvProject project = MakeProject(kModelOv200P);
  const Bytes frame = MakeReplyFrame(
      0xB4, TextPayload(0x0012, {'+', 'N', 0x81, 0x82, 0x82, ' ', 0x8A, 0xA5}, 1, 2, 1, 0x56));
  const auto reply = Decode(frame, project);
  const TOvMsgResp* message = AsMessage(reply);
  ASSERT_NE(message, nullptr);
  ASSERT_TRUE(message->IsDecoded());
  const TOvMessage& m = message->Message();
  EXPECT_EQ(m.panel, &project.panels.front());
  EXPECT_EQ(m.item1.project, &project);
  EXPECT_EQ(m.number, 0x12);
  EXPECT_EQ(m.isFolder, 1);
  EXPECT_EQ(m.text, "N" + WithMarkers("11") + kDecimalPointMarker + " " + WithMarkers("33"));
  EXPECT_EQ(m.depth, 3);
  EXPECT_EQ(m.item1.tagIndex, 1);
  EXPECT_EQ(m.item2.tagIndex, 2);
  EXPECT_EQ(m.item3.tagIndex, 0xFFFF);
  EXPECT_TRUE(m.item1.passwordProtected);
  EXPECT_FALSE(m.item1.passwordIsLocal);
  EXPECT_TRUE(m.item1.limitsEnabled);
  EXPECT_EQ(m.item1.maximum, 100000u);
  EXPECT_EQ(m.item1.minimum, 5u);
  // Flags 0x56: variable decimal point, read only, leading zeros 1 and 3.
  EXPECT_TRUE(m.item1.variableDecimalPoint);
  EXPECT_EQ(m.item1.decimalPointRegister.tagIndex, 7);
  EXPECT_EQ(m.item1.accessType, kAccessReadOnly);
  EXPECT_EQ(m.leadingZeros, (std::array<bool, 3>{true, false, true}));
  EXPECT_EQ(m.item1.fixedDecimalPoint, kNoDecimalPoint);
  EXPECT_EQ(m.isPlcMessage, 0);  // set by the reading sequence from the number
}

TEST(MessageReply, TextLayoutPasswordLimitsAndFlagVariants) {
  const struct {
    const char* name;
    uint8_t password;
    uint8_t limits;
    uint8_t flags;
    bool isProtected;
    bool isLocal;
    bool limitsEnabled;
    int32_t access;
    int32_t registerIndex;
  } cases[] = {
      {"nothing", 0, 0, 0x00, false, true, false, kAccessReadWrite, 0xFFFF},
      {"local password", 1, 1, 0x08, true, true, true, kAccessWriteOnly, 0xFFFF},
      {"any other byte is the PLC register", 9, 2, 0x02, true, false, false, kAccessReadWrite, 7},
      {"access bits 3 name no access type", 0, 0, 0x0C, false, true, false, kAccessReadWrite,
       0xFFFF},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TOvProject project = MakeProject(kModelOv200);
    const auto reply = Decode(
        MakeReplyFrame(0xB4, TextPayload(1, {'A'}, 0, c.password, c.limits, c.flags)), project);
    ASSERT_NE(AsMessage(reply), nullptr);
    const TOvMessage& m = AsMessage(reply)->Message();
    EXPECT_EQ(m.item1.passwordProtected, c.isProtected);
    EXPECT_EQ(m.item1.passwordIsLocal, c.isLocal);
    EXPECT_EQ(m.item1.limitsEnabled, c.limitsEnabled);
    EXPECT_EQ(m.item1.accessType, c.access);
    EXPECT_EQ(m.item1.decimalPointRegister.tagIndex, c.registerIndex);
  }
}

// A set point reply payload (offsets 5 to 41).
Bytes SetPointPayload(uint8_t fixedPoint, uint8_t flags) {
  Bytes payload = {0x00, 0x00, 0x00, 0x04, 'F', 'l', 'o', 'w',  ' ',  ' ',  ' ',  ' ',        ' ',
                   ' ',  ' ',  ' ',  ' ',  ' ', ' ', ' ', 0xFF, 0x00, 0x00, 0x03, fixedPoint,
                   0x01,                    // 30 limits
                   0x05, 0xF5, 0xE0, 0xFF,  // 31 maximum
                   0x00, 0x00, 0x00, 0x0A,  // 35 minimum
                   0x00, 0x09,              // 39 register
                   flags};
  return payload;
}

TEST(MessageReply, SetPointLayoutFields) {
  TOvProject project = MakeProject(kModelOvSP);
  const auto reply = Decode(MakeReplyFrame(0xB4, SetPointPayload(3, 0x74)), project);
  ASSERT_NE(AsMessage(reply), nullptr);
  const TOvMessage& m = AsMessage(reply)->Message();
  EXPECT_EQ(m.number, 4);
  EXPECT_EQ(m.text, "Flow");
  EXPECT_EQ(m.isFolder, 0);
  EXPECT_EQ(m.depth, 0);
  EXPECT_EQ(m.isPlcMessage, 1);
  EXPECT_TRUE(m.setPointValue);
  EXPECT_EQ(m.item1.tagIndex, 3);
  EXPECT_EQ(m.item1.fixedDecimalPoint, 3);
  EXPECT_TRUE(m.item1.limitsEnabled);
  EXPECT_EQ(m.item1.maximum, 99999999u);
  EXPECT_EQ(m.item1.minimum, 10u);
  // The register index is taken whatever the flags say.
  EXPECT_EQ(m.item1.decimalPointRegister.tagIndex, 9);
  EXPECT_FALSE(m.item1.variableDecimalPoint);
  EXPECT_EQ(m.item1.accessType, kAccessReadOnly);
  // Leading zero bits are not read on the set point model.
  EXPECT_EQ(m.leadingZeros, (std::array<bool, 3>{false, false, false}));

  const auto other = Decode(MakeReplyFrame(0xB4, SetPointPayload(0, 0x0E)), project);
  ASSERT_NE(AsMessage(other), nullptr);
  EXPECT_EQ(AsMessage(other)->Message().item1.fixedDecimalPoint, kNoDecimalPoint);
  EXPECT_TRUE(AsMessage(other)->Message().item1.variableDecimalPoint);
  EXPECT_EQ(AsMessage(other)->Message().item1.accessType, kAccessReadWrite);  // 3: unchanged
}

TEST(MessageReply, EmptyNumbersShortFramesAndLinksWithoutProject) {
  TOvProject project = MakeProject(kModelOv200);

  // Byte 9 is 0xFF: nothing is decoded, and a short frame is enough.
  const auto empty = Decode(MakeReplyFrame(0xB4, {0, 0, 0, 9, 0xFF}), project);
  ASSERT_NE(AsMessage(empty), nullptr);
  EXPECT_FALSE(AsMessage(empty)->HasMessage());
  EXPECT_FALSE(AsMessage(empty)->IsDecoded());
  EXPECT_EQ(AsMessage(empty)->Message().number, 0);

  // A message that does not reach its flags byte is refused as an invalid
  // length, for either layout; the link retries it like any link failure.
  Bytes text = TextPayload(1, {'A'}, 0, 0, 0, 0);
  text.pop_back();
  const auto shortText = Decode(MakeReplyFrame(0xB4, text), project);
  ASSERT_NE(dynamic_cast<const TOvErrorResp*>(shortText.get()), nullptr);
  EXPECT_EQ(dynamic_cast<const TOvErrorResp*>(shortText.get())->ErrorCode(), 25);
  TOvProject setPoint = MakeProject(kModelOvSP);
  Bytes entry = SetPointPayload(0, 0);
  EXPECT_NE(AsMessage(Decode(MakeReplyFrame(0xB4, entry), setPoint)), nullptr);
  entry.pop_back();
  EXPECT_EQ(AsMessage(Decode(MakeReplyFrame(0xB4, entry), setPoint)), nullptr);

  // Without a project (or without a panel on the selected port) the reply
  // keeps only its record.
  const auto raw = MakeResponse(MakeReplyFrame(0xB4, {0, 0, 0, 1, 'A'}), 0, ResponseContext{});
  ASSERT_NE(AsMessage(raw), nullptr);
  EXPECT_TRUE(AsMessage(raw)->HasMessage());
  EXPECT_FALSE(AsMessage(raw)->IsDecoded());
  project.portTable.selectedPort = 3;
  const auto noPanel = Decode(MakeReplyFrame(0xB4, {0, 0, 0, 1, 'A'}), project);
  ASSERT_NE(AsMessage(noPanel), nullptr);
  EXPECT_FALSE(AsMessage(noPanel)->IsDecoded());
}

TEST(MessageReply, DecodedForThePanelOnTheSelectedPort) {
  TOvProject project = MakeProject(kModelNotConfigured);
  project.systemMode = kMultiPanelSystem;
  project.portTable.selectedPort = 2;
  project.PutPanel(TOvPanel(&project, kModelOv400));
  project.portTable.selectedPort = 4;
  project.PutPanel(TOvPanel(&project, kModelOvSP));

  const auto reply = Decode(MakeReplyFrame(0xB4, SetPointPayload(0, 0)), project);
  ASSERT_NE(AsMessage(reply), nullptr);
  EXPECT_EQ(AsMessage(reply)->Message().panel, &project.panels[1]);
  EXPECT_TRUE(AsMessage(reply)->Message().setPointValue);

  ResponseContext context{0, &project};
  EXPECT_EQ(context.SystemMode(), kMultiPanelSystem);
  EXPECT_EQ(ResponseContext{1}.SystemMode(), 1);
}

}  // namespace
}  // namespace orvane
