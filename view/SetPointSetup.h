// "Ov-SP Configuration" as plain C++: the set point entries of the current
// set point panel, edited in a working copy that reaches the panel only on
// OK, with the panel's message selection address and beeper, and the
// entries' text form for the "Orvane-SP" clipboard.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "project/TOvMessage.h"
#include "view/AddressEntry.h"

namespace orvane {

class TOvPanel;
class TOvProject;
class UserInterface;

/// Control ids of the dialog.
namespace set_point {
inline constexpr int kNumber = 1038;
inline constexpr int kSelect = 1410;
inline constexpr int kText = 1004;
inline constexpr int kMinimum = 1069;
inline constexpr int kMaximum = 1070;
inline constexpr int kDecimalPoint = 1091;
inline constexpr int kDataType = 1092;
inline constexpr int kDisplayMethod = 1093;
inline constexpr int kAddress = 1083;
inline constexpr int kDecimalAddress = 1084;
inline constexpr int kAccept = 1411;
inline constexpr int kDelete = 1474;
inline constexpr int kSelection = 1416;
inline constexpr int kSelectionAddress = 1086;
inline constexpr int kSelectionType = 1039;
inline constexpr int kBeeperYes = 1498;
inline constexpr int kBeeperNo = 1499;
inline constexpr int kAddressHelp = 1489;
inline constexpr int kOk = 1476;

/// The clipboard format of a set point entry.
inline constexpr const char* kClipboardFormat = "Orvane-SP";
/// The profile section of the list's column widths.
inline constexpr const char* kColumnSection = "SPListCtrl";
inline constexpr int kColumnCount = 6;
/// The column titles.
inline constexpr std::array<const char*, kColumnCount> kColumnTitles = {
    "Msg #",
    "Display Method",
    "DataType/WordSize",
    "Decimal Point Fixed/Variable",
    "Set Point Value PLC Address",
    "Variable Dec Point PLC Address"};

/// Display methods.
inline constexpr int kReadWrite = 0;
inline constexpr int kReadOnly = 1;
inline constexpr std::array<const char*, 2> kDisplayMethodTexts = {"Read/Write", "Read only"};
/// Positions of the decimal point list: "None", "Fixed - 1" to "Fixed - 7",
/// "Variable".
inline constexpr int kDecimalNone = 0;
inline constexpr int kLastFixedDecimalPoint = 7;
inline constexpr int kVariableDecimalPoint = 8;
/// The most characters an entry's text holds.
inline constexpr size_t kTextLength = 16;
/// The most characters the number combo takes.
inline constexpr int kNumberLength = 3;
}  // namespace set_point

/// The decimal point list's texts by position.
std::vector<std::string> DecimalPointTexts();
/// A number as the list and the number combo show it ("%03d").
std::string SetPointNumberText(int number);

/// The fields of the entry being edited, as the dialog shows them.
struct SetPointEntryFields {
  std::string number;  // the number combo's text
  std::string text;
  std::string minimum = "0";
  std::string maximum = "9999";
  int displayMethod = set_point::kReadWrite;
  int dataType = 0;      // the position in the set point data type list
  int decimalPoint = 0;  // the position in the decimal point list
  std::string address;   // the set point value's field text
  std::string decimalAddress;

  bool operator==(const SetPointEntryFields&) const = default;
  /// Min and Max take input only for a value the operator may change.
  bool LimitsEnabled() const { return displayMethod == set_point::kReadWrite; }
  /// The decimal point register's field only for "Variable".
  bool DecimalAddressEnabled() const { return decimalPoint == set_point::kVariableDecimalPoint; }
};

/// The panel-level fields of the dialog.
struct SetPointPanelFields {
  bool selection = false;        // the optional PLC message selection
  std::string selectionAddress;  // its field text
  int selectionType = 0;         // the position in the set point data type list
  bool beeper = true;

  bool operator==(const SetPointPanelFields&) const = default;
};

/// The fields a refusal puts the focus on.
enum class SetPointField {
  None,
  Number,
  Minimum,
  Maximum,
  Address,
  DecimalAddress,
  SelectionAddress,
};

class SetPointSetup {
 public:
  /// Copies the panel's entries, sorted by number, into the working copy.
  /// project, panel (one of the project's) and ui must outlive this object.
  SetPointSetup(TOvProject& project, TOvPanel& panel, UserInterface& ui);

