#include "gui/media/qt_music_decoder.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QUrl>
#include <vector>

#include "gui/media/qt_audio_output.h"

namespace tarveno {

namespace {

// The buffer's samples in full scale +-1, whatever their sample format.
std::vector<float> samplesOf(const QAudioBuffer& buffer) {
  const QAudioFormat format = buffer.format();
  const int width = format.bytesPerSample();
  std::vector<float> samples;
  if (!buffer.isValid() || width == 0) return samples;
  samples.resize(static_cast<size_t>(buffer.sampleCount()));
  const auto* bytes = buffer.constData<char>();
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = format.normalizedSampleValue(bytes + i * width);
  return samples;
}

}  // namespace

QtMusicDecoder::QtMusicDecoder() : decoder_(new QAudioDecoder) {}

QtMusicDecoder::~QtMusicDecoder() {
  // No signal reaches the callbacks from now on; a signal being delivered keeps its own
  // copies of them and the decoder, which goes once the event loop is back.
  decoder_->disconnect();
  decoder_->deleteLater();
}

void QtMusicDecoder::start(const QString& path, Callbacks callbacks) {
  QAudioDecoder* decoder = decoder_;
  decoder->setAudioFormat(mixAudioFormat());  // a wish: the buffers may bring another format
  QObject::connect(decoder, &QAudioDecoder::bufferReady, decoder, [decoder, take = callbacks.buffer] {
    const QAudioBuffer buffer = decoder->read();
    const std::vector<float> samples = samplesOf(buffer);
    const QAudioFormat format = buffer.format();
    take(DecodedBuffer{buffer.startTime(), format.channelCount(), format.sampleRate(), samples});
  });
  QObject::connect(decoder, &QAudioDecoder::finished, decoder, [done = callbacks.finished] { done(); });
  QObject::connect(decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), decoder,
                   [decoder, failed = callbacks.failed] { failed(decoder->errorString()); });
  decoder->setSource(QUrl::fromLocalFile(path));
  decoder->start();
}

MusicDecoderFactory qtMusicDecoders() {
  return [] { return std::make_unique<QtMusicDecoder>(); };
}

}  // namespace tarveno
