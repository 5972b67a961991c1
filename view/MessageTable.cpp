#include "view/MessageTable.h"

#include <algorithm>
#include <map>

#include "base/ForwardingUserInterface.h"
#include "base/StringTable.h"
#include "link/MessageText.h"
#include "project/ModelNames.h"
#include "project/TOvProject.h"
#include "project/TOvTagMap.h"
#include "view/AddressEntry.h"
#include "view/FieldNumbers.h"
#include "view/ParsedText.h"

namespace orvane {
namespace {

constexpr size_t kColumnCount = std::size(kMessageTableColumns);
constexpr const char* kPlcKind = "PLC";
constexpr const char* kLocalKind = "Local";

// Latin-1 byte to UTF-8.
void AppendUtf8(std::string& out, unsigned char byte) {
  if (byte < 0x80) {
    out += static_cast<char>(byte);
  } else {
    out += static_cast<char>(0xC0 | (byte >> 6));
    out += static_cast<char>(0x80 | (byte & 0x3F));
  }
}

// The next character of a UTF-8 text as a code point; -1 for a malformed
// sequence.
long NextCodePoint(std::string_view text, size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) {
    return lead;
  }
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0) {
    return -1;
  }
  long code = lead & (0x3F >> extra);
  for (; extra > 0; --extra) {
    if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
      return -1;
    }
    code = (code << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
  }
  return code;
}

std::string YesNo(bool value) {
  return value ? "yes" : "no";
}

// The address as the editor's field shows it: a tag name while a tag map is
// in use, else the address text.
std::string ShownAddress(const TOvTag& tag, AddressFieldKind kind) {
  return kind == AddressFieldKind::TagName && !tag.tagName.empty() ? tag.tagName : tag.addressText;
}

std::string DecimalPointTableText(const TOvReadWriteTag& item) {
  return item.variableDecimalPoint ? item.decimalPointRegister.addressText : std::string();
}

// Collects what the driver and the address fields would have shown.
class CollectedMessages final : public ForwardingUserInterface {
 public:
  using ForwardingUserInterface::ForwardingUserInterface;
  void ShowMessage(const Message& message) override { texts_.push_back(message.text); }
  Answer Ask(const Question& question) override { return question.defaultAnswer; }
  std::string Take() {
    std::string joined;
    for (const std::string& text : texts_) {
      joined += (joined.empty() ? "" : "; ") + text;
    }
    texts_.clear();
    // One line per fault: the driver's texts may hold line breaks.
    std::replace(joined.begin(), joined.end(), '\n', ' ');
    return joined;
  }

 private:
  std::vector<std::string> texts_;
};

// A quiet stand-in for the user interface the collector forwards to.
class NoUserInterface final : public UserInterface {
 public:
  void ShowMessage(const Message&) override {}
  Answer Ask(const Question& question) override { return question.defaultAnswer; }
  std::optional<std::string> ChooseOpenFile(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> ChooseSaveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<int> Choose(const ChoiceRequest&) override { return std::nullopt; }
};

std::optional<uint32_t> DataTypeOfText(const std::string& text) {
  for (uint32_t type = 0; type < 4; ++type) {
    if (text == DataTypeName(type) || text == DataTypeText(type) || text == std::to_string(type)) {
      return type;
    }
  }
  return std::nullopt;
}

std::optional<bool> FlagOf(const std::string& text) {
  if (text == "yes" || text == "1") {
    return true;
  }
  if (text == "no" || text == "0" || text.empty()) {
    return false;
  }
  return std::nullopt;
}

// Reads the rows of one table.
class TableReader {
 public:
  TableReader(TOvProject& project, TOvPanel& panel)
      : project_(project),
        panel_(panel),
        kind_(FieldKindFor(project)),
        collected_(quiet_),
        entry_(project, collected_) {}

  MessageTableImport Read(std::string_view csv);

 private:
  void Fault(int line, const std::string& what) {
    result_.errors.push_back("row " + std::to_string(line) + ": " + what);
  }
  const std::string& Cell(const CsvRecord& record, const char* column) const {
    static const std::string empty;
    const auto found = columns_.find(column);
    return found == columns_.end() || found->second >= record.fields.size()
               ? empty
               : record.fields[found->second];
  }
  void ReadRow(const CsvRecord& record);
  bool ReadItem(const CsvRecord& record, int item, TOvMessage& message);
  bool EnterAddress(int line, const std::string& what, const std::string& shown,
                    const AddressRule& rule, TOvTag& tag);

