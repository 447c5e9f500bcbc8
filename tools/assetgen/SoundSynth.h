#ifndef ASSETGEN_SOUNDSYNTH_H
#define ASSETGEN_SOUNDSYNTH_H

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "Random.h"

constexpr int kSampleRate = 22050;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kSoundPi = 3.141592653589793;

using Samples = std::vector<float>;

// Band-limited oscillators; phase in cycles, step = frequency / rate.
double sawWave(double phase, double step);
double squareWave(double phase, double step);
inline double sineWave(double phase) { return std::sin(kTwoPi * phase); }

// Attack, then exponential decay towards sustain, released at `hold`.
double envelope(double t, double attack, double decay, double sustain, double hold, double release);

// Second-order filter (low, band or high pass), coefficients settable per sample.
class Biquad {
public:
    enum Kind { LOW, BAND, HIGH };
    void set(Kind kind, double frequency, double q);
    double process(double x);

private:
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// One-pole smoothing low pass.
class OnePole {
public:
    explicit OnePole(double frequency = 1000) { setFrequency(frequency); }
    void setFrequency(double frequency) { coefficient = 1 - std::exp(-kTwoPi * frequency / kSampleRate); }
    double process(double x) { return state += coefficient * (x - state); }

private:
    double coefficient = 0, state = 0;
};

enum class Voice {
    PLUCK,    // plucked string
    PIANO,    // struck, bell-like piano
    BELL,     // glassy bell
    PAD,      // soft detuned pad
    STRINGS,  // bowed string section
    BRASS,    // horn section
    FLUTE,    // breathy flute
    BASS,     // round bass
    CHOIR,    // sung "ah"
    ORGAN,    // drawbar organ
    KICK,
    SNARE,
    HAT,
    TOM,      // pitched by the note
    TIMPANI,  // pitched by the note
    TAIKO,    // big low drum
};

// One note: frequency in Hz, held for `seconds`, ringing on after release.
Samples renderNote(Voice voice, double frequency, double seconds, double velocity, uint32_t seed);

double noteFrequency(const std::string& name);  // "a4" = 440, "c#3", "eb5"

// A looping stereo piece whose length is fixed: whatever rings past the end
// comes round again at the start, so the loop has no seam.
class Loop {
public:
    explicit Loop(double seconds);
    int frames() const { return (int)left.size(); }
    void add(const Samples& sound, double startSeconds, double gain, double pan);
    // One token per step: a note ("e4"), a chord ("e3+g3+b3"), "." holds the
    // previous note one more step, "-" rests; "|" marks bars and is skipped.
    // Drums take "x" (hit) and "X" (accented hit).
    void play(Voice voice, const std::string& pattern, double stepSeconds, double startSeconds, double gain,
              double pan, int transpose = 0);
    // Reverb that wraps round the loop like everything else.
    void reverb(double roomSize, double wet);
    std::vector<int16_t> toPcm(double peak) const;  // interleaved stereo

    Samples left, right;

private:
    uint32_t nextSeed = 1;
};

std::vector<int16_t> toPcmMono(const Samples& samples, double peak);
// Short fades at both ends so an effect starts and stops without a click.
void fadeEnds(Samples& samples, double fadeInSeconds, double fadeOutSeconds);

#endif
