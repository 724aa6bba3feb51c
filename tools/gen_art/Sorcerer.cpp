// madousi: the sorcerer on a hill under a great moon, his staff's orb alight and a small
// circle of light spun in his raised hand, a magic circle glowing on the ground.
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "MagicCircle.h"
#include "Noise.h"
#include "Paint.h"
#include "Scenes.h"

namespace art {

namespace {

const QPointF kStaffFoot(410, 452), kStaffTop(434, 96);

// The moon behind him, pale and pitted.
void moon(QPainter& p) {
  QImage moon = layer(kSceneW, kSceneH, [](QPainter& m) {
    QPainterPath disc;
    disc.addEllipse(QPointF(300, 150), 118, 118);
    QRadialGradient g(QPointF(270, 120), 150);
    g.setColorAt(0, QColor(255, 250, 225));
    g.setColorAt(1, QColor(225, 210, 170));
    m.fillPath(disc, g);
  });
  const TileNoise craters(5, 5, 3, 902);
  for (int y = 20; y < 280; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(moon.scanLine(y));
    for (int x = 170; x < 430; ++x) {
      if (qAlpha(row[x]) == 0) continue;
      const double n = craters((x - 170) / 260.0, (y - 20) / 260.0);
      const double k = 0.93 + 0.22 * (n - 0.5);
      const QRgb v = row[x];
      row[x] = qRgba(std::min(qAlpha(v), static_cast<int>(qRed(v) * k)),
                     std::min(qAlpha(v), static_cast<int>(qGreen(v) * k)),
                     std::min(qAlpha(v), static_cast<int>(qBlue(v) * k)), qAlpha(v));
    }
  }
  glow(p, tinted(moon, QColor(170, 140, 255)), 30, 1.0);
  glow(p, tinted(moon, QColor(255, 240, 200)), 8, 0.6);
  p.drawImage(0, 0, moon);
}

void farHills(QPainter& p) {
  QPainterPath hills;
  hills.moveTo(0, kSceneH);
  hills.lineTo(0, 360);
  Rng rng(903);
  for (int x = 0; x <= kSceneW; x += 18)
    hills.lineTo(x, 372 + 22 * std::sin(x * 0.013) + 10 * std::sin(x * 0.041) + rng.range(-3, 3));
  hills.lineTo(kSceneW, kSceneH);
  hills.closeSubpath();
  QLinearGradient g(0, 340, 0, kSceneH);
  g.setColorAt(0, QColor(36, 20, 60));
  g.setColorAt(1, QColor(8, 4, 16));
  p.fillPath(hills, g);
}

void groundCircle(QPainter& p) {
  const QImage ring = layer(kSceneW, kSceneH, [](QPainter& r) {
    r.translate(297, 446);
    r.scale(1.0, 0.2);
    magicCircle(r, 235, QColor(140, 230, 255), 3.5, runes(), 6);
  });
  glow(p, tinted(ring, QColor(80, 160, 255)), 10, 1.6);
  shine(p, ring, 2, 0.8);
}

void staff(QPainter& p) {
  p.setPen(QPen(QColor(20, 10, 8), 10, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(kStaffFoot, kStaffTop);
  QLinearGradient g(kStaffFoot + QPointF(-5, 0), kStaffFoot + QPointF(5, 0));
  g.setColorAt(0, QColor(70, 40, 24));
  g.setColorAt(0.4, QColor(150, 100, 60));
  g.setColorAt(1, QColor(50, 28, 16));
  p.setPen(QPen(QBrush(g), 7, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(kStaffFoot, kStaffTop);
  // a curled head holding the orb
  QPainterPath curl;
  curl.moveTo(kStaffTop);
  curl.cubicTo(kStaffTop + QPointF(-26, -10), kStaffTop + QPointF(-22, -52),
               kStaffTop + QPointF(2, -58));
  curl.cubicTo(kStaffTop + QPointF(26, -62), kStaffTop + QPointF(34, -30),
               kStaffTop + QPointF(18, -14));
  p.setPen(QPen(QColor(20, 10, 8), 9, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curl);
  p.setPen(QPen(QColor(130, 86, 50), 5.5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(curl);
}

// A piece of his violet cloth between x0 and x1, lit down the middle, outlined dark with a pale
// rim of moonlight on its left.
void cloth(QPainter& p, const QPainterPath& path, double x0, double x1) {
  const QColor robeHi(96, 54, 170), robeLo(30, 12, 62);
  QLinearGradient g(x0, 0, x1, 0);
  g.setColorAt(0, robeLo);
  g.setColorAt(0.45, robeHi);
  g.setColorAt(1, robeLo);
  p.setPen(QPen(QColor(10, 4, 20), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QBrush(g));
  p.drawPath(path);
  p.save();
  p.setClipPath(path);
  p.setPen(QPen(QColor(210, 180, 255, 150), 3));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path.translated(-3, 0));
  p.restore();
}

// The robe: folds, gold trim, stars on the cloth and a sash.
void robe(QPainter& p) {
  QPainterPath robe;
  robe.moveTo(252, 200);
  robe.cubicTo(218, 262, 200, 362, 168, 450);
  robe.quadTo(232, 466, 298, 454);
  robe.quadTo(362, 466, 428, 448);
  robe.cubicTo(396, 360, 382, 262, 344, 200);
  robe.closeSubpath();
  cloth(p, robe, 170, 430);
  p.save();
  p.setClipPath(robe);
  // folds
  p.setPen(QPen(QColor(16, 6, 36, 150), 4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  const double folds[4][4] = {
      {238, 300, 222, 450}, {262, 330, 256, 456}, {336, 330, 344, 456}, {360, 300, 380, 452}};
  for (const auto& f : folds) {
    QPainterPath fold(QPointF(f[0], f[1]));
    fold.quadTo(QPointF((f[0] + f[2]) / 2 - 6, (f[1] + f[3]) / 2), QPointF(f[2], f[3]));
    p.drawPath(fold);
  }
  // gold trim down the front and along the hem
  p.setPen(QPen(QColor(240, 196, 90), 4));
  p.drawLine(QPointF(298, 300), QPointF(298, 456));
  p.setPen(QPen(QColor(240, 196, 90), 3));
  QPainterPath hem(QPointF(160, 440));
  hem.quadTo(232, 456, 298, 444);
  hem.quadTo(362, 456, 436, 438);
  p.drawPath(hem);
  // stars and moons on the cloth
  Rng rng(904);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 16; ++i) {
    const QPointF q(rng.range(200, 400), rng.range(320, 430));
    p.setBrush(QColor(250, 214, 110, 210));
    p.drawPath(star5(q, rng.range(4, 7)));
  }
  // sash
  QPainterPath sash(QPointF(230, 318));
  sash.quadTo(298, 336, 370, 316);
  p.setPen(QPen(QColor(190, 140, 50), 10));
  p.drawPath(sash);
  p.setPen(QPen(QColor(250, 210, 110), 3));
  p.drawPath(sash.translated(0, -2));
  p.restore();
}

// The left arm raised, casting; the right one on the staff.
void arms(QPainter& p) {
  QPainterPath sleeveL;
  sleeveL.moveTo(258, 212);
  sleeveL.cubicTo(226, 220, 196, 232, 168, 252);
  sleeveL.lineTo(146, 302);
  sleeveL.quadTo(184, 310, 214, 292);
  sleeveL.cubicTo(236, 280, 256, 268, 268, 252);
  sleeveL.closeSubpath();
  cloth(p, sleeveL, 140, 270);
  QPainterPath sleeveR;
  sleeveR.moveTo(338, 210);
  sleeveR.cubicTo(370, 222, 394, 244, 412, 266);
  sleeveR.lineTo(430, 318);
  sleeveR.quadTo(396, 324, 372, 306);
  sleeveR.cubicTo(358, 290, 348, 270, 332, 250);
  sleeveR.closeSubpath();
  cloth(p, sleeveR, 330, 430);
  // cuffs
  p.setPen(QPen(QColor(240, 196, 90), 3));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(148, 300), QPointF(212, 292));
  p.drawLine(QPointF(374, 306), QPointF(430, 316));
  // hands
  const QColor skin(222, 180, 150);
  p.setPen(QPen(QColor(40, 20, 20), 1.5));
  p.setBrush(skin);
  p.drawEllipse(QPointF(416, 272), 10, 12);
  p.drawEllipse(QPointF(164, 248), 10, 12);
  // fingers of the casting hand
  for (int i = 0; i < 4; ++i) {
    p.drawEllipse(QPointF(152 + i * 6.5, 236 - (i == 1 || i == 2 ? 3 : 0)), 3.2, 7);
  }
}

// A long white beard, and the face above it in shadow with glowing eyes.
void beardAndFace(QPainter& p) {
  QPainterPath beard;
  beard.moveTo(268, 192);
  beard.cubicTo(262, 240, 280, 282, 302, 326);
  beard.cubicTo(320, 282, 338, 240, 332, 192);
  beard.quadTo(300, 212, 268, 192);
  QLinearGradient g(0, 190, 0, 326);
  g.setColorAt(0, QColor(236, 234, 244));
  g.setColorAt(1, QColor(150, 146, 170));
  p.setPen(QPen(QColor(30, 20, 40), 2));
  p.setBrush(g);
  p.drawPath(beard);
  p.save();
  p.setClipPath(beard);
  p.setPen(QPen(QColor(120, 116, 140, 170), 1.2));
  for (int i = 0; i < 9; ++i) {
    QPainterPath s(QPointF(274 + i * 6.5, 200));
    s.quadTo(284 + i * 3.5, 270, 302, 326);
    p.drawPath(s);
  }
  p.restore();

  QPainterPath face;
  face.addEllipse(QPointF(300, 196), 34, 20);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(14, 8, 24));
  p.drawPath(face);
  const QImage eyes = layer(kSceneW, kSceneH, [](QPainter& e) {
    e.setPen(Qt::NoPen);
    e.setBrush(QColor(255, 230, 120));
    e.drawEllipse(QPointF(287, 199), 5.5, 2.6);
    e.drawEllipse(QPointF(313, 199), 5.5, 2.6);
  });
  shine(p, eyes, 5, 2.0);
}

// The pointed hat with its band, a star and a crescent.
void hat(QPainter& p) {
  QPainterPath cone;
  cone.moveTo(236, 168);
  cone.cubicTo(256, 120, 276, 86, 298, 60);
  cone.quadTo(330, 22, 386, 40);
  cone.quadTo(344, 48, 326, 78);
  cone.cubicTo(338, 112, 352, 140, 366, 168);
  cone.closeSubpath();
  cloth(p, cone, 230, 380);
  QPainterPath brim;
  brim.addEllipse(QPointF(300, 170), 110, 20);
  cloth(p, brim, 190, 410);
  p.save();
  p.setClipPath(cone);
  p.setPen(QPen(QColor(200, 150, 50), 11));
  p.drawLine(QPointF(230, 156), QPointF(372, 156));
  p.setPen(QPen(QColor(250, 214, 110), 3));
  p.drawLine(QPointF(230, 152), QPointF(372, 152));
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 224, 120));
  p.drawPath(star5(QPointF(296, 118), 11));
  QPainterPath moon;
  moon.addEllipse(QPointF(318, 92), 8, 8);
  QPainterPath cut;
  cut.addEllipse(QPointF(322, 89), 7, 7);
  p.drawPath(moon.subtracted(cut));
}

// The orb on the staff and the spell in the left hand.
void lights(QPainter& p) {
  const QImage light = layer(kSceneW, kSceneH, [](QPainter& l) {
    const QPointF orb = kStaffTop + QPointF(4, -30);
    QRadialGradient g(orb + QPointF(-5, -5), 22);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.4, QColor(150, 240, 255));
    g.setColorAt(1, QColor(60, 90, 255));
    l.setPen(Qt::NoPen);
    l.setBrush(g);
    l.drawEllipse(orb, 17, 17);
    const QPointF spell(150, 212);
    glowDisc(
        l, spell, 26,
        {{0, QColor(255, 255, 255)}, {0.3, QColor(255, 200, 255)}, {1, QColor(170, 60, 255, 0)}});
    l.setBrush(QColor(255, 245, 255));
    l.drawPath(sparkle(spell, 34, 0.06));
    l.drawPath(sparkle(orb, 40, 0.05));
    l.translate(spell);
    l.setPen(QPen(QColor(230, 170, 255), 1.5));
    l.setBrush(Qt::NoBrush);
    l.scale(1, 0.5);
    magicCircle(l, 40, QColor(230, 170, 255), 1.0, QStringLiteral("ルミナーク光"), 5);
  });
  glow(p, light, 12, 2.0);
  shine(p, light, 3, 1.0);
  const QImage specks = layer(kSceneW, kSceneH, [](QPainter& m) {
    motes(m, QRectF(110, 260, 380, 190), 40, 905, QColor(150, 230, 255));
    motes(m, QRectF(100, 150, 110, 120), 25, 906, QColor(255, 190, 255));
  });
  shine(p, specks, 2, 1.0);
}

}  // namespace

QImage sorcererScene() {
  return scene({901, QColor(12, 6, 36), QColor(40, 14, 58), QColor(70, 40, 120), 180}, 0.5,
               [](QPainter& p) {
                 moon(p);
                 farHills(p);
                 groundCircle(p);
                 staff(p);
                 robe(p);
                 arms(p);
                 beardAndFace(p);
                 hat(p);
                 lights(p);
               });
}

}  // namespace art
