#pragma once
// The tune: "Sunday Walkthrough", 32 bars in F major at 80 beats a minute.
// Four bars of intro, a theme (A), a bridge (B), the theme varied (A'), and a
// coda that settles on the home chord and fades, so the loop restarts softly.

#include <vector>

#include "Synth.h"

namespace music {

constexpr double kBeatsPerMinute = 80;
constexpr double kSecondsPerBeat = 60.0 / kBeatsPerMinute;
constexpr int kBeatsPerBar = 4;
constexpr int kBars = 32;
constexpr double kTailSeconds = 4.0;  // the last chord ringing out

double BarStart(int bar);  // bar counts from 0
double TotalSeconds();

std::vector<Note> ComposeNotes();
void AddPercussion(Stereo& out);

}  // namespace music
