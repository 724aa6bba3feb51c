// The board square's kaya and the boxwood pieces: plain, promoted in red, and sealed under the
// spell's violet ring with a red 封 stamp.
#include "Pieces.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "Noise.h"

namespace art {

QImage boardWood() {
  QImage img(kCellW, kCellH, QImage::Format_ARGB32_Premultiplied);
  const TileNoise warp(2, 2, 3, 101), streak(33, 1, 3, 102, 0.6), blotch(2, 2, 3, 103),
      fine(99, 3, 1, 104);
  const QColor light(234, 184, 110), dark(184, 120, 54);
  for (int y = 0; y < kCellH; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < kCellW; ++x) {
      const double fx = (x + 0.5) / kCellW, fy = (y + 0.5) / kCellH;
      const double w = warp(fx, fy);
      const double g = std::sin(2 * kPi * (fx * 5 + 0.45 * w));
      const double line = std::pow(0.5 + 0.5 * g, 8);
      const double band = 0.5 + 0.5 * std::sin(2 * kPi * (fx * 3 + 0.7 * w));
      const double t = 0.22 + 0.30 * line + 0.10 * band + 0.45 * (streak(fx, fy) - 0.5) +
                       0.30 * (blotch(fx, fy) - 0.5) + 0.12 * (fine(fx, fy) - 0.5);
      const QColor c = mix(light, dark, t);
      row[x] = c.rgb();
    }
  }
  return img;
}

QImage boxwoodFace(uint64_t seed, int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  const TileNoise streak(40, 1, 3, seed, 0.55), soft(3, 3, 2, seed + 7);
  const QColor hi(254, 240, 196), lo(234, 200, 128);
  for (int y = 0; y < h; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double fx = (x + 0.5) / w, fy = (y + 0.5) / h;
      const double t = 0.55 * (fx * 0.45 + fy * 0.75) + 0.35 * (streak(fx, fy) - 0.5) +
                       0.25 * (soft(fx, fy) - 0.5);
      row[x] = mix(hi, lo, t).rgb();
    }
  }
  return img;
}

