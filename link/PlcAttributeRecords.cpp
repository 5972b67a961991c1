#include "link/PlcAttributeRecords.h"

#include <algorithm>
#include <string>
#include <vector>

#include "link/Crc16.h"
#include "project/TOvPlcInfo.h"

namespace orvane {
namespace {

// The block starts with its own 16-bit length.
constexpr size_t kLengthFieldSize = 2;
constexpr size_t kMaxStreamBlock = 0xFFFF - kLengthFieldSize;
constexpr const char* kBuildFailed = "Error in building the PLC attributes: ";

EncodedStream Refused(std::string reason) {
  return EncodedStream{{}, kBuildFailed + std::move(reason)};
}

}  // namespace

EncodedStream EncodePlcAttributes(std::span<const unsigned char> block, PlcAttributeForm form) {
  const size_t size = block.size();
  if (size < kLengthFieldSize) {
    return Refused("the project holds no PLC communication attribute block");
  }
  const size_t limit =
      form == PlcAttributeForm::MuxStream ? kMaxStreamBlock : kMaxFramedPlcAttributeBlock;
  if (size > limit) {
    return Refused("the PLC communication attribute block of " + std::to_string(size) +
                   " bytes is too long to send");
  }
  std::vector<uint8_t> raised(block.begin(), block.end());
  const size_t raisedLength = size + kLengthFieldSize;
  raised[0] = static_cast<uint8_t>(raisedLength & 0xFF);
  raised[1] = static_cast<uint8_t>(raisedLength >> 8);
  const uint16_t checksum = CalcCrc16(raised);
  const auto high = static_cast<uint8_t>(checksum >> 8);
  const auto low = static_cast<uint8_t>(checksum & 0xFF);

  EncodedStream result;
  result.bytes.reserve(raisedLength);
  switch (form) {
    case PlcAttributeForm::SinglePanel:
      result.bytes = std::move(raised);
      result.bytes.insert(result.bytes.end(), {high, low});
      break;
    case PlcAttributeForm::MultiPanel:
      result.bytes = {raised[0], raised[1], low, high};
      result.bytes.insert(result.bytes.end(), raised.begin() + kLengthFieldSize, raised.end());
      break;
    case PlcAttributeForm::MuxStream:
      result.bytes = std::move(raised);
      result.bytes.insert(result.bytes.end(), {low, high});
      break;
  }
  return result;
}

EncodedStream EncodePlcAttributes(const TOvPlcInfo& plc, PlcAttributeForm form) {
  return EncodePlcAttributes(plc.AttributeBlock(), form);
}

TOvPlcAttrBlockCmd::TOvPlcAttrBlockCmd(const TOvPlcInfo& plc, PlcAttributeForm form)
    : TOvXCmd(protocol::kWritePlcAttributes), plc_(plc), form_(form) {}

bool TOvPlcAttrBlockCmd::FillPayload(FrameBuffer frame) {
  const EncodedStream payload = EncodePlcAttributes(plc_, form_);
  if (!payload.Ok()) {
    return false;
  }
  // S + 2 payload bytes after the five header bytes, then the CRC: L = S + 8.
  frame[protocol::kLengthOffset] = static_cast<uint8_t>(payload.bytes.size() + 6);
  std::copy(payload.bytes.begin(), payload.bytes.end(), frame.begin() + protocol::kPayloadOffset);
  return true;
}

}  // namespace orvane
