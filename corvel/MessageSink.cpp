#include "corvel/MessageSink.h"

#include <cstdio>
#include <mutex>

#include "corvel/CorvelExports.h"

namespace corvel {
namespace {

// Without a host the text goes to standard error, so a process without a
// desktop never blocks on a dialog.
int StandardErrorSink(const char* text, unsigned /*style*/, unsigned /*helpId*/,
                      void* /*context*/) {
  std::fprintf(stderr, "%s\n", text);
  std::fflush(stderr);
  return CORVEL_IDOK;
}

struct SinkState {
  std::mutex mutex;
  CorvelMessageSink sink = &StandardErrorSink;
  void* context = nullptr;
};

SinkState& State() {
  static SinkState state;
  return state;
}

}  // namespace

int DeliverMessage(const char* text, unsigned style, unsigned helpId) {
  CorvelMessageSink sink = nullptr;
  void* context = nullptr;
  {
    std::lock_guard<std::mutex> lock(State().mutex);
    sink = State().sink;
    context = State().context;
  }
  // Called outside the lock: a sink may show a modal dialog for a long time.
  return sink(text != nullptr ? text : "", style, helpId, context);
}

}  // namespace corvel

extern "C" CORVEL_API void CorvelSetMessageSink(CorvelMessageSink sink, void* context) {
  std::lock_guard<std::mutex> lock(corvel::State().mutex);
  corvel::State().sink = sink != nullptr ? sink : &corvel::StandardErrorSink;
  corvel::State().context = sink != nullptr ? context : nullptr;
}
