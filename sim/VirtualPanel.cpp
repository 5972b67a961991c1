#include "sim/VirtualPanel.h"

#include <algorithm>
#include <array>

#include "sim/DataItemFormat.h"

namespace orvane::sim {
namespace {

constexpr size_t kLineWidth = 20;
constexpr int kSetPointDigits = 8;
constexpr size_t kPasswordDigits = 10;
constexpr int kAnnunciatorLamps = 3;
constexpr int kPasswordModel = 3;
constexpr int kSetPointModel = 5;

// What the firmware shows when a system message was never written.
std::string BuiltInSystemText(uint16_t number) {
  static constexpr std::array<const char*, 7> kTexts = {
      "READ ONLY VALUE", "INVALID",     "PASSWORD=",    "ERROR MESSAGE",
      "SETUP MODE",      "NO DATA SET", "OUT OF RANGE",
  };
  if (number < kFirstMessageNumber + kLastUserMessageNumber || number > kLastMessageNumber) {
    return {};
  }
  return kTexts[number - kLastUserMessageNumber - 1];
}

std::string Fit(std::string text, size_t width) {
  text.resize(width, ' ');
  return text;
}

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') {
    text.pop_back();
  }
  return text;
}

uint32_t PowerOfTen(int exponent) {
  uint32_t power = 1;
  while (exponent-- > 0) {
    power *= 10;
  }
  return power;
}

bool Writable(const ItemOneOptions& options) {
  return options.access != 1;
}

}  // namespace

VirtualPanel::VirtualPanel(int model) : model_(model) {}

int VirtualPanel::LineCount() const {
  return model_ == 4 ? 4 : model_ == kSetPointModel ? 1 : 2;
}

void VirtualPanel::Load(const PanelMemory& memory, bool behind_multiplexer) {
  problems_.clear();
  messages_.clear();
  entries_.clear();
  locals_.clear();
  system_.reset();
  tags_ = TagList{};
  mode_ = Mode::Browse;
  notice_.reset();
  selected_ = 0;

  if (memory.systemAttributes) {
    const Decoded<SystemAttributes> decoded = DecodeSystemAttributes(*memory.systemAttributes);
    if (decoded.error == codes::kOk) {
      system_ = decoded.record;
    } else {
      problems_.push_back("the system attributes cannot be read");
    }
  }
  if (!memory.tagStream.empty()) {
    const Decoded<TagList> decoded = DecodeTagList(memory.tagStream, behind_multiplexer);
    if (decoded.error == codes::kOk) {
      tags_ = decoded.record;
    } else {
      problems_.push_back("the tag list cannot be read");
    }
  }
  for (const auto& [number, record] : memory.messages) {
    if (model_ == kSetPointModel) {
      const Decoded<SetPointEntryRecord> decoded = DecodeSetPointEntry(record);
      if (decoded.error != codes::kOk) {
        problems_.push_back("message " + std::to_string(number) + " cannot be read");
      } else if (!decoded.record.blank) {
        entries_[number] = decoded.record;
      }
      continue;
    }
    const Decoded<TextMessageRecord> decoded = DecodeTextMessage(record);
    if (decoded.error != codes::kOk) {
      problems_.push_back("message " + std::to_string(number) + " cannot be read");
    } else if (!decoded.record.blank) {
      messages_[number] = decoded.record;
    }
  }
  if (system_ && model_ != kSetPointModel) {
    // The local messages follow the PLC messages from the first message
    // number on, in tree order.
    const uint16_t first = system_->firstMessageNumber;
    for (const auto& [number, message] : messages_) {
      if (first != kNoTagIndex && number >= first && number <= kLastUserMessageNumber) {
        locals_.push_back(number);
      }
    }
    keys_.Configure(system_->keyActions, system_->ledModes);
  }
  AfterRegisterChange();
}

// --- Registers ----------------------------------------------------------

