// Map strings handed to the host. ValidatePlc allocates them here and the
// host gives them back through ReleaseMapString, so the same runtime frees
// what it allocated.
#pragma once

#include <cstddef>

namespace orvane::plugin {

/// A new buffer holding a copy of length bytes.
unsigned char* AllocateMapString(const unsigned char* bytes, size_t length);

/// Frees a buffer from AllocateMapString; nullptr is ignored.
void FreeMapString(unsigned char* mapString);

}  // namespace orvane::plugin
