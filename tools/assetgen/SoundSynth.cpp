#include "SoundSynth.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

static double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

double sawWave(double phase, double step) {
    double p = phase - std::floor(phase);
    return 2 * p - 1 - polyBlep(p, step);
}

double squareWave(double phase, double step) {
    double p = phase - std::floor(phase);
    double v = p < 0.5 ? 1 : -1;
    v += polyBlep(p, step);
    double q = p + 0.5;
    q -= std::floor(q);
    v -= polyBlep(q, step);
    return v;
}

double envelope(double t, double attack, double decay, double sustain, double hold, double release) {
    auto level = [&](double time) {
        if (time < attack) return time / attack;
        return sustain + (1 - sustain) * std::exp(-(time - attack) / std::max(1e-4, decay));
    };
    if (t < 0) return 0;
    if (t < hold) return level(t);
    return level(hold) * std::exp(-(t - hold) / std::max(1e-4, release));
}

void Biquad::set(Kind kind, double frequency, double q) {
    frequency = std::min(frequency, kSampleRate * 0.45);
    double w = kTwoPi * frequency / kSampleRate, c = std::cos(w), s = std::sin(w), alpha = s / (2 * q);
    double a0 = 1 + alpha;
    switch (kind) {
        case LOW:
            b0 = (1 - c) / 2, b1 = 1 - c, b2 = (1 - c) / 2;
            break;
        case BAND:
            b0 = alpha, b1 = 0, b2 = -alpha;
            break;
        case HIGH:
            b0 = (1 + c) / 2, b1 = -(1 + c), b2 = (1 + c) / 2;
            break;
    }
    a1 = -2 * c;
    a2 = 1 - alpha;
    b0 /= a0, b1 /= a0, b2 /= a0, a1 /= a0, a2 /= a0;
}

double Biquad::process(double x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    return y;
}

// ---- instruments

namespace {

Samples buffer(double seconds) { return Samples((size_t)std::max(1.0, seconds * kSampleRate), 0.0f); }

Samples pluck(double f, double hold, double velocity, uint32_t seed) {
    // A plucked string: a noise burst circulating in a damped delay line.
    Random noise(seed);
    double length = hold + 1.2;
    Samples out = buffer(length);
    int period = std::max(2, (int)std::lround(kSampleRate / f));
    std::vector<double> line(period);
    OnePole soften(2500 + 3000 * velocity);
    for (int i = 0; i < period; ++i) line[i] = soften.process(noise.white());
    double damping = 0.996;
    int pos = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = (double)i / kSampleRate;
        if (t > hold) damping = 0.97;
        int next = (pos + 1) % period;
        double v = line[pos];
        line[pos] = damping * 0.5 * (line[pos] + line[next]);
        pos = next;
        out[i] = (float)(v * velocity * std::min(1.0, t * 400));
    }
    return out;
}

Samples fmTone(double f, double hold, double velocity, double ratio, double index, double indexDecay, double decay,
               double release) {
    Samples out = buffer(hold + release * 5);
    for (size_t i = 0; i < out.size(); ++i) {
        double t = (double)i / kSampleRate;
        double env = envelope(t, 0.003, decay, 0.0, hold, release);
        double mod = index * std::exp(-t / indexDecay) * sineWave(f * ratio * t);
        out[i] = (float)(velocity * env * std::sin(kTwoPi * f * t + mod));
    }
    return out;
}

Samples piano(double f, double hold, double velocity) {
    Samples a = fmTone(f, hold, velocity, 1.0, 1.6 * velocity, 0.35, 1.1, 0.25);
    Samples b = fmTone(f * 2.0, hold, velocity * 0.25, 3.0, 0.7, 0.2, 0.5, 0.2);
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) a[i] += b[i];
    return a;
}

Samples subtractive(double f, double hold, double velocity, double attack, double decay, double sustain,
                    double release, double cutoff, double cutoffEnv, int voices, double detune, double vibrato,
                    bool square) {
    Samples out = buffer(hold + release * 5);
    Biquad filter;
    std::vector<double> phase(voices, 0.0);
    for (int v = 0; v < voices; ++v) phase[v] = 0.37 * v;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = (double)i / kSampleRate;
        double env = envelope(t, attack, decay, sustain, hold, release);
        double wobble = 1 + vibrato * std::sin(kTwoPi * 5.2 * t) * std::min(1.0, t * 2);
        double sum = 0;
        for (int v = 0; v < voices; ++v) {
            double spread = voices > 1 ? (v - (voices - 1) / 2.0) / ((voices - 1) / 2.0) : 0;
            double fv = f * wobble * (1 + detune * spread);
            double step = fv / kSampleRate;
            sum += square ? squareWave(phase[v], step) : sawWave(phase[v], step);
            phase[v] += step;
        }
        if ((i & 15) == 0) filter.set(Biquad::LOW, cutoff + cutoffEnv * env, 0.8);
        out[i] = (float)(velocity * env * filter.process(sum / voices));
    }
    return out;
}

