// The small synthesiser behind gen_sound: instruments that render one note into a mono
// signal, a stereo track that notes are laid into (wrapping round its end for music that
// loops), a reverb, and the finishing steps down to a 16-bit WAV file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace synth {

using Signal = std::vector<float>;

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;

// Deterministic noise, so that every run writes the same files.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  double uniform();  // [0, 1)
  double noise() { return 2 * uniform() - 1; }

 private:
  std::uint64_t state_;
};

double midi_hz(double midi);
int frames_of(int rate, double seconds);

// A stereo track of a fixed length. With `looping` everything laid past the end continues
// from the start, so the track repeats without a seam.
struct Track {
  int rate;
  bool looping;
  Signal left, right;
  double origin = 0;  // where time 0 of what is placed falls, in seconds into the track
  Track(int rate, double seconds, bool looping);
  std::size_t size() const { return left.size(); }
};

// Lays a mono note into the track at `start` seconds; pan -1 left to 1 right, equal power.
void place(Track& t, const Signal& note, double start, double pan, double gain);

// ---- Instruments: one note each, in seconds, with the tail they need after `hold` ----------
// A koto string: bright attack, upper partials dying first.
Signal koto(int rate, double hz, double velocity, Random& rng);
// A shamisen string: a sharp plectrum click and a buzzing, quickly fading tone.
Signal shamisen(int rate, double hz, double velocity, Random& rng);
// A bamboo flute held for `hold` seconds: breathy, bending up into the note, vibrato later.
// Shakuhachi when `breathy`, a bright shinobue otherwise.
Signal flute(int rate, double hz, double hold, double velocity, bool breathy, Random& rng);
// Drums: the big taiko and the tight shime-daiko.
Signal taiko(int rate, double velocity, Random& rng);
Signal shime(int rate, double velocity, Random& rng);
// A struck metal bell: partial ratios and their decay times.
struct Partial {
  double ratio, amplitude, decay;
};
Signal bell(int rate, double hz, const std::vector<Partial>& partials, double seconds,
            double attack);
// A small gong for accents.
Signal kane(int rate, double velocity, Random& rng);

// ---- Effects on a whole track ----------------------------------------------------------------
// Adds a stereo room of `seconds` reverberation at `wet` level. A looping track is fed round
// twice, so the tail of its end rings on into its start.
void reverb(Track& t, double wet, double seconds);
// A looping track: its mean taken away. A single sound: its mean taken away under a window
// that is zero at both ends, so it still starts and ends in silence.
void remove_dc(Track& t);
// Scales the track so that its loudest sample is `peak` of full scale.
void normalise(Track& t, double peak);
// Shortens a single sound to the first `seconds`, fading the last `fade` seconds out.
void trim(Track& t, double seconds, double fade);

// Writes 16-bit PCM with triangular dither; stereo or the left channel only.
bool write_wav(const std::string& path, const Track& t, bool stereo, Random& dither);

}  // namespace synth
