// Every kind of file the program writes, against targets that cannot take
// it: a full disk, a read-only folder, a folder in the file's place, and
// symbolic links to a file, into a missing folder and to a folder. A write
// that cannot be done says which file and why, reports failure, and leaves
// the old file as it was.
//
// Each case runs in a forked child, so that the file size limit and the
// unprivileged user it takes on stay there: as root (CI) permission bits
// stop nothing, so the read-only case drops to the user "nobody".
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/Settings.h"
#include "link/Trace.h"
#include "plchost/AddressConversionLog.h"
#include "project/ProjectFile.h"
#include "project/TOvProject.h"
#include "tests/project/ProjectBuilders.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestPaths.h"
#include "view/LogFiles.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOld = "the old content\n";
// Files may not grow past this many bytes under a "full disk"; every new
// content is longer.
constexpr rlim_t kFullDiskBytes = 24;
constexpr uid_t kNobody = 65534;

struct Outcome {
  bool written = false;
  std::string error;  // what the writer said: its error text, or its standard error
};

struct Writer {
  const char* name;
  const char* fileName;
  std::function<Outcome(const fs::path& target)> write;
};

Outcome FromCli(const ProgramResult& run) {
  return Outcome{run.exitStatus == 0, run.err};
}

std::string ExampleFile() {
  return (fs::path(ORVANE_TEST_SOURCE_DIR) / "examples" / "single-panel.ovx").string();
}

std::vector<Writer> Writers() {
  return {
      {"project save", "save.ovx",
       [](const fs::path& target) {
         TOvProject project = MakeProject(kModelOv200);
         ScriptedUserInterface ui;
         const bool saved = SaveProjectFile(project, target, ui);
         const std::vector<std::string> shown = ui.MessageTexts();
         return Outcome{saved, shown.empty() ? std::string() : shown.back()};
       }},
      {"panel export", "panel.ovx",
       [](const fs::path& target) {
         const TOvProject project = MakeProject(kModelOv200);
         ScriptedUserInterface ui;
         const bool saved = ExportPanelFile(project, target, ui);
         const std::vector<std::string> shown = ui.MessageTexts();
         return Outcome{saved, shown.empty() ? std::string() : shown.back()};
       }},
      {"orvane-cli project save", "cli.ovx",
       [](const fs::path& target) {
         return FromCli(RunCli({"project", "save", ExampleFile(), "-o", target.string()}));
       }},
      {"message table export", "messages.csv",
       [](const fs::path& target) {
         return FromCli(
             RunCli({"project", "messages", "export", ExampleFile(), "-o", target.string()}));
       }},
      {"report PDF", "report.pdf",
       [](const fs::path& target) {
         return FromCli(RunCli({"project", "report", ExampleFile(), "-o", target.string()}));
       }},
      {"image extract", "image.bin",
       [](const fs::path& target) {
         const fs::path image = TestDataDir() / "images" / "mux-driver-gaps.srec";
         return FromCli(RunCli({"image", "info", image.string(), "--format", "srec", "--start",
                                "2162688", "--extract", target.string()}));
       }},
      {"PLC attribute file", "default.atr",
       [](const fs::path& target) {
         return FromCli(RunCli({"plc", "default-attributes", "1:4", "-o", target.string()}));
       }},
      {"log viewer save", "log.txt",
       [](const fs::path& target) {
         Outcome outcome;
         outcome.written = SaveLogLines(
             target, {"first line of the log, long enough\n", "second line\n"}, &outcome.error);
         return outcome;
       }},
      {"address conversion log", "conversion.txt",
       [](const fs::path& target) {
         Outcome outcome;
         outcome.written = SaveAddressLogFile(target, {"N7:0\tN7:1\tmoved"}, &outcome.error);
         return outcome;
       }},
      {"link trace", "Write.txt",
       [](const fs::path& target) {
         Outcome outcome;
         if (!OpenTrace(target.filename().string(), target.parent_path(), &outcome.error)) {
           return outcome;
         }
         TraceHeader("I said:\n");
         for (int i = 0; i < 100; ++i) {
           TraceByte(static_cast<uint8_t>(i));
         }
         outcome.written = CloseTrace(&outcome.error);
         return outcome;
       }},
      {"settings", "settings.ini",
       [](const fs::path& target) {
         Settings settings(SettingsPaths{target.parent_path() / "unused-machine.ini", target, {}});
         Outcome outcome;
         outcome.written = settings.SetWorkingPath("/home/someone/projects/of/the/plant");
         outcome.error = settings.WriteError();
         return outcome;
       }},
  };
}

