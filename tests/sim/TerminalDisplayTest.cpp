// orvane-panelsim --display without a terminal: the lines drawn for a panel
// state, and the panel keys the typed bytes press.
#include <gtest/gtest.h>

#include "sim/PanelDrawing.h"
#include "sim/TerminalKeys.h"

namespace orvane::sim {
namespace {

TEST(PanelDrawing, FramesTheDisplayAndListsLedsAndLamps) {
  using L = LampState;
  struct Case {
    const char* name;
    PanelView view;
    std::vector<std::string> lines;
    std::optional<DisplayCursor> cursor;  // in the drawn lines
  };
  PanelView text;
  text.model = 4;
  text.lines = {"TANK LEVEL    57.3 %", "PUMP 1        RUN   ", "PUMP 2  \xB0 STOPPED   ",
                "                    "};
  text.cursor = DisplayCursor{2, 9};
  text.leds = {L::On, L::Off, L::Flash, L::FastFlash, L::Off};
  PanelView keypad;
  keypad.model = 3;
  keypad.lines = {"SPEED  12          ", "READY"};
  keypad.leds = {L::Off, L::Off, L::Off, L::Off, L::On};
  keypad.lamps = {L::Flash, L::Off, L::On};
  PanelView setPoint;
  setPoint.model = 5;
  setPoint.lines = {"OVEN TEMPERATURE", "00012.50"};
  setPoint.cursor = DisplayCursor{1, 6};
  const Case cases[] = {
      {"four lines with LEDs",
       text,
       {"+--------------------+", "|TANK LEVEL    57.3 %|", "|PUMP 1        RUN   |",
        "|PUMP 2  \xC2\xB0 STOPPED   |", "|                    |", "+--------------------+",
        "F1 on     F2 off    F3 flash  F4 fast flash  F5 off"},
       DisplayCursor{3, 10}},
      // short lines are padded to the widest
      {"model 3 with lamps",
       keypad,
       {"+-------------------+", "|SPEED  12          |", "|READY              |",
        "+-------------------+", "F1 off    F2 off    F3 off    F4 off    F5 on",
        "Lamps: 1 flash   2 off     3 on"},
       std::nullopt},
      // the value sits at the right, and the cursor with it
      {"set point",
       setPoint,
       {"+----------------+", "|OVEN TEMPERATURE|", "|        00012.50|", "+----------------+"},
       DisplayCursor{2, 15}},
  };
  for (const Case& c : cases) {
    const DrawnPanel drawn = DrawPanel(c.view);
    EXPECT_EQ(drawn.lines, c.lines) << c.name;
    ASSERT_EQ(drawn.cursor.has_value(), c.cursor.has_value()) << c.name;
    if (c.cursor) {
      EXPECT_EQ(drawn.cursor->line, c.cursor->line) << c.name;
      EXPECT_EQ(drawn.cursor->column, c.cursor->column) << c.name;
    }
  }
}

TEST(TerminalKeys, TypedBytesPressTheModelsKeys) {
  struct Case {
    int model;
    std::vector<std::string> reads;  // what each read of the terminal brings
    std::string keys;                // the panel keys pressed, by name
  };
  const Case cases[] = {
      {1, {"12345"}, "F1 F2 F3 F4 F5"},
      {1, {"!@#$%"}, "F1 F2 F3 F4 F5"},
      {1, {"\x1b[A\x1b[B\x1b[C\x1b[D"}, "UP DOWN RIGHT LEFT"},
      {1, {"\x1bOA\x1bOD"}, "UP LEFT"},  // application cursor keys
      {1, {"\r\n\x1b"}, "ENTER ENTER ESC"},
      // the terminal's function keys: xterm, older xterm, the Linux console
      {1, {"\x1bOP\x1bOS\x1b[15~\x1b[11~\x1b[[E"}, "F1 F4 F5 F1 F5"},
      // F6 and beyond, and keys model 1 does not have, press nothing
      {1, {"\x1b[17~0678\x7f\x1b[3~x"}, ""},
      // a sequence split between reads waits; an Esc ending a read is the key
      {1, {"\x1b[", "1", "5~", "\x1b", "2"}, "F5 ESC F2"},
      // an Esc followed by a plain key is the Esc key
      {1, {"\x1bx2"}, "ESC F2"},
      // model 3's digits are its keypad; Backspace and Delete its CLEAR
      {3, {"0159\x7f\x1b[3~"}, "0 1 5 9 CLEAR CLEAR"},
      {3, {"!%\x1bOQ"}, "F1 F5 F2"},
      // the set point panel has no function keys
      {5, {"1!\x1bOP\x1b[A\r\x1b"}, "UP ENTER ESC"},
  };
  for (const Case& c : cases) {
    TerminalKeyReader reader;
    std::string pressed;
    std::string label;
    for (const std::string& read : c.reads) {
      for (const TypedKey& typed : reader.Take(read)) {
        if (const std::optional<Key> key = PanelKeyOf(typed, c.model)) {
          pressed += (pressed.empty() ? "" : " ") + KeyName(*key);
        }
      }
      label += read;
    }
    EXPECT_EQ(pressed, c.keys) << "model " << c.model << ": " << testing::PrintToString(label);
  }
}

}  // namespace
}  // namespace orvane::sim
