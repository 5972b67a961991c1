#include "plugins/common/kit/HelpViewer.h"

#include <dlfcn.h>

#include <QDesktopServices>
#include <QUrl>
#include <filesystem>
#include <system_error>

namespace orvane::plugin {
namespace {

// The folder of the module this function was linked into: the plug-in.
std::filesystem::path PluginFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&PluginFolder), &info) == 0 || info.dli_fname == nullptr) {
    return {};
  }
  return std::filesystem::path(info.dli_fname).parent_path();
}

}  // namespace

void OpenHelpFile(CCorvel& corvel, const std::string& helpFile) {
  const std::filesystem::path folder = PluginFolder();
  const std::filesystem::path file = folder / helpFile;
  std::error_code error;
  if (helpFile.empty() || !std::filesystem::is_regular_file(file, error)) {
    const std::string text =
        "The help file " + helpFile + " is not installed in " + folder.string() + ".";
    corvel.OvAfxMessageBox(text.c_str(), CORVEL_MB_ICON_INFORMATION, 0);
    return;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())))) {
    const std::string text =
        "No program on this desktop opens the help file " + file.string() + ".";
    corvel.OvAfxMessageBox(text.c_str(), CORVEL_MB_ICON_INFORMATION, 0);
  }
}

}  // namespace orvane::plugin
