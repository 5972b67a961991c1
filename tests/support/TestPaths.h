// Paths of the build's staging tree and test data, for tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::testing {

/// The staged install directory (dll/, driver/, Corvel, Verlin).
std::filesystem::path StagedInstallDir();
/// The staged stand-in driver images (share/orvane/standin of the staging
/// tree), whatever install directory a test has switched to.
std::filesystem::path StagedStandInDir();
/// The staged bin/ folder (orvane-cli, orvane-panelsim).
std::filesystem::path StagedBinDir();
/// tests/data in the source tree.
std::filesystem::path TestDataDir();
/// A fresh, empty folder under this test executable's temporary folder.
std::filesystem::path MakeTempDir(const std::string& name);

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);
std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);

}  // namespace orvane::testing
