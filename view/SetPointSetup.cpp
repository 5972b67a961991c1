#include "view/SetPointSetup.h"

#include <algorithm>
#include <sstream>

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/LineWriter.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "project/TOvProject.h"
#include "view/FieldNumbers.h"

namespace orvane {
namespace {

namespace sp = set_point;

// What a new entry starts with, and the text a pasted one is given before
// the clipboard's text fills it.
constexpr uint32_t kNewEntryMaximum = 9999;
constexpr const char* kPastedText = "New";

std::optional<int> EntryNumber(const std::string& text) {
  const std::optional<int64_t> value = ReadFieldNumber(text);
  if (!value || *value < 1 || *value > kMaxMessageNumber) {
    return std::nullopt;
  }
  return static_cast<int>(*value);
}

void ReportM004(UserInterface& ui) {
  ui.Show(LoadString(strings::kM004), Icon::Exclamation);
}

std::string DecimalPointText(const TOvReadWriteTag& item) {
  if (item.variableDecimalPoint) {
    return "Variable";
  }
  if (item.fixedDecimalPoint >= 1 && item.fixedDecimalPoint <= sp::kLastFixedDecimalPoint) {
    return FormatText("Fixed - %d", item.fixedDecimalPoint);
  }
  return "None";
}

Answer AskSaveChanges(UserInterface& ui, int stringId) {
  Question question;
  question.text = LoadString(stringId);
  question.icon = Icon::Question;
  question.buttons = Buttons::YesNoCancel;
  question.defaultAnswer = Answer::Yes;
  return ui.Ask(question);
}

}  // namespace

std::vector<std::string> DecimalPointTexts() {
  std::vector<std::string> texts{"None"};
  for (int position = 1; position <= sp::kLastFixedDecimalPoint; ++position) {
    texts.push_back(FormatText("Fixed - %d", position));
  }
  texts.push_back("Variable");
  return texts;
}

std::string SetPointNumberText(int number) {
  return FormatText("%03d", number);
}

SetPointSetup::SetPointSetup(TOvProject& project, TOvPanel& panel, UserInterface& ui)
    : project_(project), panel_(panel), ui_(ui), kind_(FieldKindFor(project)) {
  entries_ = panel.messages;
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const TOvMessage& a, const TOvMessage& b) { return a.number < b.number; });
  for (TOvMessage& entry : entries_) {
    entry.AttachTo(&panel_);
  }
  shown_ = EmptyEntry({});
}

std::string SetPointSetup::Cell(size_t row, int column) const {
  if (row >= entries_.size()) {
    return {};
  }
  const TOvMessage& entry = entries_[row];
  const TOvReadWriteTag& item = entry.item1;
  // The Think & Do variant names an address by its tag name.
  const auto addressText = [this](const TOvTag& tag) {
    return kind_ == AddressFieldKind::TagName && !tag.tagName.empty() ? tag.tagName
                                                                      : tag.addressText;
  };
  switch (column) {
    case 0:
      return SetPointNumberText(entry.number);
    case 1:
      return sp::kDisplayMethodTexts[item.accessType == kAccessReadOnly ? sp::kReadOnly
                                                                        : sp::kReadWrite];
    case 2:
      return DataTypeText(item.dataType);
    case 3:
      return DecimalPointText(item);
    case 4:
      return addressText(item);
    case 5:
      return item.variableDecimalPoint ? addressText(item.decimalPointRegister) : std::string();
    default:
      return {};
  }
}

std::optional<size_t> SetPointSetup::RowOf(int number) const {
  for (size_t row = 0; row < entries_.size(); ++row) {
    if (entries_[row].number == number) {
      return row;
    }
  }
  return std::nullopt;
}

std::vector<std::string> SetPointSetup::NumberTexts() const {
  std::vector<std::string> texts;
  for (const TOvMessage& entry : entries_) {
    texts.push_back(SetPointNumberText(entry.number));
  }
  return texts;
}

SetPointEntryFields SetPointSetup::EmptyEntry(const std::string& number) const {
  SetPointEntryFields fields;
  fields.number = number;
  fields.maximum = std::to_string(kNewEntryMaximum);
  return fields;
}

SetPointEntryFields SetPointSetup::FieldsOf(const TOvMessage& entry) const {
  const TOvReadWriteTag& item = entry.item1;
  SetPointEntryFields fields;
  fields.number = SetPointNumberText(entry.number);
  fields.text = entry.text;
  fields.minimum = std::to_string(item.minimum);
  fields.maximum = std::to_string(item.maximum);
  fields.displayMethod = item.accessType == kAccessReadOnly ? sp::kReadOnly : sp::kReadWrite;
  fields.dataType = DataTypePosition(DataTypeOrder::SetPoint, item.dataType);
  if (item.variableDecimalPoint) {
    fields.decimalPoint = sp::kVariableDecimalPoint;
    fields.decimalAddress = FieldTextOf(item.decimalPointRegister, kind_);
  } else if (item.fixedDecimalPoint >= 1 && item.fixedDecimalPoint <= sp::kLastFixedDecimalPoint) {
    fields.decimalPoint = item.fixedDecimalPoint;
  }
  fields.address = FieldTextOf(item, kind_);
  return fields;
}

