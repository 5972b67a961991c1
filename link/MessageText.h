// A message text as the panel stores it: one data item code per digit
// position instead of the editor's marker bytes, and the wire message number
// under which a message is stored.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "project/TOvMessage.h"

namespace orvane {

/// Text bytes of a text panel message record.
inline constexpr size_t kMessageTextLength = 20;
/// The first message number argument that stands for "no renumbering".
inline constexpr int32_t kNoFirstMessageNumber = -1;
/// The password entry system message: its data item 1 always uses the wide
/// code range (ten digit positions).
inline constexpr int32_t kPasswordEntryMessage = 259;

/// The number a message is stored under in the panel. With a first message
/// number F (not -1) a number n >= F is a local message and goes out as
/// F - n + 256, so local message 256 lands on F, 255 on F + 1 and so on,
/// right after the PLC messages; every other number is kept. The mapping is
/// its own inverse: a wire number read back is mapped with the same call.
int32_t WireMessageNumber(int32_t number, int32_t firstMessageNumber);

/// The data item codes of one item: bottom to top, one per digit position.
struct DataItemCodes {
  uint8_t bottom = 0;
  uint8_t top = 0;
  size_t Capacity() const { return static_cast<size_t>(top - bottom) + 1; }
};

/// Item 1 to 3; wide for data types 2 and 3 (32-bit values), narrow
/// otherwise. Narrow: 128-132, 133-137, 138-142; wide: 144-153, 154-163,
/// 164-173. Code 143 is never used.
DataItemCodes CodesOfDataItem(int item, bool wide);

/// Whether data item 1 of the message uses the wide codes: a 32-bit data
/// type, or the password entry system message.
bool Item1UsesWideCodes(const TOvMessage& message);

/// The first data item (1 to 3) that has more digit positions in the text
/// than its code range holds, or 0 when every item fits. The editors never
/// let that happen; such a text cannot be encoded.
int OverfullDataItem(const TOvMessage& message);

/// The text that tells the user why a message cannot be sent: the item's
/// name and how many digit positions its data type allows on the panel.
std::string OverfullDataItemText(const TOvMessage& message);

/// The digit positions the message editor lets a data item of the data type
/// have: 5 for the 16-bit types, 8 for BCD 32, 10 for Binary 32.
size_t DataItemDigitLimit(uint32_t dataType);

/// The first data item (1 to 3) with more digit positions in the text than
/// its data type allows (DataItemDigitLimit), or 0 when every item keeps to
/// it. The editor refuses such a text; a hand-edited file can hold one.
int DataItemOverDigitLimit(const TOvMessage& message);

/// The message editor's text for that item: "Maximum %d  %s can be defined
/// with selected data type" with the limit and the item's name; empty when
/// every item keeps to its limit.
std::string DataItemDigitLimitText(const TOvMessage& message);

/// The 20 text bytes of a standard message record. A folder gets "+" in
/// front. Each marker of an item becomes one of the item's codes, counting
/// down from the top code at the last digit position; with a
/// PLC-controlled decimal point the first 0xFC becomes item 1's top code as
/// well (a text without 0xFC stays as it is). The result is cut to 20 bytes
/// or padded with spaces. Nothing when an item has more digit positions
/// than codes (OverfullDataItem), since the extra positions would take the
/// codes of another item.
std::optional<std::array<uint8_t, kMessageTextLength>> EncodeMessageText(const TOvMessage& message);

/// The model text of the text bytes of a message reply (at most the first
/// 20 are used): codes become markers again, and where an item 1 code
/// occurs twice the last item 1 digit becomes the decimal point marker
/// 0xFC, so the decimal point comes back right after item 1's digits. A
/// folder loses its first character (the "+"); trailing white space goes.
std::string DecodeMessageText(std::span<const uint8_t> bytes, bool isFolder);

}  // namespace orvane
