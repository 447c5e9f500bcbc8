// The 22 sound effects, each a short mono sound made for the moment the
// game plays it.
#include "SoundParts.h"

namespace {

Samples silence(double seconds) { return Samples((size_t)(seconds * kSampleRate), 0.0f); }

double timeAt(size_t i) { return (double)i / kSampleRate; }

// A tone gliding from f0 to f1 (exponentially) with an envelope.
void glide(Samples& out, double start, double seconds, double f0, double f1, double gain, double harmonics = 0) {
    double phase = 0;
    size_t from = (size_t)(start * kSampleRate), count = (size_t)(seconds * kSampleRate);
    for (size_t i = 0; i < count && from + i < out.size(); ++i) {
        double t = timeAt(i), k = t / seconds;
        double f = f0 * std::pow(f1 / f0, k);
        phase += f / kSampleRate;
        double env = std::min(1.0, t * 300) * std::pow(1 - k, 1.5);
        out[from + i] += (float)(gain * env * (sineWave(phase) + harmonics * sineWave(2 * phase) * 0.5));
    }
}

void bellAt(Samples& out, double start, double f, double gain, double decay, uint32_t seed) {
    Samples bell = renderNote(Voice::BELL, f, decay * 0.3, 1.0, seed);
    size_t from = (size_t)(start * kSampleRate);
    for (size_t i = 0; i < bell.size() && from + i < out.size(); ++i) out[from + i] += (float)(gain * bell[i]);
}

Samples unequip() {
    Samples s = silence(0.3);
    glide(s, 0, 0.28, 900, 380, 0.8, 0.4);
    return s;
}

Samples bringUpItem() {
    Samples s = silence(0.3);
    glide(s, 0, 0.28, 380, 900, 0.8, 0.4);
    return s;
}

Samples hitBoss() {
    Samples s = silence(0.55);
    Random noise(11);
    Biquad low;
    low.set(Biquad::LOW, 600, 0.9);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = timeAt(i);
        double f = 40 + 90 * std::exp(-t / 0.06);
        phase += f / kSampleRate;
        double body = std::tanh(2.5 * sineWave(phase)) * std::exp(-t / 0.16);
        double crack = low.process(noise.white()) * std::exp(-t / 0.04);
        s[i] = (float)(body + 0.8 * crack);
    }
    return s;
}

Samples comet() {
    Samples s = silence(1.0);
    Random noise(12);
    Biquad band;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = timeAt(i);
        if ((i & 15) == 0) band.set(Biquad::BAND, 3000 * std::exp(-t * 1.8) + 300, 3);
        double env = std::sin(kSoundPi * std::min(1.0, t / 1.0)) * std::exp(-t * 0.8);
        s[i] = (float)(env * band.process(noise.white()) * 2);
    }
    for (int k = 0; k < 10; ++k) bellAt(s, 0.05 + 0.07 * k, 1800 - 90 * k, 0.06, 0.3, 40 + k);
    return s;
}

Samples finishQuestItem() {
    // A rising major arpeggio on horns, ending on a held chord.
    Samples s = silence(1.6);
    const char* notes[] = {"c5", "e5", "g5", "c6"};
    for (int k = 0; k < 4; ++k) {
        Samples n = renderNote(Voice::BRASS, noteFrequency(notes[k]), k < 3 ? 0.14 : 0.8, 1.0, 50 + k);
        size_t from = (size_t)(0.13 * k * kSampleRate);
        for (size_t i = 0; i < n.size() && from + i < s.size(); ++i) s[from + i] += n[i] * 0.6f;
    }
    for (const char* chord : {"c5", "e5", "g5"}) {
        Samples n = renderNote(Voice::BRASS, noteFrequency(chord), 0.7, 0.7, 60);
        size_t from = (size_t)(0.39 * kSampleRate);
        for (size_t i = 0; i < n.size() && from + i < s.size(); ++i) s[from + i] += n[i] * 0.35f;
    }
    for (int k = 0; k < 6; ++k) bellAt(s, 0.4 + 0.09 * k, noteFrequency("c7") * (1 + 0.12 * k), 0.08, 0.5, 70 + k);
    return s;
}

