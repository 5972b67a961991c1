// The response factory and the reply classes: which class a frame becomes,
// what each keeps, the error texts, and the checks callers make.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "link/AttributeReplies.h"
#include "link/BlockReplies.h"
#include "link/ReplyChecks.h"
#include "link/ResponseFactory.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "link/TOvMsgResp.h"
#include "tests/support/FakeSerialPort.h"

namespace orvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::MakeReplyFrame;

std::unique_ptr<TOvXResp> Make(const Bytes& frame, int system_mode = 0) {
  return MakeResponse(frame, 0, ResponseContext{system_mode});
}

template <typename T>
const T* As(const std::unique_ptr<TOvXResp>& reply) {
  return dynamic_cast<const T*>(reply.get());
}

int ErrorCodeOf(const std::unique_ptr<TOvXResp>& reply) {
  const auto* error = As<TOvErrorResp>(reply);
  return error != nullptr ? error->ErrorCode() : -1;
}

// A multiplexer status payload: offsets 5 to 22 (the record ends at 21).
Bytes MuxStatusPayload(uint8_t family, uint32_t memory) {
  return {family,
          0x00,
          0x00,
          'C',
          7,
          0x11,
          0x22,
          0x33,
          0x44,
          static_cast<uint8_t>(memory),
          static_cast<uint8_t>(memory >> 8),
          static_cast<uint8_t>(memory >> 16),
          static_cast<uint8_t>(memory >> 24),
          31,
          3,
          'B',
          0x00,
          0x00};
}

TEST(ResponseFactory, ChoosesTheClassByCodeAndLength) {
  const Bytes mux = MakeReplyFrame(0x12, MuxStatusPayload('4', 65536));
  ASSERT_EQ(mux[1], 24);
  const struct {
    const char* name;
    Bytes frame;
    std::function<bool(const TOvXResp*)> isExpected;
  } cases[] = {
      {"standard", MakeReplyFrame(0x00, {0, 0}),
       [](const TOvXResp* r) { return dynamic_cast<const TOvStdResp*>(r) != nullptr; }},
      {"panel status", MakeReplyFrame(0x12, Bytes(11, '3')),
       [](const TOvXResp* r) { return dynamic_cast<const TOvStatusIdResp*>(r) != nullptr; }},
      {"multiplexer status", mux,
       [](const TOvXResp* r) { return dynamic_cast<const TOvMuxStatusIdResp*>(r) != nullptr; }},
      {"mux PLC attributes", MakeReplyFrame(0x2A, {0, 2, 0}),
       [](const TOvXResp* r) { return dynamic_cast<const TOvMuxPlcAttrResp*>(r) != nullptr; }},
      {"message", MakeReplyFrame(0xB4, {0, 0, 0, 1, 'A'}),
       [](const TOvXResp* r) { return dynamic_cast<const TOvMsgResp*>(r) != nullptr; }},
      {"tags", MakeReplyFrame(0xB6, {0, 2, 0}),
       [](const TOvXResp* r) { return dynamic_cast<const TOvTagResp*>(r) != nullptr; }},
      {"system attributes", MakeReplyFrame(0xB8, Bytes(31, 0)),
       [](const TOvXResp* r) { return dynamic_cast<const TOvSysAttrResp*>(r) != nullptr; }},
      {"PLC attributes", MakeReplyFrame(0xBB, {4, 0}),
       [](const TOvXResp* r) { return dynamic_cast<const TOvPlcAttrResp*>(r) != nullptr; }},
  };
  for (const auto& c : cases) {
    const auto reply = Make(c.frame);
    ASSERT_NE(reply, nullptr) << c.name;
    EXPECT_TRUE(c.isExpected(reply.get())) << c.name;
    EXPECT_EQ(reply->StartByte(), 0xAA) << c.name;
    EXPECT_EQ(reply->LengthByte(), c.frame[1]) << c.name;
    EXPECT_EQ(reply->MessageCode(), c.frame[4]) << c.name;
  }
  // Codes nobody knows, the write codes among them.
  for (const uint8_t code : {0x01, 0xB5, 0xB7, 0xB9, 0xBC, 0xFF}) {
    EXPECT_EQ(Make(MakeReplyFrame(code, {0, 0})), nullptr) << int{code};
  }
  // No frame: the link error.
  EXPECT_EQ(ErrorCodeOf(MakeResponse({}, 2, {})), 2);
  EXPECT_EQ(ErrorCodeOf(MakeResponse({}, 1, {})), 1);
}

