#include "Synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>

namespace synth {

namespace {

constexpr double kNyquistUse = 0.45;  // partials above this fraction of the rate are left out
constexpr double kSilentTail = 7;     // an exponential note is cut after this many decay times

double smoothstep(double x) {
  x = std::clamp(x, 0.0, 1.0);
  return x * x * (3 - 2 * x);
}

// A raised-cosine fade from 0 to 1 over `length` seconds.
double ramp(double t, double length) {
  return t >= length ? 1.0 : 0.5 - 0.5 * std::cos(kPi * t / length);
}

// Fades the last `seconds` of a note to silence.
void fade_out(Signal& s, int rate, double seconds) {
  const int n = std::min(frames_of(rate, seconds), static_cast<int>(s.size()));
  for (int i = 0; i < n; ++i)
    s[s.size() - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / n));
}

// Chamberlin state-variable band-pass, for breath and buzz noise.
struct BandPass {
  double f, q, low = 0, band = 0;
  BandPass(int rate, double hz, double damping)
      : f(2 * std::sin(kPi * std::min(hz, rate / 7.0) / rate)), q(damping) {}
  double operator()(double x) {
    low += f * band;
    const double high = x - low - q * band;
    band += f * high;
    return band;
  }
};

// Noise whose spectrum leans up (first difference) or down (one-pole low-pass).
struct Tinted {
  Random& rng;
  double last = 0;
  double bright() {
    const double x = rng.noise(), y = x - last;
    last = x;
    return 0.5 * y;
  }
  double dark(double keep) {
    last = keep * last + (1 - keep) * rng.noise();
    return last;
  }
};

// A plucked string from its partials: amplitude by the plucking point, upper ones dying first.
Signal string_note(int rate, double hz, double velocity, double pluck_point, double tilt,
                   double decay, double decay_spread, int most_partials, double sag) {
  const double length = kSilentTail * decay;
  Signal s(static_cast<std::size_t>(frames_of(rate, length)), 0.0f);
  constexpr double kStiffness = 0.00015;  // stretches the upper partials a little
  constexpr double kSagTime = 0.03;       // the pitch settles after the pluck
  for (int n = 1; n <= most_partials; ++n) {
    const double ratio = n * std::sqrt(1 + kStiffness * n * n);
    if (ratio * hz > kNyquistUse * rate) break;
    const double amp = std::fabs(std::sin(n * kPi * pluck_point)) / std::pow(n, tilt);
    const double tau = decay / (1 + decay_spread * (n - 1));
    const double w = kTwoPi * ratio * hz, fall = std::exp(-1.0 / (tau * rate));
    double level = amp;
    for (std::size_t i = 0; i < s.size(); ++i) {
      const double t = static_cast<double>(i) / rate;
      const double bent = t + sag * kSagTime * (1 - std::exp(-t / kSagTime));
      s[i] += static_cast<float>(level * std::sin(w * bent));
      level *= fall;
    }
  }
  for (std::size_t i = 0; i < s.size(); ++i)
    s[i] *= static_cast<float>(velocity * ramp(static_cast<double>(i) / rate, 0.0015));
  fade_out(s, rate, length * 0.2);
  return s;
}

}  // namespace

double Random::uniform() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return static_cast<double>((state_ * 2685821657736338717ull) >> 11) * 0x1.0p-53;
}

double midi_hz(double midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12);
}

int frames_of(int rate, double seconds) {
  return static_cast<int>(std::lround(seconds * rate));
}

Track::Track(int r, double seconds, bool loops)
    : rate(r),
      looping(loops),
      left(static_cast<std::size_t>(frames_of(r, seconds)), 0.0f),
      right(left.size(), 0.0f) {}

