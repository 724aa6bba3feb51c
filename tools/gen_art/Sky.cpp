// The ground the spell scenes share: a night sky with a nebula and stars, a vignette, and
// drifting motes of light.
#include <QRadialGradient>
#include <cmath>

#include "Noise.h"
#include "Paint.h"
#include "Scenes.h"

namespace art {

namespace {

void nightSky(QImage& img, const Sky& sky) {
  const QColor& cloudColour = sky.cloud;
  const int w = img.width(), h = img.height();
  const TileNoise cloud(3, 3, 5, sky.seed, 0.55);
  for (int y = 0; y < h; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double fx = (x + 0.5) / w, fy = (y + 0.5) / h;
      const QColor base = mix(sky.top, sky.bottom, fy);
      const double n = std::pow(clamp01((cloud(fx, fy) - 0.38) * 2.2), 2.0);
      row[x] = rgb(base.red() + cloudColour.red() * n, base.green() + cloudColour.green() * n,
                   base.blue() + cloudColour.blue() * n);
    }
  }
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  Rng rng(sky.seed + 1);
  for (int i = 0; i < sky.stars; ++i) {
    const QPointF c(rng.range(0, w), rng.range(0, h));
    const double bright = std::pow(rng.uni(), 3);
    const double r = 0.6 + 1.8 * bright;
    glowDisc(p, c, r * 2,
             {{0, QColor(255, 255, 255, static_cast<int>(110 + 145 * bright))},
              {1, QColor(200, 210, 255, 0)}});
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

}  // namespace

QImage scene(const Sky& sky, double darkCorners, const std::function<void(QPainter&)>& draw) {
  QImage img(kSceneW, kSceneH, QImage::Format_ARGB32_Premultiplied);
  nightSky(img, sky);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  vignette(img, darkCorners);
  return img;
}

void motes(QPainter& p, QRectF area, int count, uint64_t seed, const QColor& c) {
  Rng rng(seed);
  p.save();
  for (int i = 0; i < count; ++i) {
    const QPointF q(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
    const double r = rng.range(0.8, 3.2);
    const int alpha = static_cast<int>(rng.range(120, 255));
    glowDisc(p, q, r * 2.5, {{0, withAlpha(c, alpha)}, {1, withAlpha(c, 0)}});
  }
  p.restore();
}

}  // namespace art
