#include "sim/MemoryDump.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "project/PanelModels.h"
#include "sim/DeviceLine.h"
#include "sim/PlcAttributeRecords.h"

namespace orvane::sim {
namespace {

constexpr uint16_t kNoTag = 0xFFFF;
constexpr size_t kTextSize = 20;
constexpr size_t kSetPointTextSize = 16;
constexpr uint8_t kBlank = 0xFF;

std::string Format(const char* format, ...) {
  char text[512] = {};
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

uint16_t Big16(std::span<const uint8_t> bytes, size_t offset) {
  return offset + 1 < bytes.size() ? static_cast<uint16_t>(bytes[offset] << 8 | bytes[offset + 1])
                                   : 0;
}

uint32_t Big32(std::span<const uint8_t> bytes, size_t offset) {
  return uint32_t{Big16(bytes, offset)} << 16 | Big16(bytes, offset + 2);
}

std::string Tag(uint16_t index) {
  return index == kNoTag ? "none" : "tag " + std::to_string(index);
}

std::string Indent(const std::string& text, const std::string& prefix) {
  std::string out;
  size_t from = 0;
  while (from < text.size()) {
    const size_t end = text.find('\n', from);
    out += prefix + text.substr(from, end - from) + "\n";
    from = end == std::string::npos ? text.size() : end + 1;
  }
  return out;
}

// The data item (1..3) a text byte is a digit of, 0 for none; wide is set
// for the 32-bit ranges.
int ItemOf(uint8_t code, bool& wide) {
  wide = code >= 144;
  if (code >= 128 && code <= 142) {
    return (code - 128) / 5 + 1;
  }
  if (code >= 144 && code <= 173) {
    return (code - 144) / 10 + 1;
  }
  return 0;
}

std::string AccessText(uint8_t flags) {
  switch ((flags >> 2) & 0x03) {
    case 0:
      return "read/write";
    case 1:
      return "read only";
    case 2:
      return "write only";
    default:
      return "access 3";
  }
}

std::string DataTypeText(uint8_t code) {
  switch (code) {
    case 8:
      return "BCD 16";
    case 5:
      return "Binary 16";
    case 9:
      return "BCD 32";
    case 6:
      return "Binary 32";
    default:
      return Format("type 0x%02X", code);
  }
}

std::string HexBlock(std::span<const uint8_t> bytes, const std::string& prefix) {
  std::string out;
  for (size_t offset = 0; offset < bytes.size(); offset += 16) {
    out += prefix + Format("%04zx  ", offset) +
           HexText(bytes.subspan(offset, std::min<size_t>(16, bytes.size() - offset))) + "\n";
  }
  return out;
}

std::string ImageLine(const char* what, const Bytes& image) {
  if (image.empty()) {
    return Format("%s: none\n", what);
  }
  const std::optional<StandInHeader> header = ReadStandInHeader(image);
  return Format("%s: %zu bytes, %s\n", what, image.size(),
                header ? ("stand-in " + DescribeStandIn(*header)).c_str() : "not a stand-in image");
}

// --- Messages -----------------------------------------------------------

std::string TextMessageDetails(std::span<const uint8_t> record) {
  // Record offsets: the write command's frame offsets less 5.
  const std::span<const uint8_t> text = record.subspan(2, kTextSize);
  const uint8_t isFolder = record[22];
  const uint8_t depth = record[23];
  const uint8_t flags = record[42];
  std::string out;
  if (isFolder != 0 || depth != 0) {
    out += Format("%s, depth %d\n", isFolder != 0 ? "folder" : "message", depth);
  }
  for (int item = 1; item <= 3; ++item) {
    int digits = 0;
    bool wide = false;
    for (const uint8_t code : text) {
      bool codeWide = false;
      if (ItemOf(code, codeWide) == item) {
        ++digits;
        wide = codeWide;
      }
    }
    const uint16_t tag = Big16(record, 24 + 2 * static_cast<size_t>(item - 1));
    if (digits == 0 && tag == kNoTag) {
      continue;
    }
    std::string line = Format("item %d: %s", item, Tag(tag).c_str());
    line += digits == 0 ? ", not shown" : Format(", %s digits", wide ? "32-bit" : "16-bit");
    if (item == 1) {
      if ((flags & 0x02) != 0) {
        line += ", decimal point by " + Tag(Big16(record, 40));
      }
      line += ", " + AccessText(flags);
      const uint8_t password = record[30];
      if (password == 1) {
        line += ", local password";
      } else if (password != 0) {
        line += ", PLC password";
      }
      if (record[31] == 1) {
        line += Format(", limits %u to %u", Big32(record, 36), Big32(record, 32));
      }
    }
    if ((flags & (0x10 << (item - 1))) != 0) {
      line += ", leading zeros";
    }
    out += line + "\n";
  }
  return out;
}

std::string SetPointDetails(std::span<const uint8_t> record) {
  const uint8_t flags = record[34];
  std::string line = "value: " + Tag(Big16(record, 20));
  if ((flags & 0x02) != 0) {
    line += ", decimal point by " + Tag(Big16(record, 32));
  } else if (record[22] != 0) {
    line += Format(", %d decimals", record[22]);
  }
  line += ", " + AccessText(flags);
  if (record[23] == 1) {
    line += Format(", limits %u to %u", Big32(record, 28), Big32(record, 24));
  }
  return line + "\n";
}

std::string ShowSetPointText(std::span<const uint8_t> text) {
  std::string shown;
  for (const uint8_t byte : text) {
    shown += byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '?';
  }
  return shown;
}

std::string DumpMessages(const SimulatedPanel& panel) {
  const PanelMemory& memory = panel.Memory();
  if (memory.messages.empty()) {
    return "Messages: none\n";
  }
  std::string out = Format("Messages: %zu stored\n", memory.messages.size());
  for (const auto& [number, record] : memory.messages) {
    const char* system = number > kLastUserMessageNumber ? "   (system message)" : "";
    if (record.size() < 3 || record[2] == kBlank) {
      out += Format("  %3u  (blank)\n", number);
      continue;
    }
    if (panel.IsSetPointModel()) {
      if (record.size() != kSetPointRecordSize) {
        out += Format("  %3u  (record of %zu bytes)\n", number, record.size());
        continue;
      }
      out += Format(
          "  %3u  |%s|%s\n", number,
          ShowSetPointText(std::span<const uint8_t>(record).subspan(2, kSetPointTextSize)).c_str(),
          system);
      out += Indent(SetPointDetails(record), "       ");
      continue;
    }
    if (record.size() != kTextRecordSize) {
      out += Format("  %3u  (record of %zu bytes)\n", number, record.size());
      continue;
    }
    out += Format("  %3u  |%s|%s\n", number,
                  ShowMessageText(std::span<const uint8_t>(record).subspan(2, kTextSize)).c_str(),
                  system);
    out += Indent(TextMessageDetails(record), "       ");
  }
  return out;
}

// --- System attributes --------------------------------------------------

std::string LedText(uint16_t word, int led) {
  const bool byButton = (word & (1u << led)) != 0;
  const bool flash = (word & (1u << (led + 5))) != 0;
  if (byButton && flash) {
    return "by button & flash";
  }
  if (byButton) {
    return "by button";
  }
  return flash ? "flash only" : "by PLC";
}

std::string KeyActionText(uint8_t action) {
  switch (action) {
    case 0:
      return "momentary";
    case 1:
      return "alternate";
    case 2:
      return "panel set, PLC release";
    default:
      return "action " + std::to_string(action);
  }
}

std::string DumpSystemAttributes(const PanelMemory& memory) {
  if (!memory.systemAttributes) {
    return "System attributes: none\n";
  }
  // Offsets of the write command's frame, less 5.
  const Bytes& record = *memory.systemAttributes;
  const uint16_t keyLed = Big16(record, 7);
  std::string out = "System attributes:\n";
  out += "  button word            " + Tag(Big16(record, 1)) + "\n";
  out += "  LED word               " + Tag(Big16(record, 3)) + "\n";
  out += "  annunciator word       " + Tag(Big16(record, 5)) + "\n";
  out += "  password register      " + Tag(Big16(record, 9)) + "\n";
  out += Format("  local password         %u\n", Big32(record, 11));
  out += "  line registers         ";
  for (size_t line = 0; line < 4; ++line) {
    out += (line == 0 ? "" : ", ") + Tag(Big16(record, 15 + 2 * line));
  }
  out += "\n  LEDs                   ";
  for (int led = 0; led < 5; ++led) {
    out += Format("%s%d %s", led == 0 ? "" : ", ", led + 1, LedText(keyLed, led).c_str());
  }
  out += Format("\n  beeper                 %s\n", (keyLed & 0x8000) != 0 ? "on" : "off");
  out += "  keys                   ";
  for (size_t key = 0; key < 5; ++key) {
    out +=
        Format("%s%zu %s", key == 0 ? "" : ", ", key + 1, KeyActionText(record[23 + key]).c_str());
  }
  const uint16_t first = Big16(record, 28);
  out += "\n  first message number   " +
         (first == kNoTag ? std::string("none") : std::to_string(first)) + "\n";
  out += Format("  PLC message delay      %s\n", (record[30] & 0x01) != 0 ? "on" : "off");
  out += Format("  cursor on PLC message  %s\n", (record[30] & 0x02) != 0 ? "on" : "off");
  return out;
}

// --- Tag list -----------------------------------------------------------

std::string DumpTagStream(const Bytes& stream, bool indexForm) {
  if (stream.empty()) {
    return "Tag list: none\n";
  }
  if (stream.size() < 3) {
    return Format("Tag list: a stream of %zu bytes, too short for its header\n", stream.size()) +
           HexBlock(stream, "  ");
  }
  const uint16_t count = Big16(stream, 0);
  const size_t addressLength = stream[2];
  const size_t entrySize = 3 + addressLength;
  std::string out = Format("Tag list: %u entries, address length %zu (%s)\n", count, addressLength,
                           indexForm ? "positions in the multiplexer's list" : "map strings");
  size_t offset = 3;
  for (int entry = 1; entry <= count; ++entry, offset += entrySize) {
    if (offset + entrySize > stream.size()) {
      out += Format("  the stream ends before entry %d\n", entry);
      return out;
    }
    const uint8_t access = stream[offset];
    const std::span<const uint8_t> address =
        std::span<const uint8_t>(stream).subspan(offset + 3, addressLength);
    std::string where;
    if (indexForm && addressLength == 2) {
      where = Format("position %u", address[0] | address[1] << 8);
    } else {
      where = "map " + HexText(address);
    }
    out += Format("  %4d  %-10s  %-9s  %d bytes  %s\n", entry,
                  access == 0   ? "read/write"
                  : access == 1 ? "read only"
                  : access == 2 ? "write only"
                                : "access ?",
                  DataTypeText(stream[offset + 1]).c_str(), stream[offset + 2], where.c_str());
  }
  if (offset != stream.size()) {
    out += Format("  and %zu bytes after the last entry\n",
                  stream.size() - std::min(offset, stream.size()));
  }
  return out;
}

// --- PLC attributes -----------------------------------------------------

std::string DumpPlcBlock(const char* form, const Bytes& block) {
  if (block.empty()) {
    return "PLC attributes: none\n";
  }
  return Format("PLC attributes: a block of %zu bytes (%s)\n", block.size(), form) +
         HexBlock(block, "  ");
}

}  // namespace

std::string ShowMessageText(std::span<const uint8_t> text) {
  // Data item 1's code that occurs twice marks its decimal point with the
  // later occurrence.
  std::array<int, 256> seen{};
  for (const uint8_t code : text) {
    ++seen[code];
  }
  std::string shown;
  std::array<int, 256> passed{};
  for (const uint8_t code : text) {
    bool wide = false;
    const int item = ItemOf(code, wide);
    ++passed[code];
    if (item == 1 && seen[code] > 1 && passed[code] == seen[code]) {
      shown += '.';
    } else if (item != 0) {
      shown += static_cast<char>('0' + item);
    } else {
      shown += code >= 0x20 && code < 0x7F ? static_cast<char>(code) : '?';
    }
  }
  return shown;
}

std::string DumpPanel(const SimulatedPanel& panel) {
  const PanelMemory& memory = panel.Memory();
  std::string out = Format("%s (model %d), firmware %c.%d, memory %d KB, %zu bytes in use%s\n",
                           PanelModel(panel.Model()).name, panel.Model(), panel.Firmware().letter,
                           panel.Firmware().number, panel.MemoryKilobytes(), memory.UsedBytes(),
                           panel.InLoader() ? ", in its loader" : "");
  out += ImageLine("Driver image", memory.driverImage);
  out += ImageLine("Firmware image loaded", panel.Firmware().image);
  out += DumpSystemAttributes(memory);
  out += DumpMessages(panel);
  out += DumpTagStream(memory.tagStream, panel.BehindMultiplexer());
  if (memory.plcAttributes.empty()) {
    out += "PLC attributes: none\n";
  } else {
    const PlcRecordForm form =
        panel.BehindMultiplexer() ? PlcRecordForm::MultiPanel : PlcRecordForm::SinglePanel;
    out += DumpPlcBlock(panel.BehindMultiplexer() ? "multi-panel form" : "single panel form",
                        PlcBlockFromRecord(memory.plcAttributes, form));
  }
  return out;
}

std::string DumpMultiplexer(const SimulatedMultiplexer& multiplexer) {
  const MultiplexerMemory& memory = multiplexer.Memory();
  std::string out = Format(
      "Multiplexer, firmware %c.%d, memory %u bytes, %zu bytes in use, routed to port %d%s\n",
      multiplexer.Firmware().letter, multiplexer.Firmware().number, multiplexer.MemoryCapacity(),
      memory.UsedBytes(), multiplexer.RoutedPort(),
      multiplexer.InBootLoader() ? ", in its boot loader" : "");
  out += ImageLine("Driver image", memory.driverImage);
  out += ImageLine("Firmware image loaded", multiplexer.Firmware().image);
  out += DumpTagStream(memory.tagStream, false);
  out += memory.plcStream.empty()
             ? "PLC attributes: none\n"
             : DumpPlcBlock("multiplexer stream", PlcBlockFromStoredStream(memory.plcStream));
  for (int port = 1; port <= kMultiplexerPortCount; ++port) {
    const SimulatedPanel* panel = multiplexer.Panel(port);
    out += Format("\nPort %d: ", port);
    if (panel == nullptr) {
      out += "no panel\n";
      continue;
    }
    const std::string dump = DumpPanel(*panel);
    const size_t firstLineEnd = dump.find('\n');
    out += dump.substr(0, firstLineEnd + 1);
    out += Indent(dump.substr(firstLineEnd + 1), "  ");
  }
  return out;
}

std::string DumpDevice(const SimulatedDevice& device) {
  if (const auto* panel = dynamic_cast<const SimulatedPanel*>(&device)) {
    return "Panel: " + DumpPanel(*panel);
  }
  if (const auto* multiplexer = dynamic_cast<const SimulatedMultiplexer*>(&device)) {
    return DumpMultiplexer(*multiplexer);
  }
  return {};
}

}  // namespace orvane::sim
