// The magic circle: rings, ticks, a band of runes, a star and a small inner wheel.
#include "MagicCircle.h"

#include <QTransform>
#include <algorithm>
#include <cmath>

#include "Paint.h"

namespace art {

const QString& runes() {
  static const QString text = QStringLiteral("光明照耀星辰封印魔導天地水火風月ルミナーク");
  return text;
}

void magicCircle(QPainter& p, double r, const QColor& c, double lw, const QString& ringRunes,
                 int points) {
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c, lw * 1.6));
  p.drawEllipse(QPointF(0, 0), r, r);
  p.setPen(QPen(c, lw));
  p.drawEllipse(QPointF(0, 0), r * 0.955, r * 0.955);
  p.drawEllipse(QPointF(0, 0), r * 0.80, r * 0.80);
  p.drawEllipse(QPointF(0, 0), r * 0.775, r * 0.775);
  // ticks outside
  for (int i = 0; i < 120; ++i) {
    const double a = 2 * kPi * i / 120;
    const QPointF d(std::cos(a), std::sin(a));
    p.drawLine(d * r * 1.01, d * r * (i % 5 == 0 ? 1.06 : 1.03));
  }
  // rune band
  const QFont f = serifFont(100);
  QPainterPath band;
  const int n = static_cast<int>(ringRunes.size());
  for (int i = 0; i < n; ++i) {
    const QPainterPath g = textPath(ringRunes.mid(i, 1), f);
    const QRectF b = g.boundingRect();
    if (b.isEmpty()) continue;
    const double hgt = r * 0.10;
    const double s = hgt / std::max(b.width(), b.height());
    QTransform t;
    t.rotate(360.0 * i / n);
    t.translate(0, -r * 0.8775);
    t.scale(s, s);
    t.translate(-b.center().x(), -b.center().y());
    band.addPath(t.map(g));
  }
  band.setFillRule(Qt::WindingFill);
  p.fillPath(band, c);
  // the star
  const QPolygonF st = starPolygon(points, points / 2 - (points % 2 == 0 ? 1 : 0), r * 0.775);
  if (points == 6) {
    p.drawPolygon(starPolygon(3, 1, r * 0.775));
    p.drawPolygon(starPolygon(3, 1, r * 0.775, kPi / 3));
  } else {
    p.drawPolygon(st);
  }
  for (const QPointF& v : starPolygon(points, 1, r * 0.775)) {
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(v, r * 0.045, r * 0.045);
  }
  p.drawEllipse(QPointF(0, 0), r * 0.42, r * 0.42);
  p.drawEllipse(QPointF(0, 0), r * 0.39, r * 0.39);
  p.drawPolygon(starPolygon(points, 1, r * 0.39, kPi / points));
  p.drawEllipse(QPointF(0, 0), r * 0.16, r * 0.16);
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * kPi * i / 12;
    const QPointF d(std::cos(a), std::sin(a));
    p.drawLine(d * r * 0.16, d * r * 0.26);
  }
  p.restore();
}

}  // namespace art
