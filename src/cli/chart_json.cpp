#include "cli/chart_json.h"

#include "cli/json_writer.h"

namespace tarveno {

namespace {

// [[m, i, value], ...] for every non-zero cell of a measure-major table.
template <class Table>
void writeCells(JsonWriter& json, const Table& table) {
  json.beginArray();
  for (size_t m = 0; m < table.size(); ++m) {
    for (size_t i = 0; i < table[m].size(); ++i) {
      if (table[m][i] == 0) continue;
      json.beginArray().value(static_cast<int64_t>(m)).value(static_cast<int64_t>(i)).value(table[m][i]).endArray();
    }
  }
  json.endArray();
}

}  // namespace

std::string chartToJson(const Chart& chart, const Catalogue& catalogue) {
  // A SongIndex past the valid run has no song even if a hidden record sits there.
  const int16_t songCode = catalogue.isValidIndex(chart.SongIndex) ? catalogue.song(chart.SongIndex)->Code : 0;
  JsonWriter json;
  json.beginObject();
  json.key("playStyle").value(static_cast<int64_t>(chart.PlayStyle));
  json.key("difficulty").value(chart.Difficulty);
  json.key("songIndex").value(chart.SongIndex);
  json.key("songCode").value(songCode);
  json.key("editName").value(chart.EditName);
  json.key("krunTitle").value(chart.KrunTitle);
  json.key("krunWidth").value(chart.KrunWidth);
  json.key("krunHeight").value(chart.KrunHeight);
  json.key("krunComment").value(chart.KrunComment);
  json.key("steps");
  writeCells(json, chart.StepData);
  json.key("freeze");
  writeCells(json, chart.FreezeData);
  json.key("beatTypes");
  writeCells(json, chart.BeatType);
  json.endObject();
  return json.text();
}

std::string statsToJson(const ChartStats& stats) {
  JsonWriter json;
  json.beginObject();
  json.key("objects").value(stats.objects);
  json.key("steps").value(stats.steps);
  json.key("panels").numbers(stats.panels);
  json.key("noteValues").numbers(stats.noteValues);
  json.endObject();
  return json.text();
}

}  // namespace tarveno
