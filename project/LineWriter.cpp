#include "project/LineWriter.h"

#include <string>

namespace orvane {

void LineWriter::Line(std::string_view text) {
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  out_.put('\n');
}

void LineWriter::Int(int32_t value) {
  Line(std::to_string(value));
}

void LineWriter::UInt(uint32_t value) {
  Line(std::to_string(value));
}

void LineWriter::Bool(bool value) {
  Line(value ? "1" : "0");
}

}  // namespace orvane
