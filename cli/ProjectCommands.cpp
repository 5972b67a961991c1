// orvane-cli project: project files, as the desktop program's document and
// main view handle them.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/StringTable.h"
#include "cli/Arguments.h"
#include "cli/CommandGroups.h"
#include "cli/DriverSelection.h"
#include "cli/ExitStatus.h"
#include "cli/Json.h"
#include "cli/ProjectCommands.h"
#include "cli/ProjectDocument.h"
#include "cli/TerminalUserInterface.h"
#include "plchost/AddressConversionLog.h"
#include "project/ProjectFile.h"
#include "transfer/WriteChecks.h"
#include "view/DocumentBinding.h"
#include "view/PanelTransferCommands.h"
#include "view/PlcChange.h"

namespace orvane::cli {

std::string OnlyFile(const Arguments& args, const char* command) {
  if (args.Positional().size() != 1) {
    throw UsageError(std::string("project ") + command + " takes one project FILE");
  }
  return args.Positional()[0];
}

namespace {

const char* const kUsage =
    "Usage: orvane-cli project new -o FILE [--plc PLC] [--model 1..5] [--multi]\n"
    "       orvane-cli project info FILE [--json]\n"
    "       orvane-cli project check FILE\n"
    "       orvane-cli project show FILE [--json]\n"
    "       orvane-cli project diff A B [--json]\n"
    "       orvane-cli project save FILE -o OUT [--backup PATH]\n"
    "       orvane-cli project set-plc FILE --plc PLC -o OUT [--attributes FILE.atr]\n"
    "                                  [--map MAP] [--log LOG]\n"
    "       orvane-cli project export-panel FILE --port N -o OUT\n"
    "       orvane-cli project import-panel FILE --from OTHER [--from-port N]\n"
    "                                       [--port N] -o OUT\n"
    "       orvane-cli project tagmap check FILE [--map MAP] [--apply -o OUT]\n"
    "       orvane-cli project report FILE -o OUT.pdf [--port N] [--landscape]\n"
    "                                 [--mono] [--letter]\n"
    "       orvane-cli project messages export FILE [--port N] -o OUT.csv\n"
    "       orvane-cli project messages import FILE [--port N] --from IN.csv -o OUT\n"
    "\n"
    "new            a new project as the desktop program starts one: one panel\n"
    "               (model 1 unless --model) on port 1, the PLC named by --plc\n"
    "               (else the settings' PLC-ManID/PLC-ModID, else the first\n"
    "               installed driver) with its default attributes; --multi makes\n"
    "               a multi-panel system with that panel on port 1\n"
    "info           system type, panels (port, model, PLC and local messages,\n"
    "               address count), PLC name and codes, map length, tag map use;\n"
    "               --json prints one JSON object\n"
    "check          loads the project, binds its driver and lists everything a\n"
    "               write would refuse it for: addresses the driver does not\n"
    "               accept, texts longer than the panel shows, data items with\n"
    "               more digits than their data type has, tag lists and PLC\n"
    "               attributes that cannot be built, a missing or invalid\n"
    "               panel-side driver image\n"
    "show           everything in the project as a person reads it: each panel\n"
    "               with its settings, system addresses, keys and LEDs, and each\n"
    "               message (number, PLC or local, folder depth, the text with\n"
    "               each data item's digits as 1, 2, 3 and the decimal point as\n"
    "               \".\", each item's address, data type, access and options);\n"
    "               the PLC with its attribute bytes; the tag map\n"
    "diff           the difference list Verify prints, with A in the place of\n"
    "               the PC's project and B in the panel's; exit 0 the same,\n"
    "               1 different, 4 a file could not be read\n"
    "save           loads and saves (a file of the previous version comes out\n"
    "               current); --backup PATH answers the backup question with a\n"
    "               copy of the old file at PATH (without it: no copy)\n"
    "set-plc        changes the project's PLC. Compatible PLCs convert every\n"
    "               address (the conversion log is printed; --log writes it as a\n"
    "               text file); others clear every address. Where the desktop\n"
    "               program opens the new driver's attribute dialog, the project\n"
    "               takes the new driver's default attributes, or the attribute\n"
    "               file --attributes names. A Think & Do PLC needs a tag map:\n"
    "               --map names it when the project has none.\n"
    "export-panel   writes the panel on port N as a single panel project\n"
    "import-panel   puts a panel of OTHER (from a multi-panel file: the one on\n"
    "               --from-port) on port --port (default 1) of FILE; a panel\n"
    "               there is replaced only after the question (--yes)\n"
    "tagmap check   compares the project's addresses with its Think & Do tag map\n"
    "               (--map: another map file) and prints the log; --apply renames\n"
    "               and clears the addresses as the log says and saves to OUT\n"
    "report         the documentation report the desktop program prints, as a PDF\n"
    "               (no display needed): the summary page and the message tables\n"
    "               of the current panel (--port: the panel on port N); A4\n"
    "               portrait in colour unless --letter, --landscape, --mono\n"
    "messages       the message table of the text panel on port N (default 1) as\n"
    "               CSV: export writes one row per message (number, PLC or Local,\n"
    "               depth, folder, the text with each run of a data item's digits\n"
    "               in braces, \"{1111}\", the decimal point as \".\" in item 1's\n"
    "               run and a literal \"{\" doubled, then each item's address, data\n"
    "               type, access, limits, password, leading zeros and decimal point\n"
    "               register); import checks every row (numbers, the tree, lengths,\n"
    "               digits, addresses through the PLC driver, the panel's limits),\n"
    "               replaces the panel's messages and saves to OUT, or lists every\n"
    "               row's fault and changes nothing (exit 1)\n"
    "\n"
    "  -o, --output FILE   the file to write (replaced atomically)\n"
    "  --yes, --no         the answer to the program's questions (without them\n"
    "                      each question takes its default answer)\n"
    "\n"
    "Messages are printed with their exact text on standard error.\n"
    "\n"
    "Exit status: 0 done (check: nothing found; tagmap check: nothing to\n"
    "report); 1 the answer is no (a problem found, a log to report, a\n"
    "question answered no, nothing imported, the PLC not changed); 2 bad command\n"
    "line; 4 a file could not be read, written or understood.\n";

std::vector<OptionSpec> WithQuestions(std::vector<OptionSpec> optionSpecs) {
  for (OptionSpec& option : QuestionOptions()) {
    optionSpecs.push_back(option);
  }
  return optionSpecs;
}

int SaveTo(TOvProject& project, const std::string& path, UserInterface& ui) {
  return SaveProjectFile(project, path, ui) ? kExitOk : kExitFile;
}

// --- new -------------------------------------------------------------------

int New(const std::vector<std::string>& rest) {
  const Arguments args(rest, {{"-o", true, false, "--output"},
                              {"--plc", true, false, ""},
                              {"--model", true, false, ""},
                              {"--multi", false, false, ""}});
  if (!args.Positional().empty()) {
    throw UsageError("project new takes no FILE; name it with -o");
  }
  const std::string output = args.Required("-o");
  const int32_t model = ValueOr(args.Integer("--model", kModelOv200, kModelOvSP), kModelOv200);
  TerminalUserInterface ui;
  ProjectDocument document(ui);
  if (!document.New(model, args.Has("--multi"), args.Value("--plc"))) {
    return kExitFile;
  }
  TOvProject& project = document.Project();
  if (SaveTo(project, output, ui) != kExitOk) {
    return kExitFile;
  }
  std::printf("%s: %s panel on port 1, PLC %s\n", output.c_str(),
              project.panels.front().ModelName().c_str(), project.plc.name.c_str());
  return kExitOk;
}

// --- info ------------------------------------------------------------------

struct PanelSummary {
  int32_t port = 0;
  std::string model;
  int plcMessages = 0;
  int localMessages = 0;
  int addresses = 0;
};

PanelSummary Summarise(const TOvPanel& panel) {
  PanelSummary summary;
  summary.port = panel.portNumber;
  summary.model = panel.ModelName();
  for (const TOvMessage& message : panel.messages) {
    (message.isPlcMessage != 0 ? summary.plcMessages : summary.localMessages)++;
  }
  summary.addresses = panel.AddressCount();
  return summary;
}

void PrintInfoText(const std::string& file, const TOvProject& project) {
  std::printf("File: %s\n", file.c_str());
  if (project.systemMode == kMultiPanelSystem) {
    std::printf("System: multi-panel system, selected port %d\n", project.portTable.selectedPort);
  } else {
    std::printf("System: single panel system\n");
  }
  std::printf("PLC: %s (manufacturer %u, model %u)\n", project.plc.name.c_str(),
              project.plc.ManufacturerCode(), project.plc.ModelCode());
  std::printf("Map length: %d\n", project.plc.mapLength);
  std::printf("Attribute bytes: %zu\n", project.plc.attributeBytes.size());
  if (project.tagMapInUse) {
    std::printf("Tag map: %s\n", project.tagMapPath.c_str());
  } else {
    std::printf("Tag map: not in use\n");
  }
  std::printf("Panels: %zu\n", project.panels.size());
  for (const TOvPanel& panel : project.panels) {
    const PanelSummary summary = Summarise(panel);
    std::printf("  Port %d: %s, %d PLC messages, %d local messages, %d addresses\n", summary.port,
                summary.model.c_str(), summary.plcMessages, summary.localMessages,
                summary.addresses);
  }
}

std::string InfoJson(const std::string& file, const TOvProject& project) {
  std::string json =
      "{\"file\": " + JsonString(file) + ", \"system\": " +
      (project.systemMode == kMultiPanelSystem ? "\"multi-panel\"" : "\"single panel\"") +
      FormatText(", \"selected_port\": %d,\n", project.portTable.selectedPort) +
      " \"plc\": {\"name\": " + JsonString(project.plc.name) +
      FormatText(
          ", \"manufacturer\": %u, \"model\": %u, \"map_length\": %d, "
          "\"attribute_bytes\": %zu},\n",
          project.plc.ManufacturerCode(), project.plc.ModelCode(), project.plc.mapLength,
          project.plc.attributeBytes.size()) +
      " \"tag_map_in_use\": " + (project.tagMapInUse ? "true" : "false") +
      ", \"tag_map\": " + JsonString(project.tagMapInUse ? project.tagMapPath : "") +
      ",\n \"panels\": [";
  for (size_t i = 0; i < project.panels.size(); ++i) {
    const PanelSummary summary = Summarise(project.panels[i]);
    json += FormatText("%s\n  {\"port\": %d, \"model\": %d, \"model_name\": ", i == 0 ? "" : ",",
                       summary.port, project.panels[i].panelModel) +
            JsonString(summary.model) +
            FormatText(", \"plc_messages\": %d, \"local_messages\": %d, \"addresses\": %d}",
                       summary.plcMessages, summary.localMessages, summary.addresses);
  }
  return json + (project.panels.empty() ? "]}" : "\n ]}");
}

int Info(const std::vector<std::string>& rest) {
  const Arguments args(rest, WithQuestions({{"--json", false, false, ""}}));
  const std::string file = OnlyFile(args, "info");
  TerminalUserInterface ui;
  ApplyQuestionOptions(args, ui);
  ProjectDocument document(ui);
  if (!document.Read(file)) {
    return kExitFile;
  }
  if (args.Has("--json")) {
    PrintJson(InfoJson(file, document.Project()));
  } else {
    PrintInfoText(file, document.Project());
  }
  return kExitOk;
}

// --- check -----------------------------------------------------------------

// The list a write of the project would be refused with.
int Check(const std::vector<std::string>& rest) {
  const Arguments args(rest, QuestionOptions());
  const std::string file = OnlyFile(args, "check");
  TerminalUserInterface ui;
  ApplyQuestionOptions(args, ui);
  ProjectDocument document(ui);
  if (!document.Open(file)) {
    return kExitFile;
  }
  TOvProject& project = document.Project();
  const std::vector<WriteProblem> problems = FindWriteProblems(project);
  for (const WriteProblem& problem : problems) {
    std::printf("%s\n", DescribeWriteProblem(problem).c_str());
  }
  if (!problems.empty()) {
    std::printf("%zu problem%s: a write of the project would be refused\n", problems.size(),
                problems.size() == 1 ? "" : "s");
    return kExitNegative;
  }
  std::printf("The project can be written: every address is valid for %s\n",
              project.plc.name.c_str());
  return kExitOk;
}

// --- save ------------------------------------------------------------------

// Answers the backup question from --backup (Yes with that path, No
// without) and everything else as the terminal interface does.
class SaveInterface : public TerminalUserInterface {
 public:
  explicit SaveInterface(std::optional<std::string> backup) : backup_(std::move(backup)) {}

