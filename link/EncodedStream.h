// The result of building a byte stream for the panel: the bytes, or the
// reason they cannot be built.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

/// Either bytes (error empty) or an error text for the user (bytes empty).
/// A stream that cannot be built whole is never half-built: sending a
/// malformed record would leave the panel with data it misreads.
struct EncodedStream {
  std::vector<uint8_t> bytes;
  std::string error;

  bool Ok() const { return error.empty(); }
};

}  // namespace orvane
