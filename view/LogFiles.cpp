#include "view/LogFiles.h"

#include "base/AtomicFile.h"
#include "base/UserInterface.h"

namespace orvane {

std::optional<std::string> ChooseLogFile(UserInterface& ui) {
  FileRequest request;
  request.filter = kTextFileFilter;
  request.defaultExtension = kTextFileExtension;
  request.overwritePrompt = true;
  return ui.ChooseSaveFile(request);
}

std::vector<AddressLogRow> AddressLogRows(const std::vector<std::string>& lines) {
  std::vector<AddressLogRow> rows;
  for (const std::string& line : lines) {
    std::string fields[3];
    size_t start = 0;
    for (std::string& field : fields) {
      if (start > line.size()) {
        break;
      }
      const size_t tab = line.find('\t', start);
      field = line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
      start = tab == std::string::npos ? line.size() + 1 : tab + 1;
    }
    if (fields[0].empty()) {
      continue;
    }
    rows.push_back(AddressLogRow{fields[0], fields[1], fields[2]});
  }
  return rows;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end + 1 - start));
    start = end + 1;
  }
  return lines;
}

bool SaveLogLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                  std::string* error) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    if (line.empty() || line.back() != '\n') {
      text += '\n';
    }
  }
  return WriteFileAtomically(path, text, error);
}

}  // namespace orvane
