// One message of a panel: a PLC message (shown when the PLC writes its
// number into a line register) or a local message of the tree the operator
// browses, with up to three embedded data items.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "project/TOvReadWriteTag.h"
#include "project/TOvTag.h"

namespace orvane {

class TOvPanel;

/// Marker bytes inside a message text that stand for the embedded data
/// items.
inline constexpr char kItem1Marker = static_cast<char>(0xFF);
inline constexpr char kItem2Marker = static_cast<char>(0xFE);
inline constexpr char kItem3Marker = static_cast<char>(0xFD);
/// Marks the position of data item 1's PLC-controlled decimal point.
inline constexpr char kDecimalPointMarker = static_cast<char>(0xFC);

class TOvMessage {
 public:
  TOvMessage() = default;
  explicit TOvMessage(TOvPanel* owner);

  int32_t number = 0;     // PLC: the number the PLC writes; local: 256 downwards
  int32_t isFolder = 0;   // local messages: a folder of the tree
  int16_t depth = 0;      // local messages: depth in the tree, 0 = top
  std::string text;       // 8-bit text with marker bytes
  TOvReadWriteTag item1;  // the set point value on the set point model
  TOvTag item2;           // read only
  TOvTag item3;           // read only
  int32_t isPlcMessage = 0;
  bool setPointValue = false;  // set point entries carry item 1 without marker
  /// Non-owning: the panel that holds this message. The panel re-points it
  /// when the panel is copied or moved and when it adopts messages.
  TOvPanel* panel = nullptr;
  std::array<bool, 3> leadingZeros{};  // items 1, 2 and 3

  bool HasMarker(char marker) const { return text.find(marker) != std::string::npos; }
  /// Item 1 is in use when its marker is in the text, on the set point
  /// model, or when setPointValue is set.
  bool Item1InUse() const;
  bool Item2InUse() const { return HasMarker(kItem2Marker); }
  bool Item3InUse() const { return HasMarker(kItem3Marker); }

  /// The text as messages compare it: white space trimmed at both ends.
  std::string_view ComparedText() const;

  /// Equal numbers, tree place, kind and flags, equal ComparedText(), and
  /// equal data items where in use.
  bool Equals(const TOvMessage& other) const;

  /// Resets the three data items (and item 1's decimal point register).
  void ResetAddresses();

  /// Makes owner the message's panel and points its addresses at the
  /// owner's project.
  void AttachTo(TOvPanel* owner);
};

}  // namespace orvane
