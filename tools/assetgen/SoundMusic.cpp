// The ten music tracks. Each is a Loop of a whole number of bars; notes and
// echoes that run past the end sound again from the start, so every track
// plays round for ever without a seam.
#include <functional>

#include "SoundParts.h"

namespace {

std::string repeat(const std::string& s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += s + " ";
    return out;
}

// One pattern per chord, with R standing for the chord's root letter.
std::string perChord(const std::vector<std::string>& roots, const std::string& pattern) {
    std::string out;
    for (const std::string& root : roots) {
        std::string bar = pattern;
        for (size_t at = bar.find('R'); at != std::string::npos; at = bar.find('R', at + root.size()))
            bar.replace(at, 1, root);
        out += bar + " | ";
    }
    return out;
}

// Noise shaped by a filter that may change with time; run twice round the
// loop so the filters' state at the end leads straight into the start.
Samples periodicNoise(int frames, uint32_t seed, const std::function<double(double, int)>& shape) {
    Random noise(seed);
    Samples white(frames), out(frames);
    for (float& v : white) v = (float)noise.white();
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < frames; ++i) out[i] = (float)shape(white[i], i);
    return out;
}

double cycles(int i, int frames, double count, double phase = 0) {
    return std::sin(kTwoPi * count * i / frames + phase);
}

MusicFile peril() {
    // Adventurous: D minor, driving strings, a horn theme over drums.
    const double step = 60.0 / 128 / 2;  // eighth notes
    Loop loop(16 * 8 * step);
    std::vector<std::string> roots = {"d", "d", "bb", "c", "d", "d", "bb", "a",
                                      "g", "bb", "f", "c", "d", "bb", "a", "a"};
    loop.play(Voice::STRINGS, perChord(roots, "R3 a3 R4 a3 R3 a3 R4 a3"), step, 0, 0.25, -0.3);
    loop.play(Voice::BASS, perChord(roots, "R2 . . . R2 . R2 ."), step, 0, 0.5, 0);
    const std::string chords[] = {"d3+f3+a3", "d3+f3+a3", "bb2+d3+f3", "c3+e3+g3", "d3+f3+a3", "d3+f3+a3",
                                  "bb2+d3+f3", "a2+c#3+e3", "g2+bb2+d3", "bb2+d3+f3", "f2+a2+c3", "c3+e3+g3",
                                  "d3+f3+a3", "bb2+d3+f3", "a2+c#3+e3", "a2+c#3+e3"};
    std::string pad;
    for (const std::string& c : chords) pad += c + " . . . . . . . | ";
    loop.play(Voice::CHOIR, pad, step, 0, 0.22, 0.3);
    loop.play(Voice::BRASS,
              "d4 . . . a4 . . . | a4 g4 f4 g4 a4 . . . | bb4 . a4 . g4 . f4 . | e4 . . . c4 . . . | "
              "d4 . . . a4 . . . | a4 g4 f4 g4 a4 . d5 . | d5 . c5 . bb4 . a4 . | a4 . . . . . - - | "
              "g4 . bb4 . d5 . . . | f5 . d5 . bb4 . . . | c5 . a4 . f4 . a4 . | g4 . . . e4 . . . | "
              "f4 . a4 . d5 . . . | d5 . c5 . bb4 . d5 . | c#5 . . . a4 . . . | e4 . . . a4 . . .",
              step, 0, 0.42, 0.1);
    loop.play(Voice::TAIKO, repeat("X - - - x - - -", 16), step, 0, 0.5, 0);
    loop.play(Voice::SNARE, repeat("- - x - - - x x", 16), step, 0, 0.18, 0.2);
    loop.play(Voice::HAT, repeat("x x x x x x x x", 16), step, 0, 0.1, -0.4);
    loop.reverb(0.82, 0.3);
    return {"Music/Soundtrack1Peril.wav", loop};
}