void place(Track& t, const Signal& note, double start, double pan, double gain) {
  const double angle = (std::clamp(pan, -1.0, 1.0) + 1) * kPi / 4;
  const auto gl = static_cast<float>(gain * std::cos(angle) * std::sqrt(2.0));
  const auto gr = static_cast<float>(gain * std::sin(angle) * std::sqrt(2.0));
  const auto n = static_cast<std::int64_t>(t.size());
  std::int64_t j = frames_of(t.rate, t.origin + start);
  if (t.looping) j = ((j % n) + n) % n;
  for (float x : note) {
    if (j >= n) {
      if (!t.looping) return;
      j -= n;
    }
    if (j >= 0) {
      t.left[static_cast<std::size_t>(j)] += gl * x;
      t.right[static_cast<std::size_t>(j)] += gr * x;
    }
    ++j;
  }
}

// ---- Instruments --------------------------------------------------------------------------------

Signal koto(int rate, double hz, double velocity, Random& rng) {
  // Low strings ring longer.
  const double decay = std::clamp(1.3 * std::sqrt(220 / hz), 0.5, 2.6);
  Signal s = string_note(rate, hz, velocity, 0.2, 1.1, decay, 0.45, 16, 0.004);
  // The nail on the string.
  Tinted click{rng};
  for (int i = 0; i < frames_of(rate, 0.006); ++i)
    s[static_cast<std::size_t>(i)] += static_cast<float>(
        velocity * 0.25 * click.bright() * std::exp(-static_cast<double>(i) / rate / 0.0012));
  return s;
}

Signal shamisen(int rate, double hz, double velocity, Random& rng) {
  Signal s = string_note(rate, hz, velocity, 0.08, 0.8, 0.42, 0.3, 24, 0.006);
  // The plectrum's snap and the buzz of the string against the neck (sawari).
  Tinted click{rng};
  BandPass buzz(rate, std::min(hz * 6, 3200.0), 0.5);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    s[i] += static_cast<float>(velocity * (0.5 * click.bright() * std::exp(-t / 0.0015) +
                                           0.22 * buzz(rng.noise()) * std::exp(-t / 0.09)));
  }
  return s;
}

Signal flute(int rate, double hz, double hold, double velocity, bool breathy, Random& rng) {
  const double attack = breathy ? 0.12 : 0.03;
  const double release = breathy ? 0.18 : 0.07;
  const double bend = breathy ? -70 : -25;  // cents below the note at the start
  const double bend_time = breathy ? 0.16 : 0.04;
  const double vibrato_depth = breathy ? 14 : 8, vibrato_hz = 5.3;
  const std::array<double, 4> harmonics = breathy ? std::array<double, 4>{0.22, 0.09, 0.03, 0.0}
                                                  : std::array<double, 4>{0.40, 0.18, 0.08, 0.04};
  const double breath = breathy ? 0.10 : 0.03, puff = breathy ? 0.35 : 0.15;
  const double puff_time = breathy ? 0.06 : 0.02;

  Signal s(static_cast<std::size_t>(frames_of(rate, hold + release)), 0.0f);
  BandPass air(rate, hz * 2.5, 0.8);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double cents =
        bend * (1 - smoothstep(t / bend_time)) +
        vibrato_depth * smoothstep((t - 0.3) / 0.5) * std::sin(kTwoPi * vibrato_hz * t);
    phase += kTwoPi * hz * std::pow(2.0, cents / 1200) / rate;
    double tone = std::sin(phase);
    for (std::size_t h = 0; h < harmonics.size(); ++h)
      tone += harmonics[h] * std::sin((h + 2) * phase);
    const double swell = breathy ? 0.85 + 0.15 * std::sin(kPi * std::min(t / hold, 1.0)) : 1.0;
    const double env = ramp(t, attack) * (t < hold ? 1.0 : 1 - ramp(t - hold, release)) * swell;
    const double noise = air(rng.noise()) * (breath + puff * std::exp(-t / puff_time));
    s[i] = static_cast<float>(velocity * env * (tone + noise));
  }
  return s;
}

