#include "view/ParsedText.h"

#include <algorithm>

#include "project/TOvMessage.h"

namespace orvane {

std::vector<DisplayCell> DisplayOf(std::string_view modelText) {
  std::vector<DisplayCell> display;
  display.reserve(modelText.size());
  for (const char c : modelText) {
    switch (c) {
      case kItem1Marker:
        display.push_back({'1', TextColour::Red});
        break;
      case kItem2Marker:
        display.push_back({'2', TextColour::Blue});
        break;
      case kItem3Marker:
        display.push_back({'3', TextColour::Green});
        break;
      case kDecimalPointMarker:
        display.push_back({'.', TextColour::Red});
        break;
      default:
        display.push_back({c, TextColour::Black});
        break;
    }
  }
  return display;
}

std::string ModelOf(const std::vector<DisplayCell>& display) {
  std::string text;
  text.reserve(display.size());
  for (const DisplayCell& cell : display) {
    switch (cell.colour) {
      case TextColour::Red:
        text += cell.character == '1' ? kItem1Marker : kDecimalPointMarker;
        break;
      case TextColour::Blue:
        text += kItem2Marker;
        break;
      case TextColour::Green:
        text += kItem3Marker;
        break;
      case TextColour::Black:
        text += cell.character;
        break;
    }
  }
  return text;
}

char ItemMarker(int item) {
  switch (item) {
    case 1:
      return kItem1Marker;
    case 2:
      return kItem2Marker;
    default:
      return kItem3Marker;
  }
}

size_t ItemDigitCount(std::string_view modelText, int item) {
  return static_cast<size_t>(std::count(modelText.begin(), modelText.end(), ItemMarker(item)));
}

void PlaceDecimalPoint(std::string& modelText) {
  const bool had = modelText.find(kDecimalPointMarker) != std::string::npos;
  std::erase(modelText, kDecimalPointMarker);
  const size_t last = modelText.rfind(kItem1Marker);
  if (had && last != std::string::npos) {
    modelText.insert(last + 1, 1, kDecimalPointMarker);
  }
}

bool IsTypableCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x20 && byte != 0x7F && byte < static_cast<unsigned char>(kDecimalPointMarker);
}

void ParsedText::Load(std::string modelText, Limits limits) {
  limits_ = limits;
  if (!limits_.dataAllowed) {
    // A folder shows no data: what it held can no longer be edited.
    std::erase_if(modelText, [](char c) { return !IsTypableCharacter(c); });
  }
  if (modelText.size() > limits_.length) {
    modelText.resize(limits_.length);
  }
  PlaceDecimalPoint(modelText);
  text_ = std::move(modelText);
  caret_ = text_.size();
  undo_.clear();
  redo_.clear();
}

bool ParsedText::HasDecimalPoint() const {
  return text_.find(kDecimalPointMarker) != std::string::npos;
}

void ParsedText::Clip(size_t& from, size_t& to) const {
  from = std::min(from, text_.size());
  to = std::clamp(to, from, text_.size());
}

bool ParsedText::Commit(std::string text, size_t caret) {
  PlaceDecimalPoint(text);
  if (text == text_) {
    return false;
  }
  undo_.push_back({text_, caret_});
  redo_.clear();
  text_ = std::move(text);
  caret_ = std::min(caret, text_.size());
  return true;
}

bool ParsedText::TypeItem(int item, size_t from, size_t to) {
  Clip(from, to);
  if (!limits_.dataAllowed || item < 1 || item > 3 ||
      text_.size() - (to - from) >= limits_.length ||
      ItemDigitCount(text_, item) >= kMaxTypedDigits) {
    return false;
  }
  std::string text = text_;
  text.replace(from, to - from, 1, ItemMarker(item));
  return Commit(std::move(text), from + 1);
}

bool ParsedText::Type(std::string_view characters, size_t from, size_t to) {
  Clip(from, to);
  std::string typed;
  for (const char c : characters) {
    if (IsTypableCharacter(c)) {
      typed += c;
    }
  }
  const size_t room = limits_.length - std::min(limits_.length, text_.size() - (to - from));
  typed.resize(std::min(typed.size(), room));
  if (typed.empty()) {
    return false;
  }
  std::string text = text_;
  text.replace(from, to - from, typed);
  return Commit(std::move(text), from + typed.size());
}

bool ParsedText::Erase(size_t from, size_t to) {
  Clip(from, to);
  if (from == to) {
    return false;
  }
  std::string text = text_;
  text.erase(from, to - from);
  return Commit(std::move(text), from);
}

bool ParsedText::SetDecimalPoint(bool on) {
  if (on == HasDecimalPoint()) {
    return true;
  }
  std::string text = text_;
  if (!on) {
    std::erase(text, kDecimalPointMarker);
    const size_t caret = std::min(caret_, text.size());
    return Commit(std::move(text), caret);
  }
  const size_t last = text.rfind(kItem1Marker);
  if (text.size() >= limits_.length || last == std::string::npos) {
    return false;
  }
  text.insert(last + 1, 1, kDecimalPointMarker);
  return Commit(std::move(text), caret_ > last ? caret_ + 1 : caret_);
}

bool ParsedText::Replace(std::string modelText) {
  if (modelText.size() > limits_.length) {
    modelText.resize(limits_.length);
  }
  const size_t caret = modelText.size();
  return Commit(std::move(modelText), caret);
}

bool ParsedText::Undo() {
  if (undo_.empty()) {
    return false;
  }
  redo_.push_back({text_, caret_});
  text_ = std::move(undo_.back().text);
  caret_ = undo_.back().caret;
  undo_.pop_back();
  return true;
}

bool ParsedText::Redo() {
  if (redo_.empty()) {
    return false;
  }
  undo_.push_back({text_, caret_});
  text_ = std::move(redo_.back().text);
  caret_ = redo_.back().caret;
  redo_.pop_back();
  return true;
}

}  // namespace orvane