Samples squeak(double f0, double f1, double seconds, double roughness) {
    Samples s = silence(seconds);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = timeAt(i), k = t / seconds;
        double f = f0 * std::pow(f1 / f0, std::sin(k * kSoundPi / 2)) * (1 + 0.03 * std::sin(kTwoPi * 38 * t));
        phase += f / kSampleRate;
        double env = std::min(1.0, t * 150) * std::pow(1 - k, 1.2);
        double tone = sineWave(phase) + 0.35 * sineWave(2 * phase) + roughness * squareWave(phase, f / kSampleRate) * 0.3;
        s[i] = (float)(env * tone);
    }
    return s;
}

Samples getCoins() {
    // Two quick bright strikes, the second higher, like coins changing hands.
    Samples s = silence(0.55);
    bellAt(s, 0.0, noteFrequency("b5"), 0.7, 0.5, 80);
    bellAt(s, 0.08, noteFrequency("e6"), 0.9, 0.9, 81);
    bellAt(s, 0.1, noteFrequency("e7") * 1.01, 0.2, 0.4, 82);
    return s;
}

Samples getItem() {
    Samples s = silence(0.55);
    const char* notes[] = {"g5", "b5", "d6"};
    for (int k = 0; k < 3; ++k) bellAt(s, 0.07 * k, noteFrequency(notes[k]), 0.6, 0.8, 90 + k);
    return s;
}

Samples shoot() {
    Samples s = silence(0.35);
    Random noise(13);
    Biquad band;
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = timeAt(i), k = t / 0.35;
        if ((i & 15) == 0) band.set(Biquad::BAND, 4000 * std::exp(-k * 2.5) + 400, 2.5);
        double f = 1400 * std::exp(-k * 2.2) + 200;
        phase += f / kSampleRate;
        double env = std::min(1.0, t * 200) * std::pow(1 - k, 2);
        s[i] = (float)(env * (1.6 * band.process(noise.white()) + 0.35 * sineWave(phase)));
    }
    return s;
}

Samples heal() {
    Samples s = silence(0.85);
    Random pick(14);
    for (int k = 0; k < 14; ++k) {
        double f = noteFrequency("c6") * std::pow(2.0, (k * 2 + (int)(pick.unit() * 3)) / 12.0);
        bellAt(s, 0.04 * k + pick.range(0, 0.02), f, 0.25, 0.35, 100 + k);
    }
    glide(s, 0, 0.8, 500, 1000, 0.15);
    return s;
}

Samples danger() {
    // A low diminished cluster swelling in with a trembling edge, and a drum.
    Samples s = silence(1.6);
    for (const char* n : {"c2", "c3", "eb3", "gb3", "a3"}) {
        Samples note = renderNote(Voice::BRASS, noteFrequency(n), 1.1, 0.8, 110);
        for (size_t i = 0; i < note.size() && i < s.size(); ++i) {
            double t = timeAt(i);
            s[i] += (float)(note[i] * 0.3 * std::min(1.0, t / 0.35) * (1 + 0.3 * std::sin(kTwoPi * 7 * t)));
        }
    }
    Samples hit = renderNote(Voice::TAIKO, 60, 0.2, 1.0, 111);
    for (size_t i = 0; i < hit.size() && i < s.size(); ++i) s[i] += hit[i] * 0.9f;
    return s;
}

Samples click() {
    Samples s = silence(0.15);
    Random noise(15);
    Biquad band;
    band.set(Biquad::BAND, 2500, 2);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = timeAt(i);
        phase += 1200.0 / kSampleRate;
        s[i] = (float)(band.process(noise.white()) * std::exp(-t / 0.006) * 2 + 0.4 * sineWave(phase) * std::exp(-t / 0.02));
    }
    return s;
}

