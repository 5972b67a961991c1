// What one PLC driver plug-in supplies to the shared scaffolding: its
// identity, its address grammar, its attribute file and its dialog. The
// scaffolding turns these into every export of the plug-in contract, so a
// driver never writes an export itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "corvel/Corvel.h"
#include "plchost/PlcContract.h"

namespace orvane::plugin {

/// The shape of a driver's map string as PlcDetails reports it: its length,
/// where its bit, word and type bytes lie, and the characteristics the
/// host carries along.
struct MapDetails {
  int32_t length = 0;
  int32_t bitOffset = 0;
  int32_t wordOffset = 0;
  int32_t characteristicC = 0;
  int32_t typeOffset = 0;
  unsigned char characteristicE = 0;
  unsigned char characteristicF = 0;
  unsigned char characteristicG = 0;
};

/// The fixed description of a driver: its codes, its name parts, its panel
/// driver image and help files, and the values PlcDetails reports.
struct DriverIdentity {
  unsigned char manufacturerCode = 0;
  unsigned char modelCode = 0;
  unsigned char protocolCode = 0;
  // Plc_Name is maker, blank, model, blank, protocol and the revision
  // suffix; an empty part keeps its blank.
  const char* maker = "";
  const char* model = "";
  const char* protocol = "";
  const char* revisionSuffix = "";  // " - Rev C"
  const char* revision = "";        // "C": the attribute dialog's revision label
  const char* driverImage = "";     // base name of the panel-side driver image
  const char* helpFile = "";        // application type 0
  const char* helpFileOtherTypes = "";
  int32_t mainHelpContext = 0;
  int32_t dialogHelpContext = 0;
  MapDetails map;
};

/// The arguments of one ValidatePlc call.
struct AddressRequest {
  const char* text = "";
  int32_t access = 0;
  int32_t dataType = 0;
  bool checkAccess = false;
  bool checkDataType = false;
};

/// A driver's address syntax. Every message goes through the CCorvel object
/// of the operation, which carries the message switch and the application
/// type.
class AddressGrammar {
 public:
  virtual ~AddressGrammar() = default;
  /// Checks request.text. On success fills out, its map string allocated
  /// with AllocateMapString; on failure shows the message of the first rule
  /// broken and leaves out untouched.
  virtual bool Validate(CCorvel& corvel, const AddressRequest& request, PlcAddress& out) const = 0;
  /// The canonical text of address's map string. May update the record's
  /// derived fields (is bit). On failure shows a message and leaves text
  /// and the record untouched.
  virtual bool Rebuild(CCorvel& corvel, PlcAddress& address, std::string& text) const = 0;
  /// -1, 0 or 1.
  virtual int Compare(const unsigned char* a, const unsigned char* b) const = 0;
};

struct DriverDefinition {
  const DriverIdentity& identity;
  const AddressGrammar& grammar;
  /// The bytes of a default attribute file.
  std::vector<unsigned char> (*defaultAttributeFile)(const CCorvel& corvel);
  /// Runs the modal attribute dialog on an existing attribute file of this
  /// driver. Called only on the thread of a running QApplication.
  void (*runAttributeDialog)(CCorvel& corvel, const std::string& path);
};

/// The one driver of this plug-in. Every plug-in defines it (exports.cpp).
const DriverDefinition& ThisDriver();

}  // namespace orvane::plugin
