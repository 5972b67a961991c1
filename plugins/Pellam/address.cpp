// Melsec FX devices: "D100", "X17" (octal), "T.5", "M8002", with an
// optional station 1..32 and "-". The map string carries both the FX
// register address of the device (its byte address in the PLC's device
// memory, read word by word) and the device number the FX force commands
// use for single bits.
//
// Map string (7 bytes): 0 station (255 none), 1 type index, 2-3 register
// address, 4 bit (255 for word devices), 5-6 device number; numbers high
// byte first.
#include <array>

#include "plchost/PlcDataTypes.h"
#include "plugins/Pellam/Pellam.h"
#include "plugins/common/kit/AcceptedAddress.h"
#include "plugins/common/kit/AddressText.h"
#include "plugins/common/kit/MapOrder.h"
#include "plugins/common/kit/MapString.h"
#include "plugins/common/kit/Refusal.h"
#include "plugins/common/kit/StationPrefix.h"

namespace orvane::pellam {
namespace {

using plugin::ReadQuietly;
using plugin::Refuse;

constexpr unsigned kExcl = CORVEL_MB_ICON_EXCLAMATION;
constexpr size_t kMapLength = 7;
constexpr unsigned char kNoBit = 255;
// The most characters of an address after its station prefix.
constexpr size_t kLongestAddress = 5;

enum class Kind { Bit, Word, DoubleWord };

// One row of the device table; the row index is the type index the map
// string stores. A name may have two rows; X and Y are found by name alone,
// their numbers being octal.
struct Device {
  const char* name;
  uint16_t first;
  uint16_t last;
  bool octal;
  Kind kind;
  bool writable;
  size_t minimumDigits;
  uint16_t registerBase;
  uint16_t deviceBase;  // the device number of the row's first number
};

constexpr Device kDevices[] = {
    {"X", 0, 0177, true, Kind::Bit, false, 1, 128, 1024},
    {"Y", 0, 0177, true, Kind::Bit, false, 1, 160, 1280},
    {"T", 0, 255, false, Kind::Word, false, 1, 2048, 1536},
    {"T.", 0, 255, false, Kind::Bit, false, 1, 192, 1536},
    {"C", 0, 199, false, Kind::Word, false, 1, 2560, 0},
    {"C", 200, 255, false, Kind::DoubleWord, false, 3, 3072, 200},
    {"C.", 0, 255, false, Kind::Bit, false, 1, 448, 3584},
    {"D", 0, 511, false, Kind::Word, true, 1, 4096, 0},
    {"D", 8000, 8255, false, Kind::Word, false, 4, 3584, 8000},
    {"S", 0, 999, false, Kind::Bit, true, 1, 0, 0},
    {"M", 0, 1023, false, Kind::Bit, true, 1, 256, 2048},
    // The special relays: force numbers 3840-4095, the range the FX gives
    // them, so that their map strings rebuild.
    {"M", 8000, 8255, false, Kind::Bit, false, 4, 480, 3840},
};
constexpr size_t kDeviceCount = std::size(kDevices);

// Station, type index, register address, bit.
constexpr plugin::MapField kOrder[] = {{0, 1}, {1, 1}, {2, 2}, {4, 1}};

const plugin::StationRule& StationRule() {
  static const plugin::StationRule rule{
      .longest = 2,
      .notation = DT_UNSIGNED_DECIMAL,
      .minimum = 1,
      .maximum = 32,
      .none = 255,
      .badLength = {"Error T02_1:  Invalid station address", kExcl},
      .notANumber = {},
      .outOfRange = {"Error T02_1:  Invalid station address", kExcl},
  };
  return rule;
}

bool IsBit(const Device& device) {
  return device.kind == Kind::Bit;
}

class PellamGrammar final : public plugin::AddressGrammar {
 public:
  bool Validate(CCorvel& corvel, const plugin::AddressRequest& request,
                PlcAddress& out) const override {
    unsigned char station = 255;
    std::string proper;
    if (!plugin::ReadStationPrefix(corvel, StationRule(), request.text, station, proper)) {
      return false;
    }
    if (proper.size() > kLongestAddress) {
      return Refuse(corvel, "Error T02_3:  Invalid Address", kExcl);
    }
    size_t at = 0;
    const std::string name = plugin::TakeName(proper, at, true);
    const std::string digits = proper.substr(at);
    uint16_t number = 0;
    if (!ReadQuietly(corvel, digits, DT_UNSIGNED_DECIMAL, number)) {
      return Refuse(corvel, "Error T02_3:  Invalid Address.", kExcl);
    }
    const Device* device = nullptr;
    size_t index = 0;
    for (; index < kDeviceCount; ++index) {
      const Device& row = kDevices[index];
      if (name == row.name && (row.octal || (number >= row.first && number <= row.last))) {
        device = &row;
        break;
      }
    }
    if (device == nullptr) {
      return Refuse(corvel, "Error T02_2:  Invalid Address Type.", kExcl);
    }
    if (digits.size() < device->minimumDigits) {
      return Refuse(corvel, "Error T02_3:  Invalid address.", kExcl);
    }
    if (!ReadQuietly(corvel, digits, device->octal ? DT_OCTAL : DT_UNSIGNED_DECIMAL, number) ||
        number < device->first || number > device->last) {
      return Refuse(
          corvel,
          IsBit(*device) ? "Error T02_3:  Invalid Address" : "Error T02_3:  Invalid address.",
          kExcl);
    }

    const int32_t access = device->writable ? PLC_ACCESS_READ_WRITE : PLC_ACCESS_READ_ONLY;
    const bool suits = IsBit(*device) ? plc::SuitsBitAddress(request.dataType)
                                      : plc::SuitsWordAddress(request.dataType);
    if (!plugin::PassesRequestedChecks(corvel, request, access, suits)) {
      return false;
    }

    const uint16_t offset = static_cast<uint16_t>(number - device->first);
    std::array<unsigned char, kMapLength> map{};
    map[0] = station;
    map[1] = static_cast<unsigned char>(index);
    uint16_t registerAddress = 0;
    unsigned char bit = kNoBit;
    switch (device->kind) {
      case Kind::Bit:
        registerAddress = static_cast<uint16_t>(device->registerBase + 2 * (offset / 16));
        bit = static_cast<unsigned char>(offset % 16);
        break;
      case Kind::Word:
        registerAddress = static_cast<uint16_t>(device->registerBase + 2 * offset);
        break;
      case Kind::DoubleWord:
        registerAddress = static_cast<uint16_t>(device->registerBase + 4 * offset);
        break;
    }
    plugin::PutWord(&map[2], registerAddress);
    map[4] = bit;
    plugin::PutWord(&map[5], static_cast<uint16_t>(device->deviceBase + offset));
    plugin::FillAccepted(out, map, access, IsBit(*device) ? 1 : 0);
    return true;
  }

