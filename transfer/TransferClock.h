// The clock the transfer sequences wait on: the fixed pauses of a firmware
// upgrade and before the final stage of a write or read.
#pragma once

#include <cstdint>

namespace orvane {

/// Every wait of the sequences goes through this interface, so tests
/// replace it and never sleep.
class TransferClock {
 public:
  virtual ~TransferClock() = default;
  /// Blocks the calling thread for duration_ms.
  virtual void Wait_ms(uint32_t duration_ms) = 0;
};

/// The real clock: sleeps. Shared by every transfer; safe from any thread.
TransferClock& SystemTransferClock();

}  // namespace orvane
