// A driver's attribute file layout as a table: for every attribute its
// offset, how its byte is coded and its default. The one table gives the
// default file, the reading of a file and the writing of edited values.
//
// Reading takes only the driver's part (from offset 34); a written file
// always carries this driver's header (AttributeFile.h).
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "corvel/Corvel.h"
#include "plugins/common/kit/DriverDefinition.h"

namespace orvane::plugin {

/// How an attribute's value is stored in its byte.
enum class AttributeCoding {
  Byte,        // the byte itself (numbers, codes, reserved bytes kept as read)
  Fixed,       // always the default: never read, always written
  Baud,        // BAUD_ENUM through Corvel's converters
  Parity,      // PARITY_ENUM
  StopBits,    // STOP_ENUM
  DataBits,    // DATA_ENUM
  Link,        // RS232_422_485
  ControlRts,  // CONTROL_RTS
  RequireCts,  // REQUIRE_CTS
  Checksum,    // PLCCHECKSUM_TYPE
};

struct AttributeField {
  const char* name;  // also the object name of its control in the dialog
  size_t offset;
  AttributeCoding coding;
  int defaultValue;  // an enumeration value, or the byte
};

struct AttributeLayout {
  size_t length;  // of the whole file
  std::span<const AttributeField> fields;

  const AttributeField* Find(const char* name) const;
};

/// The values of one layout's attributes (enumeration values or bytes).
class AttributeValues {
 public:
  /// Every attribute at its default.
  explicit AttributeValues(const AttributeLayout& layout);

  /// The value of a named attribute; the layout must have it.
  int Get(const char* name) const;
  void Set(const char* name, int value);

 private:
  size_t IndexOf(const char* name) const;

  const AttributeLayout* layout_;
  std::vector<int> values_;
};

/// Takes the attributes from a file's bytes, at least layout.length of them.
AttributeValues DecodeAttributes(const CCorvel& corvel, const AttributeLayout& layout,
                                 const std::vector<unsigned char>& bytes);

/// The whole file: the driver's header, then every attribute; bytes no
/// attribute covers are 0.
std::vector<unsigned char> EncodeAttributes(const CCorvel& corvel, const DriverIdentity& identity,
                                            const AttributeLayout& layout,
                                            const AttributeValues& values);

/// The file with every attribute at its default.
std::vector<unsigned char> DefaultAttributeBytes(const CCorvel& corvel,
                                                 const DriverIdentity& identity,
                                                 const AttributeLayout& layout);

/// The default file of a driver whose attributes are a layout, for
/// DriverDefinition::defaultAttributeFile.
template <const DriverIdentity& (*identity)(), const AttributeLayout& (*layout)()>
std::vector<unsigned char> DefaultFileOf(const CCorvel& corvel) {
  return DefaultAttributeBytes(corvel, identity(), layout());
}

}  // namespace orvane::plugin