  TOvProject& project_;
  TOvPanel& panel_;
  AddressFieldKind kind_;
  NoUserInterface quiet_;
  CollectedMessages collected_;
  AddressEntry entry_;
  std::map<std::string, size_t> columns_;
  MessageLists lists_;
  std::vector<int> plcLines_;
  MessageTableImport result_;
};

bool TableReader::EnterAddress(int line, const std::string& what, const std::string& shown,
                               const AddressRule& rule, TOvTag& tag) {
  std::string fieldText = shown;
  if (kind_ == AddressFieldKind::TagName && !shown.empty()) {
    const TOvTagMap& table = TagMapFor(project_, panel_);
    const auto found = table.entries.find(shown);
    if (found == table.entries.end()) {
      Fault(line, what + " \"" + shown + "\" is no tag name of the project's tag map");
      return false;
    }
    fieldText = TaggedFieldText(found->first, found->second);
  }
  if (!entry_.Enter(fieldText, rule, tag)) {
    const std::string why = collected_.Take();
    Fault(line, what + " \"" + shown + "\" is refused" + (why.empty() ? "" : ": " + why));
    return false;
  }
  return true;
}

bool TableReader::ReadItem(const CsvRecord& record, int item, TOvMessage& message) {
  const std::string prefix = "item" + std::to_string(item) + "_";
  const auto cell = [&](const char* name) -> const std::string& {
    return Cell(record, (prefix + name).c_str());
  };
  const std::string what = "data item " + std::to_string(item);
  const int line = record.line;
  const bool inUse = message.HasMarker(ItemMarker(item));
  if (!inUse) {
    if (!cell("address").empty()) {
      Fault(line, what + " has an address but the text has no digit of it");
      return false;
    }
    return true;
  }
  const std::optional<uint32_t> type = DataTypeOfText(cell("type"));
  if (!type) {
    Fault(line, what + ": data type \"" + cell("type") +
                    "\" is none of BCD 16, Binary 16, BCD "
                    "32, Binary 32");
    return false;
  }
  const size_t digits = ItemDigitCount(message.text, item);
  if (digits > DataItemDigitLimit(*type)) {
    Fault(line, what + " has " + std::to_string(digits) + " digits; " + DataTypeName(*type) +
                    " takes at most " + std::to_string(DataItemDigitLimit(*type)));
    return false;
  }
  const std::optional<bool> zeros = FlagOf(cell("leading_zeros"));
  if (!zeros) {
    Fault(line, what + ": leading zeros is \"" + cell("leading_zeros") + "\", not yes or no");
    return false;
  }
  message.leadingZeros[static_cast<size_t>(item - 1)] = *zeros;
  if (item != 1) {
    TOvTag& tag = item == 2 ? message.item2 : message.item3;
    return EnterAddress(line, what + " address", cell("address"),
                        AddressRule{kAccessReadOnly, *type, false}, tag);
  }

  TOvReadWriteTag& item1 = message.item1;
  int access = kAccessReadWrite;
  if (cell("access") == "Read Only") {
    access = kAccessReadOnly;
  } else if (!cell("access").empty() && cell("access") != "Read/Write") {
    Fault(line, what + ": access \"" + cell("access") + "\" is neither Read/Write nor Read Only");
    return false;
  }
  const int64_t kindMaximum = panel_.KindMaximum(*type);
  const std::optional<int64_t> minimum =
      cell("min").empty() ? int64_t{0} : ReadFieldNumber(cell("min"));
  const std::optional<int64_t> maximum =
      cell("max").empty() ? kindMaximum : ReadFieldNumber(cell("max"));
  if (!minimum || !maximum || *minimum < 0 || *maximum < *minimum || *maximum > kindMaximum) {
    Fault(line, what + ": the limits \"" + cell("min") + "\" to \"" + cell("max") +
                    "\" are not whole numbers within 0 to " + std::to_string(kindMaximum));
    return false;
  }
  const std::string& password = cell("password");
  if (!password.empty() && password != "Local" && password != "PLC") {
    Fault(line, what + ": password \"" + password + "\" is neither Local nor PLC");
    return false;
  }
  if (!password.empty() && !panel_.HasPasswords()) {
    Fault(line, what + ": password protection needs the panel with passwords");
    return false;
  }
  if (!EnterAddress(line, what + " address", cell("address"), AddressRule{access, *type, false},
                    item1)) {
    return false;
  }
  item1.kindMaximum = static_cast<uint32_t>(kindMaximum);
  item1.accessType = access;
  item1.limitsEnabled = true;
  item1.minimum = static_cast<uint32_t>(*minimum);
  item1.maximum = static_cast<uint32_t>(*maximum);
  item1.passwordProtected = !password.empty();
  item1.passwordIsLocal = password != "PLC";
  const std::optional<bool> plcPoint = FlagOf(cell("plc_decimal_point"));
  if (!plcPoint) {
    Fault(line,
          what + ": PLC decimal point is \"" + cell("plc_decimal_point") + "\", not yes or no");
    return false;
  }
  item1.variableDecimalPoint = *plcPoint || message.HasMarker(kDecimalPointMarker);
  if (item1.variableDecimalPoint) {
    return EnterAddress(line, "the decimal point register", cell("decimal_point_address"),
                        AddressRule{kAccessReadOnly, kDataTypeBcd16, false},
                        item1.decimalPointRegister);
  }
  if (!cell("decimal_point_address").empty()) {
    Fault(line, "a decimal point register is given but the decimal point is not PLC controlled");
    return false;
  }
  return true;
}

void TableReader::ReadRow(const CsvRecord& record) {
  const int line = record.line;
  if (record.fields.size() != columns_.size()) {
    Fault(line, "has " + std::to_string(record.fields.size()) + " fields, the header " +
                    std::to_string(columns_.size()));
    return;
  }
  TOvMessage message(&panel_);
  const std::string& kind = Cell(record, "kind");
  if (kind != kPlcKind && kind != kLocalKind) {
    Fault(line, "kind \"" + kind + "\" is neither PLC nor Local");
    return;
  }
  const bool plc = kind == kPlcKind;
  message.isPlcMessage = plc ? 1 : 0;
  const std::optional<bool> folder = FlagOf(Cell(record, "folder"));
  const std::optional<int64_t> depth =
      Cell(record, "depth").empty() ? int64_t{0} : ReadFieldNumber(Cell(record, "depth"));
  if (plc) {
    const std::optional<int64_t> number = ReadFieldNumber(Cell(record, "number"));
    if (!number || *number < 1 || *number > kMaxMessageNumber) {
      Fault(line, "PLC message number \"" + Cell(record, "number") + "\" is not 1 to 256");
      return;
    }
    if (folder.value_or(true) || depth.value_or(1) != 0) {
      Fault(line, "a PLC message is no folder and has depth 0");
      return;
    }
    message.number = static_cast<int32_t>(*number);
  } else {
    if (!folder) {
      Fault(line, "folder is \"" + Cell(record, "folder") + "\", not yes or no");
      return;
    }
    if (!depth || *depth < 0 || *depth >= kDeepestLevel) {
      Fault(line, "depth \"" + Cell(record, "depth") + "\" is not 0 to 3");
      return;
    }
    message.isFolder = *folder ? 1 : 0;
    message.depth = static_cast<int16_t>(*depth);
  }

  std::string fault;
  const std::optional<std::string> text = ModelTextOf(Cell(record, "text"), &fault);
  if (!text) {
    Fault(line, "text: " + fault);
    return;
  }
  message.text = *text;
  const size_t width =
      static_cast<size_t>(panel_.CharactersPerLine() - (message.isFolder != 0 ? 1 : 0));
  if (message.text.size() > width) {
    Fault(line, "text has " + std::to_string(message.text.size()) + " characters; the line " +
                    (message.isFolder != 0 ? "of a folder " : "") + "holds " +
                    std::to_string(width));
    return;
  }
  std::string placed = message.text;
  PlaceDecimalPoint(placed);
  if (placed != message.text) {
    Fault(line, "text: the decimal point stands right after the last digit of item 1");
    return;
  }
  if (message.isFolder != 0 &&
      (message.HasMarker(kItem1Marker) || message.Item2InUse() || message.Item3InUse())) {
    Fault(line, "a folder holds no data items");
    return;
  }
  for (int item = 1; item <= 3; ++item) {
    if (!ReadItem(record, item, message)) {
      return;
    }
  }
  if (plc) {
    const auto taken = std::find_if(lists_.plc.begin(), lists_.plc.end(), [&](const TOvMessage& m) {
      return m.number == message.number;
    });
    if (taken != lists_.plc.end()) {
      Fault(line, "PLC message number " + std::to_string(message.number) + " is also on row " +
                      std::to_string(plcLines_[static_cast<size_t>(taken - lists_.plc.begin())]));
      return;
    }
    lists_.plc.push_back(std::move(message));
    plcLines_.push_back(line);
    return;
  }
  std::vector<TOvMessage> shaped = lists_.locals;
  shaped.push_back(message);
  if (const std::string shape = TreeShapeFault(shaped); !shape.empty()) {
    Fault(line, "tree: " + shape);
    return;
  }
  lists_.locals.push_back(std::move(message));
}

MessageTableImport TableReader::Read(std::string_view csv) {
  int badLine = 0;
  const std::optional<std::vector<CsvRecord>> records = ParseCsv(csv, &badLine);
  if (!records) {
    Fault(badLine, "a quoted field is never closed");
    return result_;
  }
  if (records->empty()) {
    result_.errors.push_back("the table has no header row");
    return result_;
  }
  const CsvRecord& header = records->front();
  for (size_t column = 0; column < header.fields.size(); ++column) {
    columns_[header.fields[column]] = column;
  }
  for (const char* name : kMessageTableColumns) {
    if (columns_.count(name) == 0) {
      Fault(header.line, std::string("the header has no column \"") + name + "\"");
    }
  }
  if (!result_.errors.empty()) {
    return result_;
  }
  for (size_t row = 1; row < records->size(); ++row) {
    const CsvRecord& record = (*records)[row];
    // A line with nothing on it is no row.
    if (record.fields.size() == 1 && record.fields[0].empty()) {
      continue;
    }
    ReadRow(record);
  }
  if (!result_.errors.empty()) {
    return result_;
  }

  // The panel's limits over the whole table.
  std::stable_sort(lists_.plc.begin(), lists_.plc.end(),
                   [](const TOvMessage& a, const TOvMessage& b) { return a.number < b.number; });
  if (static_cast<int>(lists_.Count()) > kMaxMessagesPerPanel) {
    result_.errors.push_back(NoRoomText());
  }
  if (HighestPlcNumber(lists_.plc) > HighestAllowedPlcNumber(lists_)) {
    result_.errors.push_back(FormatText(
        "PLC message number %d: with %zu local messages PLC messages are numbered 1 to %d",
        HighestPlcNumber(lists_.plc), lists_.locals.size(), HighestAllowedPlcNumber(lists_)));
  }
  TOvPanel scratch(panel_);
  StoreMessages(lists_, scratch);
  scratch.AttachTo(&project_);
  if (scratch.AddressCount() > kMaxTagTableEntries) {
    result_.errors.push_back(LoadString(strings::kT001));
  }
  if (result_.errors.empty()) {
    NumberLocalMessages(lists_.locals);
    result_.lists = std::move(lists_);
  }
  return result_;
}

}  // namespace

