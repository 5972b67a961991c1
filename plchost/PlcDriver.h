// The host's handle on one loaded PLC driver plug-in. Every call looks its
// export up by name, so a driver that lacks one still works for the others.
#pragma once

#include <string>

#include "base/SharedLibrary.h"
#include "base/UserInterface.h"
#include "plchost/DriverAddress.h"
#include "plchost/PlcContract.h"

namespace orvane {

/// Tag data type (0 BCD 16, 1 Binary 16, 2 BCD 32, 3 Binary 32) to the data
/// type code a driver's ValidatePlc takes (8, 5, 9, 6). Other values pass
/// unchanged.
int DriverDataTypeCode(int tagDataType);

/// The arguments of one ValidatePlc call as they reach the driver.
struct RawValidation {
  int access = 0;
  int dataTypeCode = 0;  // the driver's code (plchost/PlcDataTypes.h), 0 to 12
  bool checkAccess = false;
  bool checkDataType = false;
};

/// A small value object over a loaded library; it does not own the library,
/// which must outlive it. Messages for missing exports and for the host's
/// own address checks go to the user interface given (none: not shown).
class PlcDriver {
 public:
  explicit PlcDriver(UserInterface* ui = nullptr) : ui_(ui) {}

  /// Attaches to a loaded library. A library with a name is switched to
  /// application type 2, the type the program works in; attaching shows no
  /// message.
  void Attach(const SharedLibrary* library);
  bool IsAttached() const { return library_ != nullptr && library_->IsOpen(); }
  void SetUserInterface(UserInterface* ui) { ui_ = ui; }
  /// Quiet: validation goes through ValidatePlcWithOutMsg (the driver shows
  /// nothing) and the host's own address messages are not shown either.
  void SetQuiet(bool quiet) { quiet_ = quiet; }

  /// Plc_Name; empty when the library has none (it is then no driver).
  std::string DriverName() const;

  /// The driver's own syntax and range check (ValidatePlc with both check
  /// flags 0). On success address takes the map string and fields; on
  /// failure address is left as it was and the driver has shown its
  /// message. A missing export, a map length outside 1..255 or no map
  /// string give the P001 message.
  bool ValidateSyntax(DriverAddress& address, const std::string& text, int wantedAccess,
                      int tagDataType);
  /// ValidatePlc with the arguments as given, for tools that reach every
  /// path of a driver; messages and results as ValidateSyntax.
  bool ValidateRaw(DriverAddress& address, const std::string& text, const RawValidation& call);
  /// ValidateSyntax, then the host's checks as an address field applies
  /// them: no bit addresses (Z007), and the address's access must suit the
  /// wanted access (T002). address changes only on success.
  bool ValidateAddress(DriverAddress& address, const std::string& text, int wantedAccess,
                       int tagDataType);

  /// The canonical text of an address; empty when the export is missing or
  /// refuses.
  std::string AddressText(const DriverAddress& address) const;
  /// PlcDetails; all empty when the export is missing.
  PlcDetailsInfo DriverDetails() const;
  bool CreateDefaultAttributes(const std::string& path) const;
  /// LaunchObjectOrvane, else LaunchObject; false when both are missing.
  bool EditAttributes(const std::string& path) const;
  /// The driver's order of two addresses; P008 and 0 when the export is
  /// missing.
  int CompareAddresses(const DriverAddress& a, const DriverAddress& b) const;
  /// SetApplicationType; P009 and false when the export is missing.
  bool TellApplicationType(int type) const;

 private:
  template <typename T>
  T Export(const char* name) const {
    return library_ != nullptr ? library_->Function<T>(name) : nullptr;
  }
  void Show(int stringId, Icon icon) const;

  const SharedLibrary* library_ = nullptr;
  UserInterface* ui_ = nullptr;
  bool quiet_ = false;
};

}  // namespace orvane
