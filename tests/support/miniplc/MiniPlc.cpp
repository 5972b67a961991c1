// Small PLC driver modules for tests, each with a trivial grammar of its
// own, so that a project can change between drivers of different codes.
// Built in two variants:
//   MINIPLC_KESTREL: manufacturer 1, model 9 (Corvel converts its addresses
//     to and from the SLC 500 driver's). Addresses are a letter, a file
//     number, ':' and a word of one or two digits ("N7:12"); a lower-case
//     letter is accepted and rebuilt in upper case; a trailing "/bit" names
//     a bit; the letter I makes a read-only address.
//   MINIPLC_TANDEM: manufacturer 34, model 1 (a Think & Do PLC). Any text
//     of 1 to 40 characters without blanks is an address and is rebuilt as
//     it is.
// LaunchObject stands in for an attribute dialog: with MINIPLC_DIALOG=ok in
// the environment it replaces a missing or foreign file by the defaults and
// then changes the last byte (the user changed a setting and pressed OK);
// MINIPLC_DIALOG=short leaves the file cut after ten bytes and
// MINIPLC_DIALOG=foreign writes it with another manufacturer code (a dialog
// that failed half-way or wrote the wrong file); otherwise it leaves the
// file alone (Cancel).
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "plchost/PlcContract.h"

#define MINI_EXPORT extern "C" __attribute__((visibility("default")))

#if defined(MINIPLC_KESTREL)
#define MINI_NAME "Kestrel Test PLC 1:9"
#define MINI_IMAGE "KestrelPanel"
#define MINI_MFG 1
#define MINI_MODEL 9
#define MINI_MAP_LENGTH 6
#else
#define MINI_NAME "Tandem Test PLC 34:1"
#define MINI_IMAGE "TandemPanel"
#define MINI_MFG 34
#define MINI_MODEL 1
#define MINI_MAP_LENGTH 5
#endif

extern "C" {
__attribute__((visibility("default"))) char Plc_Name[PLC_NAME_CAPACITY] = MINI_NAME;
__attribute__((visibility("default"))) unsigned char Plc_Mfg_Code = MINI_MFG;
__attribute__((visibility("default"))) unsigned char Plc_Model_Code = MINI_MODEL;
__attribute__((visibility("default"))) unsigned char Plc_Protocol_code = 0;
/// The application types the host set, in order, as digits.
__attribute__((visibility("default"))) char MiniPlc_TypeLog[64] = "";
/// How often the attribute "dialog" ran.
__attribute__((visibility("default"))) int32_t MiniPlc_LaunchCount = 0;
}

namespace {

constexpr unsigned char kDefaults[] = {MINI_MFG, MINI_MODEL, 0, 0, 0, 0, 0, 0, 0, 0, 0,    0,
                                       0,        0,          0, 0, 0, 0, 0, 0, 0, 0, 0,    0,
                                       0,        0,          0, 0, 0, 0, 0, 0, 2, 0, 0x11, 0x22};

bool WriteFile(const char* path, const unsigned char* bytes, size_t size) {
  if (path == nullptr || *path == '\0') {
    return false;
  }
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) {
    return false;
  }
  const bool written = std::fwrite(bytes, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

std::string ReadFile(const char* path) {
  std::string bytes;
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) {
    return bytes;
  }
  int c = 0;
  while ((c = std::fgetc(file)) != EOF) {
    bytes.push_back(static_cast<char>(c));
  }
  std::fclose(file);
  return bytes;
}

struct Parsed {
  unsigned char map[MINI_MAP_LENGTH] = {};
  std::string canonical;
  int32_t access = 0;
  int32_t isBit = 0;
};

#if defined(MINIPLC_KESTREL)

bool Parse(const char* text, Parsed& out) {
  const char* at = text;
  if (!std::isalpha(static_cast<unsigned char>(*at))) {
    return false;
  }
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(*at++)));
  unsigned file = 0;
  int digits = 0;
  for (; std::isdigit(static_cast<unsigned char>(*at)) && digits < 3; ++at, ++digits) {
    file = file * 10 + static_cast<unsigned>(*at - '0');
  }
  if (digits == 0 || *at++ != ':') {
    return false;
  }
  unsigned word = 0;
  digits = 0;
  for (; std::isdigit(static_cast<unsigned char>(*at)) && digits < 3; ++at, ++digits) {
    word = word * 10 + static_cast<unsigned>(*at - '0');
  }
  if (digits == 0 || digits > 2) {
    return false;
  }
  int bit = -1;
  if (*at == '/') {
    ++at;
    if (!std::isdigit(static_cast<unsigned char>(*at))) {
      return false;
    }
    bit = *at++ - '0';
  }
  if (*at != '\0') {
    return false;
  }
  out.map[0] = static_cast<unsigned char>(letter);
  out.map[1] = static_cast<unsigned char>(file >> 8);
  out.map[2] = static_cast<unsigned char>(file);
  out.map[3] = static_cast<unsigned char>(word);
  out.map[4] = static_cast<unsigned char>(bit < 0 ? 0xFF : bit);
  out.map[5] = 0;
  out.isBit = bit < 0 ? 0 : 1;
  out.access = letter == 'I' ? 1 : 0;
  out.canonical = std::string(1, letter) + std::to_string(file) + ":" + std::to_string(word);
  if (bit >= 0) {
    out.canonical += "/" + std::to_string(bit);
  }
  return true;
}

