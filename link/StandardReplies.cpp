#include "link/StandardReplies.h"

#include <map>

#include "base/StringTable.h"

namespace orvane {
namespace {

const std::map<int, std::string>& ErrorTexts() {
  static const std::map<int, std::string> texts = {
      {0, "NoError"},
      {1, "Error C008: Checksum error"},
      {2,
       "Error C009: Time out Error.\n\nMake sure Panel is in Setup Mode.\nTo enter Setup Mode, "
       "press the up and down arrow keys\nsimultaneously."},
      {3, "Error C010: Invalid Message Code"},
      {4, "Error C011: Start Load Not Requested"},
      {5, "Error C012: Start Dump Not Requested"},
      {6, "Error C013: Insufficient space in Text Panel"},
      {7, "Error C014: Invalid Message Number"},
      {8, "Error C015: Invalid Message Length"},
      {9, "Error C016: The firmware being loaded into the panel does not match the panel type"},
      {10, "Error C017: E2 Memory failed to program correctly"},
      {11, "Error C018: Invalid Load Format"},
      {12, "Error C019: Invalid LED control"},
      {13, "Error C020: Option Not included"},
      {14, "Error C021: Memory is Read Only"},
      {21, "Error C022: Invalid with Random PLC loaded"},
      {22, "Error C023: Invalid with Random/standard format"},
      {24, "Error C024: Invalid Byte in the data fields of Command"},
      {25, "Error C007: Invalid Length in Reply"},
  };
  return texts;
}

}  // namespace

std::string ErrorCodeText(int code) {
  const auto& texts = ErrorTexts();
  if (const auto found = texts.find(code); found != texts.end()) {
    return found->second;
  }
  return LoadString(strings::kUnknownError);
}

TOvStdResp::TOvStdResp(std::span<const uint8_t> frame) {
  Parse(frame);
  byte5_ = ByteAt(frame, 5);
  errorCode_ = ByteAt(frame, 6);
}

bool TOvStdResp::Fits(std::span<const uint8_t> frame) {
  return Carries(frame, 6);
}

}  // namespace orvane
