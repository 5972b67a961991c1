// The "DirectLogic DirectNet (Except 330/340)" dialog.
#include "plugins/Calden/Calden.h"
#include "plugins/common/kit/LayoutDialog.h"

namespace orvane::calden {

void RunAttributeDialog(CCorvel& corvel, const std::string& path) {
  using namespace plugin;
  const DialogSpec dialogSpec{"DirectLogic DirectNet (Except 330/340)",
                              {
                                  BaudRateRow(),
                                  ListRow("parity", "Parity", kParityNoneOddEven),
                                  ListRow("selectRs485", "Select RS485", kNoYes),
                                  ListRow("controlRts", "Control RTS", kNoYes),
                                  ListRow("requireCts", "Require CTS", kNoYes),
                                  NumberRow("dataTimeout", "Data Timeout", 0, 40, "0-40 (sec)"),
                                  NoteRow("modeSwitchNote", dlogic::kModeSwitchNote),
                              }};
  RunLayoutDialog(corvel, Identity(), Layout(), dialogSpec, path);
}

}  // namespace orvane::calden