enum class Condition {
  FullDisk,
  ReadOnlyFolder,
  TargetIsAFolder,
  LinkToAFile,
  LinkIntoAMissingFolder,
  LinkToAFolder,
  // Not in the table: only a writer that reads the file first cares.
  UnreadableFile,
};

struct Case {
  Condition condition;
  const char* name;
  // Expected in the error when the write must fail; nothing when it must
  // succeed.
  std::string reason;
};

const Case kCases[] = {
    {Condition::FullDisk, "full disk", std::strerror(EFBIG)},
    {Condition::ReadOnlyFolder, "read-only folder", std::strerror(EACCES)},
    {Condition::TargetIsAFolder, "target is a folder", std::strerror(EISDIR)},
    {Condition::LinkToAFile, "link to a file", ""},
    {Condition::LinkIntoAMissingFolder, "link into a missing folder", "does not exist"},
    {Condition::LinkToAFolder, "link to a folder", std::strerror(EISDIR)},
};

// Runs the writer in a forked child under the condition's limits.
Outcome RunInChild(const Writer& writer, const fs::path& target, Condition condition,
                   const fs::path& scratch) {
  int pipeFds[2] = {-1, -1};
  if (::pipe(pipeFds) != 0) {
    return Outcome{false, "no pipe"};
  }
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    // Programs the child runs keep their scratch files where any user may.
    ::setenv("TMPDIR", scratch.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", scratch.c_str(), 1);
    ::setenv("XDG_CACHE_HOME", scratch.c_str(), 1);
    if (condition == Condition::FullDisk) {
      // Writes past the limit then fail with EFBIG instead of killing.
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{kFullDiskBytes, kFullDiskBytes};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    const bool unprivileged =
        condition == Condition::ReadOnlyFolder || condition == Condition::UnreadableFile;
    if (unprivileged && ::geteuid() == 0) {
      if (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
          ::setresuid(kNobody, kNobody, kNobody) != 0) {
        ::_exit(3);
      }
    }
    const Outcome outcome = writer.write(target);
    const std::string report = std::string(outcome.written ? "1" : "0") + outcome.error;
    (void)!::write(pipeFds[1], report.data(), report.size());
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  std::string report;
  char buffer[4096];
  for (long count = 0; (count = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
    report.append(buffer, static_cast<size_t>(count));
  }
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.empty()) {
    return Outcome{false, "the child did not finish: status " + std::to_string(status)};
  }
  return Outcome{report[0] == '1', report.substr(1)};
}

// Every file under folder with its content, links as links.
std::string Snapshot(const fs::path& folder) {
  std::string text;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    text += fs::relative(entry.path(), folder).string();
    if (entry.is_symlink()) {
      text += " -> " + fs::read_symlink(entry.path()).string();
    } else if (entry.is_regular_file()) {
      text += ": " + ReadText(entry.path());
    }
    text += "\n";
  }
  return text;
}

TEST(HostileTarget, EveryWriterFailsLoudlyAndKeepsTheOldFile) {
  const fs::path scratch = MakeTempDir("hostile-scratch");
  fs::permissions(scratch, fs::perms::all | fs::perms::sticky_bit);
  int caseNumber = 0;
  for (const Writer& writer : Writers()) {
    for (const Case& test : kCases) {
      SCOPED_TRACE(std::string(writer.name) + ", " + test.name);
      const fs::path dir = MakeTempDir("hostile-" + std::to_string(++caseNumber));
      fs::path target = dir / writer.fileName;
      fs::path old;  // the file that must keep kOld
      switch (test.condition) {
        case Condition::FullDisk:
          old = target;
          WriteText(old, kOld);
          break;
        case Condition::ReadOnlyFolder:
          fs::create_directories(dir / "locked");
          target = old = dir / "locked" / writer.fileName;
          WriteText(old, kOld);
          fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec |
                                              fs::perms::group_read | fs::perms::group_exec |
                                              fs::perms::others_read | fs::perms::others_exec);
          break;
        case Condition::TargetIsAFolder:
          fs::create_directories(target);
          old = target / "inside.txt";
          WriteText(old, kOld);
          break;
        case Condition::LinkToAFile:
          fs::create_directories(dir / "real");
          old = dir / "real" / writer.fileName;
          WriteText(old, kOld);
          fs::create_symlink(fs::path("real") / writer.fileName, target);
          break;
        case Condition::LinkIntoAMissingFolder:
          fs::create_symlink(fs::path("missing") / writer.fileName, target);
          break;
        case Condition::LinkToAFolder:
          fs::create_directories(dir / "folder");
          old = dir / "folder" / "inside.txt";
          WriteText(old, kOld);
          fs::create_symlink("folder", target);
          break;
        case Condition::UnreadableFile:
          break;
      }
      const std::string before = Snapshot(dir);
      const Outcome outcome = RunInChild(writer, target, test.condition, scratch);
      fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
      if (fs::exists(dir / "locked")) {
        fs::permissions(dir / "locked", fs::perms::owner_all, fs::perm_options::add);
      }

      if (test.reason.empty()) {
        // Written through the link: the link stays, its file has the new
        // content, and nothing is left beside either.
        EXPECT_TRUE(outcome.written) << outcome.error;
        EXPECT_TRUE(fs::is_symlink(target));
        EXPECT_NE(ReadText(old), kOld);
        EXPECT_FALSE(ReadText(old).empty());
        EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), fs::directory_iterator()), 1);
        continue;
      }
      EXPECT_FALSE(outcome.written) << "reported success";
      // A staged program's standard error is captured in a file, which the
      // size limit cuts short too: its text is only as long as the limit.
      if (test.condition == Condition::FullDisk && outcome.error.size() <= kFullDiskBytes) {
        EXPECT_EQ(Snapshot(dir), before);
        continue;
      }
      EXPECT_NE(outcome.error.find(writer.fileName), std::string::npos)
          << "the file is not named: " << outcome.error;
      EXPECT_NE(outcome.error.find(test.reason), std::string::npos)
          << "the reason is not given: " << outcome.error;
      // Nothing changed: the old file, the link, no temporary file.
      EXPECT_EQ(Snapshot(dir), before);
      if (!old.empty()) {
        EXPECT_EQ(ReadText(old), kOld);
      }
    }
  }
}

// A settings file is read, changed and written back: one that is there but
// cannot be read must not be replaced by the one value being set.
TEST(HostileTarget, ASettingsFileThatCannotBeReadIsNotReplaced) {
  const fs::path scratch = MakeTempDir("unreadable-scratch");
  fs::permissions(scratch, fs::perms::all | fs::perms::sticky_bit);
  const fs::path dir = MakeTempDir("unreadable");
  fs::permissions(dir, fs::perms::all);
  const fs::path target = dir / "settings.ini";
  const std::string old = "[Window]\nLeft=10\n[Recent File List]\nFile1=/plant/line1.ovx\n";
  WriteText(target, old);
  fs::permissions(target, fs::perms::none);
  const Writer settings = Writers().back();
  ASSERT_STREQ(settings.name, "settings");
  const Outcome outcome = RunInChild(settings, target, Condition::UnreadableFile, scratch);
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_FALSE(outcome.written);
  EXPECT_EQ(outcome.error, "cannot read " + target.string() + ": " + std::strerror(EACCES));
  EXPECT_EQ(ReadText(target), old);
}

}  // namespace
}  // namespace orvane::testing