Signal taiko(int rate, double velocity, Random& rng) {
  Signal s(static_cast<std::size_t>(frames_of(rate, 0.9)), 0.0f);
  Tinted skin{rng};
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    phase += kTwoPi * (58 + 50 * std::exp(-t / 0.045)) / rate;
    const double body =
        std::sin(phase) * std::exp(-t / 0.32) + 0.35 * std::sin(1.58 * phase) * std::exp(-t / 0.12);
    s[i] = static_cast<float>(velocity * ramp(t, 0.001) *
                              (body + 0.5 * skin.dark(0.85) * std::exp(-t / 0.025)));
  }
  fade_out(s, rate, 0.15);
  return s;
}

Signal shime(int rate, double velocity, Random& rng) {
  Signal s(static_cast<std::size_t>(frames_of(rate, 0.25)), 0.0f);
  Tinted click{rng};
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    phase += kTwoPi * (360 + 160 * std::exp(-t / 0.006)) / rate;
    const double body =
        std::sin(phase) * std::exp(-t / 0.06) + 0.4 * std::sin(1.47 * phase) * std::exp(-t / 0.035);
    s[i] = static_cast<float>(velocity * ramp(t, 0.0005) *
                              (body + 0.6 * click.bright() * std::exp(-t / 0.004)));
  }
  fade_out(s, rate, 0.05);
  return s;
}

Signal bell(int rate, double hz, const std::vector<Partial>& partials, double seconds,
            double attack) {
  Signal s(static_cast<std::size_t>(frames_of(rate, seconds)), 0.0f);
  for (const Partial& p : partials) {
    if (p.ratio * hz > kNyquistUse * rate) continue;
    const double w = kTwoPi * p.ratio * hz;
    for (std::size_t i = 0; i < s.size(); ++i) {
      const double t = static_cast<double>(i) / rate;
      s[i] += static_cast<float>(p.amplitude * std::exp(-t / p.decay) * std::sin(w * t));
    }
  }
  for (std::size_t i = 0; i < s.size(); ++i)
    s[i] *= static_cast<float>(ramp(static_cast<double>(i) / rate, attack));
  fade_out(s, rate, seconds * 0.1);
  return s;
}

Signal kane(int rate, double velocity, Random& rng) {
  // Pairs of close partials beat against each other, as in a hand gong.
  Signal s = bell(rate, 1180,
                  {{1.0, 0.8, 0.5},
                   {1.0021, 0.5, 0.45},
                   {2.31, 0.6, 0.3},
                   {2.316, 0.4, 0.28},
                   {3.93, 0.35, 0.18},
                   {5.12, 0.2, 0.12}},
                  1.4, 0.0005);
  Tinted strike{rng};
  for (std::size_t i = 0; i < s.size(); ++i)
    s[i] = static_cast<float>(
        velocity *
        (s[i] + 0.6 * strike.bright() * std::exp(-static_cast<double>(i) / rate / 0.003)));
  return s;
}

// ---- Effects
// -------------------------------------------------------------------------------------