TEST(ResponseFactory, RefusesFramesTooShortForTheirClass) {
  const struct {
    const char* name;
    Bytes frame;
    int system_mode;
  } cases[] = {
      {"standard without its code byte", MakeReplyFrame(0x00, {0}), 0},
      {"panel status without byte 15", MakeReplyFrame(0x12, Bytes(10, '3')), 0},
      {"tag block claiming more than it has", MakeReplyFrame(0xB6, {0, 2, 4, 1, 2, 3}), 0},
      {"tag block without a count", MakeReplyFrame(0xB6, {0, 2}), 0},
      {"mux block claiming more than it has", MakeReplyFrame(0x2A, {0, 0, 200}), 0},
      {"system attributes without byte 35", MakeReplyFrame(0xB8, Bytes(30, 0)), 0},
      {"message without byte 9", MakeReplyFrame(0xB4, {0, 0, 0, 1}), 0},
      {"PLC attributes without its length", MakeReplyFrame(0xBB, {4}), 0},
      {"PLC attributes with a length below 4", MakeReplyFrame(0xBB, {3, 0}), 0},
      {"PLC attributes longer than the frame", MakeReplyFrame(0xBB, {8, 0, 1, 2, 3}), 0},
      {"multi-panel PLC attributes past the frame", MakeReplyFrame(0xBB, {6, 0, 0xC1, 0xC2, 1}), 1},
      {"four bytes", {0xAA, 0x06, 0x10, 0x01}, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorCodeOf(Make(c.frame, c.system_mode)), 25) << c.name;
  }
}

TEST(ErrorTexts, TheTable) {
  const struct {
    int code;
    const char* text;
  } cases[] = {
      {0, "NoError"},
      {1, "Error C008: Checksum error"},
      {2,
       "Error C009: Time out Error.\n\nMake sure Panel is in Setup Mode.\nTo enter Setup Mode, "
       "press the up and down arrow keys\nsimultaneously."},
      {3, "Error C010: Invalid Message Code"},
      {4, "Error C011: Start Load Not Requested"},
      {5, "Error C012: Start Dump Not Requested"},
      {6, "Error C013: Insufficient space in Text Panel"},
      {7, "Error C014: Invalid Message Number"},
      {8, "Error C015: Invalid Message Length"},
      {9, "Error C016: The firmware being loaded into the panel does not match the panel type"},
      {10, "Error C017: E2 Memory failed to program correctly"},
      {11, "Error C018: Invalid Load Format"},
      {12, "Error C019: Invalid LED control"},
      {13, "Error C020: Option Not included"},
      {14, "Error C021: Memory is Read Only"},
      {21, "Error C022: Invalid with Random PLC loaded"},
      {22, "Error C023: Invalid with Random/standard format"},
      {24, "Error C024: Invalid Byte in the data fields of Command"},
      {25, "Error C007: Invalid Length in Reply"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TOvErrorResp(c.code).GetText(), c.text) << c.code;
  }
  for (const int code : {15, 16, 17, 18, 19, 20, 23, 26, 255, -1}) {
    EXPECT_EQ(TOvErrorResp(code).GetText(), "Unknown Error") << code;
  }
}

