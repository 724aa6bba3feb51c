// The game's icon: the title plate's lacquer and gold and a piece cut as on the board, drawn
// at 512 pixels.
#include "GameIcon.h"

#include <QPainter>
#include <QRadialGradient>

#include "MagicCircle.h"
#include "Paint.h"
#include "Pieces.h"
#include "Title.h"

namespace art {

namespace {

constexpr int kSize = 512;
constexpr double kS = kSize;

// The lacquered plate with its glowing magic circle, clipped to its rounded corners.
void plate(QPainter& p, const QPainterPath& platePath) {
  const QPointF c(kS / 2, kS / 2);
  const QImage shadow = layer(kSize, kSize, [&](QPainter& q) {
    q.fillPath(platePath.translated(0, kS * 0.012), QColor(0, 0, 0, 150));
  });
  p.drawImage(0, 0, blur(shadow, static_cast<int>(kS * 0.012)));
  p.save();
  p.setClipPath(platePath);
  p.drawImage(0, 0, lacquer(kSize, kSize, TileNoise(4, 4, 4, 1101), TileNoise(40, 40, 1, 1102)));
  QRadialGradient halo(c, kS * 0.5);
  halo.setColorAt(0, QColor(150, 80, 230, 130));
  halo.setColorAt(1, QColor(40, 10, 80, 0));
  p.fillRect(QRect(0, 0, kSize, kSize), halo);
  const QImage ring = layer(kSize, kSize, [&](QPainter& r) {
    r.translate(c);
    magicCircle(r, kS * 0.39, QColor(200, 150, 255, 190), kS * 0.0035, runes(), 6);
  });
  shine(p, ring, static_cast<int>(kS * 0.01), 1.2);
  p.restore();
}

// The gold frame, as round the title.
void frame(QPainter& p, const QRectF& plate, const QPainterPath& platePath, double corner) {
  const QLinearGradient gold = goldLeaf(plate.top(), plate.bottom());
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 8, 0), kS * 0.03));
  p.drawPath(platePath);
  p.setPen(QPen(QBrush(gold), kS * 0.018));
  p.drawPath(platePath);
  const double in = kS * 0.035;
  p.setPen(QPen(QBrush(gold), kS * 0.006));
  p.drawRoundedRect(plate.adjusted(in, in, -in, -in), corner - in, corner - in);
}

// The piece, standing a little below the middle, in the spell's aura.
void piece(QPainter& p) {
  PieceArt a;
  a.w = kS * 0.50;
  a.h = kS * 0.62;
  a.glyphs = QStringLiteral("将");
  QTransform t;
  t.translate(kS / 2, kS / 2 + kS * 0.03);
  const PieceCut cut = cutPiece(a, t, Bevel{kS * 0.022, kS * 0.018, kS * 0.012});
  const QImage mask = silhouette(cut, kSize, kSize);
  const QImage aura = tinted(blur(mask, static_cast<int>(kS * 0.035)), QColor(170, 70, 255));
  p.drawImage(0, 0, aura);
  p.drawImage(0, 0, aura);
  p.drawImage(QPointF(kS * 0.01, kS * 0.018),
              tinted(blur(mask, static_cast<int>(kS * 0.012)), QColor(20, 0, 40, 200)));
  pieceWood(p, a, cut, boxwoodFace(77, kSize, kSize));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(96, 58, 22, 190), kS * 0.004));
  p.drawPath(cut.outerPath);
  const QPainterPath ink = t.map(pieceInk(a));
  p.fillPath(ink.translated(kS * 0.004, kS * 0.005), QColor(255, 246, 220, 160));
  lacquerInk(p, ink, false);
}

}  // namespace

QImage gameIcon() {
  const QRectF plateRect(kS * 0.04, kS * 0.04, kS * 0.92, kS * 0.92);
  const double corner = kS * 0.16;
  QPainterPath platePath;
  platePath.addRoundedRect(plateRect, corner, corner);
  return layer(kSize, kSize, [&](QPainter& p) {
    plate(p, platePath);
    frame(p, plateRect, platePath, corner);
    piece(p);
    // glints of the spell
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 225, 240));
    p.drawPath(sparkle(QPointF(kS * 0.75, kS * 0.22), kS * 0.07, 0.08));
    p.drawPath(sparkle(QPointF(kS * 0.23, kS * 0.74), kS * 0.045, 0.08));
  });
}

}  // namespace art
