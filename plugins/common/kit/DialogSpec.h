// An attribute dialog described as data: its title and its rows, each bound
// to an attribute of the driver's layout (AttributeLayout.h) by name. The
// desktop side (LayoutDialog) builds and runs it; the description itself is
// plain C++, so families without Qt code of their own can share one.
#pragma once

#include <string>
#include <vector>

namespace orvane::plugin {

/// One entry of a list and the attribute value it stands for.
struct Choice {
  const char* text;
  int value;
};

enum class RowKind {
  List,      // a list of choices
  BaudRate,  // Corvel's baud rate list for the application type
  Number,    // a number checked against its range on OK
  Note,      // a text
  Group,     // starts a titled group; the rows up to EndGroup belong to it
  EndGroup,
};

struct DialogRow {
  RowKind kind = RowKind::Note;
  /// List, BaudRate, Number: the attribute, also the control's object name.
  /// Note, Group: the object name.
  const char* name = "";
  /// The label before the control; a note's or a group's text.
  std::string label;
  std::vector<Choice> choices;  // List
  /// List, BaudRate: a disabled list shows the stored value and never
  /// changes it.
  bool enabled = true;
  int minimum = 0;  // Number
  int maximum = 0;
  std::string hint;  // Number: the text after the field
  /// Note: shown only while the dialog's baud rate list offers 38400.
  bool onlyWith38400 = false;
};

struct DialogSpec {
  std::string title;
  std::vector<DialogRow> rows;
};

DialogRow ListRow(const char* name, std::string label, std::vector<Choice> choices,
                  bool enabled = true);
DialogRow BaudRateRow(const char* name = "baudRate", std::string label = "Baud Rate",
                      bool enabled = true);
DialogRow NumberRow(const char* name, std::string label, int minimum, int maximum,
                    std::string hint);
DialogRow NoteRow(const char* name, std::string text);
DialogRow GroupRow(const char* name, std::string title);
DialogRow EndGroupRow();

/// Lists many dialogs share: entry index = stored value.
extern const std::vector<Choice> kNoYes;              // "No", "Yes"
extern const std::vector<Choice> kParityNoneOddEven;  // "None", "Odd", "Even"
extern const std::vector<Choice> kParityNoneEven;     // "None" 0, "Even" 2
extern const std::vector<Choice> kStopBits;           // "One", "Two"
extern const std::vector<Choice> kDataBits;           // "Seven", "Eight"
extern const std::vector<Choice> kChecksumTypes;      // "BCC", "CRC"

}  // namespace orvane::plugin
