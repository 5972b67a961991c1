// Stand-in images: the driver and firmware images the simulator, the demo
// and the tests use in place of the panel maker's. Every one begins with a
// small header that names it a stand-in and says what it stands for; the
// simulated devices read their status answers from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::sim {

/// What a stand-in image stands for. The values are the kind byte of the
/// header.
enum class ImageKind : uint8_t {
  PanelDriver = 1,                   // panel-side PLC driver of a single panel (.plx)
  MultiplexerDriver = 2,             // the multiplexer's PLC driver (.plc)
  PanelBehindMultiplexerDriver = 3,  // the panel-side driver behind a multiplexer (multiplexer.plx)
  PanelFirmware = 4,
  MultiplexerFirmware = 5,
};

/// The header, at the very start of the image:
///
///   0..15   "ORVANE STAND-IN" and a 0 byte
///   16      kind (ImageKind)
///   17      header version, 1
///   18..21  drivers: PLC manufacturer code, PLC model code, revision
///           character, 0
///           firmware: family character ('3' text panel, '7' set point
///           panel, '4' multiplexer), model code (1..5, 6 the multiplexer),
///           revision letter, revision number
///   22..53  name, ASCII, padded with spaces
///   54..    filler up to the image length
///
/// Everything a device checks lies in the first 22 bytes, so the first data
/// block of a download carries it.
struct StandInHeader {
  ImageKind kind = ImageKind::PanelDriver;
  // Drivers.
  uint8_t manufacturer = 0;
  uint8_t plcModel = 0;
  char driverRevision = 0;
  // Firmware.
  char family = 0;
  uint8_t deviceModel = 0;
  char firmwareLetter = 0;
  uint8_t firmwareNumber = 0;
  /// At most 32 characters are kept.
  std::string name;

  bool IsDriver() const;
  bool IsFirmware() const;
};

inline constexpr char kStandInMagic[16] = "ORVANE STAND-IN";
inline constexpr uint8_t kStandInVersion = 1;
/// The bytes a device needs to judge an image: magic, kind, version, codes.
inline constexpr size_t kStandInCheckedBytes = 22;
inline constexpr size_t kStandInNameSize = 32;
/// Header length; the smallest stand-in image.
inline constexpr size_t kStandInHeaderSize = kStandInCheckedBytes + kStandInNameSize;

/// A stand-in image of the given length (at least kStandInHeaderSize):
/// the header, then filler bytes that follow from the header, so that two
/// images of different drivers differ throughout. Empty when the length is
/// too short.
std::vector<uint8_t> MakeStandInImage(const StandInHeader& header, size_t length);

/// The header of an image that begins with one; nothing when the first 22
/// bytes are not a stand-in header of a known kind and version. The name is
/// read when the image is long enough to hold it.
std::optional<StandInHeader> ReadStandInHeader(std::span<const uint8_t> image);

/// The family character and model code a panel firmware stand-in carries for
/// a panel model 1..5 ('3' for the text panels, '7' for the set point panel).
char PanelFamily(int model);

/// Whether a firmware revision letter is one users write: A to Z or a to z.
/// The loaders take no firmware image with another, which the status reply
/// and the state file could not carry.
bool IsRevisionLetter(char letter);

/// A firmware revision as users write it: a letter and a number 0..255,
/// "B2" or "B.2". Nothing for anything else.
std::optional<std::pair<char, uint8_t>> ParseFirmwareRevision(std::string_view text);

/// A short description: "panel driver, PLC 1/4 revision C (BriskoPanel)".
std::string DescribeStandIn(const StandInHeader& header);

}  // namespace orvane::sim