std::string Rebuild(const unsigned char* map) {
  std::string text = std::string(1, static_cast<char>(map[0])) +
                     std::to_string((map[1] << 8) | map[2]) + ":" + std::to_string(map[3]);
  if (map[4] != 0xFF) {
    text += "/" + std::to_string(map[4]);
  }
  return text;
}

#else

bool Parse(const char* text, Parsed& out) {
  const size_t length = std::strlen(text);
  if (length == 0 || length > 40 || std::strchr(text, ' ') != nullptr) {
    return false;
  }
  // The map string is a hash of the text; the text is kept for the rebuild.
  uint32_t hash = 2166136261u;
  for (size_t i = 0; i < length; ++i) {
    hash = (hash ^ static_cast<unsigned char>(text[i])) * 16777619u;
  }
  out.map[0] = 'T';
  out.map[1] = static_cast<unsigned char>(hash >> 24);
  out.map[2] = static_cast<unsigned char>(hash >> 16);
  out.map[3] = static_cast<unsigned char>(hash >> 8);
  out.map[4] = static_cast<unsigned char>(hash);
  out.canonical = text;
  return true;
}

// The last text parsed per map string is not kept; a rebuild spells the map.
std::string Rebuild(const unsigned char* map) {
  char text[16] = {};
  std::snprintf(text, sizeof text, "T%02X%02X%02X%02X", map[1], map[2], map[3], map[4]);
  return text;
}

#endif

}  // namespace

MINI_EXPORT PlcBool ValidatePlc(PlcAddress* out, const char* text, int32_t, int32_t, int32_t,
                                int32_t) {
  Parsed parsed;
  if (text == nullptr || !Parse(text, parsed)) {
    return 0;
  }
  out->mapString = new unsigned char[MINI_MAP_LENGTH];
  std::memcpy(out->mapString, parsed.map, MINI_MAP_LENGTH);
  out->access = parsed.access;
  out->isBit = parsed.isBit;
  out->valid = 1;
  return 1;
}

MINI_EXPORT void ReleaseMapString(unsigned char* mapString) {
  delete[] mapString;
}

MINI_EXPORT PlcBool ReBuildAddress(PlcAddress* address, char* text, char*) {
  const std::string rebuilt = Rebuild(address->mapString);
  std::snprintf(text, PLC_ADDRESS_TEXT_CAPACITY, "%s", rebuilt.c_str());
  return 1;
}

MINI_EXPORT void PlcDetails(PlcDetailsInfo* out) {
  std::snprintf(out->name, sizeof out->name, "%s", Plc_Name);
  std::snprintf(out->driverImage, sizeof out->driverImage, "%s", MINI_IMAGE);
  out->manufacturerCode = MINI_MFG;
  out->modelCode = MINI_MODEL;
  out->mapLength = MINI_MAP_LENGTH;
}

MINI_EXPORT PlcBool CreateAtrFileWithDefaultAttributes(const char* path) {
  return WriteFile(path, kDefaults, sizeof kDefaults) ? 1 : 0;
}

MINI_EXPORT PlcBool LaunchObject(const char* path) {
  ++MiniPlc_LaunchCount;
  const char* dialog = std::getenv("MINIPLC_DIALOG");
  if (dialog == nullptr) {
    return 1;
  }
  std::string bytes = ReadFile(path);
  if (bytes.size() < sizeof kDefaults || static_cast<unsigned char>(bytes[0]) != MINI_MFG ||
      static_cast<unsigned char>(bytes[1]) != MINI_MODEL) {
    bytes.assign(reinterpret_cast<const char*>(kDefaults), sizeof kDefaults);
  }
  bytes.back() = static_cast<char>(bytes.back() + 1);
  if (std::strcmp(dialog, "short") == 0) {
    bytes.resize(10);
  } else if (std::strcmp(dialog, "foreign") == 0) {
    bytes[0] = static_cast<char>(MINI_MFG + 1);
  } else if (std::strcmp(dialog, "ok") != 0) {
    return 1;
  }
  WriteFile(path, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  return 1;
}

MINI_EXPORT int32_t CompareMapStrings(const unsigned char* a, const unsigned char* b) {
  const int order = std::memcmp(a, b, MINI_MAP_LENGTH);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

MINI_EXPORT void SetApplicationType(int32_t type) {
  const size_t used = std::strlen(MiniPlc_TypeLog);
  if (used + 1 < sizeof MiniPlc_TypeLog) {
    MiniPlc_TypeLog[used] = static_cast<char>('0' + (type & 7));
  }
}
