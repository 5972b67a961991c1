#include "plchost/DriverCatalog.h"

#include <algorithm>
#include <system_error>

#include "base/InstallDir.h"
#include "plchost/TOvPlcManager2.h"

namespace orvane {
namespace {

std::filesystem::path FolderOrDefault(const std::filesystem::path& folder) {
  return folder.empty() ? PluginDir() : folder;
}

}  // namespace

DriverCatalog::DriverCatalog(std::filesystem::path pluginDir) : pluginDir_(std::move(pluginDir)) {}

DriverCatalog::~DriverCatalog() {
  WaitForCatalog();
}

void DriverCatalog::ScanDrivers() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (scanStarted_) {
    return;
  }
  scanStarted_ = true;
  // The folder is settled here, on the caller's thread, from the install
  // directory as it is now.
  scanner_ = std::thread(&DriverCatalog::Scan, this, FolderOrDefault(pluginDir_));
}

void DriverCatalog::WaitForCatalog() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (scanner_.joinable()) {
    scanner_.join();
  }
}

const std::vector<DriverEntry>& DriverCatalog::Entries() {
  WaitForCatalog();
  return entries_;
}

DriverEntry DriverCatalog::LookupDriver(unsigned manufacturerCode, unsigned modelCode) {
  WaitForCatalog();
  const auto found = index_.find(DriverKey(manufacturerCode, modelCode));
  return found == index_.end() ? DriverEntry{} : entries_[found->second];
}

void DriverCatalog::Scan(const std::filesystem::path& folder) {
  // Runs alone: nobody reads the catalogue before the thread is joined.
  for (const std::filesystem::path& file : LibraryFiles(folder)) {
    DriverEntry entry = Describe(file);
    if (entry.IsEmpty()) {
      continue;
    }
    entries_.push_back(std::move(entry));
    const DriverEntry& added = entries_.back();
    index_[DriverKey(added.manufacturerCode, added.modelCode)] = entries_.size() - 1;
  }
}

DriverEntry DriverCatalog::Describe(const std::filesystem::path& path) {
  const TOvPlcManager2 manager(path.string());
  if (!manager.IsLoaded()) {
    return {};
  }
  DriverEntry entry;
  entry.name = manager.Driver().DriverName();
  if (entry.name.empty()) {
    return {};
  }
  const PlcDetailsInfo details = manager.Driver().DriverDetails();
  entry.path = path.string();
  entry.manufacturerCode = details.manufacturerCode;
  entry.modelCode = details.modelCode;
  entry.mapLength = details.mapLength;
  entry.driverImage = details.driverImage;
  return entry;
}

DriverEntry DriverCatalog::FindDriverFile(unsigned manufacturerCode, unsigned modelCode,
                                          const std::filesystem::path& pluginDir) {
  for (const std::filesystem::path& file : LibraryFiles(FolderOrDefault(pluginDir))) {
    DriverEntry entry = Describe(file);
    if (!entry.IsEmpty() && entry.manufacturerCode == manufacturerCode &&
        entry.modelCode == modelCode) {
      return entry;
    }
  }
  return {};
}

std::vector<std::filesystem::path> DriverCatalog::LibraryFiles(
    const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (it->path().extension() == SharedLibrarySuffix() && !it->is_directory(error)) {
      files.push_back(it->path());
    }
  }
  // A folder listing has no order of its own; the catalogue is in file-name
  // order (the first entry is a new project's PLC).
  std::sort(files.begin(), files.end(),
            [](const std::filesystem::path& a, const std::filesystem::path& b) {
              return a.filename().string() < b.filename().string();
            });
  return files;
}

}  // namespace orvane
