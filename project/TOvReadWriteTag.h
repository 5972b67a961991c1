// Embedded data item 1 of a message: an address the operator may also
// change, with its password, decimal point, limits and access options.
#pragma once

#include <cstdint>
#include <string>

#include "project/TOvTag.h"

namespace orvane {

/// Access types of a data item.
inline constexpr int32_t kAccessReadWrite = 0;
inline constexpr int32_t kAccessReadOnly = 1;
inline constexpr int32_t kAccessWriteOnly = 2;

/// No fixed decimal point.
inline constexpr int16_t kNoDecimalPoint = -1;

class TOvReadWriteTag : public TOvTag {
 public:
  /// kindMaximum is the largest value of the item's data type on its panel;
  /// it is the default maximum and what Reset puts back.
  explicit TOvReadWriteTag(uint32_t kindMaximum = 9999u);

  bool passwordProtected = false;  // model 3 only
  int16_t fixedDecimalPoint = kNoDecimalPoint;
  bool limitsEnabled = false;
  uint32_t maximum = 9999u;
  uint32_t minimum = 0;
  TOvTag decimalPointRegister;  // used when variableDecimalPoint is set
  bool variableDecimalPoint = false;
  bool passwordIsLocal = true;  // the local password (true) or the PLC password register
  int32_t accessType = kAccessReadWrite;
  uint32_t kindMaximum = 9999u;

  void Reset() override;
  /// The option lines (password, decimal point, limits, access type)
  /// followed by the address's own text form.
  void AppendTo(std::string& text) const override;
  void Save(LineWriter& out) const override;
  /// An access type outside 0 to 2 shows T007 with the error icon and
  /// fails the load.
  bool LoadFromText(std::string& text, UserInterface& ui) override;
  bool Load(LineReader& in, UserInterface& ui) override;
  /// "R/W", "R" or "W" by access type.
  std::string AccessText() const override;

  using TOvTag::Equals;
  /// Equal addresses with equal options and equal decimal point registers.
  bool Equals(const TOvReadWriteTag& other) const;

  /// Points the item and its decimal point register at a project.
  void AttachTo(TOvProject* owner);

 private:
  void AppendOptionsTo(std::string& text) const;
  bool TakeAccessType(int32_t value, UserInterface& ui);
};

}  // namespace orvane