TEST(ReplyChecks, Acknowledge) {
  const auto accepted = CheckAcknowledge(Make(MakeReplyFrame(0x00, {0x5A, 0})).get());
  EXPECT_TRUE(accepted.Ok());

  const auto refused = CheckAcknowledge(Make(MakeReplyFrame(0x00, {0, 7})).get());
  EXPECT_EQ(refused.verdict, ReplyVerdict::Refused);
  EXPECT_EQ(refused.text, "Error C014: Invalid Message Number");
  EXPECT_EQ(CheckAcknowledge(Make(MakeReplyFrame(0x00, {0, 15})).get()).text, "Unknown Error");

  const TOvErrorResp timeout(2);
  const auto failed = CheckAcknowledge(&timeout);
  EXPECT_EQ(failed.verdict, ReplyVerdict::LinkFailed);
  EXPECT_EQ(failed.text, timeout.GetText());

  const auto status = Make(MakeReplyFrame(0x12, Bytes(11, '3')));
  EXPECT_EQ(CheckAcknowledge(status.get()).verdict, ReplyVerdict::Unexpected);
  EXPECT_EQ(CheckAcknowledge(status.get()).text, "Unknown Error");
  EXPECT_EQ(CheckAcknowledge(nullptr).text, "Unknown Error");
}

TEST(ReplyChecks, ExpectedClass) {
  const auto tags = Make(MakeReplyFrame(0xB6, {0, 2, 0}));
  EXPECT_TRUE(CheckReplyClass<TOvTagResp>(tags.get()).Ok());
  // A multiplexer's block is not a tag block, though both are blocks.
  EXPECT_EQ(CheckReplyClass<TOvMuxPlcAttrResp>(tags.get()).verdict, ReplyVerdict::Unexpected);

  const TOvErrorResp checksum(1);
  EXPECT_EQ(CheckReplyClass<TOvTagResp>(&checksum).text, "Error C008: Checksum error");
  // A panel's acknowledgement in place of a read reply shows its code's text.
  const auto refused = Make(MakeReplyFrame(0x00, {0, 5}));
  EXPECT_EQ(CheckReplyClass<TOvTagResp>(refused.get()).text,
            "Error C012: Start Dump Not Requested");
  const auto ok = Make(MakeReplyFrame(0x00, {0, 0}));
  EXPECT_EQ(CheckReplyClass<TOvTagResp>(ok.get()).verdict, ReplyVerdict::Refused);
  EXPECT_EQ(CheckReplyClass<TOvTagResp>(ok.get()).text, "NoError");
  EXPECT_EQ(CheckReplyClass<TOvStatusIdResp>(nullptr).verdict, ReplyVerdict::Unexpected);
}

TEST(Status, PanelModelFromStatus) {
  const struct {
    uint8_t family, variant1, variant2, variant3;
    int model;
  } cases[] = {
      {'3', 0, 8, 3, 2},    {'3', 0, 8, 0, 1}, {'3', 0, 11, 0, 3}, {'3', 0, 0, 0, 4},
      {'3', 0, 9, 3, 4},    {'3', 1, 8, 3, 4}, {'3', 3, 11, 0, 2}, {'3', 2, 8, 3, 5},
      {'3', 0xFF, 0, 0, 5}, {'7', 0, 8, 3, 5}, {'7', 1, 0, 0, 5},  {'5', 0, 8, 3, 0},
      {'4', 0, 0, 0, 0},    {0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PanelModelFromStatus(c.family, c.variant1, c.variant2, c.variant3), c.model)
        << c.family << " " << int{c.variant1} << " " << int{c.variant2} << " " << int{c.variant3};
  }
}

