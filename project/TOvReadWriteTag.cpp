#include "project/TOvReadWriteTag.h"

#include "base/StringTable.h"
#include "base/UserInterface.h"
#include "project/LineReader.h"
#include "project/LineWriter.h"
#include "project/TextNumbers.h"

namespace orvane {
namespace {

std::string NumberLine(int32_t value) {
  return std::to_string(value) + '\n';
}

}  // namespace

TOvReadWriteTag::TOvReadWriteTag(uint32_t kindMax) : maximum(kindMax), kindMaximum(kindMax) {}

void TOvReadWriteTag::Reset() {
  passwordProtected = false;
  fixedDecimalPoint = kNoDecimalPoint;
  limitsEnabled = false;
  maximum = kindMaximum;
  minimum = 0;
  variableDecimalPoint = false;
  passwordIsLocal = true;
  decimalPointRegister.Reset();
  accessType = kAccessReadWrite;
  TOvTag::Reset();
}

void TOvReadWriteTag::AppendOptionsTo(std::string& text) const {
  text += NumberLine(passwordProtected ? 1 : 0);
  if (passwordProtected) {
    text += NumberLine(passwordIsLocal ? 1 : 0);
  }
  text += NumberLine(variableDecimalPoint ? 1 : 0);
  if (variableDecimalPoint) {
    decimalPointRegister.AppendTo(text);
  } else {
    text += NumberLine(fixedDecimalPoint);
  }
  text += NumberLine(limitsEnabled ? 1 : 0);
  if (limitsEnabled) {
    text += NumberLine(static_cast<int32_t>(maximum));
    text += NumberLine(static_cast<int32_t>(minimum));
  }
  text += NumberLine(accessType);
}

void TOvReadWriteTag::AppendTo(std::string& text) const {
  AppendOptionsTo(text);
  AppendBaseTo(text);
}

void TOvReadWriteTag::Save(LineWriter& out) const {
  // The same lines as the text form: build them once.
  std::string options;
  AppendOptionsTo(options);
  while (!options.empty()) {
    out.Line(TakeLine(options));
  }
  SaveBase(out);
}

bool TOvReadWriteTag::TakeAccessType(int32_t value, UserInterface& ui) {
  if (value < kAccessReadWrite || value > kAccessWriteOnly) {
    ui.Show(LoadString(strings::kT007), Icon::Stop, "Error");
    return false;
  }
  accessType = value;
  return true;
}

bool TOvReadWriteTag::LoadFromText(std::string& text, UserInterface& ui) {
  passwordProtected = ParseInt32(TakeLine(text)) != 0;
  if (passwordProtected) {
    passwordIsLocal = ParseInt32(TakeLine(text)) != 0;
  }
  variableDecimalPoint = ParseInt32(TakeLine(text)) != 0;
  if (variableDecimalPoint) {
    if (!decimalPointRegister.LoadFromText(text, ui)) {
      return false;
    }
  } else {
    fixedDecimalPoint = static_cast<int16_t>(ParseInt32(TakeLine(text)));
  }
  limitsEnabled = ParseInt32(TakeLine(text)) != 0;
  if (limitsEnabled) {
    maximum = ParseUInt32(TakeLine(text));
    minimum = ParseUInt32(TakeLine(text));
  }
  if (!TakeAccessType(ParseInt32(TakeLine(text)), ui)) {
    return false;
  }
  LoadBaseFromText(text);
  return true;
}

bool TOvReadWriteTag::Load(LineReader& in, UserInterface& ui) {
  passwordProtected = in.NonZero();
  if (passwordProtected) {
    passwordIsLocal = in.NonZero();
  }
  variableDecimalPoint = in.NonZero();
  if (variableDecimalPoint) {
    if (!decimalPointRegister.Load(in, ui)) {
      return false;
    }
  } else {
    fixedDecimalPoint = static_cast<int16_t>(in.Int());
  }
  limitsEnabled = in.NonZero();
  if (limitsEnabled) {
    maximum = in.UInt();
    minimum = in.UInt();
  }
  if (!TakeAccessType(in.Int(), ui)) {
    return false;
  }
  LoadBase(in);
  return true;
}

std::string TOvReadWriteTag::AccessText() const {
  switch (accessType) {
    case kAccessReadWrite:
      return "R/W";
    case kAccessReadOnly:
      return "R";
    case kAccessWriteOnly:
      return "W";
    default:
      return {};
  }
}

bool TOvReadWriteTag::Equals(const TOvReadWriteTag& other) const {
  return TOvTag::Equals(other) && passwordProtected == other.passwordProtected &&
         fixedDecimalPoint == other.fixedDecimalPoint && limitsEnabled == other.limitsEnabled &&
         maximum == other.maximum && minimum == other.minimum &&
         variableDecimalPoint == other.variableDecimalPoint &&
         passwordIsLocal == other.passwordIsLocal && accessType == other.accessType &&
         decimalPointRegister.Equals(other.decimalPointRegister);
}

void TOvReadWriteTag::AttachTo(TOvProject* owner) {
  project = owner;
  decimalPointRegister.project = owner;
}

}  // namespace orvane
