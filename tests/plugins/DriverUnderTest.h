// A driver plug-in loaded from the staged dll/ folder with the platform
// loader, as the program loads it, with Corvel's message sink capturing
// every message box the driver shows.
#pragma once

#include <string>
#include <vector>

#include "base/SharedLibrary.h"
#include "corvel/CorvelExports.h"
#include "plchost/PlcContract.h"

namespace orvane::testing {

struct ShownMessage {
  std::string text;
  unsigned style = 0;
};

class DriverUnderTest {
 public:
  /// Loads install dir/dll/<name>.so after the install directory's Corvel.
  explicit DriverUnderTest(const std::string& name = "Brisko");
  ~DriverUnderTest();
  DriverUnderTest(const DriverUnderTest&) = delete;
  DriverUnderTest& operator=(const DriverUnderTest&) = delete;

  /// An export; the test fails when it is missing.
  template <typename T>
  T Export(const char* name) const {
    return reinterpret_cast<T>(Symbol(name));
  }
  void* Symbol(const char* name) const;

  /// ValidatePlc with both check flags off.
  bool Validate(const std::string& text, PlcAddress& out, int access = 0, int dataType = 8);
  /// ValidatePlc with every argument given.
  bool ValidateWith(const std::string& text, PlcAddress& out, int access, int dataType,
                    bool checkAccess, bool checkDataType);
  /// The map length PlcDetails reports.
  size_t MapLength();
  void SetApplicationType(int type);
  /// The map string of a validated record, handed back to the driver.
  std::vector<unsigned char> TakeMap(PlcAddress& record, size_t length = 7);
  /// ReBuildAddress on a map string; ok tells the result.
  std::string Rebuild(std::vector<unsigned char> map, bool& ok, PlcAddress* record = nullptr);

  std::vector<ShownMessage> messages;
  /// The texts shown so far, and forgets them.
  std::vector<std::string> TakeTexts();

 private:
  static int Receive(const char* text, unsigned style, unsigned helpId, void* context);

  SharedLibrary corvel_;
  SharedLibrary driver_;
  CorvelSetMessageSinkFn setSink_ = nullptr;
};

/// A record whose fields all hold recognisable values, to see that a failed
/// call leaves it alone.
PlcAddress SentinelRecord();
bool IsSentinel(const PlcAddress& record);

}  // namespace orvane::testing