std::string VirtualPanel::SetRegister(uint16_t tag, uint32_t value) {
  const TagEntry* entry = Entry(tag);
  if (entry == nullptr) {
    return "the panel's tag list has no entry #" + std::to_string(tag);
  }
  const std::optional<uint32_t> bits = RegisterBitsOf(entry->type, value);
  if (!bits) {
    return std::to_string(value) + " does not fit a " + RegisterTypeName(entry->type) +
           " register (at most " + std::to_string(LargestValue(entry->type)) + ")";
  }
  plc_.SetBits(*entry, *bits);
  AfterRegisterChange();
  return {};
}

std::string VirtualPanel::SetRegisterBits(uint16_t tag, uint32_t bits) {
  const TagEntry* entry = Entry(tag);
  if (entry == nullptr) {
    return "the panel's tag list has no entry #" + std::to_string(tag);
  }
  if ((bits & ~RegisterMask(entry->type)) != 0) {
    return "a " + std::string(RegisterTypeName(entry->type)) + " register has no such bits";
  }
  plc_.SetBits(*entry, bits);
  AfterRegisterChange();
  return {};
}

uint32_t VirtualPanel::RegisterBits(uint16_t tag) const {
  const TagEntry* entry = Entry(tag);
  return entry != nullptr ? plc_.Bits(*entry) : 0;
}

std::optional<uint32_t> VirtualPanel::RegisterValue(uint16_t tag) const {
  const TagEntry* entry = Entry(tag);
  return entry != nullptr ? plc_.Value(*entry) : std::nullopt;
}

uint16_t VirtualPanel::LedWord() const {
  return system_ ? static_cast<uint16_t>(RegisterBits(system_->ledWordTag)) : 0;
}

uint16_t VirtualPanel::AnnunciatorWord() const {
  return system_ ? static_cast<uint16_t>(RegisterBits(system_->annunciatorWordTag)) : 0;
}

void VirtualPanel::WriteRegister(uint16_t tag, uint32_t bits) {
  const TagEntry* entry = Entry(tag);
  if (entry == nullptr) {
    return;
  }
  plc_.SetBits(*entry, bits);
  writes_[tag] = bits;
}

void VirtualPanel::PublishButtonWord() {
  if (!system_ || Entry(system_->buttonWordTag) == nullptr) {
    return;
  }
  // The panel writes the word whenever one of its bits changes, and not
  // before: at start its keys are up and the word is the PLC's.
  if (publishedButtonWord_ != keys_.ButtonWord()) {
    publishedButtonWord_ = keys_.ButtonWord();
    WriteRegister(system_->buttonWordTag, keys_.ButtonWord());
  }
}

void VirtualPanel::AfterRegisterChange() {
  keys_.FollowLedWord(LedWord());
  PublishButtonWord();
}

std::string VirtualPanel::TagRole(uint16_t tag) const {
  std::vector<std::string> roles;
  if (system_) {
    const SystemAttributes& s = *system_;
    if (model_ == kSetPointModel) {
      if (s.lineRegisterTags[0] == tag) {
        roles.push_back("entry selection");
      }
    } else {
      for (int line = 0; line < LineCount(); ++line) {
        if (s.lineRegisterTags[line] == tag) {
          roles.push_back("line " + std::to_string(line + 1));
        }
      }
      if (s.buttonWordTag == tag) {
        roles.push_back("button word");
      }
      if (s.ledWordTag == tag) {
        roles.push_back("LED word");
      }
      if (model_ == kPasswordModel && s.annunciatorWordTag == tag) {
        roles.push_back("annunciator word");
      }
      if (model_ == kPasswordModel && s.passwordRegisterTag == tag) {
        roles.push_back("password register");
      }
    }
  }
  for (const auto& [number, entry] : entries_) {
    if (entry.tag == tag) {
      roles.push_back("set point " + std::to_string(number));
    }
    if (entry.value.variableDecimalPoint && entry.value.decimalPointTag == tag) {
      roles.push_back("set point " + std::to_string(number) + " decimal point");
    }
  }
  for (const auto& [number, message] : messages_) {
    for (int item = 1; item <= 3; ++item) {
      if (message.text.items[item - 1].digits > 0 && message.tags[item - 1] == tag) {
        roles.push_back("message " + std::to_string(number) + " item " + std::to_string(item));
      }
    }
    if (message.item1.variableDecimalPoint && message.item1.decimalPointTag == tag) {
      roles.push_back("message " + std::to_string(number) + " decimal point");
    }
  }
  std::string joined;
  for (const std::string& role : roles) {
    joined += (joined.empty() ? "" : ", ") + role;
  }
  return joined;
}

