// The virtual panel's pieces in-process: the digits a data item shows, and
// the control channel following a panel that is written to.
#include <gtest/gtest.h>

#include "sim/ControlChannel.h"
#include "sim/DataItemFormat.h"
#include "tests/sim/SimTestSupport.h"

namespace orvane::sim {
namespace {

using namespace testing;

TEST(DataItemFormat, DigitsLeadingZerosAndPoints) {
  struct Case {
    Bytes text;
    bool variablePoint;
    ItemShow show;
    std::string shown;
  };
  const Case cases[] = {
      {{0x81, 0x82, 0x83, 0x84}, false, {42, false, 0}, "  42"},
      {{0x81, 0x82, 0x83, 0x84}, false, {42, true, 0}, "0042"},
      {{0x81, 0x82, 0x83, 0x84}, false, {0, false, 0}, "   0"},
      {{0x81, 0x82, 0x83, 0x84}, false, {12345, false, 0}, "****"},
      {{0x81, 0x82, 0x83, 0x84}, false, {std::nullopt, false, 0}, "----"},
      // a typed point: the digit before it shows
      {{0x82, '.', 0x83, 0x84}, false, {5, false, 0}, "0.05"},
      // the PLC's point: three digits and its cell
      {{0x82, 0x83, 0x84, 0x84}, true, {57, false, 1}, " 5.7"},
      {{0x82, 0x83, 0x84, 0x84}, true, {57, false, 0}, "  57"},
      {{0x82, 0x83, 0x84, 0x84}, true, {57, false, 3}, ".057"},
      {{0x82, 0x83, 0x84, 0x84}, true, {7, true, 2}, "0.07"},
  };
  for (const Case& c : cases) {
    const Decoded<MessageText> text = DecodeText(c.text, c.variablePoint);
    ASSERT_EQ(text.error, codes::kOk);
    std::string line = TextCharacters(text.record);
    FillItem(text.record, 1, c.show, line);
    EXPECT_EQ(line, c.shown) << c.shown;
  }
  EXPECT_EQ(FormatSetPointValue(1234, 2, false), "    12.34");
  EXPECT_EQ(FormatSetPointValue(5, 0, false), "       5");
  EXPECT_EQ(FormatSetPointValue(5, 0, true), "00000005");
  EXPECT_EQ(FormatSetPointValue(100000000, 0, false), "********");
}

TEST(ControlChannel, AnswersEachCommandAndFollowsAWrite) {
  auto simulator = MakePanelSimulator({.model = 1});
  std::vector<std::string> out;
  ControlChannel control(simulator->Panel(),
                         [&out](const std::string& line) { out.push_back(line); });
  EXPECT_TRUE(control.Take("state\nset #1=5\nbogus\n"));
  ASSERT_EQ(out.size(), 3u);
  EXPECT_TRUE(out[0].starts_with("{\"reply\":\"state\",\"ok\":true,\"state\":{\"model\":1,"));
  EXPECT_NE(out[1].find("\"ok\":false,\"error\":\"#1: the panel's tag list has entries #1 to #0"),
            std::string::npos);
  EXPECT_NE(out[2].find("bogus: not a command"), std::string::npos);

  // A message and a tag list arrive on the line: one state line, with them.
  SimLink link(*simulator, 9600);
  ASSERT_EQ(link.Acknowledge(0xB5, TextRecord(1, "HELLO")), 0);
  ASSERT_EQ(link.WriteBlocks(0xB7, TagStream(1, 4)), 0);
  control.Refresh();
  ASSERT_EQ(out.size(), 4u);
  EXPECT_TRUE(out[3].starts_with("{\"event\":\"state\""));
  EXPECT_NE(out[3].find("\"registers\":[{\"tag\":1,"), std::string::npos);
  control.Refresh();
  EXPECT_EQ(out.size(), 4u);  // nothing changed
  EXPECT_TRUE(control.Take("set #1=0x12\nclick F1\n"));
  EXPECT_NE(out[4].find("\"bits\":18"), std::string::npos);
  EXPECT_NE(out[5].find("\"reply\":\"click\",\"ok\":true"), std::string::npos);
  EXPECT_FALSE(control.Take("quit\nstate\n"));
  EXPECT_EQ(out.back(), "{\"reply\":\"quit\",\"ok\":true}\n");
}

}  // namespace
}  // namespace orvane::sim
