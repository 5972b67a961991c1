// The panel's tag list as one byte stream: what TOvWriteTagCmd carries in
// blocks and TOvReadTagCmd brings back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "link/EncodedStream.h"
#include "project/TOvTag.h"

namespace orvane {

class TOvProject;

/// Full form: each entry carries its address's map string. Index form (the
/// panels behind a multiplexer): each entry carries the position of the
/// address in the multiplexer's merged tag list instead.
enum class TagMapForm { Full, Index };

/// The stream header: the entry count (high byte first) and the address
/// length M (the map length, or 2 in index form).
inline constexpr size_t kTagStreamHeaderSize = 3;
/// Access, data type code and word size in front of each entry's address.
inline constexpr size_t kTagEntryPrefixSize = 3;
/// The address length of the index form: a 16-bit position.
inline constexpr uint8_t kTagIndexAddressLength = 2;

/// The panel's code of a data type: 8 BCD 16, 5 Binary 16, 9 BCD 32,
/// 6 Binary 32, 0xFF for anything else.
uint8_t TagDataTypeCode(uint32_t dataType);
/// The word size in bytes of a data type: 2 for 16-bit, 4 for 32-bit, 0 for
/// anything else.
uint8_t TagWordSize(uint32_t dataType);

/// The full-form stream of a tag list with map strings of mapLength bytes:
/// header, then per tag its access (from the address record), data type
/// code, word size and map string. Refused when mapLength does not fit the
/// header's byte (1 to 255) or the list holds more entries than its 16-bit
/// count.
EncodedStream BuildTagMapStream(const TOvTagTable& tags, int32_t mapLength);

/// The index-form stream: each tag's address is the position (from 0) of
/// the first equal address of mergedList, 16 bits, low byte first. Refused,
/// naming the address, when a tag has no equal entry in mergedList (the
/// entry would have no address bytes and the panel would misread every
/// entry after it) or its position does not fit 16 bits.
EncodedStream BuildIndexedTagMapStream(const TOvTagTable& tags, const TOvTagTable& mergedList);

/// Rebuilds an address text from a decoded tag (its data type and the
/// address record with the map string); the transfer layer passes the PLC
/// driver's. An empty text means the address cannot be rebuilt.
using AddressTextFunction = std::function<std::string(const TOvTag&)>;

enum class TagStreamDecodeError {
  None,
  Truncated,           // the stream is shorter than its header and entries
  MapLengthMismatch,   // full form: M is not the project's map length
  BadAddressLength,    // index form: M is not 2
  UnknownDataType,     // a data type code other than 8, 5, 9, 6
  PositionOutOfRange,  // index form: a position beyond the merged list
  NoAddressText,       // the address text could not be rebuilt
};

/// Decodes a collected stream into tags of project, appended to out in
/// stream order with tag indices 1, 2, ... from out's current size. Full
/// form: the map string is copied (the caller first makes the stream's M
/// the project's map length). Index form: the map string is taken from the
/// merged list entry at the position. Each tag gets its data type from the
/// code, its access into the address record, and its address text from
/// addressText. The first failing entry ends the decode; out then keeps the
/// entries before it. Bytes after the last entry the header counts are not
/// read.
TagStreamDecodeError DecodeTagMapStream(std::span<const uint8_t> stream, TagMapForm form,
                                        const TOvTagTable& mergedList,
                                        const AddressTextFunction& addressText, TOvProject& project,
                                        TOvTagTable& out);

}  // namespace orvane
