// Value noise over a repeating grid, octave upon octave.
#include "Noise.h"

#include <cmath>
#include <utility>

namespace art {

TileNoise::TileNoise(int nx, int ny, int octaves, uint64_t seed, double gain) : gain_(gain) {
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

double TileNoise::operator()(double fx, double fy) const {
  double sum = 0, amp = 1, norm = 0;
  for (const Layer& l : layers_) {
    sum += amp * l.at(fx * l.nx, fy * l.ny);
    norm += amp;
    amp *= gain_;
  }
  return sum / norm;
}

double TileNoise::Layer::val(int x, int y) const {
  x = ((x % nx) + nx) % nx;
  y = ((y % ny) + ny) % ny;
  return v[static_cast<size_t>(y * nx + x)];
}

double TileNoise::Layer::at(double u, double w) const {
  const int x0 = static_cast<int>(std::floor(u));
  const int y0 = static_cast<int>(std::floor(w));
  auto fade = [](double t) { return t * t * t * (t * (t * 6 - 15) + 10); };
  const double tx = fade(u - x0), ty = fade(w - y0);
  const double a = val(x0, y0) + (val(x0 + 1, y0) - val(x0, y0)) * tx;
  const double b = val(x0, y0 + 1) + (val(x0 + 1, y0 + 1) - val(x0, y0 + 1)) * tx;
  return a + (b - a) * ty;
}

}  // namespace art
