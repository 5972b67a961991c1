// Replacing a file so that a crash or a failed write never leaves it half
// written.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace orvane {

/// Writes content to a new temporary file beside path, flushes it to disk,
/// renames it over path and flushes the folder, so that the new name
/// survives a crash too. On failure path keeps its previous content, the
/// temporary file is removed, and error (when given) says why.
///
/// - A path that is a symbolic link writes the file the link points to (the
///   link stays a link, and the temporary file goes beside the target).
/// - A folder that does not exist is refused ("the folder ... does not
///   exist"); nothing is created.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error = nullptr);

/// One low-level write to an open file: bytes written, or -1 with errno set
/// (the shape of POSIX write()).
using FileWriteFunction = std::function<long(int fd, const char* data, size_t size)>;
/// Flushes an open file or folder to disk: 0, or -1 with errno set (the
/// shape of POSIX fsync()).
using FileSyncFunction = std::function<int(int fd)>;

/// The low-level calls of an atomic write; empty ones are the platform's.
struct AtomicWriteCalls {
  FileWriteFunction writeSome;
  FileSyncFunction sync;
};

/// WriteFileAtomically with the low-level calls given, so that a caller can
/// make a write fail part-way and see the previous file survive, or see
/// what is flushed.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error, const AtomicWriteCalls& calls);
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error, const FileWriteFunction& writeSome);

}  // namespace orvane