Samples flute(double f, double hold, double velocity, uint32_t seed) {
    Random noise(seed);
    Samples out = buffer(hold + 0.6);
    Biquad breath;
    breath.set(Biquad::BAND, f * 2, 2.0);
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = (double)i / kSampleRate;
        double env = envelope(t, 0.06, 0.3, 0.8, hold, 0.12);
        double vib = 1 + 0.006 * std::sin(kTwoPi * 5 * t) * std::min(1.0, std::max(0.0, t - 0.15) * 3);
        phase += f * vib / kSampleRate;
        double tone = sineWave(phase) + 0.22 * sineWave(2 * phase) + 0.06 * sineWave(3 * phase);
        out[i] = (float)(velocity * env * (tone + 0.25 * breath.process(noise.white())));
    }
    return out;
}

Samples choir(double f, double hold, double velocity) {
    // A bright source through the formants of "ah".
    Samples out = buffer(hold + 1.5);
    Biquad formants[3];
    const double centres[3] = {730, 1090, 2440}, gains[3] = {1.0, 0.5, 0.25};
    for (int k = 0; k < 3; ++k) formants[k].set(Biquad::BAND, centres[k], 6);
    double phase[3] = {0, 0.3, 0.6};
    for (size_t i = 0; i < out.size(); ++i) {
        double t = (double)i / kSampleRate;
        double env = envelope(t, 0.35, 1.0, 0.85, hold, 0.45);
        double src = 0;
        for (int v = 0; v < 3; ++v) {
            double fv = f * (1 + 0.004 * (v - 1)) * (1 + 0.005 * std::sin(kTwoPi * (4.6 + v * 0.4) * t));
            src += sawWave(phase[v], fv / kSampleRate);
            phase[v] += fv / kSampleRate;
        }
        double y = 0;
        for (int k = 0; k < 3; ++k) y += gains[k] * formants[k].process(src);
        out[i] = (float)(velocity * env * y * 0.9);
    }
    return out;
}

Samples organ(double f, double hold, double velocity) {
    Samples out = buffer(hold + 0.3);
    const double harmonics[] = {0.5, 1, 2, 3, 4}, levels[] = {0.5, 1.0, 0.6, 0.3, 0.25};
    for (size_t i = 0; i < out.size(); ++i) {
        double t = (double)i / kSampleRate;
        double env = envelope(t, 0.01, 0.2, 0.9, hold, 0.08);
        double y = 0;
        for (int k = 0; k < 5; ++k) y += levels[k] * sineWave(f * harmonics[k] * t);
        out[i] = (float)(velocity * env * y * 0.35);
    }
    return out;
}

Samples drum(Voice voice, double f, double velocity, uint32_t seed) {
    Random noise(seed);
    double length = voice == Voice::TAIKO || voice == Voice::TIMPANI ? 1.6 : voice == Voice::HAT ? 0.15 : 0.5;
    Samples out = buffer(length);
    Biquad filter;
    switch (voice) {
        case Voice::SNARE: filter.set(Biquad::BAND, 3000, 0.8); break;
        case Voice::HAT: filter.set(Biquad::HIGH, 7000, 0.7); break;
        case Voice::TAIKO: filter.set(Biquad::LOW, 400, 0.7); break;
        default: filter.set(Biquad::LOW, 1500, 0.7); break;
    }
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = (double)i / kSampleRate;
        double y = 0;
        switch (voice) {
            case Voice::KICK: {
                double fk = 45 + 110 * std::exp(-t / 0.03);
                phase += fk / kSampleRate;
                y = sineWave(phase) * std::exp(-t / 0.18) + 0.2 * filter.process(noise.white()) * std::exp(-t / 0.01);
                break;
            }
            case Voice::SNARE: {
                phase += 190 / (double)kSampleRate;
                y = 0.5 * sineWave(phase) * std::exp(-t / 0.05) + filter.process(noise.white()) * std::exp(-t / 0.09);
                break;
            }
            case Voice::HAT: y = filter.process(noise.white()) * std::exp(-t / 0.025); break;
            case Voice::TOM: {
                double ft = f * (1 + 0.4 * std::exp(-t / 0.04));
                phase += ft / kSampleRate;
                y = sineWave(phase) * std::exp(-t / 0.22) + 0.15 * filter.process(noise.white()) * std::exp(-t / 0.02);
                break;
            }
            case Voice::TIMPANI: {
                phase += f / kSampleRate;
                y = (sineWave(phase) + 0.4 * sineWave(phase * 1.5) + 0.2 * sineWave(phase * 1.99)) *
                        std::exp(-t / 0.5) +
                    0.2 * filter.process(noise.white()) * std::exp(-t / 0.03);
                break;
            }
            case Voice::TAIKO: {
                double ft = 55 + 40 * std::exp(-t / 0.05);
                phase += ft / kSampleRate;
                y = 1.1 * sineWave(phase) * std::exp(-t / 0.45) + 0.6 * filter.process(noise.white()) * std::exp(-t / 0.08);
                break;
            }
            default: break;
        }
        out[i] = (float)(velocity * y * std::min(1.0, t * 2000));
    }
    return out;
}

}  // namespace

