#include "cli/Json.h"

#include <atomic>
#include <mutex>

namespace orvane::cli {
namespace {

std::atomic<bool> requested{false};
std::atomic<bool> printed{false};

struct NotedError {
  std::mutex mutex;
  std::string text;
  std::string details;
};

NotedError& Noted() {
  static NotedError noted;
  return noted;
}

}  // namespace

std::string JsonStringOrNull(const std::string& text) {
  return text.empty() ? "null" : JsonString(text);
}

void SetJsonRequested(bool value) {
  requested.store(value);
}

bool JsonRequested() {
  return requested.load();
}

void PrintJson(const std::string& object) {
  printed.store(true);
  std::fputs(object.c_str(), stdout);
  if (object.empty() || object.back() != '\n') {
    std::fputc('\n', stdout);
  }
  std::fflush(stdout);
}

bool JsonPrinted() {
  return printed.load();
}

void NoteError(const std::string& text, const std::string& details) {
  NotedError& noted = Noted();
  std::lock_guard<std::mutex> lock(noted.mutex);
  noted.text = text;
  noted.details = details;
}

std::string JsonFailure(const std::string& command, const std::string& error,
                        const std::string& details) {
  std::string text = error;
  std::string help = details;
  if (text.empty()) {
    NotedError& noted = Noted();
    std::lock_guard<std::mutex> lock(noted.mutex);
    text = noted.text;
    help = noted.details;
  }
  return "{\"command\": " + JsonString(command) +
         ", \"result\": \"failed\", \"error\": " + JsonStringOrNull(text) +
         ", \"details\": " + JsonStringOrNull(help) + "}\n";
}

}  // namespace orvane::cli
