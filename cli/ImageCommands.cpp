#include "cli/CommandGroups.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/AtomicFile.h"
#include "base/StringTable.h"
#include "cli/Arguments.h"
#include "cli/ExitStatus.h"
#include "cli/Json.h"
#include "link/HexRecordImage.h"
#include "link/Sha256.h"
#include "link/TOvExec.h"
#include "link/TOvMuxExec.h"

namespace orvane::cli {
namespace {

constexpr char kUsage[] =
    "Usage: orvane-cli image info FILE --format ihex|srec --start ADDRESS [--json]\n"
    "                             [--extract OUT]\n"
    "\n"
    "Reads an Intel HEX (ihex) or Motorola S-record (srec) image file the way a\n"
    "download reads it, with the image starting at ADDRESS (decimal or 0x...):\n"
    "0x8000 for a panel-side PLC driver (.plx), 0 for panel firmware, 0x210000\n"
    "for a multiplexer PLC driver (.plc), 0x10000 for multiplexer firmware.\n"
    "Reports whether the file is valid, the image length and the SHA-256 of the\n"
    "image bytes.\n"
    "\n"
    "  --json          print the result as one JSON object\n"
    "  --extract OUT   write the image bytes of a valid file to OUT\n"
    "\n"
    "Exit status: 0 valid, 1 invalid, 2 bad command line, 4 file error.\n";

// Replaced atomically like every file the program writes: a full disk or a
// killed run leaves an earlier extract whole.
bool WriteImage(const std::string& path, const std::vector<uint8_t>& image, std::string& error) {
  return WriteFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(image.data()), image.size()), &error);
}

// A file that cannot be read or written: said on standard error, and kept
// for the JSON failure object.
int Failed(const std::string& what) {
  std::fprintf(stderr, "orvane-cli image: %s\n", what.c_str());
  NoteError(what, {});
  return kExitFile;
}

int ImageInfo(const Arguments& args) {
  const std::vector<std::string>& positional = args.Positional();
  if (positional.size() != 2) {
    throw UsageError(positional.size() < 2 ? "missing FILE" : "too many arguments");
  }
  const std::string& path = positional[1];
  const std::string format = args.Required("--format");
  if (format != "ihex" && format != "srec") {
    throw UsageError("--format must be ihex or srec");
  }
  if (!args.Has("--start")) {
    throw UsageError("missing --start");
  }
  const auto start = static_cast<uint32_t>(*args.Integer("--start", 0, 0xFFFFFFFFL));

  std::ifstream file(path);
  if (std::filesystem::is_directory(path)) {
    errno = EISDIR;
    file.close();
  }
  if (!file.is_open()) {
    return Failed("cannot open " + path + ": " + std::strerror(errno));
  }
  std::unique_ptr<HexRecordImage> image;
  if (format == "ihex") {
    image = std::make_unique<TOvExec>(file, start);
  } else {
    image = std::make_unique<TOvMuxExec>(file, start);
  }
  if (file.bad()) {
    return Failed("cannot read " + path);
  }

  const bool valid = image->IsValid();
  const std::string digest = valid ? Sha256::HexDigest(image->Image()) : std::string();
  if (args.Has("--json")) {
    PrintJson(
        FormatText("{\"file\": %s, \"format\": \"%s\", \"start\": %u, \"valid\": %s, "
                   "\"length\": %zu, \"sha256\": %s}",
                   JsonString(path).c_str(), format.c_str(), start, valid ? "true" : "false",
                   image->ImageLength(), valid ? JsonString(digest).c_str() : "null"));
  } else {
    std::printf("file: %s\nformat: %s\nstart: 0x%X\nvalid: %s\n", path.c_str(), format.c_str(),
                start, valid ? "yes" : "no");
    if (valid) {
      std::printf("length: %zu\nsha256: %s\n", image->ImageLength(), digest.c_str());
    }
  }
  if (!valid) {
    return kExitNegative;
  }
  if (const auto out = args.Value("--extract")) {
    std::string error;
    if (!WriteImage(*out, image->Image(), error)) {
      return Failed(error);
    }
  }
  return kExitOk;
}

int RunImage(const std::vector<std::string>& rawArgs) {
  const Arguments args(rawArgs, {
                                    {"--format", true, false, ""},
                                    {"--start", true, false, ""},
                                    {"--json", false, false, ""},
                                    {"--extract", true, false, ""},
                                });
  if (args.Positional().empty()) {
    throw UsageError("missing subcommand");
  }
  if (args.Positional()[0] == "info") {
    return ImageInfo(args);
  }
  throw UsageError("unknown subcommand '" + args.Positional()[0] + "'");
}

}  // namespace

CommandGroup ImageCommandGroup() {
  return CommandGroup{"image", "read an image file as a download does", kUsage, RunImage};
}

}  // namespace orvane::cli