Samples renderNote(Voice voice, double f, double seconds, double velocity, uint32_t seed) {
    switch (voice) {
        case Voice::PLUCK: return pluck(f, seconds, velocity, seed);
        case Voice::PIANO: return piano(f, seconds, velocity);
        case Voice::BELL: return fmTone(f, seconds, velocity, 3.5, 2.0, 0.6, 1.4, 0.8);
        case Voice::PAD:
            return subtractive(f, seconds, velocity, 0.6, 1.0, 0.8, 0.9, 600, 900, 3, 0.006, 0.0, false);
        case Voice::STRINGS:
            return subtractive(f, seconds, velocity, 0.18, 0.6, 0.85, 0.35, 900, 2200, 3, 0.004, 0.005, false);
        case Voice::BRASS:
            return subtractive(f, seconds, velocity, 0.05, 0.35, 0.7, 0.18, 500, 2600, 2, 0.003, 0.003, false);
        case Voice::FLUTE: return flute(f, seconds, velocity, seed);
        case Voice::BASS:
            return subtractive(f, seconds, velocity, 0.005, 0.3, 0.6, 0.1, 250, 700, 1, 0, 0, false);
        case Voice::CHOIR: return choir(f, seconds, velocity);
        case Voice::ORGAN: return organ(f, seconds, velocity);
        default: return drum(voice, f, velocity, seed);
    }
}

