#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <memory>
#include <thread>
#include <vector>

#include "core/chart/chart.h"
#include "core/play/envelope.h"
#include "core/songs/catalogue.h"
#include "gui/editor/editor_state.h"

namespace tarveno {

class MusicSource;

// The chart and view the strip is drawn for; `left` is the strip's client x.
struct WaveformView {
  const Catalogue& catalogue;
  int songIndex;
  const MeterSegs& meterSegs;
  const EditorState& state;
  int left;
};

// The song's music drawn beside the grid on the chart's time axis: every pixel row of the grid
// is a stretch of the music, its left channel drawn leftwards and its right channel
// rightwards from the middle, its low band (kick drums) in a second tone inside. The grid's
// beat and measure lines and the playhead run across it.
//
// The music comes from the MusicSource (decoded there on first use); its envelope is built
// on a worker thread once per file, so neither waits on the user-interface thread. A redraw
// copies the picture kept for the scroll position and draws only the playhead anew.
class WaveformStrip : public QObject {
  Q_OBJECT
 public:
  static constexpr int kWidth = 96;
  static constexpr int kGap = 16;  // between the grid's right edge and the strip

  enum class Status { NoMusic, Preparing, Ready, Failed };

  // music: null shows no music.
  explicit WaveformStrip(MusicSource* music, QObject* parent = nullptr);
  ~WaveformStrip() override;

  // The music to show: the song's file (empty: none) with beat 0 offsetMs into it, at the
  // song's tempo in beats a minute. Decoding and the envelope start here when needed.
  void setMusic(int songCode, const QString& path, int offsetMs, double tempo);
  Status status() const { return status_; }

  // Paints the strip into the canvas frame (scale device pixels per canvas pixel) from the
  // canvas top to the frame's bottom.
  void draw(QImage& frame, int scale, const WaveformView& view);

 signals:
  // The strip has something new to show (music decoded, envelope ready, a failure).
  void changed();

 private:
  void musicReady(int songCode);
  void buildEnvelope();
  void envelopeBuilt(int generation, std::shared_ptr<const Envelope> envelope);
  void paintPicture(const WaveformView& view, int height);
  void paintLines(const WaveformView& view, int height);
  void paintWave(const WaveformView& view, int height);
  void paintMessage(const QString& text);

  MusicSource* music_;
  int songCode_ = 0;
  QString path_;
  double offsetMs_ = 0;
  double tempo_ = 120;
  Status status_ = Status::NoMusic;
  std::shared_ptr<const Envelope> envelope_;
  int generation_ = 0;  // counts the files asked for; an older envelope arriving is ignored
  std::vector<std::thread> workers_;

  // The picture for one scroll position and everything else it shows; redrawn when any differs.
  struct PictureKey {
    int topRow = -1;
    int canvasTop = 0;
    int songIndex = -1;
    int height = 0;
    int scale = 0;
    int version = -1;
    bool operator==(const PictureKey&) const = default;
  };
  PictureKey key_;
  int version_ = 0;  // counts the changes of what is shown
  QImage picture_;
};

}  // namespace tarveno