  Answer Ask(const Question& question) override {
    if (question.text != LoadString(strings::kBackupPreviousVersionQuestion)) {
      return TerminalUserInterface::Ask(question);
    }
    const Answer answer = backup_ ? Answer::Yes : Answer::No;
    std::fprintf(stderr, "%s %s\n", question.text.c_str(), backup_ ? "Yes" : "No");
    return answer;
  }
  std::optional<std::string> ChooseSaveFile(const FileRequest&) override { return backup_; }

 private:
  std::optional<std::string> backup_;
};

int Save(const std::vector<std::string>& rest) {
  const Arguments args(
      rest, WithQuestions({{"-o", true, false, "--output"}, {"--backup", true, false, ""}}));
  const std::string file = OnlyFile(args, "save");
  const std::string output = args.Required("-o");
  SaveInterface ui(args.Value("--backup"));
  ApplyQuestionOptions(args, ui);
  ProjectDocument document(ui);
  if (!document.Open(file)) {
    return kExitFile;
  }
  return SaveTo(document.Project(), output, ui);
}

// --- set-plc ---------------------------------------------------------------

std::vector<unsigned char> ReadAttributeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw std::runtime_error("cannot read the attribute file " + path);
  }
  return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
}

int SetPlc(const std::vector<std::string>& rest) {
  const Arguments args(rest, WithQuestions({{"-o", true, false, "--output"},
                                            {"--plc", true, false, ""},
                                            {"--attributes", true, false, ""},
                                            {"--map", true, false, ""},
                                            {"--log", true, false, ""}}));
  const std::string file = OnlyFile(args, "set-plc");
  const std::string output = args.Required("-o");
  const std::string plc = args.Required("--plc");
  const std::optional<std::string> attributes = args.Value("--attributes");
  TerminalUserInterface ui;
  ApplyQuestionOptions(args, ui);
  ui.SetOpenFile(args.Value("--map"));
  ProjectDocument document(ui);
  if (!document.Open(file)) {
    return kExitFile;
  }
  const DriverEntry entry = document.EntryFor(plc);
  TOvProject& project = document.Project();

  PlcChange change(project, ui);
  change.SetAttributeEditor([&](const PlcDriver& newDriver, const TOvProject& current) {
    std::vector<unsigned char> bytes;
    if (attributes) {
      bytes = ReadAttributeFile(*attributes);
      const PlcDetailsInfo details = newDriver.DriverDetails();
      if (bytes.size() < 2 || bytes[0] != details.manufacturerCode ||
          bytes[1] != details.modelCode) {
        throw std::runtime_error(*attributes + " is not an attribute file of " + entry.name);
      }
      std::fprintf(stderr, "The project takes the PLC attributes of %s.\n", attributes->c_str());
    } else {
      bytes = DefaultAttributeBytes(newDriver);
      std::fprintf(stderr,
                   "The attribute dialog of %s is not opened here: the project takes its "
                   "default attributes.\n",
                   entry.name.c_str());
    }
    if (bytes == current.plc.attributeBytes) {
      bytes.clear();
    }
    return bytes;
  });
  const PlcChangeResult result = change.ChangeTo(entry);
  if (result == PlcChangeResult::Failed) {
    return kExitFile;
  }
  if (result == PlcChangeResult::Unchanged) {
    std::printf("The PLC was not changed: %s\n", project.plc.name.c_str());
    return kExitNegative;
  }
  const std::vector<std::string>& log = change.ConversionLog();
  if (log.empty()) {
    std::printf("PLC changed to %s; every address was cleared and the default attributes set\n",
                project.plc.name.c_str());
  } else {
    std::printf("PLC changed to %s; address conversion log:\n", project.plc.name.c_str());
    for (const std::string& line : log) {
      std::printf("%s\n", line.c_str());
    }
  }
  if (const std::optional<std::string> logFile = args.Value("--log")) {
    std::string error;
    if (!SaveAddressLogFile(*logFile, log, &error)) {
      std::fprintf(stderr, "Cannot write %s: %s\n", logFile->c_str(), error.c_str());
      return kExitFile;
    }
  }
  return SaveTo(project, output, ui);
}

