// Checking a game without a screen: the game starts as usual, its first frame is saved as a PNG
// file and it ends, telling on standard output where it found its files and what it loaded.
// Message boxes do not wait for a player: each is told on standard error, closed, and fails the
// run.
#pragma once

#include <QObject>
#include <QString>

#include "app/GameFiles.h"

class GameWindow;

// While it lives, closes every message box as soon as it is shown, telling its title and text.
class BoxReporter : public QObject {
 public:
  BoxReporter();
  int count() const { return count_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int count_ = 0;
};

// Saves the started window's first frame (the form, at its size) to `png`, reports and closes
// the game. The exit status: 0 when every file was found and loaded and no box was shown.
int save_first_frame(GameWindow& window, const GameFiles& files, const QString& png,
                     const BoxReporter& boxes);
