// Attribute files (.atr): the header every driver shares and the plain file
// operations behind the attribute exports.
//
// Header: byte 0 manufacturer code, byte 1 model code, bytes 2 to 31 zero,
// bytes 32 and 33 the count of bytes from offset 32 to the end of the file,
// low byte first. The driver's own attributes start at offset 34.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "plugins/common/kit/DriverDefinition.h"

namespace orvane::plugin {

/// Offset of the first driver-specific byte.
inline constexpr size_t kAttributeBodyOffset = 34;

/// The 34 header bytes of a file whose driver part is bodyLength bytes long.
std::vector<unsigned char> AttributeFileHeader(const DriverIdentity& identity, size_t bodyLength);

/// True when path names a file that can be opened for reading.
bool AttributeFileExists(const std::string& path);

/// True when the file starts with this driver's manufacturer and model code.
bool AttributeFileMatches(const std::string& path, const DriverIdentity& identity);

/// Replaces the file at path with bytes: they are written to a new file
/// beside it, flushed, and renamed over it, so a failed write leaves the
/// old file whole. false when it cannot be written.
bool WriteAttributeFile(const std::string& path, const std::vector<unsigned char>& bytes);

enum class AttributeFileRead { Read, Missing, Unreadable };

/// Reads the whole file. Missing: it cannot be opened; Unreadable: it opens
/// but reading fails.
AttributeFileRead ReadAttributeFile(const std::string& path, std::vector<unsigned char>& bytes);

/// Writes the driver's default attribute file at path, replacing any file
/// there. An empty path shows the "cannot save" message; a file that cannot
/// be written gives false without a message.
bool CreateDefaultAttributeFile(CCorvel& corvel, const DriverDefinition& driver,
                                const std::string& path);

}  // namespace orvane::plugin
