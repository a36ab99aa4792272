#include "gui/play/music_library.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTimer>
#include <utility>

#include "core/io/files.h"
#include "core/play/wav.h"
#include "words/messages.h"

namespace tarveno {

namespace {

// The first line says what happened in Japanese; the second why, in the decoder's own words
// when the decoder failed.
QString failureText(const QString& path, const QString& why) {
  return QCoreApplication::translate("tarveno::MusicLibrary",
                                     "音楽ファイル %1 を読み込めません。音楽なしで再生します。\n%2")
      .arg(path, why);
}

// Tells a file that has changed since it failed.
QString stampOf(const QString& path) {
  const QFileInfo info(path);
  return QStringLiteral("%1 %2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

}  // namespace

MusicLibrary::MusicLibrary(MusicDecoderFactory decoders, QObject* parent)
    : MusicSource(parent), decoders_(std::move(decoders)) {}

MusicLibrary::~MusicLibrary() = default;

std::shared_ptr<const MusicPcm> MusicLibrary::find(int songCode, const QString& path) const {
  auto it = kept_.find(songCode);
  return it != kept_.end() && it->second.path == path ? it->second.music : nullptr;
}

void MusicLibrary::later(std::function<void()> report) {
  QTimer::singleShot(0, this, std::move(report));
}

void MusicLibrary::load(int songCode, const QString& path) {
  if (find(songCode, path)) {
    later([this, songCode] { emit ready(songCode); });
    return;
  }
  if (decoder_ && songCode_ == songCode && path_ == path) return;
  decoder_.reset();  // abandons the file under way: its decoder reports nothing more
  ++generation_;
  timeline_ = MusicTimeline();
  songCode_ = songCode;
  path_ = path;
  if (auto it = failed_.find(songCode); it != failed_.end() && it->second.path == path) {
    if (it->second.stamp == stampOf(path)) {
      later([this, songCode, message = it->second.message] { emit failed(songCode, message); });
      return;
    }
  }
  if (!QFileInfo(path).isFile()) {
    fail(generation_, tr("ファイルがありません。"));
    return;
  }
  if (!readDirectly(songCode, path)) decode(path);
}

// A plain WAV file needs no decoder at all, so it plays even where the platform has none; one
// the reader refuses as damaged is not handed on either (a decoder may make gigabytes of it).
bool MusicLibrary::readDirectly(int songCode, const QString& path) {
  auto bytes = readFileBytes(path.toStdString());
  if (!bytes) {
    fail(generation_, describe(bytes.error()));
    return true;
  }
  auto wav = decodeWav(*bytes);  // the first line names the file already
  if (!wav && wav.error().code == ErrorCode::Unsupported) return false;
  if (!wav) {
    fail(generation_, describe(wav.error()));
    return true;
  }
  kept_[songCode] = {path, std::make_shared<const MusicPcm>(std::move(*wav))};
  later([this, songCode] { emit ready(songCode); });
  return true;
}

void MusicLibrary::decode(const QString& path) {
  decoder_ = decoders_ ? decoders_() : nullptr;
  if (!decoder_) {
    fail(generation_, QString());
    return;
  }
  const int generation = generation_;
  decoder_->start(
      QFileInfo(path).absoluteFilePath(),  // decoders want a whole path
      {[this, generation](const DecodedBuffer& buffer) {
         if (generation == generation_) timeline_.add(buffer.startUs, buffer.channels, buffer.rate, buffer.samples);
       },
       [this, generation] { finish(generation); }, [this, generation](const QString& why) { fail(generation, why); }});
}

void MusicLibrary::finish(int generation) {
  if (generation != generation_) return;
  auto music = std::exchange(timeline_, MusicTimeline()).finish();
  if (!music) {
    fail(generation, describe(music.error()));
    return;
  }
  ++generation_;  // one report per load
  decoder_.reset();
  const int songCode = songCode_;
  kept_[songCode] = {path_, std::make_shared<const MusicPcm>(std::move(*music))};
  later([this, songCode] { emit ready(songCode); });
}

// Remembers the failure and reports it; a later load of the same unchanged file reports it
// again without decoding.
void MusicLibrary::fail(int generation, const QString& why) {
  if (generation != generation_) return;
  ++generation_;  // one report per load
  decoder_.reset();
  const int songCode = songCode_;
  const QString message = failureText(path_, why.isEmpty() ? tr("この形式は読めません。") : why);
  failed_[songCode] = {path_, stampOf(path_), message};
  later([this, songCode, message] { emit failed(songCode, message); });
}

}  // namespace tarveno
