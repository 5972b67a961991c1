// A save killed at a random moment: the project file is always the old or
// the new one, whole, and what the killed save left behind harms no later
// save.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "project/ProjectFile.h"
#include "project/TOvProject.h"
#include "tests/project/ProjectBuilders.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestPaths.h"

namespace orvane::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kTrials = 100;
// Bytes per write call of the killed saves: the kernel may return short
// writes anyway, and small ones spread the write over enough time for a
// kill to land in the middle of it.
constexpr size_t kWriteChunk = 1024;

// A project of a few hundred kilobytes: a full panel of long messages, each text
// telling the two versions apart.
TOvProject LargeProject(char letter, size_t textLength) {
  TOvProject project = MakeProject(kModelOv200);
  TOvPanel& panel = project.panels.front();
  for (int number = 1; number <= 256; ++number) {
    TOvMessage message(&panel);
    message.number = number;
    message.isPlcMessage = 1;
    message.text = std::string(textLength, letter) + std::to_string(number);
    panel.AddMessage(message);
  }
  return project;
}

// Forks a child that saves project to path and ends. With kill, the child
// is killed delay after its first write reached the file; without, the time
// from that first write to the child's end is stored in writeTime. The
// child's status.
int SaveInChild(TOvProject& project, const fs::path& path, std::chrono::microseconds delay,
                bool kill, std::chrono::microseconds* writeTime = nullptr) {
  int started[2];
  if (::pipe(started) != 0) {
    return -1;
  }
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(started[0]);
    ScriptedUserInterface ui;
    bool told = false;
    const bool saved = SaveProjectFile(
        project, path, ui, [&told, &started](int fd, const char* data, size_t size) {
          if (!told) {
            told = true;
            const char byte = 1;
            (void)!::write(started[1], &byte, 1);
          }
          return static_cast<long>(::write(fd, data, std::min(size, kWriteChunk)));
        });
    ::_exit(saved ? 0 : 1);
  }
  ::close(started[1]);
  char byte = 0;
  // Blocks until the child has begun writing (or has ended without writing).
  const bool writing = ::read(started[0], &byte, 1) == 1;
  ::close(started[0]);
  const Clock::time_point begun = Clock::now();
  if (kill && writing) {
    std::this_thread::sleep_for(delay);  // the random kill moment, not a wait for a result
    ::kill(child, SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (writeTime != nullptr) {
    *writeTime = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begun);
  }
  return status;
}

// Hidden temporary files a save of target may leave beside it.
std::vector<fs::path> Leftovers(const fs::path& target) {
  std::vector<fs::path> found;
  const std::string prefix = "." + target.filename().string() + ".";
  for (const fs::directory_entry& entry : fs::directory_iterator(target.parent_path())) {
    if (entry.path().filename().string().rfind(prefix, 0) == 0) {
      found.push_back(entry.path());
    }
  }
  return found;
}

TEST(SaveKill, TheFileIsAlwaysTheOldOrTheNewOneWhole) {
  const fs::path dir = MakeTempDir("save-kill");
  const fs::path target = dir / "large.ovx";
  TOvProject versions[2] = {LargeProject('a', 1200), LargeProject('b', 1500)};
  const std::string texts[2] = {ProjectFileText(versions[0]), ProjectFileText(versions[1])};
  ASSERT_GT(texts[0].size(), 300'000u);

  // The first save, whole, also measures how long its writing takes.
  std::chrono::microseconds saveTime{};
  ASSERT_EQ(SaveInChild(versions[0], target, {}, false, &saveTime), 0);
  ASSERT_EQ(ReadText(target), texts[0]);

  std::mt19937 random(20261209);
  std::uniform_int_distribution<long> moment(0, saveTime.count() * 5 / 4);
  int current = 0;
  int old = 0, replaced = 0, missing = 0, partial = 0, midWrite = 0;
  for (int trial = 0; trial < kTrials; ++trial) {
    const int next = 1 - current;
    const std::chrono::microseconds delay(moment(random));
    const std::vector<fs::path> before = Leftovers(target);
    const int status = SaveInChild(versions[next], target, delay, true);
    const bool killed = WIFSIGNALED(status);
    std::error_code code;
    if (!fs::is_regular_file(target, code)) {
      ++missing;
      ADD_FAILURE() << "trial " << trial << ": the file is gone";
      continue;
    }
    const std::string text = ReadText(target);
    if (text == texts[current]) {
      ++old;
      // A temporary file with part of the new text: the kill came while it
      // was being written.
      for (const fs::path& leftover : Leftovers(target)) {
        const uintmax_t size = fs::file_size(leftover);
        if (std::find(before.begin(), before.end(), leftover) == before.end() && size > 0 &&
            size < texts[next].size()) {
          ++midWrite;
        }
      }
    } else if (text == texts[next]) {
      ++replaced;
      current = next;
    } else {
      ++partial;
      ADD_FAILURE() << "trial " << trial << " (killed " << killed << "): " << text.size()
                    << " bytes that are neither version";
      current = next;  // whatever it is, the next trial compares against a version
    }
  }
  std::printf(
      "%d kills: %d kept the old file, %d the new one, %d mid-write, %d missing, "
      "%d partial; writing one takes %lld us\n",
      kTrials, old, replaced, midWrite, missing, partial, static_cast<long long>(saveTime.count()));
  EXPECT_EQ(missing, 0);
  EXPECT_EQ(partial, 0);
  // The kills must reach the write itself, or the trials prove nothing.
  EXPECT_GE(midWrite, 1);

  // What the killed saves left behind is hidden, never the file itself, and
  // stands in the way of nothing: the next save works.
  const std::vector<fs::path> leftovers = Leftovers(target);
  for (const fs::path& leftover : leftovers) {
    EXPECT_EQ(leftover.filename().string().front(), '.');
    EXPECT_NE(leftover, target);
  }
  const int next = 1 - current;
  ASSERT_EQ(SaveInChild(versions[next], target, {}, false), 0);
  EXPECT_EQ(ReadText(target), texts[next]);
  std::printf("%zu temporary files left by the killed saves\n", leftovers.size());
}

}  // namespace
}  // namespace orvane::testing
