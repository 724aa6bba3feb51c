#include "app/AnalysisRunner.h"

#include <QMetaObject>
#include <utility>

AnalysisRunner::AnalysisRunner(QObject* parent) : QObject(parent) {}

AnalysisRunner::~AnalysisRunner() {
  stop();
}

void AnalysisRunner::stop() {
  ++run_;
  running_ = false;
  if (analysis_) analysis_->cancel();
  if (worker_.joinable()) worker_.join();
  analysis_.reset();
}

void AnalysisRunner::cancel() {
  stop();
}

void AnalysisRunner::start(std::vector<engine::AnalysisPosition> positions,
                           const engine::AnalysisSettings& settings, Progress progress, Done done) {
  stop();
  running_ = true;
  analysis_ = std::make_unique<engine::Analysis>();
  const unsigned run = run_;
  auto* analysis = analysis_.get();
  worker_ = std::thread([this, run, analysis, settings, positions = std::move(positions),
                         progress = std::move(progress), done = std::move(done)] {
    auto on_progress = [this, run, progress](int n, int total) {
      if (!progress) return;
      QMetaObject::invokeMethod(
          this,
          [this, run, progress, n, total] {
            if (run == run_) progress(n, total);
          },
          Qt::QueuedConnection);
    };
    std::vector<engine::PositionScore> scores = analysis->run(positions, settings, on_progress);
    if (analysis->cancelled()) return;
    QMetaObject::invokeMethod(
        this,
        [this, run, done, scores = std::move(scores)] {
          if (run != run_) return;
          running_ = false;
          if (done) done(scores);
        },
        Qt::QueuedConnection);
  });
}
