// The in-process figures: finding the installed drivers, opening the
// largest project (read, bind its driver, re-validate every address) and
// saving it. The project's path comes from ORVANE_BENCH_PROJECT (the script
// makes it with "orvane-bench make-project").
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "base/InstallDir.h"
#include "cli/TerminalUserInterface.h"
#include "plchost/CorvelLibrary.h"
#include "plchost/DriverCatalog.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"
#include "view/DocumentBinding.h"
#include "view/OpenDocument.h"

namespace orvane::bench {
namespace {

std::filesystem::path ProjectPath() {
  const char* path = std::getenv("ORVANE_BENCH_PROJECT");
  return path != nullptr ? std::filesystem::path(path) : std::filesystem::path();
}

// What the desktop program holds for as long as it runs: Corvel with its
// message sink and the scanned catalogue.
struct Installed {
  cli::TerminalUserInterface ui;
  CorvelLibrary corvel;
  DriverCatalog catalog{PluginDir()};

  Installed() {
    if (corvel.Open()) {
      corvel.InstallMessageSink(ui);
    }
    catalog.ScanDrivers();
    catalog.WaitForCatalog();
  }
};

Installed& TheInstall() {
  static Installed installed;
  return installed;
}

bool OpenProject(Installed& installed, const std::filesystem::path& path, TOvProject& project) {
  return OpenProjectDocument(path, project, installed.ui, CatalogLookup(installed.catalog)) &&
         BindOpenedProject(project, installed.catalog.Entries(), installed.ui);
}

// A fresh catalogue each time: every plug-in in dll/ loaded and described.
void BM_DiscoverDrivers(benchmark::State& state) {
  size_t drivers = 0;
  for (auto _ : state) {
    DriverCatalog catalog(PluginDir());
    catalog.ScanDrivers();
    drivers = catalog.Entries().size();
    benchmark::DoNotOptimize(drivers);
  }
  state.counters["drivers"] = static_cast<double>(drivers);
}
BENCHMARK(BM_DiscoverDrivers)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadAndValidate(benchmark::State& state) {
  Installed& installed = TheInstall();
  const std::filesystem::path path = ProjectPath();
  for (auto _ : state) {
    TOvProject project;
    if (!OpenProject(installed, path, project)) {
      state.SkipWithError(("cannot open " + path.string()).c_str());
      break;
    }
    benchmark::DoNotOptimize(project.panels.data());
  }
}
BENCHMARK(BM_LoadAndValidate)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Save(benchmark::State& state) {
  Installed& installed = TheInstall();
  const std::filesystem::path path = ProjectPath();
  TOvProject project;
  if (!OpenProject(installed, path, project)) {
    state.SkipWithError(("cannot open " + path.string()).c_str());
    return;
  }
  const std::filesystem::path copy = path.parent_path() / "saved-copy.ovx";
  for (auto _ : state) {
    if (!SaveProjectFile(project, copy, installed.ui)) {
      state.SkipWithError(("cannot save " + copy.string()).c_str());
      break;
    }
  }
  std::filesystem::remove(copy);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace orvane::bench