// --- Keys ---------------------------------------------------------------

std::string VirtualPanel::Press(Key key) {
  if (!ModelHasKey(model_, key)) {
    return "model " + std::to_string(model_) + " has no key " + KeyName(key);
  }
  if (IsFunctionKey(key)) {
    keys_.Press(FunctionKeyIndex(key), LedWord());
    PublishButtonWord();
    return {};
  }
  if (notice_) {
    // A key first takes the notice away.
    notice_.reset();
    return {};
  }
  if (model_ == kSetPointModel) {
    SetPointKey(key);
  } else {
    TextKey(key);
  }
  return {};
}

std::string VirtualPanel::Release(Key key) {
  if (!ModelHasKey(model_, key)) {
    return "model " + std::to_string(model_) + " has no key " + KeyName(key);
  }
  if (IsFunctionKey(key)) {
    keys_.Release(FunctionKeyIndex(key), LedWord());
    PublishButtonWord();
  }
  return {};
}

// --- Text panels: what the PLC selects ------------------------------------

std::optional<uint32_t> VirtualPanel::LineRegisterValue(int line) const {
  if (!system_) {
    return 0;
  }
  const TagEntry* entry = Entry(system_->lineRegisterTags[line]);
  return entry != nullptr ? plc_.Value(*entry) : 0;
}

bool VirtualPanel::PlcDisplayActive() const {
  for (int line = 0; line < LineCount(); ++line) {
    const std::optional<uint32_t> value = LineRegisterValue(line);
    if (!value || *value != 0) {
      return true;
    }
  }
  return false;
}

const TextMessageRecord* VirtualPanel::PlcMessage(uint32_t number) const {
  const uint16_t first = system_ ? system_->firstMessageNumber : kNoTagIndex;
  const bool plc = number >= kFirstMessageNumber && number <= kLastUserMessageNumber &&
                   (first == kNoTagIndex || number < first);
  if (!plc) {
    return nullptr;
  }
  const auto found = messages_.find(static_cast<uint16_t>(number));
  return found != messages_.end() ? &found->second : nullptr;
}

std::optional<uint32_t> VirtualPanel::ItemValue(const TextMessageRecord& message, int item) const {
  const uint16_t tag = message.tags[item - 1];
  const TagEntry* entry = Entry(tag);
  // The digits' range must be the register's width.
  if (entry == nullptr || Is32Bit(entry->type) != message.text.items[item - 1].wide) {
    return std::nullopt;
  }
  if (item == 1 && message.item1.access == 2) {
    // Write only: the panel shows what it last wrote.
    const auto written = written_.find(tag);
    return written != written_.end() ? written->second : 0;
  }
  return plc_.Value(*entry);
}

int VirtualPanel::ItemDecimals(uint16_t decimal_point_tag) const {
  const TagEntry* entry = Entry(decimal_point_tag);
  if (entry == nullptr) {
    return 0;
  }
  return static_cast<int>(std::min<uint32_t>(plc_.Value(*entry).value_or(0), 10));
}

std::string VirtualPanel::RenderMessage(const TextMessageRecord& message, const Edit* edit) const {
  std::string line = TextCharacters(message.text);
  for (int item = 1; item <= 3; ++item) {
    ItemShow show;
    show.leadingZeros = message.leadingZeros[item - 1];
    show.value = ItemValue(message, item);
    if (item == 1) {
      if (message.item1.variableDecimalPoint) {
        show.decimals = ItemDecimals(message.item1.decimalPointTag);
      }
      if (edit != nullptr) {
        show.value = edit->value;
        show.leadingZeros = true;
      }
    }
    FillItem(message.text, item, show, line);
  }
  return Fit(line, kLineWidth);
}

