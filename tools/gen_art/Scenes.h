// The three spell scenes the game shows over the board, and the sky, glow and motes they share.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <cstdint>
#include <functional>

namespace art {

constexpr int kSceneW = 594;  // 2970 twips
constexpr int kSceneH = 492;  // 2460 twips

QImage luminakScene();   // the spell cast: a blazing magic circle
QImage sealScene();      // the seal: chains and a vermilion 封印 stamp
QImage sorcererScene();  // the sorcerer under the moon, casting

// ---- what the scenes share
// A night sky from `top` to `bottom` with a nebula of `cloud` and `stars` stars.
struct Sky {
  uint64_t seed;
  QColor top, bottom, cloud;
  int stars;
};
// A scene: the sky, what draw(QPainter&) paints over it with antialiasing, then the corners
// darkened by darkCorners (0..1).
QImage scene(const Sky& sky, double darkCorners, const std::function<void(QPainter&)>& draw);
// count soft specks of light of colour c scattered over area.
void motes(QPainter& p, QRectF area, int count, uint64_t seed, const QColor& c);

}  // namespace art
