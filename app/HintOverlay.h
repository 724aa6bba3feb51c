// LEVEL4's hint over the board: the squares of its turn outlined in a colour of their own, the
// piece it would seal ringed, and the turn in notation in a band under the board. A layer of
// its own above the surface: the game's picture stays untouched, and presses go through.
#pragma once

#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

class Surface;

class HintOverlay : public QWidget {
 public:
  explicit HintOverlay(Surface* surface);

  // Cells in twips: the turn's origin and destination, and the spell's target (or none).
  void showHint(const std::vector<QRectF>& turn, const QRectF& seal, const QString& text);
  void clear();
  bool shown() const { return !text_.isEmpty(); }
  const QString& text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Surface* surface_;
  std::vector<QRectF> turn_;
  QRectF seal_;
  QString text_;
};