void reverb(Track& t, double wet, double seconds) {
  // A Schroeder room: parallel damped combs, then series all-passes, a little wider on the right.
  constexpr std::array<int, 6> kCombs = {1116, 1188, 1277, 1356, 1422, 1491};
  constexpr std::array<int, 3> kAllPasses = {556, 441, 341};
  constexpr int kSpread = 23;
  constexpr double kBaseRate = 44100, kDamping = 0.25, kAllPassGain = 0.5;
  const double scale = t.rate / kBaseRate;

  struct Line {
    std::vector<float> buf;
    std::size_t at = 0;
    double store = 0, feedback = 0;
  };
  auto lines = [&](auto delays, int extra) {
    std::vector<Line> out;
    for (int d : delays)
      out.push_back(
          {std::vector<float>(static_cast<std::size_t>(std::lround((d + extra) * scale)), 0.0f)});
    return out;
  };
  const std::size_t n = t.size();
  const std::size_t passes = t.looping ? 2 : 1;
  Signal* channels[] = {&t.left, &t.right};
  std::array<Signal, 2> wet_out = {Signal(n, 0.0f), Signal(n, 0.0f)};
  for (int c = 0; c < 2; ++c) {
    auto combs = lines(kCombs, c * kSpread);
    // Each comb loses 60 dB in `seconds`.
    for (Line& l : combs)
      l.feedback = std::pow(10.0, -3 * static_cast<double>(l.buf.size()) / t.rate / seconds);
    auto alls = lines(kAllPasses, c * kSpread);
    for (std::size_t k = 0; k < passes * n; ++k) {
      const std::size_t i = k % n;
      const double in = 0.5 * (t.left[i] + t.right[i]);
      double sum = 0;
      for (Line& l : combs) {
        const double out = l.buf[l.at];
        l.store = out * (1 - kDamping) + l.store * kDamping;
        l.buf[l.at] = static_cast<float>(in + l.store * l.feedback);
        l.at = (l.at + 1) % l.buf.size();
        sum += out;
      }
      double y = sum / combs.size();
      for (Line& l : alls) {
        const double delayed = l.buf[l.at];
        l.buf[l.at] = static_cast<float>(y + delayed * kAllPassGain);
        l.at = (l.at + 1) % l.buf.size();
        y = delayed - kAllPassGain * y;
      }
      if (k >= (passes - 1) * n) wet_out[static_cast<std::size_t>(c)][i] = static_cast<float>(y);
    }
  }
  for (int c = 0; c < 2; ++c)
    for (std::size_t i = 0; i < n; ++i)
      (*channels[c])[i] += static_cast<float>(wet * wet_out[static_cast<std::size_t>(c)][i]);
}

void remove_dc(Track& t) {
  const std::size_t n = t.size();
  for (Signal* s : {&t.left, &t.right}) {
    double sum = 0, weight = 0;
    std::vector<double> w(n, 1.0);
    if (!t.looping)
      for (std::size_t i = 0; i < n; ++i) w[i] = std::pow(std::sin(kPi * i / (n - 1)), 2);
    for (std::size_t i = 0; i < n; ++i) {
      sum += (*s)[i];
      weight += w[i];
    }
    const double mean = sum / weight;
    for (std::size_t i = 0; i < n; ++i) (*s)[i] -= static_cast<float>(mean * w[i]);
  }
}

void normalise(Track& t, double peak) {
  float top = 0;
  for (const Signal* s : {&t.left, &t.right})
    for (float x : *s) top = std::max(top, std::fabs(x));
  if (top == 0) return;
  const auto k = static_cast<float>(peak / top);
  for (Signal* s : {&t.left, &t.right})
    for (float& x : *s) x *= k;
}

void trim(Track& t, double seconds, double fade) {
  const auto n = static_cast<std::size_t>(frames_of(t.rate, seconds));
  for (Signal* s : {&t.left, &t.right}) {
    s->resize(n);
    fade_out(*s, t.rate, fade);
  }
}

bool write_wav(const std::string& path, const Track& t, bool stereo, Random& dither) {
  const std::uint16_t channels = stereo ? 2 : 1, bits = 16;
  const std::uint32_t data = static_cast<std::uint32_t>(t.size() * channels * bits / 8);
  std::string out;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto u16 = [&](std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
  };
  out += "RIFF";
  u32(36 + data);
  out += "WAVEfmt ";
  u32(16);
  u16(1);  // PCM
  u16(channels);
  u32(static_cast<std::uint32_t>(t.rate));
  u32(static_cast<std::uint32_t>(t.rate) * channels * bits / 8);
  u16(static_cast<std::uint16_t>(channels * bits / 8));
  u16(bits);
  out += "data";
  u32(data);
  for (std::size_t i = 0; i < t.size(); ++i)
    for (const Signal* s : {&t.left, &t.right}) {
      if (s == &t.right && !stereo) break;
      const double v = (*s)[i] * 32767.0 + dither.uniform() - dither.uniform();
      u16(static_cast<std::uint16_t>(
          static_cast<std::int16_t>(std::clamp(std::lround(v), -32768l, 32767l))));
    }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << out;
  return static_cast<bool>(file);
}

}  // namespace synth