  bool Rebuild(CCorvel& corvel, PlcAddress& address, std::string& text) const override {
    const unsigned char* map = address.mapString;
    std::string out;
    if (!plugin::WriteStationPrefix(corvel, StationRule(), map[0],
                                    {"Error T02_1:  Invalid station address", kExcl}, out)) {
      return false;
    }
    if (map[1] >= kDeviceCount) {
      return Refuse(corvel, "Error T02_2:  Invalid Address Type.", kExcl);
    }
    const Device& device = kDevices[map[1]];
    const uint16_t deviceNumber = plugin::GetWord(&map[5]);
    if (deviceNumber < device.deviceBase ||
        deviceNumber - device.deviceBase > device.last - device.first) {
      return Refuse(corvel, "Error T02_3:  Invalid address", kExcl);
    }
    const unsigned number = device.first + (deviceNumber - device.deviceBase);
    out += device.name;
    out += device.octal ? plugin::OctalText(number) : std::to_string(number);
    text = out;
    return true;
  }

  int Compare(const unsigned char* a, const unsigned char* b) const override {
    return plugin::CompareMapFields(a, b, kOrder);
  }
};

}  // namespace

const plugin::AddressGrammar& Grammar() {
  static const PellamGrammar grammar;
  return grammar;
}

}  // namespace orvane::pellam
