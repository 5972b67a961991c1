#include "link/HexRecordImage.h"

#include <string>

namespace orvane {
namespace {

std::optional<uint8_t> HexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return static_cast<uint8_t>(c - '0');
  }
  if (c >= 'A' && c <= 'F') {
    return static_cast<uint8_t>(c - 'A' + 10);
  }
  if (c >= 'a' && c <= 'f') {
    return static_cast<uint8_t>(c - 'a' + 10);
  }
  return std::nullopt;
}

}  // namespace

std::optional<uint8_t> HexByte(std::string_view text, size_t position) {
  if (position > text.size() || text.size() - position < 2) {
    return std::nullopt;
  }
  const auto high = HexDigit(text[position]);
  const auto low = HexDigit(text[position + 1]);
  if (!high || !low) {
    return std::nullopt;
  }
  return static_cast<uint8_t>(*high << 4 | *low);
}

std::optional<std::vector<uint8_t>> HexBytes(std::string_view text, size_t position) {
  if (position > text.size() || (text.size() - position) % 2 != 0) {
    return std::nullopt;
  }
  std::vector<uint8_t> bytes;
  bytes.reserve((text.size() - position) / 2);
  for (size_t i = position; i < text.size(); i += 2) {
    const auto byte = HexByte(text, i);
    if (!byte) {
      return std::nullopt;
    }
    bytes.push_back(*byte);
  }
  return bytes;
}

bool HexRecordImage::ReadLine() {
  if (!std::getline(file_, line_)) {
    line_.clear();
    return false;
  }
  if (!line_.empty() && line_.back() == '\r') {
    line_.pop_back();
  }
  return true;
}

bool HexRecordImage::PlaceData(uint64_t address, std::span<const uint8_t> data) {
  if (address < expectedAddress_) {
    return false;
  }
  const uint64_t gap = address - expectedAddress_;
  if (gap > kMaxImageBytes || image_.size() + gap + data.size() > kMaxImageBytes) {
    return false;
  }
  image_.insert(image_.end(), static_cast<size_t>(gap), 0xFF);
  image_.insert(image_.end(), data.begin(), data.end());
  expectedAddress_ = address + data.size();
  return true;
}

void HexRecordImage::Invalidate() {
  valid_ = false;
  image_.clear();
  image_.shrink_to_fit();
}

}  // namespace orvane
