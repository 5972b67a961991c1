// The system attribute record: its exact bytes, the key/LED word, and a
// reply applied to a panel.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "link/AttributeReplies.h"
#include "link/SystemAttributeRecord.h"
#include "tests/project/ProjectBuilders.h"
#include "tests/support/FakeSerialPort.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::MakeProject;
using testing::MakeReplyFrame;

TEST(SystemAttributes, KeyLedWordPacksEachLedsMode) {
  const struct {
    std::array<int32_t, 5> modes;
    bool beeper;
    uint16_t word;
  } cases[] = {
      {{0, 1, 2, 0, 1}, true, 0x825B},
      {{2, 2, 2, 2, 2}, false, 0x0000},
      {{0, 0, 0, 0, 0}, false, 0x001F},
      {{1, 1, 1, 1, 1}, true, 0x83FF},
      {{2, 2, 2, 2, 1}, false, 0x0210},
      {{7, -1, 2, 2, 0}, false, 0x0010},  // modes outside 0..2 light nothing
  };
  for (const auto& c : cases) {
    TOvKeyLedConfig keysLeds;
    keysLeds.ledMode = c.modes;
    EXPECT_EQ(KeyLedWord(keysLeds, c.beeper), c.word) << std::hex << c.word;
  }
}

TEST(SystemAttributes, RecordExactBytes) {
  TOvProject project = MakeProject(kModelOv200P);
  TOvPanel& panel = project.panels.front();
  panel.keysLeds.buttonWord.tagIndex = 5;
  panel.keysLeds.ledWord.tagIndex = 6;
  panel.annunciatorWord.tagIndex = 7;
  panel.passwordRegister.tagIndex = 8;
  panel.keysLeds.ledMode = {0, 1, 2, 0, 1};
  panel.keysLeds.buttonAction = {0, 1, 2, 0, 1};
  panel.localPassword = 123456;
  panel.lineRegisters[0].tagIndex = 9;
  panel.lineRegisters[1].tagIndex = 10;
  panel.lineRegisters[2].tagIndex = -1;
  panel.firstMessageNumber = 12;
  panel.beeperEnabled = true;
  panel.plcMessageDelay = true;
  panel.cursorOnPlcMessage = false;

  TOvWriteSysAttrCmd command(panel);
  const auto frame = command.MakeFrame();
  const Bytes expected = {0xAA, 0x25, 0x10, 0x01, 0xB9, 0x00, 0x00, 0x05, 0x00, 0x06,
                          0x00, 0x07, 0x82, 0x5B, 0x00, 0x08, 0x00, 0x01, 0xE2, 0x40,
                          0x00, 0x09, 0x00, 0x0A, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x01,
                          0x02, 0x00, 0x01, 0x00, 0x0C, 0x01, 0x80, 0x09};
  EXPECT_EQ(Bytes(frame.begin(), frame.end()), expected);

  panel.plcMessageDelay = false;
  panel.cursorOnPlcMessage = true;
  TOvWriteSysAttrCmd cursorOnly(panel);
  EXPECT_EQ(cursorOnly.MakeFrame()[35], 0x02);
}

// A reply payload (offsets 5 to 35) with the given key/LED word and line
// register indices.
Bytes ReplyPayload(uint16_t keyLedWord, std::array<uint16_t, 4> lines) {
  Bytes payload = {0x00,  // 5
                   0x00,
                   0x05,
                   0x00,
                   0x06,
                   0x00,
                   0x07,                                   // 6 button, LED, annunciator
                   static_cast<uint8_t>(keyLedWord >> 8),  // 12
                   static_cast<uint8_t>(keyLedWord & 0xFF),
                   0x00,
                   0x08,  // 14 password register
                   0x00,
                   0x01,
                   0xE2,
                   0x40};  // 16 local password
  for (const uint16_t line : lines) {
    payload.push_back(static_cast<uint8_t>(line >> 8));
    payload.push_back(static_cast<uint8_t>(line & 0xFF));
  }
  payload.insert(payload.end(), {2, 1, 0, 2, 1,  // 28 button actions
                                 0x00, 0x0C,     // 33 first message number
                                 0x02});         // 35 cursor, no delay
  return payload;
}

TEST(SystemAttributes, AReplyIsAppliedToThePanel) {
  TOvProject project = MakeProject(kModelOv400);
  TOvPanel& panel = project.panels.front();
  panel.lineRegisters[1].tagIndex = 22;
  panel.lineRegisters[2].tagIndex = 33;
  panel.lineRegisters[3].tagIndex = 44;
  panel.keysLeds.ledMode = {2, 2, 0, 1, 1};

  // LED 1 bit 0 alone, LED 2 bits 1 and 6, LED 3 neither, LED 4 bit 8 alone
  // (its flash bit without its own bit: mode kept), LED 5 bit 4 alone; no
  // beeper.
  const uint16_t word = 0x0001 | 0x0002 | 0x0040 | 0x0100 | 0x0010;
  const Bytes frame = MakeReplyFrame(0xB8, ReplyPayload(word, {0x0011, 0xFFFF, 0x0003, 0x0004}));
  const TOvSysAttrResp reply(frame);
  ApplySystemAttributes(reply, panel);

  EXPECT_EQ(panel.keysLeds.buttonWord.tagIndex, 5);
  EXPECT_EQ(panel.keysLeds.ledWord.tagIndex, 6);
  EXPECT_EQ(panel.annunciatorWord.tagIndex, 7);
  EXPECT_EQ(panel.passwordRegister.tagIndex, 8);
  EXPECT_EQ(panel.keysLeds.ledMode, (std::array<int32_t, 5>{0, 1, 2, 1, 0}));
  EXPECT_FALSE(panel.beeperEnabled);
  EXPECT_EQ(panel.localPassword, 123456u);
  // Line register 2 reads 0xFFFF: only register 1 is set, the rest keep theirs.
  EXPECT_EQ(panel.lineRegisters[0].tagIndex, 0x11);
  EXPECT_EQ(panel.lineRegisters[1].tagIndex, 22);
  EXPECT_EQ(panel.lineRegisters[2].tagIndex, 33);
  EXPECT_EQ(panel.lineRegisters[3].tagIndex, 44);
  EXPECT_EQ(panel.keysLeds.buttonAction, (std::array<int32_t, 5>{2, 1, 0, 2, 1}));
  EXPECT_EQ(panel.firstMessageNumber, 12);
  EXPECT_FALSE(panel.plcMessageDelay);
  EXPECT_TRUE(panel.cursorOnPlcMessage);

  const Bytes beeper = MakeReplyFrame(0xB8, ReplyPayload(0x8000, {1, 2, 3, 4}));
  ApplySystemAttributes(TOvSysAttrResp(beeper), panel);
  EXPECT_TRUE(panel.beeperEnabled);
  EXPECT_EQ(panel.keysLeds.ledMode, (std::array<int32_t, 5>{2, 2, 2, 2, 2}));
  EXPECT_EQ(panel.lineRegisters[3].tagIndex, 4);
}

}  // namespace
}  // namespace orvane
