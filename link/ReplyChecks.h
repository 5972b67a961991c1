// How callers judge a reply: the acknowledge check for commands answered with
// TOvStdResp, and the expected-class check for reads.
#pragma once

#include <string>

#include "link/TOvXResp.h"

namespace orvane {

enum class ReplyVerdict {
  Accepted,    // the reply is what the caller waited for
  Refused,     // a TOvStdResp with a non-zero error code (or one in place of a read reply)
  LinkFailed,  // a TOvErrorResp: checksum, time-out or invalid length
  Unexpected,  // another reply class, or no reply object at all
};

/// The verdict and, unless the reply was accepted, the text to report.
/// Callers report a LinkFailed text always, and the other texts only while
/// the transfer has not been cancelled.
struct ReplyCheck {
  ReplyVerdict verdict = ReplyVerdict::Unexpected;
  std::string text;

  bool Ok() const { return verdict == ReplyVerdict::Accepted; }
};

/// For commands answered with TOvStdResp: accepted when the reply is a
/// TOvStdResp with code 0; a TOvStdResp with another code is refused with the
/// table text of its code; a TOvErrorResp fails with its own text; anything
/// else, or no reply, is unexpected with "Unknown Error".
ReplyCheck CheckAcknowledge(const TOvXResp* reply);

/// The report for a reply that is not the one a caller waited for: a
/// TOvErrorResp with its text, a TOvStdResp with the table text of its code
/// (even code 0, which reads "NoError"), anything else "Unknown Error".
ReplyCheck DescribeUnexpected(const TOvXResp* reply);

/// For reads: accepted when the reply is an Expected (or derived from it);
/// otherwise as DescribeUnexpected.
template <typename Expected>
ReplyCheck CheckReplyClass(const TOvXResp* reply) {
  if (dynamic_cast<const Expected*>(reply) != nullptr) {
    return ReplyCheck{ReplyVerdict::Accepted, {}};
  }
  return DescribeUnexpected(reply);
}

}  // namespace orvane
