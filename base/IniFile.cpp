#include "base/IniFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace orvane {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
    text.remove_suffix(1);
  }
  return text;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
    return std::nullopt;
  }
  return Trim(line.substr(1, line.size() - 2));
}

bool IsComment(std::string_view line) {
  line = Trim(line);
  return !line.empty() && (line.front() == ';' || line.front() == '#');
}

}  // namespace

IniFile::IniFile(std::string_view text) {
  while (!text.empty()) {
    const std::string_view::size_type end = text.find('\n');
    std::string_view line = text.substr(0, end);
    // Every CR before the line end goes: a line written back without them
    // must mean what it meant when it was read.
    while (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    lines_.emplace_back(line);
    if (end == std::string_view::npos) {
      break;
    }
    text.remove_prefix(end + 1);
  }
}

IniFile IniFile::Read(const std::filesystem::path& path) {
  std::error_code code;
  if (!std::filesystem::is_regular_file(path, code)) {
    return IniFile();
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return IniFile();
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return IniFile(text);
}

std::optional<IniFile> IniFile::ReadForUpdate(const std::filesystem::path& path,
                                              std::string& error) {
  std::error_code code;
  const std::filesystem::file_status status = std::filesystem::status(path, code);
  if (status.type() == std::filesystem::file_type::not_found) {
    return IniFile();
  }
  // Anything else in the file's place (a folder) is for the write to
  // refuse, with its own reason.
  if (code || status.type() != std::filesystem::file_type::regular) {
    return IniFile();
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path.string() + ": " + std::strerror(errno);
    return std::nullopt;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = "cannot read " + path.string() + ": " + std::strerror(errno);
    return std::nullopt;
  }
  return IniFile(text);
}

std::optional<IniFile::Range> IniFile::FindSection(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i]);
    if (!name || *name != section) {
      continue;
    }
    Range range{i + 1, lines_.size()};
    for (size_t j = i + 1; j < lines_.size(); ++j) {
      if (SectionName(lines_[j])) {
        range.end = j;
        break;
      }
    }
    return range;
  }
  return std::nullopt;
}

std::optional<size_t> IniFile::FindKey(const Range& range, std::string_view key) const {
  for (size_t i = range.begin; i < range.end; ++i) {
    const std::string& line = lines_[i];
    const std::string::size_type equals = line.find('=');
    if (equals == std::string::npos || IsComment(line)) {
      continue;
    }
    if (Trim(std::string_view(line).substr(0, equals)) == key) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const auto range = FindSection(section);
  if (!range) {
    return std::nullopt;
  }
  const auto at = FindKey(*range, key);
  if (!at) {
    return std::nullopt;
  }
  const std::string& line = lines_[*at];
  return line.substr(line.find('=') + 1);
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string entry = std::string(key) + "=" + std::string(value);
  const auto range = FindSection(section);
  if (!range) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) {
      lines_.emplace_back();
    }
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::move(entry));
    return;
  }
  if (const auto at = FindKey(*range, key)) {
    lines_[*at] = std::move(entry);
    return;
  }
  // After the section's last non-blank line, so a blank separator line
  // before the next section stays where it is.
  size_t insertAt = range->begin;
  for (size_t i = range->begin; i < range->end; ++i) {
    if (!Trim(lines_[i]).empty()) {
      insertAt = i + 1;
    }
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
}

bool IniFile::Remove(std::string_view section, std::string_view key) {
  const auto range = FindSection(section);
  if (!range) {
    return false;
  }
  const auto at = FindKey(*range, key);
  if (!at) {
    return false;
  }
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*at));
  return true;
}

std::string IniFile::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += '\n';
  }
  return text;
}

bool IniFile::IsStorableName(std::string_view name) {
  // A key starting with ';' or '#' would make its line a comment.
  return !name.empty() && Trim(name) == name && name.front() != ';' && name.front() != '#' &&
         name.find_first_of("[]=\r\n") == std::string_view::npos;
}

bool IniFile::IsStorableValue(std::string_view value) {
  return value.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace orvane
