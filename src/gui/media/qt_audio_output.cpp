#include "gui/media/qt_audio_output.h"

#include <QCoreApplication>

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <cstring>
#include <vector>

#include "core/play/mix.h"

namespace tarveno {

QAudioFormat mixAudioFormat() {
  QAudioFormat format;
  format.setSampleRate(kMixRate);
  format.setChannelCount(kMixChannels);
  format.setSampleFormat(QAudioFormat::Int16);
  return format;
}

// The mix as a read-only stream of bytes for the sink to pull.
class MixDevice : public QIODevice {
 public:
  explicit MixDevice(MixCursor& cursor) : cursor_(cursor) {}
  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    // The sink's buffer need not be aligned for 16-bit samples: render aside, then copy.
    scratch_.resize(static_cast<size_t>(maxSize / (kMixChannels * 2)) * kMixChannels);
    const int64_t frames = cursor_.read(scratch_);
    const auto bytes = static_cast<qint64>(frames * kMixChannels * 2);
    std::memcpy(data, scratch_.data(), static_cast<size_t>(bytes));
    return bytes;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  MixCursor& cursor_;
  std::vector<int16_t> scratch_;
};

QtAudioOutput::QtAudioOutput() = default;

QtAudioOutput::~QtAudioOutput() {
  stop();
}

std::optional<QString> QtAudioOutput::start(MixCursor& source) {
  stop();
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return QCoreApplication::translate("tarveno::AudioOutput", kNoAudioDeviceText);
  if (!device.isFormatSupported(mixAudioFormat())) {
    return QCoreApplication::translate("QtAudioOutput", "音声装置が 48 kHz ステレオの再生に対応していません。\n%1")
        .arg(device.description());
  }
  device_ = std::make_unique<MixDevice>(source);
  device_->open(QIODevice::ReadOnly);
  sink_ = std::make_unique<QAudioSink>(device, mixAudioFormat());
  sink_->start(device_.get());
  if (sink_->error() != QAudio::NoError) {
    stop();
    return QCoreApplication::translate("QtAudioOutput", "音声装置を開けません。\n%1").arg(device.description());
  }
  played_.reset();
  clock_.start();
  return std::nullopt;
}

void QtAudioOutput::stop() {
  if (sink_) sink_->stop();
  sink_.reset();
  device_.reset();
}

double QtAudioOutput::playedSeconds() {
  if (!sink_) return played_.last();
  const double now = static_cast<double>(clock_.nsecsElapsed()) / 1e9;
  return played_.at(now, sink_->processedUSecs(), sink_->state() == QAudio::ActiveState);
}

}  // namespace tarveno
