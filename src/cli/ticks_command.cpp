#include "cli/ticks_command.h"

#include <memory>

#include "cli/chart_input.h"
#include "core/chart/chart_files.h"
#include "core/play/mix.h"
#include "core/play/schedule.h"
#include "core/play/stretch.h"
#include "core/play/wav.h"

namespace tarveno {

namespace {

// The card reader loads its song's meter table itself; a KRUN file, or a song given on the
// command line, needs it loaded here. A table that cannot be read leaves four-beat measures.
void loadMeter(const Request& request, Document& document, const Catalogue& catalogue, Diagnostics& diagnostics) {
  if (chartFileKindFromName(request.input) == ChartFileKind::Card && !request.songCode) return;
  Status loaded = LoadMeterSegs(catalogue, document.chart.SongIndex, document.meterSegs);
  if (!loaded) diagnostics.warning(loaded.error().message);
}

double tempoFor(const Request& request, const Document& document, const Catalogue& catalogue,
                Diagnostics& diagnostics) {
  if (request.bpm) return *request.bpm;
  const PlayTempo tempo = songTempo(catalogue, document.chart.SongIndex);
  if (tempo.assumed) diagnostics.warning("曲データにテンポがないため、120 BPM で書き出します。");
  return tempo.bpm;
}

}  // namespace

int runTicks(const Request& request, const Catalogue& catalogue, Diagnostics& diagnostics) {
  if (request.speedPercent < 50 || request.speedPercent > 100) {
    diagnostics.error("再生速度 " + std::to_string(request.speedPercent) + "% は 50〜100% の範囲外です。");
    return kExitBadInput;
  }
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
      diagnostics.error(read.error().message);
      return kExitBadInput;
    }
    const double speed = request.speedPercent / 100.0;
    music = std::make_shared<const MusicPcm>(speed < 1 ? stretchMusic(*read, speed) : std::move(*read));
  }

  const double tempo = tempoFor(request, *document, catalogue, diagnostics);
  const Schedule schedule = buildSchedule(document->chart, catalogue, document->meterSegs, tempo, request.fromBeat);
  if (request.fromBeat >= schedule.endBeat) {
    diagnostics.error("開始拍 " + std::to_string(request.fromBeat) + " は曲の終わり（" +
                      std::to_string(schedule.endBeat) + " 拍）以降です。");
    return kExitBadInput;
  }
  const MixSettings settings{true, request.metronome, 100, 100};
  const MixPlan plan = planMix(schedule, settings, music, request.offsetMs, request.speedPercent / 100.0);
  Status written = writeMixWav(plan, request.output);
  if (!written) {
    diagnostics.error(written.error().message);
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace tarveno
