// SHA-256, to fingerprint images (orvane-cli image info).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace orvane {

class Sha256 {
 public:
  using Digest = std::array<uint8_t, 32>;

  Sha256();
  void Update(std::span<const uint8_t> bytes);
  /// The digest of everything given; the object is spent afterwards.
  Digest Finish();

  /// The digest of the bytes as 64 lower-case hexadecimal digits.
  static std::string HexDigest(std::span<const uint8_t> bytes);

 private:
  void Compress(const uint8_t* block);

  std::array<uint32_t, 8> state_;
  std::array<uint8_t, 64> block_{};
  size_t blockUsed_ = 0;
  uint64_t totalBytes_ = 0;
};

}  // namespace orvane
