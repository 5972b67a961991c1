// The link a transfer opens for itself.
#pragma once

#include <memory>

#include "link/TOvXComm.h"

namespace orvane {

class TransferJob;

/// A link on the job's port name whose replies are made for the job's
/// project (message replies decoded for its current panel, PLC attribute
/// replies laid out by its system mode). Test IsOk before use.
std::unique_ptr<TOvXComm> OpenTransferLink(const TransferJob& job);

}  // namespace orvane
