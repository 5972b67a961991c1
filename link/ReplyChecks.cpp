#include "link/ReplyChecks.h"

#include "base/StringTable.h"
#include "link/StandardReplies.h"

namespace orvane {

ReplyCheck DescribeUnexpected(const TOvXResp* reply) {
  if (const auto* error = dynamic_cast<const TOvErrorResp*>(reply); error != nullptr) {
    return ReplyCheck{ReplyVerdict::LinkFailed, error->GetText()};
  }
  if (const auto* standard = dynamic_cast<const TOvStdResp*>(reply); standard != nullptr) {
    return ReplyCheck{ReplyVerdict::Refused, ErrorCodeText(standard->ErrorCode())};
  }
  return ReplyCheck{ReplyVerdict::Unexpected, LoadString(strings::kUnknownError)};
}

ReplyCheck CheckAcknowledge(const TOvXResp* reply) {
  if (const auto* standard = dynamic_cast<const TOvStdResp*>(reply);
      standard != nullptr && standard->ErrorCode() == 0) {
    return ReplyCheck{ReplyVerdict::Accepted, {}};
  }
  return DescribeUnexpected(reply);
}

}  // namespace orvane
