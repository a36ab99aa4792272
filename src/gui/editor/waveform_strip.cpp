#include "gui/editor/waveform_strip.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/chart/measure_numbers.h"
#include "gui/editor/editor_geometry.h"
#include "gui/play/music_source.h"

namespace tarveno {

namespace {

constexpr QRgb kBackground = 0xFF000000u;
constexpr QRgb kWave = 0xFF2F7FC0u;         // both channels' extremes
constexpr QRgb kLowBand = 0xFFF0A030u;      // the low band, inside the wave
constexpr QRgb kMiddle = 0xFF303030u;       // the zero line
constexpr QRgb kBeatLine = 0xFF383838u;     // the grid's white lines, faint
constexpr QRgb kMeasureLine = 0xFF702828u;  // the grid's red lines, faint
constexpr QRgb kMessage = 0xFFB0B0B0u;
constexpr QRgb kPlayheadColor = 0xFF00E0FFu;  // the grid's playhead colour

constexpr int kHalf = WaveformStrip::kWidth / 2;

void fillRow(QImage& image, int scale, int x0, int x1, int y, QRgb color) {  // canvas pixels, x1 exclusive
  x0 = std::max(x0 * scale, 0);
  x1 = std::min(x1 * scale, image.width());
  for (int dy = 0; dy < scale; ++dy) {
    const int row = y * scale + dy;
    if (row < 0 || row >= image.height() || x0 >= x1) continue;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    std::fill(line + x0, line + x1, color);
  }
}

// A level of 0..32768 as pixels out from the middle (at least one for any sound).
int reach(int level) {
  if (level <= 0) return 0;
  return std::clamp((level * (kHalf - 1) + 32767) / 32768, 1, kHalf - 1);
}

}  // namespace

WaveformStrip::WaveformStrip(MusicSource* music, QObject* parent) : QObject(parent), music_(music) {
  if (!music_) return;
  connect(music_, &MusicSource::ready, this, &WaveformStrip::musicReady);
  connect(music_, &MusicSource::failed, this, [this](int code) {
    if (code != songCode_ || status_ != Status::Preparing) return;
    status_ = Status::Failed;
    ++version_;
    emit changed();
  });
}

WaveformStrip::~WaveformStrip() {
  // The workers post to this object; none may outlive it.
  for (std::thread& worker : workers_) worker.join();
}

void WaveformStrip::setMusic(int songCode, const QString& path, int offsetMs, double tempo) {
  ++version_;  // the offset, the tempo or the song's measures may have changed: drawn anew
  offsetMs_ = offsetMs;
  tempo_ = tempo;
  if (songCode == songCode_ && path == path_ && status_ != Status::Failed) return;
  songCode_ = songCode;
  path_ = path;
  envelope_.reset();
  ++generation_;
  if (path.isEmpty() || !music_) {
    status_ = Status::NoMusic;
    return;
  }
  status_ = Status::Preparing;
  if (music_->find(songCode, path)) {
    buildEnvelope();
  } else {
    music_->load(songCode, path);  // `ready` or `failed` follows
  }
}

void WaveformStrip::musicReady(int songCode) {
  if (songCode != songCode_ || status_ != Status::Preparing || envelope_) return;
  if (music_->find(songCode_, path_)) buildEnvelope();
}

void WaveformStrip::buildEnvelope() {
  std::shared_ptr<const MusicPcm> pcm = music_->find(songCode_, path_);
  const int generation = generation_;
  workers_.emplace_back([this, generation, pcm = std::move(pcm)] {
    auto envelope = std::make_shared<const Envelope>(pcm);
    QMetaObject::invokeMethod(
        this, [this, generation, envelope] { envelopeBuilt(generation, envelope); }, Qt::QueuedConnection);
  });
}

void WaveformStrip::envelopeBuilt(int generation, std::shared_ptr<const Envelope> envelope) {
  if (generation != generation_) return;  // the file was changed meanwhile
  envelope_ = std::move(envelope);
  status_ = Status::Ready;
  ++version_;
  emit changed();
}

void WaveformStrip::draw(QImage& frame, int scale, const WaveformView& view) {
  const EditorState& st = view.state;
  const int height = frame.height() / scale - st.canvasTop;
  if (height <= 0) return;
  const PictureKey key{st.topRow, st.canvasTop, view.songIndex, height, scale, version_};
  if (key != key_) {
    key_ = key;
    picture_ = QImage(kWidth * scale, height * scale, QImage::Format_RGB32);
    picture_.fill(kBackground);
    paintPicture(view, height);
  }
  // Row by row: the frame is drawn in device pixels, whatever its pixel ratio says.
  const int x = std::clamp(view.left * scale, 0, frame.width());
  const int width = std::min(picture_.width(), frame.width() - x);
  for (int y = 0; y < picture_.height() && st.canvasTop * scale + y < frame.height(); ++y) {
    if (st.canvasTop * scale + y < 0 || width <= 0) continue;
    std::copy_n(reinterpret_cast<const QRgb*>(picture_.constScanLine(y)), width,
                reinterpret_cast<QRgb*>(frame.scanLine(st.canvasTop * scale + y)) + x);
  }
  if (st.playhead < 0) return;
  const int y = static_cast<int>(std::floor((st.playhead - st.topRow) * geometry::kRowHeight));
  if (y < 0) return;
  fillRow(frame, scale, view.left, view.left + kWidth, st.canvasTop + y, kPlayheadColor);
  fillRow(frame, scale, view.left, view.left + kWidth, st.canvasTop + y + 1, kPlayheadColor);
}

void WaveformStrip::paintPicture(const WaveformView& view, int height) {
  paintLines(view, height);
  switch (status_) {
    case Status::Ready:
      paintWave(view, height);
      break;
    case Status::Preparing:
      paintMessage(tr("波形を準備中…"));
      break;
    case Status::Failed:
      paintMessage(tr("音楽ファイルを読み込めませんでした"));
      break;
    case Status::NoMusic:
      paintMessage(tr("音楽ファイルがありません（表示→再生設定で選べます）"));
      break;
  }
}

// As the grid draws them: a red line where a measure starts, a white one at every other beat.
void WaveformStrip::paintLines(const WaveformView& view, int height) {
  const int scale = picture_.width() / kWidth;
  for (int i = 0; i * geometry::kRowHeight < height; ++i) {
    const int row = view.state.topRow + i;
    const MeasurePos m = RowToMeasure(row, view.catalogue, view.songIndex, view.meterSegs);
    fillRow(picture_, scale, 0, kWidth, i * geometry::kRowHeight, m.Beat == 0 ? kMeasureLine : kBeatLine);
  }
}

// One pixel row is one 32nd of a beat: its stretch of the music, from the offset at the tempo.
void WaveformStrip::paintWave(const WaveformView& view, int height) {
  const int scale = picture_.width() / kWidth;
  const double framesPerBeat = 60.0 * kMixRate / tempo_;
  const double start = offsetMs_ * kMixRate / 1000.0;
  auto frameAt = [&](int y) {
    const double beat = view.state.topRow + static_cast<double>(y) / geometry::kRowHeight;
    return static_cast<int64_t>(std::floor(start + beat * framesPerBeat));
  };
  for (int y = 0; y < height; ++y) {
    const EnvelopeSpan s = envelope_->span(frameAt(y), frameAt(y + 1));
    if (s.empty) continue;
    const int left = reach(std::max(-int{s.minLeft}, int{s.maxLeft}));
    const int right = reach(std::max(-int{s.minRight}, int{s.maxRight}));
    const int low = reach(s.low);
    fillRow(picture_, scale, kHalf - left, kHalf + right, y, kWave);
    fillRow(picture_, scale, kHalf - std::min(low, left), kHalf + std::min(low, right), y, kLowBand);
    fillRow(picture_, scale, kHalf, kHalf + 1, y, left + right == 0 ? kMiddle : kWave);
  }
}

void WaveformStrip::paintMessage(const QString& text) {
  const int scale = picture_.width() / kWidth;
  picture_.setDevicePixelRatio(scale);
  QPainter painter(&picture_);
  QFont font = painter.font();
  font.setPixelSize(12);
  painter.setFont(font);
  painter.setPen(QColor::fromRgb(kMessage));
  // Below the part of the first row that the toolbar covers.
  const QRect box(4, geometry::kToolbarOverlap + 8, kWidth - 8, 8 * geometry::kRowHeight);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
  // On plain black: the lines behind would cut through the characters.
  painter.fillRect(painter.boundingRect(box, flags, text).adjusted(-2, -2, 2, 2), QColor::fromRgb(kBackground));
  painter.drawText(box, flags, text);
  painter.end();
  picture_.setDevicePixelRatio(1);
}

}  // namespace tarveno