// --- export-panel, import-panel ----------------------------------------------

TOvPanel* PanelOnPort(TOvProject& project, int32_t port) {
  project.portTable.selectedPort = port;
  return project.SelectedPanel();
}

int ExportPanelCommand(const std::vector<std::string>& rest) {
  const Arguments args(
      rest, WithQuestions({{"-o", true, false, "--output"}, {"--port", true, false, ""}}));
  const std::string file = OnlyFile(args, "export-panel");
  const std::string output = args.Required("-o");
  const int32_t port = ValueOr(args.Integer("--port", kFirstPort, kLastPort), kFirstPort);
  TerminalUserInterface ui;
  ApplyQuestionOptions(args, ui);
  ProjectDocument document(ui);
  if (!document.Read(file)) {
    return kExitFile;
  }
  if (PanelOnPort(document.Project(), port) == nullptr) {
    std::fprintf(stderr, "%s has no panel on port %d\n", file.c_str(), port);
    return kExitNegative;
  }
  ui.SetSaveFile(output);
  return ExportPanel(document.Project(), ui) ? kExitOk : kExitFile;
}

int ImportPanelCommand(const std::vector<std::string>& rest) {
  const Arguments args(rest, WithQuestions({{"-o", true, false, "--output"},
                                            {"--from", true, false, ""},
                                            {"--from-port", true, false, ""},
                                            {"--port", true, false, ""}}));
  const std::string file = OnlyFile(args, "import-panel");
  const std::string output = args.Required("-o");
  const std::string from = args.Required("--from");
  const int32_t fromPort = ValueOr(args.Integer("--from-port", kFirstPort, kLastPort), kFirstPort);
  const int32_t port = ValueOr(args.Integer("--port", kFirstPort, kLastPort), kFirstPort);
  TerminalUserInterface ui;
  ApplyQuestionOptions(args, ui);
  ProjectDocument document(ui);
  if (!document.Open(file)) {
    return kExitFile;
  }
  TOvProject& project = document.Project();
  if (project.systemMode != kMultiPanelSystem && port != kFirstPort) {
    throw UsageError("a single panel system has port 1 only");
  }
  project.portTable.selectedPort = port;
  ui.SetOpenFile(from);
  if (args.Value("--from-port")) {
    ui.SetChoice(fromPort - kFirstPort);
  }
  if (!ImportPanel(project, ui, CatalogLookup(document.Catalog()))) {
    std::fprintf(stderr, "No panel was imported\n");
    return kExitNegative;
  }
  std::printf("Imported a %s panel to port %d\n", project.SelectedPanel()->ModelName().c_str(),
              port);
  return SaveTo(project, output, ui);
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) {
    throw UsageError("missing project command");
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "new") {
    return New(rest);
  }
  if (args[0] == "info") {
    return Info(rest);
  }
  if (args[0] == "check") {
    return Check(rest);
  }
  if (args[0] == "save") {
    return Save(rest);
  }
  if (args[0] == "set-plc") {
    return SetPlc(rest);
  }
  if (args[0] == "export-panel") {
    return ExportPanelCommand(rest);
  }
  if (args[0] == "import-panel") {
    return ImportPanelCommand(rest);
  }
  if (args[0] == "tagmap") {
    return TagMapCommand(rest);
  }
  if (args[0] == "show") {
    return ShowCommand(rest);
  }
  if (args[0] == "diff") {
    return DiffCommand(rest);
  }
  if (args[0] == "report") {
    return ReportCommand(rest);
  }
  if (args[0] == "messages") {
    return MessagesCommand(rest);
  }
  throw UsageError("unknown project command '" + args[0] + "'");
}

}  // namespace

CommandGroup ProjectCommandGroup() {
  static const std::string usage = std::string(kUsage) + "\n" + kPlcArgumentHelp;
  return CommandGroup{"project", "create, inspect, check, convert and combine project files",
                      usage.c_str(), &Run};
}

}  // namespace orvane::cli
