// The shared drawing helpers.
#include "Paint.h"

#include <QLineF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

double clamp01(double v) {
  return std::clamp(v, 0.0, 1.0);
}

QColor mix(const QColor& a, const QColor& b, double t) {
  t = clamp01(t);
  return QColor::fromRgbF(
      a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
      a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QRgb rgb(double r, double g, double b) {
  auto c = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); };
  return qRgb(c(r), c(g), c(b));
}

QColor withAlpha(QColor c, int a) {
  c.setAlpha(a);
  return c;
}

QImage blank(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

QImage blur(const QImage& src, int radius, bool wrap) {
  QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (radius < 1) return img;
  const int w = img.width(), h = img.height();
  const int div = 2 * radius + 1;
  std::vector<QRgb> buf(static_cast<size_t>(std::max(w, h)));
  auto pass = [&](QRgb* base, int n, int stride) {
    for (int i = 0; i < n; ++i)
      buf[static_cast<size_t>(i)] = base[static_cast<ptrdiff_t>(i) * stride];
    auto at = [&](int k) {
      k = wrap ? ((k % n) + n) % n : std::clamp(k, 0, n - 1);
      return buf[static_cast<size_t>(k)];
    };
    int s[4] = {0, 0, 0, 0};
    auto add = [&](QRgb c, int sign) {
      s[0] += sign * qAlpha(c);
      s[1] += sign * qRed(c);
      s[2] += sign * qGreen(c);
      s[3] += sign * qBlue(c);
    };
    for (int k = -radius; k <= radius; ++k) add(at(k), 1);
    for (int i = 0; i < n; ++i) {
      base[static_cast<ptrdiff_t>(i) * stride] =
          qRgba((s[1] + div / 2) / div, (s[2] + div / 2) / div, (s[3] + div / 2) / div,
                (s[0] + div / 2) / div);
      add(at(i - radius), -1);
      add(at(i + radius + 1), 1);
    }
  };
  const int stride = static_cast<int>(img.bytesPerLine() / 4);
  for (int p = 0; p < 3; ++p) {
    for (int y = 0; y < h; ++y) pass(reinterpret_cast<QRgb*>(img.scanLine(y)), w, 1);
    for (int x = 0; x < w; ++x) pass(reinterpret_cast<QRgb*>(img.bits()) + x, h, stride);
  }
  return img;
}

QImage tinted(const QImage& src, const QColor& c) {
  QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&img);
  p.setCompositionMode(QPainter::CompositionMode_SourceIn);
  p.fillRect(img.rect(), c);
  return img;
}

void glow(QPainter& p, const QImage& layer, int radius, double strength) {
  const QImage g = blur(layer, radius);
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  while (strength > 0.001) {
    p.setOpacity(std::min(1.0, strength));
    p.drawImage(0, 0, g);
    strength -= 1.0;
  }
  p.restore();
}

void shine(QPainter& p, const QImage& light, int radius, double strength) {
  glow(p, light, radius, strength);
  p.drawImage(0, 0, light);
}

QPointF unit(QPointF v) {
  const double l = std::hypot(v.x(), v.y());
  return l > 0 ? v / l : v;
}

double dot(QPointF a, QPointF b) {
  return a.x() * b.x() + a.y() * b.y();
}

QPointF centroid(const QPolygonF& poly) {
  QPointF c(0, 0);
  for (const QPointF& q : poly) c += q;
  return c / poly.size();
}

QPolygonF inset(const QPolygonF& poly, double d) {
  const int n = static_cast<int>(poly.size());
  const QPointF c = centroid(poly);
  std::vector<QLineF> lines;
  for (int i = 0; i < n; ++i) {
    const QPointF a = poly[i], b = poly[(i + 1) % n];
    const QPointF dir = unit(b - a);
    QPointF nrm(-dir.y(), dir.x());
    if (dot(nrm, c - a) < 0) nrm = -nrm;
    lines.emplace_back(a + nrm * d, b + nrm * d);
  }
  QPolygonF out;
  for (int i = 0; i < n; ++i) {
    QPointF ip;
    lines[static_cast<size_t>((i + n - 1) % n)].intersects(lines[static_cast<size_t>(i)], &ip);
    out << ip;
  }
  return out;
}

QPainterPath rounded(const QPolygonF& poly, double r) {
  QPainterPath path;
  const int n = static_cast<int>(poly.size());
  for (int i = 0; i < n; ++i) {
    const QPointF prev = poly[(i + n - 1) % n], cur = poly[i], next = poly[(i + 1) % n];
    const double ra = std::min(r, QLineF(prev, cur).length() / 2);
    const double rb = std::min(r, QLineF(cur, next).length() / 2);
    const QPointF a = cur + unit(prev - cur) * ra;
    const QPointF b = cur + unit(next - cur) * rb;
    if (i == 0)
      path.moveTo(a);
    else
      path.lineTo(a);
    path.quadTo(cur, b);
  }
  path.closeSubpath();
  return path;
}

QPolygonF starPolygon(int n, int step, double r, double turn) {
  QPolygonF poly;
  for (int i = 0, k = 0; i < n; ++i, k = (k + step) % n) {
    const double a = turn + 2 * kPi * k / n - kPi / 2;
    poly << QPointF(r * std::cos(a), r * std::sin(a));
  }
  return poly;
}

namespace {
// A closed path through `points` points round c, the i-th at distance length(i).
template <class Length>
QPainterPath radial(QPointF c, int points, Length length) {
  QPainterPath path;
  for (int i = 0; i < points; ++i) {
    const double a = i * 2 * kPi / points - kPi / 2;
    const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * length(i);
    if (i == 0)
      path.moveTo(q);
    else
      path.lineTo(q);
  }
  path.closeSubpath();
  return path;
}
}  // namespace

QPainterPath sparkle(QPointF c, double r, double inner) {
  return radial(c, 16, [&](int i) {
    if (i % 4 == 0) return r;
    if (i % 4 == 2) return r * 0.38;
    return r * inner;
  });
}

QPainterPath star5(QPointF c, double r) {
  return radial(c, 10, [&](int i) { return (i % 2 == 0) ? r : r * 0.42; });
}

void glowDisc(QPainter& p, QPointF c, double r, const QGradientStops& stops) {
  QRadialGradient g(c, r);
  g.setStops(stops);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, r, r);
}

const QString& serifFamily() {
  static const QString family = QStringLiteral("Noto Serif CJK JP");
  return family;
}

QFont serifFont(int px) {
  QFont f(serifFamily());
  f.setPixelSize(px);
  f.setWeight(QFont::Bold);
  return f;
}

QPainterPath textPath(const QString& s, const QFont& f) {
  QPainterPath p;
  p.addText(0, 0, f, s);
  return p;
}

QPainterPath fitPath(const QPainterPath& path, const QRectF& box, double squash) {
  const QRectF b = path.boundingRect();
  const double sx = box.width() / b.width(), sy = box.height() / b.height();
  const double kx = std::min(sx, sy / squash);
  const double ky = std::min(sy, kx);
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(kx, ky);
  t.translate(-b.center().x(), -b.center().y());
  return t.map(path);
}

}  // namespace art
