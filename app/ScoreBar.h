// LEVEL4's judgement of the position shown, from the lower side's view: a bar shared between
// the two sides (the lower side's share from the bottom) and the number under it; a king's
// capture found shows as 詰 with its plies.
#pragma once

#include <QString>
#include <QWidget>

class ScoreBar : public QWidget {
 public:
  explicit ScoreBar(QWidget* parent = nullptr);

  // A score from the lower side's view; `win_plies` as the analysis gives it (0: none found).
  void setScore(int score, int win_plies);
  // Thinking about a new position: the bar stays, the number says so.
  void setThinking();
  const QString& text() const { return text_; }
  // The lower side's share of the bar, 0..1.
  double lowerShare() const { return share_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double share_ = 0.5;
  QString text_;
};
