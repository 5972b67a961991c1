#include "cli/DriverSelection.h"

#include <stdexcept>
#include <system_error>

#include "base/InstallDir.h"
#include "cli/Arguments.h"

namespace orvane::cli {

const char* const kPlcArgumentHelp =
    "PLC names an installed driver (a plug-in in the install directory's dll/\n"
    "folder): either MFG:MODEL, its manufacturer and model code in decimal (1:4;\n"
    "when two drivers report the same codes, the later one in file-name order),\n"
    "or the plug-in's file name without suffix (Brisko).\n";

namespace {

bool IsFileName(const std::string& text) {
  if (text.empty() || text == "." || text == "..") {
    return false;
  }
  for (const char c : text) {
    if (c == '/' || c == '\\' || c == ':') {
      return false;
    }
  }
  return true;
}

unsigned Code(const std::string& text, const std::string& plc) {
  const std::optional<long> code = ParseNumber(text);
  if (!code || *code < 0 || *code > 255) {
    throw UsageError("PLC '" + plc + "': codes are numbers from 0 to 255");
  }
  return static_cast<unsigned>(*code);
}

}  // namespace

DriverEntry ResolveDriver(const std::string& plc) {
  const std::filesystem::path folder = PluginDir();
  if (const size_t colon = plc.find(':'); colon != std::string::npos) {
    const unsigned manufacturer = Code(plc.substr(0, colon), plc);
    const unsigned model = Code(plc.substr(colon + 1), plc);
    DriverCatalog catalog(folder);
    catalog.ScanDrivers();
    DriverEntry entry = catalog.LookupDriver(manufacturer, model);
    if (entry.IsEmpty()) {
      throw std::runtime_error("no PLC driver for manufacturer " + std::to_string(manufacturer) +
                               ", model " + std::to_string(model) + " in " + folder.string());
    }
    return entry;
  }
  if (!IsFileName(plc)) {
    throw UsageError("PLC '" + plc + "' is neither MFG:MODEL nor a driver's file name");
  }
  const std::filesystem::path file = folder / (plc + SharedLibrarySuffix());
  std::error_code error;
  if (!std::filesystem::exists(file, error)) {
    throw std::runtime_error("no PLC driver " + file.string());
  }
  DriverEntry entry = DriverCatalog::Describe(file);
  if (entry.IsEmpty()) {
    throw std::runtime_error(file.string() + " is not a PLC driver that loads");
  }
  return entry;
}

DriverSession::DriverSession(UserInterface& ui) : ui_(ui) {}

void DriverSession::Open(const std::string& plc) {
  entry_ = ResolveDriver(plc);
  if (corvel_.Open()) {
    corvel_.InstallMessageSink(ui_);
  }
  manager_ = std::make_unique<TOvPlcManager2>(entry_.path, &ui_);
  if (!manager_->IsLoaded()) {
    throw std::runtime_error("cannot load " + entry_.path + ": " + manager_->LoadError());
  }
}

}  // namespace orvane::cli
