// Constants of the panel protocol: frame layout, message codes, link error
// codes and block phases.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane::protocol {

// Frame layout: AA, L, 10, 01, code, payload, CRC low, CRC high. L counts the
// bytes after the start byte, itself and the CRC included; the whole frame is
// L + 1 bytes and the CRC covers bytes 1 .. L-2.
inline constexpr uint8_t kStartByte = 0xAA;
inline constexpr uint8_t kAddressByte1 = 0x10;
inline constexpr uint8_t kAddressByte2 = 0x01;
inline constexpr size_t kLengthOffset = 1;
inline constexpr size_t kCodeOffset = 4;
inline constexpr size_t kPayloadOffset = 5;
inline constexpr size_t kHeaderSize = 5;
/// The smallest L: header and CRC, no payload (a 7-byte frame).
inline constexpr uint8_t kMinLength = 6;
/// Replies longer than 70 bytes are refused: L must stay below this.
inline constexpr uint8_t kReplyLengthLimit = 70;
/// Commands are built in a buffer of this size.
inline constexpr size_t kCommandBufferSize = 256;
/// Stray bytes skipped before a start byte; one more ends the receive.
inline constexpr int kStrayByteBudget = 100;

// Command codes.
inline constexpr uint8_t kClearMemory = 0x0B;
inline constexpr uint8_t kStatusId = 0x12;
inline constexpr uint8_t kWriteMuxPlcAttributes = 0x29;
inline constexpr uint8_t kReadMuxPlcAttributes = 0x2A;
inline constexpr uint8_t kExecBoot = 0x3E;
inline constexpr uint8_t kExecExec = 0x3F;
inline constexpr uint8_t kReadMessage = 0xB4;
inline constexpr uint8_t kWriteMessage = 0xB5;
inline constexpr uint8_t kReadTags = 0xB6;
inline constexpr uint8_t kWriteTags = 0xB7;
inline constexpr uint8_t kReadSystemAttributes = 0xB8;
inline constexpr uint8_t kWriteSystemAttributes = 0xB9;
inline constexpr uint8_t kLoadPlcDriver = 0xBA;
inline constexpr uint8_t kReadPlcAttributes = 0xBB;
inline constexpr uint8_t kWritePlcAttributes = 0xBC;
inline constexpr uint8_t kLoadExec = 0xBD;
inline constexpr uint8_t kRestart = 0xBE;
inline constexpr uint8_t kSwitchPort = 0xC1;

// Reply codes (a read reply carries the code of its read command).
inline constexpr uint8_t kStandardReply = 0x00;
inline constexpr uint8_t kStatusReply = kStatusId;
inline constexpr uint8_t kMuxPlcAttributesReply = kReadMuxPlcAttributes;
inline constexpr uint8_t kMessageReply = kReadMessage;
inline constexpr uint8_t kTagsReply = kReadTags;
inline constexpr uint8_t kSystemAttributesReply = kReadSystemAttributes;
inline constexpr uint8_t kPlcAttributesReply = kReadPlcAttributes;
/// A status reply with this length byte comes from a multiplexer.
inline constexpr uint8_t kMuxStatusLength = 24;

// Link error codes: produced by the link itself, not by the panel.
inline constexpr int kLinkChecksum = 1;
inline constexpr int kLinkTimeout = 2;
inline constexpr int kLinkInvalidLength = 25;

// Block phases of block commands.
inline constexpr uint8_t kPhaseContinue = 0;
inline constexpr uint8_t kPhaseStart = 1;
inline constexpr uint8_t kPhaseLast = 2;
/// A block carries at most this many data bytes (a frame of at most 60 bytes).
inline constexpr size_t kMaxBlockData = 50;
/// Bit of a block reply's flags byte that marks the last block.
inline constexpr uint8_t kLastBlockFlag = 0x02;

}  // namespace orvane::protocol
