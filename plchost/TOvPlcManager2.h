// A driver library loaded for a short while: during the catalogue scan, a
// look-up by codes or a change of PLC.
#pragma once

#include <string>

#include "base/SharedLibrary.h"
#include "base/UserInterface.h"
#include "plchost/PlcDriver.h"

namespace orvane {

/// Loads the library at a full path and attaches a driver handle to it; the
/// library is released when the object goes.
class TOvPlcManager2 {
 public:
  explicit TOvPlcManager2(const std::string& path, UserInterface* ui = nullptr);
  virtual ~TOvPlcManager2() = default;
  TOvPlcManager2(const TOvPlcManager2&) = delete;
  TOvPlcManager2& operator=(const TOvPlcManager2&) = delete;

  bool IsLoaded() const { return library_.IsOpen(); }
  /// The loader's reason when the library did not load.
  const std::string& LoadError() const { return library_.Error(); }
  PlcDriver& Driver() { return driver_; }
  const PlcDriver& Driver() const { return driver_; }

 private:
  SharedLibrary library_;
  PlcDriver driver_;
};

}  // namespace orvane