MusicFile homeTown() {
    // A calm village waltz in G: flute over a plucked oom-pah-pah.
    const double step = 60.0 / 96 / 2;
    Loop loop(16 * 6 * step);
    struct Chord {
        const char *bass, *upper;
    };
    const Chord chords[] = {{"g2", "b3+d4"}, {"c3", "e4+g4"}, {"g2", "b3+d4"}, {"d3", "f#4+a4"},
                            {"g2", "b3+d4"}, {"c3", "e4+g4"}, {"d3", "f#4+a4"}, {"g2", "b3+d4"},
                            {"e3", "g4+b4"}, {"c3", "e4+g4"}, {"g2", "b3+d4"}, {"d3", "f#4+a4"},
                            {"g2", "b3+d4"}, {"c3", "e4+g4"}, {"d3", "f#4+c5"}, {"g2", "b3+d4"}};
    std::string accompaniment;
    for (const Chord& c : chords)
        accompaniment += std::string(c.bass) + " . " + c.upper + " . " + c.upper + " . | ";
    loop.play(Voice::PLUCK, accompaniment, step, 0, 0.45, -0.2);
    loop.play(Voice::FLUTE,
              "d5 . b4 . g4 . | e5 . . . c5 . | d5 . b4 . d5 . | a4 . . . . . | "
              "b4 . d5 . g5 . | e5 . g5 . e5 . | d5 . c5 . a4 . | g4 . . . . . | "
              "e5 . g5 . e5 . | c5 . e5 . g5 . | d5 . b4 . g4 . | a4 . b4 . c5 . | "
              "d5 . b4 . g4 . | e5 . d5 . c5 . | b4 . a4 . f#4 . | g4 . . . - -",
              step, 0, 0.35, 0.15);
    std::string bass;
    for (const Chord& c : chords) bass += std::string(c.bass) + " . . . . . | ";
    loop.play(Voice::BASS, bass, step, 0, 0.3, 0, -12);
    loop.play(Voice::HAT, repeat("- - x - x -", 16), step, 0, 0.05, 0.4);
    loop.reverb(0.78, 0.25);
    return {"Music/Sounds/homeTown.wav", loop};
}

MusicFile solemn() {
    // Slow and solemn: a choir and low strings in D minor under a horn.
    const double step = 60.0 / 64;  // quarter notes
    Loop loop(8 * 4 * step);
    loop.play(Voice::CHOIR,
              "d3+f3+a3 . . . | bb2+d3+f3 . . . | f2+a2+c3 . . . | c3+e3+g3 . . . | "
              "g2+bb2+d3 . . . | d3+f3+a3 . . . | a2+c#3+e3 . . . | a2+c#3+e3 . . .",
              step, 0, 0.4, -0.2);
    loop.play(Voice::STRINGS, "d2 . . . | bb1 . . . | f2 . . . | c2 . . . | g1 . . . | d2 . . . | a1 . . . | a1 . . .",
              step, 0, 0.35, 0.2);
    loop.play(Voice::BRASS,
              "d4 . e4 f4 | d4 . . . | c4 . f4 a4 | g4 . . . | bb4 . a4 g4 | f4 . e4 d4 | e4 . c#4 e4 | a3 . . .",
              step, 0, 0.35, 0.05);
    loop.play(Voice::TIMPANI, "d2 - - - | - - - - | - - - - | - - - - | d2 - - - | - - - - | a1 - - - | a1 - a1 a1",
              step, 0, 0.35, 0);
    loop.reverb(0.88, 0.4);
    return {"Music/Sounds/lotr.wav", loop};
}

