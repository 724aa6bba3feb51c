// The badges of whose turn it is, the hat markers and the spell's star.
#include "Icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include "Paint.h"

namespace art {

namespace {

constexpr int kIcon = 96;  // a badge or a hat, drawn at this size

// The upper side's violet and gold, the lower side's blue and silver.
struct Tone {
  QColor light, dark, rim;
};
const Tone kUpper{QColor(196, 140, 255), QColor(60, 16, 120), QColor(250, 214, 120)};
const Tone kLower{QColor(120, 220, 255), QColor(10, 60, 120), QColor(235, 240, 255)};

const Tone& toneOf(bool upper) {
  return upper ? kUpper : kLower;
}

// A round glossy badge with a dark rim.
void badge(QPainter& p, const Tone& tone) {
  const QPointF c(kIcon / 2.0, kIcon / 2.0);
  const QImage shadow = layer(kIcon, kIcon, [&](QPainter& s) {
    s.setPen(Qt::NoPen);
    s.setBrush(QColor(0, 0, 0, 170));
    s.drawEllipse(c + QPointF(1.5, 2.5), 42, 42);
  });
  p.drawImage(0, 0, blur(shadow, 2));
  QRadialGradient g(c + QPointF(-14, -18), 70);
  g.setColorAt(0, tone.light);
  g.setColorAt(1, tone.dark);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, 42, 42);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 8, 30), 4.5));
  p.drawEllipse(c, 42, 42);
  p.setPen(QPen(tone.rim, 2.6));
  p.drawEllipse(c, 42, 42);
  p.setPen(QPen(withAlpha(tone.rim, 120), 1));
  p.drawEllipse(c, 37.5, 37.5);
  // gloss
  QPainterPath gloss;
  gloss.addEllipse(QPointF(c.x(), c.y() - 20), 30, 16);
  QLinearGradient gl(0, c.y() - 36, 0, c.y() - 6);
  gl.setColorAt(0, QColor(255, 255, 255, 80));
  gl.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.fillPath(gloss, gl);
}

// A robot's head on the badge.
QImage computerIcon(const Tone& tone) {
  return layer(kIcon, kIcon, [&](QPainter& p) {
    badge(p, tone);
    p.translate(0, 8);  // the robot's head in the middle of the badge
    // antenna
    p.setPen(QPen(QColor(20, 10, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(48, 26), QPointF(48, 17));
    p.setPen(QPen(QColor(210, 210, 225), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(48, 26), QPointF(48, 17));
    // head
    const QRectF head(27, 25, 42, 34);
    QLinearGradient hg(head.topLeft(), head.bottomLeft());
    hg.setColorAt(0, QColor(245, 245, 252));
    hg.setColorAt(1, QColor(150, 152, 172));
    p.setPen(QPen(QColor(20, 10, 30), 2));
    p.setBrush(hg);
    p.drawRoundedRect(QRectF(22, 34, 6, 14), 2, 2);
    p.drawRoundedRect(QRectF(68, 34, 6, 14), 2, 2);
    p.drawRoundedRect(head, 9, 9);
    // visor
    const QRectF visor(32, 31, 32, 17);
    p.setBrush(QColor(16, 12, 34));
    p.setPen(QPen(QColor(60, 60, 80), 1));
    p.drawRoundedRect(visor, 6, 6);
    const QImage eyes = layer(kIcon, kIcon, [&](QPainter& e) {
      e.setPen(Qt::NoPen);
      e.setBrush(tone.light.lighter(115));
      e.drawEllipse(QPointF(41, 39.5), 4, 4);
      e.drawEllipse(QPointF(55, 39.5), 4, 4);
      e.setBrush(QColor(255, 90, 120));
      e.drawEllipse(QPointF(48, 15.5), 3.6, 3.6);
    });
    shine(p, eyes, 2, 1.5);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(40, 38.5), 1.3, 1.3);
    p.drawEllipse(QPointF(54, 38.5), 1.3, 1.3);
    // mouth grille
    p.setPen(QPen(QColor(70, 72, 96), 1.4));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(40 + i * 5.3, 52), QPointF(40 + i * 5.3, 56));
  });
}

// A person's head and shoulders on the badge.
QImage humanIcon(const Tone& tone) {
  return layer(kIcon, kIcon, [&](QPainter& p) {
    badge(p, tone);
    p.translate(0, 6);  // head and shoulders in the middle of the badge
    QPainterPath body;
    body.moveTo(25, 64);
    body.cubicTo(25, 50, 36, 46, 48, 46);
    body.cubicTo(60, 46, 71, 50, 71, 64);
    body.closeSubpath();
    QPainterPath head;
    head.addEllipse(QPointF(48, 32), 11.5, 12.5);
    QLinearGradient g(0, 18, 0, 64);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, tone.light.lighter(105));
    p.setPen(QPen(QColor(20, 8, 30), 2.2));
    p.setBrush(g);
    p.drawPath(body);
    p.drawPath(head);
  });
}

}  // namespace

