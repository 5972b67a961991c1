// Replacing a file so that a crash or a failed write never leaves it half
// written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

/// Writes content to a new temporary file beside path, flushes it to disk
/// and renames it over path. On failure path keeps its previous content, the
/// temporary file is removed, and error (when given) says why. Missing
/// parent folders are created.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string* error = nullptr);

}  // namespace orvane
