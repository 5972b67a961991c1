// Captures what Corvel hands to its message sink, for tests that link it.
#pragma once

#include <string>
#include <vector>

#include "corvel/CorvelCombo.h"
#include "corvel/CorvelExports.h"

namespace orvane::testing {

struct SunkMessage {
  std::string text;
  unsigned style = 0;
  unsigned helpId = 0;
};

/// Installs itself as Corvel's sink for its lifetime.
class SinkCapture {
 public:
  SinkCapture() { CorvelSetMessageSink(&Receive, this); }
  ~SinkCapture() { CorvelSetMessageSink(nullptr, nullptr); }
  SinkCapture(const SinkCapture&) = delete;
  SinkCapture& operator=(const SinkCapture&) = delete;

  std::vector<SunkMessage> messages;

  /// The texts received, and forgets them.
  std::vector<std::string> TakeTexts() {
    std::vector<std::string> texts;
    for (const SunkMessage& message : messages) {
      texts.push_back(message.text);
    }
    messages.clear();
    return texts;
  }

 private:
  static int Receive(const char* text, unsigned style, unsigned helpId, void* context) {
    static_cast<SinkCapture*>(context)->messages.push_back(SunkMessage{text, style, helpId});
    return 7;  // an answer no default would give, to see it passed back
  }
};

/// A list control in memory that behaves like the one Corvel was made for.
class FakeCombo : public CCorvelCombo {
 public:
  int AddString(const char* text) override {
    entries.emplace_back(text);
    return static_cast<int>(entries.size()) - 1;
  }
  void ResetContent() override {
    entries.clear();
    selected = kError;
  }
  int SelectString(const char* text) override {
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i] == text) {
        selected = static_cast<int>(i);
        return selected;
      }
    }
    return kError;
  }
  int SetCurSel(int index) override {
    if (index < 0 || index >= GetCount()) {
      return kError;
    }
    selected = index;
    return index;
  }
  int GetCurSel() const override { return selected; }
  std::string GetLBText(int index) const override {
    return index >= 0 && index < GetCount() ? entries[static_cast<size_t>(index)] : "";
  }
  int GetCount() const override { return static_cast<int>(entries.size()); }

  std::vector<std::string> entries;
  int selected = kError;
};

}  // namespace orvane::testing
