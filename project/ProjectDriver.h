// What the driver manager does with a project's driver: default and edited
// attributes through the temporary attribute file, re-validating and
// converting every address, and the paths of the panel-side driver images.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "plchost/PlcDriver.h"

namespace orvane {

class TOvPanel;
class TOvPlcInfo;
class TOvProject;
class TOvTag;

/// The driver writes its default attribute file (temp.atr in a private
/// folder); on success its bytes become info's attribute bytes. The file is
/// removed in every case. Returns whether the driver wrote the file.
bool SetDefaultAttributes(const PlcDriver& driver, TOvPlcInfo& info);

/// The driver's default attribute bytes; empty when it cannot write them.
std::vector<unsigned char> DefaultAttributeBytes(const PlcDriver& driver);

/// Runs the driver's attribute dialog on the bytes given (written to
/// temp.atr first), with application type 1 around the call for a
/// multi-panel project (systemMode 1) and type 2 again after it. Returns the
/// file's bytes afterwards when the dialog ran, they differ from the bytes
/// given, and they are a whole file of this driver (as long as its default
/// file, with its manufacturer and model codes); empty otherwise.
std::vector<unsigned char> EditAttributeBytes(const PlcDriver& driver,
                                              const std::vector<unsigned char>& current,
                                              int systemMode);

/// The attribute command on the project's own driver: when the dialog
/// changes the bytes the project takes them and true is returned.
bool EditAttributes(TOvProject& project, UserInterface& ui);

/// The address's current parsed form (its map string of the project's map
/// length and the fields the driver reported) as the record driver calls
/// take.
DriverAddress DriverAddressOf(const TOvTag& tag);

/// Called for an address the driver refused, with the panel it belongs to.
using RefusedAddress = std::function<void(const TOvPanel& panel, const TOvTag& address)>;

/// Rebuilds the parsed form of every set address of every panel through the
/// project's driver (read access, the address's data type). An address the
/// driver refuses keeps what it had; the driver has shown its message, and
/// refused (when given) hears of it. Returns how many were refused.
int RevalidateAddresses(TOvProject& project, UserInterface& ui,
                        const RefusedAddress& refused = nullptr);

/// What the project's driver makes of a stored address now.
enum class AddressCheck {
  Valid,    // it accepts the text and gives the map string the address holds
  Refused,  // it refuses the text (as when the project was opened or imported)
  Differs,  // it accepts the text but gives another map string than the one stored
};

/// Validates the address's text through the driver without a message (read
/// access, the address's data type, as re-validation does) and compares
/// the map string over the project's map length.
AddressCheck CheckAddress(PlcDriver& driver, const TOvTag& tag);

/// One line of the address conversion log: old text, new text, remark,
/// each followed by a TAB.
std::string AddressLogLine(const std::string& oldText, const std::string& newText,
                           const std::string& remark);

/// Converts every set address of every panel to the new driver's syntax:
/// an address the new driver accepts (read access, its data type) takes its
/// canonical text and parsed form; one it refuses is emptied. Returns the
/// conversion log, one line per converted or emptied address. The project's
/// map length must already be the new driver's.
std::vector<std::string> ConvertAddresses(TOvProject& project, PlcDriver& newDriver);

/// Kinds of panel-side driver image.
inline constexpr const char* kHexImageKind = "hex";
inline constexpr const char* kSRecordImageKind = "S";

/// The panel-side driver image of the project's PLC: install/driver/<image>
/// with ".plx" for the "hex" kind (a panel talking to the PLC) and ".plc"
/// for any other (a multiplexer talking to the PLC). false when the driver
/// names no image (or the project has no driver).
bool PanelDriverPath(const TOvProject& project, const std::string& kind, std::string& path);

/// install/driver/multiplexer.plx (a panel behind a multiplexer); false only
/// when the project has no driver library.
bool MultiplexerDriverPath(const TOvProject& project, std::string& path);

}  // namespace orvane