std::string TableText(std::string_view modelText) {
  std::string out;
  bool inRun = false;
  for (const char c : modelText) {
    const bool marker =
        c == kItem1Marker || c == kItem2Marker || c == kItem3Marker || c == kDecimalPointMarker;
    if (marker != inRun) {
      out += marker ? '{' : '}';
      inRun = marker;
    }
    if (marker) {
      out += DisplayOf(std::string_view(&c, 1)).front().character;
    } else if (c == '{') {
      out += "{{";
    } else {
      AppendUtf8(out, static_cast<unsigned char>(c));
    }
  }
  if (inRun) {
    out += '}';
  }
  return out;
}

std::optional<std::string> ModelTextOf(std::string_view tableText, std::string* fault) {
  std::string model;
  bool inRun = false;
  for (size_t at = 0; at < tableText.size();) {
    const char c = tableText[at];
    if (inRun) {
      ++at;
      switch (c) {
        case '}':
          inRun = false;
          break;
        case '1':
        case '2':
        case '3':
          model += ItemMarker(c - '0');
          break;
        case '.':
          model += kDecimalPointMarker;
          break;
        default:
          *fault = std::string("\"") + c + "\" in braces is none of 1, 2, 3 and \".\"";
          return std::nullopt;
      }
      continue;
    }
    if (c == '{') {
      if (at + 1 < tableText.size() && tableText[at + 1] == '{') {
        model += '{';
        at += 2;
      } else {
        inRun = true;
        ++at;
      }
      continue;
    }
    const long code = NextCodePoint(tableText, at);
    if (code < 0 || code > 0xFF || !IsTypableCharacter(static_cast<char>(code))) {
      *fault = "a character the panel cannot show";
      return std::nullopt;
    }
    model += static_cast<char>(code);
  }
  if (inRun) {
    *fault = "a brace is not closed";
    return std::nullopt;
  }
  return model;
}

