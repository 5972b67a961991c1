#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "tests/support/RunProgram.h"
#include "tests/support/TestPaths.h"

namespace orvane {
namespace {

using testing::RunCli;

std::string ImagePath(const std::string& name) {
  return (testing::TestDataDir() / "images" / name).string();
}

// The digests sha256sum wrote for the image files.
std::string Sha256Of(const std::string& name) {
  std::istringstream sums(testing::ReadText(testing::TestDataDir() / "images" / "SHA256SUMS"));
  std::string digest;
  std::string file;
  while (sums >> digest >> file) {
    if (file == name) {
      return digest;
    }
  }
  ADD_FAILURE() << "no digest for " << name;
  return {};
}

TEST(ImageCli, ReportsAValidImage) {
  const std::string path = ImagePath("driver-gaps.hex");
  const auto result = RunCli({"image", "info", path, "--format", "ihex", "--start", "0x8000"});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, "file: " + path +
                            "\nformat: ihex\nstart: 0x8000\nvalid: yes\nlength: 549\nsha256: " +
                            Sha256Of("driver-gaps.bin") + "\n");
}

TEST(ImageCli, JsonAndExtract) {
  const std::string path = ImagePath("mux-driver-gaps.srec");
  const auto out = testing::MakeTempDir("extract") / "image.bin";
  const auto result = RunCli({"image", "info", path, "--format=srec", "--start", "2162688",
                              "--json", "--extract", out.string()});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.out, "{\"file\": \"" + path +
                            "\", \"format\": \"srec\", \"start\": 2162688, \"valid\": true, "
                            "\"length\": 421, \"sha256\": \"" +
                            Sha256Of("mux-driver-gaps.bin") + "\"}\n");
  EXPECT_EQ(testing::ReadBytes(out), testing::ReadBytes(ImagePath("mux-driver-gaps.bin")));
}

TEST(ImageCli, AnInvalidImageAnswersNo) {
  const auto out = testing::MakeTempDir("extract") / "image.bin";
  const std::string path = ImagePath("mux-firmware-at-10100.srec");
  const auto result = RunCli(
      {"image", "info", path, "--format", "srec", "--start", "0x10000", "--extract", out.string()});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.out, "file: " + path + "\nformat: srec\nstart: 0x10000\nvalid: no\n");
  EXPECT_FALSE(std::filesystem::exists(out));

  const auto json = RunCli({"image", "info", ImagePath("missing-end.hex"), "--format", "ihex",
                            "--start", "0x8000", "--json"});
  EXPECT_EQ(json.exitStatus, 1);
  EXPECT_NE(json.out.find("\"valid\": false, \"length\": 0, \"sha256\": null}"), std::string::npos)
      << json.out;
}

TEST(ImageCli, FileErrors) {
  const auto missing =
      RunCli({"image", "info", ImagePath("no-such-file.hex"), "--format", "ihex", "--start", "0"});
  EXPECT_EQ(missing.exitStatus, 4);
  EXPECT_NE(missing.err.find("cannot open"), std::string::npos) << missing.err;

  const auto directory =
      RunCli({"image", "info", ImagePath(""), "--format", "ihex", "--start", "0"});
  EXPECT_EQ(directory.exitStatus, 4);

  const auto unwritable = RunCli(
      {"image", "info", ImagePath("firmware.hex"), "--format", "ihex", "--start", "0", "--extract",
       (testing::MakeTempDir("x") / "no" / "such" / "dir" / "out.bin").string()});
  EXPECT_EQ(unwritable.exitStatus, 4);
}

TEST(ImageCli, UsageErrors) {
  const std::string file = ImagePath("firmware.hex");
  const std::vector<std::vector<std::string>> cases = {
      {"image"},
      {"image", "check", file},
      {"image", "info", "--format", "ihex", "--start", "0"},
      {"image", "info", file, "--start", "0"},
      {"image", "info", file, "--format", "bin", "--start", "0"},
      {"image", "info", file, "--format", "ihex"},
      {"image", "info", file, "--format", "ihex", "--start", "eight"},
      {"image", "info", file, "--format", "ihex", "--start", "0x100000000"},
      {"image", "info", file, "--format", "ihex", "--start", "-1"},
      {"image", "info", file, file, "--format", "ihex", "--start", "0"},
      {"image", "info", file, "--format", "ihex", "--start", "0", "--verbose"},
  };
  for (const auto& args : cases) {
    const auto result = RunCli(args);
    EXPECT_EQ(result.exitStatus, 2) << ::testing::PrintToString(args);
    EXPECT_NE(result.err.find("Usage: orvane-cli image info"), std::string::npos)
        << ::testing::PrintToString(args);
  }
}

}  // namespace
}  // namespace orvane
