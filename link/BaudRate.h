// The process-wide baud rate setting of the panel link.
#pragma once

namespace orvane {

inline constexpr int kSinglePanelBaudRate = 9600;   // a panel on the PC's port
inline constexpr int kMultiplexerBaudRate = 38400;  // a multiplexer on the PC's port

/// The baud rate the next link (or the next ApplySettings) puts the line to.
/// Starts at 9600. Safe to read and set from any thread.
int BaudRateSetting();

/// Callers set 38400 before talking to a multiplexer and 9600 before talking
/// to a single panel.
void SetBaudRateSetting(int baud_rate);

}  // namespace orvane