MusicFile enemyTown() {
    // Tense: a restless E phrygian ostinato, stabbing horns, drums.
    const double step = 60.0 / 160 / 2;
    Loop loop(16 * 8 * step);
    std::vector<std::string> roots = {"e", "e", "f", "e", "e", "e", "g", "f",
                                      "a", "a", "e", "e", "c", "c", "b", "b"};
    loop.play(Voice::STRINGS, perChord(roots, "R2 R2 R3 R2 R2 R3 R2 R3"), step, 0, 0.28, -0.25);
    const std::string stabs[] = {"e4+g4+b4", "e4+g4+b4", "f4+a4+c5", "e4+g4+b4", "e4+g4+b4", "e4+g4+b4",
                                 "g4+b4+d5", "f4+a4+c5", "a4+c5+e5", "a4+c5+e5", "e4+g4+b4", "e4+g4+b4",
                                 "c4+e4+g4", "c4+e4+g4", "b3+d#4+f#4", "b3+d#4+f#4"};
    std::string brass;
    for (const std::string& c : stabs) brass += c + " - - " + c + " - - " + c + " - | ";
    loop.play(Voice::BRASS, brass, step, 0, 0.22, 0.25);
    loop.play(Voice::STRINGS,
              "b4 . . . . . . . | c5 . b4 . a4 . b4 . | c5 . . . . . . . | b4 . . . g4 . . . | "
              "e5 . . . . . d5 . | e5 . f5 . e5 . d5 . | d5 . . . b4 . . . | c5 . . . a4 . . . | "
              "a4 . c5 . e5 . . . | f5 . e5 . c5 . . . | b4 . . . e5 . . . | g5 . f5 . e5 . . . | "
              "e5 . . . g5 . . . | e5 . . . c5 . . . | d#5 . . . f#5 . . . | b4 . . . . . . .",
              step, 0, 0.32, 0.1, 0);
    loop.play(Voice::KICK, repeat("X - - x - - x -", 16), step, 0, 0.5, 0);
    loop.play(Voice::SNARE, repeat("- - x - - - x -", 15) + "- - x x x x X X", step, 0, 0.22, 0.1);
    loop.play(Voice::HAT, repeat("x x x x x x x x", 16), step, 0, 0.08, -0.3);
    loop.play(Voice::TOM, repeat(repeat("- - - - - - - -", 3) + "- - - - a2 - e2 -", 4), step, 0, 0.3, 0.2);
    loop.reverb(0.75, 0.22);
    return {"Music/Sounds/fight2.wav", loop};
}

MusicFile boss() {
    // The boss: C minor organ and choir over a chromatic bass and taiko.
    const double step = 60.0 / 140 / 2;
    Loop loop(14 * 8 * step);
    std::vector<std::string> roots = {"c", "c", "ab", "g", "c", "c", "db", "c", "f", "f", "ab", "g", "ab", "g"};
    loop.play(Voice::BASS, perChord(roots, "R1 . R1 R2 R1 . R2 R1"), step, 0, 0.55, 0);
    const std::string chords[] = {"c4+eb4+g4",  "c4+eb4+g4", "ab3+c4+eb4", "g3+b3+d4",   "c4+eb4+g4",
                                  "c4+eb4+g4",  "db4+f4+ab4", "c4+eb4+g4", "f3+ab3+c4",  "f3+ab3+c4",
                                  "ab3+c4+eb4", "g3+b3+d4",  "ab3+c4+eb4", "g3+b3+d4"};
    std::string organ;
    for (const std::string& c : chords) organ += c + " . . " + c + " . . " + c + " . | ";
    loop.play(Voice::ORGAN, organ, step, 0, 0.3, -0.3);
    loop.play(Voice::CHOIR,
              "c5 . . . . . . . | eb5 . . . d5 . . . | c5 . . . . . . . | b4 . . . . . . . | "
              "g5 . . . f5 . . . | eb5 . . . d5 . . . | db5 . . . . . . . | c5 . . . . . . . | "
              "f5 . . . ab5 . . . | g5 . . . f5 . . . | eb5 . . . c5 . . . | d5 . . . b4 . . . | "
              "c5 . . . eb5 . . . | d5 . . . b4 . . .",
              step, 0, 0.3, 0.3);
    loop.play(Voice::TAIKO, repeat("X - - X - - X -", 14), step, 0, 0.55, 0);
    loop.play(Voice::SNARE, repeat("- - x - - - x -", 13) + "x x x x X X X X", step, 0, 0.2, 0.15);
    loop.play(Voice::TOM, repeat("- - - - - - - -", 6) + "- - - - c3 - g2 - " + repeat("- - - - - - - -", 6) +
                              "- - - - c3 g2 c3 g2",
              step, 0, 0.35, -0.2);
    loop.reverb(0.8, 0.28);
    return {"Music/Sounds/bossTheme.wav", loop};
}

