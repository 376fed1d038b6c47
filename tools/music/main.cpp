// deedwell_music OUT.wav: renders the game's background tune as a 44.1 kHz
// 16-bit stereo WAV file. tools/make-data.sh encodes it to data/RealEstate.mp3.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "Score.h"
#include "Synth.h"

namespace {

// The start rises out of silence and the end sinks back into it, so the
// player's loop joins without a click or a jump in loudness.
void Fade(music::Stereo& s) {
    const double inSeconds = 2.5;
    const double outStart = music::BarStart(music::kBars - 3);
    const double total = static_cast<double>(s.Frames()) / music::kRate;
    for (std::size_t i = 0; i < s.Frames(); ++i) {
        const double t = static_cast<double>(i) / music::kRate;
        double g = 1;
        if (t < inSeconds) g *= std::pow(t / inSeconds, 2);
        if (t > outStart) g *= 0.5 + 0.5 * std::cos(M_PI * (t - outStart) / (total - outStart));
        s.left[i] = static_cast<float>(s.left[i] * g);
        s.right[i] = static_cast<float>(s.right[i] * g);
    }
}

void Normalise(music::Stereo& s, float peakTarget) {
    float peak = 0;
    for (std::size_t i = 0; i < s.Frames(); ++i)
        peak = std::max({peak, std::fabs(s.left[i]), std::fabs(s.right[i])});
    if (peak <= 0) return;
    const float gain = peakTarget / peak;
    for (std::size_t i = 0; i < s.Frames(); ++i) {
        s.left[i] *= gain;
        s.right[i] *= gain;
    }
}

void Put16(std::ofstream& out, std::uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    out.write(b, 2);
}

void Put32(std::ofstream& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xff));
}

bool WriteWav(const std::string& path, const music::Stereo& s) {
    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(s.Frames() * 4);
    out.write("RIFF", 4);
    Put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 2);
    Put32(out, music::kRate);
    Put32(out, music::kRate * 4);
    Put16(out, 4);
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, dataBytes);
    for (std::size_t i = 0; i < s.Frames(); ++i) {
        for (float v : {s.left[i], s.right[i]}) {
            const long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
            Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
        }
    }
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: deedwell_music OUT.wav\n");
        return 2;
    }
    music::Stereo mix(music::TotalSeconds());
    for (const music::Note& n : music::ComposeNotes()) music::Render(mix, n);
    music::AddPercussion(mix);
    music::Reverb(mix, 0.28);
    Fade(mix);
    // Leave headroom for the MP3 encoder's overshoot.
    Normalise(mix, 0.79f);
    if (!WriteWav(argv[1], mix)) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
