#include "gui/play/playback_session.h"

#include <QSettings>
#include <algorithm>

#include "core/play/schedule.h"
#include "gui/app/prompts.h"
#include "gui/play/play_settings_dialog.h"

namespace tarveno {

PlaybackSession::PlaybackSession(const Document& document, const Catalogue& catalogue, AudioOutput& output,
                                 MusicSource* music, std::filesystem::path settingsFile, Prompts& prompts,
                                 QWidget* window)
    : document_(document),
      catalogue_(catalogue),
      settingsFile_(std::move(settingsFile)),
      prompts_(prompts),
      window_(window),
      controller_(output),
      music_(music) {
  connect(&controller_, &PlaybackController::positionChanged, this, &PlaybackSession::positionChanged);
  connect(&controller_, &PlaybackController::stopped, this, [this] {
    emit tempoNote(QString());
    emit stopped();
  });
  connect(&controller_, &PlaybackController::audioUnavailable, this,
          [this](const QString& message) { prompts_.error(window_, message); });
  // Asked again from the start: the music may have changed meanwhile.
  connect(&stretched_, &StretchedMusic::ready, this, [this] {
    if (pendingStart_ >= 0) start(std::exchange(pendingStart_, -1));
  });
  if (!music_) return;
  connect(music_, &MusicSource::ready, this, [this](int code) {
    if (pendingStart_ >= 0 && code == songCode()) play(std::exchange(pendingStart_, -1));
  });
  connect(music_, &MusicSource::failed, this, [this](int code, const QString& message) {
    if (pendingStart_ < 0 || code != songCode()) return;
    const int start = std::exchange(pendingStart_, -1);
    // The same failure at every play would only nag: the user has read it once.
    if (!told_.contains(message)) prompts_.error(window_, message);
    told_.insert(message);
    play(start);  // on without the music
  });
}

PlaybackSession::~PlaybackSession() = default;

int PlaybackSession::songCode() const {
  const SongRecord* song = catalogue_.song(document_.chart.SongIndex);
  return song ? song->Code : 0;
}

PlaySettings PlaybackSession::settings() const {
  if (settingsFile_.empty()) return unsaved_;
  QSettings store(QString::fromStdString(settingsFile_.string()), QSettings::IniFormat);
  return loadPlaySettings(store, songCode());
}

void PlaybackSession::store(const PlaySettings& values) {
  if (settingsFile_.empty()) {
    unsaved_ = values;
    return;
  }
  QSettings file(QString::fromStdString(settingsFile_.string()), QSettings::IniFormat);
  savePlaySettings(file, songCode(), values);
}

void PlaybackSession::start(int startBeat) {
  stop();
  const PlaySettings values = settings();
  if (music_ && !values.musicFile.isEmpty() && !music_->find(songCode(), values.musicFile)) {
    // Decoded once per song; playback starts when the music is ready (or has failed).
    pendingStart_ = startBeat;
    music_->load(songCode(), values.musicFile);
    return;
  }
  play(startBeat);
}

void PlaybackSession::play(int startBeat) {
  const PlaySettings values = settings();
  const PlayTempo tempo = songTempo(catalogue_, document_.chart.SongIndex);
  const Schedule schedule = buildSchedule(document_.chart, catalogue_, document_.meterSegs, tempo.bpm, startBeat);
  auto music = values.musicFile.isEmpty() || !music_ ? nullptr : music_->find(songCode(), values.musicFile);
  if (music && !stretched_.find(music, values.speedPercent)) {
    pendingStart_ = startBeat;  // stretched in the background; played when it is done
    stretched_.make(music, values.speedPercent);
    return;
  }
  music = stretched_.find(music, values.speedPercent);
  playedOffsetMs_ = values.musicOffsetMs;
  MixPlan plan = planMix(schedule, values.mix, std::move(music), values.musicOffsetMs, values.speedPercent / 100.0);
  if (!controller_.start(schedule, std::move(plan))) return;
  emit tempoNote(tempo.assumed ? tr("テンポが不明なため 120 BPM で再生しています") : QString());
}

void PlaybackSession::stop() {
  pendingStart_ = -1;
  controller_.stop();
}

void PlaybackSession::editSettings() {
  stop();
  const SongRecord* song = catalogue_.song(document_.chart.SongIndex);
  const QString title = song ? QString::fromStdString(song->Title) : QString();
  std::unique_ptr<OffsetFinder> finder;
  if (music_) {
    const PlayTempo tempo = songTempo(catalogue_, document_.chart.SongIndex);
    finder = std::make_unique<OffsetFinder>(*music_, songCode(),
                                            tempo.assumed ? std::nullopt : std::optional<double>(tempo.bpm));
  }
  auto chosen = PlaySettingsDialog::ask(settings(), title, prompts_, window_, finder.get());
  if (chosen) store(*chosen);
}

std::optional<int> PlaybackSession::nudgeOffset(int deltaMs) {
  PlaySettings values = settings();
  const int offset = std::clamp(values.musicOffsetMs + deltaMs, -kMusicOffsetLimitMs, kMusicOffsetLimitMs);
  if (!controller_.shiftMusic(offset - playedOffsetMs_)) return std::nullopt;
  values.musicOffsetMs = offset;
  store(values);
  return offset;
}

}  // namespace tarveno
