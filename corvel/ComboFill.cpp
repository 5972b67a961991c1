// Filling the attribute dialogs' lists.
#include <initializer_list>
#include <string>

#include "corvel/Corvel.h"

namespace {

// In BAUD_ENUM order.
constexpr const char* kBaudTexts[] = {"1200", "2400", "4800", "9600", "19200", "38400"};
constexpr int kBaudCount = static_cast<int>(sizeof kBaudTexts / sizeof kBaudTexts[0]);

void Fill(CCorvelCombo& combo, std::initializer_list<const char*> entries) {
  combo.ResetContent();
  for (const char* entry : entries) {
    combo.AddString(entry);
  }
}

}  // namespace

void CCorvel::InsertParityinCombo(CCorvelCombo& combo) const {
  Fill(combo, {"None", "Odd", "Even"});
}

void CCorvel::InsertStopbitsinCombo(CCorvelCombo& combo) const {
  Fill(combo, {"One", "Two"});
}

void CCorvel::InsertDatabitsInCombo(CCorvelCombo& combo) const {
  Fill(combo, {"Seven", "Eight"});
}

void CCorvel::InsertChecksumTypeInCombo(CCorvelCombo& combo) const {
  Fill(combo, {"BCC", "CRC"});
}

void CCorvel::InsertRS232422485inComboBox(CCorvelCombo& combo) const {
  Fill(combo, {"RS 232", "RS 422", "RS 485"});
}

void CCorvel::InsertAndSelectBaudrateinCombo(CCorvelCombo& combo, BAUD_ENUM baud) {
  // The panel behind a multiplexer (application types other than 0 and 1)
  // cannot talk to the PLC at 1200 or 38400 baud.
  const bool fullList = m_nAppType == 0 || m_nAppType == 1;
  combo.ResetContent();
  for (int rate = 0; rate < kBaudCount; ++rate) {
    if (!fullList && (rate == BAUD_1200 || rate == BAUD_38400)) {
      continue;
    }
    combo.AddString(kBaudTexts[rate]);
  }
  const bool known = baud >= 0 && baud < kBaudCount;
  if (known && combo.SelectString(kBaudTexts[baud]) != CCorvelCombo::kError) {
    return;
  }
  if (combo.SetCurSel(2) != CCorvelCombo::kError) {
    return;
  }
  OvAfxMessageBox("Unable to Select Baud Rate", CORVEL_MB_PLAIN, 0);
}

BAUD_ENUM CCorvel::GetBaudrateFromCombo(const CCorvelCombo& combo) const {
  int selected = combo.GetCurSel();
  if (selected == CCorvelCombo::kError) {
    selected = 0;
  }
  const std::string text = combo.GetLBText(selected);
  for (int rate = 0; rate < kBaudCount; ++rate) {
    if (text == kBaudTexts[rate]) {
      return static_cast<BAUD_ENUM>(rate);
    }
  }
  return BAUD_19200;
}

void CCorvel::RemoveUnwantedBaudRates(CCorvelCombo& /*combo*/) const {
  // InsertAndSelectBaudrateinCombo already leaves out what the application
  // type cannot use.
}
