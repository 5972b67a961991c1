#include "view/MessageEditor.h"

#include <algorithm>
#include <sstream>

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "link/MessageText.h"
#include "project/LineWriter.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "project/TOvProject.h"
#include "view/FieldNumbers.h"
#include "view/MessageSearch.h"

namespace orvane {
namespace {

namespace me = message_edit;

Answer AskSaveChanges(UserInterface& ui, int stringId) {
  Question question;
  question.text = LoadString(stringId);
  question.icon = Icon::Question;
  question.buttons = Buttons::YesNoCancel;
  question.defaultAnswer = Answer::Yes;
  return ui.Ask(question);
}

bool AskYesNo(UserInterface& ui, const std::string& text, Answer defaultAnswer) {
  Question question;
  question.text = text;
  question.icon = Icon::Question;
  question.buttons = Buttons::YesNo;
  question.defaultAnswer = defaultAnswer;
  return ui.Ask(question) == Answer::Yes;
}

bool IsPlc(const MessageSelection& selection) {
  return selection.list == MessageList::Plc;
}

bool IsLocal(const MessageSelection& selection) {
  return selection.list == MessageList::Tree && !selection.root;
}

}  // namespace

std::string InsertPromptText(const InsertRange& range) {
  return FormatText("&Enter a message number between %d and %d:", range.low, range.high);
}

std::optional<int32_t> CheckInsertNumber(const std::string& text, const InsertRange& range,
                                         UserInterface& ui) {
  const std::optional<int64_t> number = ReadFieldNumber(text);
  if (!number || *number <= range.low || *number >= range.high) {
    ui.Show(LoadString(strings::kM005), Icon::Exclamation);
    return std::nullopt;
  }
  return static_cast<int32_t>(*number);
}

std::string ReplaceSummary(const ReplaceResult& result) {
  std::string text =
      FormatText("%d %s changed.", result.replaced, result.replaced == 1 ? "message" : "messages");
  if (!result.tooLong.empty()) {
    text += " Left alone, the text would not fit:";
    for (const int32_t number : result.tooLong) {
      text += " " + std::to_string(number);
    }
    text += ".";
  }
  return text;
}

MessageEditor::MessageEditor(TOvProject& project, TOvPanel& panel, UserInterface& ui)
    : project_(project),
      panel_(panel),
      ui_(ui),
      kind_(FieldKindFor(project)),
      lists_(SplitMessages(panel)) {
  NumberLocalMessages(lists_.locals);
}

bool MessageEditor::HasPasswords() const {
  return panel_.HasPasswords();
}

const TOvMessage* MessageEditor::Loaded() const {
  if (IsPlc(selection_) && selection_.index < lists_.plc.size()) {
    return &lists_.plc[selection_.index];
  }
  if (IsLocal(selection_) && selection_.index < lists_.locals.size()) {
    return &lists_.locals[selection_.index];
  }
  return nullptr;
}

TOvMessage* MessageEditor::LoadedMutable() {
  return const_cast<TOvMessage*>(Loaded());
}

ParsedText::Limits MessageEditor::TextLimits() const {
  const TOvMessage* message = Loaded();
  const bool folder = message != nullptr && message->isFolder != 0;
  ParsedText::Limits limits;
  limits.length = static_cast<size_t>(std::max(0, panel_.CharactersPerLine() - (folder ? 1 : 0)));
  limits.dataAllowed = message != nullptr && !folder && !panel_.IsSetPoint();
  return limits;
}

MessageFields MessageEditor::FieldsOf(const TOvMessage& message) const {
  MessageFields fields;
  fields.number = std::to_string(message.isPlcMessage != 0 ? message.number : 0);
  fields.text = message.text;
  const TOvReadWriteTag& item1 = message.item1;
  fields.item1Address = FieldTextOf(item1, kind_);
  fields.item1Type = item1.dataType;
  fields.minimum = std::to_string(item1.minimum);
  fields.maximum = std::to_string(item1.maximum);
  fields.access = item1.accessType == kAccessReadOnly ? kAccessReadOnly : kAccessReadWrite;
  fields.passwordProtected = item1.passwordProtected;
  fields.passwordIsLocal = item1.passwordIsLocal;
  fields.variableDecimalPoint = item1.variableDecimalPoint;
  fields.decimalPointAddress =
      item1.variableDecimalPoint ? FieldTextOf(item1.decimalPointRegister, kind_) : std::string();
  fields.leadingZeros = message.leadingZeros;
  fields.item2Address = FieldTextOf(message.item2, kind_);
  fields.item2Type = message.item2.dataType;
  fields.item3Address = FieldTextOf(message.item3, kind_);
  fields.item3Type = message.item3.dataType;
  return fields;
}

void MessageEditor::LoadSelection() {
  const TOvMessage* message = Loaded();
  shown_ = message != nullptr ? FieldsOf(*message) : MessageFields{};
}

bool MessageEditor::Refuse(MessageField field) {
  failed_ = field;
  return false;
}

bool MessageEditor::LeaveCurrent(const MessageFields& current) {
  if (!HasEdits(current)) {
    return true;
  }
  switch (AskSaveChanges(ui_, strings::kSaveMessageChangesQuestion)) {
    case Answer::Yes:
      return Accept(current);
    case Answer::No:
      LoadSelection();
      return true;
    default:
      return false;
  }
}

bool MessageEditor::Select(const MessageSelection& selection, const MessageFields& current) {
  failed_ = MessageField::None;
  if (selection == selection_) {
    return true;
  }
  if (!LeaveCurrent(current)) {
    return false;
  }
  selection_ = selection;
  LoadSelection();
  return true;
}

void MessageEditor::Remember() {
  undo_.push_back({lists_, selection_});
  redo_.clear();
  modified_ = true;
}

void MessageEditor::Restore(Snapshot snapshot) {
  lists_ = std::move(snapshot.lists);
  selection_ = snapshot.selection;
  LoadSelection();
  modified_ = true;
}

bool MessageEditor::Undo(const MessageFields& current) {
  if (undo_.empty() || !LeaveCurrent(current)) {
    return false;
  }
  redo_.push_back({lists_, selection_});
  Snapshot snapshot = std::move(undo_.back());
  undo_.pop_back();
  Restore(std::move(snapshot));
  return true;
}

bool MessageEditor::Redo(const MessageFields& current) {
  if (redo_.empty() || !LeaveCurrent(current)) {
    return false;
  }
  undo_.push_back({lists_, selection_});
  Snapshot snapshot = std::move(redo_.back());
  redo_.pop_back();
  Restore(std::move(snapshot));
  return true;
}

bool MessageEditor::FitsAddressLimit(const TOvMessage& candidate,
                                     std::optional<size_t> replacing) const {
  TOvPanel scratch(panel_);
  scratch.messages = lists_.plc;
  scratch.messages.insert(scratch.messages.end(), lists_.locals.begin(), lists_.locals.end());
  scratch.AttachTo(&project_);
  return scratch.AllowsMessage(candidate, replacing);
}

bool MessageEditor::CheckItem(int item, const MessageFields& fields, TOvMessage& candidate,
                              AddressEntry& entry) {
  const char marker = ItemMarker(item);
  TOvTag& tag = item == 1 ? candidate.item1 : item == 2 ? candidate.item2 : candidate.item3;
  if (!candidate.HasMarker(marker)) {
    tag.Reset();
    candidate.leadingZeros[static_cast<size_t>(item - 1)] = false;
    return true;
  }
  // The earlier items passed their count, so the first item over its
  // limit, if any, is this one.
  if (DataItemOverDigitLimit(candidate) == item) {
    ui_.Show(DataItemDigitLimitText(candidate), Icon::Exclamation);
    return Refuse(MessageField::Text);
  }
  const std::string* address = &fields.item1Address;
  MessageField field = MessageField::Item1Address;
  int access = kAccessReadOnly;
  if (item == 1) {
    access = fields.access == kAccessReadOnly ? kAccessReadOnly : kAccessReadWrite;
  } else if (item == 2) {
    address = &fields.item2Address;
    field = MessageField::Item2Address;
  } else {
    address = &fields.item3Address;
    field = MessageField::Item3Address;
  }
  if (!entry.Enter(*address, AddressRule{access, tag.dataType, false}, tag)) {
    return Refuse(field);
  }
  candidate.leadingZeros[static_cast<size_t>(item - 1)] =
      fields.leadingZeros[static_cast<size_t>(item - 1)];
  if (item != 1) {
    return true;
  }
  TOvReadWriteTag& item1 = candidate.item1;
  item1.passwordProtected = HasPasswords() && fields.passwordProtected;
  item1.passwordIsLocal = fields.passwordIsLocal;
  item1.accessType = access;
  if (fields.variableDecimalPoint || candidate.HasMarker(kDecimalPointMarker)) {
    // The panel only reads where the decimal point goes.
    if (!entry.Enter(fields.decimalPointAddress,
                     AddressRule{kAccessReadOnly, kDataTypeBcd16, false},
                     item1.decimalPointRegister)) {
      return Refuse(MessageField::DecimalPointAddress);
    }
    item1.variableDecimalPoint = true;
  } else {
    item1.variableDecimalPoint = false;
    item1.decimalPointRegister.Reset();
  }
  return true;
}

bool MessageEditor::Accept(const MessageFields& fields) {
  failed_ = MessageField::None;
  const TOvMessage* loaded = Loaded();
  if (loaded == nullptr) {
    return false;
  }
  const bool plc = loaded->isPlcMessage != 0;

  // 1. The numeric fields.
  const std::optional<int64_t> number = plc ? ReadFieldNumber(fields.number) : int64_t{0};
  if (!number) {
    ReportNotANumber(ui_);
    return Refuse(MessageField::Number);
  }
  const std::optional<int64_t> minimum = ReadFieldNumber(fields.minimum);
  if (!minimum) {
    ReportNotANumber(ui_);
    return Refuse(MessageField::Minimum);
  }
  const std::optional<int64_t> maximum = ReadFieldNumber(fields.maximum);
  if (!maximum) {
    ReportNotANumber(ui_);
    return Refuse(MessageField::Maximum);
  }
  // 2. Data item 1's limits against its data type's maximum on this panel.
  const int64_t kindMaximum = panel_.KindMaximum(fields.item1Type);
  if (*minimum < 0 || *minimum > kindMaximum) {
    ui_.Show(LoadString(strings::kT003), Icon::Exclamation);
    return Refuse(MessageField::Minimum);
  }
  if (*maximum < *minimum || *maximum > kindMaximum) {
    ui_.Show(LoadString(strings::kT003), Icon::Exclamation);
    return Refuse(MessageField::Maximum);
  }
  // 3. and 4. The PLC message number.
  if (plc) {
    const bool taken = std::any_of(lists_.plc.begin(), lists_.plc.end(), [&](const TOvMessage& m) {
      return &m != loaded && m.number == *number;
    });
    if (*number <= 0 || taken || *number > HighestAllowedPlcNumber(lists_)) {
      ui_.Show(LoadString(strings::kM002), Icon::Stop);
      shown_.number = std::to_string(loaded->number);
      return Refuse(MessageField::Number);
    }
    if (*number != loaded->number &&
        !AskYesNo(ui_, LoadString(strings::kBlankMessagesCaution), Answer::Yes)) {
      shown_.number = std::to_string(loaded->number);
      return Refuse(MessageField::Number);
    }
  }
  // 5. The text; everything is taken into a candidate, so a refusal further
  // on leaves the message as it was.
  TOvMessage candidate = *loaded;
  candidate.number = static_cast<int32_t>(*number);
  if (!plc) {
    candidate.number = loaded->number;
  }
  candidate.text = fields.text;
  if (candidate.text.size() > TextLimits().length) {
    candidate.text.resize(TextLimits().length);
  }
  PlaceDecimalPoint(candidate.text);
  candidate.item1.dataType = fields.item1Type;
  candidate.item1.kindMaximum = static_cast<uint32_t>(kindMaximum);
  candidate.item1.limitsEnabled = true;
  candidate.item1.minimum = static_cast<uint32_t>(*minimum);
  candidate.item1.maximum = static_cast<uint32_t>(*maximum);
  candidate.item1.variableDecimalPoint =
      candidate.HasMarker(kItem1Marker) &&
      (fields.variableDecimalPoint || candidate.HasMarker(kDecimalPointMarker));
  candidate.item2.dataType = fields.item2Type;
  candidate.item3.dataType = fields.item3Type;
  // 6. The panel's addresses with this message's replaced.
  const size_t position = plc ? selection_.index : lists_.plc.size() + selection_.index;
  if (!FitsAddressLimit(candidate, position)) {
    ReportAddressLimit(ui_);
    return Refuse(MessageField::Text);
  }
  // 7. to 9. The data items.
  AddressEntry entry(project_, ui_);
  for (int item = 1; item <= 3; ++item) {
    if (!CheckItem(item, fields, candidate, entry)) {
      return false;
    }
  }
  if (!candidate.HasMarker(kItem1Marker)) {
    candidate.item1.kindMaximum = panel_.KindMaximum(kDataTypeBcd16);
    candidate.item1.Reset();
  }
  // 10. Stored.
  Remember();
  if (plc) {
    lists_.plc[selection_.index] = std::move(candidate);
    const int32_t stored = lists_.plc[selection_.index].number;
    std::stable_sort(lists_.plc.begin(), lists_.plc.end(),
                     [](const TOvMessage& a, const TOvMessage& b) { return a.number < b.number; });
    for (size_t row = 0; row < lists_.plc.size(); ++row) {
      if (lists_.plc[row].number == stored) {
        selection_.index = row;
      }
    }
  } else {
    lists_.locals[selection_.index] = std::move(candidate);
  }
  LoadSelection();
  return true;
}

TOvMessage MessageEditor::NewMessage(bool plc) const {
  TOvMessage message(&panel_);
  message.text = me::kNewText;
  message.isPlcMessage = plc ? 1 : 0;
  message.item1 = TOvReadWriteTag(panel_.KindMaximum(kDataTypeBcd16));
  message.AttachTo(&panel_);
  return message;
}

PlcButtons MessageEditor::PlcListButtons() const {
  PlcButtons buttons;
  buttons.insertMessage = !lists_.plc.empty() && PlcInsertRange().has_value();
  buttons.remove = !lists_.plc.empty() && IsPlc(selection_);
  return buttons;
}

bool MessageEditor::PlaceInPlcList(TOvMessage message) {
  if (static_cast<int>(lists_.Count()) >= kMaxMessagesPerPanel) {
    ui_.Show(NoRoomText(), Icon::Exclamation);
    return false;
  }
  if (!FitsAddressLimit(message, std::nullopt)) {
    ReportAddressLimit(ui_);
    return false;
  }
  if (message.number < 1 || message.number > HighestAllowedPlcNumber(lists_)) {
    ui_.Show(NumberBeyondLimitText(), Icon::Exclamation);
    return false;
  }
  Remember();
  message.isPlcMessage = 1;
  message.isFolder = 0;
  message.depth = 0;
  message.AttachTo(&panel_);
  const auto at = std::upper_bound(
      lists_.plc.begin(), lists_.plc.end(), message.number,
      [](int32_t number, const TOvMessage& other) { return number < other.number; });
  const auto row = static_cast<size_t>(at - lists_.plc.begin());
  lists_.plc.insert(at, std::move(message));
  selection_ = MessageSelection::Plc(row);
  LoadSelection();
  return true;
}

int32_t MessageEditor::NextPlcNumber() const {
  int32_t after = 0;
  if (IsPlc(selection_) && selection_.index < lists_.plc.size()) {
    after = lists_.plc[selection_.index].number;
  } else if (!lists_.plc.empty()) {
    after = lists_.plc.back().number;
  }
  int32_t number = after + 1;
  while (std::any_of(lists_.plc.begin(), lists_.plc.end(),
                     [number](const TOvMessage& m) { return m.number == number; })) {
    ++number;
  }
  return number;
}

bool MessageEditor::AddPlcMessage(const MessageFields& current) {
  failed_ = MessageField::None;
  if (!LeaveCurrent(current)) {
    return false;
  }
  TOvMessage message = NewMessage(true);
  message.number = NextPlcNumber();
  return PlaceInPlcList(std::move(message));
}

std::optional<InsertRange> MessageEditor::PlcInsertRange() const {
  if (!IsPlc(selection_) || selection_.index >= lists_.plc.size()) {
    return std::nullopt;
  }
  const int32_t high = lists_.plc[selection_.index].number;
  // Before the first message every lower number is free, 1 included.
  const int32_t low = selection_.index == 0 ? 0 : lists_.plc[selection_.index - 1].number;
  if (high - low < 2) {
    return std::nullopt;
  }
  return InsertRange{low, high};
}

bool MessageEditor::InsertPlcMessage(
    const MessageFields& current,
    const std::function<std::optional<int32_t>(const InsertRange&)>& askNumber) {
  failed_ = MessageField::None;
  const std::optional<InsertRange> range = PlcInsertRange();
  if (!range || !LeaveCurrent(current)) {
    return false;
  }
  int32_t number = range->high - 1;
  if (range->high - range->low >= 3) {
    const std::optional<int32_t> asked = askNumber(*range);
    if (!asked || *asked <= range->low || *asked >= range->high) {
      return false;
    }
    number = *asked;
  }
  TOvMessage message = NewMessage(true);
  message.number = number;
  return PlaceInPlcList(std::move(message));
}

TreeButtons MessageEditor::TreeListButtons() const {
  TreeButtons buttons;
  if (selection_.list != MessageList::Tree) {
    // Nothing of the tree is selected: New adds at the top level.
    buttons.insertMessage = buttons.insertFolder = buttons.remove = false;
    return buttons;
  }
  if (selection_.root) {
    buttons.insertMessage = buttons.insertFolder = buttons.remove = false;
    return buttons;
  }
  const TOvMessage& entry = lists_.locals.at(selection_.index);
  const int level = LevelOf(entry);
  if (entry.isFolder == 0) {
    buttons.newMessage = buttons.newFolder = false;
    if (level >= kDeepestLevel) {
      buttons.insertFolder = false;
    }
  } else if (level >= kDeepestLevel) {
    buttons.newMessage = buttons.newFolder = buttons.insertFolder = false;
  }
  if (level >= kDeepestFolderLevel) {
    buttons.newFolder = false;
  }
  return buttons;
}

std::optional<std::pair<size_t, int16_t>> MessageEditor::ChildPlace() const {
  if (!IsLocal(selection_)) {
    return std::make_pair(lists_.locals.size(), int16_t{0});
  }
  const TOvMessage& parent = lists_.locals.at(selection_.index);
  if (parent.isFolder == 0) {
    return std::nullopt;
  }
  return std::make_pair(SubtreeEnd(lists_.locals, selection_.index),
                        static_cast<int16_t>(parent.depth + 1));
}

bool MessageEditor::PlaceInTree(TOvMessage message, size_t at, int16_t depth) {
  const int deepest = message.isFolder != 0 ? kDeepestFolderLevel : kDeepestLevel;
  if (depth + 1 > deepest) {
    return false;
  }
  if (!RoomForLocal(lists_)) {
    ui_.Show(NoRoomText(), Icon::Exclamation);
    return false;
  }
  if (!FitsAddressLimit(message, std::nullopt)) {
    ReportAddressLimit(ui_);
    return false;
  }
  Remember();
  message.isPlcMessage = 0;
  message.depth = depth;
  message.AttachTo(&panel_);
  lists_.locals.insert(lists_.locals.begin() + static_cast<std::ptrdiff_t>(at), std::move(message));
  NumberLocalMessages(lists_.locals);
  selection_ = MessageSelection::Local(at);
  LoadSelection();
  return true;
}

bool MessageEditor::AddToTree(bool folder, const MessageFields& current) {
  failed_ = MessageField::None;
  const TreeButtons buttons = TreeListButtons();
  if (!(folder ? buttons.newFolder : buttons.newMessage) || !LeaveCurrent(current)) {
    return false;
  }
  const std::optional<std::pair<size_t, int16_t>> place = ChildPlace();
  if (!place) {
    return false;
  }
  TOvMessage message = NewMessage(false);
  message.isFolder = folder ? 1 : 0;
  return PlaceInTree(std::move(message), place->first, place->second);
}

bool MessageEditor::InsertIntoTree(bool folder, const MessageFields& current) {
  failed_ = MessageField::None;
  const TreeButtons buttons = TreeListButtons();
  if (!(folder ? buttons.insertFolder : buttons.insertMessage) || !LeaveCurrent(current)) {
    return false;
  }
  const size_t at = selection_.index;
  TOvMessage message = NewMessage(false);
  message.isFolder = folder ? 1 : 0;
  return PlaceInTree(std::move(message), at, lists_.locals.at(at).depth);
}

bool MessageEditor::DeleteSelected() {
  failed_ = MessageField::None;
  if (IsPlc(selection_) && selection_.index < lists_.plc.size()) {
    if (!AskYesNo(ui_, LoadString(strings::kDeleteCurrentMessage), Answer::No)) {
      return false;
    }
    Remember();
    lists_.plc.erase(lists_.plc.begin() + static_cast<std::ptrdiff_t>(selection_.index));
    selection_ = {};
    LoadSelection();
    return true;
  }
  if (!IsLocal(selection_) || selection_.index >= lists_.locals.size()) {
    return false;
  }
  const bool children = HasChildren(lists_.locals, selection_.index);
  if (!AskYesNo(ui_,
                LoadString(children ? strings::kDeleteCurrentMessageAndAll
                                    : strings::kDeleteCurrentMessage),
                Answer::No)) {
    return false;
  }
  Remember();
  const auto begin = lists_.locals.begin() + static_cast<std::ptrdiff_t>(selection_.index);
  const auto end = lists_.locals.begin() +
                   static_cast<std::ptrdiff_t>(SubtreeEnd(lists_.locals, selection_.index));
  lists_.locals.erase(begin, end);
  NumberLocalMessages(lists_.locals);
  selection_ = {};
  LoadSelection();
  return true;
}

std::string MessageEditor::CopyText() const {
  const TOvMessage* message = Loaded();
  if (message == nullptr) {
    return {};
  }
  std::ostringstream text;
  LineWriter out(text);
  WriteMessage(*message, panel_, out);
  return text.str();
}

bool MessageEditor::CanCut() const {
  const TOvMessage* message = Loaded();
  return message != nullptr && message->isFolder == 0;
}

std::optional<std::string> MessageEditor::Cut() {
  if (!CanCut()) {
    return std::nullopt;
  }
  std::string text = CopyText();
  Remember();
  if (IsPlc(selection_)) {
    lists_.plc.erase(lists_.plc.begin() + static_cast<std::ptrdiff_t>(selection_.index));
  } else {
    lists_.locals.erase(lists_.locals.begin() + static_cast<std::ptrdiff_t>(selection_.index));
    NumberLocalMessages(lists_.locals);
  }
  selection_ = {};
  LoadSelection();
  return text;
}

bool MessageEditor::Paste(const std::string& text, MessageList target,
                          const MessageFields& current) {
  failed_ = MessageField::None;
  if (target == MessageList::None || !LeaveCurrent(current)) {
    return false;
  }
  TOvMessage message = NewMessage(target == MessageList::Plc);
  // Clipboard text from other systems ends its lines in CR LF, and a CR
  // inside a text cannot be shown by the panel nor kept by the project file
  // (its reader drops a CR at the end of a line): none is taken.
  std::string record = text;
  std::erase(record, '\r');
  std::istringstream in(record);
  if (!ReadMessageRecord(in, message, panel_, ui_)) {
    return false;
  }
  message.AttachTo(&panel_);
  message.setPointValue = false;
  const bool folder = target == MessageList::Tree && message.isFolder != 0;
  message.isFolder = folder ? 1 : 0;
  ParsedText shaped;
  shaped.Load(message.text,
              {static_cast<size_t>(panel_.CharactersPerLine() - (folder ? 1 : 0)), !folder});
  message.text = shaped.Model();

  // The addresses against this project's PLC, without message boxes.
  AddressEntry entry(project_, ui_);
  entry.SetQuiet(true);
  TOvReadWriteTag& item1 = message.item1;
  if (message.HasMarker(kItem1Marker)) {
    entry.Recheck(
        item1,
        AddressRule{item1.accessType == kAccessReadOnly ? kAccessReadOnly : kAccessReadWrite,
                    item1.dataType, false},
        panel_);
    if (item1.variableDecimalPoint) {
      entry.Recheck(item1.decimalPointRegister, AddressRule{kAccessReadOnly, kDataTypeBcd16, false},
                    panel_);
    }
  }
  if (!HasPasswords()) {
    item1.passwordProtected = false;
  }
  if (message.Item2InUse()) {
    entry.Recheck(message.item2, AddressRule{kAccessReadOnly, message.item2.dataType, false},
                  panel_);
  }
  if (message.Item3InUse()) {
    entry.Recheck(message.item3, AddressRule{kAccessReadOnly, message.item3.dataType, false},
                  panel_);
  }

  if (target == MessageList::Plc) {
    message.number = NextPlcNumber();
    return PlaceInPlcList(std::move(message));
  }
  size_t at = lists_.locals.size();
  int16_t depth = 0;
  if (IsLocal(selection_) && selection_.index < lists_.locals.size()) {
    const TOvMessage& selected = lists_.locals[selection_.index];
    at = SubtreeEnd(lists_.locals, selection_.index);
    depth = selected.isFolder != 0 ? static_cast<int16_t>(selected.depth + 1) : selected.depth;
  }
  return PlaceInTree(std::move(message), at, depth);
}

bool MessageEditor::FindNext(const std::string& what, bool matchCase,
                             const MessageFields& current) {
  // Every entry in one order: the PLC list, then the tree.
  std::vector<MessageSelection> order;
  for (size_t row = 0; row < lists_.plc.size(); ++row) {
    order.push_back(MessageSelection::Plc(row));
  }
  for (size_t index = 0; index < lists_.locals.size(); ++index) {
    order.push_back(MessageSelection::Local(index));
  }
  const auto here = std::find(order.begin(), order.end(), selection_);
  const size_t start = here == order.end() ? 0 : static_cast<size_t>(here - order.begin()) + 1;
  for (size_t step = 0; step < order.size(); ++step) {
    const MessageSelection& candidate = order[(start + step) % order.size()];
    const TOvMessage& message =
        IsPlc(candidate) ? lists_.plc[candidate.index] : lists_.locals[candidate.index];
    if (TextContains(message.text, what, matchCase)) {
      return Select(candidate, current);
    }
  }
  return false;
}

ReplaceResult MessageEditor::ReplaceAll(const std::string& what, const std::string& with,
                                        bool matchCase, const MessageFields& current) {
  ReplaceResult result;
  if (!LeaveCurrent(current)) {
    return result;
  }
  MessageLists replaced = lists_;
  const int width = panel_.CharactersPerLine();
  const auto replaceIn = [&](TOvMessage& message) {
    if (!TextContains(message.text, what, matchCase)) {
      return;
    }
    const size_t limit = static_cast<size_t>(width - (message.isFolder != 0 ? 1 : 0));
    if (std::optional<std::string> text =
            ReplacedText(message.text, what, with, matchCase, limit)) {
      message.text = std::move(*text);
      ++result.replaced;
    } else {
      result.tooLong.push_back(message.number);
    }
  };
  std::for_each(replaced.plc.begin(), replaced.plc.end(), replaceIn);
  std::for_each(replaced.locals.begin(), replaced.locals.end(), replaceIn);
  if (result.replaced > 0) {
    Remember();
    lists_ = std::move(replaced);
    LoadSelection();
  }
  return result;
}

void MessageEditor::ReplaceLists(MessageLists lists) {
  Remember();
  lists_ = std::move(lists);
  for (TOvMessage& message : lists_.plc) {
    message.AttachTo(&panel_);
  }
  for (TOvMessage& message : lists_.locals) {
    message.AttachTo(&panel_);
  }
  NumberLocalMessages(lists_.locals);
  selection_ = {};
  LoadSelection();
}

bool MessageEditor::Ok(const MessageFields& current) {
  failed_ = MessageField::None;
  if (!LeaveCurrent(current)) {
    return false;
  }
  if (modified_) {
    StoreMessages(lists_, panel_);
    project_.changed = true;
  }
  return true;
}

bool MessageEditor::Cancel(const MessageFields& current) {
  if (!modified_ && !HasEdits(current)) {
    return true;
  }
  switch (AskSaveChanges(ui_, strings::kSaveMessagesQuestion)) {
    case Answer::Yes:
      return Ok(current);
    case Answer::No:
      return true;
    default:
      return false;
  }
}

}  // namespace orvane
