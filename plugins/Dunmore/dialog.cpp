// The "DirectLogic DirectNet 330/340" dialog.
#include "plugins/Dunmore/Dunmore.h"
#include "plugins/common/kit/LayoutDialog.h"

namespace orvane::dunmore {

void RunAttributeDialog(CCorvel& corvel, const std::string& path) {
  using namespace plugin;
  const DialogSpec dialogSpec{
      "DirectLogic DirectNet 330/340",
      {
          BaudRateRow(),
          ListRow("parity", "Parity", {{"None", PARITY_NONE}, {"Odd", PARITY_ODD}}),
          ListRow("wiring", "Wiring",
                  {{"RS232", LINK_RS232}, {"RS422", LINK_RS422}, {"RS485", LINK_RS485}}),
          ListRow("controlRts", "Control RTS", kNoYes),
          ListRow("requireCts", "Require CTS", kNoYes),
          NumberRow("dataTimeout", "Data Timeout", 1, 40, "1-40 (sec)"),
          NoteRow("modeSwitchNote", dlogic::kModeSwitchNote),
      }};
  RunLayoutDialog(corvel, Identity(), Layout(), dialogSpec, path);
}

}  // namespace orvane::dunmore
