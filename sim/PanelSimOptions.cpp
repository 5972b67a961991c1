#include "sim/PanelSimOptions.h"

#include "cli/Arguments.h"
#include "sim/PseudoTerminalServer.h"
#include "sim/StandInImage.h"

namespace orvane::sim {
namespace {

using cli::UsageError;

std::pair<char, uint8_t> FirmwareRevision(const std::string& option, const std::string& text) {
  const auto revision = ParseFirmwareRevision(text);
  if (!revision) {
    throw UsageError(option + " takes a revision letter and number, for example B2 or B.2");
  }
  return *revision;
}

std::set<int> Numbers(const std::string& option, const std::string& text) {
  std::optional<std::set<int>> numbers = ParseNumberList(text);
  if (!numbers) {
    throw UsageError(option + " takes numbers from 1, separated by commas");
  }
  return *numbers;
}

}  // namespace

const char* PanelSimUsage() {
  return "Usage: orvane-panelsim --model N [options]\n"
         "       orvane-panelsim --multiplexer --panel PORT:MODEL [--panel ...] [options]\n"
         "       orvane-panelsim --state FILE --dump\n"
         "       orvane-panelsim --state FILE --render [--register ADDRESS=VALUE ...]\n"
         "                       [--register '#N=VALUE' ...] [--press KEY ...] [--json]\n"
         "\n"
         "Stands in for a panel or a multiplexer with its panels on a pseudo-terminal.\n"
         "It prints the port the program should open (\"Port: PATH\") and answers\n"
         "there until it is interrupted (SIGINT or SIGTERM), then saves its state,\n"
         "removes the link and exits.\n"
         "\n"
         "Device:\n"
         "  --model N              a single panel: 1 Ov200/Ov200V, 2 Ov200L,\n"
         "                         3 Ov200P/Ov200PV, 4 Ov400, 5 OvSP\n"
         "  --multiplexer          a multiplexer (answers at 38400 baud)\n"
         "  --panel PORT:MODEL     a panel of MODEL on multiplexer port PORT (1..5);\n"
         "                         repeat for more panels\n"
         "  --firmware REV         the panels' firmware revision (default B2)\n"
         "  --mux-firmware REV     the multiplexer's firmware revision (default C1)\n"
         "  --memory-kb N          the panels' memory size, 1..255 KB (default by model:\n"
         "                         32 KB, 64 KB for models 3 and 4)\n"
         "  --loader-silence N     status requests a panel leaves unanswered after a\n"
         "                         restart into its loader (default 3)\n"
         "  --baud RATE            the rate the device answers at (default 9600 for a\n"
         "                         panel, 38400 for a multiplexer); frames sent at another\n"
         "                         rate, or not 8 data bits without parity, get no reply\n"
         "\n"
         "Line:\n"
         "  --link PATH            make PATH a symbolic link to the port, removed at exit\n"
         "  --line-rate            pace every byte in and out at its real time on the line\n"
         "                         (10 bit times at the baud rate)\n"
         "  -v, --verbose          log every frame in and out, and every fault, on stderr\n"
         "\n"
         "State:\n"
         "  --state FILE           keep the device's memory in FILE across restarts: read at\n"
         "                         start when it exists, written when the line falls quiet\n"
         "                         and at exit\n"
         "  --dump                 print what the device holds, decoded, and exit (the\n"
         "                         device comes from --state when no --model or\n"
         "                         --multiplexer is given)\n"
         "\n"
         "Virtual panel:\n"
         "  --render               print the display as the panel shows what it holds, its\n"
         "                         LEDs, annunciator lamps and the registers it wrote, and\n"
         "                         exit (the panel comes from --state as with --dump)\n"
         "  --register NAME=VALUE  set a PLC register first: NAME a PLC address of the\n"
         "                         panel's PLC or #N, entry N of its tag list; VALUE a\n"
         "                         number (BCD digits for a BCD register) or 0x and the\n"
         "                         register's bits in hex; repeatable\n"
         "  --press KEY            then press and release a key: F1..F5, UP, DOWN, LEFT,\n"
         "                         RIGHT, ENTER, ESC, and on model 3 0..9 and CLEAR; KEY:down\n"
         "                         holds it, KEY:up lets it go; repeatable, in order\n"
         "  --json                 --render prints one JSON object\n"
         "  --control              while serving, read commands on standard input and\n"
         "                         answer each with a JSON line (docs/virtual-panel.md)\n"
         "  --display              while serving, draw the panel in the terminal, redrawn\n"
         "                         as it changes: keys 1..5 press F1..F5 (on model 3 the\n"
         "                         digits are the keypad; ! @ # $ % or the terminal's F1..F5\n"
         "                         press F1..F5 on every model), arrows UP/DOWN/LEFT/RIGHT,\n"
         "                         Enter ENTER, Esc ESC, Backspace CLEAR; ':' then\n"
         "                         ADDRESS=VALUE or #N=VALUE and Enter sets a register;\n"
         "                         q or Ctrl-C ends; needs a terminal on standard input\n"
         "                         and output\n"
         "\n"
         "Faults (commands and replies are counted from 1, retries included):\n"
         "  --drop-reply N[,N..]   send no reply to command N\n"
         "  --corrupt-crc N[,N..]  send reply N with a wrong CRC\n"
         "  --stray-bytes K[@N]    send K stray bytes before every reply, or before reply N\n"
         "  --refuse CODE:ERROR    refuse every command CODE with error code ERROR\n"
         "                         (for example 0xB5:6); repeatable\n"
         "  --stop-after N         answer N commands, then nothing more\n"
         "  --delay MS             send every reply MS milliseconds late\n"
         "  --unknown-reply N[,N..] answer command N with an unknown reply code\n"
         "\n"
         "  -h, --help             show this text\n"
         "\n"
         "Exit status: 0 done; 2 bad command line; 3 the pseudo-terminal could not be\n"
         "made; 4 the state file could not be read or written.\n";
}

PanelSimOptions ParsePanelSimOptions(const std::vector<std::string>& args) {
  const cli::Arguments arguments(
      args, {
                {"--help", false, false, "-h"},       {"--model", true, false, ""},
                {"--multiplexer", false, false, ""},  {"--panel", true, true, ""},
                {"--firmware", true, false, ""},      {"--mux-firmware", true, false, ""},
                {"--memory-kb", true, false, ""},     {"--loader-silence", true, false, ""},
                {"--baud", true, false, ""},          {"--link", true, false, ""},
                {"--line-rate", false, false, ""},    {"--verbose", false, false, "-v"},
                {"--state", true, false, ""},         {"--dump", false, false, ""},
                {"--drop-reply", true, false, ""},    {"--corrupt-crc", true, false, ""},
                {"--stray-bytes", true, false, ""},   {"--refuse", true, true, ""},
                {"--stop-after", true, false, ""},    {"--delay", true, false, ""},
                {"--unknown-reply", true, false, ""}, {"--render", false, false, ""},
                {"--register", true, true, ""},       {"--press", true, true, ""},
                {"--json", false, false, ""},         {"--control", false, false, ""},
                {"--display", false, false, ""},
            });
  PanelSimOptions options;
  if (arguments.Has("--help") || arguments.Has("-h")) {
    options.help = true;
    return options;
  }
  if (!arguments.Positional().empty()) {
    throw UsageError("unexpected argument: " + arguments.Positional().front());
  }

  if (const auto revision = arguments.Value("--firmware")) {
    std::tie(options.panel.firmwareLetter, options.panel.firmwareNumber) =
        FirmwareRevision("--firmware", *revision);
  }
  if (const auto revision = arguments.Value("--mux-firmware")) {
    std::tie(options.multiplexerSettings.firmwareLetter,
             options.multiplexerSettings.firmwareNumber) =
        FirmwareRevision("--mux-firmware", *revision);
  }
  if (const auto size = arguments.Integer("--memory-kb", 1, 255)) {
    options.panel.memoryKilobytes = static_cast<int>(*size);
  }
  if (const auto silence = arguments.Integer("--loader-silence", 0, 1000)) {
    options.panel.loaderSilentStatusRequests = static_cast<int>(*silence);
  }
  if (const auto baud = arguments.Integer("--baud", 300, 230400)) {
    if (SpeedOfBaudRate(static_cast<int>(*baud)) == 0) {
      throw UsageError(
          "--baud takes a standard rate: 300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, "
          "115200 or 230400");
    }
    options.baudRate = static_cast<int>(*baud);
  }

  options.multiplexer = arguments.Has("--multiplexer");
  const bool model = arguments.Has("--model");
  if (model && options.multiplexer) {
    throw UsageError("--model and --multiplexer exclude each other");
  }
  if (model) {
    options.panel.model = static_cast<int>(*arguments.Integer("--model", 1, 5));
  }
  for (const std::string& panel : arguments.Values("--panel")) {
    const size_t colon = panel.find(':');
    const std::optional<long> port =
        colon == std::string::npos ? std::nullopt : cli::ParseNumber(panel.substr(0, colon));
    const std::optional<long> panelModel =
        colon == std::string::npos ? std::nullopt : cli::ParseNumber(panel.substr(colon + 1));
    if (!port || !panelModel || *port < 1 || *port > kMultiplexerPortCount || *panelModel < 1 ||
        *panelModel > 5) {
      throw UsageError("--panel takes PORT:MODEL with a port 1..5 and a model 1..5");
    }
    for (const auto& [used, settings] : options.ports) {
      if (used == *port) {
        throw UsageError("--panel gives port " + std::to_string(used) + " twice");
      }
    }
    PanelSettings settings = options.panel;
    settings.model = static_cast<int>(*panelModel);
    options.ports.emplace_back(static_cast<int>(*port), settings);
  }
  if (!options.ports.empty() && !options.multiplexer) {
    throw UsageError("--panel needs --multiplexer");
  }

  options.linkPath = arguments.Value("--link").value_or("");
  options.statePath = arguments.Value("--state").value_or("");
  options.dump = arguments.Has("--dump");
  options.render = arguments.Has("--render");
  options.registers = arguments.Values("--register");
  options.keys = arguments.Values("--press");
  options.json = arguments.Has("--json");
  options.control = arguments.Has("--control");
  options.display = arguments.Has("--display");
  if ((!options.registers.empty() || !options.keys.empty() || options.json) && !options.render) {
    throw UsageError("--register, --press and --json go with --render");
  }
  if (options.render && options.dump) {
    throw UsageError("--render and --dump exclude each other");
  }
  if (options.control && (options.dump || options.render)) {
    throw UsageError("--control serves the port; it does not go with --dump or --render");
  }
  if (options.display && (options.dump || options.render)) {
    throw UsageError("--display serves the port; it does not go with --dump or --render");
  }
  if (options.display && options.control) {
    throw UsageError("--display and --control exclude each other");
  }
  if (options.display && options.multiplexer) {
    throw UsageError("--display draws a single panel (--model N), not a multiplexer");
  }
  options.lineRate = arguments.Has("--line-rate");
  options.verbose = arguments.Has("--verbose") || arguments.Has("-v");
  if (!model && !options.multiplexer) {
    if (!(options.dump || options.render) || options.statePath.empty()) {
      throw UsageError("give --model N, or --multiplexer with --panel PORT:MODEL");
    }
    options.deviceFromState = true;
  }

  FaultPlan& faults = options.faults;
  if (const auto numbers = arguments.Value("--drop-reply")) {
    faults.dropReplyTo = Numbers("--drop-reply", *numbers);
  }
  if (const auto numbers = arguments.Value("--corrupt-crc")) {
    faults.corruptCrcOf = Numbers("--corrupt-crc", *numbers);
  }
  if (const auto numbers = arguments.Value("--unknown-reply")) {
    faults.unknownCodeOn = Numbers("--unknown-reply", *numbers);
  }
  if (const auto stray = arguments.Value("--stray-bytes")) {
    const auto parsed = ParseStrayBytes(*stray);
    if (!parsed) {
      throw UsageError("--stray-bytes takes K or K@N: K stray bytes (1..1000), before reply N");
    }
    std::tie(faults.strayBytes, faults.strayReply) = *parsed;
  }
  for (const std::string& refusal : arguments.Values("--refuse")) {
    const auto parsed = ParseRefusal(refusal);
    if (!parsed) {
      throw UsageError("--refuse takes CODE:ERROR, each 0..255, for example 0xB5:6");
    }
    faults.refuse[parsed->first] = parsed->second;
  }
  if (const auto count = arguments.Integer("--stop-after", 1, 1'000'000'000)) {
    faults.stopAfter = static_cast<int>(*count);
  }
  if (const auto delay = arguments.Integer("--delay", 0, 600'000)) {
    faults.delay_ms = static_cast<uint32_t>(*delay);
  }
  return options;
}

std::unique_ptr<SimulatedDevice> BuildDevice(const PanelSimOptions& options) {
  if (!options.multiplexer) {
    return std::make_unique<SimulatedPanel>(options.panel);
  }
  auto multiplexer = std::make_unique<SimulatedMultiplexer>(options.multiplexerSettings);
  for (const auto& [port, settings] : options.ports) {
    multiplexer->AttachPanel(port, settings);
  }
  return multiplexer;
}

}  // namespace orvane::sim
