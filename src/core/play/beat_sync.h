#pragma once

#include <optional>

#include "core/play/mix.h"
#include "core/play/onset_strength.h"

namespace tarveno {

// Finding where a music file's beats lie, so that a chart can be laid on it.
//
// What is measured: how strongly new sound starts in each 5.3 ms of the music (the rise of
// the spectral energy of 21 ms windows over the previous one, less its local average). A comb
// of teeth one beat apart is slid over that whole curve; the phase gathering the most onset
// strength is the beat. The tempo is the comb spacing that gathers the most, first guessed
// from the curve's autocorrelation, then refined over the whole music. The beat's phase is
// then sharpened to the sample: the music's energy is summed over every beat around that
// phase, and the beat is where that summed energy starts to rise from the level before it
// (the first tenth of the rise). Beats are also told by the energy's rise rather than by
// every frequency's: hats between the beats change many frequencies a little, a drum on the
// beat changes a few a lot.
//
// What it assumes: one steady tempo for the whole file, and beats marked by onsets (drums,
// plucks, stabs) more than the rest of the music is. The offset is the start of the attack
// of the sounds on the beat, not the loudest moment after it.
//
// Where it fails: music whose tempo drifts or changes (live playing, rubato, tempo changes:
// the comb averages them, the result fits no part well); long beatless intros or outros only
// weaken it, but music with no beat at all gives a meaningless answer with a low confidence;
// swing and strong syncopation may put the comb on the off-beats; a tempo of half, double,
// two thirds or three halves of the true one explains the onsets almost as well, which is
// why the tempo search takes the expected tempo as a hint.

struct BeatOffset {
  double offsetMs = 0;    // where a beat lies in the music, ms from its first sample
  double confidence = 0;  // 0..1: the share of the onsets on the beats beyond chance
};

struct BeatTempo {
  double tempo = 0;       // beats a minute
  double confidence = 0;  // 0..1, as for the offset, at that tempo
};

// The beat of the music at the given tempo (beats a minute, > 0): the beat nearest nearMs;
// without it, the first beat at or after the music's first strong onset (one within a
// quarter beat before that onset counts as at it). Silent or empty music: nearMs or 0 with
// confidence 0.
BeatOffset findOffset(const MusicPcm& music, double tempo, std::optional<double> nearMs = std::nullopt);

// The music's own tempo within [minBpm, maxBpm]. Among tempi that explain the onsets about as
// well as the best one (its half, double, thirds...), the one nearest hintBpm; without a
// hint, the fastest of them. Silent or empty music: the hint or 0 with confidence 0.
BeatTempo findTempo(const MusicPcm& music, double minBpm = 60, double maxBpm = 300,
                    std::optional<double> hintBpm = std::nullopt);

// The same from the music's onset strength, made once for both searches.
BeatOffset findOffset(const OnsetStrength& strength, double tempo, std::optional<double> nearMs = std::nullopt);
BeatTempo findTempo(const OnsetStrength& strength, double minBpm = 60, double maxBpm = 300,
                    std::optional<double> hintBpm = std::nullopt);

}  // namespace tarveno
