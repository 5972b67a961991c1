// The system attribute record of a panel: the PLC words of its keys, LEDs
// and annunciator, its password, line registers and options. Written with
// TOvWriteSysAttrCmd, read back as TOvSysAttrResp and applied to a panel.
#pragma once

#include <cstdint>

#include "link/TOvXCmd.h"

namespace orvane {

class TOvKeyLedConfig;
class TOvPanel;
class TOvSysAttrResp;

/// Code 0xB9, answered with TOvStdResp. L = 37:
/// 5 0x00; 6 the tag index of the button word; 8 of the LED word; 10 of the
/// annunciator word; 12 the key/LED word (KeyLedWord); 14 the tag index of
/// the password register; 16 the local password (32 bits); 20 the tag
/// indices of line registers 1 to 4; 28 the five button actions, one byte
/// each; 33 the first message number; 35 bit 0 PLC message delay, bit 1
/// cursor on PLC messages. Numbers high byte first; every tag index goes
/// out as the address holds it (0xFFFF for none).
class TOvWriteSysAttrCmd : public TOvXCmd {
 public:
  static constexpr uint8_t kLength = 37;

  /// The panel belongs to the caller and must outlive the command.
  explicit TOvWriteSysAttrCmd(const TOvPanel& panel);

 protected:
  bool FillPayload(FrameBuffer frame) override;

 private:
  const TOvPanel& panel_;
};

/// LED k (0 to 4 for LEDs 1 to 5) by its mode: "By Button" sets bit k, "By
/// Button & Flash" bits k and k + 5, "By PLC" neither. Bit 15 is the beeper;
/// bits 10 to 14 stay 0.
uint16_t KeyLedWord(const TOvKeyLedConfig& keysLeds, bool beeperEnabled);

/// Takes a system attribute reply into a panel: the tag indices of the
/// button, LED and annunciator words and the password register; the LED
/// modes from the key/LED word (bit k alone "By Button", bits k and k + 5
/// "By Button & Flash", neither "By PLC", bit k + 5 alone leaves the mode)
/// and the beeper from bit 15; the local password; the line registers 1 to
/// 4 in turn up to the first 0xFFFF (the later ones keep their indices);
/// the five button actions; the first message number; the two option
/// flags. The addresses themselves come later from the tag table.
void ApplySystemAttributes(const TOvSysAttrResp& reply, TOvPanel& panel);

}  // namespace orvane
