// A text panel's message table as CSV: one row per message (the PLC
// messages, then the local tree in order) with its number, kind, depth,
// folder flag, the text with the data items' digit positions written out,
// and each data item's address, data type and options. The message editor
// and orvane-cli export and import it; an import checks every row and
// takes the table only when no row has a fault.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "view/MessageTree.h"

namespace orvane {

class TOvPanel;
class TOvProject;

/// The columns, in the order an export writes them (an import finds them by
/// name in any order).
inline constexpr const char* kMessageTableColumns[] = {"number",
                                                       "kind",
                                                       "depth",
                                                       "folder",
                                                       "text",
                                                       "item1_address",
                                                       "item1_type",
                                                       "item1_access",
                                                       "item1_min",
                                                       "item1_max",
                                                       "item1_password",
                                                       "item1_leading_zeros",
                                                       "item1_plc_decimal_point",
                                                       "item1_decimal_point_address",
                                                       "item2_address",
                                                       "item2_type",
                                                       "item2_leading_zeros",
                                                       "item3_address",
                                                       "item3_type",
                                                       "item3_leading_zeros"};

/// A model text in the table's form: each run of an item's digit positions
/// in braces ("{1111}", the decimal point as "." in item 1's run:
/// "{111.}"), a literal "{" doubled; the 8-bit characters as UTF-8.
std::string TableText(std::string_view modelText);
/// The model text of a table text; nothing, with the reason, for a brace
/// that is not closed, a character other than 1, 2, 3 or "." in braces, or
/// a character that is not an 8-bit typable one.
std::optional<std::string> ModelTextOf(std::string_view tableText, std::string* fault);

/// The table of the lists (the working copy of the message editor, or a
/// panel's split messages), header first, lines ending with CRLF.
std::string ExportMessageTable(const TOvProject& project, const MessageLists& lists);

/// What an import gives: the new lists, or every row's faults.
struct MessageTableImport {
  std::optional<MessageLists> lists;
  std::vector<std::string> errors;  // "row N: ..." (N the row's line in the file)
};

/// Reads a table for the panel: every row is checked (numbers, the tree's
/// shape, the text's length and digit positions, each data item's address
/// through the project's PLC driver, types and options), then the panel's
/// limits (256 messages, PLC numbers below the local ones, 300
/// addresses). Nothing in the project or the panel changes.
MessageTableImport ImportMessageTable(TOvProject& project, TOvPanel& panel, std::string_view csv);

/// The text that refuses a table: the count and every fault, one a line.
std::string ImportFaultsText(const std::vector<std::string>& errors);

/// One CSV field as written: quoted when it holds a comma, a quote, a CR or
/// a LF (quotes doubled).
std::string CsvField(std::string_view field);
/// The records of a CSV text, each with the line it starts on; nothing, with
/// the line, for a quote that is never closed.
struct CsvRecord {
  int line = 0;
  std::vector<std::string> fields;
};
std::optional<std::vector<CsvRecord>> ParseCsv(std::string_view csv, int* badLine);

}  // namespace orvane
