// Seeded random numbers and value noise: every picture is drawn from these, so a re-run of
// gen_art writes the same files.
#pragma once

#include <cstdint>
#include <vector>

namespace art {

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
  TileNoise(int nx, int ny, int octaves, uint64_t seed, double gain = 0.5);
  // fx, fy: position in the tile, 0..1. Result: about 0..1.
  double operator()(double fx, double fy) const;

 private:
  struct Layer {
    int nx = 1, ny = 1;
    std::vector<double> v;
    double val(int x, int y) const;
    double at(double u, double w) const;
  };
  std::vector<Layer> layers_;
  double gain_;
};

}  // namespace art
