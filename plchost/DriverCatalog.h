// The catalogue of installed PLC drivers: every library in the install
// directory's dll/ folder that names itself, in file-name order, and an
// index by manufacturer and model code.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orvane {

struct DriverEntry {
  std::string name;  // Plc_Name
  std::string path;  // full path of the library
  unsigned char manufacturerCode = 0;
  unsigned char modelCode = 0;
  int mapLength = 0;
  std::string driverImage;  // base name of the panel-side driver image

  bool IsEmpty() const { return name.empty() && path.empty(); }
};

/// The index key of a driver: manufacturer code + 256 x model code.
inline uint16_t DriverKey(unsigned manufacturerCode, unsigned modelCode) {
  return static_cast<uint16_t>((manufacturerCode & 0xFF) + 256 * (modelCode & 0xFF));
}

class DriverCatalog {
 public:
  /// Scans pluginDir; an empty path means the install directory's dll/
  /// folder at the time of the scan.
  explicit DriverCatalog(std::filesystem::path pluginDir = {});
  /// Waits for a running scan.
  ~DriverCatalog();
  DriverCatalog(const DriverCatalog&) = delete;
  DriverCatalog& operator=(const DriverCatalog&) = delete;

  /// Starts filling the catalogue on a thread of its own. Only the first
  /// call scans; the catalogue then stays as it is for the process.
  void ScanDrivers();
  /// Waits until the scan has ended. Later calls return at once.
  void WaitForCatalog();

  /// The drivers found, in file-name order. Waits for the scan.
  const std::vector<DriverEntry>& Entries();
  /// The driver listed for the codes; when two libraries report the same
  /// codes, the later one in the listing. Empty when none. Waits for the
  /// scan.
  DriverEntry LookupDriver(unsigned manufacturerCode, unsigned modelCode);

  /// A fresh scan of pluginDir (empty: the install directory's dll/ folder)
  /// for the first driver, in file-name order, with the codes. Empty when
  /// none.
  static DriverEntry FindDriverFile(unsigned manufacturerCode, unsigned modelCode,
                                    const std::filesystem::path& pluginDir = {});
  /// The files of a folder with the platform's shared-library suffix,
  /// sorted by file name.
  static std::vector<std::filesystem::path> LibraryFiles(const std::filesystem::path& folder);
  /// Loads one library and describes it; empty when it does not load or has
  /// no name.
  static DriverEntry Describe(const std::filesystem::path& path);

 private:
  void Scan(const std::filesystem::path& folder);

  std::filesystem::path pluginDir_;
  std::mutex mutex_;
  std::thread scanner_;
  bool scanStarted_ = false;
  std::vector<DriverEntry> entries_;
  std::map<uint16_t, size_t> index_;
};

}  // namespace orvane
