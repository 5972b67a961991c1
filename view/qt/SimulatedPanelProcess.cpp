#include "view/qt/SimulatedPanelProcess.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <system_error>

#include "base/PrivateFolder.h"

namespace orvane {
namespace {

QString PathText(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

}  // namespace

SimulatedPanelProcess::SimulatedPanelProcess(const std::filesystem::path& programFolder,
                                             const std::filesystem::path& stateFolder,
                                             QObject* parent)
    : QObject(parent),
      linkFolder_(MakePrivateFolder("orvane-sim-")),
      plan_(programFolder, linkFolder_, stateFolder),
      process_(this) {
  process_.setProgram(PathText(plan_.Program()));
  process_.setProcessChannelMode(QProcess::SeparateChannels);
  connect(&process_, &QProcess::finished, this, &SimulatedPanelProcess::Ended);
}

SimulatedPanelProcess::~SimulatedPanelProcess() {
  Stop();
  disconnect(&process_, nullptr, this, nullptr);
  if (!linkFolder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(linkFolder_, ignored);
  }
}

bool SimulatedPanelProcess::IsAvailable() const {
  const QFileInfo program(PathText(plan_.Program()));
  return !linkFolder_.empty() && program.isFile() && program.isExecutable();
}

bool SimulatedPanelProcess::IsRunning() const {
  return running_.has_value() && process_.state() == QProcess::Running;
}

QStringList SimulatedPanelProcess::ArgumentList(const SimulatedPanelSetup& setup) const {
  QStringList args;
  for (const std::string& arg : plan_.Arguments(setup)) {
    args << QString::fromStdString(arg);
  }
  return args;
}

std::optional<std::string> SimulatedPanelProcess::EnsureRunning(const SimulatedPanelSetup& setup,
                                                                std::string& error) {
  if (IsRunning() && !SimulatedPanelPlan::NeedsStart(running_, setup)) {
    return portPath_;
  }
  Stop();
  if (!IsAvailable()) {
    error = "The simulated panel is not available: " + plan_.Program().string() + " cannot be run.";
    return std::nullopt;
  }
  std::error_code made;
  std::filesystem::create_directories(plan_.StateFolder(), made);
  process_.setWorkingDirectory(PathText(plan_.StateFolder()));
  process_.setArguments(ArgumentList(setup));
  process_.start(QIODevice::ReadWrite);

  // The banner and the "Port:" line, read line by line: what follows them
  // stays in the pipe for whoever talks to the simulator later.
  const QDeadlineTimer deadline(kStartTimeout_ms);
  std::optional<std::string> port;
  if (process_.waitForStarted(kStartTimeout_ms)) {
    while (!port && process_.state() == QProcess::Running) {
      if (!process_.canReadLine() &&
          !process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        if (deadline.hasExpired() || process_.state() != QProcess::Running) {
          break;
        }
        continue;
      }
      while (!port && process_.canReadLine()) {
        port = SimulatedPanelPlan::PortFromLine(process_.readLine().toStdString());
      }
    }
  }
  if (!port) {
    const std::string said = process_.readAllStandardError().trimmed().toStdString();
    error = "The simulated panel did not start";
    error += said.empty() ? "." : ": " + said;
    Stop();
    return std::nullopt;
  }
  running_ = setup;
  portPath_ = *port;
  emit StateChanged();
  return portPath_;
}

void SimulatedPanelProcess::Stop() {
  if (process_.state() != QProcess::NotRunning) {
    stopping_ = true;
    process_.terminate();
    if (!process_.waitForFinished(kStopTimeout_ms)) {
      process_.kill();
      process_.waitForFinished(kStopTimeout_ms);
    }
    stopping_ = false;
  }
  const bool wasRunning = running_.has_value();
  running_.reset();
  portPath_.clear();
  if (wasRunning) {
    emit StateChanged();
  }
}

void SimulatedPanelProcess::Ended() {
  // Stop() tells of the end itself.
  if (stopping_ || !running_) {
    return;
  }
  running_.reset();
  portPath_.clear();
  emit StateChanged();
}

}  // namespace orvane
