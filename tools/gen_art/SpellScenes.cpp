// The two scenes of the spell itself: luminak, the circle blazing as the spell is cast, and
// huuin, the seal: chains across a violet circle under a vermilion 封印 stamp.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "MagicCircle.h"
#include "Noise.h"
#include "Paint.h"
#include "Scenes.h"

namespace art {

namespace {

const QPointF kCentre(kSceneW / 2.0, kSceneH / 2.0);

void luminakLight(QPainter& p) {
  const QPointF c = kCentre;
  // light rays
  const QImage rays = layer(kSceneW, kSceneH, [&](QPainter& r) {
    r.translate(c);
    Rng rng(702);
    for (int i = 0; i < 36; ++i) {
      const double a = 2 * kPi * i / 36 + rng.range(-0.05, 0.05);
      const double spread = rng.range(0.012, 0.03), len = rng.range(240, 340);
      QPainterPath ray;
      ray.moveTo(0, 0);
      ray.lineTo(std::cos(a - spread) * len, std::sin(a - spread) * len);
      ray.lineTo(std::cos(a + spread) * len, std::sin(a + spread) * len);
      ray.closeSubpath();
      QRadialGradient g(QPointF(0, 0), len);
      g.setColorAt(0, QColor(255, 240, 190, 150));
      g.setColorAt(1, QColor(120, 200, 255, 0));
      r.fillPath(ray, g);
    }
  });
  glow(p, rays, 3, 1.0);

  const QImage ring = layer(kSceneW, kSceneH, [&](QPainter& r) {
    r.translate(c);
    magicCircle(r, 205, QColor(255, 236, 170), 2.0, runes() + runes(), 7);
    // second, turned ring of runes inside
    r.rotate(12);
    r.setPen(QPen(QColor(170, 230, 255), 1.2));
    r.setBrush(Qt::NoBrush);
    r.drawPolygon(starPolygon(7, 2, 0.775 * 205));
  });
  const QImage core = layer(kSceneW, kSceneH, [&](QPainter& r) {
    glowDisc(r, c, 90,
             {{0, QColor(255, 255, 240, 255)},
              {0.12, QColor(255, 240, 180, 200)},
              {0.45, QColor(120, 200, 255, 50)},
              {1, QColor(60, 80, 255, 0)}});
  });
  glow(p, tinted(ring, QColor(60, 170, 255)), 16, 1.4);
  glow(p, tinted(ring, QColor(150, 120, 255)), 6, 0.9);
  shine(p, ring, 2, 0.7);
  glow(p, core, 4, 1.0);
  p.setBrush(QColor(255, 255, 255, 240));
  p.setPen(Qt::NoPen);
  p.drawPath(sparkle(c, 70, 0.05));
  const QImage specks = layer(kSceneW, kSceneH, [](QPainter& m) {
    const QRectF area(40, 30, kSceneW - 80, kSceneH - 60);
    motes(m, area, 90, 703, QColor(255, 230, 160));
    motes(m, area, 60, 704, QColor(140, 210, 255));
  });
  shine(p, specks, 2, 1.0);
  // a few bright glints on the ring
  Rng rng(705);
  for (int i = 0; i < 9; ++i) {
    const double a = rng.range(0, 2 * kPi), rr = 205 * rng.range(0.76, 1.0);
    const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * rr;
    p.setBrush(QColor(255, 255, 240, 230));
    p.drawPath(sparkle(q, rng.range(8, 16), 0.07));
  }
}

// One link after another along a line; links alternate flat and edge-on.
void chain(QPainter& p, QPointF a, QPointF b, double linkLen, double linkW, double bar) {
  const double len = QLineF(a, b).length();
  const int n = static_cast<int>(len / (linkLen * 0.74));
  const double deg = std::atan2(b.y() - a.y(), b.x() - a.x()) * 180 / kPi;
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 0; i < n; ++i) {
      if (i % 2 != pass) continue;
      const QPointF c = a + (b - a) * ((i + 0.5) / n);
      p.save();
      p.translate(c);
      p.rotate(deg);
      const QRectF link(-linkLen / 2, -linkW / 2, linkLen, linkW);
      if (pass == 0) {
        // flat link: a ring seen from the front
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(10, 8, 16), bar + 2.6));
        p.drawRoundedRect(link, linkW / 2, linkW / 2);
        QLinearGradient g(0, -linkW / 2, 0, linkW / 2);
        g.setColorAt(0, QColor(200, 200, 214));
        g.setColorAt(0.5, QColor(110, 108, 124));
        g.setColorAt(1, QColor(54, 52, 66));
        p.setPen(QPen(QBrush(g), bar));
        p.drawRoundedRect(link, linkW / 2, linkW / 2);
        p.setPen(QPen(QColor(245, 245, 255, 170), bar * 0.22));
        p.drawRoundedRect(link.adjusted(1.5, 1.5, -1.5, -1.5).translated(0, -bar * 0.22),
                          linkW / 2 - 1.5, linkW / 2 - 1.5);
      } else {
        // edge-on link: a bar
        const QRectF r(-linkLen / 2 - bar * 0.5, -bar * 0.75, linkLen + bar, bar * 1.5);
        QLinearGradient g(0, r.top(), 0, r.bottom());
        g.setColorAt(0, QColor(225, 225, 238));
        g.setColorAt(0.45, QColor(130, 128, 146));
        g.setColorAt(1, QColor(40, 38, 52));
        p.setPen(QPen(QColor(10, 8, 16), 1.4));
        p.setBrush(g);
        p.drawRoundedRect(r, bar * 0.75, bar * 0.75);
      }
      p.restore();
    }
}