std::string VirtualPanel::SystemText(uint16_t number) const {
  if (model_ == kSetPointModel) {
    const auto found = entries_.find(number);
    if (found != entries_.end()) {
      const Bytes& text = found->second.description;
      std::string shown(text.begin(), text.end());
      // The password entry's digit places are not characters.
      const size_t digits = shown.find('\xFF');
      return Trimmed(digits == std::string::npos ? shown : shown.substr(0, digits));
    }
    return BuiltInSystemText(number);
  }
  const auto found = messages_.find(number);
  return found != messages_.end() ? Trimmed(TextCharacters(found->second.text))
                                  : BuiltInSystemText(number);
}

const TextMessageRecord* VirtualPanel::EditedMessage() const {
  const auto found = messages_.find(edit_.number);
  return found != messages_.end() ? &found->second : nullptr;
}

// --- Local message tree ---------------------------------------------------

int VirtualPanel::Depth(size_t index) const {
  return messages_.at(locals_[index]).depth;
}

std::optional<size_t> VirtualPanel::NextSibling(size_t index) const {
  for (size_t k = index + 1; k < locals_.size(); ++k) {
    if (Depth(k) < Depth(index)) {
      return std::nullopt;
    }
    if (Depth(k) == Depth(index)) {
      return k;
    }
  }
  return std::nullopt;
}

std::optional<size_t> VirtualPanel::PreviousSibling(size_t index) const {
  for (size_t k = index; k-- > 0;) {
    if (Depth(k) < Depth(index)) {
      return std::nullopt;
    }
    if (Depth(k) == Depth(index)) {
      return k;
    }
  }
  return std::nullopt;
}

std::optional<size_t> VirtualPanel::Parent(size_t index) const {
  for (size_t k = index; k-- > 0;) {
    if (Depth(k) < Depth(index)) {
      return k;
    }
  }
  return std::nullopt;
}

std::vector<std::string> VirtualPanel::BrowseLines() const {
  std::vector<std::string> lines(static_cast<size_t>(LineCount()), std::string(kLineWidth, ' '));
  if (PlcDisplayActive()) {
    for (int line = 0; line < LineCount(); ++line) {
      const std::optional<uint32_t> number = LineRegisterValue(line);
      const TextMessageRecord* message = number ? PlcMessage(*number) : nullptr;
      if (message != nullptr) {
        lines[line] = RenderMessage(*message, nullptr);
      }
    }
    return lines;
  }
  // The selected local message on top, the messages after it at its level
  // below.
  std::optional<size_t> index;
  if (!locals_.empty()) {
    index = std::min(selected_, locals_.size() - 1);
  }
  for (size_t line = 0; line < lines.size() && index; ++line) {
    lines[line] = RenderMessage(messages_.at(locals_[*index]), nullptr);
    index = NextSibling(*index);
  }
  return lines;
}

// --- Text panels: keys ------------------------------------------------------

void VirtualPanel::TextKey(Key key) {
  switch (mode_) {
    case Mode::Entry:
      EntryKey(key);
      return;
    case Mode::Password:
      PasswordKey(key);
      return;
    case Mode::Browse:
      break;
  }
  if (!PlcDisplayActive()) {
    BrowseLocal(key);
    return;
  }
  if (key != Key::Enter) {
    return;
  }
  // Enter changes the value of the first PLC message, top down, that lets
  // the operator change its item 1.
  for (int line = 0; line < LineCount(); ++line) {
    const std::optional<uint32_t> number = LineRegisterValue(line);
    const TextMessageRecord* message = number ? PlcMessage(*number) : nullptr;
    if (message != nullptr && message->text.items[0].digits > 0 && Writable(message->item1)) {
      BeginEdit(message->number, line);
      return;
    }
  }
}

