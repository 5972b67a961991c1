// The "Mitsubishi Melsec FX Series" dialog. The FX programming port's line
// settings are fixed; the dialog shows them and edits the timing only.
#include "plugins/Pellam/Pellam.h"
#include "plugins/common/kit/LayoutDialog.h"

namespace orvane::pellam {

void RunAttributeDialog(CCorvel& corvel, const std::string& path) {
  using namespace plugin;
  constexpr bool kDisabled = false;
  const DialogSpec dialogSpec{
      "Mitsubishi Melsec FX Series",
      {
          BaudRateRow("baudRate", "Baud Rate", kDisabled),
          ListRow("parity", "Parity", kParityNoneOddEven, kDisabled),
          ListRow("stopBits", "Stop bits", kStopBits, kDisabled),
          ListRow("dataBits", "Data bits", kDataBits, kDisabled),
          NumberRow("timeOutTime", "Timeout time", 1, 255, "1-255 (x 0.1 sec)"),
          NumberRow("pollTime", "Poll Time", 0, 255, "0-255 (x 0.1 sec)"),
      }};
  RunLayoutDialog(corvel, Identity(), Layout(), dialogSpec, path);
}

}  // namespace orvane::pellam
