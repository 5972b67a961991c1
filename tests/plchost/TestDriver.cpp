// Small stand-in driver libraries with only some of the contract's exports,
// to see what the host does when one is missing. Built in three variants:
//   TEST_DRIVER_VARIANT 1: a name and details, nothing else;
//   TEST_DRIVER_VARIANT 2: also ValidatePlc, but a map length no panel takes;
//   TEST_DRIVER_VARIANT 3: a 5-byte map string, LaunchObject without
//     LaunchObjectOrvane, and no ReleaseMapString.
#include <cstdint>
#include <cstring>

#include "plchost/PlcContract.h"

#define TEST_EXPORT extern "C" __attribute__((visibility("default")))

extern "C" {
__attribute__((visibility("default"))) char Plc_Name[PLC_NAME_CAPACITY] = "Test driver";
}

TEST_EXPORT void PlcDetails(PlcDetailsInfo* out) {
  std::strcpy(out->name, Plc_Name);
  std::strcpy(out->driverImage, "TestPanel");
  out->manufacturerCode = 200;
  out->modelCode = TEST_DRIVER_VARIANT;
  out->mapLength = TEST_DRIVER_VARIANT == 2 ? 300 : 5;
}

#if TEST_DRIVER_VARIANT >= 2

// What the last ValidatePlc call received, for the tests to look at.
extern "C" {
__attribute__((visibility("default"))) int32_t LastDataType = -1;
__attribute__((visibility("default"))) int32_t LaunchCount = 0;
}

namespace {
// Handed out and never taken back: the host must not free it.
unsigned char staticMap[8] = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xEE, 0xEE, 0xEE};
}  // namespace

// "bit" names a bit, "ro" a read-only word, anything else a read/write word.
TEST_EXPORT PlcBool ValidatePlc(PlcAddress* out, const char* text, int32_t, int32_t dataType,
                                int32_t, int32_t) {
  LastDataType = dataType;
  out->mapString = staticMap;
  out->access = std::strcmp(text, "ro") == 0 ? 1 : 0;
  out->isBit = std::strcmp(text, "bit") == 0 ? 1 : 0;
  out->valid = 1;
  return 1;
}

TEST_EXPORT PlcBool LaunchObject(const char*) {
  ++LaunchCount;
  return 1;
}

#endif
