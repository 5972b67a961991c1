// The attribute dialog life cycle every driver shares: make sure a matching
// file is there, then let the driver's dialog edit it. LaunchObject always
// reports success; the host sees a change by comparing the file's bytes.
#include <QApplication>
#include <QThread>

#include "plugins/common/kit/AttributeFile.h"
#include "plugins/common/kit/ContractOperations.h"
#include "plugins/common/kit/DriverState.h"

namespace orvane::plugin {
namespace {

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