QImage hatIcon(bool upper) {
  const Tone& tone = toneOf(upper);
  return layer(kIcon, kIcon, [&](QPainter& p) {
    QPainterPath cone;
    cone.moveTo(24, 70);
    cone.cubicTo(34, 52, 42, 32, 50, 20);
    cone.quadTo(62, 4, 82, 12);
    cone.quadTo(66, 16, 60, 28);
    cone.cubicTo(64, 44, 68, 58, 74, 70);
    cone.closeSubpath();
    QPainterPath brim;
    brim.addEllipse(QPointF(48, 72), 42, 11);
    QPainterPath hat = cone.united(brim);
    const QImage shadow = layer(
        kIcon, kIcon, [&](QPainter& s) { s.fillPath(hat.translated(2, 3), QColor(0, 0, 0, 170)); });
    p.drawImage(0, 0, blur(shadow, 2));
    QLinearGradient g(10, 0, 86, 0);
    g.setColorAt(0, tone.dark);
    g.setColorAt(0.45, tone.light);
    g.setColorAt(1, tone.dark);
    p.setPen(QPen(QColor(14, 6, 26), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(brim);
    p.drawPath(cone);
    p.save();
    p.setClipPath(cone);
    p.setPen(QPen(QColor(200, 150, 50), 7));
    p.drawLine(QPointF(20, 63), QPointF(80, 63));
    p.setPen(QPen(QColor(255, 222, 120), 2));
    p.drawLine(QPointF(20, 61), QPointF(80, 61));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 228, 120));
    p.drawPath(star5(QPointF(47, 44), 7.5));
    p.setBrush(QColor(255, 255, 240));
    p.drawPath(sparkle(QPointF(84, 12), 9, 0.08));
    p.drawPath(sparkle(QPointF(16, 40), 6, 0.08));
  });
}

namespace {

// The side-to-move icons. The window puts their pictures' corners where the game places
// them; each badge stands inside a larger transparent picture where it hides no piece, label,
// notation or player's name: for the upper side in the gap right of the file label 5, above
// the board, for the lower side under the board, below where a record's player is named.
// Twips from the picture's corner; the window shows the pictures at these sizes.
struct BadgePlace {
  double w, h;  // the picture
  double x, y;  // the badge's corner
};
constexpr double kBadge = 230;
constexpr BadgePlace kUpperComBadge{540, 330, 307, 75};  // picture corner 350 twips above row 1
constexpr BadgePlace kUpperManBadge{540, 330, 307, 25};  // 300 twips above row 1
constexpr BadgePlace kLowerBadge{540, 930, 82, 700};     // 350 twips above row 10.1

QImage placedBadge(const QImage& badge, const BadgePlace& at) {
  QImage img =
      blank(static_cast<int>(at.w / kTwipsPerPixel), static_cast<int>(at.h / kTwipsPerPixel));
  QPainter p(&img);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRectF(at.x / kTwipsPerPixel, at.y / kTwipsPerPixel, kBadge / kTwipsPerPixel,
                     kBadge / kTwipsPerPixel),
              badge);
  p.end();
  return img;
}

}  // namespace

QImage sideIcon(bool upper, Player who) {
  const Tone& tone = toneOf(upper);
  const QImage icon = who == Player::computer ? computerIcon(tone) : humanIcon(tone);
  if (!upper) return placedBadge(icon, kLowerBadge);
  return placedBadge(icon, who == Player::computer ? kUpperComBadge : kUpperManBadge);
}

// The spell's star: the window puts the picture's corner 100 twips left of and 300 above the
// target square; the star burns over the square's upper-left part, bigger than a square,
// white-hot in the middle with golden rays and a wide glow. Twips.
constexpr double kStarW = 700, kStarH = 800;
constexpr double kStarX = 300, kStarY = 400;  // the star's centre in the picture
constexpr double kStarR = 300;                // its longest rays

QImage starIcon() {
  const double k = 1 / kTwipsPerPixel;
  QImage img = blank(static_cast<int>(kStarW * k), static_cast<int>(kStarH * k));
  const QPointF c(kStarX * k, kStarY * k);
  const double r = kStarR * k;
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // a glow of the spell's violet, so the star stands out on the wooden board too
  glowDisc(p, c, r,
           {{0, QColor(255, 250, 220, 240)},
            {0.3, QColor(236, 150, 255, 210)},
            {0.65, QColor(150, 60, 230, 130)},
            {1, QColor(90, 20, 180, 0)}});
  const QImage rays = layer(img.width(), img.height(), [&](QPainter& q) {
    q.setPen(Qt::NoPen);
    q.setBrush(QColor(255, 222, 96));
    q.drawPath(sparkle(c, r, 0.2));
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(45);
    t.translate(-c.x(), -c.y());
    q.drawPath(t.map(sparkle(c, r * 0.7, 0.2)));
    // small sparks thrown off the star
    const QPointF sparks[] = {{-0.55, -0.62}, {0.66, -0.42}, {0.5, 0.7}, {-0.62, 0.5}};
    const double sizes[] = {0.16, 0.12, 0.14, 0.1};
    for (int i = 0; i < 4; ++i) q.drawPath(sparkle(c + sparks[i] * r, sizes[i] * r, 0.2));
  });
  shine(p, rays, 6, 2.2);
  // the star's body: gold rimmed in orange, white-hot inside
  const QPainterPath body = star5(c, r * 0.6);
  p.setPen(QPen(QColor(200, 70, 10), r * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QRadialGradient gold(c, r * 0.6);
  gold.setColorAt(0, QColor(255, 250, 200));
  gold.setColorAt(0.5, QColor(255, 222, 90));
  gold.setColorAt(1, QColor(255, 172, 30));
  p.setBrush(gold);
  p.drawPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 250, 230));
  p.drawPath(sparkle(c, r * 0.8, 0.04));
  QRadialGradient core(c, r * 0.14);
  core.setColorAt(0, QColor(255, 255, 255));
  core.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(core);
  p.drawEllipse(c, r * 0.14, r * 0.14);
  p.end();
  return img;
}

}  // namespace art
