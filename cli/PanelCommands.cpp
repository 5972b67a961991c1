// orvane-cli panel: the desktop program's Panel commands over the same
// decisions (view/PanelCommands), with the progress on standard error.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/InstallDir.h"
#include "base/ProgramVersion.h"
#include "base/Settings.h"
#include "base/StringTable.h"
#include "cli/Arguments.h"
#include "cli/CommandGroups.h"
#include "cli/ExitStatus.h"
#include "cli/Json.h"
#include "cli/PanelReports.h"
#include "cli/ProjectDocument.h"
#include "cli/TerminalProgress.h"
#include "cli/TerminalUserInterface.h"
#include "project/ProjectFile.h"
#include "view/DocumentBinding.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;

const char* const kUsage =
    "Usage: orvane-cli panel write FILE [options]\n"
    "       orvane-cli panel read -o FILE [options]\n"
    "       orvane-cli panel verify FILE [options]\n"
    "       orvane-cli panel clear [--multi] [options]\n"
    "       orvane-cli panel info [--model N] [--multi] [--mux-port N] [options]\n"
    "       orvane-cli panel identify [options]\n"
    "       orvane-cli panel upgrade-firmware IMAGE [--mux] [--mux-port N] [options]\n"
    "\n"
    "write              writes the project FILE into the panel, or into the\n"
    "                   multiplexer and its panels (a text panel needs a local\n"
    "                   message)\n"
    "read               reads the project out of the panel or multi-panel system\n"
    "                   and saves it as FILE (replaced only by a read that\n"
    "                   succeeded, atomically)\n"
    "verify             reads the project back and compares it with FILE; every\n"
    "                   difference is listed on standard output\n"
    "clear              clears the panel's memory (--multi: the multiplexer and\n"
    "                   the panels on its five ports)\n"
    "info               the panel's status, checked against model N (default 1);\n"
    "                   --multi: the multiplexer's; --mux-port N: the panel on\n"
    "                   port N behind the multiplexer\n"
    "identify           asks for the status at 9600 and at 38400 baud, without any\n"
    "                   project, and prints what answered: panel model or\n"
    "                   multiplexer, firmware, memory, the PLC driver it holds and\n"
    "                   the baud rate (exit 0), or that nothing did (exit 3)\n"
    "upgrade-firmware   replaces the panel's firmware from an Intel HEX IMAGE\n"
    "                   (--mux-port N: the panel on port N behind the\n"
    "                   multiplexer); --mux: the multiplexer's from an S-record\n"
    "                   IMAGE. The panel's project is erased: write it again.\n"
    "\n"
    "  --port NAME        COM1..COM4 or a device path (default: the stored Port\n"
    "                     setting)\n"
    "  --yes, --no        the answer to the questions (read: overwrite the\n"
    "                     current program; clear: clear the panel(s)). Without\n"
    "                     them a terminal asks; otherwise the question takes its\n"
    "                     default answer (Cancel, No) and says so\n"
    "  --simulator        the port is orvane-panelsim: a write takes the stand-in\n"
    "                     driver images where driver/ holds none (never use it\n"
    "                     with a real panel)\n"
    "  --json             prints the final report as one JSON object\n"
    "  --trace-dir DIR    where Write.txt and Read.txt go, every frame sent and\n"
    "                     received (default: the current directory)\n"
    "  --quiet            no progress\n"
    "\n"
    "Progress goes to standard error: the steps (ticked as they are done), the\n"
    "caption (\"COM Port - Ov400 Panel\", \"Port 3 - ...\"), the status line and a\n"
    "percentage, redrawn in place on a terminal, one line per change otherwise.\n"
    "Ctrl+C cancels a write, read, verify or firmware upgrade as Cancel does: a\n"
    "cancelled write clears the panel.\n"
    "\n"
    "Where a trace file was written is printed on standard error (not with\n"
    "--quiet). With --json a failure prints a JSON object too, with the error\n"
    "and its details.\n"
    "\n"
    "Exit status: 0 done (verify: the same project); 1 verify found differences,\n"
    "or the command was declined (incomplete data, a question answered no);\n"
    "2 bad command line; 3 device, link or transfer error, or cancelled;\n"
    "4 file error.\n";

