// What the setup editors' tests share: projects bound to a real driver of a
// test install (Kestrel 1:9 for free-text addresses, Tandem 34:1 with a tag
// map for tag names), and the round trip through a project file.
#pragma once

#include <filesystem>
#include <string>

#include "plchost/DriverCatalog.h"
#include "project/TOvProject.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestInstall.h"

namespace orvane::testing {

/// Kestrel's grammar: "N7:12" read/write, "I1:0" read only, "N7:1/3" a bit;
/// anything else it refuses (without a message of its own).
inline constexpr unsigned kKestrelMaker = 1;
inline constexpr unsigned kKestrelModel = 9;
inline constexpr unsigned kTandemMaker = 34;
inline constexpr unsigned kTandemModel = 1;

class EditorWorld {
 public:
  /// everyStagedDriver: the real drivers of every PLC family too (the Think
  /// & Do codes then name Tandry, listed after Tandem).
  explicit EditorWorld(const std::string& name, bool everyStagedDriver = false);

  /// A single panel project with one panel of the model, bound to the
  /// driver with the codes (with its default attributes).
  TOvProject Project(int32_t model, unsigned maker = kKestrelMaker,
                     unsigned driverModel = kKestrelModel);
  /// Project() on the Think & Do driver with a tag map of both tables:
  /// TANK "N7,7,5,x", PUMP "C10,5,10,x", LEVEL "C11,5,11,x".
  TOvProject TagMapProject(int32_t model);
  /// Saves the project, opens the file into a new project and binds it as
  /// an opened document is bound; the file's text is in text.
  TOvProject SaveAndReload(TOvProject& project, std::string* text = nullptr);

  ScriptedUserInterface& Ui() { return ui_; }
  DriverCatalog& Catalog() { return catalog_; }

 private:
  TestInstall install_;
  DriverCatalog catalog_;
  ScriptedUserInterface ui_;
  std::filesystem::path dir_;
  int saved_ = 0;
};

/// The panel's whole file text as a single panel project: every field the
/// file holds, for comparisons field by field.
std::string PanelText(const TOvProject& project);

}  // namespace orvane::testing
