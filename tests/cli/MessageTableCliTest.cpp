// orvane-cli project messages as a user runs it on the examples: an export
// imported again gives the same project, an edited table changes only what
// was edited, and a table with a fault is refused with its row, writing
// nothing.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/RunProgram.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The project diff of two files: exit 0 when they are the same.
ProgramResult Diff(const fs::path& a, const fs::path& b) {
  return RunCli({"project", "diff", a.string(), b.string()});
}

TEST(MessageTableCliTest, ATableRoundTripsEditsAndRefusesFaultyRows) {
  const fs::path dir = MakeTempDir("message-table-cli");
  struct Case {
    const char* file;
    int port;
  };
  for (const Case& c :
       {Case{"single-panel.ovx", 1}, Case{"multi-panel.ovx", 2}, Case{"multi-panel.ovx", 5}}) {
    SCOPED_TRACE(std::string(c.file) + " port " + std::to_string(c.port));
    const fs::path file = fs::path(ORVANE_TEST_SOURCE_DIR) / "examples" / c.file;
    const std::string port = std::to_string(c.port);
    const fs::path csv = dir / ("table-" + port + ".csv");
    const ProgramResult exported = RunCli(
        {"project", "messages", "export", file.string(), "--port", port, "-o", csv.string()});
    ASSERT_EQ(exported.exitStatus, 0) << exported.err;
    const std::string table = ReadAll(csv);
    ASSERT_EQ(table.rfind("number,kind,depth,folder,text,", 0), 0u) << table;

    // The same table back: the same project.
    const fs::path same = dir / ("same-" + port + ".ovx");
    const ProgramResult imported = RunCli({"project", "messages", "import", file.string(), "--port",
                                           port, "--from", csv.string(), "-o", same.string()});
    ASSERT_EQ(imported.exitStatus, 0) << imported.err;
    const ProgramResult unchanged = Diff(file, same);
    EXPECT_EQ(unchanged.exitStatus, 0) << unchanged.out << unchanged.err;

    // A row's text edited (the first that starts with a capital): the
    // project differs in that text only.
    std::string edited = table;
    char put = 0;
    for (size_t row = edited.find("\r\n") + 2; row < edited.size() && put == 0;
         row = edited.find("\r\n", row) + 2) {
      size_t text = row;
      for (int comma = 0; comma < 4; ++comma) {
        text = edited.find(',', text) + 1;
      }
      if (edited[text] >= 'A' && edited[text] <= 'Z') {
        put = edited[text] == 'X' ? 'Y' : 'X';
        edited[text] = put;
      }
    }
    ASSERT_NE(put, 0) << table;
    const fs::path editedCsv = dir / ("edited-" + port + ".csv");
    WriteAll(editedCsv, edited);
    const fs::path changed = dir / ("changed-" + port + ".ovx");
    ASSERT_EQ(RunCli({"project", "messages", "import", file.string(), "--port", port, "--from",
                      editedCsv.string(), "-o", changed.string()})
                  .exitStatus,
              0);
    const ProgramResult differs = Diff(file, changed);
    EXPECT_EQ(differs.exitStatus, 1) << differs.out;
    EXPECT_NE(differs.out.find(std::string("\"") + put), std::string::npos) << differs.out;

    // A row with an unknown kind: refused with its row, nothing written.
    std::string faulty = table;
    faulty.replace(
        faulty.find(",PLC,") != std::string::npos ? faulty.find(",PLC,") : faulty.find(",Local,"),
        1, ",Remote");
    const fs::path faultyCsv = dir / ("faulty-" + port + ".csv");
    WriteAll(faultyCsv, faulty);
    const fs::path refusedOut = dir / ("refused-" + port + ".ovx");
    const ProgramResult refused =
        RunCli({"project", "messages", "import", file.string(), "--port", port, "--from",
                faultyCsv.string(), "-o", refusedOut.string()});
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_NE(refused.err.find("The message table was not imported: 1 fault."), std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("row 2: kind \"Remote"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(refusedOut));
  }

  // The set point panel has no message table.
  const fs::path multi = fs::path(ORVANE_TEST_SOURCE_DIR) / "examples" / "multi-panel.ovx";
  const ProgramResult setPoint = RunCli({"project", "messages", "export", multi.string(), "--port",
                                         "4", "-o", (dir / "sp.csv").string()});
  EXPECT_EQ(setPoint.exitStatus, 1);
  EXPECT_NE(setPoint.err.find("set point panel"), std::string::npos) << setPoint.err;
}

}  // namespace
}  // namespace orvane::testing