MusicFile sad() {
    // Game over: slow piano arpeggios in A minor and a lonely string line.
    const double step = 60.0 / 72 / 2;
    Loop loop(6 * 8 * step);
    loop.play(Voice::PIANO,
              "a2 e3 a3 c4 e4 c4 a3 e3 | f2 c3 f3 a3 c4 a3 f3 c3 | d2 a2 d3 f3 a3 f3 d3 a2 | "
              "e2 b2 e3 g#3 b3 g#3 e3 b2 | a2 e3 a3 c4 e4 c4 a3 e3 | e2 b2 e3 g#3 b3 g#3 e3 b2",
              step, 0, 0.4, -0.15);
    loop.play(Voice::STRINGS,
              "e5 . . . d5 . c5 . | c5 . . . a4 . . . | d5 . . . f5 . e5 . | e5 . . . b4 . . . | "
              "c5 . b4 . a4 . . . | g#4 . . . b4 . . .",
              step, 0, 0.3, 0.2, -12);
    loop.play(Voice::PAD, "a3+c4+e4 . . . . . . . | f3+a3+c4 . . . . . . . | d3+f3+a3 . . . . . . . | "
                          "e3+g#3+b3 . . . . . . . | a3+c4+e4 . . . . . . . | e3+g#3+b3 . . . . . . .",
              step, 0, 0.18, 0);
    loop.reverb(0.86, 0.38);
    return {"Music/Sounds/sadSong.wav", loop};
}

MusicFile birds() {
    // A soft breeze and birds calling from all round.
    Loop loop(16.0);
    int n = loop.frames();
    for (int channel = 0; channel < 2; ++channel) {
        OnePole a(700), b(700);
        Samples air = periodicNoise(n, 31 + channel, [&](double x, int i) {
            return b.process(a.process(x)) * (0.7 + 0.3 * cycles(i, n, 2, channel));
        });
        Samples& out = channel ? loop.right : loop.left;
        for (int i = 0; i < n; ++i) out[i] += air[i] * 0.3f;
    }
    Random pick(33);
    for (int call = 0; call < 26; ++call) {
        double when = pick.range(0, 16), pan = pick.range(-0.8, 0.8), base = pick.range(2400, 3600);
        Samples s((size_t)(0.8 * kSampleRate), 0.0f);
        int kind = call % 3;
        double phase = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            double t = (double)i / kSampleRate, f = 0, env = 0;
            if (kind == 0) {  // quick rising chirps
                double local = std::fmod(t, 0.11);
                int count = (int)(t / 0.11);
                if (count < 3 && local < 0.06) f = base * (1 + local / 0.06 * 0.6), env = std::sin(kSoundPi * local / 0.06);
            } else if (kind == 1) {  // a falling two-note whistle
                if (t < 0.15) f = base * 1.2, env = std::sin(kSoundPi * t / 0.15);
                else if (t > 0.2 && t < 0.42) f = base, env = std::sin(kSoundPi * (t - 0.2) / 0.22);
                f *= 1 + 0.01 * std::sin(kTwoPi * 30 * t);
            } else {  // a trill
                double local = std::fmod(t, 0.045);
                if (t < 0.55 && local < 0.028) f = base * 1.3 * (1 + 0.1 * std::sin(kTwoPi * local / 0.028)),
                                                env = std::sin(kSoundPi * local / 0.028);
            }
            phase += f / kSampleRate;
            s[i] = (float)(env * sineWave(phase));
        }
        loop.add(s, when, pick.range(0.15, 0.35), pan);
    }
    return {"Music/Sounds/birdsChirping.wav", loop};
}

