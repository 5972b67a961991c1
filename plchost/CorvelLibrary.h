// The host's use of the shared utility library Corvel, which it opens by
// full path from the install directory (it never links it): the PLC
// conversion rule, and the message sink through which Corvel and every
// plug-in show their message boxes.
#pragma once

#include <string>

#include "base/SharedLibrary.h"
#include "base/UserInterface.h"

namespace orvane {

class CorvelLibrary {
 public:
  CorvelLibrary() = default;
  /// Takes the message sink back (messages then go to standard error) and
  /// releases the library.
  ~CorvelLibrary();
  CorvelLibrary(const CorvelLibrary&) = delete;
  CorvelLibrary& operator=(const CorvelLibrary&) = delete;

  /// Opens the install directory's Corvel library; false with the loader's
  /// reason in Error().
  bool Open();
  bool IsOpen() const { return library_.IsOpen(); }
  const std::string& Error() const { return library_.Error(); }

  /// Routes every message box of Corvel and of the plug-ins to ui until this
  /// object is destroyed: exclamation and information icons keep their
  /// meaning, every message is answered OK. ui must outlive this object.
  /// false when the library is not open or lacks the export.
  bool InstallMessageSink(UserInterface& ui);

  /// Whether the addresses of the current PLC can be converted to the new
  /// one: opens Corvel, asks it, releases it. When Corvel cannot be loaded,
  /// shows P002 and answers no; a missing export answers no.
  static bool CheckConvertible(UserInterface& ui, int newManufacturer, int newModel,
                               int currentManufacturer, int currentModel);

 private:
  SharedLibrary library_;
  bool sinkInstalled_ = false;
};

}  // namespace orvane
