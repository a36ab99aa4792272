#include <ostream>

#include "cli/chart_input.h"

#include <QCoreApplication>
#include "cli/json_writer.h"
#include "core/chart/chart_files.h"
#include "core/chart/chart_formats.h"
#include "core/chart/simfile_open.h"
#include "core/chart/simfile_splice.h"
#include "core/text/number.h"
#include "words/language.h"
#include "words/messages.h"

namespace tarveno {

namespace {

void reportLines(const SimfileReport& report, const std::string& file, Diagnostics& diagnostics) {
  for (const Message& line : report.lines()) diagnostics.info(file + ": " + describe(line).toStdString());
}

// A written simfile's report goes out line by line; a refused one is the run's error.
int reportWritten(const Result<SimfileReport>& report, const std::string& output, Diagnostics& diagnostics) {
  if (!report) {
    diagnostics.error(report.error());
    return kExitBadInput;
  }
  reportLines(*report, output, diagnostics);
  return kExitOk;
}

}  // namespace

bool checkSimfileOptions(const Request& r, Diagnostics& diagnostics) {
  if ((r.chartNumber || r.snap) && chartFileKindFromName(r.input) != ChartFileKind::Simfile) {
    diagnostics.usage("--chart and --snap apply to a .sm or .ssc input only");
    return false;
  }
  if (isReadOnlyChartName(r.output)) {
    diagnostics.usage(r.output + ": .ssc files are only read; write a .sm file");
    return false;
  }
  if (r.bpm && r.kind != Request::Kind::Ticks && chartFileKindFromName(r.output) != ChartFileKind::Simfile) {
    diagnostics.usage("--bpm applies to a .sm output or to ticks only");
    return false;
  }
  return true;
}

std::optional<Document> openSimfileAsEditor(const std::string& path, int16_t songIndex, const Catalogue& catalogue,
                                            Diagnostics& diagnostics, const Request& request) {
  auto song = readSimfileFile(path);
  if (!song) {
    diagnostics.error(song.error());
    return std::nullopt;
  }
  auto index = pickSimfileChart(*song, request.chartNumber);
  if (!index) {
    diagnostics.error(path + ": " + words(index.error()));
    return std::nullopt;
  }
  Document document;
  resetChartData(document.chart);
  document.chart.SongIndex = songIndex;
  const SimfileSongChoice choice{request.songCode ? std::optional(songIndex) : std::nullopt};
  auto report = openSimfileChart(*song, *index, choice, true, document, catalogue);
  if (!report) {
    diagnostics.error(path + ": " + words(report.error()));
    return std::nullopt;
  }
  if (report->needsSnapping() && !request.snap) {
    diagnostics.error(QCoreApplication::translate("Cli", "%1: %2（--snap で動かせます）")
                          .arg(QString::fromStdString(path), QString::fromStdString(words(report->snapRefusal())))
                          .toStdString());
    return std::nullopt;
  }
  reportLines(*report, path, diagnostics);
  document.origin = {path, ChartFileKind::Simfile, static_cast<int>(*index)};
  return document;
}

int saveSimfileReported(const Chart& chart, const std::string& output, const Catalogue& catalogue,
                        Diagnostics& diagnostics, std::optional<int> bpm) {
  return reportWritten(WriteSimfileFile(output, chart, catalogue, bpm), output, diagnostics);
}

int saveSimfileInPlace(const Chart& chart, const std::string& output, size_t index, const Catalogue& catalogue,
                       Diagnostics& diagnostics) {
  return reportWritten(WriteSimfileChartInPlace(output, index, chart, catalogue), output, diagnostics);
}

int runCharts(const Request& request, std::ostream& out, Diagnostics& diagnostics) {
  if (chartFileKindFromName(request.input) != ChartFileKind::Simfile) {
    diagnostics.error(QCoreApplication::translate("Cli", "%1: StepMania のファイル（.sm、.ssc）ではありません。")
                          .arg(QString::fromStdString(request.input))
                          .toStdString());
    return kExitBadInput;
  }
  auto song = readSimfileFile(request.input);
  if (!song) {
    diagnostics.error(song.error());
    return kExitBadInput;
  }
  JsonWriter json;
  json.beginArray();
  for (size_t i = 0; i < song->charts.size(); ++i) {
    const SimfileChart& chart = song->charts[i];
    json.beginObject().key("index").value(static_cast<int64_t>(i + 1));
    json.key("stepsType").value(chart.stepsType).key("difficulty").value(chart.difficulty);
    json.key("meter").value(int64_t{simfileMeter(chart.meter).level}).key("description").value(chart.description);
    json.key("supported").flag(chart.supported());
    if (chart.unreadable) {
      const Message at = chartText(ChartText::SimfileUnreadableAt, {std::to_string(chart.line)}, {*chart.unreadable});
      // The JSON is the same in every language; the messages on stderr follow the one chosen.
      const SourceLanguageScope sourceTexts;
      json.key("unreadable").value(describe(at).toStdString());
    }
    json.endObject();
  }
  json.endArray();
  out << json.text() << '\n';
  return kExitOk;
}

}  // namespace tarveno
