// The background tiles, each drawn pixel by pixel from tiling noise, with strokes on top that
// wrap round the tile's edges.
#include "Backgrounds.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <vector>

#include "Noise.h"
#include "Paint.h"

namespace art {

QImage feltTile() {
  QImage img(kCellW, kCellH, QImage::Format_ARGB32_Premultiplied);
  const TileNoise mottle(6, 8, 3, 201), grain(33, 41, 2, 202), hair(12, 15, 3, 203);
  Rng rng(204);
  const QColor dark(14, 78, 38), light(52, 148, 76);
  for (int y = 0; y < kCellH; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < kCellW; ++x) {
      const double fx = (x + 0.5) / kCellW, fy = (y + 0.5) / kCellH;
      const double t = 0.50 + 0.55 * (mottle(fx, fy) - 0.5) + 0.55 * (grain(fx, fy) - 0.5) +
                       0.45 * (hair(fx, fy) - 0.5);
      const QColor c = mix(dark, light, t);
      const double j = rng.range(-7, 7);
      row[x] = rgb(c.red() + j * 0.6, c.green() + j, c.blue() + j * 0.6);
    }
  }
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 700; ++i) {
    const QPointF a(rng.range(0, kCellW), rng.range(0, kCellH));
    const double ang = rng.range(0, 2 * kPi), len = rng.range(2.5, 7.5);
    const QPointF b = a + QPointF(std::cos(ang), std::sin(ang)) * len;
    const QPointF c = (a + b) / 2 + QPointF(rng.range(-1.5, 1.5), rng.range(-1.5, 1.5));
    const bool lighter = rng.uni() < 0.55;
    const QColor col = lighter ? QColor(120, 210, 130, static_cast<int>(rng.range(25, 60)))
                               : QColor(0, 40, 15, static_cast<int>(rng.range(30, 70)));
    const double wdt = rng.range(0.5, 0.95);
    wrapped(p, kCellW, kCellH, [&] {
      QPainterPath path(a);
      path.quadTo(c, b);
      p.setPen(QPen(col, wdt, Qt::SolidLine, Qt::RoundCap));
      p.drawPath(path);
    });
  }
  return img;
}

QImage tatamiTile() {
  QImage img(kCellW, kCellH, QImage::Format_ARGB32_Premultiplied);
  const int rows = 30;  // rush stalks in one tile
  const double rowH = static_cast<double>(kCellH) / rows;
  const double warpStep = kCellW / 6.0;  // the binding threads underneath
  const TileNoise along(9, rows, 2, 301), spot(4, 5, 3, 302), fibre(5, 123, 1, 304);
  Rng rng(303);
  std::vector<double> tone(rows), hue(rows);
  for (int i = 0; i < rows; ++i) {
    tone[static_cast<size_t>(i)] = rng.range(-0.06, 0.06);
    hue[static_cast<size_t>(i)] = rng.range(0, 1);
  }
  const QColor straw(228, 216, 152), green(188, 196, 116);
  for (int y = 0; y < kCellH; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < kCellW; ++x) {
      double sr = 0, sg = 0, sb = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 2; ++sx) {
          const double px = x + (sx + 0.5) / 2, py = y + (sy + 0.5) / 4;
          const int r = std::min(rows - 1, static_cast<int>(py / rowH));
          const double v = py / rowH - r;  // 0..1 across the stalk
          double d = std::fmod(px, warpStep);
          d = std::min(d, warpStep - d);
          const double dent = std::exp(-d * d / 0.6);
          const double bulge = std::pow(std::sin(kPi * v), 0.6);
          const double fx = px / kCellW, fy = py / kCellH;
          const QColor base =
              mix(straw, green,
                  0.20 + 0.65 * hue[static_cast<size_t>(r)] + 0.30 * (spot(fx, fy) - 0.5));
          const double k =
              (0.76 + 0.24 * bulge) * (1 - 0.10 * dent) + tone[static_cast<size_t>(r)] +
              0.12 * (along(fx, (r + 0.5) / rows) - 0.5) + 0.14 * (fibre(fx, fy) - 0.5);
          sr += base.red() * k;
          sg += base.green() * k;
          sb += base.blue() * k;
        }
      row[x] = rgb(sr / 8, sg / 8, sb / 8);
    }
  }
  return img;
}

