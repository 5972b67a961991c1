#include "sim/LivePanel.h"

#include "sim/PanelAddressBook.h"
#include "sim/PanelViewOutput.h"
#include "sim/RenderCommand.h"

namespace orvane::sim {

LivePanel::LivePanel(const SimulatedPanel& device) : device_(device), panel_(device.Model()) {
  Reload();
}

LivePanel::~LivePanel() = default;

void LivePanel::Reload() {
  loaded_ = device_.Memory();
  panel_.Load(loaded_, device_.BehindMultiplexer());
  book_ = std::make_unique<PanelAddressBook>(loaded_);
}

bool LivePanel::Follow() {
  if (device_.Memory() == loaded_) {
    return false;
  }
  Reload();
  return true;
}

std::string LivePanel::SetRegister(const std::string& assignment) {
  return ApplyRegister(panel_, *book_, assignment);
}

std::string LivePanel::Key(const std::string& step) {
  return ApplyKey(panel_, step);
}

std::string LivePanel::StateJson() const {
  const AddressNamer name = [this](const TagEntry& entry) { return book_->AddressText(entry); };
  return ViewJson(panel_, panel_.View(), name);
}

}  // namespace orvane::sim
