// Changing a project's PLC: the main view's decisions and questions and the
// driver manager's steps (convertibility, attribute conversion, address
// conversion or clearing, rebinding), as a plain class the desktop view and
// orvane-cli both drive.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "plchost/DriverCatalog.h"
#include "plchost/PlcDriver.h"

namespace orvane {

class TOvProject;
class UserInterface;

/// How the new driver edits the project's communication attributes when the
/// addresses can be converted: the edited attribute bytes, or empty when
/// nothing changed (the dialog was cancelled).
using AttributeEditor = std::function<std::vector<unsigned char>(const PlcDriver& newDriver,
                                                                 const TOvProject& project)>;

/// The desktop program's editor: the new driver's attribute dialog on the
/// project's current bytes (application type 1 around it on a multi-panel
/// project).
std::vector<unsigned char> DialogAttributeEditor(const PlcDriver& newDriver,
                                                 const TOvProject& project);

/// The Think & Do manufacturer code: such a PLC's addresses are tag names of
/// a tag map.
inline constexpr unsigned kThinkAndDoManufacturer = 34;

enum class PlcChangeResult {
  Changed,    // the project has the new PLC
  Unchanged,  // the user said no, cancelled, or the attributes did not change
  Failed,     // the new driver could not be used (P003 shown)
};

class PlcChange {
 public:
  /// project and ui must outlive this object.
  PlcChange(TOvProject& project, UserInterface& ui);

  void SetAttributeEditor(AttributeEditor editor) { editor_ = std::move(editor); }
  /// While the project is untouched (a new document nobody changed yet) the
  /// change asks nothing.
  void SetUntouched(bool untouched) { untouched_ = untouched; }
  bool Untouched() const { return untouched_; }

  /// Changes the project's PLC to the entry's driver (the PLC it already
  /// has changes nothing and asks nothing):
  /// - the driver is loaded (P003 with its path when it does not load) and
  ///   writes its default attributes;
  /// - convertible (Corvel, new codes first): question 61637 in a box titled
  ///   "Warning" unless untouched; the new driver edits the current
  ///   attributes; only when they change are the addresses converted
  ///   (ConversionLog()) and the change made;
  /// - not convertible: question 61488 likewise; a Think & Do PLC needs a tag
  ///   map (a file is asked for when the project has none) and sets the tag
  ///   map use, any other clears it; every address is cleared and the new
  ///   driver's default attributes are installed;
  /// - the project loads the new driver, takes its name, path and map
  ///   length, is marked changed and is no longer untouched.
  PlcChangeResult ChangeTo(const DriverEntry& entry);

  /// The address conversion log of the last change (empty when the
  /// addresses were cleared rather than converted).
  const std::vector<std::string>& ConversionLog() const { return log_; }

 private:
  bool Confirm(int stringId, const std::string& newName);
  bool EnsureTagMap();
  void Finish(const DriverEntry& entry);

  TOvProject& project_;
  UserInterface& ui_;
  AttributeEditor editor_;
  bool untouched_ = false;
  std::vector<std::string> log_;
};

}  // namespace orvane
