// orvane-cli project messages: a text panel's message table as CSV, out of
// a project and back into it, with the checks the message editor's import
// makes.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "base/AtomicFile.h"
#include "cli/Arguments.h"
#include "cli/ExitStatus.h"
#include "cli/ProjectCommands.h"
#include "cli/ProjectDocument.h"
#include "cli/TerminalUserInterface.h"
#include "project/ProjectFile.h"
#include "view/MessageTable.h"

namespace orvane::cli {
namespace {

// The text panel on the port, or nothing after saying why.
TOvPanel* TextPanelOn(TOvProject& project, int32_t port, const std::string& file) {
  for (TOvPanel& panel : project.panels) {
    if (panel.portNumber == port) {
      if (panel.IsSetPoint()) {
        std::fprintf(stderr,
                     "the panel on port %d of %s is a set point panel: its entries are no "
                     "message table\n",
                     port, file.c_str());
        return nullptr;
      }
      return &panel;
    }
  }
  std::fprintf(stderr, "%s has no panel on port %d\n", file.c_str(), port);
  return nullptr;
}

int Export(const std::vector<std::string>& rest) {
  const Arguments args(rest, {{"-o", true, false, "--output"}, {"--port", true, false, ""}});
  const std::string file = OnlyFile(args, "messages export");
  const std::string output = args.Required("-o");
  const int32_t port = ValueOr(args.Integer("--port", kFirstPort, kLastPort), kFirstPort);
  TerminalUserInterface ui;
  ProjectDocument document(ui);
  if (!document.Open(file)) {
    return kExitFile;
  }
  const TOvPanel* panel = TextPanelOn(document.Project(), port, file);
  if (panel == nullptr) {
    return kExitNegative;
  }
  const MessageLists lists = SplitMessages(*panel);
  std::string error;
  if (!WriteFileAtomically(output, ExportMessageTable(document.Project(), lists), &error)) {
    std::fprintf(stderr, "%s: %s\n", output.c_str(), error.c_str());
    return kExitFile;
  }
  std::printf("%s: %zu PLC messages, %zu local messages\n", output.c_str(), lists.plc.size(),
              lists.locals.size());
  return kExitOk;
}

int Import(const std::vector<std::string>& rest) {
  const Arguments args(
      rest,
      {{"-o", true, false, "--output"}, {"--port", true, false, ""}, {"--from", true, false, ""}});
  const std::string file = OnlyFile(args, "messages import");
  const std::string output = args.Required("-o");
  const std::string from = args.Required("--from");
  const int32_t port = ValueOr(args.Integer("--port", kFirstPort, kLastPort), kFirstPort);
  std::ifstream in(from, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "%s cannot be read\n", from.c_str());
    return kExitFile;
  }
  const std::string csv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  TerminalUserInterface ui;
  ProjectDocument document(ui);
  if (!document.Open(file)) {
    return kExitFile;
  }
  TOvProject& project = document.Project();
  TOvPanel* panel = TextPanelOn(project, port, file);
  if (panel == nullptr) {
    return kExitNegative;
  }
  MessageTableImport imported = ImportMessageTable(project, *panel, csv);
  if (!imported.lists) {
    std::fprintf(stderr, "%s: %s", from.c_str(), ImportFaultsText(imported.errors).c_str());
    return kExitNegative;
  }
  const size_t plc = imported.lists->plc.size();
  const size_t locals = imported.lists->locals.size();
  StoreMessages(std::move(*imported.lists), *panel);
  if (!SaveProjectFile(project, output, ui)) {
    return kExitFile;
  }
  std::printf("%s: port %d takes %zu PLC messages, %zu local messages\n", output.c_str(), port, plc,
              locals);
  return kExitOk;
}

}  // namespace

int MessagesCommand(const std::vector<std::string>& args) {
  if (args.empty()) {
    throw UsageError("project messages takes export or import");
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "export") {
    return Export(rest);
  }
  if (args[0] == "import") {
    return Import(rest);
  }
  throw UsageError("unknown project messages command '" + args[0] + "'");
}

}  // namespace orvane::cli