bool SetPointSetup::HasEdits(const SetPointEntryFields& fields) const {
  SetPointEntryFields withoutNumber = fields;
  withoutNumber.number = shown_.number;
  return withoutNumber != shown_;
}

bool SetPointSetup::Refuse(SetPointField field) {
  failed_ = field;
  return false;
}

bool SetPointSetup::Select(const std::string& numberText, const SetPointEntryFields& current) {
  failed_ = SetPointField::None;
  const std::optional<int> number = EntryNumber(numberText);
  if (!number) {
    ReportM004(ui_);
    return Refuse(SetPointField::Number);
  }
  if (HasEdits(current)) {
    switch (AskSaveChanges(ui_, strings::kSaveMessageChangesQuestion)) {
      case Answer::Yes: {
        // The edits belong to the entry that was loaded; an entry that had
        // no number yet takes the one typed.
        SetPointEntryFields edits = current;
        if (!shown_.number.empty()) {
          edits.number = shown_.number;
        }
        if (!Commit(edits)) {
          return false;
        }
        break;
      }
      case Answer::No:
        break;
      default:
        return false;
    }
  }
  const std::optional<size_t> row = RowOf(*number);
  shown_ = row ? FieldsOf(entries_[*row]) : EmptyEntry(SetPointNumberText(*number));
  return true;
}

bool SetPointSetup::FitsAddressLimit(const TOvMessage& candidate,
                                     std::optional<size_t> replacing) const {
  TOvPanel scratch(panel_);
  scratch.messages = entries_;
  scratch.AttachTo(&project_);
  return scratch.AllowsMessage(candidate, replacing);
}

size_t SetPointSetup::Insert(TOvMessage entry) {
  entry.AttachTo(&panel_);
  const auto at =
      std::upper_bound(entries_.begin(), entries_.end(), entry.number,
                       [](int number, const TOvMessage& other) { return number < other.number; });
  const auto row = static_cast<size_t>(at - entries_.begin());
  entries_.insert(at, std::move(entry));
  modified_ = true;
  return row;
}

bool SetPointSetup::Commit(const SetPointEntryFields& fields) {
  failed_ = SetPointField::None;
  const std::optional<int> number = EntryNumber(fields.number);
  if (!number) {
    ReportM004(ui_);
    return Refuse(SetPointField::Number);
  }
  const uint32_t dataType = DataTypeAt(DataTypeOrder::SetPoint, fields.dataType);
  const int64_t kindMaximum = panel_.KindMaximum(dataType);
  const std::optional<int64_t> minimum = ReadFieldNumber(fields.minimum);
  if (!minimum) {
    ReportNotANumber(ui_);
    return Refuse(SetPointField::Minimum);
  }
  const std::optional<int64_t> maximum = ReadFieldNumber(fields.maximum);
  if (!maximum) {
    ReportNotANumber(ui_);
    return Refuse(SetPointField::Maximum);
  }
  if (*minimum < 0 || *minimum > kindMaximum) {
    ReportNumberRange(ui_, 0, kindMaximum);
    return Refuse(SetPointField::Minimum);
  }
  if (*maximum < *minimum || *maximum > kindMaximum) {
    ReportNumberRange(ui_, *minimum, kindMaximum);
    return Refuse(SetPointField::Maximum);
  }

  const std::optional<size_t> existing = RowOf(*number);
  TOvMessage entry = existing ? entries_[*existing] : TOvMessage(&panel_);
  TOvReadWriteTag& item = entry.item1;
  AddressEntry addresses(project_, ui_);
  const bool readOnly = fields.displayMethod == sp::kReadOnly;
  if (!addresses.Enter(fields.address,
                       AddressRule{readOnly ? kAccessReadOnly : kAccessReadWrite, dataType, false},
                       item)) {
    return Refuse(SetPointField::Address);
  }
  if (fields.decimalPoint == sp::kVariableDecimalPoint) {
    if (!addresses.Enter(fields.decimalAddress,
                         AddressRule{kAccessReadWrite, kDataTypeBcd16, false},
                         item.decimalPointRegister)) {
      return Refuse(SetPointField::DecimalAddress);
    }
    item.variableDecimalPoint = true;
    item.fixedDecimalPoint = orvane::kNoDecimalPoint;
  } else {
    item.variableDecimalPoint = false;
    item.decimalPointRegister.Reset();
    item.fixedDecimalPoint =
        fields.decimalPoint >= 1 && fields.decimalPoint <= sp::kLastFixedDecimalPoint
            ? static_cast<int16_t>(fields.decimalPoint)
            : orvane::kNoDecimalPoint;
  }
  entry.number = *number;
  entry.text = fields.text.substr(0, sp::kTextLength);
  entry.isPlcMessage = 1;
  entry.setPointValue = true;
  item.accessType = readOnly ? kAccessReadOnly : kAccessReadWrite;
  item.limitsEnabled = true;
  item.minimum = static_cast<uint32_t>(*minimum);
  item.maximum = static_cast<uint32_t>(*maximum);
  if (!FitsAddressLimit(entry, existing)) {
    ReportAddressLimit(ui_);
    return Refuse(SetPointField::Address);
  }

  if (existing) {
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*existing));
  }
  Insert(std::move(entry));
  shown_ = FieldsOf(entries_[*RowOf(*number)]);
  return true;
}

