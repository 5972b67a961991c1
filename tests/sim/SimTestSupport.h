// Helpers for the simulator's tests: a link on an in-process simulator,
// raw commands, block transfers as the program runs them, and records built
// byte by byte.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/ResponseFactory.h"
#include "link/TOvXCmd.h"
#include "link/TOvXComm.h"
#include "link/TOvXResp.h"
#include "sim/InProcessSimulator.h"

namespace orvane::sim::testing {

using Bytes = std::vector<uint8_t>;

/// A command with any code and payload: L = payload length + 6.
class RawCommand : public TOvXCmd {
 public:
  RawCommand(uint8_t code, Bytes payload) : TOvXCmd(code), payload_(std::move(payload)) {}

 protected:
  bool FillPayload(FrameBuffer frame) override;

 private:
  Bytes payload_;
};

/// Sets the process-wide baud rate setting for its lifetime.
class BaudRateScope {
 public:
  explicit BaudRateScope(int baud_rate);
  ~BaudRateScope();

 private:
  int saved_ = 0;
};

/// A link on an in-process simulator, opened at the given baud rate.
class SimLink {
 public:
  SimLink(InProcessSimulator& simulator, int baud_rate, ResponseContext context = {});

  TOvXComm& Link() { return *link_; }
  std::unique_ptr<TOvXResp> Send(TOvXCmd& command) { return link_->Transact(command); }
  /// The error code of a standard reply; -1 for any other reply or none.
  int Acknowledge(TOvXCmd& command);
  int Acknowledge(uint8_t code, Bytes payload);
  /// Sends a stream as the program does: a start block (phase 1, sequence 0,
  /// no data), data blocks of 50 bytes (sequence 1, 2, ...), an end block
  /// with the rest. Returns the first error code that is not 0 (-1 for a
  /// reply that is not a standard reply), or 0.
  int WriteBlocks(uint8_t code, const Bytes& stream);
  /// Reads a stream block by block until the last-block flag; nothing when a
  /// reply is not a block reply.
  std::optional<Bytes> ReadBlocks(uint8_t code);

 private:
  BaudRateScope baud_;
  std::unique_ptr<TOvXComm> link_;
};

/// A text panel's message record as written (frame bytes 5..47): number,
/// the text padded to 20 bytes, folder, depth, the item tag indices, then
/// the item 1 options and flags.
Bytes TextRecord(uint16_t number, const std::string& text, uint16_t tag1 = 0xFFFF,
                 uint16_t tag2 = 0xFFFF, uint16_t tag3 = 0xFFFF, uint8_t flags = 0);
/// A set point entry record as written (frame bytes 5..39).
Bytes SetPointRecord(uint16_t number, const std::string& text, uint16_t tag);
/// A blank record: the number, then 0xFF.
Bytes BlankRecord(uint16_t number, size_t record_size);
/// A system attribute record (frame bytes 5..35) with every field set.
Bytes SystemRecord();
/// A tag map stream: count (high byte first), address length, entries of
/// access, type code, word size and address bytes that differ per entry.
Bytes TagStream(uint16_t count, uint8_t address_length);
/// A PLC attribute block of s bytes beginning with its length s.
Bytes PlcBlock(size_t size);
/// The three encodings of a block (raised length, inner checksum).
Bytes SinglePanelPlcRecord(const Bytes& block);
Bytes MultiPanelPlcRecord(const Bytes& block);
Bytes MultiplexerPlcStream(const Bytes& block);

/// A stand-in image of the given kind.
Bytes StandInPanelDriver(uint8_t manufacturer, uint8_t model, char revision, size_t length);
Bytes StandInPanelFirmware(int panel_model, char letter, uint8_t number, size_t length);
Bytes StandInMultiplexerFirmware(char letter, uint8_t number, size_t length);

template <typename T>
const T* As(const std::unique_ptr<TOvXResp>& reply) {
  return dynamic_cast<const T*>(reply.get());
}

}  // namespace orvane::sim::testing
