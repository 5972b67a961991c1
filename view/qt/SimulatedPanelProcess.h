// The simulated panel of the desktop program: orvane-panelsim run as a
// child process, configured like the project's panels, kept running while
// the program runs and started afresh when the device it must stand in for
// changes. What it is started with is decided by SimulatedPanelPlan.
//
// Its standard input and output stay open pipes: the program reads the
// simulator's banner and its "Port:" line and nothing after them, so that
// whatever the simulator writes later is there, unread, for a window that
// attaches to Process().
#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

#include "view/SimulatedPanelPlan.h"

namespace orvane {

class SimulatedPanelProcess final : public QObject {
  Q_OBJECT

 public:
  /// programFolder: where orvane-panelsim is; stateFolder: where the state
  /// files go (made when needed). The link goes into a folder of its own,
  /// private to this user, made now and removed with this object.
  SimulatedPanelProcess(const std::filesystem::path& programFolder,
                        const std::filesystem::path& stateFolder, QObject* parent = nullptr);
  /// Stops the simulator (it saves its state as it ends).
  ~SimulatedPanelProcess() override;

  /// The simulator's program is there and can be run.
  bool IsAvailable() const;
  /// It runs and has said where its port is.
  bool IsRunning() const;
  /// The device it stands in for while it runs.
  const std::optional<SimulatedPanelSetup>& Running() const { return running_; }
  /// The port to open while it runs (its link).
  const std::string& PortPath() const { return portPath_; }
  const SimulatedPanelPlan& Plan() const { return plan_; }

  /// The simulator's command line for the setup.
  QStringList ArgumentList(const SimulatedPanelSetup& setup) const;
  /// The process itself, for a window that talks to the simulator on its
  /// standard input and output.
  QProcess* Process() { return &process_; }

  /// Makes it run for the setup: started when none runs, restarted when it
  /// stands in for another device, left alone otherwise. Waits until it has
  /// said where its port is. The port path, or nothing with the reason in
  /// error.
  std::optional<std::string> EnsureRunning(const SimulatedPanelSetup& setup, std::string& error);
  /// Ends it (SIGTERM: it saves its state, removes its link and exits) and
  /// waits for that.
  void Stop();

  /// How long the simulator may take to say where its port is, and to end.
  static constexpr int kStartTimeout_ms = 10000;
  static constexpr int kStopTimeout_ms = 5000;

 signals:
  /// Started, stopped, or ended by itself.
  void StateChanged();

 private:
  void Ended();

  std::filesystem::path linkFolder_;
  SimulatedPanelPlan plan_;
  QProcess process_;
  std::optional<SimulatedPanelSetup> running_;
  std::string portPath_;
  bool stopping_ = false;
};

}  // namespace orvane
