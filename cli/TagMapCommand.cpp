// orvane-cli project tagmap: the Think & Do tag map check of a project.
#include <cstdio>

#include "cli/Arguments.h"
#include "cli/ExitStatus.h"
#include "cli/ProjectCommands.h"
#include "cli/ProjectDocument.h"
#include "cli/TerminalUserInterface.h"
#include "project/ProjectFile.h"
#include "project/TOvTandry.h"
#include "view/DocumentBinding.h"

namespace orvane::cli {

int TagMapCommand(const std::vector<std::string>& args) {
  if (args.empty() || args[0] != "check") {
    throw UsageError("project tagmap takes the command check");
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  std::vector<OptionSpec> optionSpecs = {
      {"--map", true, false, ""}, {"--apply", false, false, ""}, {"-o", true, false, "--output"}};
  for (OptionSpec& option : QuestionOptions()) {
    optionSpecs.push_back(option);
  }
  const Arguments options(rest, optionSpecs);
  if (options.Positional().size() != 1) {
    throw UsageError("project tagmap check takes one project FILE");
  }
  const std::string file = options.Positional()[0];
  const bool apply = options.Has("--apply");
  const std::optional<std::string> output = options.Value("-o");
  if (apply && !output) {
    throw UsageError("--apply needs -o OUT");
  }
  const std::optional<std::string> map = options.Value("--map");
  TerminalUserInterface ui;
  ApplyQuestionOptions(options, ui);
  // A map file that is gone is replaced by --map when the user is asked.
  ui.SetOpenFile(map);
  ProjectDocument document(ui);
  TOvProject& project = document.Project();
  if (!LoadProjectFile(file, project, ui, CatalogLookup(document.Catalog()))) {
    return kExitFile;
  }
  if (map && *map != project.tagMapPath) {
    if (!project.LoadTagMap(*map, ui)) {
      return kExitFile;
    }
    project.tagMapPath = *map;
  }
  if (!project.tagMapInUse && !map) {
    std::fprintf(stderr, "%s uses no tag map; name one with --map\n", file.c_str());
    return kExitNegative;
  }
  TOvTandry tandry(project);
  tandry.Reconcile();
  for (const std::string& line : tandry.Log()) {
    std::fputs(line.c_str(), stdout);
  }
  if (!apply) {
    return tandry.LogLineCount() == 0 ? kExitOk : kExitNegative;
  }
  tandry.SetMode(TOvTandry::kApply);
  tandry.Reconcile();
  project.tagMapInUse = true;
  return SaveProjectFile(project, *output, ui) ? kExitOk : kExitFile;
}

}  // namespace orvane::cli
