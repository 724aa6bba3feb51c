#include "app/ScoreBar.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr double kScoreScale = 600;  // a score this high fills about three quarters
constexpr int kWidth = 64, kMargin = 10, kTextHeight = 28;
const QColor kLower(245, 240, 225), kUpper(40, 36, 32), kFrame(120, 110, 90);
}  // namespace

ScoreBar::ScoreBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ScoreBar"));
  setMinimumWidth(kWidth);
  setThinking();
}

QSize ScoreBar::sizeHint() const {
  return {kWidth, 400};
}

void ScoreBar::setScore(int score, int win_plies) {
  if (win_plies != 0) {
    share_ = win_plies > 0 ? 1 : 0;
    text_ = QStringLiteral("%1詰%2").arg(win_plies > 0 ? "+" : "-").arg(std::abs(win_plies));
  } else {
    share_ = 1 / (1 + std::exp(-score / kScoreScale * std::log(3.0)));
    text_ = score > 0 ? QStringLiteral("+%1").arg(score) : QString::number(score);
  }
  update();
}

void ScoreBar::setThinking() {
  text_ = QStringLiteral("…");
  update();
}

void ScoreBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect bar(kMargin, kMargin, width() - 2 * kMargin, height() - 2 * kMargin - kTextHeight);
  const int lower = static_cast<int>(std::lround(bar.height() * share_));
  p.fillRect(bar.adjusted(0, 0, 0, -lower), kUpper);
  p.fillRect(QRect(bar.left(), bar.bottom() + 1 - lower, bar.width(), lower), kLower);
  p.setPen(kFrame);
  p.drawRect(bar);
  p.drawLine(bar.left(), bar.center().y(), bar.right(), bar.center().y());  // even
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(QRect(0, bar.bottom() + 2, width(), kTextHeight), Qt::AlignCenter, text_);
}