MusicFile waterfall() {
    Loop loop(12.0);
    int n = loop.frames();
    for (int channel = 0; channel < 2; ++channel) {
        Biquad rush, hiss;
        rush.set(Biquad::LOW, 900, 0.7);
        hiss.set(Biquad::BAND, 2800, 0.8);
        Samples water = periodicNoise(n, 41 + channel, [&](double x, int i) {
            double swell = 1 + 0.15 * cycles(i, n, 3, channel) + 0.1 * cycles(i, n, 7, 1 + channel);
            return swell * (1.4 * rush.process(x) + 0.5 * hiss.process(x));
        });
        Samples& out = channel ? loop.right : loop.left;
        for (int i = 0; i < n; ++i) out[i] += water[i];
    }
    Random pick(43);
    for (int drop = 0; drop < 70; ++drop) {
        double f0 = pick.range(500, 1400), seconds = pick.range(0.03, 0.07);
        Samples s((size_t)(seconds * kSampleRate));
        double phase = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            double k = (double)i / s.size();
            phase += f0 * (1 + 0.8 * k) / kSampleRate;
            s[i] = (float)(std::sin(kSoundPi * k) * sineWave(phase));
        }
        loop.add(s, pick.range(0, 12), 0.12, pick.range(-0.7, 0.7));
    }
    return {"Music/Sounds/waterfall.wav", loop};
}

MusicFile wind() {
    Loop loop(12.0);
    int n = loop.frames();
    for (int channel = 0; channel < 2; ++channel) {
        Biquad band, whistle;
        double shift = channel * 0.9;
        Samples air = periodicNoise(n, 51 + channel, [&](double x, int i) {
            double centre = 450 + 250 * cycles(i, n, 3, shift) + 120 * cycles(i, n, 5, 1 + shift);
            double gust = 0.6 * cycles(i, n, 2, shift) + 0.4 * cycles(i, n, 5, 2 + shift);
            double level = 0.35 + 0.65 * gust * gust;
            if (i % 16 == 0) {
                band.set(Biquad::BAND, centre, 1.4);
                whistle.set(Biquad::BAND, centre * 2.1, 25);
            }
            return level * (2.0 * band.process(x) + 3.0 * whistle.process(x));
        });
        Samples& out = channel ? loop.right : loop.left;
        for (int i = 0; i < n; ++i) out[i] += air[i];
    }
    return {"Music/Sounds/wind.wav", loop};
}

MusicFile thunder() {
    // Steady rain with thunder rolling in three times.
    Loop loop(20.0);
    int n = loop.frames();
    for (int channel = 0; channel < 2; ++channel) {
        Biquad high, low;
        high.set(Biquad::HIGH, 1800, 0.7);
        low.set(Biquad::LOW, 7000, 0.7);
        // Louder single drops, the same on every lap round the loop.
        Random drops(61 + channel);
        std::vector<float> ticks(n, 0.0f);
        for (float& t : ticks)
            if (drops.unit() < 0.004) t = (float)(drops.white() * 4);
        Samples rain = periodicNoise(n, 63 + channel, [&](double x, int i) {
            return (1 + 0.1 * cycles(i, n, 4, channel)) * low.process(high.process(x + ticks[i]));
        });
        Samples& out = channel ? loop.right : loop.left;
        for (int i = 0; i < n; ++i) out[i] += rain[i] * 0.5f;
    }
    const double strikes[][2] = {{1.5, 1.0}, {8.2, 0.7}, {14.6, 0.9}};
    uint32_t seed = 70;
    for (const auto& strike : strikes) {
        Random noise(seed++);
        Samples s((size_t)(5.0 * kSampleRate));
        OnePole deep1(120), deep2(120);
        Biquad crack;
        crack.set(Biquad::BAND, 1500, 0.8);
        double wobble = noise.range(2, 4);
        for (size_t i = 0; i < s.size(); ++i) {
            double t = (double)i / kSampleRate;
            double rumble = deep2.process(deep1.process(noise.white())) * 9 * std::min(1.0, t * 8) *
                            std::exp(-t / 1.4) * (0.7 + 0.3 * std::sin(kTwoPi * wobble * t));
            double snap = crack.process(noise.white()) * std::exp(-t / 0.12) * 0.8;
            s[i] = (float)(rumble + snap);
        }
        loop.add(s, strike[0], strike[1], noise.range(-0.4, 0.4));
    }
    return {"Music/Sounds/thunder.wav", loop};
}

}  // namespace

std::vector<MusicFile (*)()> musicMakers() {
    return {peril, homeTown, birds, waterfall, wind, solemn, thunder, enemyTown, boss, sad};
}