// The seal: a vermilion square of side s at c with 封印 cut in white, its ink worn in flecks.
QImage vermilionSeal(QPointF c, double s) {
  QImage stamp = layer(kSceneW, kSceneH, [&](QPainter& q) {
    q.translate(c);
    q.rotate(-7);
    const QRectF sq(-s / 2, -s / 2, s, s);
    QLinearGradient g(sq.topLeft(), sq.bottomRight());
    g.setColorAt(0, QColor(236, 58, 40));
    g.setColorAt(1, QColor(170, 20, 22));
    QPainterPath body;
    body.addRoundedRect(sq, 10, 10);
    const QFont f = serifFont(200);
    const QPainterPath fu = fitPath(textPath(QStringLiteral("封"), f),
                                    QRectF(-s * 0.36, -s * 0.40, s * 0.72, s * 0.37));
    const QPainterPath in =
        fitPath(textPath(QStringLiteral("印"), f), QRectF(-s * 0.36, s * 0.03, s * 0.72, s * 0.37));
    q.fillPath(body, g);
    // the carving shows as the pale paper colour
    const QColor paper(255, 236, 214);
    q.setBrush(Qt::NoBrush);
    q.setPen(QPen(paper, 4.5));
    q.drawRoundedRect(sq.adjusted(11, 11, -11, -11), 5, 5);
    q.setPen(QPen(paper, 1.5));
    q.drawRoundedRect(sq.adjusted(18, 18, -18, -18), 3, 3);
    QPainterPath chars = fu;
    chars.addPath(in);
    chars.setFillRule(Qt::WindingFill);
    q.fillPath(chars, paper);
  });
  // worn ink: rub away flecks of the stamp
  const TileNoise wear(70, 58, 2, 802);
  for (int y = 0; y < kSceneH; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(stamp.scanLine(y));
    for (int x = 0; x < kSceneW; ++x) {
      if (qAlpha(row[x]) == 0) continue;
      const double n = wear((x + 0.5) / kSceneW, (y + 0.5) / kSceneH);
      const double k = n < 0.30 ? 0.82 : (n < 0.34 ? 0.92 : 1.0);
      const QRgb v = row[x];
      row[x] = qRgba(static_cast<int>(qRed(v) * k), static_cast<int>(qGreen(v) * k),
                     static_cast<int>(qBlue(v) * k), static_cast<int>(qAlpha(v) * k));
    }
  }
  return stamp;
}

void sealing(QPainter& p) {
  const QPointF c = kCentre;
  {
    QRadialGradient g(c, 300);
    g.setColorAt(0, QColor(150, 30, 90, 150));
    g.setColorAt(1, QColor(40, 0, 30, 0));
    p.fillRect(QRect(0, 0, kSceneW, kSceneH), g);
  }
  const QImage ring = layer(kSceneW, kSceneH, [&](QPainter& r) {
    r.translate(c);
    r.rotate(-8);
    magicCircle(r, 215, QColor(230, 120, 255), 1.8,
                QStringLiteral("封封印印禁禁鎖鎖縛縛閉閉") + runes(), 6);
  });
  glow(p, ring, 12, 1.4);
  glow(p, ring, 3, 0.8);
  p.setOpacity(0.85);
  p.drawImage(0, 0, ring);
  p.setOpacity(1.0);

  // the chains, with a dark halo so they stand off the circle
  const QImage chains = layer(kSceneW, kSceneH, [&](QPainter& q) {
    chain(q, QPointF(-30, 18), QPointF(kSceneW + 30, kSceneH - 18), 44, 24, 7);
    chain(q, QPointF(-30, kSceneH - 18), QPointF(kSceneW + 30, 18), 44, 24, 7);
    chain(q, QPointF(-30, c.y() + 6), QPointF(kSceneW + 30, c.y() - 6), 40, 22, 6);
  });
  p.drawImage(4, 6, tinted(blur(chains, 5), QColor(0, 0, 0, 220)));
  p.drawImage(0, 0, chains);

  const QImage stamp = vermilionSeal(c, 176);
  glow(p, tinted(stamp, QColor(255, 60, 80)), 14, 1.3);
  p.drawImage(6, 8, tinted(blur(stamp, 6), QColor(0, 0, 0, 200)));
  p.drawImage(0, 0, stamp);
  const QImage sparks = layer(kSceneW, kSceneH, [](QPainter& m) {
    motes(m, QRectF(20, 20, kSceneW - 40, kSceneH - 40), 70, 803, QColor(255, 140, 220));
  });
  shine(p, sparks, 2, 1.0);
}

}  // namespace

QImage luminakScene() {
  return scene({701, QColor(4, 8, 26), QColor(10, 6, 30), QColor(30, 70, 140), 160}, 0.55,
               luminakLight);
}

QImage sealScene() {
  return scene({801, QColor(26, 4, 22), QColor(12, 2, 14), QColor(110, 20, 70), 70}, 0.6, sealing);
}

}  // namespace art
