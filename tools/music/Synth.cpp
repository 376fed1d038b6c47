#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace music {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// Attack, then hold, then an exponential release after the key is let go.
double Envelope(double t, double held, double attack, double release) {
    if (t < 0) return 0;
    double level = t < attack ? t / attack : 1.0;
    if (t > held) level *= std::exp(-(t - held) / release);
    return level;
}

std::size_t Frame(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, seconds) * kRate);
}

}  // namespace

void Stereo::Add(std::size_t i, float v, float pan) {
    if (i >= left.size()) return;
    // Constant-power panning.
    const float angle = (pan + 1.0f) * 0.25f * 3.14159265f;
    left[i] += v * std::cos(angle);
    right[i] += v * std::sin(angle);
}

float Noise::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<float>((state_ >> 11) * (1.0 / 4503599627370496.0) - 1.0);
}

double Frequency(int pitch) {
    return 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
}

void Render(Stereo& out, const Note& n) {
    const double f = Frequency(n.pitch);
    const std::size_t first = Frame(n.start);
    double tail = 0.3;
    switch (n.instrument) {
        case Instrument::Pad:
            tail = 1.6;
            break;
        case Instrument::Keys:
            tail = 1.2;
            break;
        case Instrument::Bass:
            tail = 0.25;
            break;
        case Instrument::Lead:
            tail = 0.35;
            break;
        case Instrument::Bell:
            tail = 2.0;
            break;
    }
    const std::size_t count = Frame(n.length + tail * 4);
    double leadPhase = 0;  // the lead's pitch wavers, so its phase is integrated
    for (std::size_t k = 0; k < count; ++k) {
        const double t = static_cast<double>(k) / kRate;
        double v = 0;
        float pan = 0;
        switch (n.instrument) {
            case Instrument::Pad: {
                // Two slightly detuned stacks of soft harmonics: a warm chorus.
                const double env = Envelope(t, n.length, 0.9, tail);
                for (double detune : {-0.0025, 0.0025}) {
                    const double ph = kTwoPi * f * (1 + detune) * t;
                    v += std::sin(ph) + 0.35 * std::sin(2 * ph) + 0.12 * std::sin(3 * ph) +
                         0.05 * std::sin(4 * ph);
                }
                v *= 0.5 * env * (1 + 0.08 * std::sin(kTwoPi * 0.3 * t));
                pan = static_cast<float>(((n.pitch % 5) - 2) * 0.18);
                break;
            }
            case Instrument::Keys: {
                // Two-operator FM with a falling index: a mellow electric piano.
                const double env = Envelope(t, n.length, 0.004, tail) * std::exp(-t * 1.4);
                const double index = 1.6 * std::exp(-t * 5.0) + 0.25;
                const double mod = std::sin(kTwoPi * f * t) * index;
                v = std::sin(kTwoPi * f * t + mod) * env;
                v += 0.15 * std::sin(kTwoPi * f * 2 * t) * env * std::exp(-t * 3);
                pan = -0.35f;
                break;
            }
            case Instrument::Bass: {
                const double env =
                    Envelope(t, n.length, 0.012, tail) * (0.75 + 0.25 * std::exp(-t * 3));
                const double ph = kTwoPi * f * t;
                v = (std::sin(ph) + 0.25 * std::sin(2 * ph) + 0.06 * std::sin(3 * ph)) * env;
                pan = 0;
                break;
            }
            case Instrument::Lead: {
                // A soft flute-like voice with a vibrato that arrives late.
                const double env = Envelope(t, n.length, 0.05, tail);
                const double vib = 1 + 0.004 * std::sin(kTwoPi * 5.2 * t) * std::min(1.0, t / 0.6);
                leadPhase += kTwoPi * f * vib / kRate;
                const double ph = leadPhase;
                v = (std::sin(ph) + 0.22 * std::sin(2 * ph) + 0.06 * std::sin(3 * ph)) * env;
                pan = 0.2f;
                break;
            }
            case Instrument::Bell: {
                const double env = Envelope(t, n.length, 0.002, tail) * std::exp(-t * 1.8);
                const double mod = std::sin(kTwoPi * f * 3.5 * t) * 1.2 * std::exp(-t * 4);
                v = std::sin(kTwoPi * f * t + mod) * env;
                pan = 0.45f;
                break;
            }
        }
        out.Add(first + k, static_cast<float>(v * n.velocity), pan);
    }
}

