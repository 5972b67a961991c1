#include "transfer/TransferJob.h"

#include <utility>

namespace orvane {

TransferJob::TransferJob(int32_t operation, TOvProject* project, std::string filePath)
    : operation_(operation), project_(project), filePath_(std::move(filePath)) {}

void TransferJob::SetPortName(std::string portName) {
  std::lock_guard<std::mutex> lock(mutex_);
  portName_ = std::move(portName);
}

std::string TransferJob::PortName() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return portName_;
}

void TransferJob::SetSink(TransferSink* sink) {
  std::lock_guard<std::mutex> lock(mutex_);
  sink_ = sink;
}

int32_t TransferJob::PanelType() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return panelType_;
}

void TransferJob::SetPanelType(int32_t panelType) {
  std::lock_guard<std::mutex> lock(mutex_);
  panelType_ = panelType;
}

int32_t TransferJob::Port() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return port_;
}

void TransferJob::SetPort(int32_t port) {
  std::lock_guard<std::mutex> lock(mutex_);
  port_ = port;
}

int32_t TransferJob::Stage() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return stage_;
}

void TransferJob::SetStage(int32_t stage) {
  std::lock_guard<std::mutex> lock(mutex_);
  stage_ = stage;
}

int32_t TransferJob::Percent() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return percent_;
}

void TransferJob::SetPercent(int32_t percent) {
  std::lock_guard<std::mutex> lock(mutex_);
  percent_ = percent;
}

std::string TransferJob::Text() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return text_;
}

void TransferJob::SetText(std::string text) {
  std::lock_guard<std::mutex> lock(mutex_);
  text_ = std::move(text);
}

void TransferJob::RequestCancel() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (operating_) {
    cancel_.store(true);
  }
}

void TransferJob::BeginOperation() {
  std::lock_guard<std::mutex> lock(mutex_);
  operating_ = true;
}

void TransferJob::EndOperation() {
  std::lock_guard<std::mutex> lock(mutex_);
  operating_ = false;
}

std::string TransferJob::Details() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return details_;
}

void TransferJob::SetDetails(std::string details) {
  std::lock_guard<std::mutex> lock(mutex_);
  details_ = std::move(details);
}

TransferJobState TransferJob::Snapshot() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return TransferJobState{panelType_, port_,    operation_,    stage_,      percent_,
                          text_,      details_, IsCancelled(), IsFinished()};
}

void TransferJob::Post(TransferNotice notice) {
  TransferSink* sink = nullptr;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    sink = sink_;
  }
  if (sink != nullptr) {
    // The sink is called outside the lock: it may read the job itself.
    sink->Post(TransferNotification{notice, Snapshot()});
  }
}

}  // namespace orvane
