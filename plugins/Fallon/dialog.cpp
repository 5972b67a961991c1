// The "Modbus (Koyo Addressing)" dialog.
#include "plugins/Fallon/Fallon.h"
#include "plugins/common/kit/LayoutDialog.h"
#include "plugins/common/modbus/ModbusAttributes.h"

namespace orvane::fallon {

void RunAttributeDialog(CCorvel& corvel, const std::string& path) {
  using namespace plugin;
  DialogRow dcmNote = NoteRow("dcmNote", "(Note: DCM Modules do not support 38.4K baud rate).");
  // The warning matters only while 38400 can be chosen.
  dcmNote.onlyWith38400 = true;
  const DialogSpec dialogSpec{
      "Modbus (Koyo Addressing)",
      {
          NumberRow("defaultPlcSlaveNo", "Default PLC Slave No.", 1, 247, "1-247"),
          BaudRateRow(),
          dcmNote,
          ListRow("protocol", "Protocol", modbus::kProtocols),
          ListRow("parity", "Parity", kParityNoneOddEven),
          ListRow("stopBits", "Stop bits", kStopBits),
          ListRow("selectRs485", "Select RS485", kNoYes),
          ListRow("controlRts", "Control RTS", kNoYes),
          ListRow("requireCts", "Require CTS", kNoYes),
          ListRow("registersPerMessage", "Registers per Message", modbus::kRegistersPerMessage),
          ListRow("coilsPerMessage", "Coils per Message", modbus::kCoilsPerMessage),
          NumberRow("timeOutTime", "Timeout Time", 1, 255, "1-255 (x 0.1 sec)"),
          NumberRow("pollTime", "Poll Time", 0, 255, "0-255 (x 0.1 sec)"),
          NoteRow("modeSwitchNote", dlogic::kModeSwitchNote),
      }};
  RunLayoutDialog(corvel, Identity(), Layout(), dialogSpec, path);
}

}  // namespace orvane::fallon