void Kick(Stereo& out, double start, double velocity) {
    const std::size_t first = Frame(start);
    double phase = 0;
    for (std::size_t k = 0; k < Frame(0.35); ++k) {
        const double t = static_cast<double>(k) / kRate;
        const double f = 48 + 60 * std::exp(-t * 30);
        phase += kTwoPi * f / kRate;
        const double v = std::sin(phase) * std::exp(-t * 9) * std::min(1.0, t / 0.003);
        out.Add(first + k, static_cast<float>(v * velocity), 0);
    }
}

void Brush(Stereo& out, Noise& noise, double start, double velocity, float pan) {
    const std::size_t first = Frame(start);
    float previous = 0;
    for (std::size_t k = 0; k < Frame(0.12); ++k) {
        const double t = static_cast<double>(k) / kRate;
        const float white = noise.Next();
        const float high = white - previous;  // a plain first difference: airy, no boom
        previous = white;
        const double env = std::min(1.0, t / 0.004) * std::exp(-t * 38);
        out.Add(first + k, static_cast<float>(high * env * velocity), pan);
    }
}

void Rim(Stereo& out, Noise& noise, double start, double velocity) {
    const std::size_t first = Frame(start);
    float low = 0;
    for (std::size_t k = 0; k < Frame(0.08); ++k) {
        const double t = static_cast<double>(k) / kRate;
        low += 0.35f * (noise.Next() - low);
        const double tone = std::sin(kTwoPi * 820 * t) * 0.6;
        const double env = std::exp(-t * 70);
        out.Add(first + k, static_cast<float>((low + tone) * env * velocity), -0.15f);
    }
}

namespace {

struct Comb {
    std::vector<float> line;
    std::size_t pos = 0;
    float store = 0, feedback, damp;
    Comb(std::size_t n, float fb, float d) : line(n), feedback(fb), damp(d) {}
    float Process(float in) {
        const float out = line[pos];
        store = out * (1 - damp) + store * damp;
        line[pos] = in + store * feedback;
        pos = (pos + 1) % line.size();
        return out;
    }
};

struct Allpass {
    std::vector<float> line;
    std::size_t pos = 0;
    explicit Allpass(std::size_t n) : line(n) {}
    float Process(float in) {
        const float delayed = line[pos];
        const float out = -in + delayed;
        line[pos] = in + delayed * 0.5f;
        pos = (pos + 1) % line.size();
        return out;
    }
};

void ReverbChannel(std::vector<float>& samples, std::size_t spread, double wet) {
    std::vector<Comb> combs;
    for (std::size_t n : {1116u, 1188u, 1277u, 1356u, 1422u, 1491u})
        combs.emplace_back(n + spread, 0.82f, 0.3f);
    std::vector<Allpass> passes;
    for (std::size_t n : {556u, 441u, 341u}) passes.emplace_back(n + spread / 2);
    for (float& s : samples) {
        const float in = s * 0.08f;
        float acc = 0;
        for (Comb& c : combs) acc += c.Process(in);
        for (Allpass& a : passes) acc = a.Process(acc);
        s = static_cast<float>(s * (1 - wet * 0.4) + acc * wet);
    }
}

}  // namespace

void Reverb(Stereo& buffer, double wet) {
    ReverbChannel(buffer.left, 0, wet);
    ReverbChannel(buffer.right, 23, wet);
}

}  // namespace music
