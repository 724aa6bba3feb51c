// The title plate: lacquer with faint magic circles behind the ends, a double gold frame with
// diamond corners, and "Vexa ルミナーク将棋" in glowing gold letters with a few glints.
#include "Title.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "MagicCircle.h"
#include "Paint.h"

namespace art {

QImage lacquer(int w, int h, const TileNoise& lac, const TileNoise& fine) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < h; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double fx = (x + 0.5) / w, fy = (y + 0.5) / h;
      const double v = 1 - 0.9 * std::abs(fy - 0.42);
      const double n = lac(fx, fy) - 0.5, f = fine(fx, fy) - 0.5;
      row[x] = rgb((28 + 22 * n + 6 * f) * v, (12 + 10 * n + 3 * f) * v, (44 + 34 * n + 8 * f) * v);
    }
  }
  return img;
}

QLinearGradient goldLeaf(double top, double bottom) {
  QLinearGradient gold(0, top, 0, bottom);
  gold.setColorAt(0, QColor(255, 236, 170));
  gold.setColorAt(0.5, QColor(200, 146, 50));
  gold.setColorAt(1, QColor(250, 210, 120));
  return gold;
}

namespace {

void goldFrame(QPainter& p) {
  const QLinearGradient gold = goldLeaf(0, kTitleH);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 8, 0), 5));
  p.drawRoundedRect(QRectF(3.5, 3.5, kTitleW - 7, kTitleH - 7), 8, 8);
  p.setPen(QPen(QBrush(gold), 3));
  p.drawRoundedRect(QRectF(3.5, 3.5, kTitleW - 7, kTitleH - 7), 8, 8);
  p.setPen(QPen(QBrush(gold), 1.2));
  p.drawRoundedRect(QRectF(9.5, 9.5, kTitleW - 19, kTitleH - 19), 5, 5);
  p.setPen(Qt::NoPen);
  p.setBrush(QBrush(gold));
  for (const QPointF& q : {QPointF(9.5, 9.5), QPointF(kTitleW - 9.5, 9.5),
                           QPointF(9.5, kTitleH - 9.5), QPointF(kTitleW - 9.5, kTitleH - 9.5)}) {
    QPolygonF d{q + QPointF(0, -6), q + QPointF(6, 0), q + QPointF(0, 6), q + QPointF(-6, 0)};
    p.drawPolygon(d);
  }
}

// "Vexa ルミナーク将棋" fitted inside the frame.
QPainterPath lettering() {
  QPainterPath vexa = textPath(QStringLiteral("Vexa"), serifFont(150));
  QPainterPath name = textPath(QStringLiteral("ルミナーク将棋"), serifFont(150));
  const double gap = 40;
  name.translate(vexa.boundingRect().right() + gap - name.boundingRect().left(), 0);
  QPainterPath text = vexa;
  text.addPath(name);
  text.setFillRule(Qt::WindingFill);
  return fitPath(text, QRectF(34, 22, kTitleW - 68, kTitleH - 44));
}

}  // namespace

QImage titlePlate() {
  QImage img = lacquer(kTitleW, kTitleH, TileNoise(8, 2, 4, 1001), TileNoise(60, 14, 1, 1002));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF mid(kTitleW / 2.0, kTitleH / 2.0);
  {
    QRadialGradient g(mid, 260);
    g.setColorAt(0, QColor(120, 60, 200, 90));
    g.setColorAt(1, QColor(40, 10, 80, 0));
    p.fillRect(img.rect(), g);
  }
  // faint magic circles behind the ends
  const QImage rings = layer(kTitleW, kTitleH, [](QPainter& r) {
    for (int side = 0; side < 2; ++side) {
      r.save();
      r.translate(side == 0 ? 44 : kTitleW - 44, kTitleH / 2.0);
      magicCircle(r, 46, QColor(190, 140, 255, 110), 0.8, runes(), 6);
      r.restore();
    }
  });
  shine(p, rings, 3, 0.7);
  goldFrame(p);

  const QPainterPath text = lettering();
  const QRectF tb = text.boundingRect();
  const QImage aura =
      layer(kTitleW, kTitleH, [&](QPainter& q) { q.fillPath(text, QColor(170, 90, 255)); });
  glow(p, aura, 7, 1.4);
  const QImage shadow = layer(kTitleW, kTitleH, [&](QPainter& s) {
    s.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    s.setBrush(Qt::black);
    s.drawPath(text);
  });
  p.drawImage(3, 4, blur(shadow, 2));
  p.setPen(QPen(QColor(30, 12, 0), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(text);
  QLinearGradient fill(0, tb.top(), 0, tb.bottom());
  fill.setColorAt(0, QColor(255, 250, 215));
  fill.setColorAt(0.42, QColor(252, 214, 108));
  fill.setColorAt(0.52, QColor(196, 132, 36));
  fill.setColorAt(1, QColor(250, 200, 90));
  p.fillPath(text, fill);
  p.setPen(QPen(QColor(255, 255, 235, 110), 0.8));
  p.drawPath(text.translated(-0.6, -0.6));
  // glints
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 245, 235));
  const QPointF glints[4] = {tb.topLeft() + QPointF(tb.width() * 0.04, 2),
                             tb.topLeft() + QPointF(tb.width() * 0.55, 0),
                             tb.topLeft() + QPointF(tb.width() * 0.97, 6),
                             tb.bottomLeft() + QPointF(tb.width() * 0.32, -3)};
  const double sizes[4] = {11, 9, 12, 7};
  for (int i = 0; i < 4; ++i) p.drawPath(sparkle(glints[i], sizes[i], 0.07));
  p.end();
  return img;
}

}  // namespace art
