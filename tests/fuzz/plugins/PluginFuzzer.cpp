// Random address texts and map strings into every PLC driver plug-in,
// loaded from the staged install directory as the program loads them.
// Each input picks a driver, a data type code and an application type;
// then either a text is validated, or bytes are taken as a map string and
// rebuilt. Nothing may crash, leak or read past a buffer, and whatever a
// driver accepts must come back: a validated text's map string rebuilds,
// its text validates to the same map string, and every map string
// compares equal to itself.
#include <dlfcn.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "corvel/CorvelExports.h"
#include "plchost/PlcContract.h"

namespace {

const char* const kDrivers[] = {"Brisko", "Calden", "Dunmore", "Fallon",
                                "Harlow", "Merrow", "Pellam",  "Tandry"};
constexpr size_t kDriverCount = std::size(kDrivers);

struct Driver {
  PlcValidateFn validate = nullptr;
  PlcRebuildFn rebuild = nullptr;
  PlcCompareFn compare = nullptr;
  PlcSetApplicationTypeFn setType = nullptr;
  PlcReleaseMapStringFn release = nullptr;
  size_t mapLength = 0;
};

std::array<Driver, kDriverCount> drivers;

int Discard(const char*, unsigned, unsigned, void*) {
  return CORVEL_IDOK;
}

std::string InstallDir() {
  const char* dir = std::getenv("ORVANE_INSTALL_DIR");
  return dir != nullptr && *dir != '\0' ? dir : ORVANE_FUZZ_INSTALL_DIR;
}

void* Symbol(void* library, const char* name) {
  void* symbol = dlsym(library, name);
  if (symbol == nullptr) {
    std::abort();
  }
  return symbol;
}

// A map string owned here, as the host keeps it: the driver's bytes, then
// zeros up to the largest map length.
using MapBuffer = std::array<unsigned char, PLC_MAP_STRING_CAPACITY>;

bool Validate(const Driver& driver, const std::string& text, int32_t dataType, MapBuffer& map) {
  PlcAddress record{};
  if (driver.validate(&record, text.c_str(), 0, dataType, 0, 0) == 0) {
    return false;
  }
  if (record.mapString == nullptr) {
    std::abort();
  }
  map.fill(0);
  std::memcpy(map.data(), record.mapString, driver.mapLength);
  driver.release(record.mapString);
  return true;
}

bool Rebuild(const Driver& driver, MapBuffer& map, std::string& text) {
  PlcAddress record{};
  record.mapString = map.data();
  char buffer[PLC_ADDRESS_TEXT_CAPACITY] = {};
  char reserved[PLC_ADDRESS_TEXT_CAPACITY] = {};
  const bool rebuilt = driver.rebuild(&record, buffer, reserved) != 0;
  if (buffer[PLC_ADDRESS_TEXT_CAPACITY - 1] != '\0' || reserved[0] != '\0') {
    std::abort();
  }
  text = buffer;
  return rebuilt;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string dir = InstallDir();
  void* corvel = dlopen((dir + "/libcorvel.so").c_str(), RTLD_NOW | RTLD_LOCAL);
  if (corvel == nullptr) {
    std::abort();
  }
  reinterpret_cast<CorvelSetMessageSinkFn>(Symbol(corvel, CORVEL_SYM_SET_MESSAGE_SINK))(&Discard,
                                                                                        nullptr);
  for (size_t i = 0; i < kDriverCount; ++i) {
    void* library = dlopen((dir + "/dll/" + kDrivers[i] + ".so").c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
      std::abort();
    }
    Driver& driver = drivers[i];
    driver.validate = reinterpret_cast<PlcValidateFn>(Symbol(library, PLC_SYM_VALIDATE));
    driver.rebuild = reinterpret_cast<PlcRebuildFn>(Symbol(library, PLC_SYM_REBUILD));
    driver.compare = reinterpret_cast<PlcCompareFn>(Symbol(library, PLC_SYM_COMPARE));
    driver.setType =
        reinterpret_cast<PlcSetApplicationTypeFn>(Symbol(library, PLC_SYM_SET_APP_TYPE));
    driver.release = reinterpret_cast<PlcReleaseMapStringFn>(Symbol(library, PLC_SYM_RELEASE_MAP));
    PlcDetailsInfo details{};
    reinterpret_cast<PlcDetailsFn>(Symbol(library, PLC_SYM_DETAILS))(&details);
    driver.mapLength = static_cast<size_t>(details.mapLength);
  }
  return 0;
}

// Input: driver, data type code, application type and mode, then the text
// or the map string.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) {
    return 0;
  }
  const Driver& driver = drivers[data[0] % kDriverCount];
  const int32_t dataType = data[1] % 14;  // the thirteen codes and one unknown
  driver.setType(data[2] % 3);
  const bool asMap = (data[2] & 0x80) != 0;
  const std::string rest(reinterpret_cast<const char*>(data + 3), size - 3);

  MapBuffer map{};
  std::string text;
  if (asMap) {
    std::memcpy(map.data(), rest.data(), std::min(rest.size(), driver.mapLength));
    if (driver.compare(map.data(), map.data()) != 0) {
      std::abort();
    }
    if (!Rebuild(driver, map, text)) {
      return 0;
    }
    // A rebuilt text may name the map string in another spelling, or be
    // refused (a map string no validation makes); it must not crash.
    MapBuffer again{};
    Validate(driver, text, dataType, again);
    return 0;
  }

  if (rest.find('\0') != std::string::npos || !Validate(driver, rest, dataType, map)) {
    return 0;
  }
  if (driver.compare(map.data(), map.data()) != 0 || !Rebuild(driver, map, text)) {
    std::abort();
  }
  MapBuffer again{};
  if (!Validate(driver, text, dataType, again) || again != map) {
    std::abort();
  }
  return 0;
}
