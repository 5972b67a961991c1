// Arbitrary bytes as a project file: the reader must end in success or a
// refusal, never in a crash, a leak or an endless loop; a project it accepts
// must write back to a file that reads again to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "base/UserInterface.h"
#include "project/ProjectFile.h"
#include "project/ProjectReader.h"
#include "project/TOvProject.h"
#include "tests/fuzz/support/SilentUserInterface.h"

namespace {

using orvane::fuzzing::SilentUserInterface;

orvane::DriverNameAndPath Lookup(unsigned manufacturer, unsigned model) {
  if (manufacturer == 1 && model == 4) {
    return {"Allen-Bradley SLC 500/MicroLogix DF1(Half Duplex) - Rev C",
            "/opt/orvane/lib/orvane/dll/Brisko.so"};
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SilentUserInterface ui;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  orvane::TOvProject project;
  if (!orvane::ReadProject(in, project, ui, Lookup)) {
    return 0;
  }
  const std::string written = orvane::ProjectFileText(project);
  std::istringstream again(written);
  orvane::TOvProject reread;
  if (!orvane::ReadProject(again, reread, ui, Lookup) ||
      orvane::ProjectFileText(reread) != written) {
    std::abort();
  }
  return 0;
}
