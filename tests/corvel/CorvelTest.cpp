#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/StringTable.h"
#include "corvel/Corvel.h"
#include "tests/corvel/CorvelTestSupport.h"

namespace orvane::testing {
namespace {

// Every byte 0..255 through both directions of one enumeration: the listed
// values keep themselves, everything else becomes the fallback.
void ExpectTotalConversion(const char* name, const std::vector<int>& kept, int fallback,
                           const std::function<int(int)>& toByte,
                           const std::function<int(int)>& fromByte) {
  for (int value = -3; value < 256; ++value) {
    bool isKept = false;
    for (const int k : kept) {
      isKept = isKept || k == value;
    }
    const int expected = isKept ? value : fallback;
    EXPECT_EQ(toByte(value), expected) << name << " to byte, value " << value;
    if (value >= 0) {
      EXPECT_EQ(fromByte(value), expected) << name << " from byte " << value;
    }
  }
}

TEST(Enumerations, ConvertTotallyBothWays) {
  const CCorvel c;
  const auto u = [](int v) { return static_cast<unsigned char>(v); };
  ExpectTotalConversion(
      "baud", {0, 1, 2, 4, 5}, 3,
      [&](int v) { return c.ConvertBaudrateEnumtoUnsignedChar(static_cast<BAUD_ENUM>(v)); },
      [&](int b) { return static_cast<int>(c.ConvertUnsignedChartoBaudEnum(u(b))); });
  ExpectTotalConversion(
      "parity", {0, 1, 2}, 0,
      [&](int v) { return c.ConvertParityEnumtoUnsignedChar(static_cast<PARITY_ENUM>(v)); },
      [&](int b) { return static_cast<int>(c.ConvertUnsignedChartoParityEnum(u(b))); });
  ExpectTotalConversion(
      "link", {0, 1, 2}, 0,
      [&](int v) { return c.ConvertRS232EnumtoUnsignedChar(static_cast<RS232_422_485>(v)); },
      [&](int b) { return static_cast<int>(c.ConvertUnsignedChartoRS232Enum(u(b))); });
  ExpectTotalConversion(
      "stop", {0, 1}, 0,
      [&](int v) { return c.ConvertStopEnumtoUnsignedChar(static_cast<STOP_ENUM>(v)); },
      [&](int b) { return static_cast<int>(c.ConvertUnsignedChartoStopEnum(u(b))); });
  ExpectTotalConversion(
      "data", {0, 1}, 0,
      [&](int v) { return c.ConvertDataEnumtoUnsignedChar(static_cast<DATA_ENUM>(v)); },
      [&](int b) { return static_cast<int>(c.ConvertUnsignedChartoDataEnum(u(b))); });
  ExpectTotalConversion(
      "rts", {0, 1}, 0,
      [&](int v) { return c.ConvertControlRTSEnumtoUnsignedChar(static_cast<CONTROL_RTS>(v)); },
      [&](int b) { return static_cast<int>(c.ConvertUnsignedChartoControlRTSEnum(u(b))); });
  ExpectTotalConversion(
      "cts", {0, 1}, 0,
      [&](int v) { return c.ConvertRequireCTSEnumtoUnsignedChar(static_cast<REQUIRE_CTS>(v)); },
      [&](int b) { return static_cast<int>(c.ConvertUnsignedChartoRequireCTSEnum(u(b))); });
  ExpectTotalConversion(
      "checksum", {0, 1}, 0,
      [&](int v) { return c.ConvertChecksumEnumtoUnsignedChar(static_cast<PLCCHECKSUM_TYPE>(v)); },
      [&](int b) { return static_cast<int>(c.ConvertUnsignedChartoChecksumEnum(u(b))); });
}

TEST(Checksum, CrcIsXmodemAndXorCarriesItsComplement) {
  const CCorvel corvel;
  const unsigned char digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  const unsigned char pair[] = {0x01, 0x02};
  uint16_t result = 0xFFFF;
  corvel.CalculateChecksum(CORVEL_CHECKSUM_CRC16, digits, sizeof digits, &result);
  EXPECT_EQ(result, 0x31C3);
  corvel.CalculateChecksum(CORVEL_CHECKSUM_XOR, pair, sizeof pair, &result);
  EXPECT_EQ(result, 0xFC03);
  corvel.CalculateChecksum(CORVEL_CHECKSUM_XOR, pair, 0, &result);
  EXPECT_EQ(result, 0xFF00);
  corvel.CalculateChecksum(CORVEL_CHECKSUM_CRC16, pair, 0, &result);
  EXPECT_EQ(result, 0);
  result = 0x1234;
  corvel.CalculateChecksum(3, pair, sizeof pair, &result);
  EXPECT_EQ(result, 0);
}

TEST(Bcd, PacksDigitsAndWeighsEveryNibble) {
  const CCorvel corvel;
  EXPECT_EQ(corvel.BinaryToBCD(12345678), 0x12345678u);
  EXPECT_EQ(corvel.BinaryToBCD(0), 0u);
  EXPECT_EQ(corvel.BinaryToBCD(99999999), 0x99999999u);
  EXPECT_EQ(corvel.BCDToBinary(0x12345678), 12345678u);
  // Nibbles above 9 are not refused: 0xA0 is 10 tens.
  EXPECT_EQ(corvel.BCDToBinary(0xA0), 100u);
  EXPECT_EQ(corvel.BCDToBinary(0xFFFFFFFF), 166666665u);
}

TEST(Messages, GoToTheSinkUnlessSwitchedOffAndCopiesKeepTheSwitch) {
  SinkCapture sink;
  CCorvel corvel;
  EXPECT_EQ(corvel.OvAfxMessageBox("one", CORVEL_MB_ICON_EXCLAMATION, 42), 7);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "one");
  EXPECT_EQ(sink.messages[0].style, unsigned{CORVEL_MB_ICON_EXCLAMATION});
  EXPECT_EQ(sink.messages[0].helpId, 42u);

