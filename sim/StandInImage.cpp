#include "sim/StandInImage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace orvane::sim {
namespace {

constexpr size_t kKindOffset = 16;
constexpr size_t kVersionOffset = 17;
constexpr size_t kCodesOffset = 18;
constexpr size_t kNameOffset = kStandInCheckedBytes;

bool KnownKind(uint8_t kind) {
  return kind >= static_cast<uint8_t>(ImageKind::PanelDriver) &&
         kind <= static_cast<uint8_t>(ImageKind::MultiplexerFirmware);
}

const char* KindText(ImageKind kind) {
  switch (kind) {
    case ImageKind::PanelDriver:
      return "panel driver";
    case ImageKind::MultiplexerDriver:
      return "multiplexer driver";
    case ImageKind::PanelBehindMultiplexerDriver:
      return "panel driver behind a multiplexer";
    case ImageKind::PanelFirmware:
      return "panel firmware";
    case ImageKind::MultiplexerFirmware:
      return "multiplexer firmware";
  }
  return "image";
}

}  // namespace

bool StandInHeader::IsDriver() const {
  return kind == ImageKind::PanelDriver || kind == ImageKind::MultiplexerDriver ||
         kind == ImageKind::PanelBehindMultiplexerDriver;
}

bool StandInHeader::IsFirmware() const {
  return !IsDriver();
}

std::vector<uint8_t> MakeStandInImage(const StandInHeader& header, size_t length) {
  if (length < kStandInHeaderSize) {
    return {};
  }
  std::vector<uint8_t> image(length, 0);
  std::memcpy(image.data(), kStandInMagic, sizeof kStandInMagic);
  image[kKindOffset] = static_cast<uint8_t>(header.kind);
  image[kVersionOffset] = kStandInVersion;
  if (header.IsDriver()) {
    image[kCodesOffset] = header.manufacturer;
    image[kCodesOffset + 1] = header.plcModel;
    image[kCodesOffset + 2] = static_cast<uint8_t>(header.driverRevision);
    image[kCodesOffset + 3] = 0;
  } else {
    image[kCodesOffset] = static_cast<uint8_t>(header.family);
    image[kCodesOffset + 1] = header.deviceModel;
    image[kCodesOffset + 2] = static_cast<uint8_t>(header.firmwareLetter);
    image[kCodesOffset + 3] = header.firmwareNumber;
  }
  std::fill_n(image.begin() + kNameOffset, kStandInNameSize, uint8_t{' '});
  std::copy_n(header.name.begin(), std::min(header.name.size(), kStandInNameSize),
              image.begin() + kNameOffset);

  // Filler: a sequence that depends on the checked header bytes, so images
  // of different drivers or revisions differ throughout.
  uint32_t state = 0x9E3779B9u;
  for (size_t i = 0; i < kStandInCheckedBytes; ++i) {
    state = state * 31u + image[i];
  }
  for (size_t i = kStandInHeaderSize; i < length; ++i) {
    state = state * 1103515245u + 12345u;
    image[i] = static_cast<uint8_t>(state >> 16);
  }
  return image;
}

std::optional<StandInHeader> ReadStandInHeader(std::span<const uint8_t> image) {
  if (image.size() < kStandInCheckedBytes ||
      std::memcmp(image.data(), kStandInMagic, sizeof kStandInMagic) != 0 ||
      !KnownKind(image[kKindOffset]) || image[kVersionOffset] != kStandInVersion) {
    return std::nullopt;
  }
  StandInHeader header;
  header.kind = static_cast<ImageKind>(image[kKindOffset]);
  if (header.IsDriver()) {
    header.manufacturer = image[kCodesOffset];
    header.plcModel = image[kCodesOffset + 1];
    header.driverRevision = static_cast<char>(image[kCodesOffset + 2]);
  } else {
    header.family = static_cast<char>(image[kCodesOffset]);
    header.deviceModel = image[kCodesOffset + 1];
    header.firmwareLetter = static_cast<char>(image[kCodesOffset + 2]);
    header.firmwareNumber = image[kCodesOffset + 3];
  }
  if (image.size() >= kStandInHeaderSize) {
    const auto name = image.subspan(kNameOffset, kStandInNameSize);
    header.name.assign(name.begin(), name.end());
    const size_t end = header.name.find_last_not_of(' ');
    header.name.erase(end == std::string::npos ? 0 : end + 1);
  }
  return header;
}

char PanelFamily(int model) {
  return model == 5 ? '7' : '3';
}

bool IsRevisionLetter(char letter) {
  return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
}

std::optional<std::pair<char, uint8_t>> ParseFirmwareRevision(std::string_view text) {
  if (text.empty() || !IsRevisionLetter(text[0])) {
    return std::nullopt;
  }
  std::string_view digits = text.substr(1);
  if (!digits.empty() && digits[0] == '.') {
    digits.remove_prefix(1);
  }
  if (digits.empty() || digits.size() > 3) {
    return std::nullopt;
  }
  unsigned number = 0;
  for (const char digit : digits) {
    if (digit < '0' || digit > '9') {
      return std::nullopt;
    }
    number = number * 10 + static_cast<unsigned>(digit - '0');
  }
  if (number > 255) {
    return std::nullopt;
  }
  return std::pair<char, uint8_t>(text[0], static_cast<uint8_t>(number));
}

std::string DescribeStandIn(const StandInHeader& header) {
  char text[160] = {};
  if (header.IsDriver()) {
    std::snprintf(text, sizeof text, "%s, PLC %d/%d revision %c", KindText(header.kind),
                  header.manufacturer, header.plcModel,
                  header.driverRevision != 0 ? header.driverRevision : '-');
  } else {
    std::snprintf(text, sizeof text, "%s for family '%c' model %d, revision %c.%d",
                  KindText(header.kind), header.family, header.deviceModel, header.firmwareLetter,
                  header.firmwareNumber);
  }
  std::string result = text;
  if (!header.name.empty()) {
    result += " (" + header.name + ")";
  }
  return result;
}

}  // namespace orvane::sim
