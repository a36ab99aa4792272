#include "cli/sync_command.h"

#include <ostream>

#include "cli/chart_input.h"
#include "cli/json_writer.h"
#include "core/play/beat_sync.h"
#include "core/play/wav.h"

namespace tarveno {

namespace {

// Microseconds are finer than any chart can place a beat; three decimals of a confidence or a
// tempo are finer than the search tells them apart.
constexpr int kPlaces = 3;

std::optional<double> expectedTempo(const Request& request, const Catalogue& catalogue, Diagnostics& diagnostics) {
  if (request.syncBpm) return request.syncBpm;
  auto song = selectedSong(request, catalogue, diagnostics);
  if (!song) return std::nullopt;
  const PlayTempo tempo = songTempo(catalogue, *song);
  if (tempo.assumed) diagnostics.warning("曲データにテンポがないため、120 BPM として合わせます。");
  return tempo.bpm;
}

}  // namespace

int runSync(const Request& request, const Catalogue& catalogue, std::ostream& out, Diagnostics& diagnostics) {
  const std::optional<double> tempo = expectedTempo(request, catalogue, diagnostics);
  if (!tempo) return kExitBadInput;
  auto music = readWavFile(request.input);
  if (!music) {
    diagnostics.error(music.error().message);
    return kExitBadInput;
  }
  const OnsetStrength strength = onsetStrength(*music);
  const BeatOffset offset = findOffset(strength, *tempo, request.nearMs);
  const BeatTempo own = findTempo(strength, 60, 300, *tempo);
  JsonWriter json;
  json.beginObject();
  json.key("offsetMs").decimal(offset.offsetMs, kPlaces).key("confidence").decimal(offset.confidence, kPlaces);
  json.key("tempo").decimal(own.tempo, kPlaces).key("tempoConfidence").decimal(own.confidence, kPlaces);
  out << json.endObject().text() << '\n';
  return kExitOk;
}

}  // namespace tarveno
