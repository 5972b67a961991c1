// The virtual panel written out: the display, the LEDs, the annunciator
// lamps and the registers the panel wrote, as text for people and as one
// JSON object for programs (the --render output and the control channel's
// state lines).
#pragma once

#include <functional>
#include <string>

#include "base/JsonText.h"
#include "sim/VirtualPanel.h"

namespace orvane::sim {

/// An entry's address text, empty when unknown.
using AddressNamer = std::function<std::string(const TagEntry&)>;

/// Display bytes in UTF-8: the upper half of the character set as Latin-1.
std::string DisplayUtf8(const std::string& bytes);

/// The display between bars, then "LEDs:", "Annunciator:" and "Wrote:"
/// lines.
std::string ViewText(const VirtualPanel& panel, const PanelView& view, const AddressNamer& name);

/// {"model", "lines", "cursor", "editing", "leds", "annunciator", "writes",
/// "registers"}; registers lists every tag list entry with its address,
/// role, type, access, bits and value (null for bits that are no value of
/// the type).
std::string ViewJson(const VirtualPanel& panel, const PanelView& view, const AddressNamer& name);

}  // namespace orvane::sim
