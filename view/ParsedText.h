// The message editor's text as plain C++ (the model under CParsedRichEdit):
// the model form with its marker bytes, the display form with a colour per
// character, the typing rules by the text's width and the data item keys,
// the PLC-controlled decimal point and the edits' undo history.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

/// The colours of the display form: data item 1 and its decimal point red,
/// item 2 blue, item 3 green, every other character black.
enum class TextColour { Black, Red, Blue, Green };

/// One character of the display form.
struct DisplayCell {
  char character = ' ';
  TextColour colour = TextColour::Black;

  bool operator==(const DisplayCell&) const = default;
};

/// The display form of a model text: 0xFF as a red "1", 0xFE a blue "2",
/// 0xFD a green "3", 0xFC a red ".", the rest black.
std::vector<DisplayCell> DisplayOf(std::string_view modelText);
/// The model form of a display, by colour: a red "1" is 0xFF, any other red
/// character 0xFC, blue 0xFE, green 0xFD, black stays itself.
std::string ModelOf(const std::vector<DisplayCell>& display);

/// The marker byte of data item 1, 2 or 3.
char ItemMarker(int item);
/// How many digit positions of the item the text holds.
size_t ItemDigitCount(std::string_view modelText, int item);
/// Puts the decimal point marker back in its place: removed when the text
/// has no item 1 digit, else moved directly after the last one (and only
/// one kept).
void PlaceDecimalPoint(std::string& modelText);

/// The most digit positions one data item can be given by typing.
inline constexpr size_t kMaxTypedDigits = 10;

/// A byte the user may type as an ordinary character: printable, and not
/// one of the marker bytes (a typed 0xFC to 0xFF would read as a data item).
bool IsTypableCharacter(char c);

class ParsedText {
 public:
  /// What the loaded message allows.
  struct Limits {
    size_t length = 20;       // characters per line, one less for a folder
    bool dataAllowed = true;  // not a folder, not the set point model
  };

  /// Loads a model text (cut to the limit, its decimal point placed); the
  /// undo history starts anew.
  void Load(std::string modelText, Limits limits);

  const std::string& Model() const { return text_; }
  std::vector<DisplayCell> Display() const { return DisplayOf(text_); }
  const Limits& limits() const { return limits_; }
  size_t Length() const { return text_.size(); }
  bool HasDecimalPoint() const;
  /// Where the caret stands after the last edit.
  size_t Caret() const { return caret_; }

  // Edits. [from, to) is the selection (from == to: the caret); each
  // returns whether the text changed, and then leaves the caret after what
  // was typed.

  /// A digit of data item 1, 2 or 3 (Ctrl+1 to 3, F5 to F7) in place of the
  /// selection: nothing when embedded data is not allowed, when the text is
  /// at its limit or when the item already has ten digits.
  bool TypeItem(int item, size_t from, size_t to);
  /// Ordinary characters in place of the selection, as many as the limit
  /// leaves room for; characters that cannot be typed are dropped.
  bool Type(std::string_view characters, size_t from, size_t to);
  /// Removes the selection (Backspace and Delete pass the character).
  bool Erase(size_t from, size_t to);
  /// The PLC-controlled decimal point on: false, with the text unchanged,
  /// when the text is at its limit (the caller tells the user: Z005) or has
  /// no item 1 digit to follow. Off always succeeds.
  bool SetDecimalPoint(bool on);
  /// Replaces the whole text, as a find and replace does (cut to the limit).
  bool Replace(std::string modelText);

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  bool Undo();
  bool Redo();

 private:
  struct State {
    std::string text;
    size_t caret = 0;
  };
  /// Stores the edit's result and keeps the old state for Undo.
  bool Commit(std::string text, size_t caret);
  void Clip(size_t& from, size_t& to) const;

  std::string text_;
  size_t caret_ = 0;
  Limits limits_;
  std::vector<State> undo_;
  std::vector<State> redo_;
};

}  // namespace orvane
