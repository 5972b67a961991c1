// The log dialogs' plain side: the rows of the address conversion log and
// the text file the log viewer saves.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

class UserInterface;

/// The filter of the log files' save chooser.
inline constexpr const char* kTextFileFilter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";
inline constexpr const char* kTextFileExtension = ".txt";

/// Asks where a log goes: the save chooser for text files (with the
/// overwrite prompt); nothing when the user cancels.
std::optional<std::string> ChooseLogFile(UserInterface& ui);

struct AddressLogRow {
  std::string oldAddress;
  std::string newAddress;
  std::string remark;

  bool operator==(const AddressLogRow&) const = default;
};

/// The rows of the address conversion log: each line split at its TABs
/// into old address, new address and remark (a missing field stays empty,
/// anything after the third is ignored); a line whose first field is empty
/// is left out.
std::vector<AddressLogRow> AddressLogRows(const std::vector<std::string>& lines);

/// A text cut into lines after each line break (a last line without one is
/// a line too); the breaks stay with their lines.
std::vector<std::string> SplitLines(const std::string& text);

/// Writes the lines as a text file, each ending in a line break (a line
/// that ends in one keeps just that), replacing the file atomically. false
/// when it cannot be written, with error (when given) naming the file and
/// the reason.
bool SaveLogLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                  std::string* error = nullptr);

}  // namespace orvane
