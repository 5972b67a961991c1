#include "sim/DeviceMemory.h"

namespace orvane::sim {

size_t PanelMemory::UsedBytes() const {
  size_t used = tagStream.size() + plcAttributes.size() + driverImage.size();
  for (const auto& [number, record] : messages) {
    used += record.size();
  }
  if (systemAttributes) {
    used += systemAttributes->size();
  }
  return used;
}

bool PanelMemory::IsEmpty() const {
  return messages.empty() && !systemAttributes && tagStream.empty() && plcAttributes.empty() &&
         driverImage.empty();
}

void PanelMemory::Clear() {
  *this = PanelMemory{};
}

size_t MultiplexerMemory::UsedBytes() const {
  return tagStream.size() + plcStream.size() + driverImage.size();
}

bool MultiplexerMemory::IsEmpty() const {
  return tagStream.empty() && plcStream.empty() && driverImage.empty();
}

void MultiplexerMemory::Clear() {
  *this = MultiplexerMemory{};
}

size_t SpaceLeft(size_t capacity, size_t used, size_t replaced) {
  const size_t othersUse = used - replaced;
  return othersUse >= capacity ? 0 : capacity - othersUse;
}

std::optional<StandInHeader> DriverHeader(const Bytes& image) {
  std::optional<StandInHeader> header = ReadStandInHeader(image);
  if (header && !header->IsDriver()) {
    return std::nullopt;
  }
  return header;
}

}  // namespace orvane::sim
