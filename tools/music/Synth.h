#pragma once
// A small offline synthesizer: a few instruments that add notes into a stereo
// buffer, and a room reverb. Everything is computed from the note list and
// fixed seeds, so a rerun writes the same samples.

#include <cstdint>
#include <vector>

namespace music {

constexpr int kRate = 44100;

struct Stereo {
    std::vector<float> left, right;
    explicit Stereo(double seconds)
        : left(static_cast<std::size_t>(seconds * kRate)), right(left.size()) {}
    std::size_t Frames() const { return left.size(); }
    void Add(std::size_t i, float v, float pan);  // pan -1 left .. +1 right
};

enum class Instrument { Pad, Keys, Bass, Lead, Bell };

struct Note {
    Instrument instrument;
    double start;     // seconds
    double length;    // seconds, key held
    int pitch;        // MIDI note number
    double velocity;  // 0..1
};

class Noise {
  public:
    explicit Noise(std::uint64_t seed) : state_(seed | 1) {}
    float Next();  // uniform in -1..1

  private:
    std::uint64_t state_;
};

double Frequency(int pitch);

void Render(Stereo& out, const Note& note);

// Light percussion.
void Kick(Stereo& out, double start, double velocity);
void Brush(Stereo& out, Noise& noise, double start, double velocity, float pan);
void Rim(Stereo& out, Noise& noise, double start, double velocity);

// A plate-like reverb (parallel combs into series allpasses), mixed in place.
void Reverb(Stereo& buffer, double wet);

}  // namespace music
