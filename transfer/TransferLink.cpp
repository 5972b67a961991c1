#include "transfer/TransferLink.h"

#include "transfer/TransferJob.h"

namespace orvane {

std::unique_ptr<TOvXComm> OpenTransferLink(const TransferJob& job) {
  ResponseContext context;
  context.project = job.Project();
  return std::make_unique<TOvXComm>(job.PortName(), context);
}

}  // namespace orvane