std::vector<OptionSpec> Options(std::vector<OptionSpec> optionSpecs) {
  for (OptionSpec option : QuestionOptions()) {
    optionSpecs.push_back(std::move(option));
  }
  for (const char* name : {"--port", "--trace-dir"}) {
    optionSpecs.push_back({name, true, false, ""});
  }
  for (const char* name : {"--json", "--quiet", "--simulator"}) {
    optionSpecs.push_back({name, false, false, ""});
  }
  return optionSpecs;
}

// Everything a panel command sets up: the terminal, the document with the
// installed drivers, the owner of long operations and the decisions.
class PanelSession {
 public:
  PanelSession(const std::string& command, const Arguments& args)
      : command_(command),
        json_(args.Has("--json")),
        quiet_(args.Has("--quiet")),
        owner_(ui_, stderr, ChooseProgressStyle(stderr, args.Has("--quiet"))),
        document_(ui_),
        panel_(document_.Project(), ui_, owner_, &document_.Catalog()) {
    ApplyQuestionOptions(args, ui_);
    if (args.Has("--simulator")) {
      SetStandInImagesInUse(true);
    }
    port_ = args.Value("--port").value_or(AppSettings().Port());
    if (port_.empty()) {
      throw UsageError(
          "no serial port: give --port NAME (COM1..COM4 or a device path) or store one as "
          "the Port setting");
    }
    panel_.SetPortName(port_);
    if (const std::optional<std::string> dir = args.Value("--trace-dir")) {
      traceDir_ = *dir;
    }
  }

  /// false (after saying why) when the trace folder is not there.
  bool Prepare() {
    if (!traceDir_.empty() && !fs::is_directory(traceDir_)) {
      ui_.ShowMessage(Message{"The trace folder " + traceDir_.string() + " does not exist.",
                              {},
                              Icon::Stop,
                              "Give --trace-dir a folder that exists, or leave it out: the trace "
                              "then goes to the current folder.",
                              0});
      return false;
    }
    panel_.SetTraceDirectory(traceDir_);
    // The driver scan loads and releases libraries on its own thread: let
    // it end before this thread does the same with the version library.
    document_.Catalog().WaitForCatalog();
    const ProgramVersion version = LoadProgramVersion();
    if (!version.fromLibrary) {
      std::fprintf(stderr, "%s(the traces name this build's version, %s)\n",
                   LoadString(strings::kVersionLoadFailed), version.text.c_str());
    }
    panel_.SetProgramVersion(version.text);
    return true;
  }

  TerminalUserInterface& Ui() { return ui_; }
  ProjectDocument& Document() { return document_; }
  TOvProject& Project() { return document_.Project(); }
  PanelCommands& Panel() { return panel_; }
  bool Json() const { return json_; }

  /// Prints the JSON report when asked for; the exit status of result.
  int Finish(CommandResult result, const std::string& members = {}) {
    if (!quiet_ && !panel_.TracePath().empty()) {
      std::fprintf(stderr, "The trace is in %s\n", panel_.TracePath().c_str());
    }
    if (json_) {
      PrintJson(JsonReport({command_, port_, result, panel_.LastError(), panel_.LastErrorDetails()},
                           members));
    }
    if (result == CommandResult::Cancelled) {
      std::fprintf(stderr, "Cancelled.\n");
    }
    switch (result) {
      case CommandResult::Done:
        return kExitOk;
      case CommandResult::Declined:
        return kExitNegative;
      default:
        return kExitDevice;
    }
  }

 private:
  std::string command_;
  bool json_ = false;
  bool quiet_ = false;
  TerminalUserInterface ui_;
  TerminalTransferOwner owner_;
  ProjectDocument document_;
  PanelCommands panel_;
  std::string port_;
  fs::path traceDir_;
};

std::string OnlyPositional(const Arguments& args, const char* command, const char* what) {
  if (args.Positional().size() != 1) {
    throw UsageError(std::string("panel ") + command + " takes one " + what);
  }
  return args.Positional()[0];
}

void NoPositional(const Arguments& args, const char* command) {
  if (!args.Positional().empty()) {
    throw UsageError(std::string("panel ") + command + " takes no FILE");
  }
}

