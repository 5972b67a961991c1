// The PLC of a project: which driver serves it and its communication
// attributes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvane {

/// The attribute file starts with a 32-byte header: manufacturer code,
/// model code, then 30 zero bytes. The communication attribute block the
/// panel receives follows it.
inline constexpr size_t kAttributeHeaderSize = 32;

class TOvPlcInfo {
 public:
  std::string name;        // the driver's display name
  std::string pluginPath;  // full path of the driver library
  int32_t mapLength = 0;   // bytes of one map string of this PLC
  /// The driver's attribute file, byte for byte.
  std::vector<unsigned char> attributeBytes;

  /// Byte 0 of the attributes; 0 when there is none.
  unsigned char ManufacturerCode() const;
  /// Byte 1 of the attributes; 0 when there is none.
  unsigned char ModelCode() const;
  /// The attribute block after the header; empty when the attributes are
  /// no longer than the header.
  std::span<const unsigned char> AttributeBlock() const;

  /// Sets the identity from a driver's codes alone: the attributes become
  /// the bare header (manufacturer, model, 30 zero bytes), and name and path
  /// are those the installed-driver list gives for the two codes.
  void SetIdentity(unsigned char manufacturerCode, unsigned char modelCode, std::string driverName,
                   std::string driverPath);

  /// Equal map lengths, attributes equal byte for byte and equal names.
  bool Equals(const TOvPlcInfo& other) const;
};

}  // namespace orvane
