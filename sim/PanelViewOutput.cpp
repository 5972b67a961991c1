#include "sim/PanelViewOutput.h"

#include <cstdio>

namespace orvane::sim {
namespace {

const char* AccessName(uint8_t access) {
  switch (access) {
    case 0:
      return "read/write";
    case 1:
      return "read only";
    default:
      return "write only";
  }
}

std::string Hex(uint32_t bits, bool wide) {
  char text[16];
  std::snprintf(text, sizeof text, wide ? "0x%08X" : "0x%04X", bits);
  return text;
}

std::string TagName(uint16_t tag, const VirtualPanel& panel, const AddressNamer& name) {
  const TagEntry* entry = panel.Tags().Entry(tag);
  std::string text = "#" + std::to_string(tag);
  const std::string address = entry != nullptr && name ? name(*entry) : std::string();
  return address.empty() ? text : text + " " + address;
}

std::string Lamps(const std::vector<LampState>& lamps) {
  std::string text;
  for (size_t i = 0; i < lamps.size(); ++i) {
    text += (i == 0 ? "" : ", ") + std::to_string(i + 1) + " " + LampStateName(lamps[i]);
  }
  return text;
}

std::string JsonLamps(const std::vector<LampState>& lamps) {
  std::string text = "[";
  for (size_t i = 0; i < lamps.size(); ++i) {
    text += (i == 0 ? "\"" : ",\"") + std::string(LampStateName(lamps[i])) + "\"";
  }
  return text + "]";
}

std::string JsonValue(std::optional<uint32_t> value) {
  return value ? std::to_string(*value) : "null";
}

}  // namespace

std::string DisplayUtf8(const std::string& bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | byte >> 6);
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

std::string ViewText(const VirtualPanel& panel, const PanelView& view, const AddressNamer& name) {
  size_t width = 0;
  for (const std::string& line : view.lines) {
    width = std::max(width, line.size());
  }
  const std::string rule = "+" + std::string(width, '-') + "+\n";
  std::string out = rule;
  for (const std::string& line : view.lines) {
    out += "|" + DisplayUtf8(line) + std::string(width - line.size(), ' ') + "|\n";
  }
  out += rule;
  if (view.cursor) {
    out += "Cursor: line " + std::to_string(view.cursor->line + 1) + ", column " +
           std::to_string(view.cursor->column + 1) + "\n";
  }
  if (!view.leds.empty()) {
    out += "LEDs: " + Lamps(view.leds) + "\n";
  }
  if (!view.lamps.empty()) {
    out += "Annunciator: " + Lamps(view.lamps) + "\n";
  }
  for (const auto& [tag, bits] : view.writes) {
    const TagEntry* entry = panel.Tags().Entry(tag);
    const bool wide = entry != nullptr && Is32Bit(entry->type);
    const std::optional<uint32_t> value =
        entry != nullptr ? ValueOfRegisterBits(entry->type, bits) : std::nullopt;
    const std::string role = panel.TagRole(tag);
    out += "Wrote: " + TagName(tag, panel, name) + " = " +
           (value ? std::to_string(*value) : std::string("?")) + " (" + Hex(bits, wide) +
           (role.empty() ? "" : ", " + role) + ")\n";
  }
  for (const std::string& problem : panel.Problems()) {
    out += "Note: " + problem + "\n";
  }
  return out;
}

std::string ViewJson(const VirtualPanel& panel, const PanelView& view, const AddressNamer& name) {
  std::string out = "{\"model\":" + std::to_string(view.model) + ",\"lines\":[";
  for (size_t i = 0; i < view.lines.size(); ++i) {
    out += (i == 0 ? "" : ",") + JsonString(DisplayUtf8(view.lines[i]));
  }
  out += "],\"cursor\":";
  out += view.cursor ? "{\"line\":" + std::to_string(view.cursor->line) +
                           ",\"column\":" + std::to_string(view.cursor->column) + "}"
                     : std::string("null");
  out += std::string(",\"editing\":") + (view.editing ? "true" : "false");
  out += ",\"leds\":" + JsonLamps(view.leds);
  out += ",\"annunciator\":" + JsonLamps(view.lamps);
  out += ",\"writes\":[";
  bool first = true;
  for (const auto& [tag, bits] : view.writes) {
    const TagEntry* entry = panel.Tags().Entry(tag);
    const std::optional<uint32_t> value =
        entry != nullptr ? ValueOfRegisterBits(entry->type, bits) : std::nullopt;
    out += std::string(first ? "" : ",") + "{\"tag\":" + std::to_string(tag) +
           ",\"address\":" + JsonString(entry != nullptr && name ? name(*entry) : "") +
           ",\"role\":" + JsonString(panel.TagRole(tag)) + ",\"bits\":" + std::to_string(bits) +
           ",\"value\":" + JsonValue(value) + "}";
    first = false;
  }
  out += "],\"registers\":[";
  const std::vector<TagEntry>& entries = panel.Tags().entries;
  for (size_t i = 0; i < entries.size(); ++i) {
    const uint16_t tag = static_cast<uint16_t>(i + 1);
    const TagEntry& entry = entries[i];
    out += std::string(i == 0 ? "" : ",") + "{\"tag\":" + std::to_string(tag) +
           ",\"address\":" + JsonString(name ? name(entry) : "") +
           ",\"role\":" + JsonString(panel.TagRole(tag)) +
           ",\"type\":" + JsonString(RegisterTypeName(entry.type)) +
           ",\"access\":" + JsonString(AccessName(entry.access)) +
           ",\"bits\":" + std::to_string(panel.RegisterBits(tag)) +
           ",\"value\":" + JsonValue(panel.RegisterValue(tag)) + "}";
  }
  out += "]}";
  return out;
}

}  // namespace orvane::sim
