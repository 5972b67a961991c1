// The "Think & Do Attributes" dialog.
#include "plugins/Tandry/Tandry.h"
#include "plugins/common/kit/LayoutDialog.h"
#include "plugins/common/modbus/ModbusAttributes.h"

namespace orvane::tandry {

void RunAttributeDialog(CCorvel& corvel, const std::string& path) {
  using namespace plugin;
  const DialogSpec dialogSpec{
      "Think & Do Attributes",
      {
          GroupRow("communications", "Communications Parameters"),
          BaudRateRow(),
          ListRow("protocol", "Protocol", modbus::kProtocols),
          ListRow("parity", "Parity", kParityNoneOddEven),
          ListRow("stopBits", "Stop Bits", kStopBits),
          ListRow("selectRs485", "Select RS485", kNoYes),
          ListRow("controlRts", "Control RTS", kNoYes),
          ListRow("requireCts", "Require CTS", kNoYes),
          EndGroupRow(),
          GroupRow("other", "Other Parameters"),
          NumberRow("defaultPlcSlaveNo", "Default PLC Slave No. ( 1-247 )", 1, 247, ""),
          ListRow("registersPerMessage", "Registers per Message", modbus::kRegistersPerMessage),
          ListRow("coilsPerMessage", "Coils per Message", modbus::kCoilsPerMessage),
          NumberRow("timeOutTime", "TimeOut time ( 1-255 )", 1, 255, "(x 0.1 sec)"),
          NumberRow("pollTime", "Poll Time ( 0-255 )", 0, 255, "(x 0.1 sec)"),
          EndGroupRow(),
          NoteRow("winplcNote",
                  "Note:\nThe WINPLC serial port must be configured for Modbus Slave and be in "
                  "the RUN\nmode in order for a panel to communicate with it."),
      }};
  RunLayoutDialog(corvel, Identity(), Layout(), dialogSpec, path);
}

}  // namespace orvane::tandry
