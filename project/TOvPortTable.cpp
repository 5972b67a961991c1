#include "project/TOvPortTable.h"

#include <algorithm>

#include "project/TOvPanel.h"

namespace orvane {
namespace {

bool IsPort(int32_t port) {
  return port >= kFirstPort && port <= kLastPort;
}

}  // namespace

int32_t TOvPortTable::Model(int32_t port) const {
  return IsPort(port) ? portModel_[static_cast<size_t>(port - kFirstPort)] : 0;
}

void TOvPortTable::SetModel(int32_t port, int32_t model) {
  if (IsPort(port)) {
    portModel_[static_cast<size_t>(port - kFirstPort)] = model;
  }
}

void TOvPortTable::SetPanel(const TOvPanel& panel) {
  SetModel(panel.portNumber, panel.panelModel);
}

int TOvPortTable::ConfiguredCount() const {
  return static_cast<int>(std::count_if(portModel_.begin(), portModel_.end(),
                                        [](int32_t model) { return model != 0; }));
}

}  // namespace orvane
