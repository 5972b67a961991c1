#include "cli/ProjectDocument.h"

#include "base/InstallDir.h"
#include "base/Settings.h"
#include "cli/DriverSelection.h"
#include "view/DocumentBinding.h"
#include "view/OpenDocument.h"

namespace orvane::cli {

ProjectDocument::ProjectDocument(UserInterface& ui) : ui_(ui), catalog_(PluginDir()) {
  if (corvel_.Open()) {
    corvel_.InstallMessageSink(ui_);
  }
  catalog_.ScanDrivers();
}

bool ProjectDocument::Read(const std::string& path) {
  return OpenProjectDocument(path, project_, ui_, CatalogLookup(catalog_));
}

bool ProjectDocument::Open(const std::string& path, const RefusedAddress& refused) {
  return Read(path) && BindOpenedProject(project_, catalog_.Entries(), ui_, nullptr, refused);
}

DriverEntry ProjectDocument::EntryFor(const std::string& plc) {
  const DriverEntry resolved = ResolveDriver(plc);
  for (const DriverEntry& entry : catalog_.Entries()) {
    if (entry.path == resolved.path) {
      return entry;
    }
  }
  return resolved;
}

bool ProjectDocument::New(int32_t model, bool multiPanel, const std::optional<std::string>& plc) {
  AddFirstPanel(project_, model, multiPanel);
  const std::vector<DriverEntry>& entries = catalog_.Entries();
  size_t chosen = 0;
  if (plc) {
    const DriverEntry wanted = EntryFor(*plc);
    chosen = entries.size();
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].path == wanted.path) {
        chosen = i;
      }
    }
  } else {
    const Settings& settings = AppSettings();
    chosen = DefaultPlcEntry(entries, static_cast<unsigned>(settings.PlcManufacturerId()),
                             static_cast<unsigned>(settings.PlcModelId()));
  }
  return BindNewProject(project_, entries, chosen, ui_);
}

int32_t ValueOr(const std::optional<long>& value, int32_t fallback) {
  return value ? static_cast<int32_t>(*value) : fallback;
}

}  // namespace orvane::cli
