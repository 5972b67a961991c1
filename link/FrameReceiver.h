// The state machine that picks one reply frame out of the bytes of the line:
// hunt for the start byte, take the length, collect the body, check the CRC.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "link/Protocol.h"

namespace orvane {

class FrameReceiver {
 public:
  enum class Status { NeedMore, Complete, Failed };

  /// The link's receiver: replies below length 70, 100 stray bytes. A
  /// device that receives commands (the simulator) takes every length up to
  /// 255 with a limit of 256; stray_budget < 0 skips any number of stray
  /// bytes.
  explicit FrameReceiver(int length_limit = protocol::kReplyLengthLimit,
                         int stray_budget = protocol::kStrayByteBudget);

  /// Starts a new frame: a fresh stray-byte budget and an empty buffer.
  void Reset();

  /// Takes the next byte of the line. After Complete or Failed, Reset must be
  /// called before the next frame.
  ///  - before the start byte 0xAA up to 100 stray bytes are skipped; the
  ///    101st fails with the time-out code 2;
  ///  - a length byte below 6 (no room for the header and the CRC) or at the
  ///    limit (70) and above fails with code 25;
  ///  - the body is taken as it comes (0xAA included, there is no escaping);
  ///  - a CRC that does not match fails with code 1.
  /// The buffer is never written past the longest accepted frame (70 bytes
  /// with the link's limit, 256 at most).
  Status Feed(uint8_t byte);

  /// Body bytes still to come once the length byte has arrived; 0 before it
  /// and after the frame.
  size_t BytesToCome() const { return state_ == State::Body ? remaining_ : 0; }

  /// The link error code after Failed: 1, 2 or 25.
  int Error() const { return error_; }

  /// The complete frame after Complete: start byte to CRC, L + 1 bytes.
  std::span<const uint8_t> Frame() const;

 private:
  enum class State { Hunt, Length, Body, Done };

  Status Fail(int error);

  std::array<uint8_t, protocol::kCommandBufferSize> buffer_{};
  int lengthLimit_ = protocol::kReplyLengthLimit;
  int strayBudget_ = protocol::kStrayByteBudget;
  State state_ = State::Hunt;
  int budget_ = protocol::kStrayByteBudget;
  size_t stored_ = 0;     // bytes in buffer_
  size_t remaining_ = 0;  // body bytes still to come
  int error_ = 0;
  bool complete_ = false;
};

}  // namespace orvane
