// Reads every field of a reply, so the fuzzers reach all decoding.
#pragma once

#include <cstddef>
#include <cstdint>

#include "link/AttributeReplies.h"
#include "link/BlockReplies.h"
#include "link/ReplyChecks.h"
#include "link/StandardReplies.h"
#include "link/StatusReplies.h"
#include "link/TOvMsgResp.h"

namespace orvane::fuzzing {

inline size_t Inspect(const TOvXResp* reply) {
  size_t sum = CheckAcknowledge(reply).text.size() + CheckReplyClass<TOvTagResp>(reply).text.size();
  if (reply == nullptr) {
    return sum;
  }
  sum += reply->StartByte() + reply->LengthByte() + reply->MessageCode();
  if (const auto* r = dynamic_cast<const TOvStdResp*>(reply)) {
    sum += r->Byte5() + static_cast<size_t>(r->ErrorCode());
  } else if (const auto* r = dynamic_cast<const TOvErrorResp*>(reply)) {
    sum += r->GetText().size();
  } else if (const auto* r = dynamic_cast<const TOvStatusIdResp*>(reply)) {
    sum += static_cast<size_t>(r->PanelModel()) + r->FirmwareRevisionText().size() +
           r->MemoryText().size() + r->DriverRevisionText().size() + r->HasDriver();
  } else if (const auto* r = dynamic_cast<const TOvMuxStatusIdResp*>(reply)) {
    sum += static_cast<size_t>(r->DeviceModel()) + r->FirmwareRevisionText().size() +
           r->MemoryText().size() + r->DriverRevisionText().size() + r->Value10();
  } else if (const auto* r = dynamic_cast<const TOvBlockResp*>(reply)) {
    for (const uint8_t byte : r->Data()) {
      sum += byte;
    }
    sum += r->IsLastBlock();
  } else if (const auto* r = dynamic_cast<const TOvSysAttrResp*>(reply)) {
    sum += r->ButtonWordTag() + r->LedWordTag() + r->AnnunciatorWordTag() + r->KeyLedWord() +
           r->PasswordRegisterTag() + r->LocalPassword() + r->FirstMessageNumber() +
           r->OptionFlags();
    for (int i = 0; i < TOvSysAttrResp::kLineRegisterCount; ++i) {
      sum += r->LineRegisterTag(i);
    }
    for (int i = 0; i < TOvSysAttrResp::kButtonCount; ++i) {
      sum += r->ButtonAction(i);
    }
  } else if (const auto* r = dynamic_cast<const TOvPlcAttrResp*>(reply)) {
    for (const uint8_t byte : r->Block()) {
      sum += byte;
    }
  } else if (const auto* r = dynamic_cast<const TOvMsgResp*>(reply)) {
    sum += r->WireNumber() + r->Record().size() + r->HasMessage() + r->IsDecoded();
    const TOvMessage& m = r->Message();
    sum += static_cast<size_t>(m.number) + m.text.size() + static_cast<size_t>(m.isFolder) +
           static_cast<size_t>(m.depth) + static_cast<size_t>(m.item1.tagIndex) +
           static_cast<size_t>(m.item2.tagIndex) + static_cast<size_t>(m.item3.tagIndex) +
           m.item1.maximum + m.item1.minimum + static_cast<size_t>(m.item1.accessType) +
           static_cast<size_t>(m.item1.fixedDecimalPoint) +
           static_cast<size_t>(m.item1.decimalPointRegister.tagIndex) +
           m.item1.variableDecimalPoint + m.item1.passwordProtected + m.item1.passwordIsLocal +
           m.item1.limitsEnabled + m.leadingZeros[2];
    for (const char c : m.text) {
      sum += static_cast<uint8_t>(c);
    }
  }
  return sum;
}

}  // namespace orvane::fuzzing
