// The panel's own reading of the records it receives, from bytes written
// out by hand field by field, and every refusal with the panel's code.
#include <gtest/gtest.h>

#include "sim/MessageRecords.h"
#include "sim/SystemAttributes.h"
#include "sim/TagList.h"
#include "tests/sim/SimTestSupport.h"

namespace orvane::sim {
namespace {

using namespace testing;

// Message 7: "T=" and four narrow item 1 digits (129..132), " FT"; item 1 on
// tag 1, limits 10..9999, leading zeros of item 1.
Bytes TextMessage() {
  return Bytes{0x00, 0x07,                                              // number
               'T',  '=',  0x81, 0x82, 0x83, 0x84, ' ', 'F', 'T', ' ',  // text
               ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ', ' ', ' ', ' ',  //
               0x00, 0x00,                                              // folder, depth
               0x00, 0x01, 0xFF, 0xFF, 0xFF, 0xFF,                      // tags 1, 2, 3
               0x00, 0x01,                                              // password, limits
               0x00, 0x00, 0x27, 0x0F,                                  // maximum 9999
               0x00, 0x00, 0x00, 0x0A,                                  // minimum 10
               0xFF, 0xFF,                                              // decimal point tag
               0x10};                                                   // flags
}

TEST(MessageRecordDecoder, ReadsEveryFieldOfATextMessage) {
  const Decoded<TextMessageRecord> decoded = DecodeTextMessage(TextMessage());
  ASSERT_EQ(decoded.error, codes::kOk);
  const TextMessageRecord& m = decoded.record;
  EXPECT_EQ(m.number, 7);
  EXPECT_FALSE(m.blank);
  EXPECT_FALSE(m.isFolder);
  EXPECT_EQ(m.tags, (std::array<uint16_t, 3>{1, 0xFFFF, 0xFFFF}));
  EXPECT_TRUE(m.item1.limitsEnabled);
  EXPECT_EQ(m.item1.maximum, 9999u);
  EXPECT_EQ(m.item1.minimum, 10u);
  EXPECT_EQ(m.item1.access, 0);
  EXPECT_EQ(m.leadingZeros, (std::array<bool, 3>{true, false, false}));
  ASSERT_EQ(m.text.cells.size(), 20u);
  EXPECT_EQ(m.text.items[0].digits, 4);
  EXPECT_FALSE(m.text.items[0].wide);
  // The top code is the units digit; the digits before it count up.
  for (int column = 2; column < 6; ++column) {
    EXPECT_EQ(m.text.cells[column].kind, CellKind::Digit);
    EXPECT_EQ(m.text.cells[column].item, 1);
    EXPECT_EQ(m.text.cells[column].position, 5 - column);
  }
  EXPECT_EQ(m.text.cells[7].kind, CellKind::Character);
  EXPECT_EQ(EncodeTextMessage(m), TextMessage());
}

TEST(MessageRecordDecoder, ReadsTheRangesThePointAndAFolder) {
  struct Case {
    Bytes text;
    uint8_t flags;
    uint16_t pointTag;
    int item;
    int digits;
    bool wide;
    bool point;
  };
  const Case cases[] = {
      // item 1 wide: 150..153
      {{0x96, 0x97, 0x98, 0x99}, 0x00, 0xFFFF, 1, 4, true, false},
      // item 1 with the PLC's point: 131, 132 and the units code again
      {{0x83, 0x84, 0x84}, 0x02, 0x0005, 1, 2, false, true},
      // item 2 narrow 135..137, item 3 wide 170..173
      {{0x87, 0x88, 0x89}, 0x00, 0xFFFF, 2, 3, false, false},
      {{0xAA, 0xAB, 0xAC, 0xAD}, 0x00, 0xFFFF, 3, 4, true, false},
  };
  for (const Case& c : cases) {
    Bytes record = TextMessage();
    std::fill(record.begin() + 2, record.begin() + 22, ' ');
    std::copy(c.text.begin(), c.text.end(), record.begin() + 2);
    record[42] = c.flags;
    record[40] = static_cast<uint8_t>(c.pointTag >> 8);
    record[41] = static_cast<uint8_t>(c.pointTag);
    const Decoded<TextMessageRecord> decoded = DecodeTextMessage(record);
    ASSERT_EQ(decoded.error, codes::kOk) << int(c.text[0]);
    const ItemLayout& layout = decoded.record.text.items[c.item - 1];
    EXPECT_EQ(layout.digits, c.digits);
    EXPECT_EQ(layout.wide, c.wide);
    EXPECT_EQ(layout.hasDecimalPointCell, c.point);
    if (c.point) {
      EXPECT_EQ(decoded.record.text.cells[2].kind, CellKind::DecimalPoint);
      EXPECT_EQ(decoded.record.item1.decimalPointTag, 5);
    }
    EXPECT_EQ(EncodeTextMessage(decoded.record), record);
  }

  Bytes folder = TextMessage();
  const char text[] = "+Setup              ";
  std::copy(text, text + 20, folder.begin() + 2);
  folder[22] = 1;
  folder[23] = 2;
  const Decoded<TextMessageRecord> decoded = DecodeTextMessage(folder);
  ASSERT_EQ(decoded.error, codes::kOk);
  EXPECT_TRUE(decoded.record.isFolder);
  EXPECT_EQ(decoded.record.depth, 2);

  const Bytes blank = BlankRecord(12, 43);
  const Decoded<TextMessageRecord> empty = DecodeTextMessage(blank);
  ASSERT_EQ(empty.error, codes::kOk);
  EXPECT_TRUE(empty.record.blank);
  EXPECT_EQ(EncodeTextMessage(empty.record), blank);
}

TEST(MessageRecordDecoder, RefusesWhatThePanelCannotShow) {
  struct Case {
    const char* what;
    size_t offset;
    uint8_t value;
    uint8_t error;
  };
  const Case cases[] = {
      {"number 0", 1, 0x00, codes::kInvalidMessageNumber},
      {"a control byte in the text", 8, 0x07, codes::kInvalidByte},
      {"the unused code 143", 8, 0x8F, codes::kInvalidByte},
      {"a wide code among narrow digits", 2, 0x97, codes::kInvalidByte},
      {"a digit twice without the PLC's point", 8, 0x84, codes::kInvalidByte},
      {"a digit position left out", 5, ' ', codes::kInvalidByte},
      {"a first text byte that reads back as empty", 2, 0xFF, codes::kInvalidByte},
      {"folder byte 2", 22, 0x02, codes::kInvalidByte},
      {"tag index 0", 27, 0x00, codes::kInvalidByte},
      {"password 3", 30, 0x03, codes::kInvalidByte},
      {"limits byte 2", 31, 0x02, codes::kInvalidByte},
      {"a minimum above the maximum", 36, 0x01, codes::kInvalidByte},
      {"flag bit 0", 42, 0x11, codes::kInvalidByte},
      {"flag bit 7", 42, 0x90, codes::kInvalidByte},
      {"access 3", 42, 0x0C, codes::kInvalidByte},
      {"a point register without the option", 41, 0x05, codes::kInvalidByte},
  };
  for (const Case& c : cases) {
    Bytes record = TextMessage();
    if (std::string(c.what) == "tag index 0") {
      record[26] = 0x00;
    }
    if (std::string(c.what) == "a point register without the option") {
      record[40] = 0x00;
    }
    record[c.offset] = c.value;
    EXPECT_EQ(DecodeTextMessage(record).error, c.error) << c.what;
  }
  Bytes above = TextMessage();
  above[0] = 0x01;
  above[1] = 0x08;  // 264
  EXPECT_EQ(DecodeTextMessage(above).error, codes::kInvalidMessageNumber);
  Bytes shorter = TextMessage();
  shorter.pop_back();
  EXPECT_EQ(DecodeTextMessage(shorter).error, codes::kInvalidMessageLength);
}

// Entry 5: "SPEED SETPOINT", value on tag 2, two fixed decimals, limits
// 10..1000.
Bytes SetPointEntry() {
  return Bytes{0x00, 0x05, 'S',  'P',  'E',  'E',  'D',  ' ',  'S',  'E',  'T',  'P',
               'O',  'I',  'N',  'T',  ' ',  ' ',  0xFF, 0x00, 0x00, 0x02, 0x02, 0x01,
               0x00, 0x00, 0x03, 0xE8, 0x00, 0x00, 0x00, 0x0A, 0xFF, 0xFF, 0x00};
}

TEST(SetPointRecordDecoder, ReadsAnEntryAndRefusesItsFaults) {
  const Decoded<SetPointEntryRecord> decoded = DecodeSetPointEntry(SetPointEntry());
  ASSERT_EQ(decoded.error, codes::kOk);
  EXPECT_EQ(decoded.record.number, 5);
  EXPECT_EQ(std::string(decoded.record.description.begin(), decoded.record.description.end()),
            "SPEED SETPOINT  ");
  EXPECT_EQ(decoded.record.tag, 2);
  EXPECT_EQ(decoded.record.fixedDecimals, 2);
  EXPECT_EQ(decoded.record.value.maximum, 1000u);
  EXPECT_EQ(decoded.record.value.minimum, 10u);
  EXPECT_EQ(EncodeSetPointEntry(decoded.record), SetPointEntry());

  struct Case {
    size_t offset;
    uint8_t value;
    uint8_t error;
  };
  const Case cases[] = {
      {1, 0x00, codes::kInvalidMessageNumber}, {18, 0xFE, codes::kInvalidByte},
      {19, 0x01, codes::kInvalidByte},         {22, 0x08, codes::kInvalidByte},
      {5, 0x0A, codes::kInvalidByte},          {23, 0x02, codes::kInvalidByte},
      {34, 0x0C, codes::kInvalidByte},         {33, 0x03, codes::kInvalidByte},
  };
  for (const Case& c : cases) {
    Bytes record = SetPointEntry();
    record[c.offset] = c.value;
    EXPECT_EQ(DecodeSetPointEntry(record).error, c.error) << c.offset;
  }
  EXPECT_TRUE(DecodeSetPointEntry(BlankRecord(9, 35)).record.blank);
}

// Button word tag 1, LED word 2, annunciator 3, LED modes 0 1 2 0 1 with the
// beeper, password register 4, local password 4321, line registers 5 and
// none, key actions 0 1 2 0 1, first message 12, delay and cursor.
Bytes SystemRecordByHand() {
  return Bytes{0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03, 0x82, 0x5B, 0x00, 0x04,
               0x00, 0x00, 0x10, 0xE1, 0x00, 0x05, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
               0xFF, 0x00, 0x01, 0x02, 0x00, 0x01, 0x00, 0x0C, 0x03};
}

TEST(SystemAttributeDecoder, ReadsEveryFieldAndRefusesItsFaults) {
  const Decoded<SystemAttributes> decoded = DecodeSystemAttributes(SystemRecordByHand());
  ASSERT_EQ(decoded.error, codes::kOk);
  const SystemAttributes& a = decoded.record;
  EXPECT_EQ(a.buttonWordTag, 1);
  EXPECT_EQ(a.ledWordTag, 2);
  EXPECT_EQ(a.annunciatorWordTag, 3);
  EXPECT_EQ(a.passwordRegisterTag, 4);
  EXPECT_EQ(a.localPassword, 4321u);
  EXPECT_EQ(a.lineRegisterTags, (std::array<uint16_t, 4>{5, 0xFFFF, 0xFFFF, 0xFFFF}));
  using L = LedMode;
  EXPECT_EQ(a.ledModes, (std::array<L, 5>{L::ByButton, L::ByButtonFlash, L::ByPlc, L::ByButton,
                                          L::ByButtonFlash}));
  EXPECT_TRUE(a.beeper);
  using K = KeyAction;
  EXPECT_EQ(a.keyActions, (std::array<K, 5>{K::Momentary, K::Alternate, K::PanelSetPlcRelease,
                                            K::Momentary, K::Alternate}));
  EXPECT_EQ(a.firstMessageNumber, 12);
  EXPECT_TRUE(a.plcMessageDelay);
  EXPECT_TRUE(a.cursorOnPlcMessage);
  EXPECT_EQ(EncodeSystemAttributes(a), SystemRecordByHand());

  struct Case {
    const char* what;
    size_t offset;
    uint8_t value;
  };
  const Case cases[] = {
      {"first byte", 0, 0x01},          {"tag index 0", 2, 0x00},   {"key/LED bit 10", 7, 0x86},
      {"LED 3 flashing only", 8, 0xDB}, {"key action 3", 25, 0x03}, {"first message 258", 28, 0x01},
      {"option bit 2", 30, 0x07},
  };
  for (const Case& c : cases) {
    Bytes record = SystemRecordByHand();
    record[c.offset] = c.value;
    if (std::string(c.what) == "tag index 0") {
      record[1] = 0x00;
    }
    if (std::string(c.what) == "first message 258") {
      record[29] = 0x02;
    }
    EXPECT_EQ(DecodeSystemAttributes(record).error, codes::kInvalidByte) << c.what;
  }
  Bytes shorter = SystemRecordByHand();
  shorter.pop_back();
  EXPECT_EQ(DecodeSystemAttributes(shorter).error, codes::kInvalidMessageLength);
}

// Two entries of map length 4: 3 + 2 x 7 = 17 bytes.
Bytes TagStreamByHand() {
  return Bytes{0x00, 0x02, 0x04, 0x00, 0x08, 0x02, 0x01, 0x02, 0x03,
               0x04, 0x01, 0x06, 0x04, 0x0A, 0x0B, 0x0C, 0x0D};
}

TEST(TagListDecoder, ReadsEntriesAndRefusesItsFaults) {
  const Decoded<TagList> decoded = DecodeTagList(TagStreamByHand(), false);
  ASSERT_EQ(decoded.error, codes::kOk);
  ASSERT_EQ(decoded.record.entries.size(), 2u);
  EXPECT_EQ(decoded.record.entries[0].type, RegisterType::Bcd16);
  EXPECT_EQ(decoded.record.entries[0].address, (Bytes{1, 2, 3, 4}));
  EXPECT_EQ(decoded.record.entries[1].access, 1);
  EXPECT_EQ(decoded.record.entries[1].type, RegisterType::Binary32);
  EXPECT_EQ(decoded.record.Entry(2), &decoded.record.entries[1]);
  EXPECT_EQ(decoded.record.Entry(3), nullptr);
  EXPECT_EQ(EncodeTagList(decoded.record), TagStreamByHand());

  struct Case {
    const char* what;
    size_t offset;
    uint8_t value;
    uint8_t error;
  };
  const Case cases[] = {
      {"count 3 for two entries", 1, 0x03, codes::kInvalidMessageLength},
      {"access 3", 3, 0x03, codes::kInvalidByte},
      {"type code 7", 4, 0x07, codes::kInvalidByte},
      {"a 4-byte word for BCD 16", 5, 0x04, codes::kInvalidByte},
  };
  for (const Case& c : cases) {
    Bytes stream = TagStreamByHand();
    stream[c.offset] = c.value;
    EXPECT_EQ(DecodeTagList(stream, false).error, c.error) << c.what;
  }
  EXPECT_EQ(DecodeTagList(Bytes{0x00, 0x00}, false).error, codes::kInvalidMessageLength);
  EXPECT_EQ(DecodeTagList(Bytes{0x00, 0x00, 0x00}, false).error, codes::kInvalidByte);
  EXPECT_EQ(DecodeTagList(TagStreamByHand(), true).error, codes::kInvalidByte);
  EXPECT_EQ(DecodeTagList(TagStream(301, 2), false).error, codes::kInsufficientSpace);
  EXPECT_EQ(DecodeTagList(TagStream(301, 2), false, kMaxMultiplexerTagEntries).error, codes::kOk);
}

TEST(SimulatedPanelRecords, RefusedRecordsLeaveTheMemoryAsItWas) {
  auto simulator = MakePanelSimulator({.model = 1});
  SimLink link(*simulator, 9600);
  Bytes message = TextMessage();
  message[8] = 0x8F;
  EXPECT_EQ(link.Acknowledge(0xB5, message), codes::kInvalidByte);
  Bytes system = SystemRecordByHand();
  system[25] = 0x07;
  EXPECT_EQ(link.Acknowledge(0xB9, system), codes::kInvalidByte);
  Bytes tags = TagStreamByHand();
  tags[4] = 0x07;
  EXPECT_EQ(link.WriteBlocks(0xB7, tags), codes::kInvalidByte);
  EXPECT_TRUE(simulator->Panel().Memory().IsEmpty());

  EXPECT_EQ(link.Acknowledge(0xB5, TextMessage()), codes::kOk);
  EXPECT_EQ(link.WriteBlocks(0xB7, TagStreamByHand()), codes::kOk);
  EXPECT_EQ(simulator->Panel().Memory().messages.at(7), TextMessage());
}

}  // namespace
}  // namespace orvane::sim
