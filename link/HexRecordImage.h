// What the two image readers share: reading a text file of hexadecimal
// records line by line into one contiguous image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

/// The image holds the data bytes of the records in file order, starting at
/// the expected start address (not at the first record's address); every gap
/// between the end of one record and the next record's address is filled
/// with 0xFF. A record below the expected next address (overlapping or
/// descending records) makes the file invalid, as does an image that would
/// grow beyond kMaxImageBytes. An invalid file leaves the image empty.
class HexRecordImage {
 public:
  /// Far beyond any panel or multiplexer memory; bounds what a far-off
  /// record address can make the reader allocate.
  static constexpr size_t kMaxImageBytes = 16u << 20;

  virtual ~HexRecordImage() = default;
  HexRecordImage(const HexRecordImage&) = delete;
  HexRecordImage& operator=(const HexRecordImage&) = delete;

  bool IsValid() const { return valid_; }
  const std::vector<uint8_t>& Image() const { return image_; }
  size_t ImageLength() const { return image_.size(); }

 protected:
  /// The file belongs to the caller, who opens and closes it.
  HexRecordImage(std::istream& file, uint32_t start_address)
      : file_(file), expectedAddress_(start_address) {}

  /// The next line of the file into Line(), without its line end ("\n" or
  /// "\r\n"); false at the end of the file.
  bool ReadLine();
  const std::string& Line() const { return line_; }
  uint64_t ExpectedAddress() const { return expectedAddress_; }

  /// Appends a record's data at its address, padding a gap with 0xFF; the
  /// expected next address moves past the data. false for a record below the
  /// expected next address or an image grown too large.
  bool PlaceData(uint64_t address, std::span<const uint8_t> data);

  /// Marks the file invalid and empties the image.
  void Invalidate();

 private:
  std::istream& file_;
  std::vector<uint8_t> image_;
  uint64_t expectedAddress_ = 0;
  bool valid_ = true;
  std::string line_;
};

/// The byte of two hexadecimal digits (either letter case) at text[position],
/// or nothing when a digit is missing or is not a hexadecimal digit.
std::optional<uint8_t> HexByte(std::string_view text, size_t position);

/// The bytes of the hexadecimal digit pairs from text[position] to the end;
/// nothing for an odd number of digits or a non-hexadecimal character.
std::optional<std::vector<uint8_t>> HexBytes(std::string_view text, size_t position);

}  // namespace orvane