// A project of one panel for the commands that work without a file: the
// model on port 1 of a single panel system, or on the port of a
// multi-panel system.
void ConfigurePanel(TOvProject& project, int32_t model, bool multiPanel, int32_t port) {
  AddFirstPanel(project, model, multiPanel);
  if (multiPanel && port != kFirstPort) {
    project.panels.clear();
    project.portTable.Clear(kFirstPort);
    project.portTable.selectedPort = port;
    project.PutPanel(TOvPanel(&project, model));
    project.portTable.SetModel(port, model);
  }
}

// --- write, verify -------------------------------------------------------------

int Write(const std::vector<std::string>& rest) {
  const Arguments args(rest, Options({}));
  const std::string file = OnlyPositional(args, "write", "project FILE");
  PanelSession session("write", args);
  if (!session.Prepare() || !session.Document().Open(file)) {
    return kExitFile;
  }
  return session.Finish(session.Panel().Write(), ", \"file\": " + JsonString(file));
}

int Verify(const std::vector<std::string>& rest) {
  const Arguments args(rest, Options({}));
  const std::string file = OnlyPositional(args, "verify", "project FILE");
  PanelSession session("verify", args);
  if (!session.Prepare() || !session.Document().Open(file)) {
    return kExitFile;
  }
  const VerifyResult verify = session.Panel().Verify();
  if (verify.result == CommandResult::Declined) {
    std::fprintf(stderr, "%s has no panel: there is nothing to verify\n", file.c_str());
  }
  if (session.Json()) {
    session.Finish(verify.result, ", \"file\": " + JsonString(file) + DifferencesJson(verify));
  } else {
    std::fputs(DifferencesText(verify).c_str(), stdout);
    session.Finish(verify.result);
  }
  if (verify.result == CommandResult::Done) {
    return verify.equal ? kExitOk : kExitNegative;
  }
  return verify.result == CommandResult::Declined ? kExitNegative : kExitDevice;
}

// --- read ------------------------------------------------------------------------

int Read(const std::vector<std::string>& rest) {
  const Arguments args(rest, Options({{"-o", true, false, "--output"}}));
  NoPositional(args, "read");
  const std::string output = args.Required("-o");
  PanelSession session("read", args);
  const fs::path folder = fs::absolute(output).parent_path();
  if (!fs::is_directory(folder)) {
    session.Ui().ShowMessage(Message{"The folder " + folder.string() + " does not exist.",
                                     {},
                                     Icon::Stop,
                                     "The read saves the project there: give -o a file in a "
                                     "folder that exists.",
                                     0});
    return kExitFile;
  }
  if (!session.Prepare()) {
    return kExitFile;
  }
  // The document starts empty: whatever a successful read brings replaces
  // it, and only then is the file written.
  PanelCommands& panel = session.Panel();
  const CommandResult result = panel.Read();
  std::string members = ", \"file\": " + JsonString(output);
  int status = kExitOk;
  bool saved = false;
  if (result == CommandResult::Done && panel.DocumentModified()) {
    saved = SaveProjectFile(session.Project(), output, session.Ui());
    if (!saved) {
      status = kExitFile;
    }
  } else if (result == CommandResult::Done) {
    std::fprintf(stderr, "The device holds no panel; %s was not written\n", output.c_str());
    status = kExitNegative;
  }
  members += std::string(", \"saved\": ") + (saved ? "true" : "false");
  if (saved) {
    members += ProjectSummaryJson(session.Project());
  }
  const int resultStatus = session.Finish(result, session.Json() ? members : std::string());
  if (saved && !session.Json()) {
    std::printf("Saved %s\n%s", output.c_str(), ProjectSummaryText(session.Project()).c_str());
  }
  return resultStatus != kExitOk ? resultStatus : status;
}

// --- clear, info -------------------------------------------------------------------

int Clear(const std::vector<std::string>& rest) {
  const Arguments args(rest, Options({{"--multi", false, false, ""}}));
  NoPositional(args, "clear");
  PanelSession session("clear", args);
  if (!session.Prepare()) {
    return kExitFile;
  }
  ConfigurePanel(session.Project(), kModelOv200, args.Has("--multi"), kFirstPort);
  PanelCommands& panel = session.Panel();
  const CommandResult result = panel.ClearMemory();
  // A multi-panel system: what happened on each route.
  const bool listed = args.Has("--multi") && !panel.ClearedPorts().empty();
  if (listed && !session.Json()) {
    std::fputs(ClearedPortsText(panel.ClearedPorts()).c_str(), stdout);
  }
  return session.Finish(result, listed ? ClearedPortsJson(panel.ClearedPorts()) : std::string());
}

