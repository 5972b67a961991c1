// The address fields of the editors as plain C++: what a field holds, the
// data type lists beside it, and the check that takes a field's text into
// an address through the project's PLC driver. Every setup editor and the
// message editor use it; their widgets only show what it decides.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "project/ModelLimits.h"
#include "project/TOvReadWriteTag.h"

namespace orvane {

class TOvPanel;
class TOvProject;
class TOvTag;
struct TOvTagMap;
class UserInterface;

/// How the editors take an address: typed as free text in the PLC's own
/// syntax, or chosen as a Think & Do tag name from the project's tag map.
enum class AddressFieldKind { FreeText, TagName };

/// Tag names while the project uses a tag map, free text otherwise.
AddressFieldKind FieldKindFor(const TOvProject& project);

/// What a field hands to the editors, taken apart. A tag name field gives
/// "%s\t%s" with the tag name and its map remainder; a free-text field
/// gives its text, which has no tag name.
struct FieldAddress {
  std::string address;  // the text the driver checks
  std::string tagName;  // the Think & Do tag name; empty for free text
};

/// Takes a field's text apart at its first TAB: the tag name before it,
/// the address after it. Without a TAB the whole text is the address.
FieldAddress SplitFieldText(const std::string& fieldText);
/// The text a tag name field hands over for a tag name and its remainder.
std::string TaggedFieldText(const std::string& tagName, const std::string& remainder);
/// What a field of the kind shows for a stored address: its address text,
/// or for a tag name field its tag name with the text ("" when unset).
std::string FieldTextOf(const TOvTag& tag, AddressFieldKind kind);

/// The tag map table a tag name field of the panel offers: the set point
/// table on the set point model, the text model table otherwise.
const TOvTagMap& TagMapFor(const TOvProject& project, const TOvPanel& panel);
/// The entries a tag name field lists: the empty entry (which clears the
/// address) and then every tag name of the table in table order, each with
/// the field text it hands over.
std::vector<std::pair<std::string, std::string>> TagNameChoices(const TOvTagMap& table);

/// The two orders the data type combos list the four data types in.
enum class DataTypeOrder {
  ByCode,    // "BCD/Int 16", "Binary/Int 16", "BCD/Int 32", "Binary/Int 32"
  SetPoint,  // "BCD/Int 16", "BCD/Int 32", "Binary/Int 16", "Binary/Int 32"
};
/// The combo's texts, in the order's positions.
std::vector<std::string> DataTypeTexts(DataTypeOrder order);
/// The data type at a list position. On the set point list a position
/// outside 0 to 3 counts as 3; on the other it gives BCD 16.
uint32_t DataTypeAt(DataTypeOrder order, int position);
/// The list position of a data type (0 for a code outside 0 to 3).
int DataTypePosition(DataTypeOrder order, uint32_t dataType);
/// The name of a data type as the lists show it ("" outside 0 to 3).
std::string DataTypeText(uint32_t dataType);

/// What a field needs of its address.
struct AddressRule {
  int access = kAccessReadOnly;  // the access the panel needs: 0 read/write, 1 read, 2 write
  uint32_t dataType = kDataTypeBcd16;
  /// A word whose bits the panel reads or writes (the LED, button and
  /// annunciator words): it stays a Binary 16 word when cleared.
  bool bitWord = false;
};

/// Takes field texts into addresses through the project's driver.
class AddressEntry {
 public:
  /// project and ui must outlive this object; the driver and the program
  /// show their messages through ui.
  AddressEntry(TOvProject& project, UserInterface& ui) : project_(project), ui_(ui) {}

  /// Takes fieldText into address by the rule. An empty address is an
  /// unset one: it is accepted without a check and clears the address (its
  /// options stay, and it takes the rule's data type). Otherwise the driver
  /// checks the text with the rule's access and data type; the host refuses
  /// bit addresses (Z007) and an access that does not suit the field
  /// (T002). On success address takes the data type, the parsed form, the
  /// tag name and as its text the driver's canonical spelling (a tag name
  /// field keeps its map remainder: the tag map check compares addresses
  /// with the map by that text). false leaves address as it was; the reason
  /// has been shown.
  bool Enter(const std::string& fieldText, const AddressRule& rule, TOvTag& address);

  /// Quiet: the driver checks without message boxes (its WithOutMsg
  /// twin) and the host's own refusals are not shown either.
  void SetQuiet(bool quiet) { quiet_ = quiet; }

  /// Checks a stored address again against the project's current PLC, as
  /// a paste does: an address the driver refuses is cleared (its options
  /// stay), and while a tag map is in use so is a tag name the panel's
  /// table does not hold. An unset address stays unset.
  void Recheck(TOvTag& address, const AddressRule& rule, const TOvPanel& panel);

 private:
  TOvProject& project_;
  UserInterface& ui_;
  bool quiet_ = false;
};

}  // namespace orvane
