#include "link/TagMapStream.h"

#include <algorithm>
#include <array>
#include <optional>

#include "project/TOvProject.h"

namespace orvane {
namespace {

constexpr size_t kMaxEntries = 0xFFFF;
constexpr uint8_t kUnknownDataTypeCode = 0xFF;
constexpr const char* kBuildFailed = "Error in building the tag list: ";

void PutHeader(std::vector<uint8_t>& stream, size_t count, uint8_t addressLength) {
  stream.push_back(static_cast<uint8_t>(count >> 8));
  stream.push_back(static_cast<uint8_t>(count & 0xFF));
  stream.push_back(addressLength);
}

void PutEntryPrefix(std::vector<uint8_t>& stream, const TOvTag& tag) {
  stream.push_back(static_cast<uint8_t>(tag.plcAddress().access));
  stream.push_back(TagDataTypeCode(tag.dataType));
  stream.push_back(TagWordSize(tag.dataType));
}

EncodedStream Refused(std::string reason) {
  return EncodedStream{{}, kBuildFailed + std::move(reason)};
}

std::optional<uint32_t> DataTypeOfCode(uint8_t code) {
  switch (code) {
    case 8:
      return kDataTypeBcd16;
    case 5:
      return kDataTypeBinary16;
    case 9:
      return kDataTypeBcd32;
    case 6:
      return kDataTypeBinary32;
    default:
      return std::nullopt;
  }
}

}  // namespace

uint8_t TagDataTypeCode(uint32_t dataType) {
  switch (dataType) {
    case kDataTypeBcd16:
      return 8;
    case kDataTypeBinary16:
      return 5;
    case kDataTypeBcd32:
      return 9;
    case kDataTypeBinary32:
      return 6;
    default:
      return kUnknownDataTypeCode;
  }
}

uint8_t TagWordSize(uint32_t dataType) {
  switch (dataType) {
    case kDataTypeBcd16:
    case kDataTypeBinary16:
      return 2;
    case kDataTypeBcd32:
    case kDataTypeBinary32:
      return 4;
    default:
      return 0;
  }
}

EncodedStream BuildTagMapStream(const TOvTagTable& tags, int32_t mapLength) {
  if (mapLength < 1 || mapLength > PLC_MAP_STRING_CAPACITY) {
    return Refused("the PLC's address length " + std::to_string(mapLength) +
                   " cannot be sent to a panel");
  }
  if (tags.size() > kMaxEntries) {
    return Refused(std::to_string(tags.size()) + " addresses do not fit one tag list");
  }
  const auto length = static_cast<size_t>(mapLength);
  EncodedStream result;
  result.bytes.reserve(kTagStreamHeaderSize + tags.size() * (kTagEntryPrefixSize + length));
  PutHeader(result.bytes, tags.size(), static_cast<uint8_t>(length));
  for (const TOvTag& tag : tags) {
    PutEntryPrefix(result.bytes, tag);
    // The storage holds PLC_MAP_STRING_CAPACITY bytes whatever the tag's
    // own project says, so mapLength bytes can always be read.
    result.bytes.insert(result.bytes.end(), tag.MapString(), tag.MapString() + length);
  }
  return result;
}

EncodedStream BuildIndexedTagMapStream(const TOvTagTable& tags, const TOvTagTable& mergedList) {
  if (tags.size() > kMaxEntries) {
    return Refused(std::to_string(tags.size()) + " addresses do not fit one tag list");
  }
  EncodedStream result;
  result.bytes.reserve(kTagStreamHeaderSize +
                       tags.size() * (kTagEntryPrefixSize + kTagIndexAddressLength));
  PutHeader(result.bytes, tags.size(), kTagIndexAddressLength);
  for (const TOvTag& tag : tags) {
    const auto found = std::find_if(mergedList.begin(), mergedList.end(),
                                    [&tag](const TOvTag& entry) { return entry.Equals(tag); });
    if (found == mergedList.end()) {
      return Refused("the PLC address " + tag.addressText +
                     " is not in the multiplexer's tag list");
    }
    const auto position = static_cast<size_t>(found - mergedList.begin());
    if (position > 0xFFFF) {
      return Refused("the PLC address " + tag.addressText +
                     " lies beyond the positions a panel can refer to");
    }
    PutEntryPrefix(result.bytes, tag);
    result.bytes.push_back(static_cast<uint8_t>(position & 0xFF));
    result.bytes.push_back(static_cast<uint8_t>(position >> 8));
  }
  return result;
}

TagStreamDecodeError DecodeTagMapStream(std::span<const uint8_t> stream, TagMapForm form,
                                        const TOvTagTable& mergedList,
                                        const AddressTextFunction& addressText, TOvProject& project,
                                        TOvTagTable& out) {
  if (stream.size() < kTagStreamHeaderSize) {
    return TagStreamDecodeError::Truncated;
  }
  const size_t count = static_cast<size_t>(stream[0]) << 8 | stream[1];
  const size_t addressLength = stream[2];
  if (form == TagMapForm::Full && static_cast<int32_t>(addressLength) != project.plc.mapLength) {
    return TagStreamDecodeError::MapLengthMismatch;
  }
  if (form == TagMapForm::Index && addressLength != kTagIndexAddressLength) {
    return TagStreamDecodeError::BadAddressLength;
  }
  const size_t entrySize = kTagEntryPrefixSize + addressLength;
  for (size_t i = 0; i < count; ++i) {
    const size_t at = kTagStreamHeaderSize + i * entrySize;
    if (at > stream.size() || stream.size() - at < entrySize) {
      return TagStreamDecodeError::Truncated;
    }
    const std::span<const uint8_t> entry = stream.subspan(at, entrySize);
    const std::optional<uint32_t> dataType = DataTypeOfCode(entry[1]);
    if (!dataType) {
      return TagStreamDecodeError::UnknownDataType;
    }
    // The map string is staged in a buffer of the full capacity, so the
    // tag copies its map length from it whatever M is.
    std::array<unsigned char, PLC_MAP_STRING_CAPACITY> map{};
    if (form == TagMapForm::Full) {
      std::copy(entry.begin() + kTagEntryPrefixSize, entry.end(), map.begin());
    } else {
      const size_t position = static_cast<size_t>(entry[4]) << 8 | entry[3];
      if (position >= mergedList.size()) {
        return TagStreamDecodeError::PositionOutOfRange;
      }
      std::copy_n(mergedList[position].MapString(), map.size(), map.begin());
    }
    TOvTag tag(&project);
    tag.dataType = *dataType;
    PlcAddress record{};
    record.mapString = map.data();
    record.access = entry[0];
    tag.SetPlcAddress(record);
    tag.addressText = addressText(tag);
    if (tag.addressText.empty()) {
      return TagStreamDecodeError::NoAddressText;
    }
    tag.tagIndex = static_cast<int32_t>(out.size() + 1);
    out.push_back(std::move(tag));
  }
  return TagStreamDecodeError::None;
}

}  // namespace orvane
