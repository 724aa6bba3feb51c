// The drawing helpers every picture shares: sizes, colours, layers with their blur and glow,
// polygons, stars and sparkles, and the serif lettering.
#pragma once

#include <QColor>
#include <QFont>
#include <QGradient>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <numbers>

namespace art {

constexpr double kPi = std::numbers::pi;

// Pictures are made at three times the 100 % size: one pixel for every 5 twips.
constexpr double kTwipsPerPixel = 5;
constexpr int kCellW = 99;   // a board square: 495 twips
constexpr int kCellH = 123;  // 615 twips

// ---- colours
double clamp01(double v);
QColor mix(const QColor& a, const QColor& b, double t);
QRgb rgb(double r, double g, double b);
QColor withAlpha(QColor c, int a);

// ---- layers
QImage blank(int w, int h);
// A transparent layer of w x h pixels, painted by draw(QPainter&) with antialiasing.
template <class F>
QImage layer(int w, int h, F&& draw) {
  QImage img = blank(w, h);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  return img;
}
// Three box passes, close to a gaussian. Tiles blur with wrap-around.
QImage blur(const QImage& src, int radius, bool wrap = false);
// Same alpha, one colour.
QImage tinted(const QImage& src, const QColor& c);
// Adds light: the layer is blurred and added on top, `strength` times over.
void glow(QPainter& p, const QImage& layer, int radius, double strength);
// A layer of light: its glow, then the layer itself on top.
void shine(QPainter& p, const QImage& light, int radius, double strength);
// Draws `draw` nine times around a w x h tile so that it wraps at the edges.
template <class F>
void wrapped(QPainter& p, int w, int h, F&& draw) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      p.save();
      p.translate(dx * w, dy * h);
      draw();
      p.restore();
    }
}

// ---- geometry
QPointF unit(QPointF v);
double dot(QPointF a, QPointF b);
QPointF centroid(const QPolygonF& poly);
// Moves every edge of a convex polygon inwards by d.
QPolygonF inset(const QPolygonF& poly, double d);
// The polygon with its corners rounded off by r.
QPainterPath rounded(const QPolygonF& poly, double r);
// A star polygon {n/step} of radius r, first point straight up.
QPolygonF starPolygon(int n, int step, double r, double turn = 0);
// A sparkle: four long points and four short ones.
QPainterPath sparkle(QPointF c, double r, double inner = 0.12);
// A five-pointed star.
QPainterPath star5(QPointF c, double r);
// A round glow: a disc of radius r round c filled with a radial gradient through `stops`.
void glowDisc(QPainter& p, QPointF c, double r, const QGradientStops& stops);

// ---- lettering
// The kanji's typeface: Noto Serif CJK JP, bold.
const QString& serifFamily();
QFont serifFont(int px);
QPainterPath textPath(const QString& s, const QFont& f);
// Scales a path into a box, centred. squash < 1 lets a tall shape be flattened a little
// instead of being shrunk.
QPainterPath fitPath(const QPainterPath& path, const QRectF& box, double squash = 1.0);

}  // namespace art
