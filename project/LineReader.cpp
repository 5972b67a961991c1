#include "project/LineReader.h"

#include "project/TextNumbers.h"

namespace orvane {

bool LineReader::Next(std::string& line) {
  line.clear();
  if (!std::getline(in_, line)) {
    line.clear();
    pastEnd_ = true;
    return false;
  }
  // Every CR before the line feed goes: a line the writer ends with a CR
  // would otherwise lose it only when the file is read again, so a file
  // would not read back as it was saved.
  while (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  ++lineNumber_;
  return true;
}

std::string LineReader::Line() {
  std::string line;
  Next(line);
  return line;
}

int32_t LineReader::Int() {
  return ParseInt32(Line());
}

uint32_t LineReader::UInt() {
  return ParseUInt32(Line());
}

bool LineReader::EqualsOne() {
  return Int() == 1;
}

bool LineReader::NonZero() {
  return Int() != 0;
}

void LineReader::Rewind() {
  in_.clear();
  in_.seekg(0, std::ios::beg);
  pastEnd_ = false;
  lineNumber_ = 0;
}

}  // namespace orvane