QImage bambooTile() {
  QImage img(kCellW, kCellH, QImage::Format_ARGB32_Premultiplied);
  const int widths[3] = {31, 36, 32};
  const double nodes[3] = {22.0, 86.0, 52.0};
  const double tints[3] = {0.15, 0.0, 0.35};
  const TileNoise streak(50, 2, 3, 401, 0.6), spot(3, 4, 3, 402);
  const QColor deep(34, 74, 24), base(104, 160, 62), yellow(176, 180, 80), shine(228, 240, 190);
  int left = 0;
  for (int k = 0; k < 3; ++k) {
    const int w = widths[k];
    for (int x = left; x < left + w; ++x) {
      const double u = ((x + 0.5) - left) / w * 2 - 1;  // -1..1 across the culm
      const double body = std::sqrt(std::max(0.0, 1 - u * u));
      for (int y = 0; y < kCellH; ++y) {
        const double fx = (x + 0.5) / kCellW, fy = (y + 0.5) / kCellH;
        double dy = y + 0.5 - nodes[k];
        dy -= kCellH * std::round(dy / kCellH);  // wrap
        QColor c = mix(base, yellow, tints[k] + 0.5 * (spot(fx, fy) - 0.5));
        double shade = 0.25 + 0.85 * body + 0.18 * (streak(fx, fy) - 0.5);
        // the node: a dark groove with a raised light ring above it
        if (std::abs(dy) < 1.2) shade *= 0.5;
        if (dy <= -1.2 && dy > -5.5) shade *= 1.0 + 0.30 * std::exp(-(dy + 2.6) * (dy + 2.6) / 1.8);
        if (dy >= 1.2 && dy < 5.0) shade *= 0.80 + 0.04 * dy;
        c = mix(deep, c, shade);
        const double gloss = std::exp(-(u + 0.38) * (u + 0.38) / 0.02);
        c = mix(c, shine, 0.45 * gloss * (std::abs(dy) < 1.2 ? 0.3 : 1.0));
        // shadow where two culms meet
        const double edge = 1 - std::abs(u);
        if (edge < 0.12) c = mix(QColor(12, 26, 8), c, edge / 0.12);
        reinterpret_cast<QRgb*>(img.scanLine(y))[x] = c.rgb();
      }
    }
    left += w;
  }
  return img;
}

QImage spaceTile() {
  QImage img(kCellW, kCellH, QImage::Format_ARGB32_Premultiplied);
  const TileNoise cloud(3, 4, 4, 501, 0.55), cloud2(4, 5, 3, 502, 0.55), dust(12, 15, 2, 503);
  for (int y = 0; y < kCellH; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < kCellW; ++x) {
      const double fx = (x + 0.5) / kCellW, fy = (y + 0.5) / kCellH;
      const double a = std::pow(clamp01((cloud(fx, fy) - 0.38) * 2.0), 2.0);
      const double b = std::pow(clamp01((cloud2(fx, fy) - 0.42) * 2.2), 2.0);
      const double d = 0.5 + 0.5 * (dust(fx, fy) - 0.5);
      row[x] = rgb(7 + 46 * a + 8 * b, 6 + 12 * a + 24 * b, 24 + 64 * a * d + 56 * b);
    }
  }
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  Rng rng(504);
  for (int i = 0; i < 90; ++i) {
    const QPointF c(rng.range(0, kCellW), rng.range(0, kCellH));
    const double bright = std::pow(rng.uni(), 3);
    const double r = 0.45 + 0.9 * bright;
    const double hue = rng.uni();
    const QColor col = hue < 0.2   ? QColor(255, 220, 180)
                       : hue < 0.4 ? QColor(180, 210, 255)
                                   : QColor(255, 255, 255);
    const int alpha = static_cast<int>(110 + 145 * bright);
    wrapped(p, kCellW, kCellH, [&] {
      glowDisc(
          p, c, r * 2.2,
          {{0, withAlpha(col, alpha)}, {0.35, withAlpha(col, alpha / 2)}, {1, withAlpha(col, 0)}});
    });
  }
  const QPointF big[2] = {QPointF(24, 30), QPointF(74, 92)};
  const double size[2] = {4.2, 3.4};
  for (int i = 0; i < 2; ++i) {
    wrapped(p, kCellW, kCellH, [&] {
      glowDisc(p, big[i], size[i] * 1.2,
               {{0, QColor(210, 225, 255, 130)}, {1, QColor(120, 140, 255, 0)}});
      p.setBrush(QColor(255, 255, 255, 220));
      p.drawPath(sparkle(big[i], size[i], 0.08));
    });
  }
  return img;
}