TEST(Status, PanelStatusFieldsAndTexts) {
  const auto reply = Make(MakeReplyFrame(0x12, {'3', 0, 11, 0, 'B', 12, 32, 31, 4, 'C', 0x77}));
  const auto* status = As<TOvStatusIdResp>(reply);
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->PanelModel(), 3);
  EXPECT_EQ(status->FirmwareLetter(), 'B');
  EXPECT_EQ(status->FirmwareRevisionText(), "B.12");
  EXPECT_EQ(status->MemoryText(), "  32 KB");
  EXPECT_EQ(status->DriverManufacturer(), 31);
  EXPECT_EQ(status->DriverModel(), 4);
  EXPECT_EQ(status->DriverRevisionText(), "C");
  EXPECT_TRUE(status->HasDriver());
  EXPECT_EQ(status->Byte15(), 0x77);

  const auto noModel = Make(MakeReplyFrame(0x12, {'3', 1, 0, 0, 'a', 0, 255, 31, 0, ' ', 0}));
  EXPECT_EQ(As<TOvStatusIdResp>(noModel)->MemoryText(), " 255 KB");
  EXPECT_EQ(As<TOvStatusIdResp>(noModel)->FirmwareRevisionText(), "a.0");
  EXPECT_FALSE(As<TOvStatusIdResp>(noModel)->HasDriver());
}

TEST(Status, MultiplexerStatus) {
  const auto reply = Make(MakeReplyFrame(0x12, MuxStatusPayload('4', 131072)));
  const auto* mux = As<TOvMuxStatusIdResp>(reply);
  ASSERT_NE(mux, nullptr);
  EXPECT_EQ(mux->DeviceModel(), 6);
  EXPECT_EQ(mux->FirmwareRevisionText(), "C.7");
  EXPECT_EQ(mux->Value10(), 0x44332211u);
  EXPECT_EQ(mux->MemoryBytes(), 131072u);
  EXPECT_EQ(mux->MemoryText(), "131072 Bytes");
  EXPECT_EQ(mux->DriverManufacturer(), 31);
  EXPECT_EQ(mux->DriverModel(), 3);
  EXPECT_EQ(mux->DriverRevisionText(), "B");
  EXPECT_TRUE(mux->HasDriver());

  const auto other = Make(MakeReplyFrame(0x12, MuxStatusPayload('3', 512)));
  EXPECT_EQ(As<TOvMuxStatusIdResp>(other)->DeviceModel(), 0);
  EXPECT_EQ(As<TOvMuxStatusIdResp>(other)->MemoryText(), " 512 Bytes");
}

TEST(BlockReplies, FlagsCountAndData) {
  const auto reply = Make(MakeReplyFrame(0x2A, {0x09, 0x03, 0x04, 0xAA, 0xBB, 0xCC, 0xDD}));
  const auto* block = As<TOvMuxPlcAttrResp>(reply);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->Flags(), 0x03);
  EXPECT_TRUE(block->IsLastBlock());
  EXPECT_EQ(Bytes(block->Data().begin(), block->Data().end()), (Bytes{0xAA, 0xBB, 0xCC, 0xDD}));

  // Only bit 1 marks the last block.
  const auto notLast = Make(MakeReplyFrame(0xB6, {0x00, 0xFD, 0x01, 0x10}));
  EXPECT_FALSE(As<TOvTagResp>(notLast)->IsLastBlock());

  // Data() stays inside the frame even for a block the factory never saw.
  const TOvTagResp unchecked(MakeReplyFrame(0xB6, {0x00, 0x02, 0xFF, 0x01}));
  EXPECT_EQ(unchecked.Data().size(), 1u);
}

