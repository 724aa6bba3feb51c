// SIGTERM, SIGINT and SIGHUP ask the game to end, as closing its window does: a logout, `kill`,
// `timeout` or Ctrl+C in the terminal that started it. The handler only writes a byte into a
// pipe; the event loop that reads it, wherever the game is, says so with `asked`.
#pragma once

#include <signal.h>

#include <QObject>
#include <array>

class QSocketNotifier;

class EndSignals : public QObject {
  Q_OBJECT

 public:
  // Catches the signals from now on; one that the program was started to ignore (nohup, a
  // background job) stays ignored. One at a time: the handler writes into the latest one's pipe.
  explicit EndSignals(QObject* parent = nullptr);
  ~EndSignals() override;
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 signals:
  void asked();

 private:
  static constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};

  void readPipe();

  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
  std::array<struct sigaction, kSignals.size()> before_{};
};
