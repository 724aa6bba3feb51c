// The international pieces' ink: each kind's symbol in the middle of the tile and its moves round
// it, every mark placed in the direction of its move.
#include "IntlPieces.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <cmath>
#include <iterator>

#include "Paint.h"

namespace art {

namespace {

// The eight neighbours, clockwise from straight ahead (y grows backwards, away from the opponent).
enum Way : unsigned { F = 1, FR = 2, R = 4, BR = 8, B = 16, BL = 32, L = 64, FL = 128 };
constexpr QPointF kWays[] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
constexpr unsigned kOrthogonal = F | R | B | L;
constexpr unsigned kDiagonal = FR | BR | BL | FL;
constexpr unsigned kGoldSteps = F | FR | FL | R | L | B;

struct Moves {
  unsigned steps = 0;  // one square
  unsigned lines = 0;  // any number of squares
  bool jumps = false;  // the knight's two jumps forward
};

// The unit symbols, drawn in a box from -1 to 1.
QPainterPath polygonPath(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}
QPainterPath pawnSymbol() {
  return polygonPath({{0, -0.8}, {0.7, 0.7}, {-0.7, 0.7}});
}
QPainterPath lanceSymbol() {
  return polygonPath(
      {{0, -1}, {0.5, -0.2}, {0.17, -0.2}, {0.17, 1}, {-0.17, 1}, {-0.17, -0.2}, {-0.5, -0.2}});
}
// A thick arc round the middle, from `start` degrees (anticlockwise from the right) on.
QPainterPath band(double start, double sweep, double radius, double width, double lift = 0) {
  const QRectF round(-radius, -radius - lift, 2 * radius, 2 * radius);
  QPainterPath arc;
  arc.arcMoveTo(round, start);
  arc.arcTo(round, start, sweep);
  QPainterPathStroker stroke;
  stroke.setWidth(width);
  stroke.setCapStyle(Qt::FlatCap);
  return stroke.createStroke(arc);
}
// a horseshoe
QPainterPath knightSymbol() {
  return band(-40, 260, 0.68, 0.46, 0.12);
}
QPainterPath silverSymbol() {
  return polygonPath({{0, -1}, {0.78, 0}, {0, 1}, {-0.78, 0}});
}
// a ring, unlike the steps' dots
QPainterPath goldSymbol() {
  return band(0, 360, 0.68, 0.44);
}
QPainterPath barsSymbol(double turn) {
  QPainterPath bars;
  for (double angle : {turn, turn + 90}) {
    QPainterPath bar;
    bar.addRect(-0.2, -1, 0.4, 2);
    bars.addPath(QTransform().rotate(angle).map(bar));
  }
  return bars;
}
QPainterPath bishopSymbol() {
  return barsSymbol(45);
}
QPainterPath rookSymbol() {
  return barsSymbol(0);
}
QPainterPath kingSymbol() {  // a crown
  return polygonPath({{-0.95, 0.7},
                      {-0.95, -0.6},
                      {-0.48, -0.05},
                      {0, -0.9},
                      {0.48, -0.05},
                      {0.95, -0.6},
                      {0.95, 0.7}});
}

struct GlyphArt {
  QPainterPath (*symbol)();
  Moves plain, promoted;
};
// In the order of Glyph.
const GlyphArt kGlyphs[] = {
    {pawnSymbol, {F}, {kGoldSteps}},
    {lanceSymbol, {0, F}, {kGoldSteps}},
    {knightSymbol, {0, 0, true}, {kGoldSteps}},
    {silverSymbol, {F | kDiagonal}, {kGoldSteps}},
    {goldSymbol, {kGoldSteps}, {kGoldSteps}},
    {bishopSymbol, {0, kDiagonal}, {kOrthogonal, kDiagonal}},
    {rookSymbol, {0, kOrthogonal}, {kDiagonal, kOrthogonal}},
    {kingSymbol, {kOrthogonal | kDiagonal}, {kOrthogonal | kDiagonal}},
};
static_assert(std::size(kGlyphs) == static_cast<size_t>(Glyph::King) + 1);

// Where the marks go, as shares of the tile: the middle a little below the centre, where the
// pentagon is widest, and the marks on a ring round it that stays inside the bevel.
constexpr double kMiddle = 0.06;                      // of the height, backwards
constexpr double kRingX = 0.27, kRingY = 0.28;        // of the width, of the height
constexpr double kSymbol = 0.17;                      // half the symbol's size, of the width
constexpr double kDot = 0.085;                        // a step's dot's radius, of the width
constexpr double kJumpX = 0.6, kJumpY = 1.3;          // a jump's mark, of the ring
constexpr double kShaftFrom = 0.55, kShaftTo = 0.74;  // an arrow's shaft, of the ring
constexpr double kArrowTip = 1.08;                    // its point, of the ring
constexpr double kShaft = 0.055, kHead = 0.11;        // half-widths, of the width

QPainterPath dot(QPointF at, double r) {
  QPainterPath path;
  path.addEllipse(at, r, r);
  return path;
}

QPainterPath arrow(QPointF middle, QPointF ring, double w) {
  const QPointF along = unit(ring), across(-along.y(), along.x());
  const QPointF from = middle + ring * kShaftFrom, neck = middle + ring * kShaftTo;
  const QPointF tip = middle + ring * kArrowTip;
  const double shaft = w * kShaft, head = w * kHead;
  return polygonPath({from + across * shaft, neck + across * shaft, neck + across * head, tip,
                      neck - across * head, neck - across * shaft, from - across * shaft});
}

}  // namespace

QPainterPath movesInk(Glyph glyph, bool promoted, double w, double h) {
  const GlyphArt& art = kGlyphs[static_cast<size_t>(glyph)];
  const Moves& moves = promoted ? art.promoted : art.plain;
  const QPointF middle(0, h * kMiddle);
  const double rx = w * kRingX, ry = h * kRingY;
  QPainterPath ink = QTransform()
                         .translate(middle.x(), middle.y())
                         .scale(w * kSymbol, w * kSymbol)
                         .map(art.symbol());
  for (size_t i = 0; i < std::size(kWays); ++i) {
    const QPointF ring(kWays[i].x() * rx, kWays[i].y() * ry);
    if (moves.steps & (1u << i)) ink.addPath(dot(middle + ring, w * kDot));
    if (moves.lines & (1u << i)) ink.addPath(arrow(middle, ring, w));
  }
  if (moves.jumps)
    for (double side : {-1.0, 1.0})
      ink.addPath(dot(middle + QPointF(side * rx * kJumpX, -ry * kJumpY), w * kDot));
  ink.setFillRule(Qt::WindingFill);
  return ink;
}

}  // namespace art
