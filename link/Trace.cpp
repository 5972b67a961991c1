#include "link/Trace.h"

#include <cstdio>
#include <mutex>

#include "base/AtomicFile.h"

namespace orvane {
namespace {

constexpr int kBytesPerLine = 40;
// Bytes gathered before they go to the file: a transfer traces one byte at
// a time.
constexpr size_t kFlushSize = 64 * 1024;

struct TraceState {
  std::mutex mutex;
  AtomicFileWriter file;
  // Open from OpenTrace to CloseTrace, also after a failed write (the
  // writer has then given up, and CloseTrace reports why).
  bool open = false;
  std::string pending;
  int column = 0;  // bytes written on the current line, 0..39
};

TraceState& State() {
  static TraceState state;
  return state;
}

// Caller holds the mutex. A failed write is kept by the writer and
// reported when the trace is closed.
void Put(TraceState& state, std::string_view text) {
  state.pending.append(text);
  if (state.pending.size() >= kFlushSize) {
    state.file.Write(state.pending);
    state.pending.clear();
  }
}

// Caller holds the mutex.
void EndPendingLine(TraceState& state) {
  if (state.column != 0) {
    Put(state, "\n");
    state.column = 0;
  }
}

bool CloseLocked(TraceState& state, std::string* error) {
  state.column = 0;
  if (!state.open) {
    return true;
  }
  state.open = false;
  const bool written = state.file.Write(state.pending) && state.file.Commit();
  state.pending.clear();
  if (!written && error != nullptr) {
    *error = state.file.Error();
  }
  return written;
}

}  // namespace

bool OpenTrace(const std::string& file_name, const std::filesystem::path& directory,
               std::string* error) {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  CloseLocked(state, nullptr);
  std::filesystem::path path =
      directory.empty() ? std::filesystem::path(file_name) : directory / file_name;
  // Put in place at the close, in the folder it was opened in even when the
  // current directory has changed since.
  std::error_code code;
  if (const std::filesystem::path absolute = std::filesystem::absolute(path, code); !code) {
    path = absolute;
  }
  if (!state.file.Open(path)) {
    if (error != nullptr) {
      *error = state.file.Error();
    }
    return false;
  }
  state.open = true;
  return true;
}

void TraceNote(const std::string& text) {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  if (!state.open) {
    return;
  }
  EndPendingLine(state);
  Put(state, "-- ");
  Put(state, text);
  Put(state, "\n");
}

bool CloseTrace(std::string* error) {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  return CloseLocked(state, error);
}

bool IsTraceOpen() {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  return state.open;
}

void TraceHeader(const char* header) {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  if (!state.open) {
    return;
  }
  EndPendingLine(state);
  Put(state, header);
}

void TraceByte(uint8_t byte) {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  if (!state.open) {
    return;
  }
  const char separator = state.column == kBytesPerLine - 1 ? '\n' : ' ';
  char text[4] = {};
  std::snprintf(text, sizeof text, "%02x%c", byte, separator);
  Put(state, std::string_view(text, 3));
  state.column = (state.column + 1) % kBytesPerLine;
}

}  // namespace orvane
