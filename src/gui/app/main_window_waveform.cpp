#include <QAction>
#include <QSettings>
#include <optional>

#include "gui/app/app_context.h"
#include "gui/app/main_window.h"
#include "gui/play/playback_session.h"

namespace tarveno {

namespace {

// Kept with the 再生設定 values: the waveform shows the music chosen there.
const QString kShownKey = QStringLiteral("view/waveform");

std::optional<QSettings> store(const AppContext& context) {
  if (context.playSettingsFile.empty()) return std::nullopt;  // a run that keeps nothing
  return std::optional<QSettings>(std::in_place, QString::fromStdString(context.playSettingsFile.string()),
                                  QSettings::IniFormat);
}

}  // namespace

bool MainWindow::waveformShown() const {
  return action(QStringLiteral("M_Waveform"))->isChecked();
}

void MainWindow::restoreWaveformChoice() {
  if (waveform_) return;  // once a window
  waveform_ = new WaveformStrip(context_.music, this);
  connect(waveform_, &WaveformStrip::changed, this, [this] {
    if (waveformShown()) redrawCanvas();
  });
  auto settings = store(context_);
  if (!settings || !settings->value(kShownKey, false).toBool()) return;
  action(QStringLiteral("M_Waveform"))->setChecked(true);
  resize(width() + WaveformStrip::kWidth, height());
}

void MainWindow::M_Waveform_Click() {
  const bool shown = waveformShown();
  if (auto settings = store(context_)) settings->setValue(kShownKey, shown);
  resize(width() + (shown ? WaveformStrip::kWidth : -WaveformStrip::kWidth), height());
  layoutEditor();
  redrawCanvas();
}

void MainWindow::refreshWaveform() {
  if (!waveform_ || !waveformShown()) return;  // nothing is decoded for a strip nobody sees
  // The music and offset that playback uses, kept in a file or, without one, for this run.
  const PlaybackSession& session = playback();
  const PlaySettings values = session.settings();
  const bool hasSong = context_.catalogue.song(context_.document.chart.SongIndex) != nullptr;
  waveform_->setMusic(session.songCode(), hasSong ? values.musicFile : QString(), values.musicOffsetMs,
                      songTempo(context_.catalogue, context_.document.chart.SongIndex).bpm);
}

void MainWindow::drawWaveform() {
  if (!waveform_ || !waveformShown()) return;
  const Chart& chart = context_.document.chart;
  const WaveformView view{context_.catalogue, chart.SongIndex, context_.document.meterSegs, state_,
                          state_.canvasLeft + canvasWidth(chart.PlayStyle) + WaveformStrip::kGap};
  waveform_->draw(canvas_->frame(), arrows_.scale(), view);
}

}  // namespace tarveno
