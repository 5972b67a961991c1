// The attribute file and dialog of both Allen-Bradley DF1 full duplex
// drivers: 41 bytes, the shared header, then
//
//   34 baud rate            38 checksum type (0 BCC, 1 CRC)
//   35 parity (0 none, 2 even)  39 time-out, tenths of a second
//   36 stop bits            40 poll time, tenths of a second
//   37 link: always 0 (RS 232)
#pragma once

#include <string>

#include "plugins/common/kit/AttributeLayout.h"
#include "plugins/common/kit/DialogSpec.h"

namespace orvane::df1 {

const plugin::AttributeLayout& FullDuplexLayout();

/// The dialog: baud rate, parity, stop bits, the fixed RS 232 link,
/// checksum type, time-out and poll time, under the driver's title.
plugin::DialogSpec FullDuplexDialog(std::string title);

}  // namespace orvane::df1
