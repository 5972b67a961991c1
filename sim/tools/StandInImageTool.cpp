// orvane-standin-image: writes a stand-in driver or firmware image file, for
// the build's staging tree, the tests and the demo.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "sim/StandInFiles.h"

namespace {

using namespace orvane::sim;
using orvane::cli::UsageError;

constexpr const char* kUsage =
    "Usage: orvane-standin-image --kind KIND [codes] [--name TEXT] [--length N]\n"
    "                            [--format ihex|srec] [--start ADDRESS] -o FILE\n"
    "\n"
    "Writes a stand-in image: a header that names it a stand-in and says what it\n"
    "stands for, then filler up to the length (default 4096 bytes, at least 54).\n"
    "\n"
    "KIND and its codes:\n"
    "  panel-driver          --manufacturer M --plc-model D --revision R\n"
    "  panel-mux-driver      the same, for a panel behind a multiplexer\n"
    "  multiplexer-driver    the same, for the multiplexer\n"
    "  panel-firmware        --panel-model 1..5 --firmware REV (for example B3)\n"
    "  multiplexer-firmware  --firmware REV\n"
    "\n"
    "Format and start address default to what the program reads for the kind:\n"
    "Intel HEX at 0x8000 (panel drivers) or 0 (panel firmware), S-records at\n"
    "0x210000 (multiplexer driver) or 0x10000 (multiplexer firmware).\n";

ImageKind KindOf(const std::string& text) {
  if (text == "panel-driver") {
    return ImageKind::PanelDriver;
  }
  if (text == "panel-mux-driver") {
    return ImageKind::PanelBehindMultiplexerDriver;
  }
  if (text == "multiplexer-driver") {
    return ImageKind::MultiplexerDriver;
  }
  if (text == "panel-firmware") {
    return ImageKind::PanelFirmware;
  }
  if (text == "multiplexer-firmware") {
    return ImageKind::MultiplexerFirmware;
  }
  throw UsageError("unknown --kind " + text);
}

std::pair<char, uint8_t> Revision(const orvane::cli::Arguments& arguments) {
  const auto revision = ParseFirmwareRevision(arguments.Required("--firmware"));
  if (!revision) {
    throw UsageError("--firmware takes a revision letter and number, for example B3");
  }
  return *revision;
}

int Run(const std::vector<std::string>& args) {
  const orvane::cli::Arguments arguments(args, {
                                                   {"--help", false, false, "-h"},
                                                   {"--kind", true, false, ""},
                                                   {"--manufacturer", true, false, ""},
                                                   {"--plc-model", true, false, ""},
                                                   {"--revision", true, false, ""},
                                                   {"--panel-model", true, false, ""},
                                                   {"--firmware", true, false, ""},
                                                   {"--name", true, false, ""},
                                                   {"--length", true, false, ""},
                                                   {"--format", true, false, ""},
                                                   {"--start", true, false, ""},
                                                   {"--output", true, false, "-o"},
                                               });
  if (arguments.Has("--help")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  const ImageKind kind = KindOf(arguments.Required("--kind"));
  StandInHeader header;
  if (kind == ImageKind::PanelFirmware) {
    const auto model = arguments.Integer("--panel-model", 1, 5);
    if (!model) {
      throw UsageError("panel-firmware needs --panel-model 1..5");
    }
    const auto [letter, number] = Revision(arguments);
    header = MakePanelFirmwareHeader(static_cast<int>(*model), letter, number);
  } else if (kind == ImageKind::MultiplexerFirmware) {
    const auto [letter, number] = Revision(arguments);
    header = MakeMultiplexerFirmwareHeader(letter, number);
  } else {
    const auto manufacturer = arguments.Integer("--manufacturer", 0, 255);
    const auto plcModel = arguments.Integer("--plc-model", 0, 255);
    const std::string revision = arguments.Required("--revision");
    if (!manufacturer || !plcModel || revision.size() != 1) {
      throw UsageError("a driver needs --manufacturer, --plc-model and a one-character --revision");
    }
    header = MakeDriverHeader(kind, static_cast<uint8_t>(*manufacturer),
                              static_cast<uint8_t>(*plcModel), revision[0], "");
  }
  if (const auto name = arguments.Value("--name")) {
    header.name = *name;
  }
  const size_t length = static_cast<size_t>(
      arguments.Integer("--length", kStandInHeaderSize, 1 << 20).value_or(4096));
  RecordFormat format = DefaultFormat(kind);
  if (const auto text = arguments.Value("--format")) {
    if (*text != "ihex" && *text != "srec") {
      throw UsageError("--format takes ihex or srec");
    }
    format = *text == "ihex" ? RecordFormat::IntelHex : RecordFormat::SRecords;
  }
  const uint32_t start = static_cast<uint32_t>(
      arguments.Integer("--start", 0, 0xFFFFFFFFL).value_or(DefaultStartAddress(kind)));
  const std::string output = arguments.Required("--output");

  std::string error;
  if (!WriteStandInFile(output, header, length, format, start, error)) {
    std::fprintf(stderr, "orvane-standin-image: %s: %s\n", output.c_str(), error.c_str());
    return 4;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const UsageError& error) {
    std::fprintf(stderr, "orvane-standin-image: %s\n\n%s", error.what(), kUsage);
    return 2;
  }
}