int Identify(const std::vector<std::string>& rest) {
  const Arguments args(rest, Options({}));
  NoPositional(args, "identify");
  PanelSession session("identify", args);
  if (!session.Prepare()) {
    return kExitFile;
  }
  const PanelCommands::IdentifyResult identify = session.Panel().Identify();
  if (!session.Json()) {
    std::fputs(IdentifyText(identify).c_str(), stdout);
  }
  return session.Finish(identify.result, IdentifyJson(identify));
}

int Info(const std::vector<std::string>& rest) {
  const Arguments args(rest, Options({{"--multi", false, false, ""},
                                      {"--model", true, false, ""},
                                      {"--mux-port", true, false, ""}}));
  NoPositional(args, "info");
  const int32_t model = ValueOr(args.Integer("--model", kModelOv200, kModelOvSP), kModelOv200);
  const std::optional<long> muxPort = args.Integer("--mux-port", kFirstPort, kLastPort);
  PanelSession session("info", args);
  if (!session.Prepare()) {
    return kExitFile;
  }
  ConfigurePanel(session.Project(), model, args.Has("--multi") || muxPort.has_value(),
                 ValueOr(muxPort, kFirstPort));
  const StatusResult status =
      muxPort ? session.Panel().PortInformation() : session.Panel().Information();
  const bool done = status.result == CommandResult::Done;
  if (!session.Json() && done) {
    std::fputs(StatusText(status.status).c_str(), stdout);
  }
  return session.Finish(status.result, done ? StatusJson(status.status) : std::string());
}

// --- upgrade-firmware -----------------------------------------------------------------

int UpgradeFirmware(const std::vector<std::string>& rest) {
  const Arguments args(rest,
                       Options({{"--mux", false, false, ""}, {"--mux-port", true, false, ""}}));
  const std::string image = OnlyPositional(args, "upgrade-firmware", "firmware IMAGE");
  const std::optional<long> muxPort = args.Integer("--mux-port", kFirstPort, kLastPort);
  if (args.Has("--mux") && muxPort) {
    throw UsageError("--mux upgrades the multiplexer itself: it takes no --mux-port");
  }
  PanelSession session("upgrade-firmware", args);
  if (!fs::is_regular_file(image)) {
    session.Ui().ShowMessage(Message{image + " is not a firmware file.",
                                     {},
                                     Icon::Stop,
                                     "Give the path of an Intel HEX (a panel) or S-record (the "
                                     "multiplexer) firmware file.",
                                     0});
    return kExitFile;
  }
  if (!session.Prepare()) {
    return kExitFile;
  }
  const bool multiplexer = args.Has("--mux");
  ConfigurePanel(session.Project(), kModelOv200, multiplexer || muxPort.has_value(),
                 ValueOr(muxPort, kFirstPort));
  const CommandResult result = multiplexer ? session.Panel().UpgradeMuxFirmware(image)
                                           : session.Panel().UpgradeFirmware(image);
  if (result == CommandResult::Done && !session.Json()) {
    std::printf("The %s runs the new firmware.\n", multiplexer ? "multiplexer" : "panel");
  }
  return session.Finish(result, ", \"image\": " + JsonString(image) + ", \"device\": " +
                                    JsonString(multiplexer ? "multiplexer" : "panel"));
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) {
    throw UsageError("missing panel command");
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  struct Entry {
    const char* name;
    int (*run)(const std::vector<std::string>&);
  };
  static const Entry entries[] = {
      {"write", Write},
      {"read", Read},
      {"verify", Verify},
      {"clear", Clear},
      {"info", Info},
      {"identify", Identify},
      {"upgrade-firmware", UpgradeFirmware},
  };
  for (const Entry& entry : entries) {
    if (args[0] == entry.name) {
      return entry.run(rest);
    }
  }
  throw UsageError("unknown panel command '" + args[0] + "'");
}

}  // namespace

CommandGroup PanelCommandGroup() {
  return CommandGroup{"panel",
                      "write, read, verify, clear, identify and upgrade panels and multiplexers",
                      kUsage, &Run};
}

}  // namespace orvane::cli
