#include "gui/play/offset_finder.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QThreadPool>

#include "gui/play/music_source.h"

namespace tarveno {

namespace {

// Wider than any song's tempo, so a file at double or half the speed still shows as such.
constexpr double kSlowestTempo = 60;
constexpr double kFastestTempo = 300;

}  // namespace

OffsetFinder::OffsetFinder(MusicSource& music, int songCode, std::optional<double> songTempo, QObject* parent)
    : QObject(parent), music_(music), songCode_(songCode), songTempo_(songTempo) {
  connect(&music_, &MusicSource::ready, this, [this](int code) {
    if (code != songCode_ || path_.isEmpty()) return;
    if (auto pcm = music_.find(songCode_, path_)) search(std::move(pcm));
  });
  connect(&music_, &MusicSource::failed, this, [this](int code, const QString& message) {
    if (code != songCode_ || path_.isEmpty()) return;
    path_.clear();
    emit failed(message);
  });
}

OffsetFinder::~OffsetFinder() = default;

void OffsetFinder::find(const QString& path, double nearMs) {
  path_ = path;
  nearMs_ = nearMs;
  ++generation_;
  if (auto pcm = music_.find(songCode_, path)) {
    search(std::move(pcm));
    return;
  }
  music_.load(songCode_, path);
}

void OffsetFinder::search(std::shared_ptr<const MusicPcm> pcm) {
  path_.clear();
  const int generation = generation_;
  const double nearMs = nearMs_;
  // Without a song tempo the music's own tempo is all there is to lay the beats on.
  const std::optional<double> hint = songTempo_;
  // The finder may be gone when the search ends (the dialog closed): the result goes through
  // the application object, on its thread, and the pointer is only looked at there.
  QPointer<OffsetFinder> self(this);
  QThreadPool::globalInstance()->start([self, pcm = std::move(pcm), hint, nearMs, generation] {
    const OnsetStrength strength = onsetStrength(*pcm);
    FoundSync result;
    result.tempo = findTempo(strength, kSlowestTempo, kFastestTempo, hint);
    const double tempo = hint.value_or(result.tempo.tempo);
    if (tempo > 0) result.offset = findOffset(strength, tempo, nearMs);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self, result, generation] {
          if (self && generation == self->generation_) emit self->found(result);
        },
        Qt::QueuedConnection);
  });
}

}  // namespace tarveno
