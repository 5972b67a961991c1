// The attribute file of the two DirectNET drivers: 40 bytes, the shared
// header, then
//
//   34 baud rate    36 the link (RS 485 selected, or the wiring)
//   35 parity       37 control RTS   38 require CTS
//   39 data time-out in seconds
//
// Each driver gives its defaults and the name of its link attribute.
#pragma once

#include <array>

#include "plugins/common/kit/AttributeLayout.h"

namespace orvane::dlogic {

inline constexpr size_t kDirectNetFileLength = 40;

constexpr std::array<plugin::AttributeField, 6> DirectNetFields(BAUD_ENUM baud, PARITY_ENUM parity,
                                                                const char* linkName,
                                                                int dataTimeout_s) {
  using plugin::AttributeCoding;
  return {{
      {"baudRate", 34, AttributeCoding::Baud, baud},
      {"parity", 35, AttributeCoding::Parity, parity},
      {linkName, 36, AttributeCoding::Link, LINK_RS232},
      {"controlRts", 37, AttributeCoding::ControlRts, CONTROL_RTS_NO},
      {"requireCts", 38, AttributeCoding::RequireCts, REQUIRE_CTS_NO},
      {"dataTimeout", 39, AttributeCoding::Byte, dataTimeout_s},
  }};
}

}  // namespace orvane::dlogic
