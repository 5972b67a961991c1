// Message records as the panel receives them: wire numbers, the data item
// codes of the text, the standard, set point and blank layouts, and the
// system messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/MessageText.h"
#include "link/SystemMessages.h"
#include "link/TOvWriteMsgCmd.h"
#include "tests/project/ProjectBuilders.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::MakeProject;
using testing::WithMarkers;

Bytes Frame(TOvXCmd& command) {
  const auto frame = command.MakeFrame();
  return Bytes(frame.begin(), frame.end());
}

Bytes TextBytes(const TOvMessage& message) {
  const auto text = EncodeMessageText(message);
  return text ? Bytes(text->begin(), text->end()) : Bytes{};
}

// 20 text bytes: the given ones, then spaces.
Bytes Padded(Bytes bytes) {
  bytes.resize(kMessageTextLength, ' ');
  return bytes;
}

TEST(WireMessageNumber, MapsLocalNumbersBehindThePlcMessages) {
  const struct {
    int32_t number;
    int32_t first;
    int32_t wire;
  } cases[] = {
      {256, 12, 12}, {255, 12, 13},  {250, 12, 18}, {12, 12, 256},  {7, 12, 7},
      {11, 12, 11},  {256, -1, 256}, {7, -1, 7},    {259, -1, 259},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.number) + " with " + std::to_string(c.first));
    EXPECT_EQ(WireMessageNumber(c.number, c.first), c.wire);
    // Its own inverse.
    EXPECT_EQ(WireMessageNumber(c.wire, c.first), c.number);
  }
}

