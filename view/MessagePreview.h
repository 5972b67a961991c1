// A message line as the panel shows it, for the editor's preview: every
// character cell of the line, the digit positions of each data item filled
// with a sample value of its data type.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane {

class TOvMessage;

/// The sample a run of positions of a data item of the data type shows:
/// "123..." one digit shorter than the data type's largest value and than
/// the run (at least one digit), so a leading zero or blank always shows in
/// front and no digit is cut (123, 1234, 1234567, 123456789 in a run long
/// enough).
std::string PreviewSample(uint32_t dataType, size_t positions);

/// What the preview needs of a message besides its text.
struct PreviewItems {
  uint32_t dataType[3] = {0, 0, 0};
  bool leadingZeros[3] = {false, false, false};
};
PreviewItems PreviewItemsOf(const TOvMessage& message);

/// The line in width cells (20 on the text panels, 16 on the set point
/// panel): a folder with its "+" in front; each run of an item's digit
/// positions shows the item's sample right-aligned, its leading positions
/// as zeros with "Leading Zeroes" and blank without; the PLC-controlled
/// decimal point as "."; padded with blanks and cut to the width.
std::string PreviewLine(const std::string& modelText, bool isFolder, const PreviewItems& items,
                        int width);

}  // namespace orvane
