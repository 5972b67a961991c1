// Think & Do addresses. The user gives either a line of the Think & Do tag
// map ("Tank,7,5,x": the type index and the element in its second and third
// fields, slave 0) or the short form slave, "-", type name and element
// ("1-N5"). Either becomes a Modbus reference ("1-44107"), which is checked
// as such (common/modbus) and stored; the rebuild gives the short form.
//
// Map string (5 bytes): 0 slave (255 none), 1 table index (0 coils, 1
// discrete inputs, 2 input registers, 3 holding registers), 2-3 the number
// within the table (high byte first), 4 bit (0 when there is none).
#include <array>
#include <vector>

#include "plchost/PlcDataTypes.h"
#include "plugins/Tandry/Tandry.h"
#include "plugins/common/kit/AcceptedAddress.h"
#include "plugins/common/kit/AddressText.h"
#include "plugins/common/kit/MapOrder.h"
#include "plugins/common/kit/MapString.h"
#include "plugins/common/kit/Refusal.h"
#include "plugins/common/modbus/ModbusReference.h"

namespace orvane::tandry {
namespace {

using modbus::ModbusTable;
using plugin::ReadQuietly;
using plugin::Refuse;

constexpr unsigned kPlain = CORVEL_MB_PLAIN;
constexpr unsigned kExcl = CORVEL_MB_ICON_EXCLAMATION;
constexpr size_t kMapLength = 5;
constexpr size_t kLongestText = 255;
constexpr size_t kMapLineFields = 6;
constexpr size_t kLongestElement = 5;

const char* const kMapLineMessage =
    "Error T02_3:  Invalid Address (Not getting correct string from T&D map file).";
const char* const kConversionMessage =
    "Error T02_3:  Invalid Address (Error Converting Think and Do Address to Modbus Address).";

// A Think & Do data type: its type index in map lines, its name, and the
// run of references its elements take in one Modbus table.
struct DataType {
  unsigned typeIndex;
  const char* name;
  ModbusTable table;
  uint16_t first;  // the number of element 0 within the table
  uint16_t perElement;
  uint16_t last;  // the last number of the run
};

constexpr DataType kDataTypes[] = {
    {4, "O", modbus::kCoils, 1, 1, 4096},
    {2, "F", modbus::kCoils, 4097, 1, 8192},
    {1, "I", modbus::kDiscreteInputs, 1, 1, 6144},
    {5, "C", modbus::kHoldingRegisters, 1, 1, 2048},
    {19, "FP", modbus::kHoldingRegisters, 2049, 2, 4096},
    {7, "N", modbus::kHoldingRegisters, 4097, 2, 6144},
    {22, "S", modbus::kHoldingRegisters, 6145, 20, 9984},
};

// The reference numbering of each table: 0xxxx, 1xxxx, 3xxxx, 4xxxx.
constexpr uint32_t kTableBase[] = {0, 10000, 30000, 40000};

// Slave, table, number, bit.
constexpr plugin::MapField kOrder[] = {{0, 1}, {1, 1}, {2, 2}, {4, 1}};

const DataType* TypeByIndex(unsigned typeIndex) {
  for (const DataType& type : kDataTypes) {
    if (type.typeIndex == typeIndex) {
      return &type;
    }
  }
  return nullptr;
}

const DataType* TypeByName(const std::string& name) {
  for (const DataType& type : kDataTypes) {
    if (name == type.name) {
      return &type;
    }
  }
  return nullptr;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t comma = line.find(','); comma != std::string::npos; comma = line.find(',', start)) {
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

// A Think & Do address as the Modbus reference text "slave-reference".
bool Convert(CCorvel& corvel, const std::string& text, std::string& reference) {
  uint16_t slave = 0;
  uint16_t element = 0;
  const DataType* type = nullptr;
  if (text.find(',') != std::string::npos) {
    // A map line, whatever its tag name holds: commas never occur in the
    // short form.
    const std::vector<std::string> fields = Fields(text);
    uint16_t typeIndex = 0;
    if (fields.size() < 4 || !ReadQuietly(corvel, fields[1], DT_UNSIGNED_DECIMAL, typeIndex) ||
        !ReadQuietly(corvel, fields[2], DT_UNSIGNED_DECIMAL, element)) {
      return Refuse(corvel, kMapLineMessage, kPlain);
    }
    type = TypeByIndex(typeIndex);
    if (type == nullptr) {
      return Refuse(corvel, kConversionMessage, kExcl);
    }
  } else if (const size_t dash = text.find('-'); dash != std::string::npos) {
    if (!ReadQuietly(corvel, text.substr(0, dash), DT_UNSIGNED_DECIMAL, slave)) {
      return Refuse(corvel, kConversionMessage, kExcl);
    }
    size_t at = dash + 1;
    type = TypeByName(plugin::TakeName(text, at));
    if (type == nullptr) {
      return Refuse(corvel, "Error T02_2:  Invalid Address Type", kExcl);
    }
    const std::string digits = text.substr(at);
    if (digits.size() > kLongestElement) {
      return Refuse(corvel, "Error T02_3:  Invalid Address", kExcl);
    }
    if (!ReadQuietly(corvel, digits, DT_UNSIGNED_DECIMAL, element)) {
      return Refuse(corvel, kConversionMessage, kExcl);
    }
  } else {
    return Refuse(corvel, kMapLineMessage, kPlain);
  }
  // An element past its type's run would land on another type's
  // references: C3000 is no timer, whatever FP element it would hit.
  const uint32_t number = type->first + uint32_t{element} * type->perElement;
  if (number + type->perElement - 1 > type->last) {
    return Refuse(corvel, "Error T02_3:  Invalid Address (Invalid Tandry Index).", kPlain);
  }
  reference = std::to_string(slave) + "-" + std::to_string(kTableBase[type->table] + number);
  return true;
}

bool Format(CCorvel& corvel, const unsigned char* map, std::string& text) {
  std::string out;
  if (!plugin::WriteStationPrefix(corvel, modbus::SlaveRule(), map[0],
                                  {"Error T02_1:  Invalid Station Number", kPlain}, out)) {
    return false;
  }
  const unsigned char table = map[1];
  if (table > modbus::kHoldingRegisters) {
    return Refuse(corvel, "Error T02_2:  Invalid Address Type", kPlain);
  }
  const uint16_t number = plugin::GetWord(&map[2]);
  for (const DataType& type : kDataTypes) {
    if (modbus::IsReferenceNumber(table, number) && type.table == table && number >= type.first &&
        number <= type.last) {
      text = out + type.name + std::to_string((number - type.first) / type.perElement);
      return true;
    }
  }
  return Refuse(corvel, "Error T02_3:  Invalid Address ", kPlain);
}

class TandryGrammar final : public plugin::AddressGrammar {
 public:
  bool Validate(CCorvel& corvel, const plugin::AddressRequest& request,
                PlcAddress& out) const override {
    std::string text = request.text;
    // Fields past the sixth comma take no part.
    size_t comma = 0;
    for (size_t count = 0; count < kMapLineFields && comma != std::string::npos; ++count) {
      comma = text.find(',', count == 0 ? 0 : comma + 1);
    }
    if (comma != std::string::npos) {
      text.resize(comma);
    }
    if (text.size() > kLongestText) {
      return Refuse(corvel,
                    "Error T02_3:  Invalid Address (Length of address string exceeds maximum "
                    "possible address length)",
                    kPlain);
    }
    std::string converted;
    if (!Convert(corvel, text, converted)) {
      return false;
    }
    modbus::ModbusReference reference;
    if (!modbus::ReadModbusReference(corvel, converted, reference)) {
      return false;
    }
    const bool bits =
        reference.table == modbus::kCoils || reference.table == modbus::kDiscreteInputs;
    const bool readOnly =
        reference.table == modbus::kDiscreteInputs || reference.table == modbus::kInputRegisters;
    const int32_t access = readOnly ? PLC_ACCESS_READ_ONLY : PLC_ACCESS_READ_WRITE;
    const bool isBit = bits || reference.hasBit;
    const bool suits =
        isBit ? plc::SuitsBitAddress(request.dataType) : plc::SuitsWordAddress(request.dataType);
    if (!plugin::PassesRequestedChecks(corvel, request, access, suits)) {
      return false;
    }
    std::array<unsigned char, kMapLength> map{};
    map[0] = reference.slave;
    map[1] = reference.table;
    plugin::PutWord(&map[2], reference.number);
    map[4] = reference.bit;
    // The address must come back as text, or the panel's tag could never
    // be shown again.
    CCorvel quiet = corvel;
    quiet.SetDisplayMessages(false);
    std::string rebuilt;
    if (!Format(quiet, map.data(), rebuilt)) {
      return Refuse(corvel, "Error T02_3:  Invalid Address (Unable to rebuild the address).",
                    kExcl);
    }
    plugin::FillAccepted(out, map, access, isBit ? 1 : 0);
    return true;
  }

  bool Rebuild(CCorvel& corvel, PlcAddress& address, std::string& text) const override {
    return Format(corvel, address.mapString, text);
  }

  int Compare(const unsigned char* a, const unsigned char* b) const override {
    return plugin::CompareMapFields(a, b, kOrder);
  }
};

}  // namespace

const plugin::AddressGrammar& Grammar() {
  static const TandryGrammar grammar;
  return grammar;
}

}  // namespace orvane::tandry