TEST(MessageText, DigitPositionsCountDownFromTheTopCodeOfTheItemsRange) {
  const struct {
    const char* name;
    std::string text;
    uint32_t type1;
    uint32_t type2;
    uint32_t type3;
    int32_t number;
    Bytes expected;
  } cases[] = {
      {"item 1 narrow", "T=" + WithMarkers("1111"), 1, 0, 0, 1,
       Padded({'T', '=', 129, 130, 131, 132})},
      {"item 1 wide", "T=" + WithMarkers("1111"), 3, 0, 0, 1,
       Padded({'T', '=', 150, 151, 152, 153})},
      {"item 1 BCD 32 is wide", WithMarkers("11"), 2, 0, 0, 1, Padded({152, 153})},
      {"item 2 narrow and item 3 wide", WithMarkers("22 333"), 0, 0, 3, 1,
       Padded({136, 137, ' ', 171, 172, 173})},
      {"item 2 wide and item 3 narrow", WithMarkers("3 22"), 0, 2, 1, 1,
       Padded({142, ' ', 162, 163})},
      {"all three, each from its own top", WithMarkers("1 2 3"), 0, 0, 0, 1,
       Padded({132, ' ', 137, ' ', 142})},
      {"password entry uses the wide item 1 range", WithMarkers("111"), 0, 0, 0, 259,
       Padded({151, 152, 153})},
      {"digits apart still count down from the last", WithMarkers("1a1"), 0, 0, 0, 1,
       Padded({131, 'a', 132})},
      {"five narrow digits fill the range", WithMarkers("11111"), 1, 0, 0, 1,
       Padded({128, 129, 130, 131, 132})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TOvMessage message;
    message.number = c.number;
    message.text = c.text;
    message.item1.dataType = c.type1;
    message.item2.dataType = c.type2;
    message.item3.dataType = c.type3;
    EXPECT_EQ(TextBytes(message), c.expected);
  }
}

TEST(MessageText, PlcControlledDecimalPointTakesTheTopCodeAndComesBackAfterTheDigits) {
  TOvMessage message;
  message.text = WithMarkers("V11") + kDecimalPointMarker;
  message.item1.variableDecimalPoint = true;
  const Bytes encoded = TextBytes(message);
  EXPECT_EQ(encoded, Padded({'V', 131, 132, 132}));
  EXPECT_EQ(DecodeMessageText(encoded, false), message.text);

  // Wide, with the marker where the editor keeps it (after the last digit).
  message.item1.dataType = kDataTypeBinary32;
  message.text = WithMarkers("111") + kDecimalPointMarker + "%";
  EXPECT_EQ(TextBytes(message), Padded({151, 152, 153, 153, '%'}));
  EXPECT_EQ(DecodeMessageText(TextBytes(message), false), message.text);

  // Without the option the marker is just a byte of the text.
  message.item1.variableDecimalPoint = false;
  EXPECT_EQ(TextBytes(message), Padded({151, 152, 153, 0xFC, '%'}));

  // With the option but no marker the text stays as it is.
  message.item1.variableDecimalPoint = true;
  message.text = WithMarkers("11");
  EXPECT_EQ(TextBytes(message), Padded({152, 153}));
}

TEST(MessageText, DecodesEveryRangeBackToItsMarker) {
  const Bytes bytes =
      Padded({128, 132, 133, 137, 138, 142, 143, 144, 153, 154, 163, 164, 173, 'x'});
  const std::string expected =
      WithMarkers("112233") + static_cast<char>(143) + WithMarkers("112233") + "x";
  EXPECT_EQ(DecodeMessageText(bytes, false), expected);
}

TEST(MessageText, FoldersTextsLengthAndBlanks) {
  TOvMessage folder;
  folder.isFolder = 1;
  folder.text = "Setup";
  const Bytes encoded = TextBytes(folder);
  EXPECT_EQ(encoded, Padded({'+', 'S', 'e', 't', 'u', 'p'}));
  EXPECT_EQ(DecodeMessageText(encoded, true), "Setup");

  TOvMessage longText;
  longText.text = "ABCDEFGHIJKLMNOPQRSTUVWXY";
  EXPECT_EQ(TextBytes(longText), Bytes(longText.text.begin(), longText.text.begin() + 20));

  TOvMessage empty;
  EXPECT_EQ(TextBytes(empty), Bytes(20, ' '));
  EXPECT_EQ(DecodeMessageText(Bytes(20, ' '), false), "");

  // Leading blanks stay, trailing white space goes.
  EXPECT_EQ(DecodeMessageText(Padded({' ', 'A', '\t'}), false), " A");
  // Fewer than 20 bytes decode as they are; more are cut.
  EXPECT_EQ(DecodeMessageText(Bytes{'H', 'i'}, false), "Hi");
  EXPECT_EQ(DecodeMessageText(Bytes(25, 'z'), false), std::string(20, 'z'));
  EXPECT_EQ(DecodeMessageText(Bytes{}, true), "");
}

TEST(MessageText, AnItemWithMoreDigitsThanCodesIsNotEncoded) {
  TOvMessage message;
  message.text = WithMarkers("111111");  // six narrow item 1 digits: 127 would be next
  EXPECT_EQ(OverfullDataItem(message), 1);
  EXPECT_FALSE(EncodeMessageText(message).has_value());
  EXPECT_EQ(OverfullDataItemText(message),
            "Maximum 5  \"DATA SET 1\" can be defined with selected data type");

  message.item1.dataType = kDataTypeBinary32;  // ten codes: fits
  EXPECT_EQ(OverfullDataItem(message), 0);
  EXPECT_TRUE(EncodeMessageText(message).has_value());
  EXPECT_EQ(OverfullDataItemText(message), "");

  // Item 2's sixth narrow digit would take item 1's top code.
  message.text = WithMarkers("222222");
  EXPECT_EQ(OverfullDataItem(message), 2);
  message.text = std::string(11, kItem3Marker);
  message.item3.dataType = kDataTypeBcd32;
  EXPECT_EQ(OverfullDataItem(message), 3);
  EXPECT_EQ(OverfullDataItemText(message),
            "Maximum 10  \"DATA SET 3\" can be defined with selected data type");

  TOvWriteMsgCmd command(message, kNoFirstMessageNumber, false, false);
  EXPECT_TRUE(command.MakeFrame().empty());
}

TEST(MessageRecord, StandardRecordExactBytes) {
  TOvMessage message;
  message.number = 250;
  message.depth = 2;
  message.text = "T=" + WithMarkers("1111 22");
  message.item1.dataType = kDataTypeBinary16;
  message.item1.tagIndex = 1;
  message.item2.dataType = kDataTypeBinary32;
  message.item2.tagIndex = 2;
  message.item3.tagIndex = -1;
  message.item1.passwordProtected = true;
  message.item1.passwordIsLocal = false;
  message.item1.limitsEnabled = true;
  message.item1.maximum = 5000;
  message.item1.minimum = 10;
  message.item1.decimalPointRegister.tagIndex = 9;  // not sent: the decimal point is not variable
  message.item1.accessType = kAccessReadOnly;
  message.leadingZeros = {false, true, false};

  TOvWriteMsgCmd command(message, 12, false, false);
  const Bytes expected = {
      0xAA, 0x31, 0x10, 0x01, 0xB5, 0x00, 0x12,  // wire number 18
      'T',  '=',  0x81, 0x82, 0x83, 0x84, ' ',  0xA2, 0xA3, ' ',
      ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',   // text
      0x00, 0x02,                                                  // folder, depth
      0x00, 0x01, 0x00, 0x02, 0xFF, 0xFF,                          // tag indices
      0x02, 0x01, 0x00, 0x00, 0x13, 0x88, 0x00, 0x00, 0x00, 0x0A,  // password, limits
      0xFF, 0xFF, 0x24,                                            // register, flags
      0xE7, 0x8D};
  EXPECT_EQ(Frame(command), expected);
}

TEST(MessageRecord, PasswordAndFlagBytes) {
  const struct {
    const char* name;
    bool protectedItem;
    bool local;
    int32_t access;
    bool variableDecimalPoint;
    std::array<bool, 3> zeros;
    uint8_t password;
    uint8_t flags;
  } cases[] = {
      {"plain", false, false, kAccessReadWrite, false, {false, false, false}, 0, 0x00},
      {"local password, write only", true, true, kAccessWriteOnly, false, {}, 1, 0x08},
      {"PLC password, variable point", true, false, kAccessReadWrite, true, {}, 2, 0x02},
      {"all leading zeros", false, true, kAccessReadOnly, false, {true, true, true}, 0, 0x74},
      {"access type out of range sets no bit",
       false,
       true,
       3,
       false,
       {true, false, false},
       0,
       0x10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TOvMessage message;
    message.item1.passwordProtected = c.protectedItem;
    message.item1.passwordIsLocal = c.local;
    message.item1.accessType = c.access;
    message.item1.variableDecimalPoint = c.variableDecimalPoint;
    message.item1.decimalPointRegister.tagIndex = 0x0304;
    message.leadingZeros = c.zeros;
    TOvWriteMsgCmd command(message, kNoFirstMessageNumber, false, false);
    const Bytes frame = Frame(command);
    ASSERT_EQ(frame.size(), 50u);
    EXPECT_EQ(frame[35], c.password);
    EXPECT_EQ(frame[47], c.flags);
    EXPECT_EQ(MessageFlags(message), c.flags);
    const Bytes reg = c.variableDecimalPoint ? Bytes{0x03, 0x04} : Bytes{0xFF, 0xFF};
    EXPECT_EQ(Bytes(frame.begin() + 45, frame.begin() + 47), reg);
  }
}

TEST(MessageRecord, SetPointRecordExactBytes) {
  TOvMessage entry;
  entry.number = 3;
  entry.text = "Speed";
  entry.setPointValue = true;
  entry.item1.tagIndex = 1;
  entry.item1.fixedDecimalPoint = 2;
  entry.item1.limitsEnabled = true;
  entry.item1.maximum = 99999999;
  entry.item1.variableDecimalPoint = true;
  entry.item1.decimalPointRegister.tagIndex = 2;
  entry.item1.accessType = kAccessWriteOnly;

  // The number is never renumbered, whatever the first message number.
  TOvWriteMsgCmd command(entry, 1, true, false);
  const Bytes expected = {0xAA, 0x29, 0x10, 0x01, 0xB5, 0x00, 0x03, 'S',  'p',  'e',  'e',
                          'd',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',  ' ',
                          ' ',  0xFF, 0x00, 0x00, 0x01, 0x02, 0x01, 0x05, 0xF5, 0xE0, 0xFF,
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x0A, 0x2E, 0xC5};
  EXPECT_EQ(Frame(command), expected);

  // No fixed decimal point goes out as 0; the text is cut to 16 bytes and
  // its markers are not coded.
  entry.item1.fixedDecimalPoint = kNoDecimalPoint;
  entry.text = std::string("ABCDEFGHIJKLMNO") + kItem1Marker + "Z";
  TOvWriteMsgCmd cut(entry, kNoFirstMessageNumber, true, false);
  const Bytes frame = Frame(cut);
  EXPECT_EQ(frame[27], 0x00);
  EXPECT_EQ(Bytes(frame.begin() + 7, frame.begin() + 23),
            Bytes(entry.text.begin(), entry.text.begin() + 16));
}

TEST(MessageRecord, BlankRecordsAreAllFFAfterTheNumber) {
  TOvMessage message;
  message.number = 5;
  message.text = "ignored";

  Bytes standard = {0xAA, 0x31, 0x10, 0x01, 0xB5, 0x00, 0x05};
  standard.insert(standard.end(), 41, 0xFF);
  standard.insert(standard.end(), {0x12, 0xAF});
  TOvWriteMsgCmd blank(message, 3, false, true);  // not renumbered either
  EXPECT_EQ(Frame(blank), standard);

  Bytes setPoint = {0xAA, 0x29, 0x10, 0x01, 0xB5, 0x00, 0x05};
  setPoint.insert(setPoint.end(), 33, 0xFF);
  setPoint.insert(setPoint.end(), {0x82, 0xCF});
  TOvWriteMsgCmd blankSetPoint(message, 3, true, true);
  EXPECT_EQ(Frame(blankSetPoint), setPoint);
}

TEST(SystemMessages, SevenDefaultMessagesWithTheirTextsAndValueFields) {
  TOvProject project = MakeProject(kModelOv200);
  TOvPanel& panel = project.panels.front();
  const std::vector<TOvMessage> messages = SystemMessages(panel);
  ASSERT_EQ(messages.size(), 7u);
  const struct {
    int32_t number;
    Bytes text;
    uint32_t value;
  } expected[] = {
      {257, Padded({'R', 'E', 'A', 'D', ' ', 'O', 'N', 'L', 'Y', ' ', 'V', 'A', 'L', 'U', 'E'}), 0},
      {258, Padded({'I', 'N', 'V', 'A', 'L', 'I', 'D'}), 0},
      {259,
       Padded({'P', 'A', 'S', 'S', 'W', 'O', 'R', 'D', '=', 144, 145, 146, 147, 148, 149, 150, 151,
               152, 153}),
       65535},
      {260, Padded({'E', 'R', 'R', 'O', 'R', ' ', 'M', 'E', 'S', 'S', 'A', 'G', 'E'}), 0},
      {261, Padded({'S', 'E', 'T', 'U', 'P', ' ', 'M', 'O', 'D', 'E'}), 0},
      {262, Padded({'N', 'O', ' ', 'D', 'A', 'T', 'A', ' ', 'S', 'E', 'T'}), 0},
      {263, Padded({'O', 'U', 'T', ' ', 'O', 'F', ' ', 'R', 'A', 'N', 'G', 'E'}), 0},
  };
  for (size_t i = 0; i < messages.size(); ++i) {
    SCOPED_TRACE(expected[i].number);
    EXPECT_EQ(messages[i].number, expected[i].number);
    EXPECT_EQ(messages[i].panel, &panel);
    EXPECT_EQ(TextBytes(messages[i]), expected[i].text);
    EXPECT_EQ(messages[i].item1.maximum, expected[i].value);
    // Sent without renumbering: the wire number is the number.
    TOvWriteMsgCmd command(messages[i], kNoFirstMessageNumber, false, false);
    const Bytes frame = Frame(command);
    ASSERT_EQ(frame.size(), 50u);
    EXPECT_EQ(frame[5] << 8 | frame[6], expected[i].number);
  }
}

TEST(SystemMessages, PasswordEntryFramesOnBothKindsOfPanel) {
  TOvProject project = MakeProject(kModelOv400);
  const TOvMessage text = SystemMessage(project.panels.front(), 259);
  TOvWriteMsgCmd textCommand(text, kNoFirstMessageNumber, false, false);
  const Bytes textFrame = {0xAA, 0x31, 0x10, 0x01, 0xB5, 0x01, 0x03, 'P',  'A',  'S',
                           'S',  'W',  'O',  'R',  'D',  '=',  0x90, 0x91, 0x92, 0x93,
                           0x94, 0x95, 0x96, 0x97, 0x98, 0x99, ' ',  0x00, 0x00, 0xFF,
                           0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF,
                           0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x27, 0x16};
  EXPECT_EQ(Frame(textCommand), textFrame);

  TOvProject setPointProject = MakeProject(kModelOvSP);
  const TOvMessage entry = SystemMessage(setPointProject.panels.front(), 259);
  EXPECT_EQ(entry.item1.maximum, 99999999u);
  TOvWriteMsgCmd setPointCommand(entry, kNoFirstMessageNumber, true, false);
  const Bytes setPointFrame = {0xAA, 0x29, 0x10, 0x01, 0xB5, 0x01, 0x03, 'P',  'A',  'S',  'S',
                               'W',  'O',  'R',  'D',  '=',  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                               0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x05, 0xF5, 0xE0, 0xFF,
                               0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x17, 0x39};
  EXPECT_EQ(Frame(setPointCommand), setPointFrame);

  // A number outside 257..263 is a plain default message.
  const TOvMessage other = SystemMessage(project.panels.front(), 12);
  EXPECT_EQ(other.number, 12);
  EXPECT_EQ(other.text, "");
  EXPECT_EQ(other.item1.maximum, 9999u);
}

}  // namespace
}  // namespace orvane
