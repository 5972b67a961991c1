#include "app/ShellVersion.h"

namespace orvane {

ShellVersion ShellVersionFrom(const ProgramVersion& version) {
  ShellVersion shell;
  if (version.fromLibrary) {
    shell.text = version.text;
  }
  shell.loadFailed = !version.libraryOpened;
  return shell;
}

}  // namespace orvane
