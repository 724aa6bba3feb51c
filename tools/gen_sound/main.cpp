// gen_sound: writes the game's seven sounds into the folder given (assets/sounds).
//   駒打音.wav  a piece knocked down on the board      禁止.wav  a short low buzz
//   魔法.wav    a rising magical chime                  金縛.wav  a shimmering, freezing tremolo
//   その他.wav  a soft ding
//   戦闘.wav    a lively battle tune (D, in scale)      BGM.wav   a calm koto and shakuhachi
//                                                                 tune (E, miyako-bushi)
// The two tunes loop: every note and the reverberation ring on from the end into the start.
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Synth.h"

using namespace synth;

namespace {

constexpr int kEffectRate = 44100;
constexpr int kMusicRate = 22050;
constexpr double kEffectPeak = 0.966;  // -0.3 dBFS
constexpr double kMusicPeak = 0.891;   // -1 dBFS
// A tune's first beat falls this far into its file, so that the loop's seam lies between notes.
constexpr double kMusicLead = 0.05;

// A played note: when, for how long (in beats), which key (MIDI number), how hard.
struct Note {
  double beat, beats;
  int key;
  double velocity;
};

// A melody bar by bar: each bar a list of (length, key) with key 0 a rest.
using Bar = std::vector<std::pair<double, int>>;
std::vector<Note> melody(const std::vector<Bar>& bars, double beats_per_bar, double unit,
                         double velocity) {
  std::vector<Note> out;
  for (std::size_t b = 0; b < bars.size(); ++b) {
    double at = static_cast<double>(b) * beats_per_bar;
    for (auto [length, key] : bars[b]) {
      if (key != 0) out.push_back({at, length * unit, key, velocity});
      at += length * unit;
    }
  }
  return out;
}

// ---- Effects ---------------------------------------------------------------------------------

Track knock() {
  Track t(kEffectRate, 0.3, false);
  Random rng(1);
  // The piece's and the board's ringing modes, high and short: a dry "pachi".
  place(t,
        bell(kEffectRate, 1150,
             {{1.0, 1.0, 0.018},
              {1.50, 0.7, 0.014},
              {2.20, 0.55, 0.010},
              {3.03, 0.35, 0.008},
              {4.23, 0.2, 0.006},
              {0.557, 0.45, 0.030},
              {0.183, 0.5, 0.045}},
             0.3, 0.0002),
        0, 0, 1);
  Signal click(static_cast<std::size_t>(frames_of(kEffectRate, 0.01)));
  double last = 0;
  for (std::size_t i = 0; i < click.size(); ++i) {
    const double x = rng.noise();
    click[i] = static_cast<float>(0.8 * (x - last) *
                                  std::exp(-static_cast<double>(i) / kEffectRate / 0.0008));
    last = x;
  }
  place(t, click, 0, 0, 1);
  trim(t, 0.16, 0.04);
  return t;
}

Track buzz() {
  constexpr double kLength = 0.3;
  Track t(kEffectRate, kLength, false);
  // Two low buzzers a little apart, beating against each other, sagging as they fade.
  for (double hz : {98.0, 103.0}) {
    Signal s(static_cast<std::size_t>(frames_of(kEffectRate, kLength)));
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
      const double x = static_cast<double>(i) / kEffectRate;
      phase += kTwoPi * hz * (1 - 0.08 * x / kLength) / kEffectRate;
      double saw = 0;
      for (int n = 1; n * hz < 3000; ++n) saw += std::sin(n * phase) / std::pow(n, 1.2);
      s[i] = static_cast<float>(saw * std::min(x / 0.008, 1.0) * std::exp(-x / 0.18));
    }
    place(t, s, 0, 0, 1);
  }
  trim(t, kLength, 0.05);
  return t;
}

Track magic() {
  Track t(kEffectRate, 2.4, false);
  const std::vector<Partial> chime = {{1, 1.0, 0.9}, {2.756, 0.35, 0.3}, {5.404, 0.12, 0.12}};
  // Up a bright pentatonic run, faster and louder as it climbs.
  const int run[] = {72, 74, 76, 79, 81, 84, 86, 88, 91, 93};
  double at = 0;
  for (int i = 0; i < 10; ++i) {
    place(t, bell(kEffectRate, midi_hz(run[i]), chime, 1.4, 0.002), at, i % 2 ? 0.6 : -0.6,
          0.5 + 0.05 * i);
    at += 0.07 - 0.003 * i;
  }
  // A sweep of sparkle under the run, and the chord it lands on, trembling.
  Signal sweep(static_cast<std::size_t>(frames_of(kEffectRate, 0.7)));
  double phase = 0;
  for (std::size_t i = 0; i < sweep.size(); ++i) {
    const double s = static_cast<double>(i) / kEffectRate;
    phase += kTwoPi * (1200 * std::pow(4.3, s / 0.7)) / kEffectRate;
    sweep[i] = static_cast<float>(0.18 * std::sin(phase) * std::sin(kPi * s / 0.7));
  }
  place(t, sweep, 0, 0, 1);
  for (int key : {84, 88, 91, 96}) {
    Signal s = bell(kEffectRate, midi_hz(key), chime, 1.6, 0.02);
    for (std::size_t i = 0; i < s.size(); ++i)
      s[i] *= static_cast<float>(
          0.75 + 0.25 * std::sin(kTwoPi * 7 * static_cast<double>(i) / kEffectRate));
    place(t, s, at, key % 2 ? 0.4 : -0.4, 0.35);
  }
  reverb(t, 0.35, 1.6);
  trim(t, 2.3, 0.5);
  return t;
}

