#include "Score.h"

#include <array>

namespace music {
namespace {

struct Chord {
    int bass;                // MIDI pitch of the root in the bass register
    std::array<int, 4> pad;  // voicing near middle C; 0 = unused
};

// Voicings chosen so the pad moves by small steps from bar to bar.
const Chord kF{41, {57, 60, 64, 67}};  // Fmaj9 without its root
const Chord kDm7{50, {57, 60, 62, 65}};
const Chord kBbMaj7{46, {57, 62, 65, 0}};
const Chord kC{48, {55, 60, 64, 0}};
const Chord kCsus{48, {55, 60, 65, 0}};
const Chord kC7{48, {55, 58, 64, 0}};
const Chord kAm7{45, {55, 60, 64, 0}};
const Chord kGm7{43, {58, 62, 65, 0}};

const std::array<Chord, kBars> kChords = {
    kF,      kDm7, kBbMaj7, kCsus,                            // intro
    kF,      kAm7, kBbMaj7, kC,    kF,   kDm7,    kGm7, kC7,  // theme
    kBbMaj7, kC,   kAm7,    kDm7,  kGm7, kC,      kAm7, kC7,  // bridge
    kF,      kAm7, kBbMaj7, kC,    kDm7, kBbMaj7, kGm7, kC7,  // theme again
    kBbMaj7, kC,   kF,      kF,                               // coda
};

struct MelodyNote {
    int bar;
    double beat, beats;
    int pitch;
};

// F4 = 65, C5 = 72, F5 = 77.
const MelodyNote kMelody[] = {
    // Theme.
    {4, 0, 1.5, 72},
    {4, 1.5, .5, 69},
    {4, 2, 1, 65},
    {4, 3, 1, 67},
    {5, 0, 1.5, 69},
    {5, 1.5, .5, 72},
    {5, 2, 2, 76},
    {6, 0, 1, 74},
    {6, 1, .5, 72},
    {6, 1.5, .5, 70},
    {6, 2, 1, 74},
    {6, 3, 1, 77},
    {7, 0, 2, 76},
    {7, 2, 1, 74},
    {7, 3, 1, 72},
    {8, 0, 1.5, 72},
    {8, 1.5, .5, 69},
    {8, 2, 1, 65},
    {8, 3, 1, 69},
    {9, 0, 1.5, 74},
    {9, 1.5, .5, 77},
    {9, 2, 1, 76},
    {9, 3, 1, 74},
    {10, 0, 1, 70},
    {10, 1, 1, 74},
    {10, 2, 1, 77},
    {10, 3, .5, 76},
    {10, 3.5, .5, 74},
    {11, 0, 1, 76},
    {11, 1, 1, 67},
    {11, 2, 2, 72},
    // Bridge: higher, longer lines.
    {12, 0, 1, 77},
    {12, 1, 1, 74},
    {12, 2, 1.5, 70},
    {12, 3.5, .5, 72},
    {13, 0, 1, 74},
    {13, 1, 1, 76},
    {13, 2, 2, 79},
    {14, 0, 1.5, 76},
    {14, 1.5, .5, 72},
    {14, 2, 1, 69},
    {14, 3, 1, 72},
    {15, 0, 1.5, 77},
    {15, 1.5, .5, 76},
    {15, 2, 2, 74},
    {16, 0, 1, 74},
    {16, 1, 1, 70},
    {16, 2, 1, 67},
    {16, 3, 1, 70},
    {17, 0, 1, 72},
    {17, 1, 1, 76},
    {17, 2, 1, 79},
    {17, 3, .5, 77},
    {17, 3.5, .5, 76},
    {18, 0, 1.5, 76},
    {18, 1.5, .5, 74},
    {18, 2, 2, 72},
    {19, 0, 1, 74},
    {19, 1, 1, 72},
    {19, 2, 1, 70},
    {19, 3, 1, 67},
    // Theme again, its second half turned a new way.
    {20, 0, 1.5, 72},
    {20, 1.5, .5, 69},
    {20, 2, 1, 65},
    {20, 3, .5, 67},
    {20, 3.5, .5, 69},
    {21, 0, 1, 72},
    {21, 1, 1, 76},
    {21, 2, 2, 81},
    {22, 0, 1, 79},
    {22, 1, .5, 77},
    {22, 1.5, .5, 74},
    {22, 2, 1, 77},
    {22, 3, 1, 74},
    {23, 0, 1.5, 76},
    {23, 1.5, .5, 72},
    {23, 2, 2, 67},
    {24, 0, 1, 69},
    {24, 1, 1, 74},
    {24, 2, 1.5, 77},
    {24, 3.5, .5, 76},
    {25, 0, 1, 74},
    {25, 1, 1, 77},
    {25, 2, 1, 70},
    {25, 3, 1, 74},
    {26, 0, 1.5, 70},
    {26, 1.5, .5, 69},
    {26, 2, 1, 67},
    {26, 3, 1, 70},
    {27, 0, 1.5, 72},
    {27, 1.5, .5, 74},
    {27, 2, 2, 76},
    // Coda: down to the home note and hold.
    {28, 0, 2, 77},
    {28, 2, 2, 74},
    {29, 0, 2, 76},
    {29, 2, 1, 74},
    {29, 3, 1, 76},
    {30, 0, 5, 77},
};

double At(int bar, double beat) {
    return BarStart(bar) + beat * kSecondsPerBeat;
}

bool InScale(int pitch) {
    const int pc = ((pitch % 12) + 12) % 12;
    for (int s : {5, 7, 9, 10, 0, 2, 4})
        if (s == pc) return true;
    return false;
}

// A scale step below or above the next root, leading the bass into it.
int Approach(int from, int to) {
    if (to == from) return from + 7 > 52 ? from - 5 : from + 7;
    const int step = to > from ? -1 : 1;
    return InScale(to + step) ? to + step : to + 2 * step;
}

void Pad(std::vector<Note>& notes, int bar, double velocity) {
    for (int p : kChords[bar].pad)
        if (p)
            notes.push_back(
                {Instrument::Pad, At(bar, 0), kBeatsPerBar * kSecondsPerBeat, p, velocity});
}

void Bass(std::vector<Note>& notes, int bar) {
    const int root = kChords[bar].bass;
    const int next = bar + 1 < kBars ? kChords[bar + 1].bass : root;
    auto add = [&](double beat, double beats, int pitch, double vel) {
        notes.push_back(
            {Instrument::Bass, At(bar, beat), beats * kSecondsPerBeat * 0.92, pitch, vel});
    };
    if (bar < 4 || bar >= 28) {
        add(0, bar >= 30 ? 7.5 : 3.8, root, bar >= 30 ? 0.3 : 0.34);
        if (bar == 31) notes.pop_back();  // the coda's last bass note spans both bars
    } else if (bar >= 12 && bar < 20) {
        add(0, 2, root, 0.36);
        add(2, 1.5, root + 7 > 53 ? root - 5 : root + 7, 0.3);
        add(3.5, 0.5, Approach(root, next), 0.26);
    } else {
        add(0, 1.5, root, 0.38);
        add(1.5, 0.5, root, 0.26);
        add(2, 1, root + 7 > 53 ? root - 5 : root + 7, 0.32);
        add(3, 1, Approach(root, next), 0.28);
    }
}

void Keys(std::vector<Note>& notes, int bar) {
    const Chord& c = kChords[bar];
    std::vector<int> tones;
    for (int p : c.pad)
        if (p) tones.push_back(p + 12);
    auto add = [&](double beat, double beats, int pitch, double vel) {
        notes.push_back({Instrument::Keys, At(bar, beat), beats * kSecondsPerBeat, pitch, vel});
    };
    const int n = static_cast<int>(tones.size());
    if (bar < 4) {
        // Intro: a slow rising arpeggio, softer in the very first bar.
        for (int i = 0; i < 4; ++i)
            add(i, 1.2, tones[i % n] - (i == 3 ? 0 : 12), bar == 0 ? 0.12 : 0.18);
    } else if (bar < 12) {
        // Theme: gentle syncopated chords.
        for (double beat : {0.0, 1.5, 3.0})
            for (int t : tones) add(beat, beat == 3.0 ? 1 : 1.3, t - 12, beat == 0 ? 0.11 : 0.08);
    } else if (bar < 20) {
        // Bridge: flowing eighths.
        const int order[8] = {0, 1, 2, 1, 2, 1, 0, 1};
        for (int i = 0; i < 8; ++i)
            add(i * 0.5, 0.7, tones[order[i] % n] - 12, i % 2 ? 0.09 : 0.13);
    } else if (bar < 28) {
        // Theme again: eighths that climb an octave.
        const int order[8] = {0, 1, 2, 3, 2, 1, 2, 1};
        for (int i = 0; i < 8; ++i) {
            const int idx = order[i] % n;
            const int octave = order[i] >= n ? 0 : -12;
            add(i * 0.5, 0.7, tones[idx] + octave, i % 2 ? 0.08 : 0.12);
        }
    } else {
        // Coda: chords that thin out.
        const double vel = bar < 30 ? 0.1 : 0.07;
        for (int t : tones) add(0, bar < 30 ? 3 : 6, t - 12, vel);
        if (bar < 30)
            for (int t : tones) add(2, 2, t - 12, vel * 0.7);
    }
}

void Bells(std::vector<Note>& notes, int bar) {
    // A high answering phrase in the bridge and the second theme.
    if (bar < 12 || bar >= 29 || bar % 2 == 0) return;
    const Chord& c = kChords[bar];
    const int top = c.pad[2] + 24;
    notes.push_back({Instrument::Bell, At(bar, 2.5), 0.6, top, 0.09});
    notes.push_back({Instrument::Bell, At(bar, 3.0), 0.6, c.pad[1] + 24, 0.07});
    notes.push_back({Instrument::Bell, At(bar, 3.5), 1.0, c.pad[0] + 24, 0.06});
}

}  // namespace

double BarStart(int bar) {
    return bar * kBeatsPerBar * kSecondsPerBeat;
}

double TotalSeconds() {
    return BarStart(kBars) + kTailSeconds;
}

std::vector<Note> ComposeNotes() {
    std::vector<Note> notes;
    for (int bar = 0; bar < kBars; ++bar) {
        Pad(notes, bar, bar < 4 ? 0.05 : 0.055);
        Bass(notes, bar);
        Keys(notes, bar);
        Bells(notes, bar);
    }
    for (const MelodyNote& m : kMelody) {
        const double accent = m.beat == 0 ? 0.3 : 0.25;
        notes.push_back({Instrument::Lead, At(m.bar, m.beat), m.beats * kSecondsPerBeat * 0.95,
                         m.pitch, accent});
    }
    return notes;
}

void AddPercussion(Stereo& out) {
    Noise noise(2024);
    for (int bar = 3; bar < 29; ++bar) {
        const bool intro = bar == 3, bridge = bar >= 12 && bar < 20, last = bar == 28;
        for (int eighth = 0; eighth < 8; ++eighth) {
            const double beat = eighth * 0.5;
            const double sway = (noise.Next() * 0.5 + 1) * 0.012;  // slightly late, unhurried
            const double t = At(bar, beat) + (eighth % 2 ? sway : 0);
            double vel = eighth % 2 ? 0.16 : 0.1;
            if (intro) vel *= 0.3 + 0.7 * eighth / 8.0;
            if (bridge && eighth % 2 == 0) continue;
            if (last) vel *= 1.0 - eighth / 8.0;
            Brush(out, noise, t, vel, eighth % 2 ? 0.35f : -0.25f);
        }
        if (intro) continue;
        if (!last) {
            Kick(out, At(bar, 0), 0.42);
            if (!bridge) Kick(out, At(bar, 2), 0.3);
            if (bar >= 20 && bar % 2 == 1) Kick(out, At(bar, 2.5), 0.18);
        }
        if (!bridge && !last) Rim(out, noise, At(bar, 1), 0.1);
        if (!last) Rim(out, noise, At(bar, 3), 0.12);
    }
}

}  // namespace music
