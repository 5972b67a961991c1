// A shared library opened at run time by full path.
#pragma once

#include <string>

namespace orvane {

/// Owns one reference to a library loaded with the platform loader (dlopen
/// with RTLD_NOW | RTLD_LOCAL here, LoadLibrary on Windows). Libraries are
/// always opened by full path, never searched for. Move-only; the destructor
/// releases the reference.
class SharedLibrary {
 public:
  SharedLibrary() = default;
  ~SharedLibrary();
  SharedLibrary(SharedLibrary&& other) noexcept;
  SharedLibrary& operator=(SharedLibrary&& other) noexcept;
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  /// Releases what this object holds, then opens the library at path.
  /// false leaves the object closed, with the loader's reason in Error().
  bool Open(const std::string& path);
  void Close();

  bool IsOpen() const { return handle_ != nullptr; }
  const std::string& Path() const { return path_; }
  const std::string& Error() const { return error_; }

  /// The address of an exported symbol, or nullptr when it is missing.
  void* Symbol(const char* name) const;

  template <typename T>
  T Function(const char* name) const {
    return reinterpret_cast<T>(Symbol(name));
  }

 private:
  void* handle_ = nullptr;
  std::string path_;
  std::string error_;
};

}  // namespace orvane