  AddressFieldKind Kind() const { return kind_; }

  // The working copy, sorted by number.

  const std::vector<TOvMessage>& Entries() const { return entries_; }
  /// The text of a cell of the list (columns as set_point::kColumnTitles).
  std::string Cell(size_t row, int column) const;
  std::optional<size_t> RowOf(int number) const;
  /// The numbers the number combo lists.
  std::vector<std::string> NumberTexts() const;
  /// Whether anything reached the working copy since the dialog opened.
  bool Modified() const { return modified_; }

  // The entry being edited.

  /// What the fields show since the last load: the entry's values, or an
  /// empty entry.
  const SetPointEntryFields& Shown() const { return shown_; }
  /// Whether fields differ from what was loaded (the number aside: typing
  /// a number is how another entry is chosen).
  bool HasEdits(const SetPointEntryFields& fields) const;
  /// Select (or a number chosen in the combo): the number must be 1 to 256
  /// (else M004); unsaved edits in current are offered for saving first
  /// (61577: Yes commits them and goes on only when that succeeds, No drops
  /// them, Cancel stays). Then the entry with that number is loaded, or an
  /// empty one with that number. false leaves Shown() as it was.
  bool Select(const std::string& numberText, const SetPointEntryFields& current);
  /// Accept Current Edit: the number (M004), Min and Max against the data
  /// type's maximum on this model ("Please enter a number between %d and
  /// %d"), the set point address (read only exactly for "Read only"), the
  /// decimal point register for "Variable" (read/write, BCD 16) and the
  /// panel's 300 addresses (T001), in this order. Then the entry is stored
  /// in the working copy in number order, replacing one with its number.
  bool Commit(const SetPointEntryFields& fields);
  /// Delete the entry of a row after 61492 (No by default).
  bool Delete(size_t row);

  // The clipboard.

  /// The text form of a row's entry, as the project file holds it.
  std::string CopyText(size_t row) const;
  /// CopyText, then the entry is deleted; nothing for a row outside.
  std::optional<std::string> Cut(size_t row);
  /// Pastes an entry's text form under the first free number after the
  /// selected row (after the last entry without a selection, 1 for an
  /// empty list), searching up to 256; nothing is pasted when no number is
  /// free, the text is no entry or the panel's addresses would pass 300.
  /// The entry's addresses are checked again through the project's driver
  /// and cleared when refused (a tag name the project's tag map does not
  /// hold too). The row of the pasted entry, or nothing.
  std::optional<size_t> Paste(const std::string& text, std::optional<size_t> selectedRow);

  // The dialog as a whole.

  /// The panel-level fields on opening.
  SetPointPanelFields PanelFields() const;
  /// OK: the selection address (when checked; read only, its data type),
  /// then the entry being edited when it has edits; then the panel takes
  /// the working copy, its first message number is the lowest entry
  /// number, its line 1 address is the selection address (cleared when
  /// unchecked), the beeper is set and the project is marked changed.
  /// false after a refusal, with the panel unchanged.
  bool Ok(const SetPointPanelFields& panelFields, const SetPointEntryFields& current);
  /// Cancel: when anything was changed, 61490 (Yes, No, Cancel): Yes runs
  /// OK. true when the dialog may close.
  bool Cancel(const SetPointPanelFields& panelFields, const SetPointEntryFields& current);

  /// The field the last refusal was about.
  SetPointField FailedField() const { return failed_; }

 private:
  SetPointEntryFields FieldsOf(const TOvMessage& entry) const;
  SetPointEntryFields EmptyEntry(const std::string& number) const;
  bool Refuse(SetPointField field);
  bool FitsAddressLimit(const TOvMessage& candidate, std::optional<size_t> replacing) const;
  size_t Insert(TOvMessage entry);

  TOvProject& project_;
  TOvPanel& panel_;
  UserInterface& ui_;
  AddressFieldKind kind_;
  std::vector<TOvMessage> entries_;
  SetPointEntryFields shown_;
  bool modified_ = false;
  SetPointField failed_ = SetPointField::None;
};

}  // namespace orvane
