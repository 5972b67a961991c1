// Replacing a file so that a crash or a failed write never leaves it half
// written.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace orvane {

/// Writes content to a new temporary file beside path, flushes it to disk
/// and renames it over path. On failure path keeps its previous content, the
/// temporary file is removed, and error (when given) says why. Missing
/// parent folders are created.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error = nullptr);

/// One low-level write to an open file: bytes written, or -1 with errno set
/// (the shape of POSIX write()).
using FileWriteFunction = std::function<long(int fd, const char* data, size_t size)>;

/// WriteFileAtomically with the low-level write given, so that a caller can
/// make a write fail part-way and see the previous file survive.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error, const FileWriteFunction& writeSome);

}  // namespace orvane
