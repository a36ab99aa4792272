#include "gui/app/document_commands.h"

#include <filesystem>

#include "core/chart/chart_text.h"
#include "core/chart/simfile_splice.h"
#include "core/io/files.h"
#include "gui/app/app_context.h"
#include "gui/app/prompts.h"
#include "gui/app/simfile_document.h"
#include "words/messages.h"

namespace tarveno {

namespace {

std::filesystem::path toPath(const QString& path) {
  return std::filesystem::path(path.toStdString());
}

// The name's extension decides the kind; the dialog's type only for a name without one.
const ChartFormat& formatToOpen(const Prompts::FileChoice& choice) {
  const ChartFormat* own = chartFormatOfName(choice.path.toStdString());
  return own ? *own : chartFormatOfFilter(choice.filterIndex);
}

// The properties tab that holds the field a kind needs: the KRUN tab for the KRUN title, the
// memory-card tab for the edit name.
int settingsTabFor(ChartFileKind kind) {
  return kind == ChartFileKind::Krun ? 1 : 0;
}

}  // namespace

DocumentCommands::DocumentCommands(AppContext& context, DocumentHost& host) : context_(context), host_(host) {}

void DocumentCommands::showFileError(const QString& message, const QString& path) {
  QString text = message;
  // The user has to learn which file failed; most core messages say it already.
  const QString name = QString::fromStdString(displayName(toPath(path)));
  if (!text.contains(name)) text += QStringLiteral("\n") + name;
  context_.prompts.error(host_.dialogParent(), text);
}

bool DocumentCommands::openChartPath(const QString& path, const ChartFormat& format) {
  // A simfile lets the user pick its chart and agree to snapping; the others open as they are.
  if (format.kind == ChartFileKind::Simfile) return openSimfileDocument(context_, host_, path);
  auto opened = format.read(toPath(path), context_.document, context_.catalogue);
  if (!opened) {
    showFileError(describe(opened.error()), path);
    return false;
  }
  for (const Notice& n : *opened) {
    context_.prompts.message(host_.dialogParent(), describe(n.title), describe(n.text), Prompts::Buttons::Ok,
                             Prompts::Icon::None);
  }
  host_.finishOpening(path);
  return true;
}

bool DocumentCommands::confirmDiscard() {
  if (!context_.document.Modified) return true;
  const Prompts::Answer answer = context_.prompts.message(host_.dialogParent(), tr("ファイルの保存"),
                                                          tr("データが変更されています。ファイルに保存しますか？"),
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
  host_.openSettingsDialog(0);
}

void DocumentCommands::open() {
  if (!confirmDiscard()) return;
  auto choice = context_.prompts.openFile(
      host_.dialogParent(), {QString::fromStdString(chartDialogFilter(false)), lastPath_, lastFilterIndex_, QString()});
  if (!choice) return;
  lastPath_ = choice->path;
  lastFilterIndex_ = choice->filterIndex;
  openChartPath(choice->path, formatToOpen(*choice));
}

QString DocumentCommands::proposedSavePath() const {
  const DocumentOrigin& origin = context_.document.origin;
  if (origin.path.empty()) return {};
  if (!isReadOnlyChartName(origin.path)) return QString::fromStdString(origin.path);
  // A .ssc is never written: the .sm of the same name beside it is proposed instead.
  std::filesystem::path beside = toPath(QString::fromStdString(origin.path));
  beside.replace_extension(".sm");
  return QString::fromStdString(beside.string());
}

int DocumentCommands::proposedSaveFilter() const {
  const auto& kind = context_.document.origin.kind;
  return kind ? filterIndexOf(*kind) : lastFilterIndex_;
}

bool DocumentCommands::formAccepted(ChartFileKind kind) {
  while (auto missing = FormCheck(context_.document.chart, kind)) {
    const QString prompt = tr("・%1\r\r今すぐ修正しますか？").arg(describe(*missing));
    const Prompts::Answer answer = context_.prompts.message(host_.dialogParent(), tr("設定に不備があります"), prompt,
                                                            Prompts::Buttons::YesNo, Prompts::Icon::None);
    if (answer != Prompts::Answer::Yes) return false;
    host_.openSettingsDialog(settingsTabFor(kind));
  }
  return true;
}

Status DocumentCommands::writeDocument(const QString& path, const ChartFormat& format) {
  Document& document = context_.document;
  if (writesBackInto(document.origin, toPath(path))) {
    return saveSimfileChartBack(context_, host_.dialogParent(), path,
                                static_cast<size_t>(document.origin.simfileChart));
  }
  if (format.kind == ChartFileKind::Simfile) return saveSimfileDocument(context_, host_.dialogParent(), path);
  return format.write(toPath(path), document.chart, context_.catalogue);
}

void DocumentCommands::save() {
  saveDone = false;
  auto choice = context_.prompts.saveFile(host_.dialogParent(), {QString::fromStdString(chartDialogFilter(true)),
                                                                 proposedSavePath(), proposedSaveFilter(), QString()});
  if (!choice) return;
  const SaveTarget target = saveTargetFor(choice->path.toStdString(), chartFormatOfFilter(choice->filterIndex));
  const QString path = QString::fromStdString(target.path);
  lastPath_ = path;
  lastFilterIndex_ = filterIndexOf(target.format->kind);
  if (isReadOnlyChartName(target.path)) {
    showFileError(tr(".ssc ファイルには保存できません。.sm の名前で保存してください。"), path);
    return;
  }
  if (!formAccepted(target.format->kind)) return;
  const bool inPlace = writesBackInto(context_.document.origin, toPath(path));
  Status written = writeDocument(path, *target.format);
  if (!written) {
    // Nothing was saved: the old file is still whole and the chart still counts as changed.
    showFileError(describe(written.error()), path);
    return;
  }
  const auto unkept = unkeptBy(context_.document.chart, *target.format);
  // A simfile's own report has already named what it could not keep, in its one box.
  if (!unkept.empty() && target.format->kind != ChartFileKind::Simfile) {
    context_.prompts.message(host_.dialogParent(), tr("保存"),
                             tr("保存しましたが、次の内容はこのファイルの形式に入らないため保存されていません。\n\n%1")
                                 .arg(describe(unkeptText(unkept))),
                             Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
  }
  const int chartInFile =
      inPlace ? context_.document.origin.simfileChart : (target.format->kind == ChartFileKind::Simfile ? 0 : -1);
  context_.document.origin = {target.path, target.format->kind, chartInFile};
  saveDone = true;
  host_.documentSaved(path, unkept.empty());
}

void DocumentCommands::rememberPath(const QString& path, std::optional<ChartFileKind> kind) {
  lastPath_ = path;
  if (kind) lastFilterIndex_ = filterIndexOf(*kind);
}

void DocumentCommands::dropFiles(const QStringList& paths) {
  if (paths.isEmpty()) return;
  if (!confirmDiscard()) return;
  const QString& first = paths.front();
  const ChartFormat* format = chartFormatOfName(first.toStdString());
  if (!format) {
    context_.prompts.message(host_.dialogParent(), QStringLiteral("Error"),
                             describe(chartText(ChartText::UnsupportedFormat)), Prompts::Buttons::Ok,
                             Prompts::Icon::None);
    return;
  }
  openChartPath(first, *format);
}

void DocumentCommands::openCommandLine(const QString& path) {
  const ChartFormat* format = chartFormatOfName(path.toStdString());
  if (!format) {
    context_.prompts.message(host_.dialogParent(), QStringLiteral("Error"),
                             describe(chartText(ChartText::UnsupportedFormat)), Prompts::Buttons::Ok,
                             Prompts::Icon::None);
  } else if (openChartPath(path, *format)) {
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
