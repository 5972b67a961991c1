// The named faults a simulated line can show, for tests of how the program
// copes with a bad line or a misbehaving device.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace orvane::sim {

/// Commands are counted from 1 in the order the device receives them (every
/// whole frame with a good CRC at the right line settings, whoever on a
/// multiplexer answers it, retries included). Replies are counted from 1 in
/// the order they go out on the line.
struct FaultPlan {
  /// Commands whose reply is not sent (the device still acts on them).
  std::set<int> dropReplyTo = {};
  /// Replies sent with a wrong CRC (the low CRC byte inverted).
  std::set<int> corruptCrcOf = {};
  /// Stray bytes (0x55) sent before a reply: before every reply, or only
  /// before reply strayReply when that is not 0.
  int strayBytes = 0;
  int strayReply = 0;
  /// Command code -> error code: every such command is refused with a
  /// standard reply carrying the error code, without being carried out.
  std::map<uint8_t, uint8_t> refuse = {};
  /// Command number -> error code: that one command is refused the same way,
  /// whatever it is.
  std::map<int, uint8_t> refuseCommand = {};
  /// When not 0: the device carries out and answers this many commands, then
  /// falls silent for good.
  int stopAfter = 0;
  /// Every reply leaves this long after the command has arrived.
  uint32_t delay_ms = 0;
  /// Commands answered with a reply code the program does not know (0x5A)
  /// in place of their reply (the device still acts on them).
  std::set<int> unknownCodeOn = {};
  /// When not 0: the line is cut as this command goes out (the device is
  /// unplugged): the device never gets it, and from then on the program's
  /// port fails every write and read and does not open again.
  int unplugAt = 0;

  bool operator==(const FaultPlan&) const = default;
};

/// The reply code used for unknown-code answers.
inline constexpr uint8_t kUnknownReplyCode = 0x5A;
/// The byte sent as a stray byte.
inline constexpr uint8_t kStrayByte = 0x55;

/// Parsers for the command-line forms; nothing on a malformed text.
/// "3" or "3,7,9": command or reply numbers (each at least 1).
std::optional<std::set<int>> ParseNumberList(const std::string& text);
/// "K" or "K@N": K stray bytes (1..1000), before every reply or reply N.
std::optional<std::pair<int, int>> ParseStrayBytes(const std::string& text);
/// "CODE:ERROR", each decimal or 0x-hexadecimal, 0..255: for example
/// "0xB5:6".
std::optional<std::pair<uint8_t, uint8_t>> ParseRefusal(const std::string& text);

/// One line per fault that is set, for logs and --help checks; empty when
/// none is.
std::string DescribeFaults(const FaultPlan& plan);

}  // namespace orvane::sim
