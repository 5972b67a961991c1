#include "plugins/common/kit/DialogSpec.h"

#include <utility>

namespace orvane::plugin {

namespace {

DialogRow Row(RowKind kind, const char* name, std::string label) {
  DialogRow row;
  row.kind = kind;
  row.name = name;
  row.label = std::move(label);
  return row;
}

}  // namespace

DialogRow ListRow(const char* name, std::string label, std::vector<Choice> choices, bool enabled) {
  DialogRow row = Row(RowKind::List, name, std::move(label));
  row.choices = std::move(choices);
  row.enabled = enabled;
  return row;
}

DialogRow BaudRateRow(const char* name, std::string label, bool enabled) {
  DialogRow row = Row(RowKind::BaudRate, name, std::move(label));
  row.enabled = enabled;
  return row;
}

DialogRow NumberRow(const char* name, std::string label, int minimum, int maximum,
                    std::string hint) {
  DialogRow row = Row(RowKind::Number, name, std::move(label));
  row.minimum = minimum;
  row.maximum = maximum;
  row.hint = std::move(hint);
  return row;
}

DialogRow NoteRow(const char* name, std::string text) {
  return Row(RowKind::Note, name, std::move(text));
}

DialogRow GroupRow(const char* name, std::string title) {
  return Row(RowKind::Group, name, std::move(title));
}

DialogRow EndGroupRow() {
  return Row(RowKind::EndGroup, "", "");
}

const std::vector<Choice> kNoYes = {{"No", 0}, {"Yes", 1}};
const std::vector<Choice> kParityNoneOddEven = {{"None", 0}, {"Odd", 1}, {"Even", 2}};
const std::vector<Choice> kParityNoneEven = {{"None", 0}, {"Even", 2}};
const std::vector<Choice> kStopBits = {{"One", 0}, {"Two", 1}};
const std::vector<Choice> kDataBits = {{"Seven", 0}, {"Eight", 1}};
const std::vector<Choice> kChecksumTypes = {{"BCC", 0}, {"CRC", 1}};

}  // namespace orvane::plugin