namespace {

// Pentagon of a piece around the origin, point up.
QPolygonF pieceOutline(double w, double h) {
  return QPolygonF{QPointF(0, -h / 2), QPointF(w * 0.40, -h / 2 + h * 0.26), QPointF(w / 2, h / 2),
                   QPointF(-w / 2, h / 2), QPointF(-w * 0.40, -h / 2 + h * 0.26)};
}

// The chamfered edge of a piece, between its outline and its face, lit from the upper left.
void pieceEdge(QPainter& p, const PieceCut& cut) {
  const QPolygonF& outer = cut.outer;
  const QPolygonF& inner = cut.inner;
  const QPointF light = unit(QPointF(-0.55, -0.83));
  const QColor edgeMid(214, 168, 98), edgeHi(252, 232, 182), edgeLo(146, 98, 44);
  p.fillPath(cut.outerPath, edgeMid);
  p.save();
  p.setClipPath(cut.outerPath);
  const QPointF mid = centroid(outer);
  for (int i = 0; i < outer.size(); ++i) {
    const int j = (i + 1) % outer.size();
    const QPointF dir = unit(outer[j] - outer[i]);
    QPointF nrm(-dir.y(), dir.x());
    if (dot(nrm, outer[i] - mid) < 0) nrm = -nrm;
    const double s = dot(nrm, light);
    const QColor c = s > 0 ? mix(edgeMid, edgeHi, s) : mix(edgeMid, edgeLo, -s);
    p.setPen(QPen(c, 0.6));
    p.setBrush(c);
    p.drawPolygon(QPolygonF{outer[i], outer[j], inner[j], inner[i]});
  }
  p.restore();
}

// Violet magic ring over a sealed piece.
void sealRing(QPainter& p, QPointF c, double r) {
  const QImage ring = layer(kCellW, kCellH, [&](QPainter& l) {
    l.translate(c);
    l.setPen(QPen(QColor(190, 110, 255), 2.2));
    l.drawEllipse(QPointF(0, 0), r, r);
    l.setPen(QPen(QColor(190, 110, 255), 1.0));
    l.drawEllipse(QPointF(0, 0), r * 0.86, r * 0.86);
    for (int i = 0; i < 24; ++i) {
      const double ang = 2 * kPi * i / 24;
      const QPointF d(std::cos(ang), std::sin(ang));
      l.drawLine(d * r * 0.87, d * r * (i % 3 == 0 ? 0.99 : 0.94));
    }
    l.setPen(QPen(QColor(190, 110, 255, 150), 0.9));
    l.drawPolygon(starPolygon(6, 1, r * 0.86));
  });
  glow(p, ring, 3, 1.6);
  p.drawImage(0, 0, tinted(ring, QColor(120, 30, 200, 230)));
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  p.setOpacity(0.45);
  p.drawImage(0, 0, ring);
  p.restore();
}

// The red 封 stamp in the corner of a sealed piece.
void sealStamp(QPainter& p, QPointF stampAt) {
  const double sr = 13.5;
  const QImage sh = layer(kCellW, kCellH, [&](QPainter& s) {
    s.setBrush(QColor(60, 0, 80, 200));
    s.setPen(Qt::NoPen);
    s.drawEllipse(stampAt + QPointF(1, 1.5), sr + 1, sr + 1);
  });
  p.drawImage(0, 0, blur(sh, 2));
  QRadialGradient rg(stampAt - QPointF(sr * 0.35, sr * 0.35), sr * 1.4);
  rg.setColorAt(0, QColor(240, 60, 70));
  rg.setColorAt(1, QColor(150, 10, 60));
  p.setPen(QPen(QColor(255, 220, 235), 1.3));
  p.setBrush(rg);
  p.drawEllipse(stampAt, sr, sr);
  p.setPen(QPen(QColor(255, 225, 235, 200), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(stampAt, sr - 2.4, sr - 2.4);
  const QPainterPath fu =
      fitPath(textPath(QStringLiteral("封"), serifFont(100)),
              QRectF(stampAt.x() - sr * 0.55, stampAt.y() - sr * 0.55, sr * 1.1, sr * 1.1));
  p.fillPath(fu, QColor(255, 245, 250));
}

// A piece on the board: its bevel and its outline's line, in pixels.
constexpr Bevel kPieceBevel{3.6, 3.2, 2.2};
constexpr double kPieceOutline = 1.0;

}  // namespace

QPainterPath pieceInk(const PieceArt& a) {
  if (!a.symbols.isEmpty()) return a.symbols;
  const QFont f = serifFont(200);
  QPainterPath ink;
  if (a.glyphs.size() == 1) {
    const QRectF box(-a.w * 0.335, -a.h * 0.215, a.w * 0.67, a.h * 0.60);
    ink = fitPath(textPath(a.glyphs, f), box);
  } else {
    const double top = -a.h * 0.29, total = a.h * 0.74, gap = a.h * 0.02;
    const double each = (total - gap) / 2;
    const double bw = a.w * 0.50;
    ink.addPath(fitPath(textPath(a.glyphs.mid(0, 1), f), QRectF(-bw / 2, top, bw, each), 0.78));
    ink.addPath(fitPath(textPath(a.glyphs.mid(1, 1), f),
                        QRectF(-bw / 2, top + each + gap, bw, each), 0.78));
  }
  ink.setFillRule(Qt::WindingFill);
  return ink;
}

PieceCut cutPiece(const PieceArt& a, const QTransform& t, const Bevel& bevel) {
  PieceCut cut;
  cut.outer = t.map(pieceOutline(a.w, a.h));
  cut.inner = inset(cut.outer, bevel.width);
  cut.outerPath = rounded(cut.outer, bevel.outerRound);
  cut.innerPath = rounded(cut.inner, bevel.innerRound);
  return cut;
}

QImage silhouette(const PieceCut& cut, int w, int h) {
  return layer(w, h, [&](QPainter& m) { m.fillPath(cut.outerPath, Qt::black); });
}

void pieceWood(QPainter& p, const PieceArt& a, const PieceCut& cut, const QImage& face) {
  pieceEdge(p, cut);
  p.save();
  p.setClipPath(cut.innerPath);
  p.drawImage(0, 0, face);
  QRadialGradient hl(centroid(cut.outer) + QPointF(-a.w * 0.22, -a.h * 0.30), a.h * 0.75);
  hl.setColorAt(0, QColor(255, 252, 235, 90));
  hl.setColorAt(1, QColor(255, 252, 235, 0));
  p.fillPath(cut.innerPath, hl);
  p.restore();
}

void lacquerInk(QPainter& p, const QPainterPath& ink, bool red) {
  const QRectF ib = ink.boundingRect();
  QLinearGradient ig(ib.topLeft(), ib.bottomRight());
  if (red) {
    ig.setColorAt(0, QColor(214, 40, 30));
    ig.setColorAt(1, QColor(150, 14, 12));
  } else {
    ig.setColorAt(0, QColor(48, 36, 28));
    ig.setColorAt(1, QColor(8, 6, 4));
  }
  p.fillPath(ink, ig);
}

QImage drawPiece(const QImage& board, const PieceArt& a) {
  QImage img = board.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QTransform t;
  t.translate(kCellW / 2.0, kCellH / 2.0);
  if (a.upper) t.rotate(180);
  const PieceCut cut = cutPiece(a, t, kPieceBevel);
  const QImage mask = silhouette(cut, kCellW, kCellH);

  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  if (a.sealed) {
    // a violet aura around the tile
    const QImage aura = tinted(blur(mask, 4), QColor(150, 40, 255));
    p.drawImage(0, 0, aura);
    p.drawImage(0, 0, aura);
  }
  // soft shadow towards the lower right
  const QImage shadow = tinted(blur(mask, 2), QColor(40, 20, 0, 150));
  p.drawImage(2, 3, shadow);
  p.drawImage(1, 1, shadow);

  pieceWood(p, a, cut, boxwoodFace(a.seed));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 244, 210, 120), 0.8));
  p.drawPath(cut.innerPath);
  p.setPen(QPen(QColor(96, 58, 22, 190), kPieceOutline));
  p.drawPath(cut.outerPath);

  if (a.sealed) {
    p.save();
    p.setClipPath(cut.outerPath);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.fillRect(img.rect(), QColor(196, 150, 255));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(img.rect(), QColor(160, 90, 255, 45));
    p.restore();
    sealRing(p, t.map(QPointF(0, a.h * 0.07)), a.w * 0.47);
  }

  // the kanji, lacquered into the wood
  const QPainterPath ink = t.map(pieceInk(a));
  if (a.sealed) {
    // a pale rim keeps the kanji readable through the violet
    p.setPen(QPen(QColor(255, 240, 255, 170), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ink);
  } else {
    p.fillPath(ink.translated(0.7, 0.9), QColor(255, 246, 220, 160));
  }
  lacquerInk(p, ink, a.red);
  // the stamp in a corner beside the point, where symbols leave room; kanji in the lower right
  constexpr double kStampInset = 17.5;
  const bool stampAbove = !a.symbols.isEmpty() && !a.upper;
  if (a.sealed)
    sealStamp(p, QPointF(kCellW - kStampInset, stampAbove ? kStampInset : kCellH - kStampInset));
  p.end();
  return img;
}

}  // namespace art
