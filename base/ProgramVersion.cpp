#include "base/ProgramVersion.h"

#include "base/InstallDir.h"
#include "base/SharedLibrary.h"
#include "verlin/Verlin.h"

namespace orvane {

ProgramVersion LoadProgramVersion() {
  return LoadProgramVersion(InstallLibraryPath("verlin"));
}

ProgramVersion LoadProgramVersion(const std::filesystem::path& library) {
  SharedLibrary verlin;
  if (verlin.Open(library.string())) {
    const auto get = verlin.Function<GetApplicationVersionFn>(VERLIN_SYM_GET_APPLICATION_VERSION);
    if (get != nullptr) {
      // The text is the library's static string: copy it before the library
      // is released.
      const char* text = get();
      return ProgramVersion{text != nullptr ? text : "", true, true};
    }
    return ProgramVersion{BuildVersion(), false, true};
  }
  return ProgramVersion{BuildVersion(), false, false};
}

const char* BuildVersion() {
  return ORVANE_PROJECT_VERSION;
}

}  // namespace orvane
