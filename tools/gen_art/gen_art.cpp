// Draws every picture of the game: the board square, the pieces, the background
// tiles, the title plate, the three spell scenes, the icons and the spell's star, and the
// game's icon for the desktop. Writes them as PNG files into the two folders given on the
// command line.
//
// Pictures are made at three times the 100 % size: one pixel for every 5 twips.
// Everything is drawn from code with seeded random numbers, so a re-run gives
// the same files.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

constexpr int kCellW = 99;   // 495 twips
constexpr int kCellH = 123;  // 615 twips
constexpr int kTitleW = 516;
constexpr int kTitleH = 120;
constexpr int kSceneW = 594;
constexpr int kSceneH = 492;
constexpr int kIcon = 96;
constexpr double kTwipsPerPixel = 5;

QString g_serif = QStringLiteral("Noto Serif CJK JP");

// ---------------------------------------------------------------- random numbers

class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x5DEECE66Dull) {}
  uint64_t next() {
    uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  double uni() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
  double range(double a, double b) { return a + (b - a) * uni(); }

 private:
  uint64_t s_;
};

// Value noise that repeats over the unit square, so tiles join without seams.
class TileNoise {
 public:
  TileNoise(int nx, int ny, int octaves, uint64_t seed, double gain = 0.5) : gain_(gain) {
    Rng rng(seed);
    for (int o = 0; o < octaves; ++o) {
      Layer l;
      l.nx = nx << o;
      l.ny = ny << o;
      l.v.resize(static_cast<size_t>(l.nx * l.ny));
      for (double& x : l.v) x = rng.uni();
      layers_.push_back(std::move(l));
    }
  }
  // fx, fy: position in the tile, 0..1. Result: about 0..1.
  double operator()(double fx, double fy) const {
    double sum = 0, amp = 1, norm = 0;
    for (const Layer& l : layers_) {
      sum += amp * l.at(fx * l.nx, fy * l.ny);
      norm += amp;
      amp *= gain_;
    }
    return sum / norm;
  }

 private:
  struct Layer {
    int nx = 1, ny = 1;
    std::vector<double> v;
    double val(int x, int y) const {
      x = ((x % nx) + nx) % nx;
      y = ((y % ny) + ny) % ny;
      return v[static_cast<size_t>(y * nx + x)];
    }
    double at(double u, double w) const {
      const int x0 = static_cast<int>(std::floor(u));
      const int y0 = static_cast<int>(std::floor(w));
      auto fade = [](double t) { return t * t * t * (t * (t * 6 - 15) + 10); };
      const double tx = fade(u - x0), ty = fade(w - y0);
      const double a = val(x0, y0) + (val(x0 + 1, y0) - val(x0, y0)) * tx;
      const double b = val(x0, y0 + 1) + (val(x0 + 1, y0 + 1) - val(x0, y0 + 1)) * tx;
      return a + (b - a) * ty;
    }
  };
  std::vector<Layer> layers_;
  double gain_;
};

// ---------------------------------------------------------------- small helpers

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

// Three box passes, close to a gaussian. Tiles blur with wrap-around.
QImage blur(const QImage& src, int radius, bool wrap = false) {
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

// Same alpha, one colour.
QImage tinted(const QImage& src, const QColor& c) {
  QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&img);
  p.setCompositionMode(QPainter::CompositionMode_SourceIn);
  p.fillRect(img.rect(), c);
  return img;
}

// Adds light: the layer is blurred and added on top, `times` times over.
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

// Moves every edge of a convex polygon inwards by d.
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

// A star polygon {n/step} of radius r, first point straight up.
QPolygonF starPolygon(int n, int step, double r, double turn = 0) {
  QPolygonF poly;
  for (int i = 0, k = 0; i < n; ++i, k = (k + step) % n) {
    const double a = turn + 2 * kPi * k / n - kPi / 2;
    poly << QPointF(r * std::cos(a), r * std::sin(a));
  }
  return poly;
}

// A sparkle: four long points and four short ones.
QPainterPath sparkle(QPointF c, double r, double inner = 0.12) {
  QPainterPath path;
  for (int i = 0; i < 16; ++i) {
    const double a = i * kPi / 8 - kPi / 2;
    double len = r * inner;
    if (i % 4 == 0) len = r;
    if (i % 4 == 2) len = r * 0.38;
    const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * len;
    if (i == 0)
      path.moveTo(q);
    else
      path.lineTo(q);
  }
  path.closeSubpath();
  return path;
}

// A five-pointed star.
QPainterPath star5(QPointF c, double r) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const double a = i * kPi / 5 - kPi / 2;
    const double len = (i % 2 == 0) ? r : r * 0.42;
    const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * len;
    if (i == 0)
      path.moveTo(q);
    else
      path.lineTo(q);
  }
  path.closeSubpath();
  return path;
}

// Draws `draw` nine times around the tile so that it wraps at the edges.
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

QFont serifFont(int px) {
  QFont f(g_serif);
  f.setPixelSize(px);
  f.setWeight(QFont::Bold);
  return f;
}

QPainterPath textPath(const QString& s, const QFont& f) {
  QPainterPath p;
  p.addText(0, 0, f, s);
  return p;
}

