// A project opened or created by an orvane-cli command the way the desktop
// program's document does it: the installed drivers, the Corvel message
// sink, the project file and the binding to the project's driver.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/UserInterface.h"
#include "plchost/CorvelLibrary.h"
#include "plchost/DriverCatalog.h"
#include "project/ProjectDriver.h"
#include "project/TOvProject.h"

namespace orvane::cli {

class ProjectDocument {
 public:
  /// ui must outlive the document; Corvel's and the drivers' message boxes
  /// go to it.
  explicit ProjectDocument(UserInterface& ui);

  /// Opens the file with the Think & Do check after it; false after the
  /// messages of a failed open.
  bool Read(const std::string& path);
  /// Read, then binds the project's driver and re-validates every address.
  bool Open(const std::string& path, const RefusedAddress& refused = nullptr);
  /// A new project: the first panel of the model, the PLC named (or the
  /// settings' PLC, else the first installed), its default attributes.
  /// Throws like ResolveDriver for an unknown PLC argument.
  bool New(int32_t model, bool multiPanel, const std::optional<std::string>& plc);

  TOvProject& Project() { return project_; }
  DriverCatalog& Catalog() { return catalog_; }
  UserInterface& Ui() { return ui_; }

  /// The catalogue entry a PLC argument names (see ResolveDriver).
  DriverEntry EntryFor(const std::string& plc);

 private:
  UserInterface& ui_;
  // Corvel first: its message sink must outlast the project's driver.
  CorvelLibrary corvel_;
  DriverCatalog catalog_;
  TOvProject project_;
};

/// An optional number option, or fallback.
int32_t ValueOr(const std::optional<long>& value, int32_t fallback);

}  // namespace orvane::cli
