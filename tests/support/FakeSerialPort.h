// A scriptable serial port for tests: the test feeds the bytes the line
// delivers (or answers each write through a responder), reads back what was
// written, and makes any step fail. Reads never wait: with no byte queued a
// read times out at once.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "link/SerialPort.h"

namespace orvane::testing {

class FakeSerialPort {
 public:
  /// Answers one written frame with the bytes the line delivers next.
  using Responder = std::function<std::vector<uint8_t>(std::span<const uint8_t> written)>;

  FakeSerialPort();

  // Script.
  /// Queues bytes the line delivers, after those already queued.
  void Feed(std::span<const uint8_t> bytes);
  void Feed(std::initializer_list<uint8_t> bytes) {
    Feed(std::span<const uint8_t>(bytes.begin(), bytes.size()));
  }
  /// Called for every write that succeeds; its answer is queued.
  void SetResponder(Responder responder) { responder_ = std::move(responder); }
  void FailOpen(bool fail) { failOpen_ = fail; }
  void FailWrites(bool fail) { failWrites_ = fail; }
  void FailSetTimeouts(bool fail) { failSetTimeouts_ = fail; }
  void FailGetTimeouts(bool fail) { failGetTimeouts_ = fail; }
  void FailGetLineSettings(bool fail) { failGetLineSettings_ = fail; }
  void FailSetLineSettings(bool fail) { failSetLineSettings_ = fail; }
  /// The settings the port reports before anyone sets them.
  void SetReportedSettings(const LineSettings& settings) { settings_ = settings; }

  // What happened.
  bool IsOpen() const { return open_; }
  const std::string& OpenedName() const { return openedName_; }
  int OpenCount() const { return openCount_; }
  int CloseCount() const { return closeCount_; }
  /// Every write call (failed ones included), in order.
  const std::vector<std::vector<uint8_t>>& Writes() const { return writes_; }
  /// All bytes of all writes, in order.
  std::vector<uint8_t> WrittenBytes() const;
  const PortTimeouts& Timeouts() const { return timeouts_; }
  const LineSettings& Settings() const { return settings_; }
  int SetTimeoutsCount() const { return setTimeoutsCount_; }
  int SetLineSettingsCount() const { return setLineSettingsCount_; }
  /// Reads that found no byte.
  int TimedOutReads() const { return timedOutReads_; }
  size_t PendingBytes() const { return input_.size(); }
  /// Every ExpectBytes call, in order.
  const std::vector<size_t>& ExpectedByteCounts() const { return expectedByteCounts_; }

  /// A port object driven by this fake, to hand to a link.
  std::unique_ptr<SerialPort> Connect();
  /// A factory that hands out ports driven by this fake.
  SerialPortFactory Factory();

 private:
  class Port;

  std::deque<uint8_t> input_;
  Responder responder_;
  std::vector<std::vector<uint8_t>> writes_;
  std::vector<size_t> expectedByteCounts_;
  PortTimeouts timeouts_;
  LineSettings settings_;
  std::string openedName_;
  bool open_ = false;
  bool failOpen_ = false;
  bool failWrites_ = false;
  bool failSetTimeouts_ = false;
  bool failGetTimeouts_ = false;
  bool failGetLineSettings_ = false;
  bool failSetLineSettings_ = false;
  int openCount_ = 0;
  int closeCount_ = 0;
  int setTimeoutsCount_ = 0;
  int setLineSettingsCount_ = 0;
  int timedOutReads_ = 0;
};

/// A reply frame with the given payload: AA, L, 10, 01, code, payload, CRC
/// (BuildFrame).
std::vector<uint8_t> MakeReplyFrame(uint8_t code, std::span<const uint8_t> payload);
std::vector<uint8_t> MakeReplyFrame(uint8_t code, std::initializer_list<uint8_t> payload);

}  // namespace orvane::testing
