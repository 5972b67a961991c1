// Stand-in image files: a stand-in image written as Intel HEX or
// S-records, at the address the program expects for its kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "sim/StandInImage.h"

namespace orvane::sim {

enum class RecordFormat { IntelHex, SRecords };

/// The file format the program reads each kind of image in: Intel HEX for
/// panel-side drivers and panel firmware, S-records for the multiplexer's
/// driver and firmware.
RecordFormat DefaultFormat(ImageKind kind);
/// The address the program expects each kind of image at: 0x8000 panel-side
/// drivers, 0x210000 the multiplexer's driver, 0 panel firmware, 0x10000
/// multiplexer firmware.
uint32_t DefaultStartAddress(ImageKind kind);

/// The file text of a stand-in image; nothing when the length is below the
/// header size or the image does not fit the format's addresses.
std::optional<std::string> StandInFileText(const StandInHeader& header, size_t length,
                                           RecordFormat format, uint32_t start_address);

/// Writes a stand-in image file (atomically); false with error set.
bool WriteStandInFile(const std::filesystem::path& path, const StandInHeader& header, size_t length,
                      RecordFormat format, uint32_t start_address, std::string& error);

/// Header of the panel firmware stand-in for a panel model 1..5.
StandInHeader MakePanelFirmwareHeader(int model, char letter, uint8_t number);
/// Header of the multiplexer firmware stand-in.
StandInHeader MakeMultiplexerFirmwareHeader(char letter, uint8_t number);
/// Header of a driver stand-in of the given kind.
StandInHeader MakeDriverHeader(ImageKind kind, uint8_t manufacturer, uint8_t plc_model,
                               char revision, const std::string& name);

}  // namespace orvane::sim
