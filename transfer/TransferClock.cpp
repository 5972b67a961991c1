#include "transfer/TransferClock.h"

#include <chrono>
#include <thread>

namespace orvane {
namespace {

class SleepingClock final : public TransferClock {
 public:
  void Wait_ms(uint32_t duration_ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(duration_ms));
  }
};

}  // namespace

TransferClock& SystemTransferClock() {
  static SleepingClock clock;
  return clock;
}

}  // namespace orvane