Samples enemyShoot() {
    // A fire ball: crackling low noise swelling and dying.
    Samples s = silence(0.4);
    Random noise(16);
    Biquad low;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = timeAt(i), k = t / 0.4;
        if ((i & 15) == 0) low.set(Biquad::LOW, 2500 - 1800 * k, 1.2);
        double crackle = noise.unit() < 0.02 ? noise.white() * 3 : 0;
        double env = std::sin(kSoundPi * k) * (1 - k);
        s[i] = (float)(env * (low.process(noise.white() + crackle)));
    }
    return s;
}

Samples underwater() {
    Samples s = silence(1.0);
    Random noise(17);
    Biquad low;
    low.set(Biquad::LOW, 350, 0.8);
    for (size_t i = 0; i < s.size(); ++i) s[i] = (float)(0.5 * low.process(noise.white()) * std::sin(kSoundPi * timeAt(i)));
    for (int k = 0; k < 12; ++k) {
        double start = noise.range(0, 0.85), f = noise.range(250, 700);
        glide(s, start, noise.range(0.05, 0.1), f, f * 2.2, 0.3);
    }
    return s;
}

Samples poof() {
    Samples s = silence(0.5);
    Random noise(18);
    Biquad low;
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = timeAt(i);
        if ((i & 15) == 0) low.set(Biquad::LOW, 300 + 3500 * std::exp(-t / 0.05), 0.7);
        phase += (90 + 200 * std::exp(-t / 0.03)) / kSampleRate;
        double env = std::min(1.0, t * 250) * std::exp(-t / 0.11);
        s[i] = (float)(env * (1.5 * low.process(noise.white()) + 0.5 * sineWave(phase)));
    }
    return s;
}

Samples doorCreak() {
    // Friction on a hinge: a fast train of little pulses whose rate wanders,
    // through wooden resonances; a latch click first.
    Samples s = silence(0.6);
    Random noise(19);
    Biquad body[2];
    body[0].set(Biquad::BAND, 900, 6);
    body[1].set(Biquad::BAND, 1900, 8);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = timeAt(i);
        double rate = 140 + 90 * std::sin(kTwoPi * 1.6 * t) + 50 * std::sin(kTwoPi * 4.3 * t);
        phase += rate / kSampleRate;
        double pulse = (phase - std::floor(phase)) < 0.08 ? 1.0 : 0.0;
        double env = std::min(1.0, std::max(0.0, (t - 0.05) * 20)) * std::min(1.0, (0.6 - t) * 10);
        double excite = pulse * env + (t < 0.01 ? noise.white() * (1 - t / 0.01) : 0);
        s[i] = (float)(body[0].process(excite) * 1.2 + body[1].process(excite) * 0.8);
    }
    return s;
}

Samples error() {
    Samples s = silence(0.32);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = timeAt(i);
        bool on = t < 0.12 || (t > 0.16 && t < 0.3);
        double gate = on ? 1.0 : 0.0;
        double f = 110;
        s[i] = (float)(0.5 * gate * (squareWave(f * t, f / kSampleRate) + 0.5 * sawWave(f * 1.5 * t, 1.5 * f / kSampleRate)));
    }
    // Smooth the gate edges.
    OnePole smooth(3000);
    for (float& v : s) v = (float)smooth.process(v);
    return s;
}

Samples doorClose() {
    Samples s = silence(0.5);
    Random noise(20);
    Biquad low, mid;
    low.set(Biquad::LOW, 220, 1.0);
    mid.set(Biquad::BAND, 1200, 3);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = timeAt(i);
        phase += (70 + 40 * std::exp(-t / 0.02)) / kSampleRate;
        double thud = sineWave(phase) * std::exp(-t / 0.09) + 2 * low.process(noise.white()) * std::exp(-t / 0.05);
        double rattle = t > 0.06 ? mid.process(noise.white()) * std::exp(-(t - 0.06) / 0.03) * 0.8 : 0;
        double latch = (t > 0.16 && t < 0.2) ? mid.process(noise.white()) * std::exp(-(t - 0.16) / 0.008) * 2 : 0;
        s[i] = (float)(thud + rattle + latch);
    }
    return s;
}

