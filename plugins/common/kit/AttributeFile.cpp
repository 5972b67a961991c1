#include "plugins/common/kit/AttributeFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace orvane::plugin {

std::vector<unsigned char> AttributeFileHeader(const DriverIdentity& identity, size_t bodyLength) {
  std::vector<unsigned char> header(kAttributeBodyOffset, 0);
  header[0] = identity.manufacturerCode;
  header[1] = identity.modelCode;
  // The count covers itself (two bytes) and the driver's part.
  const size_t count = bodyLength + 2;
  header[32] = static_cast<unsigned char>(count & 0xFF);
  header[33] = static_cast<unsigned char>((count >> 8) & 0xFF);
  return header;
}

bool AttributeFileExists(const std::string& path) {
  // A folder opens for reading on some platforms but holds no attributes.
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(path, error)) {
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  return in.is_open();
}

bool AttributeFileMatches(const std::string& path, const DriverIdentity& identity) {
  if (!AttributeFileExists(path)) {
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  char identityBytes[3] = {};
  in.read(identityBytes, sizeof identityBytes);
  if (in.gcount() < 2) {
    return false;
  }
  return static_cast<unsigned char>(identityBytes[0]) == identity.manufacturerCode &&
         static_cast<unsigned char>(identityBytes[1]) == identity.modelCode;
}

bool WriteAttributeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  if (path.empty()) {
    return false;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out.is_open()) {
    return false;
  }
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

AttributeFileRead ReadAttributeFile(const std::string& path, std::vector<unsigned char>& bytes) {
  if (!AttributeFileExists(path)) {
    return AttributeFileRead::Missing;
  }
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> content((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
  if (in.bad()) {
    return AttributeFileRead::Unreadable;
  }
  bytes = std::move(content);
  return AttributeFileRead::Read;
}

bool CreateDefaultAttributeFile(CCorvel& corvel, const DriverDefinition& driver,
                                const std::string& path) {
  if (path.empty()) {
    corvel.OvAfxMessageBox("Error M03_7:  Unable to save PLC attributes file (*.atr).",
                           CORVEL_MB_ICON_EXCLAMATION, 0);
    return false;
  }
  return WriteAttributeFile(path, driver.defaultAttributeFile(corvel));
}

}  // namespace orvane::plugin
