#include "plugins/common/kit/AttributeLayout.h"

#include <cstring>
#include <stdexcept>

#include "plugins/common/kit/AttributeFile.h"

namespace orvane::plugin {
namespace {

int DecodeByte(const CCorvel& corvel, const AttributeField& field, unsigned char byte) {
  switch (field.coding) {
    case AttributeCoding::Byte:
      return byte;
    case AttributeCoding::Fixed:
      return field.defaultValue;
    case AttributeCoding::Baud:
      return corvel.ConvertUnsignedChartoBaudEnum(byte);
    case AttributeCoding::Parity:
      return corvel.ConvertUnsignedChartoParityEnum(byte);
    case AttributeCoding::StopBits:
      return corvel.ConvertUnsignedChartoStopEnum(byte);
    case AttributeCoding::DataBits:
      return corvel.ConvertUnsignedChartoDataEnum(byte);
    case AttributeCoding::Link:
      return corvel.ConvertUnsignedChartoRS232Enum(byte);
    case AttributeCoding::ControlRts:
      return corvel.ConvertUnsignedChartoControlRTSEnum(byte);
    case AttributeCoding::RequireCts:
      return corvel.ConvertUnsignedChartoRequireCTSEnum(byte);
    case AttributeCoding::Checksum:
      return corvel.ConvertUnsignedChartoChecksumEnum(byte);
  }
  return field.defaultValue;
}

unsigned char EncodeValue(const CCorvel& corvel, const AttributeField& field, int value) {
  switch (field.coding) {
    case AttributeCoding::Byte:
      return static_cast<unsigned char>(value);
    case AttributeCoding::Fixed:
      return static_cast<unsigned char>(field.defaultValue);
    case AttributeCoding::Baud:
      return corvel.ConvertBaudrateEnumtoUnsignedChar(static_cast<BAUD_ENUM>(value));
    case AttributeCoding::Parity:
      return corvel.ConvertParityEnumtoUnsignedChar(static_cast<PARITY_ENUM>(value));
    case AttributeCoding::StopBits:
      return corvel.ConvertStopEnumtoUnsignedChar(static_cast<STOP_ENUM>(value));
    case AttributeCoding::DataBits:
      return corvel.ConvertDataEnumtoUnsignedChar(static_cast<DATA_ENUM>(value));
    case AttributeCoding::Link:
      return corvel.ConvertRS232EnumtoUnsignedChar(static_cast<RS232_422_485>(value));
    case AttributeCoding::ControlRts:
      return corvel.ConvertControlRTSEnumtoUnsignedChar(static_cast<CONTROL_RTS>(value));
    case AttributeCoding::RequireCts:
      return corvel.ConvertRequireCTSEnumtoUnsignedChar(static_cast<REQUIRE_CTS>(value));
    case AttributeCoding::Checksum:
      return corvel.ConvertChecksumEnumtoUnsignedChar(static_cast<PLCCHECKSUM_TYPE>(value));
  }
  return static_cast<unsigned char>(field.defaultValue);
}

}  // namespace

const AttributeField* AttributeLayout::Find(const char* name) const {
  for (const AttributeField& field : fields) {
    if (std::strcmp(field.name, name) == 0) {
      return &field;
    }
  }
  return nullptr;
}

AttributeValues::AttributeValues(const AttributeLayout& layout) : layout_(&layout) {
  for (const AttributeField& field : layout.fields) {
    values_.push_back(field.defaultValue);
  }
}

size_t AttributeValues::IndexOf(const char* name) const {
  const AttributeField* field = layout_->Find(name);
  if (field == nullptr) {
    // A driver naming an attribute its own layout lacks is a programming
    // error, found by the driver's first test.
    throw std::logic_error(std::string("no attribute ") + name);
  }
  return static_cast<size_t>(field - layout_->fields.data());
}

int AttributeValues::Get(const char* name) const {
  return values_[IndexOf(name)];
}

void AttributeValues::Set(const char* name, int value) {
  values_[IndexOf(name)] = value;
}

AttributeValues DecodeAttributes(const CCorvel& corvel, const AttributeLayout& layout,
                                 const std::vector<unsigned char>& bytes) {
  AttributeValues values(layout);
  for (const AttributeField& field : layout.fields) {
    if (field.offset < bytes.size()) {
      values.Set(field.name, DecodeByte(corvel, field, bytes[field.offset]));
    }
  }
  return values;
}

std::vector<unsigned char> EncodeAttributes(const CCorvel& corvel, const DriverIdentity& identity,
                                            const AttributeLayout& layout,
                                            const AttributeValues& values) {
  std::vector<unsigned char> bytes =
      AttributeFileHeader(identity, layout.length - kAttributeBodyOffset);
  bytes.resize(layout.length, 0);
  for (const AttributeField& field : layout.fields) {
    bytes[field.offset] = EncodeValue(corvel, field, values.Get(field.name));
  }
  return bytes;
}

std::vector<unsigned char> DefaultAttributeBytes(const CCorvel& corvel,
                                                 const DriverIdentity& identity,
                                                 const AttributeLayout& layout) {
  return EncodeAttributes(corvel, identity, layout, AttributeValues(layout));
}

}  // namespace orvane::plugin
