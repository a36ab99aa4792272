#include "gui/app/simfile_document.h"

#include <filesystem>

#include "core/chart/simfile_open.h"
#include "core/chart/simfile_splice.h"
#include "core/io/files.h"
#include "gui/app/app_context.h"
#include "gui/app/document_commands.h"
#include "gui/app/prompts.h"
#include "gui/songs/simfile_chart_dialog.h"

namespace tarveno {

namespace {

std::filesystem::path toPath(const QString& path) {
  return std::filesystem::path(path.toStdString());
}

void showReport(Prompts& prompts, QWidget* parent, const char* heading, const SimfileReport& report) {
  const auto text = simfileReportText(report);
  if (!text) return;
  prompts.message(parent, QStringLiteral("StepMania"), QString::fromUtf8(heading) + QString::fromStdString(*text),
                  Prompts::Buttons::Ok, Prompts::Icon::Information);
}

// The chart to read: the only readable one, or the user's pick among several.
std::optional<size_t> chooseChart(AppContext& context, QWidget* parent, const SimfileSong& song, const QString& path) {
  std::vector<size_t> readable;
  for (size_t i = 0; i < song.charts.size(); ++i) {
    if (song.charts[i].supported()) readable.push_back(i);
  }
  if (readable.empty()) {
    context.prompts.error(parent,
                          pickSimfileChart(song, std::nullopt).error().message + "\n" + displayName(toPath(path)));
    return std::nullopt;
  }
  if (readable.size() == 1) return readable.front();
  return SimfileChartDialog::ask(song, std::move(readable), parent);
}

// Asks before notes are moved; true when reading may go on.
bool agreeToSnap(AppContext& context, QWidget* parent, const SimfileReport& trial) {
  const int moved = trial.count(SimfileEvent::Snapped);
  if (moved == 0) return true;
  const QString text =
      QStringLiteral(
          "この譜面には 16分と3連符が同じ拍に混ざったところがあり、そのままでは読み込めません（小節:拍 "
          "%1）。\n%2 個のノートを近い位置へ動かして読み込みますか？")
          .arg(QString::fromStdString(trial.positions(SimfileEvent::Snapped)))
          .arg(moved);
  return context.prompts.message(parent, QStringLiteral("StepMania"), text, Prompts::Buttons::YesNo,
                                 Prompts::Icon::Question) == Prompts::Answer::Yes;
}

}  // namespace

bool openSimfileDocument(AppContext& context, DocumentHost& host, const QString& path) {
  QWidget* parent = host.dialogParent();
  const auto fail = [&](const Error& error) {
    context.prompts.error(parent, error.message + "\n" + displayName(toPath(path)));
    return false;
  };
  auto song = readSimfileFile(toPath(path));
  if (!song) return fail(song.error());
  const auto index = chooseChart(context, parent, *song, path);
  if (!index) return false;
  const SimfileSongChoice songChoice{std::nullopt, context.document.chart.SongIndex};
  Chart trialChart = context.document.chart;
  auto trial = importSimfileChart(*song, *index, songChoice, true, context.catalogue, trialChart);
  if (!trial) return fail(trial.error());
  if (!agreeToSnap(context, parent, *trial)) return false;
  auto report = openSimfileChart(*song, *index, songChoice, true, context.document, context.catalogue);
  if (!report) return fail(report.error());
  context.document.origin = {toPath(path).string(), ChartFileKind::Simfile, static_cast<int>(*index)};
  host.finishOpening(path);
  showReport(context.prompts, parent, "StepMania のファイルを読み込みました。\n\n", *report);
  return true;
}

Status saveSimfileDocument(AppContext& context, QWidget* parent, const QString& path) {
  auto report = WriteSimfileFile(toPath(path), context.document.chart, context.catalogue, std::nullopt);
  if (!report) return report.error();
  showReport(context.prompts, parent, "StepMania のファイル（.sm）に書き出しました。\n\n", *report);
  return {};
}

Status saveSimfileChartBack(AppContext& context, QWidget* parent, const QString& path, size_t index) {
  auto report = WriteSimfileChartInPlace(toPath(path), index, context.document.chart, context.catalogue);
  if (!report) return report.error();
  showReport(context.prompts, parent, "StepMania のファイル（.sm）の譜面を書き換えました。\n\n", *report);
  return {};
}

}  // namespace tarveno