  corvel.SetDisplayMessages(false);
  corvel.SetAppType(2);
  CCorvel copy(corvel);
  CCorvel assigned;
  assigned = corvel;
  for (CCorvel* silent : {&corvel, &copy, &assigned}) {
    EXPECT_EQ(silent->OvAfxMessageBox("quiet", CORVEL_MB_PLAIN, 0), CORVEL_IDOK);
    EXPECT_EQ(silent->OvAfxMessageBox(unsigned{strings::kP002}, CORVEL_MB_PLAIN, 0), CORVEL_IDOK);
    EXPECT_EQ(silent->GetAppType(), 2);
  }
  EXPECT_EQ(sink.messages.size(), 1u);
}

TEST(Messages, StringIdsComeFromTheProgramsTable) {
  SinkCapture sink;
  CCorvel corvel;
  corvel.OvAfxMessageBox(unsigned{strings::kP002}, CORVEL_MB_ICON_EXCLAMATION, 0);
  EXPECT_EQ(sink.TakeTexts(), std::vector<std::string>{LoadString(strings::kP002)});
}

TEST(Messages, DriverErrorTextsByCode) {
  SinkCapture sink;
  CCorvel corvel;
  for (const int code : {1, 2, 3, 4, 5, 6, 7, 0, 99}) {
    corvel.DisplayDLLErrorStrings(code);
  }
  const std::vector<std::string> expected = {
      "Error T02_1:  Invalid Unit Number.",
      "Error T02_2:  Invalid Address Type.",
      "Error T02_3:  Invalid Address.",
      "Error T02_4:  Invalid Bit Number.",
      "Error T02_7:  Address type does not match Tag data type, or the address is invalid.",
      "Error T02_5:  Address is not Word Aligned (Even address is required).",
      "Error T02_6:  Address is not Word Aligned (Odd address is required).",
      "Error T02_3:  Invalid Address.",
      "Error T02_3:  Invalid Address."};
  for (const SunkMessage& message : sink.messages) {
    EXPECT_EQ(message.style, unsigned{CORVEL_MB_ICON_EXCLAMATION});
  }
  EXPECT_EQ(sink.TakeTexts(), expected);
}

TEST(Messages, WithoutASinkTheAnswerIsOk) {
  CorvelSetMessageSink(nullptr, nullptr);
  CCorvel corvel;
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(corvel.OvAfxMessageBox("to standard error", CORVEL_MB_PLAIN, 0), CORVEL_IDOK);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "to standard error\n");
}

TEST(Combos, FillersEmptyTheListAndSelectNothing) {
  const CCorvel corvel;
  FakeCombo combo;
  combo.AddString("stale");
  combo.SetCurSel(0);
  const std::pair<void (CCorvel::*)(CCorvelCombo&) const, std::vector<std::string>> fillers[] = {
      {&CCorvel::InsertParityinCombo, {"None", "Odd", "Even"}},
      {&CCorvel::InsertStopbitsinCombo, {"One", "Two"}},
      {&CCorvel::InsertDatabitsInCombo, {"Seven", "Eight"}},
      {&CCorvel::InsertChecksumTypeInCombo, {"BCC", "CRC"}},
      {&CCorvel::InsertRS232422485inComboBox, {"RS 232", "RS 422", "RS 485"}}};
  for (const auto& [fill, entries] : fillers) {
    (corvel.*fill)(combo);
    EXPECT_EQ(combo.entries, entries);
    EXPECT_EQ(combo.GetCurSel(), CCorvelCombo::kError);
  }
}

