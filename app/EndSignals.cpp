#include "app/EndSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

namespace {

volatile sig_atomic_t write_end = -1;  // the pipe the handler writes into

// Only what is safe in a signal handler: one byte into the pipe. When the pipe is full, a
// byte is waiting already.
void on_signal(int) {
  const int saved = errno;
  const char byte = 1;
  if (write_end >= 0) {
    const ssize_t written = write(write_end, &byte, 1);
    static_cast<void>(written);
  }
  errno = saved;
}

}  // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent) {
  if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  write_end = pipe_[1];
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &EndSignals::readPipe);
  struct sigaction action {};
  action.sa_handler = on_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;  // a file being written goes on being written
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    sigaction(kSignals[i], nullptr, &before_[i]);
    if (before_[i].sa_handler != SIG_IGN) sigaction(kSignals[i], &action, nullptr);
  }
}

EndSignals::~EndSignals() {
  if (notifier_ == nullptr) return;
  for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &before_[i], nullptr);
  write_end = -1;
  close(pipe_[0]);
  close(pipe_[1]);
}

void EndSignals::readPipe() {
  char bytes[16];
  while (read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  emit asked();
}
