// Naming a PLC driver on the command line, and holding one loaded while a
// command runs.
#pragma once

#include <memory>
#include <string>

#include "base/UserInterface.h"
#include "plchost/CorvelLibrary.h"
#include "plchost/DriverCatalog.h"
#include "plchost/TOvPlcManager2.h"

namespace orvane::cli {

/// The help text that explains the PLC argument.
extern const char* const kPlcArgumentHelp;

/// The driver a PLC argument names: "MFG:MODEL" (decimal codes; the driver
/// the catalogue lists for them) or a plug-in's file name without suffix
/// ("Brisko"). Throws UsageError for a malformed argument and
/// std::runtime_error when no installed driver matches.
DriverEntry ResolveDriver(const std::string& plc);

/// A driver loaded for one command, with Corvel's and the driver's message
/// boxes routed to the command's user interface. The driver works in
/// application type 2, as in the desktop program.
class DriverSession {
 public:
  /// ui must outlive the session.
  explicit DriverSession(UserInterface& ui);
  /// Resolves and loads the driver; throws like ResolveDriver, and
  /// std::runtime_error when it does not load.
  void Open(const std::string& plc);

  PlcDriver& Driver() { return manager_->Driver(); }
  const DriverEntry& Entry() const { return entry_; }

 private:
  UserInterface& ui_;
  // Corvel first: the sink must be in place before the driver runs, and
  // the driver is released before Corvel.
  CorvelLibrary corvel_;
  std::unique_ptr<TOvPlcManager2> manager_;
  DriverEntry entry_;
};

}  // namespace orvane::cli
