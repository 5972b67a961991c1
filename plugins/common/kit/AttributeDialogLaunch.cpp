// The attribute dialog life cycle every driver shares: make sure a matching
// file is there, then let the driver's dialog edit it. LaunchObject always
// reports success; the host sees a change by comparing the file's bytes.
#include <dlfcn.h>

#include <QApplication>
#include <QThread>

#include "plugins/common/kit/AttributeFile.h"
#include "plugins/common/kit/ContractOperations.h"
#include "plugins/common/kit/DriverState.h"

namespace orvane::plugin {
namespace {

// Qt is loaded with the first driver and stays for the life of the process.
// Its libraries are not made to be unloaded and loaded again (global state,
// exit handlers, thread-local data, and runtimes below them that leak on
// every unload), yet a host loads and releases drivers again and again: the
// catalogue scan alone does it for every driver. The driver itself is still
// released and starts afresh on its next load.
struct KeepQtLoaded {
  KeepQtLoaded() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&QApplication::staticMetaObject), &info) != 0 &&
        info.dli_fname != nullptr) {
      // Takes a reference that is never given back; the library's own
      // dependencies stay with it.
      dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    }
  }
};
const KeepQtLoaded keepQtLoaded;

// Widgets need a QApplication, and only its own thread may create them.
bool DesktopAvailable() {
  const auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  return application != nullptr && QThread::currentThread() == application->thread();
}

}  // namespace

bool LaunchAttributeDialog(const char* path) {
  const std::string file = path != nullptr ? path : "";
  const DriverDefinition& driver = ThisDriver();
  CCorvel corvel = OperationCorvel();
  if (!AttributeFileExists(file) || !AttributeFileMatches(file, driver.identity)) {
    CreateDefaultAttributeFile(corvel, driver, file);
  }
  if (!DesktopAvailable()) {
    // A headless host (orvane-cli, a test) must neither crash nor wait for
    // a dialog nobody can see.
    corvel.OvAfxMessageBox(
        "The PLC attribute dialog needs the desktop program (orvane); the attributes were not "
        "edited.",
        CORVEL_MB_ICON_INFORMATION, 0);
    return true;
  }
  driver.runAttributeDialog(corvel, file);
  return true;
}

}  // namespace orvane::plugin
