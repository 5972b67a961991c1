#include "view/qt/HelpFiles.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <system_error>

#include "base/InstallDir.h"
#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/TOvProject.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// The file is opened by its full path, so the viewer finds it whatever the
// current folder is.
void OpenHelpFile(const fs::path& file, UserInterface& ui) {
  std::error_code error;
  if (fs::is_regular_file(file, error) &&
      QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())))) {
    return;
  }
  ui.Show(FormatText(LoadString(strings::kHelpNotInstalled), file.c_str()), Icon::Information);
}

}  // namespace

void OpenProgramHelp(UserInterface& ui) {
  OpenHelpFile(InstallDir() / "help" / "orvane.html", ui);
}

void OpenPlcHelp(const TOvProject& project, UserInterface& ui) {
  const PlcDetailsInfo details = project.Driver(&ui).DriverDetails();
  OpenHelpFile(PluginDir() / details.helpFile, ui);
}

}  // namespace orvane
