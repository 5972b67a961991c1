// The panel PLC address database (`CViewAddressDlg`): a read-only overview
// of the PLC addresses of the project's current panel. The list's rows and
// columns, the panel's system addresses with their labels, and the lines
// its print shows, decided here; the dialog only shows them.
#pragma once

#include <string>
#include <vector>

namespace orvane {

class TOvPanel;
class TOvProject;

/// The list's section of the user profile ("Width %d" per column).
inline constexpr const char* kAddressListSection = "View Address Control";

/// One row of the list: an address a message uses.
struct AddressRow {
  std::string item;      // "%d", the running number from 1
  std::string address;   // the address text
  std::string message;   // "%d" for a PLC message, "Local" for a local one
  std::string function;  // "Data 1", "Decimal Point", "Data 2", "Data 3"
  std::string access;    // "R/W", "R", "W"
  std::string password;  // model 3 only: "LOCAL", "PLC" or "N/A"

  bool operator==(const AddressRow&) const = default;
};

/// One of the panel's system addresses above the list.
struct SystemAddressShown {
  std::string label;
  std::string value;
  /// The model has this field; a field it lacks shows disabled, empty.
  bool enabled = true;

  bool operator==(const SystemAddressShown&) const = default;
};

/// A label and its value on the printed page.
struct PrintedField {
  std::string label;
  std::string value;

  bool operator==(const PrintedField&) const = default;
};

class AddressDatabase {
 public:
  /// The project's selected panel; a project without one shows nothing.
  explicit AddressDatabase(const TOvProject& project);

  bool HasPanel() const { return panel_ != nullptr; }
  /// "ITEM No.", "Address", "Used in Message #", "Function", "Access Type",
  /// and "Password" on the model with passwords.
  std::vector<std::string> Headings() const;
  /// For every message in order, each of data item 1, its decimal point
  /// register, data items 2 and 3 that has an address text (the markers
  /// in the text are not consulted).
  std::vector<AddressRow> Rows() const;
  /// The line registers (as many as the model shows; all four, those it
  /// lacks disabled), the button, LED and annunciator words, the PLC
  /// password register and the local password. The set point model shows
  /// line one only.
  std::vector<SystemAddressShown> SystemAddresses() const;
  /// The panel's number of messages, "%3d".
  std::string MessageCount() const;
  std::string PlcName() const;
  std::string ProjectName() const;

  /// The print's title block: project name, PLC, then the system
  /// addresses, each a label with its value.
  std::vector<PrintedField> PrintedFields() const;

 private:
  const TOvProject& project_;
  const TOvPanel* panel_ = nullptr;
};

}  // namespace orvane