Track freeze() {
  Track t(kEffectRate, 2.0, false);
  Random rng(5);
  const double length = 1.7;
  // A high cluster sinking a quarter of an octave, each voice trembling out of step.
  const double cluster[] = {2093, 2489, 2960, 3520, 4186};
  for (int v = 0; v < 5; ++v)
    for (int side : {-1, 1}) {
      Signal s(static_cast<std::size_t>(frames_of(kEffectRate, length)));
      double phase = 0;
      for (std::size_t i = 0; i < s.size(); ++i) {
        const double x = static_cast<double>(i) / kEffectRate;
        const double hz = (cluster[v] + side * 3) * std::pow(2.0, -0.25 * x / length);
        phase += kTwoPi * hz / kEffectRate;
        const double tremolo = 0.55 + 0.45 * std::sin(kTwoPi * 13 * x + v * 1.3 + side);
        const double env = std::min(x / 0.03, 1.0) * std::pow(1 - x / length, 1.5);
        s[i] = static_cast<float>(0.16 * tremolo * env * std::sin(phase));
      }
      place(t, s, 0, side * 0.7, 1);
    }
  // An eerie low tone underneath, and crackling ice.
  Signal low(static_cast<std::size_t>(frames_of(kEffectRate, length)));
  double phase = 0;
  for (std::size_t i = 0; i < low.size(); ++i) {
    const double x = static_cast<double>(i) / kEffectRate;
    phase += kTwoPi * 196 * std::pow(2.0, -0.17 * x / length) / kEffectRate;
    low[i] =
        static_cast<float>(0.35 * std::sin(phase) * std::min(x / 0.08, 1.0) * (1 - x / length));
  }
  place(t, low, 0, 0, 1);
  for (int i = 0; i < 28; ++i)
    place(t,
          bell(kEffectRate, 5000 + 3000 * rng.uniform(), {{1, 1, 0.008}, {1.7, 0.4, 0.005}}, 0.05,
               0.0003),
          0.05 + 1.3 * rng.uniform(), rng.noise(), 0.3);
  reverb(t, 0.3, 1.4);
  trim(t, 1.95, 0.3);
  return t;
}

Track ding() {
  Track t(kEffectRate, 1.3, false);
  place(t,
        bell(kEffectRate, midi_hz(88), {{1, 1.0, 0.35}, {2.0, 0.12, 0.2}, {2.76, 0.05, 0.1}}, 1.3,
             0.004),
        0, 0, 1);
  trim(t, 1.2, 0.3);
  return t;
}

// ---- Music -------------------------------------------------------------------------------------

// Lays each note with an instrument, a little freely in time and strength.
void play(Track& t, const std::vector<Note>& notes, double beat_seconds, double pan, Random& rng,
          const std::function<Signal(const Note&)>& instrument) {
  for (const Note& n : notes) {
    Note played = n;
    played.velocity *= 1 + 0.06 * rng.noise();
    place(t, instrument(played), n.beat * beat_seconds + 0.004 * rng.noise(), pan, 1);
  }
}

