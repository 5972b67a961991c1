#include "link/BaudRate.h"

#include <atomic>

namespace orvane {
namespace {

std::atomic<int> baudRate{kSinglePanelBaudRate};

}  // namespace

int BaudRateSetting() {
  return baudRate.load();
}

void SetBaudRateSetting(int baud_rate) {
  baudRate.store(baud_rate);
}

}  // namespace orvane
