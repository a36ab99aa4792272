#pragma once

#include <QString>

#include "core/play/mix.h"

class QSettings;

namespace tarveno {

// Offsets beyond an hour are typing mistakes; they are held at an hour either way.
inline constexpr int kMusicOffsetLimitMs = 3'600'000;

// What the 再生設定 dialog sets. The mix (ticks, metronome, their volumes) and the speed hold
// for every song; the music file and its offset belong to one song, by its song code. None of it is part of a
// chart file: it is the user's own, kept in the configuration folder.
struct PlaySettings {
  MixSettings mix;
  QString musicFile;       // empty: no music
  int musicOffsetMs = 0;   // where beat 0 lies in the music
  int speedPercent = 100;  // of the song's tempo: 100, 75 or 50

  bool operator==(const PlaySettings&) const = default;
};

// The settings file in the user's configuration folder (an INI file read through QSettings).
QString playSettingsPath(const QString& configFolder);

// Reads the mix and the song's music from the store; what is missing or out of range takes
// its default (ticks on at full volume, metronome off, full speed, no music).
PlaySettings loadPlaySettings(QSettings& store, int songCode);
void savePlaySettings(QSettings& store, int songCode, const PlaySettings& values);

}  // namespace tarveno