// E miyako-bushi (E F A B C), 60 beats a minute, eight bars of four: koto arpeggios, a low
// koto on each bar's first beat, and a shakuhachi melody above.
Track calm_tune() {
  constexpr double kBeat = 1.0;
  constexpr int kBars = 8;
  Track t(kMusicRate, kBars * 4 * kBeat, true);
  t.origin = kMusicLead;
  Random rng(7);
  enum : int {
    E2 = 40,
    F2 = 41,
    A2 = 45,
    C3 = 48,
    E3 = 52,
    F3 = 53,
    A3 = 57,
    B3 = 59,
    C4 = 60,
    E4 = 64,
    F4 = 65,
    A4 = 69,
    B4 = 71,
    C5 = 72,
    E5 = 76
  };

  // Koto: eight flowing eighths a bar over the bar's root.
  const std::vector<int> on_e = {E3, B3, E4, F4, E4, B3, A3, B3};
  const std::vector<int> on_a = {A3, C4, E4, A4, E4, C4, B3, C4};
  const std::vector<int> on_c = {C3, A3, C4, E4, C4, A3, E3, A3};
  const std::vector<int> on_f = {F3, C4, F4, A4, F4, C4, E4, C4};
  const std::vector<std::vector<int>> bars = {on_e, on_e, on_a, on_a, on_c, on_f, on_e, on_e};
  const int roots[kBars] = {E2, E2, A2, A2, C3, F2, E2, E2};
  std::vector<Note> koto_notes, bass_notes;
  for (int b = 0; b < kBars; ++b) {
    for (int i = 0; i < 8; ++i)
      koto_notes.push_back({b * 4.0 + i * 0.5, 0.5, bars[b][i],
                            i == 0  ? 0.6
                            : i % 2 ? 0.38
                                    : 0.45});
    bass_notes.push_back({b * 4.0, 4, roots[b], 0.7});
    bass_notes.push_back({b * 4.0, 4, roots[b] + 12, 0.35});
  }
  auto koto_of = [&](const Note& n) { return koto(kMusicRate, midi_hz(n.key), n.velocity, rng); };
  play(t, koto_notes, kBeat, -0.35, rng, koto_of);
  play(t, bass_notes, kBeat, -0.1, rng, koto_of);

  // Shakuhachi: a breath between notes, a longer one at the end of each phrase.
  const std::vector<Bar> tune = {
      {{2, B4}, {1, C5}, {1, B4}},          {{1.5, A4}, {0.5, F4}, {2, E4}},
      {{1, A4}, {1, B4}, {1, C5}, {1, E5}}, {{1.5, C5}, {0.5, B4}, {2, A4}},
      {{2, E5}, {1, C5}, {1, B4}},          {{1, C5}, {0.5, B4}, {0.5, A4}, {2, F4}},
      {{1, E4}, {1, F4}, {1, A4}, {1, B4}}, {{1, A4}, {1, F4}, {2, E4}}};
  std::vector<Note> flute_notes = melody(tune, 4, 1, 0.5);
  for (std::size_t i = 0; i < flute_notes.size(); ++i) {
    const bool phrase_end = static_cast<int>(flute_notes[i].beat + flute_notes[i].beats) % 8 == 0;
    const double breath = phrase_end ? 0.35 : 0.06;
    const Note n = flute_notes[i];
    place(t, flute(kMusicRate, midi_hz(n.key), n.beats * kBeat - breath, n.velocity, true, rng),
          n.beat * kBeat, 0.3, 1);
  }
  reverb(t, 0.3, 2.2);
  return t;
}

