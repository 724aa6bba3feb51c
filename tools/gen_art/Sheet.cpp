// The sheet of pieces: every piece scaled down smoothly as the window scales it.
#include "Sheet.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "Paint.h"

namespace art {

namespace {

constexpr double kScales[] = {1.0, 0.6, 2.0};  // of the 100 % size
constexpr int kDrawnPerPixel = 3;              // the pictures are drawn at three times 100 %
constexpr int kSides = 2;
constexpr int kGap = 4;  // pixels between pieces
const QColor kPaper(128, 128, 128);

QSize shown(double scale) {
  return QSize(static_cast<int>(std::lround(kCellW * scale / kDrawnPerPixel)),
               static_cast<int>(std::lround(kCellH * scale / kDrawnPerPixel)));
}

}  // namespace

QImage pieceSheet(const std::vector<QImage>& kanji, const std::vector<QImage>& international) {
  const std::vector<const std::vector<QImage>*> sets = {&kanji, &international};
  const int perRow = static_cast<int>((std::max(kanji.size(), international.size()) + 1) / kSides);
  int width = 0, height = kGap;
  for (double scale : kScales) {
    const QSize s = shown(scale);
    width = std::max(width, kGap + perRow * (s.width() + kGap));
    height += static_cast<int>(sets.size()) * kSides * (s.height() + kGap) + kGap;
  }
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(kPaper);
  QPainter p(&sheet);
  int y = kGap;
  for (double scale : kScales) {
    const QSize s = shown(scale);
    for (const std::vector<QImage>* set : sets) {
      for (size_t i = 0; i < set->size(); ++i) {
        const int row = static_cast<int>(i) / perRow, column = static_cast<int>(i) % perRow;
        p.drawImage(kGap + column * (s.width() + kGap), y + row * (s.height() + kGap),
                    (*set)[i].scaled(s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
      }
      y += kSides * (s.height() + kGap);
    }
    y += kGap;
  }
  p.end();
  return sheet;
}

}  // namespace art
