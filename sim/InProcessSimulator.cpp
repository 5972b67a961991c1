#include "sim/InProcessSimulator.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <stdexcept>

namespace orvane::sim {

struct InProcessSimulator::Shared {
  explicit Shared(std::unique_ptr<SimulatedDevice> device) : line(std::move(device)) {}

  struct Due {
    uint64_t at_ms = 0;
    uint8_t byte = 0;
  };

  mutable std::mutex mutex;
  DeviceLine line;
  std::deque<Due> input;  // bytes on their way to the program, in line order
  uint64_t now_ms = 0;
  bool portOpen = false;
  bool alive = true;  // false once the simulator is gone
  std::function<void(int)> commandHook;
  std::string openedName;
};

class InProcessSimulator::Port : public SerialPort {
 public:
  explicit Port(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {
    // What a port reports before anyone sets it.
    settings_.baud_rate = 9600;
    settings_.data_bits = 8;
  }
  ~Port() override { Close(); }

  bool Open(const std::string& name) override {
    if (shared_ == nullptr) {
      return false;
    }
    std::lock_guard<std::mutex> lock(shared_->mutex);
    if (open_ || !shared_->alive || shared_->portOpen || shared_->line.Unplugged()) {
      return false;
    }
    shared_->portOpen = true;
    shared_->openedName = name;
    // A freshly opened port starts with nothing in its receive buffer.
    shared_->input.clear();
    open_ = true;
    return true;
  }

  bool IsOpen() const override { return open_; }

  bool GetTimeouts(PortTimeouts& timeouts) override {
    timeouts = timeouts_;
    return open_;
  }

  bool SetTimeouts(const PortTimeouts& timeouts) override {
    if (!open_) {
      return false;
    }
    timeouts_ = timeouts;
    return true;
  }

  bool GetLineSettings(LineSettings& settings) override {
    settings = settings_;
    return open_;
  }

  bool SetLineSettings(const LineSettings& settings) override {
    if (!open_) {
      return false;
    }
    settings_ = settings;
    return true;
  }

  int ReadByte() override {
    if (!open_) {
      return -1;
    }
    std::lock_guard<std::mutex> lock(shared_->mutex);
    const uint64_t timeout_ms =
        uint64_t{timeouts_.read_total_multiplier_ms} + timeouts_.read_total_constant_ms;
    if (shared_->line.Unplugged()) {
      // The device has gone: what was on its way is lost, and every read
      // fails once its time-out has passed.
      shared_->input.clear();
    }
    if (!shared_->alive || shared_->input.empty() ||
        shared_->input.front().at_ms > shared_->now_ms + timeout_ms) {
      shared_->now_ms += timeout_ms;
      return -1;
    }
    const Shared::Due due = shared_->input.front();
    shared_->input.pop_front();
    shared_->now_ms = std::max(shared_->now_ms, due.at_ms);
    return due.byte;
  }

  bool Write(std::span<const uint8_t> bytes) override {
    if (!open_) {
      return false;
    }
    std::function<void(int)> hook;
    int first = 0;
    int last = 0;
    {
      std::lock_guard<std::mutex> lock(shared_->mutex);
      if (!shared_->alive || shared_->line.Unplugged()) {
        return false;
      }
      first = shared_->line.CommandCount() + 1;
      for (const Transmission& reply : shared_->line.Receive(bytes, settings_)) {
        // The line keeps the order of what was sent.
        uint64_t at_ms = shared_->now_ms + reply.delay_ms;
        if (!shared_->input.empty()) {
          at_ms = std::max(at_ms, shared_->input.back().at_ms);
        }
        for (const uint8_t byte : reply.bytes) {
          shared_->input.push_back({at_ms, byte});
        }
      }
      last = shared_->line.CommandCount();
      hook = shared_->commandHook;
    }
    // Outside the lock: the hook may look at the simulator.
    for (int command = first; hook && command <= last; ++command) {
      hook(command);
    }
    return true;
  }

  void Close() override {
    if (!open_) {
      return;
    }
    std::lock_guard<std::mutex> lock(shared_->mutex);
    open_ = false;
    shared_->portOpen = false;
  }

 private:
  std::shared_ptr<Shared> shared_;
  PortTimeouts timeouts_;
  LineSettings settings_;
  bool open_ = false;
};

InProcessSimulator::InProcessSimulator(std::unique_ptr<SimulatedDevice> device)
    : shared_(std::make_shared<Shared>(std::move(device))) {}

InProcessSimulator::~InProcessSimulator() {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  shared_->alive = false;
}

std::unique_ptr<SerialPort> InProcessSimulator::Connect() {
  return std::make_unique<Port>(shared_);
}

SerialPortFactory InProcessSimulator::PortFactory() {
  std::weak_ptr<Shared> weak = shared_;
  return [weak]() -> std::unique_ptr<SerialPort> {
    // Once the simulator is gone the port never opens.
    return std::make_unique<Port>(weak.lock());
  };
}

void InProcessSimulator::SetFaults(const FaultPlan& faults) {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  shared_->line.SetFaults(faults);
}

FaultPlan InProcessSimulator::Faults() const {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  return shared_->line.Faults();
}

void InProcessSimulator::SetBaudRate(int baud_rate) {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  shared_->line.SetBaudRate(baud_rate);
}

int InProcessSimulator::BaudRate() const {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  return shared_->line.BaudRate();
}

void InProcessSimulator::SetLog(DeviceLine::Log log) {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  shared_->line.SetLog(std::move(log));
}

void InProcessSimulator::SetCommandHook(std::function<void(int command)> hook) {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  shared_->commandHook = std::move(hook);
}

int InProcessSimulator::CommandCount() const {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  return shared_->line.CommandCount();
}

int InProcessSimulator::ReplyCount() const {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  return shared_->line.ReplyCount();
}

uint64_t InProcessSimulator::Elapsed_ms() const {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  return shared_->now_ms;
}

bool InProcessSimulator::PortIsOpen() const {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  return shared_->portOpen;
}

std::string InProcessSimulator::OpenedName() const {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  return shared_->openedName;
}

SimulatedDevice& InProcessSimulator::Device() {
  return shared_->line.Device();
}

SimulatedPanel& InProcessSimulator::Panel() {
  auto* panel = dynamic_cast<SimulatedPanel*>(&Device());
  if (panel == nullptr) {
    throw std::logic_error("the simulated device is not a panel");
  }
  return *panel;
}

SimulatedMultiplexer& InProcessSimulator::Multiplexer() {
  auto* multiplexer = dynamic_cast<SimulatedMultiplexer*>(&Device());
  if (multiplexer == nullptr) {
    throw std::logic_error("the simulated device is not a multiplexer");
  }
  return *multiplexer;
}

std::unique_ptr<InProcessSimulator> MakePanelSimulator(const PanelSettings& settings) {
  return std::make_unique<InProcessSimulator>(std::make_unique<SimulatedPanel>(settings));
}

std::unique_ptr<InProcessSimulator> MakeMultiplexerSimulator(
    const std::vector<std::pair<int, PanelSettings>>& panels, const MultiplexerSettings& settings) {
  auto multiplexer = std::make_unique<SimulatedMultiplexer>(settings);
  for (const auto& [port, panel] : panels) {
    multiplexer->AttachPanel(port, panel);
  }
  return std::make_unique<InProcessSimulator>(std::move(multiplexer));
}

}  // namespace orvane::sim
