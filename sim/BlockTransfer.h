// The device's side of the block protocol: receiving a stream written in
// blocks (tag list, driver image, firmware, the multiplexer's PLC attribute
// stream) and sending a stored stream in blocks (tag list, the
// multiplexer's PLC attribute stream).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "sim/DeviceProtocol.h"

namespace orvane::sim {

/// Receives one stream of block write commands: offset 5 the sequence
/// number, 6 the phase, 7 the count, then the data; L = count + 9.
///
/// The rules it keeps:
///  - a start block (phase 1) has sequence 0 and begins a new stream,
///    dropping any unfinished one; it carries no data unless the stream's
///    rules allow it (the multiplexer firmware's first 50 bytes);
///  - data blocks (phase 0) carry exactly 50 bytes with the sequence numbers
///    1, 2, ... (after 255 comes 0);
///  - the end block (phase 2) carries 0 to 49 bytes with the next sequence
///    number and completes the stream;
///  - a data or end block without a started stream: code 4; a wrong
///    sequence number, a wrong block size or an unknown phase: code 11; a
///    count that does not match L: code 8; more bytes than the capacity:
///    code 6. Every refusal drops the unfinished stream.
class BlockReceiver {
 public:
  struct Result {
    uint8_t error = codes::kOk;  // 0 accepted
    bool completed = false;      // the end block was accepted
  };

  /// Takes one block. capacity bounds the stream's total length.
  Result Take(const CommandFrame& command, size_t capacity, bool start_may_carry_data = false);
  /// Takes one block of a stream that replaces stored once it is complete;
  /// the standard reply to the block.
  Bytes TakeInto(const CommandFrame& command, size_t capacity, Bytes& stored);
  /// The same, with the device's check of the completed stream: it may
  /// rewrite the stream into the device's own form and returns the error
  /// code the end block is refused with (0 to store it).
  using StreamCheck = std::function<uint8_t(Bytes& stream)>;
  Bytes TakeInto(const CommandFrame& command, size_t capacity, const StreamCheck& check,
                 Bytes& stored);

  /// Whether a stream has been started and not yet completed or dropped.
  bool Active() const { return active_; }
  /// The bytes of the current stream so far, or of the stream just completed.
  const Bytes& Received() const { return received_; }
  /// Hands out the completed (or partial) stream and forgets it.
  Bytes TakeStream();
  /// Drops the unfinished stream (a refusal of the owner's own checks).
  void Abandon();

 private:
  Result Refuse(uint8_t error);

  Bytes received_;
  uint8_t expectedSequence_ = 0;
  bool active_ = false;
};

/// Whether a block command asks for a new stream (phase 1), whether or not
/// it is then accepted.
bool IsStartBlock(const CommandFrame& command);

/// Sends one stored stream as block read replies: the start request (phase
/// 1, sequence 0) answers with the first block, each further request (phase
/// 0, sequence 1, 2, ...) with the next; the last block carries the
/// last-block flag, and an empty stream is one empty last block. A
/// continuation without a read under way (never started, or past its last
/// block): code 5; a wrong sequence number or unknown phase: code 11 (and
/// the read is over); L other than 8: code 8.
class BlockSender {
 public:
  /// The reply to one read request; stream is what the device holds now
  /// (taken at the start request, so a read sends one consistent stream).
  Bytes Take(const CommandFrame& command, const Bytes& stream);

  bool Active() const { return active_; }
  void Reset();

 private:
  Bytes NextBlock(uint8_t reply_code);

  Bytes stream_;
  size_t offset_ = 0;
  uint8_t expectedSequence_ = 0;
  bool active_ = false;
};

}  // namespace orvane::sim
