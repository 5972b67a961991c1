// The text of an INI file: "[Section]" lines and "Key=Value" lines.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

/// Keeps the file's lines as they are, so that comments, blank lines and
/// entries it does not know survive a change. Section and key names match
/// exactly; the first of repeated keys counts.
class IniFile {
 public:
  IniFile() = default;
  explicit IniFile(std::string_view text);

  /// The file's content; a missing or unreadable file reads as empty.
  static IniFile Read(const std::filesystem::path& path);
  /// The file's content before a change is written back: a missing file
  /// reads as empty, but one that is there and cannot be read gives nothing
  /// (error names it and says why), since writing back what could be read
  /// would drop the rest.
  static std::optional<IniFile> ReadForUpdate(const std::filesystem::path& path,
                                              std::string& error);

  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  /// Replaces the key's value, or adds the key at the end of its section,
  /// or adds the section at the end of the file.
  void Set(std::string_view section, std::string_view key, std::string_view value);
  /// false when the key was not there.
  bool Remove(std::string_view section, std::string_view key);

  /// The lines, each ending with a newline.
  std::string Text() const;

  /// Whether a text can be stored as a section name, key or value without
  /// breaking the file's line structure (a name never starts a comment).
  static bool IsStorableName(std::string_view name);
  static bool IsStorableValue(std::string_view value);

 private:
  struct Range {
    size_t begin = 0;  // first line after the section header
    size_t end = 0;    // the next section header or the end
  };
  std::optional<Range> FindSection(std::string_view section) const;
  std::optional<size_t> FindKey(const Range& range, std::string_view key) const;

  std::vector<std::string> lines_;
};

}  // namespace orvane