double noteFrequency(const std::string& name) {
    static const int semitones[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    size_t i = 0;
    int letter = std::tolower((unsigned char)name[i++]) - 'a';
    int semitone = semitones[letter];
    if (i < name.size() && name[i] == '#') semitone++, i++;
    else if (i < name.size() && name[i] == 'b') semitone--, i++;
    int octave = std::atoi(name.c_str() + i);
    int midi = 12 * (octave + 1) + semitone;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

Loop::Loop(double seconds) : left((size_t)std::lround(seconds * kSampleRate), 0.0f), right(left.size(), 0.0f) {}

void Loop::add(const Samples& sound, double startSeconds, double gain, double pan) {
    size_t n = left.size();
    size_t start = (size_t)std::lround(startSeconds * kSampleRate) % n;
    double l = gain * std::cos((pan + 1) * kTwoPi / 8), r = gain * std::sin((pan + 1) * kTwoPi / 8);
    for (size_t i = 0; i < sound.size(); ++i) {
        size_t k = (start + i) % n;
        left[k] += (float)(sound[i] * l);
        right[k] += (float)(sound[i] * r);
    }
}

static bool isDrum(Voice v) { return v >= Voice::KICK; }

// Only the plucked string, the flute and the drums draw on their seed; the
// other voices sound the same for the same note whatever the seed.
static bool usesSeed(Voice v) { return v == Voice::PLUCK || v == Voice::FLUTE || isDrum(v); }

void Loop::play(Voice voice, const std::string& pattern, double step, double start, double gain, double pan,
                int transpose) {
    std::istringstream in(pattern);
    std::vector<std::string> tokens;
    std::string token;
    while (in >> token)
        if (token != "|") tokens.push_back(token);
    double factor = std::pow(2.0, transpose / 12.0);
    // A pattern plays the same few notes over and over: render each once.
    std::map<std::pair<double, double>, Samples> rendered;  // by frequency and length in seconds
    for (size_t i = 0; i < tokens.size(); ++i) {
        const std::string& t = tokens[i];
        if (t == "." || t == "-") continue;
        size_t held = 1;
        while (i + held < tokens.size() && tokens[i + held] == ".") ++held;
        double when = start + i * step;
        if (isDrum(voice)) {
            if (t != "x" && t != "X" && !std::isalpha((unsigned char)t[0])) continue;
            double f = (t == "x" || t == "X") ? 100 : noteFrequency(t) * factor;
            add(renderNote(voice, f, step, t == "X" ? 1.0 : 0.75, nextSeed++), when, gain, pan);
            continue;
        }
        size_t from = 0;
        std::vector<std::string> notes;
        while (from <= t.size()) {
            size_t plus = t.find('+', from);
            notes.push_back(t.substr(from, plus == std::string::npos ? std::string::npos : plus - from));
            if (plus == std::string::npos) break;
            from = plus + 1;
        }
        for (const std::string& n : notes) {
            std::pair<double, double> note = {noteFrequency(n) * factor, held * step * 0.95};
            uint32_t seed = nextSeed++;
            auto found = rendered.find(note);
            if (found == rendered.end() || usesSeed(voice))
                found = rendered.insert_or_assign(note, renderNote(voice, note.first, note.second, 0.8, seed)).first;
            add(found->second, when, gain / std::sqrt((double)notes.size()), pan);
        }
    }
}

void Loop::reverb(double roomSize, double wet) {
    // A small comb-and-allpass room per channel, run twice round the loop so
    // its tail at the end is already in place at the start.
    const int combDelays[4] = {1116, 1188, 1277, 1356}, allDelays[2] = {556, 341};
    for (int channel = 0; channel < 2; ++channel) {
        Samples& data = channel ? right : left;
        int spread = channel ? 23 : 0;
        std::vector<std::vector<float>> combs, alls;
        for (int d : combDelays) combs.emplace_back((size_t)((d + spread) * kSampleRate / 44100.0), 0.0f);
        for (int d : allDelays) alls.emplace_back((size_t)((d + spread) * kSampleRate / 44100.0), 0.0f);
        std::vector<size_t> cpos(4, 0), apos(2, 0);
        std::vector<float> damp(4, 0.0f);
        Samples out(data.size());
        for (int pass = 0; pass < 2; ++pass)
            for (size_t i = 0; i < data.size(); ++i) {
                double x = data[i] * 0.25, sum = 0;
                for (int c = 0; c < 4; ++c) {
                    float& slot = combs[c][cpos[c]];
                    damp[c] = slot * 0.6f + damp[c] * 0.4f;
                    sum += slot;
                    slot = (float)(x + damp[c] * roomSize);
                    cpos[c] = (cpos[c] + 1) % combs[c].size();
                }
                for (int a = 0; a < 2; ++a) {
                    float& slot = alls[a][apos[a]];
                    double y = slot - sum;
                    slot = (float)(sum + slot * 0.5);
                    sum = y;
                    apos[a] = (apos[a] + 1) % alls[a].size();
                }
                out[i] = (float)sum;
            }
        for (size_t i = 0; i < data.size(); ++i) data[i] = (float)(data[i] * (1 - wet * 0.5) + out[i] * wet);
    }
}

static double peakOf(const Samples& s) {
    double peak = 1e-9;
    for (float v : s) peak = std::max(peak, (double)std::fabs(v));
    return peak;
}

static int16_t toShort(double v) { return (int16_t)std::lround(std::max(-32767.0, std::min(32767.0, v * 32767))); }

std::vector<int16_t> Loop::toPcm(double peak) const {
    double scale = peak / std::max(peakOf(left), peakOf(right));
    std::vector<int16_t> out(left.size() * 2);
    for (size_t i = 0; i < left.size(); ++i) {
        out[2 * i] = toShort(left[i] * scale);
        out[2 * i + 1] = toShort(right[i] * scale);
    }
    return out;
}

std::vector<int16_t> toPcmMono(const Samples& samples, double peak) {
    double scale = peak / peakOf(samples);
    std::vector<int16_t> out(samples.size());
    for (size_t i = 0; i < samples.size(); ++i) out[i] = toShort(samples[i] * scale);
    return out;
}

void fadeEnds(Samples& samples, double fadeIn, double fadeOut) {
    size_t in = (size_t)(fadeIn * kSampleRate), out = (size_t)(fadeOut * kSampleRate);
    for (size_t i = 0; i < in && i < samples.size(); ++i) samples[i] *= (float)i / in;
    for (size_t i = 0; i < out && i < samples.size(); ++i) samples[samples.size() - 1 - i] *= (float)i / out;
}
