#include "view/AddressEntry.h"

#include <array>

#include "plchost/DriverAddress.h"
#include "plchost/PlcDriver.h"
#include "project/TOvProject.h"
#include "project/TOvTagMap.h"

namespace orvane {
namespace {

constexpr std::array<const char*, 4> kDataTypeNames = {"BCD/Int 16", "Binary/Int 16", "BCD/Int 32",
                                                       "Binary/Int 32"};
// The set point list shows the 16-bit kinds first; position → data type.
constexpr std::array<uint32_t, 4> kSetPointOrder = {kDataTypeBcd16, kDataTypeBcd32,
                                                    kDataTypeBinary16, kDataTypeBinary32};

}  // namespace

AddressFieldKind FieldKindFor(const TOvProject& project) {
  return project.tagMapInUse ? AddressFieldKind::TagName : AddressFieldKind::FreeText;
}

FieldAddress SplitFieldText(const std::string& fieldText) {
  const size_t tab = fieldText.find('\t');
  if (tab == std::string::npos) {
    return FieldAddress{fieldText, {}};
  }
  return FieldAddress{fieldText.substr(tab + 1), fieldText.substr(0, tab)};
}

std::string TaggedFieldText(const std::string& tagName, const std::string& remainder) {
  return tagName + '\t' + remainder;
}

std::string FieldTextOf(const TOvTag& tag, AddressFieldKind kind) {
  if (kind == AddressFieldKind::FreeText || tag.addressText.empty()) {
    return tag.addressText;
  }
  return TaggedFieldText(tag.tagName, tag.addressText);
}

const TOvTagMap& TagMapFor(const TOvProject& project, const TOvPanel& panel) {
  return project.tagMaps[panel.IsSetPoint() ? kSetPointTagMap : kTextModelTagMap];
}

std::vector<std::pair<std::string, std::string>> TagNameChoices(const TOvTagMap& table) {
  std::vector<std::pair<std::string, std::string>> choices;
  choices.reserve(table.entries.size() + 1);
  choices.emplace_back(std::string(), std::string());
  for (const auto& [name, remainder] : table.entries) {
    choices.emplace_back(name, TaggedFieldText(name, remainder));
  }
  return choices;
}

std::vector<std::string> DataTypeTexts(DataTypeOrder order) {
  std::vector<std::string> texts;
  for (int position = 0; position < 4; ++position) {
    texts.push_back(kDataTypeNames[DataTypeAt(order, position)]);
  }
  return texts;
}

uint32_t DataTypeAt(DataTypeOrder order, int position) {
  if (order == DataTypeOrder::SetPoint) {
    return position >= 0 && position < 4 ? kSetPointOrder[static_cast<size_t>(position)]
                                         : kDataTypeBinary32;
  }
  return position >= 0 && position < 4 ? static_cast<uint32_t>(position) : kDataTypeBcd16;
}

int DataTypePosition(DataTypeOrder order, uint32_t dataType) {
  for (int position = 0; position < 4; ++position) {
    if (DataTypeAt(order, position) == dataType) {
      return position;
    }
  }
  return 0;
}

std::string DataTypeText(uint32_t dataType) {
  return dataType < kDataTypeNames.size() ? kDataTypeNames[dataType] : "";
}

bool AddressEntry::Enter(const std::string& fieldText, const AddressRule& rule, TOvTag& address) {
  const FieldAddress field = SplitFieldText(fieldText);
  if (field.address.empty()) {
    // The address alone is cleared, not the options of a data item; the
    // data type chosen beside the field stays (a bit word's is Binary 16).
    address.TOvTag::Reset();
    address.dataType = rule.bitWord ? kDataTypeBinary16 : rule.dataType;
    return true;
  }
  PlcDriver driver = project_.Driver(quiet_ ? nullptr : &ui_);
  driver.SetQuiet(quiet_);
  DriverAddress parsed;
  if (!driver.ValidateAddress(parsed, field.address, rule.access,
                              static_cast<int>(rule.dataType))) {
    return false;
  }
  std::string text = field.address;
  if (field.tagName.empty()) {
    if (std::string canonical = driver.AddressText(parsed); !canonical.empty()) {
      text = std::move(canonical);
    }
  }
  address.dataType = rule.dataType;
  address.addressText = std::move(text);
  address.tagName = field.tagName;
  address.SetPlcAddress(parsed.Record());
  return true;
}

void AddressEntry::Recheck(TOvTag& address, const AddressRule& rule, const TOvPanel& panel) {
  if (address.addressText.empty()) {
    return;
  }
  const AddressFieldKind kind = FieldKindFor(project_);
  // A tag name this project's map does not hold cannot be shown or kept up
  // to date by the tag map check.
  if (kind == AddressFieldKind::TagName &&
      TagMapFor(project_, panel).entries.count(address.tagName) == 0) {
    address.TOvTag::Reset();
    return;
  }
  const std::string fieldText = kind == AddressFieldKind::TagName
                                    ? TaggedFieldText(address.tagName, address.addressText)
                                    : address.addressText;
  if (!Enter(fieldText, rule, address)) {
    address.TOvTag::Reset();
  }
}

}  // namespace orvane
