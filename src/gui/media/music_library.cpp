#include "gui/media/music_library.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "core/play/wav.h"
#include "gui/media/qt_audio_output.h"

namespace tarveno {

namespace {

QString failureText(const QString& path, const QString& why) {
  return QStringLiteral("音楽ファイルを読み込めません。音楽なしで再生します。\n%1\n（%2）").arg(path, why);
}

}  // namespace

MusicLibrary::MusicLibrary(QObject* parent) : MusicSource(parent) {}

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
  decoder_.reset();
  songCode_ = songCode;
  path_ = path;
  samples_.clear();
  rate_ = channels_ = 0;
  if (!QFileInfo(path).isFile()) {
    later([this, songCode, path] { emit failed(songCode, failureText(path, QStringLiteral("ファイルがありません"))); });
    return;
  }
  // A plain WAV file needs no decoder at all, so it plays even where the platform has none.
  auto wav = readWavFile(path.toStdString());
  if (wav) {
    kept_[songCode] = {path, std::make_shared<const MusicPcm>(std::move(*wav))};
    later([this, songCode] { emit ready(songCode); });
    return;
  }
  decoder_ = std::make_unique<QAudioDecoder>();
  decoder_->setAudioFormat(mixAudioFormat());  // a wish: what the buffers bring is converted below
  connect(decoder_.get(), &QAudioDecoder::bufferReady, this, [this] { take(decoder_->read()); });
  connect(decoder_.get(), &QAudioDecoder::finished, this, &MusicLibrary::finish);
  connect(decoder_.get(), qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this,
          [this] { fail(decoder_->errorString()); });
  decoder_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));  // the decoder wants a whole path
  decoder_->start();
}

void MusicLibrary::take(const QAudioBuffer& buffer) {
  const QAudioFormat format = buffer.format();
  if (!buffer.isValid() || format.bytesPerSample() == 0) return;
  if (rate_ == 0) {
    rate_ = format.sampleRate();
    channels_ = format.channelCount();
  }
  if (format.sampleRate() != rate_ || format.channelCount() != channels_) return;  // a changed stream is not followed
  const auto* bytes = buffer.constData<char>();
  const int width = format.bytesPerSample();
  for (qsizetype i = 0; i < buffer.sampleCount(); ++i)
    samples_.push_back(format.normalizedSampleValue(bytes + i * width));
}

void MusicLibrary::finish() {
  MusicPcm music = toMixPcm(samples_, channels_, rate_);
  samples_ = {};
  if (music.frames() == 0) {
    fail(QStringLiteral("音声がありません"));
    return;
  }
  kept_[songCode_] = {path_, std::make_shared<const MusicPcm>(std::move(music))};
  const int songCode = songCode_;
  // The decoder may not be deleted inside its own signal.
  decoder_.release()->deleteLater();
  emit ready(songCode);
}

void MusicLibrary::fail(const QString& why) {
  if (!decoder_) return;
  const int songCode = songCode_;
  const QString message = failureText(path_, why.isEmpty() ? QStringLiteral("この形式は読めません") : why);
  samples_ = {};
  decoder_.release()->deleteLater();
  emit failed(songCode, message);
}

}  // namespace tarveno
