#include "sim/TagList.h"

#include "sim/RecordFields.h"

namespace orvane::sim {
namespace {

constexpr size_t kHeaderSize = 3;
constexpr size_t kEntryFields = 3;
constexpr uint8_t kPositionLength = 2;

bool KnownType(uint8_t code) {
  switch (static_cast<RegisterType>(code)) {
    case RegisterType::Bcd16:
    case RegisterType::Binary16:
    case RegisterType::Bcd32:
    case RegisterType::Binary32:
      return true;
  }
  return false;
}

}  // namespace

bool IsBcd(RegisterType type) {
  return type == RegisterType::Bcd16 || type == RegisterType::Bcd32;
}

bool Is32Bit(RegisterType type) {
  return type == RegisterType::Bcd32 || type == RegisterType::Binary32;
}

uint32_t LargestValue(RegisterType type) {
  switch (type) {
    case RegisterType::Bcd16:
      return 9999;
    case RegisterType::Binary16:
      return 0xFFFF;
    case RegisterType::Bcd32:
      return 99999999;
    case RegisterType::Binary32:
      break;
  }
  return 0xFFFFFFFF;
}

const char* RegisterTypeName(RegisterType type) {
  switch (type) {
    case RegisterType::Bcd16:
      return "BCD 16";
    case RegisterType::Binary16:
      return "Binary 16";
    case RegisterType::Bcd32:
      return "BCD 32";
    case RegisterType::Binary32:
      break;
  }
  return "Binary 32";
}

const TagEntry* TagList::Entry(uint16_t index) const {
  if (index == 0 || index == kNoTagIndex || index > entries.size()) {
    return nullptr;
  }
  return &entries[index - 1];
}

Decoded<TagList> DecodeTagList(std::span<const uint8_t> stream, bool index_form,
                               size_t max_entries) {
  Decoded<TagList> result;
  TagList& list = result.record;
  if (stream.size() < kHeaderSize) {
    result.error = codes::kInvalidMessageLength;
    return result;
  }
  const size_t count = ReadBig16(stream, 0);
  list.addressLength = stream[2];
  const size_t entrySize = kEntryFields + list.addressLength;
  if (stream.size() != kHeaderSize + count * entrySize) {
    result.error = codes::kInvalidMessageLength;
    return result;
  }
  if (count > max_entries) {
    result.error = codes::kInsufficientSpace;
    return result;
  }
  const bool lengthValid =
      index_form ? list.addressLength == kPositionLength : list.addressLength > 0;
  if (!lengthValid) {
    result.error = codes::kInvalidByte;
    return result;
  }
  for (size_t offset = kHeaderSize; offset < stream.size(); offset += entrySize) {
    TagEntry entry;
    entry.access = stream[offset];
    const uint8_t type = stream[offset + 1];
    const uint8_t wordSize = stream[offset + 2];
    if (entry.access > 2 || !KnownType(type)) {
      result.error = codes::kInvalidByte;
      return result;
    }
    entry.type = static_cast<RegisterType>(type);
    if (wordSize != (Is32Bit(entry.type) ? 4 : 2)) {
      result.error = codes::kInvalidByte;
      return result;
    }
    const auto address = stream.subspan(offset + kEntryFields, list.addressLength);
    entry.address.assign(address.begin(), address.end());
    list.entries.push_back(std::move(entry));
  }
  return result;
}

uint8_t CheckTagStream(Bytes& stream, bool index_form, size_t max_entries) {
  const Decoded<TagList> decoded = DecodeTagList(stream, index_form, max_entries);
  if (decoded.error == codes::kOk) {
    stream = EncodeTagList(decoded.record);
  }
  return decoded.error;
}

Bytes EncodeTagList(const TagList& list) {
  Bytes bytes;
  AppendBig16(bytes, static_cast<uint16_t>(list.entries.size()));
  bytes.push_back(list.addressLength);
  for (const TagEntry& entry : list.entries) {
    bytes.push_back(entry.access);
    bytes.push_back(static_cast<uint8_t>(entry.type));
    bytes.push_back(Is32Bit(entry.type) ? 4 : 2);
    bytes.insert(bytes.end(), entry.address.begin(), entry.address.end());
  }
  return bytes;
}

}  // namespace orvane::sim
