// Limits of a project that the editors enforce and the transfer code relies
// on.
#pragma once

#include <cstdint>

namespace orvane {

/// A multiplexer has five ports; a single panel system uses port 1 only.
inline constexpr int kMaxPanels = 5;
inline constexpr int kFirstPort = 1;
inline constexpr int kLastPort = 5;

/// PLC and local messages of one panel together.
inline constexpr int kMaxMessagesPerPanel = 256;
/// Message numbers lie in 1 to 256; local messages count down from 256.
inline constexpr int kMaxMessageNumber = 256;

/// Entries of a panel's tag table (the panel's list of PLC addresses).
inline constexpr int kMaxTagTableEntries = 300;

/// The tag index of an address that is not in the tag table.
inline constexpr int32_t kNoTagIndex = 0xFFFF;

/// Data type codes of addresses and data items.
inline constexpr uint32_t kDataTypeBcd16 = 0;
inline constexpr uint32_t kDataTypeBinary16 = 1;
inline constexpr uint32_t kDataTypeBcd32 = 2;
inline constexpr uint32_t kDataTypeBinary32 = 3;

}  // namespace orvane