QImage brickTile() {
  QImage img(kCellW, kCellH, QImage::Format_ARGB32_Premultiplied);
  const int rows = 6, perRow = 2;
  const double bh = static_cast<double>(kCellH) / rows, bw = static_cast<double>(kCellW) / perRow;
  const double mortar = 1.5;  // half width of a joint
  const TileNoise grit(33, 41, 2, 601), patch(6, 8, 3, 602), sand(49, 61, 1, 603);
  Rng rng(604);
  std::vector<QColor> bricks;
  const QColor palette[5] = {QColor(158, 62, 40), QColor(176, 80, 48), QColor(136, 52, 36),
                             QColor(166, 92, 58), QColor(122, 46, 34)};
  for (int i = 0; i < rows * perRow; ++i) {
    QColor c = palette[static_cast<int>(rng.uni() * 5) % 5];
    c = mix(c, QColor(90, 40, 30), rng.range(0, 0.25));
    bricks.push_back(c);
  }
  for (int y = 0; y < kCellH; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < kCellW; ++x) {
      double r = 0, g = 0, b = 0;
      for (int sy = 0; sy < 3; ++sy)
        for (int sx = 0; sx < 3; ++sx) {
          const double px = x + (sx + 0.5) / 3, py = y + (sy + 0.5) / 3;
          const int ri = static_cast<int>(py / bh) % rows;
          const double off = (ri % 2) * bw / 2;
          const double qx = std::fmod(px + off, static_cast<double>(kCellW));
          const int ci = static_cast<int>(qx / bw) % perRow;
          const double lx = qx - ci * bw, ly = py - ri * bh;
          const double ex = std::min(lx, bw - lx), ey = std::min(ly, bh - ly);
          const double fx = px / kCellW, fy = py / kCellH;
          QColor c;
          if (std::min(ex, ey) < mortar) {
            const double n = sand(fx, fy);
            c = mix(QColor(150, 140, 124), QColor(196, 188, 170), n);
            // joints are recessed: shade under the upper brick
            if (ey < mortar && ly < bh / 2) c = c.darker(118);
          } else {
            c = bricks[static_cast<size_t>(ri * perRow + ci)];
            const double t = 0.5 + 0.9 * (grit(fx, fy) - 0.5) + 0.6 * (patch(fx, fy) - 0.5);
            c = mix(c.darker(125), c.lighter(118), t);
            const double e = std::min(ex, ey) - mortar;
            if (e < 1.6) {
              // rounded arrises: light on top and left, dark on bottom and right
              const bool lit = (ey < ex) ? (ly < bh / 2) : (lx < bw / 2);
              c = lit ? mix(c, c.lighter(135), 1 - e / 1.6) : mix(c, c.darker(150), 1 - e / 1.6);
            }
          }
          r += c.red();
          g += c.green();
          b += c.blue();
        }
      row[x] = rgb(r / 9, g / 9, b / 9);
    }
  }
  // a little grit on top
  QPainter p(&img);
  for (int i = 0; i < 260; ++i) {
    const int x = static_cast<int>(rng.range(0, kCellW)),
              y = static_cast<int>(rng.range(0, kCellH));
    const bool dark = rng.uni() < 0.6;
    QColor c = QColor::fromRgb(img.pixel(x, y));
    c = dark ? c.darker(130) : c.lighter(125);
    img.setPixel(x, y, c.rgb());
  }
  return img;
}

}  // namespace art
