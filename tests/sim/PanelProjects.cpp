#include "tests/sim/PanelProjects.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "tests/support/RunProgram.h"

namespace orvane::sim::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Key/LED section: LED modes and key actions of keys 1..5, LED word N7:51,
// button word N7:50.
std::string KeysAndLeds() {
  ProjectLines lines;
  const int modes[] = {0, 1, 2, 0, 2};
  const int actions[] = {0, 1, 2, 0, 0};
  for (int key = 0; key < 5; ++key) {
    lines.Number(modes[key]).Number(actions[key]);
  }
  return lines.Address(1, "N7:51").Address(1, "N7:50").Text();
}

}  // namespace

std::string TextPanel() {
  ProjectLines p;
  p.Number(1).Number(1).Number(1).Number(2).Number(5);
  // Message 1: item 1 BCD 16, three digits and the PLC's point; item 2
  // Binary 32, six digits with leading zeros; item 3 Binary 16 with a point
  // typed among its digits.
  p.Number(1).Line("A\xFF\xFF\xFF\xFC B\xFE\xFE\xFE\xFE\xFE\xFE C\xFD\xFD.\xFD").Number(1);
  p.ItemOne(0, "N7:10", 1, 1, 0, "N7:11").Address(3, "N7:20").Address(1, "N7:30");
  p.Number(0).Number(1).Number(0);
  p.Number(256).Line("SETUP").Number(0).Number(1).Number(0).Number(0).Number(0).Number(0);
  p.Number(255).Line("SPEED \xFF\xFF\xFF\xFF").Number(0).Number(0).Number(1);
  p.ItemOne(0, "N7:40", 0, 10, 500).Number(0).Number(0).Number(0);
  p.Number(254).Line("TEMP  \xFF\xFF\xFF").Number(0).Number(0).Number(1);
  p.ItemOne(1, "N7:41", 1).Number(0).Number(0).Number(0);
  p.Number(253).Line("ABOUT").Number(0).Number(0).Number(0).Number(0).Number(0).Number(0);
  p.Lines(KeysAndLeds());
  p.Address(1, "N7:0").Address(1, "N7:1").Address(0).Address(0).Address(0);
  p.Number(0).Number(1).Number(1);
  return p.Text();
}

std::string PasswordPanel() {
  ProjectLines p;
  p.Number(3).Number(1).Number(1).Number(2).Number(2);
  p.Number(1).Line("PRESSURE \xFF\xFF\xFF\xFF").Number(1);
  p.ItemOne(1, "N7:10", 0, 0, 9999, "", -1, 1).Number(0).Number(0).Number(0);
  p.Number(256).Line("MENU").Number(0).Number(0).Number(0).Number(0).Number(0).Number(0);
  p.Lines(KeysAndLeds()).Address(1, "N7:60");
  p.Address(1, "N7:0").Address(1, "N7:1").Address(0).Address(0).Address(1, "N7:61");
  p.Number(4321).Number(1).Number(1);
  return p.Text();
}

std::string SetPointPanel() {
  ProjectLines p;
  p.Number(5).Number(1).Number(1).Number(1).Number(2);
  p.Number(1).Line("FEED RATE").Number(1).Number(1);
  p.ItemOne(1, "N7:70", 0, 100, 5000, "", 2).Number(0).Number(0).Number(0);
  p.Number(2).Line("BATCH COUNT").Number(1).Number(1);
  p.ItemOne(3, "N7:72", 1, 0, 99999999).Number(0).Number(0).Number(0);
  p.Address(0).Address(0).Address(0).Address(0).Address(0);
  p.Number(0).Number(1).Number(1);
  return p.Text();
}

fs::path SaveProject(const fs::path& dir, int model, const std::string& panel_section) {
  // The PLC section of a new project for the SLC 500 driver: from its name
  // line (the one before the plug-in path) to the end.
  const fs::path base = dir / "base.ovx";
  orvane::testing::RunCli(
      {"project", "new", "-o", base.string(), "--model", std::to_string(model)});
  std::istringstream lines(ReadText(base));
  std::vector<std::string> all;
  for (std::string line; std::getline(lines, line);) {
    all.push_back(line);
  }
  size_t plc = 0;
  while (plc + 1 < all.size() && all[plc + 1].find("/dll/") == std::string::npos) {
    ++plc;
  }
  std::string project = (all.empty() ? std::string() : all[0]) + "\n0\n1\n" + panel_section;
  for (size_t i = plc; i < all.size(); ++i) {
    project += all[i] + "\n";
  }
  const fs::path file = dir / "project.ovx";
  std::ofstream(file, std::ios::binary) << project;
  return file;
}

}  // namespace orvane::sim::testing
