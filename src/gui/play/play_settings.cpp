#include "gui/play/play_settings.h"

#include <QDir>
#include <QSettings>
#include <algorithm>

namespace tarveno {

namespace {

QString songKey(int songCode, const char* name) {
  return QStringLiteral("songs/%1/%2").arg(songCode).arg(QLatin1String(name));
}

int volume(QSettings& store, const QString& key, int fallback) {
  bool ok = false;
  const int value = store.value(key).toInt(&ok);
  return ok ? std::clamp(value, 0, 100) : fallback;
}

// Only the speeds the dialog offers: another one would show as none of its choices.
int speed(QSettings& store) {
  const int value = store.value(QStringLiteral("mix/speed")).toInt();
  return value == 75 || value == 50 ? value : 100;
}

}  // namespace

QString playSettingsPath(const QString& configFolder) {
  return QDir(configFolder).filePath(QStringLiteral("playback.ini"));
}

PlaySettings loadPlaySettings(QSettings& store, int songCode) {
  PlaySettings values;
  MixSettings& mix = values.mix;
  mix.ticks = store.value(QStringLiteral("mix/ticks"), mix.ticks).toBool();
  mix.tickVolume = volume(store, QStringLiteral("mix/tickVolume"), mix.tickVolume);
  mix.metronome = store.value(QStringLiteral("mix/metronome"), mix.metronome).toBool();
  mix.metronomeVolume = volume(store, QStringLiteral("mix/metronomeVolume"), mix.metronomeVolume);
  values.speedPercent = speed(store);
  values.musicFile = store.value(songKey(songCode, "music")).toString();
  values.musicOffsetMs = store.value(songKey(songCode, "offset"), 0).toInt();
  return values;
}

void savePlaySettings(QSettings& store, int songCode, const PlaySettings& values) {
  store.setValue(QStringLiteral("mix/ticks"), values.mix.ticks);
  store.setValue(QStringLiteral("mix/tickVolume"), values.mix.tickVolume);
  store.setValue(QStringLiteral("mix/metronome"), values.mix.metronome);
  store.setValue(QStringLiteral("mix/metronomeVolume"), values.mix.metronomeVolume);
  store.setValue(QStringLiteral("mix/speed"), values.speedPercent);
  if (values.musicFile.isEmpty()) {
    store.remove(QStringLiteral("songs/%1").arg(songCode));
  } else {
    store.setValue(songKey(songCode, "music"), values.musicFile);
    store.setValue(songKey(songCode, "offset"), values.musicOffsetMs);
  }
  store.sync();
}

}  // namespace tarveno