void VirtualPanel::BrowseLocal(Key key) {
  if (locals_.empty()) {
    return;
  }
  selected_ = std::min(selected_, locals_.size() - 1);
  switch (key) {
    case Key::Up:
      selected_ = PreviousSibling(selected_).value_or(selected_);
      return;
    case Key::Down:
      selected_ = NextSibling(selected_).value_or(selected_);
      return;
    case Key::Escape:
      selected_ = Parent(selected_).value_or(selected_);
      return;
    case Key::Enter: {
      const TextMessageRecord& message = messages_.at(locals_[selected_]);
      if (message.isFolder) {
        if (selected_ + 1 < locals_.size() && Depth(selected_ + 1) > Depth(selected_)) {
          ++selected_;
        }
        return;
      }
      if (message.text.items[0].digits > 0) {
        BeginEdit(message.number, 0);
      }
      return;
    }
    default:
      return;
  }
}

void VirtualPanel::BeginEdit(uint16_t number, int line) {
  edit_ = Edit{};
  edit_.number = number;
  edit_.line = line;
  const std::optional<EditTarget> target = Target();
  if (!target) {
    return;
  }
  if (!Writable(*target->options)) {
    notice_ = kReadOnlyMessage;
    return;
  }
  if (model_ == kPasswordModel && target->password != 0) {
    mode_ = Mode::Password;
    return;
  }
  StartEntry();
}

std::optional<VirtualPanel::EditTarget> VirtualPanel::Target() const {
  EditTarget target;
  if (model_ == kSetPointModel) {
    const auto found = entries_.find(edit_.number);
    if (found == entries_.end()) {
      return std::nullopt;
    }
    target.tag = found->second.tag;
    target.digits = kSetPointDigits;
    target.options = &found->second.value;
    return target;
  }
  const TextMessageRecord* message = EditedMessage();
  if (message == nullptr) {
    return std::nullopt;
  }
  target.tag = message->tags[0];
  target.digits = message->text.items[0].digits;
  target.options = &message->item1;
  target.password = message->password;
  return target;
}

std::optional<uint32_t> VirtualPanel::TargetValue(const EditTarget& target) const {
  if (model_ == kSetPointModel) {
    const TagEntry* entry = Entry(target.tag);
    return entry != nullptr ? plc_.Value(*entry) : std::nullopt;
  }
  return ItemValue(*EditedMessage(), 1);
}

void VirtualPanel::StartEntry() {
  const std::optional<EditTarget> target = Target();
  if (!target) {
    return;
  }
  // The entry starts from the value shown, or from 0.
  const std::optional<uint32_t> value = TargetValue(*target);
  edit_.value = value && *value < PowerOfTen(target->digits) ? *value : 0;
  edit_.cursor = 0;
  mode_ = Mode::Entry;
}

void VirtualPanel::EntryKey(Key key) {
  const std::optional<EditTarget> target = Target();
  if (!target) {
    mode_ = Mode::Browse;
    return;
  }
  const uint32_t limit = PowerOfTen(target->digits);
  const uint32_t place = PowerOfTen(edit_.cursor);
  const uint32_t digit = edit_.value / place % 10;
  switch (key) {
    case Key::Up:
      edit_.value += (digit == 9 ? 0 - 9 * place : place);
      return;
    case Key::Down:
      edit_.value += (digit == 0 ? 9 * place : 0 - place);
      return;
    case Key::Left:
      edit_.cursor = std::min(edit_.cursor + 1, target->digits - 1);
      return;
    case Key::Right:
      edit_.cursor = std::max(edit_.cursor - 1, 0);
      return;
    case Key::Clear:
      edit_.value = 0;
      return;
    case Key::Escape:
      mode_ = Mode::Browse;
      return;
    case Key::Enter:
      Commit();
      return;
    default:
      if (IsDigitKey(key)) {
        // The keypad shifts digits in from the right.
        edit_.value = static_cast<uint32_t>(
            (uint64_t{edit_.value} * 10 + static_cast<uint32_t>(DigitOf(key))) % limit);
      }
      return;
  }
}

void VirtualPanel::Commit() {
  const std::optional<EditTarget> target = Target();
  const TagEntry* entry = target ? Entry(target->tag) : nullptr;
  if (entry == nullptr) {
    mode_ = Mode::Browse;
    return;
  }
  const ItemOneOptions& options = *target->options;
  const uint32_t value = edit_.value;
  const bool inLimits =
      !options.limitsEnabled || (value >= options.minimum && value <= options.maximum);
  const std::optional<uint32_t> bits = RegisterBitsOf(entry->type, value);
  if (!inLimits || !bits) {
    // Refused: the entry goes on with the same digits after the notice.
    notice_ = kOutOfRangeMessage;
    return;
  }
  WriteRegister(target->tag, *bits);
  written_[target->tag] = value;
  mode_ = Mode::Browse;
  AfterRegisterChange();
}

