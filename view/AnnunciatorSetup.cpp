#include "view/AnnunciatorSetup.h"

#include "base/StringTable.h"
#include "project/TOvProject.h"

namespace orvane {

std::array<std::string, 2> LampBitNames(int lamp) {
  const int first = 2 * (lamp - 1);
  return {FormatText("BIT%01d", first), FormatText("BIT%01d", first + 1)};
}

std::array<std::string, 4> LampStateLabels(int lamp) {
  const std::array<std::string, 2> bits = LampBitNames(lamp);
  const char* a = bits[0].c_str();
  const char* b = bits[1].c_str();
  return {FormatText("\n%s = 0\n%s = 0", a, b), FormatText("\n%s = 1\n%s = 0", a, b),
          FormatText("\n%s = 0\n%s = 1", a, b), FormatText("\n%s = 1\n%s = 1", a, b)};
}

AnnunciatorSetup::AnnunciatorSetup(TOvProject& project, TOvPanel& panel, UserInterface& ui)
    : project_(project), panel_(panel), ui_(ui), kind_(FieldKindFor(project)) {}

std::string AnnunciatorSetup::WordText() const {
  return FieldTextOf(panel_.annunciatorWord, kind_);
}

bool AnnunciatorSetup::Accept(const std::string& wordText) {
  AddressEntry entry(project_, ui_);
  if (!entry.Enter(wordText, AddressRule{kAccessReadOnly, kDataTypeBinary16, true},
                   panel_.annunciatorWord)) {
    return false;
  }
  project_.changed = true;
  return true;
}

}  // namespace orvane