std::string CsvField(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    return std::string(field);
  }
  std::string quoted = "\"";
  for (const char c : field) {
    quoted += c;
    if (c == '"') {
      quoted += '"';
    }
  }
  return quoted + '"';
}

std::optional<std::vector<CsvRecord>> ParseCsv(std::string_view csv, int* badLine) {
  std::vector<CsvRecord> records;
  int line = 1;
  size_t at = 0;
  // A UTF-8 byte order mark in front is not part of the first field.
  if (csv.substr(0, 3) == "\xEF\xBB\xBF") {
    at = 3;
  }
  while (at < csv.size()) {
    CsvRecord record;
    record.line = line;
    std::string field;
    bool quoted = false;
    bool recordDone = false;
    while (!recordDone) {
      if (at >= csv.size()) {
        if (quoted) {
          *badLine = record.line;
          return std::nullopt;
        }
        break;
      }
      const char c = csv[at++];
      if (quoted) {
        if (c == '"') {
          if (at < csv.size() && csv[at] == '"') {
            field += '"';
            ++at;
          } else {
            quoted = false;
          }
        } else {
          line += c == '\n' ? 1 : 0;
          field += c;
        }
        continue;
      }
      switch (c) {
        case '"':
          quoted = true;
          break;
        case ',':
          record.fields.push_back(std::move(field));
          field.clear();
          break;
        case '\r':
          break;
        case '\n':
          ++line;
          recordDone = true;
          break;
        default:
          field += c;
          break;
      }
    }
    record.fields.push_back(std::move(field));
    records.push_back(std::move(record));
  }
  return records;
}

