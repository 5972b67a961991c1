#include "tests/support/FakeSerialPort.h"

#include "link/FrameBuilder.h"

namespace orvane::testing {

class FakeSerialPort::Port : public SerialPort {
 public:
  explicit Port(FakeSerialPort& fake) : fake_(fake) {}

  bool Open(const std::string& name) override {
    fake_.openedName_ = name;
    if (fake_.failOpen_) {
      return false;
    }
    fake_.open_ = true;
    ++fake_.openCount_;
    return true;
  }

  bool IsOpen() const override { return fake_.open_; }

  bool GetTimeouts(PortTimeouts& timeouts) override {
    if (!fake_.open_ || fake_.failGetTimeouts_) {
      return false;
    }
    timeouts = fake_.timeouts_;
    return true;
  }

  bool SetTimeouts(const PortTimeouts& timeouts) override {
    if (!fake_.open_ || fake_.failSetTimeouts_) {
      return false;
    }
    fake_.timeouts_ = timeouts;
    ++fake_.setTimeoutsCount_;
    return true;
  }

  bool GetLineSettings(LineSettings& settings) override {
    if (!fake_.open_ || fake_.failGetLineSettings_) {
      return false;
    }
    settings = fake_.settings_;
    return true;
  }

  bool SetLineSettings(const LineSettings& settings) override {
    if (!fake_.open_ || fake_.failSetLineSettings_) {
      return false;
    }
    fake_.settings_ = settings;
    ++fake_.setLineSettingsCount_;
    return true;
  }

  int ReadByte() override {
    if (!fake_.open_ || fake_.input_.empty()) {
      ++fake_.timedOutReads_;
      return -1;
    }
    const uint8_t byte = fake_.input_.front();
    fake_.input_.pop_front();
    return byte;
  }

  void ExpectBytes(size_t count) override { fake_.expectedByteCounts_.push_back(count); }

  bool Write(std::span<const uint8_t> bytes) override {
    fake_.writes_.emplace_back(bytes.begin(), bytes.end());
    if (!fake_.open_ || fake_.failWrites_) {
      return false;
    }
    if (fake_.responder_) {
      fake_.Feed(fake_.responder_(bytes));
    }
    return true;
  }

  void Close() override {
    if (fake_.open_) {
      fake_.open_ = false;
      ++fake_.closeCount_;
    }
  }

 private:
  FakeSerialPort& fake_;
};

FakeSerialPort::FakeSerialPort() {
  // Something other than what the link sets, so tests see what it changes.
  settings_.baud_rate = 1200;
  settings_.data_bits = 7;
  settings_.parity = Parity::Even;
  settings_.parity_check = true;
  settings_.stop_bits = StopBits::Two;
  settings_.flow_control = FlowControl::Hardware;
}

void FakeSerialPort::Feed(std::span<const uint8_t> bytes) {
  input_.insert(input_.end(), bytes.begin(), bytes.end());
}

std::vector<uint8_t> FakeSerialPort::WrittenBytes() const {
  std::vector<uint8_t> all;
  for (const auto& write : writes_) {
    all.insert(all.end(), write.begin(), write.end());
  }
  return all;
}

std::unique_ptr<SerialPort> FakeSerialPort::Connect() {
  return std::make_unique<Port>(*this);
}

SerialPortFactory FakeSerialPort::Factory() {
  return [this] { return Connect(); };
}

std::vector<uint8_t> MakeReplyFrame(uint8_t code, std::span<const uint8_t> payload) {
  return BuildFrame(code, payload);
}

std::vector<uint8_t> MakeReplyFrame(uint8_t code, std::initializer_list<uint8_t> payload) {
  return MakeReplyFrame(code, std::span<const uint8_t>(payload.begin(), payload.size()));
}

}  // namespace orvane::testing