// Several detuned tones gliding together, with a shimmer of noise.
Samples shimmer(double seconds, double f0, double f1, uint32_t seed) {
    Samples s = silence(seconds);
    Random noise(seed);
    Biquad high;
    high.set(Biquad::HIGH, 5000, 0.7);
    const double ratios[] = {1.0, 1.5, 2.01, 2.98};
    double phase[4] = {0, 0, 0, 0};
    for (size_t i = 0; i < s.size(); ++i) {
        double t = timeAt(i), k = t / seconds;
        double f = f0 * std::pow(f1 / f0, k);
        double y = 0;
        for (int v = 0; v < 4; ++v) {
            phase[v] += f * ratios[v] * (1 + 0.01 * std::sin(kTwoPi * (6 + v) * t)) / kSampleRate;
            y += sineWave(phase[v]) / (v + 1);
        }
        double env = std::sin(kSoundPi * std::pow(k, 0.6)) * (1 + 0.25 * std::sin(kTwoPi * 14 * t));
        s[i] = (float)(env * (y + 0.5 * high.process(noise.white())));
    }
    return s;
}

Samples enterPortal() {
    Samples s = silence(0.6);
    Random noise(21);
    Biquad band;
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = timeAt(i), k = t / 0.6;
        double f = 200 * std::pow(6.0, std::sin(kSoundPi * k));
        phase += f / kSampleRate;
        double mod = 2.5 * sineWave(phase * 1.5);
        if ((i & 15) == 0) band.set(Biquad::BAND, 300 + 4000 * std::sin(kSoundPi * k), 2);
        double env = std::sin(kSoundPi * k);
        s[i] = (float)(env * (0.6 * std::sin(kTwoPi * phase + mod) + 1.2 * band.process(noise.white())));
    }
    return s;
}

}  // namespace

std::vector<SoundFile> buildEffects() {
    std::vector<SoundFile> effects = {
        {"Music/Sounds/unequip.wav", unequip()},
        {"Music/Sounds/bringUpItem.wav", bringUpItem()},
        {"Music/Sounds/hitBoss.wav", hitBoss()},
        {"Music/Sounds/comet.wav", comet()},
        {"Music/Sounds/finishQuestItem.wav", finishQuestItem()},
        {"Music/Sounds/squeak2.wav", squeak(600, 1500, 0.25, 0.2)},
        {"Music/Sounds/getCoins.wav", getCoins()},
        {"Music/Sounds/getItem.wav", getItem()},
        {"Music/Sounds/shootLoud.wav", shoot()},
        {"Music/Sounds/heal.wav", heal()},
        {"Music/Sounds/danger.wav", danger()},
        {"Music/Sounds/turnInMenu.wav", click()},
        {"Music/Sounds/squeak.wav", squeak(1300, 450, 0.3, 0.8)},
        {"Music/Sounds/enemyShoot.wav", enemyShoot()},
        {"Music/Sounds/underwater.wav", underwater()},
        {"Music/Sounds/enemyPoof.wav", poof()},
        {"Music/Sounds/openDoor.wav", doorCreak()},
        {"Music/Sounds/error.wav", error()},
        {"Music/Sounds/doorclose.wav", doorClose()},
        {"Music/Sounds/portalOpen.wav", shimmer(0.7, 300, 1200, 22)},
        {"Music/Sounds/portalClose.wav", shimmer(0.5, 1100, 280, 23)},
        {"Music/Sounds/enterPortal.wav", enterPortal()},
    };
    for (SoundFile& e : effects) fadeEnds(e.mono, 0.003, 0.02);
    return effects;
}
