#include "gui/app/document_commands.h"

#include <filesystem>

#include "core/io/files.h"
#include "gui/app/app_context.h"
#include "gui/app/prompts.h"
#include "gui/app/simfile_document.h"

namespace tarveno {

namespace {

std::filesystem::path toPath(const QString& path) {
  return std::filesystem::path(path.toStdString());
}

// The filter entry, not the typed name, decides the kind: 1 memory card, 2 KRUN text,
// 3 StepMania simfile.
ChartFileKind kindFromFilter(int filterIndex) {
  if (filterIndex == 3) return ChartFileKind::Simfile;
  return filterIndex == 2 ? ChartFileKind::Krun : ChartFileKind::Card;
}

}  // namespace

DocumentCommands::DocumentCommands(AppContext& context, DocumentHost& host) : context_(context), host_(host) {}

void DocumentCommands::showFileError(const std::string& message, const QString& path) {
  QString text = QString::fromStdString(message);
  // The user has to learn which file failed; most core messages say it already.
  const QString name = QString::fromStdString(displayName(toPath(path)));
  if (!text.contains(name)) text += QStringLiteral("\n") + name;
  context_.prompts.error(host_.dialogParent(), text);
}

bool DocumentCommands::openChartPath(const QString& path, ChartFileKind kind) {
  if (kind == ChartFileKind::Simfile) return openSimfileDocument(context_, host_, path);
  auto opened = openChartFile(toPath(path), kind, context_.document, context_.catalogue);
  if (!opened) {
    showFileError(opened.error().message, path);
    return false;
  }
  for (const Notice& n : *opened) {
    context_.prompts.message(host_.dialogParent(), QString::fromStdString(n.title), QString::fromStdString(n.text),
                             Prompts::Buttons::Ok, Prompts::Icon::None);
  }
  host_.finishOpening(path);
  return true;
}

bool DocumentCommands::confirmDiscard() {
  if (!context_.document.Modified) return true;
  const Prompts::Answer answer =
      context_.prompts.message(host_.dialogParent(), QStringLiteral("ファイルの保存"),
                               QStringLiteral("データが変更されています。ファイルに保存しますか？"),
                               Prompts::Buttons::YesNoCancel, Prompts::Icon::Question);
  if (answer == Prompts::Answer::No) return true;
  if (answer != Prompts::Answer::Yes) return false;
  saveDone = false;
  save();
  return saveDone;
}

void DocumentCommands::newChart() {
  if (!confirmDiscard()) return;
  host_.resetChart();
  host_.openSettingsDialog();
}

void DocumentCommands::open() {
  if (!confirmDiscard()) return;
  auto choice = context_.prompts.openFile(host_.dialogParent(),
                                          {QString::fromUtf8(kOpenFilter), lastPath_, lastFilterIndex_, QString()});
  if (!choice) return;
  lastPath_ = choice->path;
  lastFilterIndex_ = choice->filterIndex;
  openChartPath(choice->path, kindFromFilter(choice->filterIndex));
}

void DocumentCommands::save() {
  saveDone = false;
  auto choice = context_.prompts.saveFile(host_.dialogParent(),
                                          {QString::fromUtf8(kFileFilter), lastPath_, lastFilterIndex_, QString()});
  if (!choice) return;
  lastPath_ = choice->path;
  lastFilterIndex_ = choice->filterIndex;
  const ChartFileKind kind = kindFromFilter(choice->filterIndex);
  while (auto missing = FormCheck(context_.document.chart, kind)) {
    const QString prompt =
        QStringLiteral("・") + QString::fromStdString(*missing) + QStringLiteral("\r\r今すぐ修正しますか？");
    const Prompts::Answer answer =
        context_.prompts.message(host_.dialogParent(), QStringLiteral("設定に不備があります"), prompt,
                                 Prompts::Buttons::YesNo, Prompts::Icon::None);
    if (answer != Prompts::Answer::Yes) return;
    host_.openSettingsDialog();
  }

  Status written = kind == ChartFileKind::Simfile
                       ? saveSimfileDocument(context_, host_.dialogParent(), choice->path)
                       : saveChartFile(toPath(choice->path), kind, context_.document.chart, context_.catalogue);
  if (!written) {
    // Nothing was saved: the old file is still whole and the chart still counts as changed.
    showFileError(written.error().message, choice->path);
    return;
  }
  saveDone = true;
  host_.documentSaved(choice->path);
}

void DocumentCommands::rememberPath(const QString& path, std::optional<ChartFileKind> kind) {
  lastPath_ = path;
  if (kind) lastFilterIndex_ = *kind == ChartFileKind::Simfile ? 3 : (*kind == ChartFileKind::Krun ? 2 : 1);
}

void DocumentCommands::dropFiles(const QStringList& paths) {
  if (paths.isEmpty()) return;
  if (!confirmDiscard()) return;
  const QString& first = paths.front();
  auto kind = chartFileKindFromName(first.toStdString());
  if (!kind) {
    context_.prompts.message(host_.dialogParent(), QStringLiteral("Error"), QString::fromUtf8(kUnsupportedFormatText),
                             Prompts::Buttons::Ok, Prompts::Icon::None);
    return;
  }
  openChartPath(first, *kind);
}

void DocumentCommands::openCommandLine(const QString& path) {
  auto kind = chartFileKindFromName(path.toStdString());
  if (!kind) {
    context_.prompts.message(host_.dialogParent(), QStringLiteral("Error"), QString::fromUtf8(kUnsupportedFormatText),
                             Prompts::Buttons::Ok, Prompts::Icon::None);
  } else if (openChartPath(path, *kind)) {
    return;
  }
  host_.finishOpening(QString());
}

bool DocumentCommands::closeQuery() {
  if (!confirmDiscard()) return false;
  host_.closeStatistics();
  return true;
}

}  // namespace tarveno
