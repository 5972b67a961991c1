// The temporary attribute file through which the host and a PLC driver hand
// attribute bytes to each other.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

/// "temp.atr" in a folder of its own that this object creates with mode
/// 0700 under $XDG_RUNTIME_DIR (or the temporary folder when that is unset
/// or unusable). The install directory is not writable for its users, and a
/// fixed name in a shared folder would let another user plant a link there.
/// The file and the folder are removed when the object goes, whatever
/// happened in between.
class TempAttributeFile {
 public:
  TempAttributeFile();
  ~TempAttributeFile();
  TempAttributeFile(const TempAttributeFile&) = delete;
  TempAttributeFile& operator=(const TempAttributeFile&) = delete;

  /// false when no private folder could be made; Path() is then empty.
  bool IsReady() const { return !folder_.empty(); }
  /// The file's full path (it need not exist yet).
  const std::filesystem::path& Path() const { return path_; }
  std::string PathText() const { return path_.string(); }

  /// Replaces the file's content; false when it cannot be written.
  bool Write(const std::vector<unsigned char>& bytes) const;
  /// The file's bytes; nothing when it does not exist or cannot be read.
  std::optional<std::vector<unsigned char>> Read() const;
  /// Removes the file (the folder stays until the object goes).
  void Remove() const;

 private:
  std::filesystem::path folder_;
  std::filesystem::path path_;
};

}  // namespace orvane
