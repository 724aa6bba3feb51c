// LEVEL4's analysis off the window's thread: positions are scored on a worker thread while the
// window goes on, and what it finds is handed back on the window's thread. A new start or the
// end of the runner cancels the run before.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "engine/Analysis.h"

class AnalysisRunner : public QObject {
 public:
  using Progress = std::function<void(int done, int total)>;
  using Done = std::function<void(const std::vector<engine::PositionScore>&)>;

  explicit AnalysisRunner(QObject* parent = nullptr);
  ~AnalysisRunner() override;

  // `done` is called once all are scored, never for a run cancelled.
  void start(std::vector<engine::AnalysisPosition> positions,
             const engine::AnalysisSettings& settings, Progress progress, Done done);
  void cancel();
  bool running() const { return running_; }

 private:
  void stop();

  std::unique_ptr<engine::Analysis> analysis_;
  std::thread worker_;
  unsigned run_ = 0;  // results of an earlier run are not handed on
  bool running_ = false;
};
