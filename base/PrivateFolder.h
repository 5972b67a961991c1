// A folder only this user can enter, made afresh under the user's runtime
// folder: for files the program hands to other programs (the temporary
// attribute file, the simulated panel's link).
#pragma once

#include <filesystem>
#include <string>

namespace orvane {

/// Makes a new folder named prefix and a random part, with mode 0700, under
/// $XDG_RUNTIME_DIR (or the temporary folder when that is unset or
/// unusable). A fixed name in a shared folder would let another user plant
/// a link there, and mkdtemp makes a name nobody could have prepared.
/// Empty when no folder could be made. The caller removes it.
std::filesystem::path MakePrivateFolder(const std::string& prefix);

}  // namespace orvane
