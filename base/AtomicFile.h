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
/// temporary file is removed, and error (when given) says why: it names
/// path and gives the system's reason ("cannot write /x/a.ovx: No space left
/// on device").
///
/// - A path that is a symbolic link writes the file the link points to (the
///   link stays a link, and the temporary file goes beside the target); a
///   link to a file that is not there yet creates that file.
/// - A folder that does not exist is refused ("the folder ... does not
///   exist"); nothing is created.
/// - A path that is a folder (or a link to one) is refused before anything
///   is written.
/// - A process killed part-way leaves path as it was and, at most, the
///   hidden temporary file ".NAME.XXXXXX" beside it, which no later save
///   reads or needs.
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

/// The same replacement for a file that is written piece by piece (a trace
/// that grows while a transfer runs): Open makes the temporary file, Write
/// adds to it, Commit puts it in place of path. Until Commit, path keeps its
/// previous content; a writer dropped without Commit removes its temporary
/// file. The first failure is kept: later writes do nothing, and Commit
/// reports it and leaves path as it was.
class AtomicFileWriter {
 public:
  AtomicFileWriter() = default;
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  /// Abandons a file still open, then starts one for path. false with
  /// Error() set when the temporary file cannot be made.
  bool Open(const std::filesystem::path& path, const AtomicWriteCalls& calls = {});
  /// false once a write has failed (Error() says why) or nothing is open.
  bool Write(std::string_view bytes);
  /// Flushes the file, renames it over path and flushes the folder. false
  /// with Error() set when anything failed on the way; path then keeps its
  /// previous content. The writer is closed either way.
  bool Commit();
  /// Closes and removes the temporary file; path is not touched.
  void Abandon();

  bool IsOpen() const { return fd_ >= 0; }
  /// Why the last Open, Write or Commit failed; empty when none did.
  const std::string& Error() const { return error_; }
  /// The path given to Open, as given.
  const std::filesystem::path& Path() const { return shownPath_; }

 private:
  bool Fail(const std::string& what, int code);

  std::filesystem::path shownPath_;  // as the caller named it
  std::filesystem::path path_;       // the file replaced in the end
  std::string temp_;
  int fd_ = -1;
  FileWriteFunction writeSome_;
  FileSyncFunction sync_;
  std::string error_;
#if defined(_WIN32)
  std::string pending_;  // written in one piece at Commit
#endif
};

}  // namespace orvane
