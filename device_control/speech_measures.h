// What a recording of speech is like, measured: its level, its median fundamental frequency
// and how well its loudness over time matches another recording's.
#pragma once

#include "device_control/recorded_sound.h"

namespace lectavo {

// The samples from the first to the last window that sounds; none when nothing sounds.
Samples Sounding(const Samples& samples);
// Where the first sounding window begins and the last one ends, in seconds from the start;
// -1 when nothing sounds.
double SoundBeginsSeconds(const Samples& samples);
double SoundEndsSeconds(const Samples& samples);
// The level of all the samples together, in dB below full scale; -120 for silence.
double RmsDb(const Samples& samples);
// The median fundamental frequency of the voiced 40 ms frames, in Hz; 0 when none is voiced.
double MedianFundamental(const Samples& samples);
// The correlation of the two recordings' 10 ms loudness envelopes, the best over shifts of up
// to 200 ms; both are taken from their first to their last sounding window.
double EnvelopeMatch(const Samples& one, const Samples& other);

}  // namespace lectavo
