// The atomic file write: through a symbolic link, into a folder that is not
// there, and what it flushes.
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/AtomicFile.h"
#include "tests/support/TestPaths.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::MakeTempDir;
using testing::ReadText;
using testing::WriteText;

TEST(AtomicFile, ALinkWritesItsTargetAndStaysALink) {
  const fs::path dir = MakeTempDir("atomic-link");
  fs::create_directories(dir / "real");
  WriteText(dir / "real" / "project.ovx", "old");
  fs::create_symlink("real/project.ovx", dir / "link.ovx");  // relative, as users make them
  fs::create_symlink(dir / "real" / "new.ovx", dir / "dangling.ovx");
  for (const char* name : {"link.ovx", "dangling.ovx"}) {
    SCOPED_TRACE(name);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(dir / name, std::string("new ") + name, &error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir / name));
    EXPECT_EQ(ReadText(dir / name), std::string("new ") + name);
  }
  EXPECT_EQ(ReadText(dir / "real" / "project.ovx"), "new link.ovx");
}

TEST(AtomicFile, AFolderThatIsNotThereIsRefused) {
  const fs::path dir = MakeTempDir("atomic-folder");
  WriteText(dir / "file", "a file");
  const struct {
    fs::path path;
    std::string error;
  } cases[] = {
      {dir / "missing" / "out.ovx", "cannot write " + (dir / "missing" / "out.ovx").string() +
                                        ": the folder " + (dir / "missing").string() +
                                        " does not exist"},
      {dir / "file" / "out.ovx", "cannot write " + (dir / "file" / "out.ovx").string() + ": " +
                                     (dir / "file").string() + " is not a folder"},
  };
  for (const auto& test : cases) {
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(test.path, "text", &error));
    EXPECT_EQ(error, test.error);
  }
  EXPECT_FALSE(fs::exists(dir / "missing"));
}

TEST(AtomicFile, TheFileAndThenItsFolderAreFlushed) {
  const fs::path dir = MakeTempDir("atomic-sync");
  std::vector<bool> flushedFolders;
  AtomicWriteCalls calls;
  calls.sync = [&flushedFolders](int fd) {
    struct stat info {};
    fstat(fd, &info);
    flushedFolders.push_back(S_ISDIR(info.st_mode));
    return 0;
  };
  ASSERT_TRUE(WriteFileAtomically(dir / "out.txt", "text", nullptr, calls));
  EXPECT_EQ(flushedFolders, (std::vector<bool>{false, true}));
  EXPECT_EQ(ReadText(dir / "out.txt"), "text");
}

}  // namespace
}  // namespace orvane
