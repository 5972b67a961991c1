// orvane-bench: the benchmarks of the program's in-process work (Google
// Benchmark's options apply), and "orvane-bench make-project" for the
// projects the benchmarks and scripts/bench.sh measure.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/LargeProject.h"
#include "cli/TerminalUserInterface.h"

namespace {

const char kUsage[] =
    "Usage: orvane-bench [Google Benchmark options]\n"
    "       orvane-bench make-project -o FILE [--panels N] [--messages N] [--items N]\n"
    "                                    [--items-per-panel N]\n"
    "\n"
    "make-project   writes a project of N four-line panels (default 5; 1 is a\n"
    "               single panel system), each with N messages (default 256, a\n"
    "               fifth of them local) showing N data items apiece (default 3);\n"
    "               --items-per-panel: at most N data items a panel, the later\n"
    "               messages showing none (a panel takes 300 addresses)\n"
    "\n"
    "The benchmarks open the project ORVANE_BENCH_PROJECT names.\n";

int MakeProject(int argc, char** argv) {
  orvane::bench::LargeProjectShape shape;
  std::string output;
  for (int i = 2; i < argc; ++i) {
    const std::string option = argv[i];
    if (i + 1 >= argc) {
      std::fputs(kUsage, stderr);
      return 2;
    }
    const char* value = argv[++i];
    if (option == "-o") {
      output = value;
    } else if (option == "--panels") {
      shape.panels = std::atoi(value);
    } else if (option == "--messages") {
      shape.messages = std::atoi(value);
    } else if (option == "--items-per-panel") {
      shape.itemsPerPanel = std::atoi(value);
    } else if (option == "--items") {
      shape.itemsPerMessage = std::atoi(value);
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  if (output.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  orvane::cli::TerminalUserInterface ui;
  return orvane::bench::WriteLargeProject(shape, output, ui) ? 0 : 4;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "make-project") == 0) {
    return MakeProject(argc, argv);
  }
  if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
    std::fputs(kUsage, stdout);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 2;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
