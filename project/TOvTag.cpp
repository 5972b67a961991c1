#include "project/TOvTag.h"

#include <algorithm>
#include <cstring>

#include "project/LineReader.h"
#include "project/LineWriter.h"
#include "project/TOvException.h"
#include "project/TOvProject.h"
#include "project/TextNumbers.h"

namespace orvane {
namespace {

// The filler line that opens every address in the text form.
constexpr const char* kFillerLine = "not used";

}  // namespace

std::string TakeLine(std::string& text) {
  const std::string::size_type end = text.find('\n');
  if (end == std::string::npos) {
    return {};
  }
  std::string line = text.substr(0, end);
  text.erase(0, end + 1);
  return line;
}

void TOvTag::Reset() {
  dataType = kDataTypeBcd16;
  addressText.clear();
  tagName.clear();
}

void TOvTag::AppendTo(std::string& text) const {
  AppendBaseTo(text);
}

void TOvTag::Save(LineWriter& out) const {
  SaveBase(out);
}

bool TOvTag::LoadFromText(std::string& text, UserInterface&) {
  LoadBaseFromText(text);
  return true;
}

bool TOvTag::Load(LineReader& in, UserInterface&) {
  LoadBase(in);
  return true;
}

std::string TOvTag::AccessText() const {
  return "R";
}

void TOvTag::AppendBaseTo(std::string& text) const {
  text += kFillerLine;
  text += '\n';
  text += std::to_string(static_cast<int32_t>(dataType));
  text += '\n';
  text += addressText;
  text += '\t';
  text += tagName;
  text += '\n';
}

void TOvTag::SaveBase(LineWriter& out) const {
  out.Line(kFillerLine);
  out.Int(static_cast<int32_t>(dataType));
  out.Line(addressText + '\t' + tagName);
}

void TOvTag::LoadBaseFromText(std::string& text) {
  TakeLine(text);  // the filler
  TakeDataType(ParseInt32(TakeLine(text)));
  TakeAddressLine(TakeLine(text));
}

void TOvTag::LoadBase(LineReader& in) {
  in.Line();  // the filler
  TakeDataType(in.Int());
  TakeAddressLine(in.Line());
}

void TOvTag::TakeDataType(int32_t value) {
  if (value < 0 || value > static_cast<int32_t>(kDataTypeBinary32)) {
    throw UnknownValueType(value);
  }
  dataType = static_cast<uint32_t>(value);
}

void TOvTag::TakeAddressLine(const std::string& line) {
  const std::string::size_type tab = line.find('\t');
  if (tab == std::string::npos) {
    addressText = line;
    tagName.clear();
  } else {
    addressText = line.substr(0, tab);
    tagName = line.substr(tab + 1);
  }
}

bool TOvTag::Equals(const TOvTag& other) const {
  if (addressText.empty() && other.addressText.empty()) {
    return true;
  }
  if (dataType != other.dataType) {
    return false;
  }
  return std::memcmp(mapString_.data(), other.mapString_.data(), MapLength()) == 0;
}

PlcAddress TOvTag::plcAddress() const {
  PlcAddress record = record_;
  // The drivers' ReBuildAddress and CompareMapStrings only read the map
  // string; the record type is shared with ValidatePlc, which fills it.
  record.mapString = const_cast<unsigned char*>(mapString_.data());
  return record;
}

void TOvTag::SetPlcAddress(const PlcAddress& record) {
  record_ = record;
  record_.mapString = nullptr;
  mapString_.fill(0);
  if (record.mapString != nullptr) {
    std::memcpy(mapString_.data(), record.mapString, MapLength());
  }
}

void TOvTag::SetMapString(const unsigned char* bytes, size_t length) {
  mapString_.fill(0);
  if (bytes != nullptr) {
    std::memcpy(mapString_.data(), bytes, std::min(length, MapLength()));
  }
}

size_t TOvTag::MapLength() const {
  if (project == nullptr || project->plc.mapLength <= 0) {
    return 0;
  }
  return std::min(static_cast<size_t>(project->plc.mapLength), mapString_.size());
}

void TOvTag::AddToTable(TOvTagTable& table) {
  if (addressText.empty()) {
    tagIndex = kNoTagIndex;
    return;
  }
  tagIndex = static_cast<int32_t>(table.size()) + 1;
  table.push_back(static_cast<const TOvTag&>(*this));
}

void TOvTag::TakeFromTable(const TOvTagTable& table) {
  if (tagIndex < 1 || static_cast<size_t>(tagIndex) > table.size()) {
    return;
  }
  TOvProject* const owner = project;
  // Only the address part: a data item keeps its own options.
  static_cast<TOvTag&>(*this) = table[static_cast<size_t>(tagIndex) - 1];
  project = owner;
}

}  // namespace orvane
