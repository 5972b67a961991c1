#include "base/SharedLibrary.h"

#include <mutex>
#include <utility>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace orvane {
namespace {

// Loads and unloads one at a time across the process. The platform's
// loader serializes them itself, but under a lock of its own that
// ThreadSanitizer cannot see: a library that one thread unloads and another
// thread loads at the same addresses (the driver scan's thread and a
// project's driver) would otherwise look like a race on the library's data.
// Recursive: a library's start-up code may load another.
std::recursive_mutex& LoaderMutex() {
  static std::recursive_mutex mutex;
  return mutex;
}

}  // namespace

SharedLibrary::~SharedLibrary() {
  Close();
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      path_(std::move(other.path_)),
      error_(std::move(other.error_)) {}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, nullptr);
    path_ = std::move(other.path_);
    error_ = std::move(other.error_);
  }
  return *this;
}

bool SharedLibrary::Open(const std::string& path) {
  Close();
  error_.clear();
  const std::lock_guard<std::recursive_mutex> lock(LoaderMutex());
#if defined(_WIN32)
  handle_ =
      reinterpret_cast<void*>(LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  if (handle_ == nullptr) {
    error_ = "LoadLibrary failed with error " + std::to_string(GetLastError());
  }
#else
  // RTLD_LOCAL: every plug-in exports the same names, and one must never
  // resolve its calls into another.
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* reason = dlerror();
    error_ = reason ? reason : "dlopen failed";
  }
#endif
  if (handle_ == nullptr) {
    return false;
  }
  path_ = path;
  return true;
}

void SharedLibrary::Close() {
  if (handle_ != nullptr) {
    const std::lock_guard<std::recursive_mutex> lock(LoaderMutex());
#if defined(_WIN32)
    FreeLibrary(reinterpret_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
    handle_ = nullptr;
  }
  path_.clear();
}

void* SharedLibrary::Symbol(const char* name) const {
  if (handle_ == nullptr) {
    return nullptr;
  }
#if defined(_WIN32)
  return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle_), name));
#else
  return dlsym(handle_, name);
#endif
}

}  // namespace orvane