TEST(Combos, BaudListFollowsTheApplicationType) {
  SinkCapture sink;
  CCorvel corvel;
  FakeCombo combo;
  corvel.InsertAndSelectBaudrateinCombo(combo, BAUD_38400);
  EXPECT_EQ(combo.entries,
            (std::vector<std::string>{"1200", "2400", "4800", "9600", "19200", "38400"}));
  EXPECT_EQ(combo.GetCurSel(), 5);
  EXPECT_EQ(corvel.GetBaudrateFromCombo(combo), BAUD_38400);

  corvel.SetAppType(2);
  corvel.InsertAndSelectBaudrateinCombo(combo, BAUD_1200);
  EXPECT_EQ(combo.entries, (std::vector<std::string>{"2400", "4800", "9600", "19200"}));
  // 1200 is not offered: the third entry is taken.
  EXPECT_EQ(combo.GetLBText(combo.GetCurSel()), "9600");
  EXPECT_EQ(corvel.GetBaudrateFromCombo(combo), BAUD_9600);
  corvel.InsertAndSelectBaudrateinCombo(combo, static_cast<BAUD_ENUM>(17));
  EXPECT_EQ(combo.GetCurSel(), 2);
  corvel.RemoveUnwantedBaudRates(combo);
  EXPECT_EQ(combo.GetCount(), 4);
  EXPECT_TRUE(sink.messages.empty());
}

TEST(Combos, BaudReadBackFallsBackToFirstEntryAnd19200) {
  const CCorvel corvel;
  FakeCombo combo;
  EXPECT_EQ(corvel.GetBaudrateFromCombo(combo), BAUD_19200);
  combo.AddString("4800");
  combo.AddString("9600");
  EXPECT_EQ(corvel.GetBaudrateFromCombo(combo), BAUD_4800);
  combo.AddString("fast");
  combo.SetCurSel(2);
  EXPECT_EQ(corvel.GetBaudrateFromCombo(combo), BAUD_19200);
}

// A list that refuses every selection, to reach the last resort.
class StubbornCombo : public FakeCombo {
 public:
  int SelectString(const char*) override { return kError; }
  int SetCurSel(int) override { return kError; }
};

TEST(Combos, UnselectableBaudListIsReported) {
  SinkCapture sink;
  CCorvel corvel;
  StubbornCombo combo;
  corvel.InsertAndSelectBaudrateinCombo(combo, BAUD_9600);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "Unable to Select Baud Rate");
  EXPECT_EQ(sink.messages[0].style, unsigned{CORVEL_MB_PLAIN});
}

struct ConvertibleCase {
  int firstManufacturer, firstModel, secondManufacturer, secondModel;
  bool convertible;
};

TEST(Convertible, FollowsTheFirstPlcsFamily) {
  const ConvertibleCase cases[] = {
      {1, 4, 1, 9, true},    {1, 4, 1, 6, false},   {1, 8, 31, 1, true},   {1, 6, 1, 6, true},
      {1, 6, 1, 4, false},   {1, 2, 1, 4, false},   {31, 1, 31, 2, true},  {31, 1, 31, 3, false},
      {31, 2, 31, 1, true},  {31, 2, 31, 2, false}, {31, 3, 31, 1, false}, {33, 5, 9, 2, true},
      {33, 1, 1, 3, false},  {9, 1, 9, 1, false},   {34, 1, 34, 1, false}, {257, 4, 1, 4, false},
      {1, 4, 1, 260, false},
  };
  const CCorvel corvel;
  for (const ConvertibleCase& c : cases) {
    EXPECT_EQ(IsConvertiblePLC(c.firstManufacturer, c.firstModel, c.secondManufacturer,
                               c.secondModel) != 0,
              c.convertible)
        << c.firstManufacturer << ":" << c.firstModel << " from " << c.secondManufacturer << ":"
        << c.secondModel;
    if (c.firstManufacturer < 256 && c.secondModel < 256) {
      EXPECT_EQ(corvel.IsPLCConvertible(static_cast<unsigned char>(c.firstManufacturer),
                                        static_cast<unsigned char>(c.firstModel),
                                        static_cast<unsigned char>(c.secondManufacturer),
                                        static_cast<unsigned char>(c.secondModel)),
                c.convertible);
    }
  }
}

}  // namespace
}  // namespace orvane::testing