void VirtualPanel::PasswordKey(Key key) {
  if (IsDigitKey(key)) {
    if (edit_.password.size() < kPasswordDigits) {
      edit_.password += static_cast<char>('0' + DigitOf(key));
    }
    return;
  }
  switch (key) {
    case Key::Clear:
      edit_.password.clear();
      return;
    case Key::Escape:
      mode_ = Mode::Browse;
      return;
    case Key::Enter:
      break;
    default:
      return;
  }
  const std::optional<EditTarget> target = Target();
  std::optional<uint64_t> expected;
  if (target && target->password == 1 && system_) {
    expected = system_->localPassword;
  } else if (target && target->password == 2 && system_) {
    if (const TagEntry* entry = Entry(system_->passwordRegisterTag)) {
      expected = plc_.Value(*entry);
    }
  }
  const bool typed = !edit_.password.empty();
  if (typed && expected && std::stoull(edit_.password) == *expected) {
    StartEntry();
    return;
  }
  mode_ = Mode::Browse;
  notice_ = kInvalidMessage;
}

// --- The set point panel ---------------------------------------------------

const SetPointEntryRecord* VirtualPanel::ShownEntry() const {
  std::vector<const SetPointEntryRecord*> shown;
  for (const auto& [number, entry] : entries_) {
    if (number <= kLastUserMessageNumber) {
      shown.push_back(&entry);
    }
  }
  if (shown.empty()) {
    return nullptr;
  }
  // A selection register other than 0 picks the entry; else the operator
  // scrolls.
  if (system_) {
    if (const TagEntry* select = Entry(system_->lineRegisterTags[0])) {
      const std::optional<uint32_t> number = plc_.Value(*select);
      if (number && *number != 0) {
        const auto found =
            entries_.find(static_cast<uint16_t>(std::min<uint32_t>(*number, 0xFFFF)));
        return found != entries_.end() && found->first <= kLastUserMessageNumber ? &found->second
                                                                                 : nullptr;
      }
    }
  }
  return shown[std::min(selected_, shown.size() - 1)];
}

void VirtualPanel::SetPointKey(Key key) {
  if (mode_ == Mode::Entry) {
    EntryKey(key);
    return;
  }
  const SetPointEntryRecord* entry = ShownEntry();
  if (entry == nullptr) {
    return;
  }
  size_t count = 0;
  for (const auto& [number, e] : entries_) {
    count += number <= kLastUserMessageNumber ? 1 : 0;
  }
  const bool selectedByPlc = system_ && Entry(system_->lineRegisterTags[0]) != nullptr &&
                             plc_.Value(*Entry(system_->lineRegisterTags[0])).value_or(0) != 0;
  switch (key) {
    case Key::Up:
      if (!selectedByPlc && selected_ > 0) {
        selected_ = std::min(selected_, count - 1) - 1;
      }
      return;
    case Key::Down:
      if (!selectedByPlc) {
        selected_ = std::min(selected_ + 1, count - 1);
      }
      return;
    case Key::Enter:
      BeginEdit(entry->number, 0);
      return;
    default:
      return;
  }
}

