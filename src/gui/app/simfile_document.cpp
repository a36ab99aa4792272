#include "gui/app/simfile_document.h"

#include <QCoreApplication>
#include <QSettings>
#include <cmath>
#include <filesystem>

#include "core/chart/simfile_open.h"
#include "core/chart/simfile_splice.h"
#include "core/io/files.h"
#include "gui/app/app_context.h"
#include "gui/app/document_commands.h"
#include "gui/app/prompts.h"
#include "gui/play/play_settings.h"
#include "gui/songs/simfile_chart_dialog.h"
#include "words/messages.h"

namespace tarveno {

namespace {

std::filesystem::path toPath(const QString& path) {
  return std::filesystem::path(path.toStdString());
}

// The heading carries the report as its %1.
void showReport(Prompts& prompts, QWidget* parent, const QString& heading, const SimfileReport& report) {
  const auto text = simfileReportText(report);
  if (!text) return;
  prompts.message(parent, QStringLiteral("StepMania"), heading.arg(describe(*text)), Prompts::Buttons::Ok,
                  Prompts::Icon::Information);
}

// The chart to read and its song, as the user picks them.
std::optional<SimfileImportChoice> chooseChart(AppContext& context, QWidget* parent, const SimfileSong& song,
                                               const QString& path) {
  std::vector<size_t> readable;
  for (size_t i = 0; i < song.charts.size(); ++i) {
    if (song.charts[i].supported()) readable.push_back(i);
  }
  if (readable.empty()) {
    context.prompts.error(
        parent, describe(withFileName(pickSimfileChart(song, std::nullopt).error(), displayName(toPath(path)))));
    return std::nullopt;
  }
  return SimfileChartDialog::ask(song, std::move(readable), context.catalogue, parent);
}

std::optional<QSettings> playSettingsStore(const AppContext& context) {
  if (context.playSettingsFile.empty()) return std::nullopt;
  return std::optional<QSettings>(std::in_place, QString::fromStdString(context.playSettingsFile.string()),
                                  QSettings::IniFormat);
}

int songCodeOf(const AppContext& context, int songIndex) {
  const SongRecord* record = context.catalogue.song(songIndex);
  return record ? record->Code : 0;
}

// The file's #MUSIC, when it lies beside the simfile, plays with the song that has no music
// yet, at the file's offset.
void adoptMusic(AppContext& context, const SimfileSong& song, const QString& path, int songIndex,
                SimfileReport& report) {
  if (song.music.empty()) return;
  const auto music = toPath(path).parent_path() / std::filesystem::path(song.music);
  std::error_code ec;
  auto store = playSettingsStore(context);
  if (!store || !std::filesystem::is_regular_file(music, ec)) return;
  PlaySettings values = loadPlaySettings(*store, songCodeOf(context, songIndex));
  if (!values.musicFile.isEmpty()) return;
  values.musicFile = QString::fromStdString(music.string());
  values.musicOffsetMs = static_cast<int>(std::lround(-1000 * song.offset));
  savePlaySettings(*store, songCodeOf(context, songIndex), values);
  report.note(chartText(ChartText::MusicAdopted, {song.music, std::to_string(values.musicOffsetMs)}), true);
}

// Asks before notes are moved; true when reading may go on.
bool agreeToSnap(AppContext& context, QWidget* parent, const SimfileReport& trial) {
  const int moved = trial.count(SimfileEvent::Snapped);
  if (moved == 0) return true;
  const QString text =
      QCoreApplication::translate(
          "SimfileDocument",
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
    context.prompts.error(parent, describe(withFileName(error, displayName(toPath(path)))));
    return false;
  };
  auto song = readSimfileFile(toPath(path));
  if (!song) return fail(song.error());
  const auto choice = chooseChart(context, parent, *song, path);
  if (!choice) return false;
  // The default song left as it was is not the user's choice: the report then says why it was taken.
  const bool kept = chooseSimfileSong(*song, choice->chart, {}, context.catalogue).index == choice->song;
  const SimfileSongChoice songChoice{kept ? std::nullopt : std::optional(choice->song)};
  Document opened = context.document;
  auto report = openSimfileChart(*song, choice->chart, songChoice, true, opened, context.catalogue);
  if (!report) return fail(report.error());
  if (!agreeToSnap(context, parent, *report)) return false;
  adoptMusic(context, *song, path, choice->song, *report);
  context.document = std::move(opened);
  context.document.origin = {toPath(path).string(), ChartFileKind::Simfile, static_cast<int>(choice->chart)};
  host.finishOpening(path);
  showReport(context.prompts, parent,
             QCoreApplication::translate("SimfileDocument", "StepMania のファイルを読み込みました。\n\n%1"), *report);
  return true;
}

Status saveSimfileDocument(AppContext& context, QWidget* parent, const QString& path) {
  SimfilePlayback playback;
  if (auto store = playSettingsStore(context)) {
    const PlaySettings values = loadPlaySettings(*store, songCodeOf(context, context.document.chart.SongIndex));
    playback = {std::filesystem::path(values.musicFile.toStdString()), values.musicOffsetMs};
  }
  auto report = WriteSimfileFile(toPath(path), context.document.chart, context.catalogue, std::nullopt, playback);
  if (!report) return report.error();
  showReport(context.prompts, parent,
             QCoreApplication::translate("SimfileDocument", "StepMania のファイル（.sm）に書き出しました。\n\n%1"),
             *report);
  return {};
}

Status saveSimfileChartBack(AppContext& context, QWidget* parent, const QString& path, size_t index) {
  auto report = WriteSimfileChartInPlace(toPath(path), index, context.document.chart, context.catalogue);
  if (!report) return report.error();
  showReport(
      context.prompts, parent,
      QCoreApplication::translate("SimfileDocument", "StepMania のファイル（.sm）の譜面を書き換えました。\n\n%1"),
      *report);
  return {};
}

}  // namespace tarveno
