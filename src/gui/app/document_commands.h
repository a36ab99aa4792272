#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <string>

#include "core/chart/chart.h"
#include "core/chart/chart_files.h"
#include "core/chart/chart_formats.h"

class QWidget;

namespace tarveno {

struct AppContext;

// What the document commands need from the main window.
class DocumentHost {
 public:
  virtual ~DocumentHost() = default;
  virtual QWidget* dialogParent() = 0;
  // ResetChart: selection and hover cleared, view at row 3, edit commands updated, chart
  // emptied (header as a new chart has it), editor laid out and redrawn, not modified.
  virtual void resetChart() = 0;
  // FinishOpening after a reader filled the chart (beat types already recomputed by the core):
  // editor laid out and redrawn, a new history, not modified. `path` names the file now
  // open; empty when nothing was read and the chart stays as it was.
  virtual void finishOpening(const QString& path) = 0;
  // The chart was written to `path`. When the file kept everything the state now in the file is
  // the clean one; otherwise the chart stays modified, so that closing still asks.
  virtual void documentSaved(const QString& path, bool keptEverything) = 0;
  // OpenSettingsDialog: the properties dialog on the given tab (0 memory card, 1 KRUN), then
  // LayoutEditor and RedrawCanvas.
  virtual void openSettingsDialog(int tab) = 0;
  // Closes the statistics window when it is open.
  virtual void closeStatistics() = 0;
};

// New, Open, Save, drop and the close query, with the unsaved-changes check.
class DocumentCommands {
  Q_DECLARE_TR_FUNCTIONS(DocumentCommands)

 public:
  DocumentCommands(AppContext& context, DocumentHost& host);

  void newChart();  // M_New
  void open();      // M_Open
  void save();      // M_Save: sets saveDone when a file was written
  // Drop of a file list onto the main window: the first file only, by its extension.
  void dropFiles(const QStringList& paths);
  // Opens a file named on the command line (no unsaved-changes check): by its extension,
  // "対応していない形式です" otherwise; FinishOpening runs in every case. A file that cannot be
  // read is reported by name and the chart stays as it was.
  void openCommandLine(const QString& path);
  // Close query: true when the window may close (statistics window closed then).
  bool closeQuery();

  // The unsaved-changes check; true when the command may go on.
  bool confirmDiscard();

  // The name the next Open or Save dialog starts with, and its file type.
  void rememberPath(const QString& path, std::optional<ChartFileKind> kind);

  bool saveDone = false;

 private:
  // Reads the file into the chart and finishes the opening; a file that cannot be read is
  // reported and leaves the chart and Modified alone. False in that case.
  bool openChartPath(const QString& path, const ChartFormat& format);
  void showFileError(const QString& message, const QString& path);
  // The check every save makes, offering the properties dialog; false when the user gives up.
  bool formAccepted(ChartFileKind kind);
  // Writes the document: back into its own simfile block, as a whole .sm, or by the format's writer.
  Status writeDocument(const QString& path, const ChartFormat& format);
  // The name and type the save dialog proposes: the document's own (a .ssc as the .sm beside
  // it), none for a new chart.
  QString proposedSavePath() const;
  int proposedSaveFilter() const;

  AppContext& context_;
  DocumentHost& host_;
  // The open dialog starts with the name last chosen in either dialog.
  QString lastPath_;
  int lastFilterIndex_ = 1;
};

}  // namespace tarveno