bool SetPointSetup::Delete(size_t row) {
  if (row >= entries_.size()) {
    return false;
  }
  Question question;
  question.text = LoadString(strings::kDeleteCurrentMessage);
  question.icon = Icon::Question;
  question.buttons = Buttons::YesNo;
  question.defaultAnswer = Answer::No;
  if (ui_.Ask(question) != Answer::Yes) {
    return false;
  }
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(row));
  modified_ = true;
  return true;
}

std::string SetPointSetup::CopyText(size_t row) const {
  if (row >= entries_.size()) {
    return {};
  }
  std::ostringstream text;
  LineWriter out(text);
  WriteMessage(entries_[row], panel_, out);
  return text.str();
}

std::optional<std::string> SetPointSetup::Cut(size_t row) {
  if (row >= entries_.size()) {
    return std::nullopt;
  }
  std::string text = CopyText(row);
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(row));
  modified_ = true;
  return text;
}

std::optional<size_t> SetPointSetup::Paste(const std::string& text,
                                           std::optional<size_t> selectedRow) {
  int after = 0;
  if (selectedRow && *selectedRow < entries_.size()) {
    after = entries_[*selectedRow].number;
  } else if (!entries_.empty()) {
    after = entries_.back().number;
  }
  int number = after + 1;
  while (number <= kMaxMessageNumber && RowOf(number)) {
    ++number;
  }
  if (number > kMaxMessageNumber) {
    return std::nullopt;
  }
  TOvMessage entry(&panel_);
  entry.text = kPastedText;
  std::istringstream in(text);
  if (!ReadMessageRecord(in, entry, panel_, ui_)) {
    return std::nullopt;
  }
  entry.AttachTo(&panel_);
  entry.number = number;
  entry.isPlcMessage = 1;
  entry.setPointValue = true;
  TOvReadWriteTag& item = entry.item1;
  AddressEntry addresses(project_, ui_);
  addresses.Recheck(
      item,
      AddressRule{item.accessType == kAccessReadOnly ? kAccessReadOnly : kAccessReadWrite,
                  item.dataType, false},
      panel_);
  if (item.variableDecimalPoint) {
    addresses.Recheck(item.decimalPointRegister,
                      AddressRule{kAccessReadWrite, kDataTypeBcd16, false}, panel_);
  }
  if (!FitsAddressLimit(entry, std::nullopt)) {
    ReportAddressLimit(ui_);
    return std::nullopt;
  }
  return Insert(std::move(entry));
}

SetPointPanelFields SetPointSetup::PanelFields() const {
  const TOvTag& selection = panel_.lineRegisters[0];
  SetPointPanelFields fields;
  fields.selection = !selection.addressText.empty();
  fields.selectionAddress = FieldTextOf(selection, kind_);
  fields.selectionType = DataTypePosition(DataTypeOrder::SetPoint, selection.dataType);
  fields.beeper = panel_.beeperEnabled;
  return fields;
}

bool SetPointSetup::Ok(const SetPointPanelFields& panelFields, const SetPointEntryFields& current) {
  failed_ = SetPointField::None;
  TOvTag selection = panel_.lineRegisters[0];
  if (panelFields.selection) {
    AddressEntry entry(project_, ui_);
    const AddressRule rule{kAccessReadOnly,
                           DataTypeAt(DataTypeOrder::SetPoint, panelFields.selectionType), false};
    if (!entry.Enter(panelFields.selectionAddress, rule, selection)) {
      return Refuse(SetPointField::SelectionAddress);
    }
  } else {
    selection.Reset();
  }
  if (HasEdits(current) && !Commit(current)) {
    return false;
  }
  panel_.messages = entries_;
  panel_.AttachTo(&project_);
  panel_.firstMessageNumber = entries_.empty() ? 0 : entries_.front().number;
  panel_.lineRegisters[0] = selection;
  panel_.beeperEnabled = panelFields.beeper;
  project_.changed = true;
  return true;
}

bool SetPointSetup::Cancel(const SetPointPanelFields& panelFields,
                           const SetPointEntryFields& current) {
  if (!modified_ && !HasEdits(current) && panelFields == PanelFields()) {
    return true;
  }
  switch (AskSaveChanges(ui_, strings::kSaveMessagesQuestion)) {
    case Answer::Yes:
      return Ok(panelFields, current);
    case Answer::No:
      return true;
    default:
      return false;
  }
}

}  // namespace orvane
