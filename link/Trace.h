// The trace file of the panel link: every byte sent and received, in hex,
// with headers for each direction and notes from the transfer sequences.
//
// Format (text):
//   "I said:\n" before each command frame, "Panel said:\n" before each reply;
//   every byte as two lower-case hex digits and a space, except that the 40th
//   byte of a line ends with "\n" instead; "-- <text>\n" for a note.
//   Headers and notes always start on a fresh line: a line left open by
//   bytes is ended with "\n" first.
// Sent bytes are traced before the write, received bytes as they arrive.
//
// One trace file serves the whole process. Every operation is guarded, so
// the worker thread may trace while another thread opens or closes the file;
// with no file open every operation does nothing.
//
// The trace grows in a hidden temporary file beside its name and replaces
// the file of that name when it is closed, so that a trace that cannot be
// written in full (a full disk) leaves the previous one as it was and says
// so, rather than stopping part-way without a word.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace orvane {

/// Closes any open trace, then starts directory/file_name. An empty
/// directory means the current directory of the process (callers pass
/// "Write.txt" or "Read.txt" there by default). false, with error (when
/// given) naming the file and the reason, when it cannot be created; the
/// link then works without a trace.
bool OpenTrace(const std::string& file_name, const std::filesystem::path& directory = {},
               std::string* error = nullptr);

/// Writes "-- <text>\n" on a fresh line.
void TraceNote(const std::string& text);

/// Closes the trace file and puts it in place. false, with error (when
/// given) naming the file and the reason, when some of it could not be
/// written; the previous file of that name is then kept. true when no trace
/// was open.
bool CloseTrace(std::string* error = nullptr);

bool IsTraceOpen();

// Used by the link.
/// Starts a fresh line and writes the header as it is ("I said:\n").
void TraceHeader(const char* header);
/// Writes one byte in the hex column layout.
void TraceByte(uint8_t byte);

}  // namespace orvane
