#include "link/TagStreamCollector.h"

#include "link/BlockReplies.h"
#include "link/TagMapStream.h"

namespace orvane {

size_t TagListLimit(int32_t systemMode, bool fullForm) {
  return systemMode == 1 && fullForm ? kMuxTagListLimit : kPanelTagListLimit;
}

bool TagStreamCollector::HeaderIsIn() const {
  return stream_.size() >= kTagStreamHeaderSize;
}

size_t TagStreamCollector::Count() const {
  return HeaderIsIn() ? static_cast<size_t>(stream_[0]) << 8 | stream_[1] : 0;
}

uint8_t TagStreamCollector::AddressLength() const {
  return HeaderIsIn() ? stream_[2] : 0;
}

TagStreamCollector::Status TagStreamCollector::Add(std::span<const uint8_t> data, bool lastBlock) {
  if (status_ != Status::Collecting) {
    return status_;
  }
  stream_.insert(stream_.end(), data.begin(), data.end());
  if (HeaderIsIn()) {
    const size_t entries =
        (stream_.size() - kTagStreamHeaderSize) / (kTagEntryPrefixSize + AddressLength());
    if (Count() > limit_ || entries > limit_) {
      status_ = Status::TooMany;
      return status_;
    }
  }
  if (lastBlock) {
    status_ = HeaderIsIn() ? Status::Complete : Status::Truncated;
  }
  return status_;
}

TagStreamCollector::Status TagStreamCollector::Add(const TOvBlockResp& reply) {
  return Add(reply.Data(), reply.IsLastBlock());
}

}  // namespace orvane