std::string ExportMessageTable(const TOvProject& project, const MessageLists& lists) {
  const AddressFieldKind kind = FieldKindFor(project);
  std::string out;
  const auto row = [&out](const std::vector<std::string>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) {
      out += (i == 0 ? "" : ",") + CsvField(fields[i]);
    }
    out += "\r\n";
  };
  row(std::vector<std::string>(std::begin(kMessageTableColumns), std::end(kMessageTableColumns)));
  const auto message = [&](const TOvMessage& m) {
    const bool plc = m.isPlcMessage != 0;
    std::vector<std::string> fields(kColumnCount);
    fields[0] = std::to_string(m.number);
    fields[1] = plc ? kPlcKind : kLocalKind;
    fields[2] = std::to_string(plc ? 0 : m.depth);
    fields[3] = YesNo(m.isFolder != 0);
    fields[4] = TableText(m.text);
    if (m.HasMarker(kItem1Marker)) {
      const TOvReadWriteTag& item = m.item1;
      fields[5] = ShownAddress(item, kind);
      fields[6] = DataTypeName(item.dataType);
      fields[7] = item.accessType == kAccessReadOnly ? "Read Only" : "Read/Write";
      fields[8] = std::to_string(item.minimum);
      fields[9] = std::to_string(item.maximum);
      fields[10] = !item.passwordProtected ? "" : item.passwordIsLocal ? "Local" : "PLC";
      fields[11] = YesNo(m.leadingZeros[0]);
      fields[12] = YesNo(item.variableDecimalPoint);
      fields[13] = kind == AddressFieldKind::TagName && !item.decimalPointRegister.tagName.empty()
                       ? item.decimalPointRegister.tagName
                       : DecimalPointTableText(item);
    }
    const auto other = [&](const TOvTag& tag, size_t first, size_t index) {
      fields[first] = ShownAddress(tag, kind);
      fields[first + 1] = DataTypeName(tag.dataType);
      fields[first + 2] = YesNo(m.leadingZeros[index]);
    };
    if (m.Item2InUse()) {
      other(m.item2, 14, 1);
    }
    if (m.Item3InUse()) {
      other(m.item3, 17, 2);
    }
    row(fields);
  };
  std::for_each(lists.plc.begin(), lists.plc.end(), message);
  std::for_each(lists.locals.begin(), lists.locals.end(), message);
  return out;
}

MessageTableImport ImportMessageTable(TOvProject& project, TOvPanel& panel, std::string_view csv) {
  TableReader reader(project, panel);
  return reader.Read(csv);
}

std::string ImportFaultsText(const std::vector<std::string>& errors) {
  std::string text = FormatText("The message table was not imported: %zu %s.\n\n", errors.size(),
                                errors.size() == 1 ? "fault" : "faults");
  for (const std::string& error : errors) {
    text += error + "\n";
  }
  return text;
}

}  // namespace orvane