// D in scale (D Eb G A Bb), 144 beats a minute, sixteen bars: taiko, shime-daiko and a small
// gong drive a shamisen ostinato and a shinobue melody.
Track battle_tune() {
  constexpr double kBeat = 60.0 / 144;
  constexpr int kBars = 16;
  Track t(kMusicRate, kBars * 4 * kBeat, true);
  t.origin = kMusicLead;
  Random rng(11);
  enum : int {
    Eb3 = 51,
    G3 = 55,
    A3 = 57,
    Bb3 = 58,
    D3 = 50,
    A4 = 69,
    Bb4 = 70,
    D5 = 74,
    Eb5 = 75,
    G5 = 79,
    A5 = 81,
    Bb5 = 82,
    D6 = 86,
    Eb6 = 87
  };

  // Shamisen: root, root, octave, root, the fourth (or fifth) in the scale, ... in eighths.
  const int roots[kBars] = {D3, D3, G3, A3, D3, D3, Bb3, A3, G3, G3, Eb3, A3, D3, Bb3, G3, A3};
  const double accents[8] = {1.0, 0.6, 0.8, 0.6, 0.85, 0.6, 0.8, 0.65};
  std::vector<Note> strings, bass;
  for (int b = 0; b < kBars; ++b) {
    const int r = roots[b];
    const int above = (r == G3 || r == Eb3) ? r + 7 : r + 5;
    const int pattern[8] = {r, r, r + 12, r, above, r, r + 12, above};
    for (int i = 0; i < 8; ++i)
      strings.push_back({b * 4.0 + i * 0.5, 0.5, pattern[i], 0.45 * accents[i]});
    bass.push_back({b * 4.0, 2, r - 12, 0.7});
    bass.push_back({b * 4.0 + 2, 2, r - 12, 0.55});
  }
  play(t, strings, kBeat, -0.3, rng,
       [&](const Note& n) { return shamisen(kMusicRate, midi_hz(n.key), n.velocity, rng); });
  play(t, bass, kBeat, 0, rng,
       [&](const Note& n) { return koto(kMusicRate, midi_hz(n.key), n.velocity, rng); });

  // Drums in eighths; every fourth bar a fill leads into the next phrase.
  std::vector<Note> big, small, gong;
  for (int b = 0; b < kBars; ++b) {
    const bool fill = b % 4 == 3;
    const std::vector<std::pair<int, double>> hits =
        fill ? std::vector<std::pair<int, double>>{{0, 1.0},  {2, 0.7},  {4, 0.9},
                                                   {5, 0.75}, {6, 0.85}, {7, 0.95}}
             : std::vector<std::pair<int, double>>{{0, 1.0}, {3, 0.65}, {4, 0.9}, {6, 0.7}};
    for (auto [eighth, v] : hits) big.push_back({b * 4.0 + eighth * 0.5, 0.5, 0, v});
    const int steps = fill ? 16 : 8;
    for (int i = 0; i < steps; ++i)
      small.push_back({b * 4.0 + i * 4.0 / steps, 0, 0, (i * 8 / steps) % 2 ? 0.55 : 0.35});
    if (b % 4 == 0) gong.push_back({b * 4.0, 0, 0, 0.6});
    for (int eighth : {2, 6}) gong.push_back({b * 4.0 + eighth * 0.5, 0, 0, 0.22});
  }
  play(t, big, kBeat, 0, rng, [&](const Note& n) { return taiko(kMusicRate, n.velocity, rng); });
  play(t, small, kBeat, 0.4, rng,
       [&](const Note& n) { return shime(kMusicRate, n.velocity * 0.6, rng); });
  play(t, gong, kBeat, -0.5, rng,
       [&](const Note& n) { return kane(kMusicRate, n.velocity * 0.35, rng); });

  // Shinobue, in eighths.
  const std::vector<Bar> tune = {{{2, D5}, {2, A5}, {1, G5}, {1, A5}, {2, Bb5}},
                                 {{3, A5}, {1, G5}, {1, Eb5}, {1, D5}, {2, Eb5}},
                                 {{2, G5}, {1, G5}, {1, A5}, {1, Bb5}, {1, A5}, {2, G5}},
                                 {{4, A5}, {2, 0}, {1, A4}, {1, D5}},
                                 {{2, D5}, {2, A5}, {1, Bb5}, {1, D6}, {2, Bb5}},
                                 {{1, A5}, {1, Bb5}, {1, A5}, {1, G5}, {2, Eb5}, {2, D5}},
                                 {{2, Bb4}, {1, D5}, {1, Eb5}, {2, G5}, {2, Bb5}},
                                 {{6, A5}, {2, 0}},
                                 {{3, D6}, {1, Bb5}, {2, A5}, {2, G5}},
                                 {{1, A5}, {1, G5}, {2, Eb5}, {4, D5}},
                                 {{2, Eb5}, {2, G5}, {2, Bb5}, {2, Eb6}},
                                 {{1, D6}, {1, Bb5}, {1, A5}, {1, G5}, {4, A5}},
                                 {{2, D5}, {2, A5}, {1, G5}, {1, A5}, {2, Bb5}},
                                 {{3, D6}, {1, Bb5}, {1, A5}, {1, G5}, {2, A5}},
                                 {{1, G5}, {1, A5}, {1, Bb5}, {1, A5}, {2, G5}, {2, Eb5}},
                                 {{3, D5}, {1, 0}, {1, A4}, {1, Bb4}, {2, A4}}};
  for (const Note& n : melody(tune, 4, 0.5, 0.42)) {
    const double hold = n.beats * kBeat * (n.beats <= 0.5 ? 0.8 : 0.92);
    place(t, flute(kMusicRate, midi_hz(n.key), hold, n.velocity, false, rng), n.beat * kBeat, 0.25,
          1);
  }
  reverb(t, 0.15, 1.3);
  return t;
}

struct Output {
  const char* name;
  std::function<Track()> make;
  bool stereo;
  double peak;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_sound <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const Output outputs[] = {
      {"駒打音.wav", knock, false, kEffectPeak}, {"禁止.wav", buzz, false, kEffectPeak},
      {"魔法.wav", magic, true, kEffectPeak},    {"金縛.wav", freeze, true, kEffectPeak},
      {"その他.wav", ding, false, kEffectPeak},  {"戦闘.wav", battle_tune, true, kMusicPeak},
      {"BGM.wav", calm_tune, true, kMusicPeak}};
  Random dither(42);
  for (const Output& o : outputs) {
    Track t = o.make();
    remove_dc(t);
    normalise(t, o.peak);
    const std::string path = folder + "/" + o.name;
    if (!write_wav(path, t, o.stereo, dither)) {
      std::fprintf(stderr, "gen_sound: cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s  %.2f s\n", path.c_str(), static_cast<double>(t.size()) / t.rate);
  }
  return 0;
}