// Scales a path into a box, centred. squash < 1 lets a tall shape be flattened
// a little instead of being shrunk.
QPainterPath fitPath(const QPainterPath& path, const QRectF& box, double squash = 1.0) {
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

bool save(const QImage& img, const QString& dir, const QString& name, bool opaque) {
  const QImage out = img.convertToFormat(opaque ? QImage::Format_RGB888 : QImage::Format_ARGB32);
  const QString file = dir + "/" + name + ".png";
  if (!out.save(file, "PNG")) {
    std::fprintf(stderr, "gen_art: cannot write %s\n", qPrintable(file));
    return false;
  }
  return true;
}

// ---------------------------------------------------------------- board wood

// Kaya board: warm yellow wood with straight grain running along the files.
// The grain repeats with the square, so neighbouring squares join up.
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

// Boxwood face of a piece: pale yellow with fine straight grain and a soft
// light from the upper left.
QImage boxwoodFace(uint64_t seed, int w = kCellW, int h = kCellH) {
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

// ---------------------------------------------------------------- pieces

struct PieceArt {
  double w = 0, h = 0;  // tile size in pixels
  QString glyphs;       // one or two kanji, top to bottom
  bool red = false;
  bool upper = false;  // the computer's side: turned round
  bool sealed = false;
  uint64_t seed = 1;
};

// Pentagon of a piece around the origin, point up.
QPolygonF pieceOutline(double w, double h) {
  return QPolygonF{QPointF(0, -h / 2), QPointF(w * 0.40, -h / 2 + h * 0.26), QPointF(w / 2, h / 2),
                   QPointF(-w / 2, h / 2), QPointF(-w * 0.40, -h / 2 + h * 0.26)};
}

// The kanji of a piece, in the piece's own coordinates (point up).
QPainterPath pieceInk(const PieceArt& a) {
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

// Violet magic ring over a sealed piece.
void sealRing(QPainter& p, QPointF c, double r) {
  QImage layer = blank(kCellW, kCellH);
  {
    QPainter l(&layer);
    l.setRenderHint(QPainter::Antialiasing);
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
    l.drawPolygon(starPolygon(6, 1, r * 0.86).translated(0, 0));
  }
  glow(p, layer, 3, 1.6);
  p.drawImage(0, 0, tinted(layer, QColor(120, 30, 200, 230)));
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  p.setOpacity(0.45);
  p.drawImage(0, 0, layer);
  p.restore();
}

// The red 封 stamp in the corner of a sealed piece.
void sealStamp(QPainter& p, QPointF stampAt) {
  const double sr = 13.5;
  QImage sh = blank(kCellW, kCellH);
  {
    QPainter s(&sh);
    s.setRenderHint(QPainter::Antialiasing);
    s.setBrush(QColor(60, 0, 80, 200));
    s.setPen(Qt::NoPen);
    s.drawEllipse(stampAt + QPointF(1, 1.5), sr + 1, sr + 1);
  }
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

// The chamfered edge of a piece, between its outline and its face, lit from the upper left.
void pieceEdge(QPainter& p, const QPolygonF& outer, const QPolygonF& inner,
               const QPainterPath& outerPath) {
  const QPointF light = unit(QPointF(-0.55, -0.83));
  const QColor edgeMid(214, 168, 98), edgeHi(252, 232, 182), edgeLo(146, 98, 44);
  p.fillPath(outerPath, edgeMid);
  p.save();
  p.setClipPath(outerPath);
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

QImage drawPiece(const QImage& board, const PieceArt& a) {
  QImage img = board.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QPointF centre(kCellW / 2.0, kCellH / 2.0);
  QTransform t;
  t.translate(centre.x(), centre.y());
  if (a.upper) t.rotate(180);
  const double bevel = 3.6;
  const QPolygonF outer = t.map(pieceOutline(a.w, a.h));
  const QPolygonF inner = inset(outer, bevel);
  const QPainterPath outerPath = rounded(outer, 3.2);
  const QPainterPath innerPath = rounded(inner, 2.2);

  QImage mask = blank(kCellW, kCellH);
  {
    QPainter m(&mask);
    m.setRenderHint(QPainter::Antialiasing);
    m.fillPath(outerPath, Qt::black);
  }

  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);

  if (a.sealed) {
    // a violet aura around the tile
    const QImage aura = tinted(blur(mask, 4), QColor(150, 40, 255));
    p.drawImage(0, 0, aura);
    p.drawImage(0, 0, aura);
  }
  // soft shadow towards the lower right
  {
    const QImage sh = tinted(blur(mask, 2), QColor(40, 20, 0, 150));
    p.drawImage(2, 3, sh);
    p.drawImage(1, 1, sh);
  }

  pieceEdge(p, outer, inner, outerPath);
  const QPointF mid = centroid(outer);

  // face
  p.save();
  p.setClipPath(innerPath);
  p.drawImage(0, 0, boxwoodFace(a.seed));
  QRadialGradient hl(mid + QPointF(-a.w * 0.22, -a.h * 0.30), a.h * 0.75);
  hl.setColorAt(0, QColor(255, 252, 235, 90));
  hl.setColorAt(1, QColor(255, 252, 235, 0));
  p.fillPath(innerPath, hl);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 244, 210, 120), 0.8));
  p.drawPath(innerPath);
  p.setPen(QPen(QColor(96, 58, 22, 190), 1.0));
  p.drawPath(outerPath);

  if (a.sealed) {
    p.save();
    p.setClipPath(outerPath);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.fillRect(img.rect(), QColor(196, 150, 255));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(img.rect(), QColor(160, 90, 255, 45));
    p.restore();
  }

  if (a.sealed) sealRing(p, t.map(QPointF(0, a.h * 0.07)), a.w * 0.47);

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
  const QRectF ib = ink.boundingRect();
  QLinearGradient ig(ib.topLeft(), ib.bottomRight());
  if (a.red) {
    ig.setColorAt(0, QColor(214, 40, 30));
    ig.setColorAt(1, QColor(150, 14, 12));
  } else {
    ig.setColorAt(0, QColor(48, 36, 28));
    ig.setColorAt(1, QColor(8, 6, 4));
  }
  p.fillPath(ink, ig);

  if (a.sealed) {
    sealStamp(p, QPointF(kCellW - 17.5, kCellH - 17.5));
  }
  p.end();
  return img;
}

// ---------------------------------------------------------------- background tiles

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
      QRadialGradient g(c, r * 2.2);
      g.setColorAt(0, withAlpha(col, alpha));
      g.setColorAt(0.35, withAlpha(col, alpha / 2));
      g.setColorAt(1, withAlpha(col, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawEllipse(c, r * 2.2, r * 2.2);
    });
  }
  const QPointF big[2] = {QPointF(24, 30), QPointF(74, 92)};
  const double size[2] = {4.2, 3.4};
  for (int i = 0; i < 2; ++i) {
    wrapped(p, kCellW, kCellH, [&] {
      QRadialGradient g(big[i], size[i] * 1.2);
      g.setColorAt(0, QColor(210, 225, 255, 130));
      g.setColorAt(1, QColor(120, 140, 255, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawEllipse(big[i], size[i] * 1.2, size[i] * 1.2);
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

// ---------------------------------------------------------------- magic circles

// A magic circle round the origin in the colour of the pen.
void magicCircle(QPainter& p, double r, const QColor& c, double lw, const QString& runes,
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
  const int n = static_cast<int>(runes.size());
  for (int i = 0; i < n; ++i) {
    const QPainterPath g = textPath(runes.mid(i, 1), f);
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

// Sky with a nebula and stars, for the scenes.
void nightSky(QImage& img, uint64_t seed, const QColor& top, const QColor& bottom,
              const QColor& cloudColour, int starCount) {
  const int w = img.width(), h = img.height();
  const TileNoise cloud(3, 3, 5, seed, 0.55);
  for (int y = 0; y < h; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double fx = (x + 0.5) / w, fy = (y + 0.5) / h;
      const QColor base = mix(top, bottom, fy);
      const double n = std::pow(clamp01((cloud(fx, fy) - 0.38) * 2.2), 2.0);
      row[x] = rgb(base.red() + cloudColour.red() * n, base.green() + cloudColour.green() * n,
                   base.blue() + cloudColour.blue() * n);
    }
  }
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  Rng rng(seed + 1);
  for (int i = 0; i < starCount; ++i) {
    const QPointF c(rng.range(0, w), rng.range(0, h));
    const double bright = std::pow(rng.uni(), 3);
    const double r = 0.6 + 1.8 * bright;
    QRadialGradient g(c, r * 2);
    g.setColorAt(0, QColor(255, 255, 255, static_cast<int>(110 + 145 * bright)));
    g.setColorAt(1, QColor(200, 210, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r * 2, r * 2);
    if (bright > 0.45) {
      p.setBrush(QColor(255, 255, 255, 200));
      p.drawPath(sparkle(c, r * 4, 0.06));
    }
  }
}

void vignette(QImage& img, double strength) {
  QPainter p(&img);
  QRadialGradient g(QPointF(img.width() / 2.0, img.height() / 2.0),
                    std::hypot(img.width(), img.height()) * 0.58);
  g.setColorAt(0, QColor(0, 0, 0, 0));
  g.setColorAt(0.6, QColor(0, 0, 0, 0));
  g.setColorAt(1, QColor(0, 0, 0, static_cast<int>(255 * strength)));
  p.fillRect(img.rect(), g);
}

void motes(QPainter& p, QRectF area, int count, uint64_t seed, const QColor& c) {
  Rng rng(seed);
  p.save();
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const QPointF q(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
    const double r = rng.range(0.8, 3.2);
    QRadialGradient g(q, r * 2.5);
    g.setColorAt(0, withAlpha(c, static_cast<int>(rng.range(120, 255))));
    g.setColorAt(1, withAlpha(c, 0));
    p.setBrush(g);
    p.drawEllipse(q, r * 2.5, r * 2.5);
  }
  p.restore();
}

const QString kRunes = QStringLiteral("光明照耀星辰封印魔導天地水火風月ルミナーク");

// ---------------------------------------------------------------- the scenes

QImage luminakScene() {
  QImage img(kSceneW, kSceneH, QImage::Format_ARGB32_Premultiplied);
  nightSky(img, 701, QColor(4, 8, 26), QColor(10, 6, 30), QColor(30, 70, 140), 160);
  const QPointF c(kSceneW / 2.0, kSceneH / 2.0);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);

  // light rays
  {
    QImage rays = blank(kSceneW, kSceneH);
    QPainter r(&rays);
    r.setRenderHint(QPainter::Antialiasing);
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
    r.end();
    glow(p, rays, 3, 1.0);
  }

  QImage ring = blank(kSceneW, kSceneH);
  {
    QPainter r(&ring);
    r.setRenderHint(QPainter::Antialiasing);
    r.translate(c);
    magicCircle(r, 205, QColor(255, 236, 170), 2.0, kRunes + kRunes, 7);
    // second, turned ring of runes inside
    r.rotate(12);
    r.setPen(QPen(QColor(170, 230, 255), 1.2));
    r.setBrush(Qt::NoBrush);
    r.drawPolygon(starPolygon(7, 2, 0.775 * 205));
  }
  QImage core = blank(kSceneW, kSceneH);
  {
    QPainter r(&core);
    r.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(c, 90);
    g.setColorAt(0, QColor(255, 255, 240, 255));
    g.setColorAt(0.12, QColor(255, 240, 180, 200));
    g.setColorAt(0.45, QColor(120, 200, 255, 50));
    g.setColorAt(1, QColor(60, 80, 255, 0));
    r.setPen(Qt::NoPen);
    r.setBrush(g);
    r.drawEllipse(c, 90, 90);
  }
  glow(p, tinted(ring, QColor(60, 170, 255)), 16, 1.4);
  glow(p, tinted(ring, QColor(150, 120, 255)), 6, 0.9);
  glow(p, ring, 2, 0.7);
  p.drawImage(0, 0, ring);
  glow(p, core, 4, 1.0);
  p.setBrush(QColor(255, 255, 255, 240));
  p.setPen(Qt::NoPen);
  p.drawPath(sparkle(c, 70, 0.05));
  {
    QImage m = blank(kSceneW, kSceneH);
    QPainter mp(&m);
    mp.setRenderHint(QPainter::Antialiasing);
    motes(mp, QRectF(40, 30, kSceneW - 80, kSceneH - 60), 90, 703, QColor(255, 230, 160));
    motes(mp, QRectF(40, 30, kSceneW - 80, kSceneH - 60), 60, 704, QColor(140, 210, 255));
    mp.end();
    glow(p, m, 2, 1.0);
    p.drawImage(0, 0, m);
  }
  // a few bright glints on the ring
  Rng rng(705);
  for (int i = 0; i < 9; ++i) {
    const double a = rng.range(0, 2 * kPi), rr = 205 * rng.range(0.76, 1.0);
    const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * rr;
    p.setBrush(QColor(255, 255, 240, 230));
    p.drawPath(sparkle(q, rng.range(8, 16), 0.07));
  }
  p.end();
  vignette(img, 0.55);
  return img;
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

QImage sealScene() {
  QImage img(kSceneW, kSceneH, QImage::Format_ARGB32_Premultiplied);
  nightSky(img, 801, QColor(26, 4, 22), QColor(12, 2, 14), QColor(110, 20, 70), 70);
  const QPointF c(kSceneW / 2.0, kSceneH / 2.0);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  {
    QRadialGradient g(c, 300);
    g.setColorAt(0, QColor(150, 30, 90, 150));
    g.setColorAt(1, QColor(40, 0, 30, 0));
    p.fillRect(img.rect(), g);
  }
  QImage ring = blank(kSceneW, kSceneH);
  {
    QPainter r(&ring);
    r.setRenderHint(QPainter::Antialiasing);
    r.translate(c);
    r.rotate(-8);
    magicCircle(r, 215, QColor(230, 120, 255), 1.8,
                QStringLiteral("封封印印禁禁鎖鎖縛縛閉閉") + kRunes, 6);
  }
  glow(p, ring, 12, 1.4);
  glow(p, ring, 3, 0.8);
  p.setOpacity(0.85);
  p.drawImage(0, 0, ring);
  p.setOpacity(1.0);

  // the chains, with a dark halo so they stand off the circle
  QImage chains = blank(kSceneW, kSceneH);
  {
    QPainter q(&chains);
    q.setRenderHint(QPainter::Antialiasing);
    chain(q, QPointF(-30, 18), QPointF(kSceneW + 30, kSceneH - 18), 44, 24, 7);
    chain(q, QPointF(-30, kSceneH - 18), QPointF(kSceneW + 30, 18), 44, 24, 7);
    chain(q, QPointF(-30, c.y() + 6), QPointF(kSceneW + 30, c.y() - 6), 40, 22, 6);
  }
  p.drawImage(4, 6, tinted(blur(chains, 5), QColor(0, 0, 0, 220)));
  p.drawImage(0, 0, chains);

  // the seal: a vermilion square with 封印 cut in white
  const double s = 176;
  QImage stamp = blank(kSceneW, kSceneH);
  {
    QPainter q(&stamp);
    q.setRenderHint(QPainter::Antialiasing);
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
  }
  // worn ink: rub away flecks of the stamp
  {
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
  }
  glow(p, tinted(stamp, QColor(255, 60, 80)), 14, 1.3);
  p.drawImage(6, 8, tinted(blur(stamp, 6), QColor(0, 0, 0, 200)));
  p.drawImage(0, 0, stamp);
  // sparks
  {
    QImage m = blank(kSceneW, kSceneH);
    QPainter mp(&m);
    mp.setRenderHint(QPainter::Antialiasing);
    motes(mp, QRectF(20, 20, kSceneW - 40, kSceneH - 40), 70, 803, QColor(255, 140, 220));
    mp.end();
    glow(p, m, 2, 1.0);
    p.drawImage(0, 0, m);
  }
  p.end();
  vignette(img, 0.6);
  return img;
}

QImage sorcererScene() {
  QImage img(kSceneW, kSceneH, QImage::Format_ARGB32_Premultiplied);
  nightSky(img, 901, QColor(12, 6, 36), QColor(40, 14, 58), QColor(70, 40, 120), 180);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);

  // the moon behind him
  {
    QImage moon = blank(kSceneW, kSceneH);
    QPainter m(&moon);
    m.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(QPointF(300, 150), 118, 118);
    QRadialGradient g(QPointF(270, 120), 150);
    g.setColorAt(0, QColor(255, 250, 225));
    g.setColorAt(1, QColor(225, 210, 170));
    m.fillPath(disc, g);
    const TileNoise craters(5, 5, 3, 902);
    m.end();
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

  // far hills
  {
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

  // magic circle on the ground
  {
    QImage ring = blank(kSceneW, kSceneH);
    QPainter r(&ring);
    r.setRenderHint(QPainter::Antialiasing);
    r.translate(297, 446);
    r.scale(1.0, 0.2);
    magicCircle(r, 235, QColor(140, 230, 255), 3.5, kRunes, 6);
    r.end();
    glow(p, tinted(ring, QColor(80, 160, 255)), 10, 1.6);
    glow(p, ring, 2, 0.8);
    p.drawImage(0, 0, ring);
  }

  // the staff
  const QPointF staffFoot(410, 452), staffTop(434, 96);
  {
    p.setPen(QPen(QColor(20, 10, 8), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(staffFoot, staffTop);
    QLinearGradient g(staffFoot + QPointF(-5, 0), staffFoot + QPointF(5, 0));
    g.setColorAt(0, QColor(70, 40, 24));
    g.setColorAt(0.4, QColor(150, 100, 60));
    g.setColorAt(1, QColor(50, 28, 16));
    p.setPen(QPen(QBrush(g), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(staffFoot, staffTop);
    // a curled head holding the orb
    QPainterPath curl;
    curl.moveTo(staffTop);
    curl.cubicTo(staffTop + QPointF(-26, -10), staffTop + QPointF(-22, -52),
                 staffTop + QPointF(2, -58));
    curl.cubicTo(staffTop + QPointF(26, -62), staffTop + QPointF(34, -30),
                 staffTop + QPointF(18, -14));
    p.setPen(QPen(QColor(20, 10, 8), 9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curl);
    p.setPen(QPen(QColor(130, 86, 50), 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curl);
  }

  const QColor robeHi(96, 54, 170), robeLo(30, 12, 62);
  auto robeBrush = [&](double x0, double x1) {
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, robeLo);
    g.setColorAt(0.45, robeHi);
    g.setColorAt(1, robeLo);
    return QBrush(g);
  };
  const QPen outline(QColor(10, 4, 20), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  const QPen rim(QColor(210, 180, 255, 150), 3);
  auto drawShape = [&](const QPainterPath& path, const QBrush& brush) {
    p.setPen(outline);
    p.setBrush(brush);
    p.drawPath(path);
    p.save();
    p.setClipPath(path);
    p.setPen(rim);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path.translated(-3, 0));
    p.restore();
  };

  // robe
  QPainterPath robe;
  robe.moveTo(252, 200);
  robe.cubicTo(218, 262, 200, 362, 168, 450);
  robe.quadTo(232, 466, 298, 454);
  robe.quadTo(362, 466, 428, 448);
  robe.cubicTo(396, 360, 382, 262, 344, 200);
  robe.closeSubpath();
  drawShape(robe, robeBrush(170, 430));
  {
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

  // left arm raised, casting
  QPainterPath sleeveL;
  sleeveL.moveTo(258, 212);
  sleeveL.cubicTo(226, 220, 196, 232, 168, 252);
  sleeveL.lineTo(146, 302);
  sleeveL.quadTo(184, 310, 214, 292);
  sleeveL.cubicTo(236, 280, 256, 268, 268, 252);
  sleeveL.closeSubpath();
  drawShape(sleeveL, robeBrush(140, 270));
  // right arm on the staff
  QPainterPath sleeveR;
  sleeveR.moveTo(338, 210);
  sleeveR.cubicTo(370, 222, 394, 244, 412, 266);
  sleeveR.lineTo(430, 318);
  sleeveR.quadTo(396, 324, 372, 306);
  sleeveR.cubicTo(358, 290, 348, 270, 332, 250);
  sleeveR.closeSubpath();
  drawShape(sleeveR, robeBrush(330, 430));
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

  // beard
  QPainterPath beard;
  beard.moveTo(268, 192);
  beard.cubicTo(262, 240, 280, 282, 302, 326);
  beard.cubicTo(320, 282, 338, 240, 332, 192);
  beard.quadTo(300, 212, 268, 192);
  {
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
  }
  // face in shadow with glowing eyes
  {
    QPainterPath face;
    face.addEllipse(QPointF(300, 196), 34, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 8, 24));
    p.drawPath(face);
    QImage eyes = blank(kSceneW, kSceneH);
    QPainter e(&eyes);
    e.setRenderHint(QPainter::Antialiasing);
    e.setPen(Qt::NoPen);
    e.setBrush(QColor(255, 230, 120));
    e.drawEllipse(QPointF(287, 199), 5.5, 2.6);
    e.drawEllipse(QPointF(313, 199), 5.5, 2.6);
    e.end();
    glow(p, eyes, 5, 2.0);
    p.drawImage(0, 0, eyes);
  }
  // hat
  QPainterPath cone;
  cone.moveTo(236, 168);
  cone.cubicTo(256, 120, 276, 86, 298, 60);
  cone.quadTo(330, 22, 386, 40);
  cone.quadTo(344, 48, 326, 78);
  cone.cubicTo(338, 112, 352, 140, 366, 168);
  cone.closeSubpath();
  drawShape(cone, robeBrush(230, 380));
  QPainterPath brim;
  brim.addEllipse(QPointF(300, 170), 110, 20);
  drawShape(brim, robeBrush(190, 410));
  {
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
    // crescent on the hat
    QPainterPath moon;
    moon.addEllipse(QPointF(318, 92), 8, 8);
    QPainterPath cut;
    cut.addEllipse(QPointF(322, 89), 7, 7);
    p.drawPath(moon.subtracted(cut));
  }

  // orb on the staff and the spell in the left hand
  {
    QImage light = blank(kSceneW, kSceneH);
    QPainter l(&light);
    l.setRenderHint(QPainter::Antialiasing);
    const QPointF orb = staffTop + QPointF(4, -30);
    QRadialGradient g(orb + QPointF(-5, -5), 22);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.4, QColor(150, 240, 255));
    g.setColorAt(1, QColor(60, 90, 255));
    l.setPen(Qt::NoPen);
    l.setBrush(g);
    l.drawEllipse(orb, 17, 17);
    const QPointF spell(150, 212);
    QRadialGradient s(spell, 26);
    s.setColorAt(0, QColor(255, 255, 255));
    s.setColorAt(0.3, QColor(255, 200, 255));
    s.setColorAt(1, QColor(170, 60, 255, 0));
    l.setBrush(s);
    l.drawEllipse(spell, 26, 26);
    l.setBrush(QColor(255, 245, 255));
    l.drawPath(sparkle(spell, 34, 0.06));
    l.drawPath(sparkle(orb, 40, 0.05));
    l.translate(spell);
    l.setPen(QPen(QColor(230, 170, 255), 1.5));
    l.setBrush(Qt::NoBrush);
    l.scale(1, 0.5);
    magicCircle(l, 40, QColor(230, 170, 255), 1.0, QStringLiteral("ルミナーク光"), 5);
    l.end();
    glow(p, light, 12, 2.0);
    glow(p, light, 3, 1.0);
    p.drawImage(0, 0, light);
  }
  {
    QImage m = blank(kSceneW, kSceneH);
    QPainter mp(&m);
    mp.setRenderHint(QPainter::Antialiasing);
    motes(mp, QRectF(110, 260, 380, 190), 40, 905, QColor(150, 230, 255));
    motes(mp, QRectF(100, 150, 110, 120), 25, 906, QColor(255, 190, 255));
    mp.end();
    glow(p, m, 2, 1.0);
    p.drawImage(0, 0, m);
  }
  p.end();
  vignette(img, 0.5);
  return img;
}

// ---------------------------------------------------------------- title plate

// Deep violet lacquer, lightest a little above the middle.
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
  {
    QImage ring = blank(kTitleW, kTitleH);
    QPainter r(&ring);
    r.setRenderHint(QPainter::Antialiasing);
    for (int side = 0; side < 2; ++side) {
      r.save();
      r.translate(side == 0 ? 44 : kTitleW - 44, kTitleH / 2.0);
      magicCircle(r, 46, QColor(190, 140, 255, 110), 0.8, kRunes, 6);
      r.restore();
    }
    r.end();
    glow(p, ring, 3, 0.7);
    p.drawImage(0, 0, ring);
  }
  // gold frame
  QLinearGradient gold(0, 0, 0, kTitleH);
  gold.setColorAt(0, QColor(255, 236, 170));
  gold.setColorAt(0.5, QColor(200, 146, 50));
  gold.setColorAt(1, QColor(250, 210, 120));
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

  // the lettering
  QPainterPath vexa = textPath(QStringLiteral("Vexa"), serifFont(150));
  QPainterPath name = textPath(QStringLiteral("ルミナーク将棋"), serifFont(150));
  const double gap = 40;
  name.translate(vexa.boundingRect().right() + gap - name.boundingRect().left(), 0);
  QPainterPath text = vexa;
  text.addPath(name);
  text.setFillRule(Qt::WindingFill);
  text = fitPath(text, QRectF(34, 22, kTitleW - 68, kTitleH - 44));
  const QRectF tb = text.boundingRect();
  {
    QImage g = blank(kTitleW, kTitleH);
    QPainter q(&g);
    q.setRenderHint(QPainter::Antialiasing);
    q.fillPath(text, QColor(170, 90, 255));
    q.end();
    glow(p, g, 7, 1.4);
    QImage sh = blank(kTitleW, kTitleH);
    QPainter s(&sh);
    s.setRenderHint(QPainter::Antialiasing);
    s.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    s.setBrush(Qt::black);
    s.drawPath(text);
    s.end();
    p.drawImage(3, 4, blur(sh, 2));
  }
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

// ---------------------------------------------------------------- icons

struct Tone {
  QColor light, dark, rim;
};
const Tone kUpper{QColor(196, 140, 255), QColor(60, 16, 120), QColor(250, 214, 120)};
const Tone kLower{QColor(120, 220, 255), QColor(10, 60, 120), QColor(235, 240, 255)};

void badge(QPainter& p, const Tone& tone) {
  const QPointF c(kIcon / 2.0, kIcon / 2.0);
  QImage sh = blank(kIcon, kIcon);
  {
    QPainter s(&sh);
    s.setRenderHint(QPainter::Antialiasing);
    s.setPen(Qt::NoPen);
    s.setBrush(QColor(0, 0, 0, 170));
    s.drawEllipse(c + QPointF(1.5, 2.5), 42, 42);
  }
  p.drawImage(0, 0, blur(sh, 2));
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

QImage computerIcon(const Tone& tone) {
  QImage img = blank(kIcon, kIcon);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
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
  QImage eyes = blank(kIcon, kIcon);
  {
    QPainter e(&eyes);
    e.setRenderHint(QPainter::Antialiasing);
    e.setPen(Qt::NoPen);
    e.setBrush(tone.light.lighter(115));
    e.drawEllipse(QPointF(41, 39.5), 4, 4);
    e.drawEllipse(QPointF(55, 39.5), 4, 4);
    e.setBrush(QColor(255, 90, 120));
    e.drawEllipse(QPointF(48, 15.5), 3.6, 3.6);
  }
  glow(p, eyes, 2, 1.5);
  p.drawImage(0, 0, eyes);
  p.setBrush(Qt::white);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(40, 38.5), 1.3, 1.3);
  p.drawEllipse(QPointF(54, 38.5), 1.3, 1.3);
  // mouth grille
  p.setPen(QPen(QColor(70, 72, 96), 1.4));
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(40 + i * 5.3, 52), QPointF(40 + i * 5.3, 56));
  p.end();
  return img;
}

QImage humanIcon(const Tone& tone) {
  QImage img = blank(kIcon, kIcon);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
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
  p.end();
  return img;
}

QImage hatIcon(const Tone& tone) {
  QImage img = blank(kIcon, kIcon);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
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
  QImage sh = blank(kIcon, kIcon);
  {
    QPainter s(&sh);
    s.setRenderHint(QPainter::Antialiasing);
    s.fillPath(hat.translated(2, 3), QColor(0, 0, 0, 170));
  }
  p.drawImage(0, 0, blur(sh, 2));
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
  p.end();
  return img;
}

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
  QRadialGradient halo(c, r);
  halo.setColorAt(0, QColor(255, 250, 220, 240));
  halo.setColorAt(0.3, QColor(236, 150, 255, 210));
  halo.setColorAt(0.65, QColor(150, 60, 230, 130));
  halo.setColorAt(1, QColor(90, 20, 180, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  p.drawEllipse(c, r, r);
  QImage rays = blank(img.width(), img.height());
  {
    QPainter q(&rays);
    q.setRenderHint(QPainter::Antialiasing);
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
  }
  glow(p, rays, 6, 2.2);
  p.drawImage(0, 0, rays);
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

// ---------------------------------------------------------------- the game's icon

// The desktop's icon of the game: a boxwood piece bearing 将 in the spell's violet aura, before
// a glowing magic circle, on the title plate's lacquer in a gold frame. Drawn once large and
// scaled down to each size.
constexpr int kAppIcon = 512;
constexpr int kAppIconSizes[] = {48, 128, 256};

QImage gameIcon() {
  const double s = kAppIcon;
  const QPointF c(s / 2, s / 2);
  QImage img = blank(kAppIcon, kAppIcon);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF plate(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
  const double corner = s * 0.16;
  QPainterPath platePath;
  platePath.addRoundedRect(plate, corner, corner);
  {
    QImage sh = blank(kAppIcon, kAppIcon);
    QPainter q(&sh);
    q.setRenderHint(QPainter::Antialiasing);
    q.fillPath(platePath.translated(0, s * 0.012), QColor(0, 0, 0, 150));
    q.end();
    p.drawImage(0, 0, blur(sh, static_cast<int>(s * 0.012)));
  }
  p.save();
  p.setClipPath(platePath);
  p.drawImage(0, 0,
              lacquer(kAppIcon, kAppIcon, TileNoise(4, 4, 4, 1101), TileNoise(40, 40, 1, 1102)));
  QRadialGradient halo(c, s * 0.5);
  halo.setColorAt(0, QColor(150, 80, 230, 130));
  halo.setColorAt(1, QColor(40, 10, 80, 0));
  p.fillRect(img.rect(), halo);
  {
    QImage ring = blank(kAppIcon, kAppIcon);
    QPainter r(&ring);
    r.setRenderHint(QPainter::Antialiasing);
    r.translate(c);
    magicCircle(r, s * 0.39, QColor(200, 150, 255, 190), s * 0.0035, kRunes, 6);
    r.end();
    glow(p, ring, static_cast<int>(s * 0.01), 1.2);
    p.drawImage(0, 0, ring);
  }
  p.restore();
  // gold frame, as round the title
  QLinearGradient gold(0, plate.top(), 0, plate.bottom());
  gold.setColorAt(0, QColor(255, 236, 170));
  gold.setColorAt(0.5, QColor(200, 146, 50));
  gold.setColorAt(1, QColor(250, 210, 120));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 8, 0), s * 0.03));
  p.drawPath(platePath);
  p.setPen(QPen(QBrush(gold), s * 0.018));
  p.drawPath(platePath);
  const double in = s * 0.035;
  p.setPen(QPen(QBrush(gold), s * 0.006));
  p.drawRoundedRect(plate.adjusted(in, in, -in, -in), corner - in, corner - in);

  // the piece, standing a little below the middle
  PieceArt a;
  a.w = s * 0.50;
  a.h = s * 0.62;
  a.glyphs = QStringLiteral("将");
  QTransform t;
  t.translate(c.x(), c.y() + s * 0.03);
  const QPolygonF outer = t.map(pieceOutline(a.w, a.h));
  const QPolygonF inner = inset(outer, s * 0.022);
  const QPainterPath outerPath = rounded(outer, s * 0.018);
  const QPainterPath innerPath = rounded(inner, s * 0.012);
  QImage mask = blank(kAppIcon, kAppIcon);
  {
    QPainter m(&mask);
    m.setRenderHint(QPainter::Antialiasing);
    m.fillPath(outerPath, Qt::black);
  }
  const QImage aura = tinted(blur(mask, static_cast<int>(s * 0.035)), QColor(170, 70, 255));
  p.drawImage(0, 0, aura);
  p.drawImage(0, 0, aura);
  p.drawImage(QPointF(s * 0.01, s * 0.018),
              tinted(blur(mask, static_cast<int>(s * 0.012)), QColor(20, 0, 40, 200)));
  pieceEdge(p, outer, inner, outerPath);
  p.save();
  p.setClipPath(innerPath);
  p.drawImage(0, 0, boxwoodFace(77, kAppIcon, kAppIcon));
  QRadialGradient hl(centroid(outer) + QPointF(-a.w * 0.22, -a.h * 0.30), a.h * 0.75);
  hl.setColorAt(0, QColor(255, 252, 235, 90));
  hl.setColorAt(1, QColor(255, 252, 235, 0));
  p.fillPath(innerPath, hl);
  p.restore();
  p.setPen(QPen(QColor(96, 58, 22, 190), s * 0.004));
  p.drawPath(outerPath);
  const QPainterPath ink = t.map(pieceInk(a));
  p.fillPath(ink.translated(s * 0.004, s * 0.005), QColor(255, 246, 220, 160));
  const QRectF ib = ink.boundingRect();
  QLinearGradient ig(ib.topLeft(), ib.bottomRight());
  ig.setColorAt(0, QColor(48, 36, 28));
  ig.setColorAt(1, QColor(8, 6, 4));
  p.fillPath(ink, ig);
  // glints of the spell
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 250, 225, 240));
  p.drawPath(sparkle(QPointF(s * 0.75, s * 0.22), s * 0.07, 0.08));
  p.drawPath(sparkle(QPointF(s * 0.23, s * 0.74), s * 0.045, 0.08));
  p.end();
  return img;
}

// ---------------------------------------------------------------- piece list

struct KindArt {
  const char* file;
  double w, h;
  const char* plain;
  const char* promoted;  // empty: the piece has no promoted face
};

// Bigger tiles for the bigger pieces, as on a real set.
const KindArt kKinds[] = {
    {"HU", 71, 90, "歩", "と"},    {"KYOU", 73, 92, "香", "成香"}, {"KEI", 75, 94, "桂", "成桂"},
    {"GIN", 78, 96, "銀", "成銀"}, {"KIN", 78, 96, "金", ""},      {"KAKU", 80, 99, "角", "馬"},
    {"SYA", 80, 99, "飛", "龍"},   {"OU", 82, 101, "王", ""},
};

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() < 3) {
    std::fprintf(stderr, "usage: gen_art PICTURES_FOLDER ICONS_FOLDER\n");
    return 2;
  }
  const QString dir = args.at(1), icons = args.at(2);
  for (const QString& folder : {dir, icons})
    if (!QDir().mkpath(folder)) {
      std::fprintf(stderr, "gen_art: cannot create %s\n", qPrintable(folder));
      return 1;
    }
  QFontDatabase::addApplicationFont(
      QStringLiteral("/usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc"));
  if (QFontInfo(serifFont(40)).family() != g_serif)
    std::fprintf(stderr, "gen_art: warning: %s not found, the kanji use %s\n", qPrintable(g_serif),
                 qPrintable(QFontInfo(serifFont(40)).family()));

  bool ok = true;
  int count = 0;
  auto put = [&](const QImage& img, const QString& name, bool opaque) {
    ok = save(img, dir, name, opaque) && ok;
    ++count;
  };

  const QImage board = boardWood();
  put(board, "KARA_MASU", true);

  uint64_t seed = 1;
  for (int side = 0; side < 2; ++side) {
    const bool upper = side == 0;
    const QString prefix = upper ? "UE_" : "SITA_";
    for (const KindArt& k : kKinds) {
      PieceArt a;
      a.w = k.w;
      a.h = k.h;
      a.upper = upper;
      const QString kind = QString::fromLatin1(k.file);
      if (kind == "OU")
        a.glyphs = upper ? QStringLiteral("王") : QStringLiteral("玉");
      else
        a.glyphs = QString::fromUtf8(k.plain);
      const QString promoted = QString::fromUtf8(k.promoted);
      if (promoted.isEmpty()) {
        a.seed = ++seed * 31;
        put(drawPiece(board, a), prefix + kind, true);
        a.sealed = true;
        put(drawPiece(board, a), prefix + kind + "2", true);
        continue;
      }
      for (int v = 0; v < 4; ++v) {
        PieceArt b = a;
        b.seed = ++seed * 31;
        b.sealed = v >= 2;
        if (v % 2 == 1) {
          b.glyphs = promoted;
          b.red = true;
        }
        put(drawPiece(board, b), prefix + kind + "_" + QString::number(v), true);
      }
    }
  }

  put(feltTile(), "HAIKEI_MIDORI", true);
  put(tatamiTile(), "HAIKEI_TATAMI", true);
  put(bambooTile(), "HAIKEI_TAKE", true);
  put(spaceTile(), "HAIKEI_UCHU", true);
  put(brickTile(), "HAIKEI_RENGA", true);
  put(titlePlate(), "VexaSHOGI", true);
  put(sorcererScene(), "madousi", true);
  put(luminakScene(), "luminak", true);
  put(sealScene(), "huuin", true);
  put(placedBadge(computerIcon(kUpper), kUpperComBadge), "sente_com", false);
  put(placedBadge(humanIcon(kUpper), kUpperManBadge), "sente_man", false);
  put(placedBadge(humanIcon(kLower), kLowerBadge), "gote_man", false);
  put(placedBadge(computerIcon(kLower), kLowerBadge), "gote_com", false);
  put(hatIcon(kUpper), "Image1", false);
  put(hatIcon(kLower), "Image2", false);
  put(starIcon(), "hosi2", false);

  std::printf("gen_art: %d pictures written to %s\n", count, qPrintable(dir));

  const QImage icon = gameIcon();
  for (int size : kAppIconSizes)
    ok = save(icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), icons,
              QStringLiteral("luminak-shogi-%1").arg(size), false) &&
         ok;
  std::printf("gen_art: the game's icon written to %s\n", qPrintable(icons));
  return ok ? 0 : 1;
}
