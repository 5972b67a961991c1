#include "link/Trace.h"

#include <cstdio>
#include <mutex>

namespace orvane {
namespace {

constexpr int kBytesPerLine = 40;

struct TraceState {
  std::mutex mutex;
  std::FILE* file = nullptr;
  int column = 0;  // bytes written on the current line, 0..39
};

TraceState& State() {
  static TraceState state;
  return state;
}

// Caller holds the mutex.
void EndPendingLine(TraceState& state) {
  if (state.column != 0) {
    std::fputs("\n", state.file);
    state.column = 0;
  }
}

void CloseLocked(TraceState& state) {
  if (state.file != nullptr) {
    std::fclose(state.file);
    state.file = nullptr;
  }
  state.column = 0;
}

}  // namespace

bool OpenTrace(const std::string& file_name, const std::filesystem::path& directory) {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  CloseLocked(state);
  const std::filesystem::path path =
      directory.empty() ? std::filesystem::path(file_name) : directory / file_name;
  state.file = std::fopen(path.c_str(), "w");
  return state.file != nullptr;
}

void TraceNote(const std::string& text) {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  if (state.file == nullptr) {
    return;
  }
  EndPendingLine(state);
  std::fprintf(state.file, "-- %s\n", text.c_str());
}

void CloseTrace() {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  CloseLocked(state);
}

bool IsTraceOpen() {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  return state.file != nullptr;
}

void TraceHeader(const char* header) {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  if (state.file == nullptr) {
    return;
  }
  EndPendingLine(state);
  std::fputs(header, state.file);
}

void TraceByte(uint8_t byte) {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  if (state.file == nullptr) {
    return;
  }
  const char separator = state.column == kBytesPerLine - 1 ? '\n' : ' ';
  std::fprintf(state.file, "%02x%c", byte, separator);
  state.column = (state.column + 1) % kBytesPerLine;
}

}  // namespace orvane
