// What the simulated devices keep: the records and streams of a project as
// they arrived on the wire, and the firmware they run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>

#include "sim/DeviceProtocol.h"
#include "sim/StandInImage.h"

namespace orvane::sim {

/// Wire message numbers a panel stores: 1..256 for the project's messages,
/// 257..263 for the system messages.
inline constexpr uint16_t kFirstMessageNumber = 1;
inline constexpr uint16_t kLastUserMessageNumber = 256;
inline constexpr uint16_t kLastMessageNumber = 263;

/// A text panel's message record: frame bytes 5..47 of the write (L 49).
inline constexpr size_t kTextRecordSize = 43;
/// A set point entry record: frame bytes 5..39 of the write (L 41).
inline constexpr size_t kSetPointRecordSize = 35;
/// The system attribute record: frame bytes 5..35 of the write (L 37).
inline constexpr size_t kSystemAttributeSize = 31;

/// A panel's memory.
struct PanelMemory {
  /// Wire number -> the record as written: the number (2 bytes, high byte
  /// first) and the fields after it, without the CRC.
  std::map<uint16_t, Bytes> messages;
  /// Frame bytes 5..35 of the last system attribute write.
  std::optional<Bytes> systemAttributes;
  /// The tag map stream as written (full or index form).
  Bytes tagStream;
  /// The PLC attribute record as written (frame bytes from 5 up to the CRC,
  /// inner checksum included); empty when none was written.
  Bytes plcAttributes;
  /// The panel-side driver image last downloaded.
  Bytes driverImage;

  /// Bytes the stored records take, counted against the memory size.
  size_t UsedBytes() const;
  bool IsEmpty() const;
  void Clear();
  bool operator==(const PanelMemory&) const = default;
};

/// A multiplexer's memory.
struct MultiplexerMemory {
  /// The merged tag list, full form, as written.
  Bytes tagStream;
  /// The PLC attribute stream as written, without its inner checksum: the
  /// block with its raised length field.
  Bytes plcStream;
  /// The multiplexer's PLC driver image.
  Bytes driverImage;

  size_t UsedBytes() const;
  bool IsEmpty() const;
  void Clear();
  bool operator==(const MultiplexerMemory&) const = default;
};

/// The firmware a device runs: its revision and the image it was last
/// upgraded with (empty for the firmware it came with).
struct FirmwareSlot {
  char letter = 'B';
  uint8_t number = 0;
  Bytes image;
  bool operator==(const FirmwareSlot&) const = default;
};

/// What a memory of capacity bytes, used bytes of it taken, can still take
/// for a record or stream that replaces one of replaced bytes (counted among
/// the used ones).
size_t SpaceLeft(size_t capacity, size_t used, size_t replaced);

/// The header of a stand-in driver image, when the image is one.
std::optional<StandInHeader> DriverHeader(const Bytes& image);

}  // namespace orvane::sim