TEST(AttributeReplies, SystemAttributeFields) {
  Bytes payload(31, 0);  // offsets 5 to 35
  const auto put16 = [&](size_t offset, uint16_t value) {
    payload[offset - 5] = static_cast<uint8_t>(value >> 8);
    payload[offset - 5 + 1] = static_cast<uint8_t>(value);
  };
  put16(6, 0x0102);
  put16(8, 0x0304);
  put16(10, 0xFFFF);
  put16(12, 0x825B);
  put16(14, 0x0007);
  put16(16, 0x0001);
  put16(18, 0xE240);  // local password 123456
  put16(20, 1);
  put16(22, 0xFFFF);
  put16(24, 3);
  put16(26, 4);
  for (int k = 0; k < 5; ++k) {
    payload[28 - 5 + k] = static_cast<uint8_t>(k % 3);
  }
  put16(33, 12);
  payload[35 - 5] = 0x02;
  const auto reply = Make(MakeReplyFrame(0xB8, payload));
  const auto* sys = As<TOvSysAttrResp>(reply);
  ASSERT_NE(sys, nullptr);
  EXPECT_EQ(sys->ButtonWordTag(), 0x0102);
  EXPECT_EQ(sys->LedWordTag(), 0x0304);
  EXPECT_EQ(sys->AnnunciatorWordTag(), 0xFFFF);
  EXPECT_EQ(sys->KeyLedWord(), 0x825B);
  EXPECT_EQ(sys->PasswordRegisterTag(), 7);
  EXPECT_EQ(sys->LocalPassword(), 123456u);
  EXPECT_EQ(sys->LineRegisterTag(0), 1);
  EXPECT_EQ(sys->LineRegisterTag(1), 0xFFFF);
  EXPECT_EQ(sys->LineRegisterTag(3), 4);
  EXPECT_EQ(sys->ButtonAction(0), 0);
  EXPECT_EQ(sys->ButtonAction(4), 1);
  EXPECT_EQ(sys->FirstMessageNumber(), 12);
  EXPECT_FALSE(sys->PlcMessageDelay());
  EXPECT_TRUE(sys->CursorOnPlcMessage());
}

TEST(AttributeReplies, PlcAttributeBlockBySystemMode) {
  // V = 8: a block of 6 bytes, its length field 6 and 4 bytes of data.
  const Bytes single = MakeReplyFrame(0xBB, {8, 0, 0x11, 0x22, 0x33, 0x44, 0xC1, 0xC2});
  const auto one = Make(single, 0);
  ASSERT_NE(As<TOvPlcAttrResp>(one), nullptr);
  EXPECT_EQ(As<TOvPlcAttrResp>(one)->WireLength(), 8);
  EXPECT_EQ(As<TOvPlcAttrResp>(one)->Block(), (Bytes{6, 0, 0x11, 0x22, 0x33, 0x44}));

  // Multi-panel: the checksum sits at offsets 7 and 8, the data follow.
  const Bytes multi = MakeReplyFrame(0xBB, {8, 0, 0xC1, 0xC2, 0x11, 0x22, 0x33, 0x44});
  const auto many = Make(multi, 1);
  ASSERT_NE(As<TOvPlcAttrResp>(many), nullptr);
  EXPECT_EQ(As<TOvPlcAttrResp>(many)->Block(), (Bytes{6, 0, 0x11, 0x22, 0x33, 0x44}));

  // V is taken low byte first: 0x0104 reaches far past this frame.
  EXPECT_EQ(ErrorCodeOf(Make(MakeReplyFrame(0xBB, {0x04, 0x01, 0x11, 0x22}))), 25);
  EXPECT_NE(As<TOvPlcAttrResp>(Make(MakeReplyFrame(0xBB, {0x05, 0x00, 0x11, 0x22}))), nullptr);
}

TEST(MessageReply, EmptyNumberAndRecord) {
  const auto empty = Make(MakeReplyFrame(0xB4, {0x00, 0x00, 0x00, 0x05, 0xFF, 0xFF}));
  ASSERT_NE(As<TOvMsgResp>(empty), nullptr);
  EXPECT_FALSE(As<TOvMsgResp>(empty)->HasMessage());
  EXPECT_EQ(As<TOvMsgResp>(empty)->WireNumber(), 0);

  const auto message = Make(MakeReplyFrame(0xB4, {0x00, 0x00, 0x01, 0x02, 'H', 'i'}));
  ASSERT_NE(As<TOvMsgResp>(message), nullptr);
  EXPECT_TRUE(As<TOvMsgResp>(message)->HasMessage());
  EXPECT_EQ(As<TOvMsgResp>(message)->WireNumber(), 0x0102);
  EXPECT_EQ(As<TOvMsgResp>(message)->Record(), (Bytes{0x01, 0x02, 'H', 'i'}));
}

}  // namespace
}  // namespace orvane