PanelView VirtualPanel::SetPointView() const {
  PanelView view;
  view.model = model_;
  view.editing = mode_ == Mode::Entry;
  const SetPointEntryRecord* entry =
      mode_ == Mode::Entry ? &entries_.at(edit_.number) : ShownEntry();
  if (entry == nullptr) {
    view.lines = {Fit(SystemText(262), kDescriptionLength), std::string(kSetPointDigits, ' ')};
    return view;
  }
  const int decimals =
      entry->value.variableDecimalPoint
          ? std::min(ItemDecimals(entry->value.decimalPointTag), kSetPointDigits - 1)
          : entry->fixedDecimals;
  std::string description(entry->description.begin(), entry->description.end());
  std::string value;
  if (mode_ == Mode::Entry) {
    value = FormatSetPointValue(edit_.value, decimals, true);
    // The cursor sits on the digit being changed.
    int position = -1;
    for (int column = static_cast<int>(value.size()); column-- > 0;) {
      if (value[column] != '.' && ++position == edit_.cursor) {
        view.cursor = DisplayCursor{1, column};
      }
    }
  } else {
    const TagEntry* register_ = Entry(entry->tag);
    const std::optional<uint32_t> shown =
        entry->value.access == 2
            ? std::optional<uint32_t>(written_.contains(entry->tag) ? written_.at(entry->tag) : 0)
        : register_ != nullptr ? plc_.Value(*register_)
                               : std::nullopt;
    value = FormatSetPointValue(shown, decimals, entry->leadingZeros[0]);
  }
  if (notice_) {
    description = SystemText(*notice_);
  }
  view.lines = {Fit(description, kDescriptionLength), value};
  view.writes = writes_;
  return view;
}

// --- The view ---------------------------------------------------------------

PanelView VirtualPanel::View() const {
  if (model_ == kSetPointModel) {
    return SetPointView();
  }
  PanelView view;
  view.model = model_;
  view.lines = BrowseLines();
  view.editing = mode_ != Mode::Browse;
  const int line = std::clamp(edit_.line, 0, LineCount() - 1);
  const TextMessageRecord* edited = EditedMessage();
  if (mode_ == Mode::Entry && edited != nullptr) {
    view.lines[line] = RenderMessage(*edited, &edit_);
    int column = 0;
    for (const TextCell& cell : edited->text.cells) {
      if (cell.kind == CellKind::Digit && cell.item == 1 && cell.position == edit_.cursor) {
        view.cursor = DisplayCursor{line, column};
      }
      ++column;
    }
  } else if (mode_ == Mode::Password) {
    // "PASSWORD=" with a star for every digit typed.
    const auto stored = messages_.find(kPasswordMessage);
    std::string shown;
    if (stored != messages_.end()) {
      const MessageText& text = stored->second.text;
      shown = TextCharacters(text);
      for (size_t i = 0; i < text.cells.size(); ++i) {
        if (text.cells[i].kind == CellKind::Digit &&
            static_cast<size_t>(text.cells[i].position) < edit_.password.size()) {
          shown[i] = '*';
        }
      }
    } else {
      shown = BuiltInSystemText(kPasswordMessage) + std::string(edit_.password.size(), '*');
    }
    view.lines[line] = Fit(shown, kLineWidth);
  } else if (mode_ == Mode::Browse && system_ && system_->cursorOnPlcMessage &&
             PlcDisplayActive()) {
    // The cursor marks the value Enter lets the operator change.
    for (int l = 0; l < LineCount() && !view.cursor; ++l) {
      const std::optional<uint32_t> number = LineRegisterValue(l);
      const TextMessageRecord* message = number ? PlcMessage(*number) : nullptr;
      if (message == nullptr || !Writable(message->item1)) {
        continue;
      }
      int column = 0;
      for (const TextCell& cell : message->text.cells) {
        if (cell.kind == CellKind::Digit && cell.item == 1 && cell.position == 0) {
          view.cursor = DisplayCursor{l, column};
        }
        ++column;
      }
    }
  }
  if (notice_) {
    view.lines[line] = Fit(SystemText(*notice_), kLineWidth);
    view.cursor.reset();
  }
  const uint16_t ledWord = LedWord();
  for (int key = 0; key < kFunctionKeyCount; ++key) {
    view.leds.push_back(keys_.Led(key, ledWord));
  }
  if (model_ == kPasswordModel) {
    const uint16_t word = AnnunciatorWord();
    for (int lamp = 1; lamp <= kAnnunciatorLamps; ++lamp) {
      view.lamps.push_back(AnnunciatorLamp(word, lamp));
    }
  }
  view.writes = writes_;
  return view;
}

}  // namespace orvane::sim
