// A message line as the panel shows it, for the editor's preview: every
// character cell of the line, the digit positions of each data item filled
// with a sample value of its data type.
#pragma once

#include <cstdint>
#include <string>

namespace orvane {

class TOvMessage;

/// The sample a data item of the data type shows: a value one digit shorter
/// than the data type's largest, so leading zeros or blanks show in front
/// (123, 1234, 1234567, 123456789).
uint32_t PreviewSample(uint32_t dataType);

/// What the preview needs of a message besides its text.
struct PreviewItems {
  uint32_t dataType[3] = {0, 0, 0};
  bool leadingZeros[3] = {false, false, false};
};
PreviewItems PreviewItemsOf(const TOvMessage& message);

/// The line in width cells (20 on the text panels, 16 on the set point
/// panel): a folder with its "+" in front; each run of an item's digit
/// positions shows the item's sample right-aligned, its leading positions
/// as zeros with "Leading Zeroes" and blank without (a sample longer than
/// the run shows its last digits); the PLC-controlled decimal point as
/// "."; padded with blanks and cut to the width.
std::string PreviewLine(const std::string& modelText, bool isFolder, const PreviewItems& items,
                        int width);

}  // namespace orvane
