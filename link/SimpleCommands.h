// The commands without a record: status, clear, restart, boot and exec,
// the attribute reads, and the multiplexer's port switch.
#pragma once

#include <cstdint>

#include "link/TOvXCmd.h"

namespace orvane {

/// Status identification; a panel answers with TOvStatusIdResp, a
/// multiplexer with TOvMuxStatusIdResp.
class TOvStatusIdCmd : public TOvNoPayloadCmd {
 public:
  TOvStatusIdCmd() : TOvNoPayloadCmd(protocol::kStatusId) {}
};

/// Clears the panel's memory; answered with TOvStdResp.
class TOvClrMemCmd : public TOvNoPayloadCmd {
 public:
  TOvClrMemCmd() : TOvNoPayloadCmd(protocol::kClearMemory) {}
};

/// Restarts the panel (into its loader before a firmware download, into the
/// new firmware after it); answered with TOvStdResp.
class TOvRestartCmd : public TOvNoPayloadCmd {
 public:
  TOvRestartCmd() : TOvNoPayloadCmd(protocol::kRestart) {}
};

/// Puts the multiplexer into its boot loader; answered with TOvStdResp.
class TOvExecBootCmd : public TOvNoPayloadCmd {
 public:
  TOvExecBootCmd() : TOvNoPayloadCmd(protocol::kExecBoot) {}
};

/// Starts the multiplexer's new firmware; answered with TOvStdResp.
class TOvExecExecCmd : public TOvNoPayloadCmd {
 public:
  TOvExecExecCmd() : TOvNoPayloadCmd(protocol::kExecExec) {}
};

/// Reads the system attribute record; answered with TOvSysAttrResp.
class TOvReadSysAttrCmd : public TOvNoPayloadCmd {
 public:
  TOvReadSysAttrCmd() : TOvNoPayloadCmd(protocol::kReadSystemAttributes) {}
};

/// Reads the PLC attribute block; answered with TOvPlcAttrResp.
class TOvReadPlcAttrCmd : public TOvNoPayloadCmd {
 public:
  TOvReadPlcAttrCmd() : TOvNoPayloadCmd(protocol::kReadPlcAttributes) {}
};

/// Routes the multiplexer: port 0 is the multiplexer itself, 1 to 5 the panel
/// on that port. Answered with TOvStdResp. L = 7.
class TOvSwitchPrtCmd : public TOvXCmd {
 public:
  explicit TOvSwitchPrtCmd(uint8_t port) : TOvXCmd(protocol::kSwitchPort), port_(port) {}

 protected:
  bool FillPayload(FrameBuffer frame) override;

 private:
  uint8_t port_ = 0;
};

}  // namespace orvane
