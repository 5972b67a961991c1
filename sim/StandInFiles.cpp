#include "sim/StandInFiles.h"

#include "base/AtomicFile.h"
#include "sim/HexFileWriter.h"

namespace orvane::sim {

RecordFormat DefaultFormat(ImageKind kind) {
  return kind == ImageKind::MultiplexerDriver || kind == ImageKind::MultiplexerFirmware
             ? RecordFormat::SRecords
             : RecordFormat::IntelHex;
}

uint32_t DefaultStartAddress(ImageKind kind) {
  switch (kind) {
    case ImageKind::PanelDriver:
    case ImageKind::PanelBehindMultiplexerDriver:
      return 0x8000;
    case ImageKind::MultiplexerDriver:
      return 0x210000;
    case ImageKind::PanelFirmware:
      return 0;
    case ImageKind::MultiplexerFirmware:
      return 0x10000;
  }
  return 0;
}

std::optional<std::string> StandInFileText(const StandInHeader& header, size_t length,
                                           RecordFormat format, uint32_t start_address) {
  const std::vector<uint8_t> image = MakeStandInImage(header, length);
  if (image.empty()) {
    return std::nullopt;
  }
  if (format == RecordFormat::IntelHex) {
    return WriteIntelHex(image, start_address);
  }
  return WriteSRecords(image, start_address, "ORVANE STAND-IN " + header.name);
}

bool WriteStandInFile(const std::filesystem::path& path, const StandInHeader& header, size_t length,
                      RecordFormat format, uint32_t start_address, std::string& error) {
  const std::optional<std::string> text = StandInFileText(header, length, format, start_address);
  if (!text) {
    error = length < kStandInHeaderSize
                ? "an image needs at least " + std::to_string(kStandInHeaderSize) + " bytes"
                : "the image does not fit the addresses of the file format";
    return false;
  }
  // The tool writes into a staging tree that may not have the folder yet.
  std::error_code code;
  std::filesystem::create_directories(path.parent_path(), code);
  return WriteFileAtomically(path, *text, &error);
}

StandInHeader MakePanelFirmwareHeader(int model, char letter, uint8_t number) {
  StandInHeader header;
  header.kind = ImageKind::PanelFirmware;
  header.family = PanelFamily(model);
  header.deviceModel = static_cast<uint8_t>(model);
  header.firmwareLetter = letter;
  header.firmwareNumber = number;
  header.name = "panel firmware";
  return header;
}

StandInHeader MakeMultiplexerFirmwareHeader(char letter, uint8_t number) {
  StandInHeader header;
  header.kind = ImageKind::MultiplexerFirmware;
  header.family = '4';
  header.deviceModel = 6;
  header.firmwareLetter = letter;
  header.firmwareNumber = number;
  header.name = "multiplexer firmware";
  return header;
}

StandInHeader MakeDriverHeader(ImageKind kind, uint8_t manufacturer, uint8_t plc_model,
                               char revision, const std::string& name) {
  StandInHeader header;
  header.kind = kind;
  header.manufacturer = manufacturer;
  header.plcModel = plc_model;
  header.driverRevision = revision;
  header.name = name;
  return header;
}

}  // namespace orvane::sim
