#include "cli/ticks_command.h"

#include <QCoreApplication>

#include <memory>

#include "cli/chart_input.h"
#include "core/chart/chart_files.h"
#include "core/play/mix.h"
#include "core/play/schedule.h"
#include "core/play/wav.h"

namespace tarveno {

namespace {

// The card reader loads its song's meter table itself; a KRUN file, or a song given on the
// command line, needs it loaded here. A table that cannot be read leaves four-beat measures.
void loadMeter(const Request& request, Document& document, const Catalogue& catalogue, Diagnostics& diagnostics) {
  if (chartFileKindFromName(request.input) == ChartFileKind::Card && !request.songCode) return;
  Status loaded = LoadMeterSegs(catalogue, document.chart.SongIndex, document.meterSegs);
  if (!loaded) diagnostics.warning(words(loaded.error()));
}

double tempoFor(const Request& request, const Document& document, const Catalogue& catalogue,
                Diagnostics& diagnostics) {
  if (request.bpm) return *request.bpm;
  const PlayTempo tempo = songTempo(catalogue, document.chart.SongIndex);
  if (tempo.assumed)
    diagnostics.warning(
        QCoreApplication::translate("Cli", "曲データにテンポがないため、120 BPM で書き出します。").toStdString());
  return tempo.bpm;
}

}  // namespace

int runTicks(const Request& request, const Catalogue& catalogue, Diagnostics& diagnostics) {
  auto song = selectedSong(request, catalogue, diagnostics);
  if (!song) return kExitBadInput;
  auto document = openAsEditor(request.input, *song, catalogue, diagnostics, request);
  if (!document) return kExitBadInput;
  if (request.songCode) document->chart.SongIndex = *song;  // a card names its own song; the option overrides it
  loadMeter(request, *document, catalogue, diagnostics);

  std::shared_ptr<const MusicPcm> music;
  if (request.music) {
    auto read = readWavFile(*request.music);
    if (!read) {
      diagnostics.error(read.error());
      return kExitBadInput;
    }
    music = std::make_shared<const MusicPcm>(std::move(*read));
  }

  const double tempo = tempoFor(request, *document, catalogue, diagnostics);
  const Schedule schedule = buildSchedule(document->chart, catalogue, document->meterSegs, tempo, request.fromBeat);
  if (request.fromBeat >= schedule.endBeat) {
    diagnostics.error(QCoreApplication::translate("Cli", "開始拍 %1 は曲の終わり（%2 拍）以降です。")
                          .arg(request.fromBeat)
                          .arg(schedule.endBeat)
                          .toStdString());
    return kExitBadInput;
  }
  const MixSettings settings{true, request.metronome, 100, 100};
  Status written = writeMixWav(planMix(schedule, settings, music, request.offsetMs), request.output);
  if (!written) {
    diagnostics.error(written.error());
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace tarveno
