#include "plugins/common/df1/FullDuplexAttributes.h"

#include <utility>

namespace orvane::df1 {
namespace {

using plugin::AttributeCoding;

constexpr plugin::AttributeField kFields[] = {
    {"baudRate", 34, AttributeCoding::Baud, BAUD_19200},
    {"parity", 35, AttributeCoding::Parity, PARITY_EVEN},
    {"stopBits", 36, AttributeCoding::StopBits, STOP_ONE},
    {"transmit", 37, AttributeCoding::Fixed, LINK_RS232},
    {"checksumType", 38, AttributeCoding::Checksum, CHECKSUM_BCC},
    {"timeOutTime", 39, AttributeCoding::Byte, 30},
    {"pollTime", 40, AttributeCoding::Byte, 0},
};

}  // namespace

const plugin::AttributeLayout& FullDuplexLayout() {
  static const plugin::AttributeLayout layout{41, kFields};
  return layout;
}

plugin::DialogSpec FullDuplexDialog(std::string title) {
  return plugin::DialogSpec{
      std::move(title),
      {
          plugin::BaudRateRow(),
          // Odd parity is not offered; a stored odd parity shows as none.
          plugin::ListRow("parity", "Parity", plugin::kParityNoneEven),
          plugin::ListRow("stopBits", "Stop bits", plugin::kStopBits),
          // The panel's port to the PLC is RS 232 on this link.
          plugin::ListRow("transmit", "Transmit", {{"RS 232", LINK_RS232}}, false),
          plugin::ListRow("checksumType", "Checksum Type", plugin::kChecksumTypes),
          plugin::NumberRow("timeOutTime", "Timeout Time", 1, 255, "1-255 (x 0.1 sec)"),
          plugin::NumberRow("pollTime", "Poll Time", 0, 255, "0-255 (x 0.1 sec)"),
      }};
}

}  // namespace orvane::df1
