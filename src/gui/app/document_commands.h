#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "core/chart/chart.h"
#include "core/chart/chart_files.h"

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
  // The chart was written to `path`: the state now in the file is the clean one.
  virtual void documentSaved(const QString& path) = 0;
  // OpenSettingsDialog: the properties dialog, then LayoutEditor and RedrawCanvas.
  virtual void openSettingsDialog() = 0;
  // Closes the statistics window when it is open.
  virtual void closeStatistics() = 0;
};

// New, Open, Save, drop and the close query, with the unsaved-changes check.
class DocumentCommands {
 public:
  // Save offers the kinds it writes, Open also the .ssc files it only reads.
  static constexpr const char* kFileFilter =
      "memorycard image(*.mc)|*.mc|KRUN Data (*.kru)|*.kru|StepMania (*.sm)|*.sm";
  static constexpr const char* kOpenFilter =
      "memorycard image(*.mc)|*.mc|KRUN Data (*.kru)|*.kru|StepMania (*.sm *.ssc)|*.sm;*.ssc";

  DocumentCommands(AppContext& context, DocumentHost& host);

  void newChart();  // M_New
  void open();      // M_Open
  void save();      // M_Save: sets saveDone when a file was written
  // Drop of a file list onto the main window: the first file only, by its ending.
  void dropFiles(const QStringList& paths);
  // Opens a file named on the command line (no unsaved-changes check): by its ending,
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
  bool openChartPath(const QString& path, ChartFileKind kind);
  void showFileError(const std::string& message, const QString& path);

  AppContext& context_;
  DocumentHost& host_;
  // Open and Save share one dialog: each starts with the name last chosen in either.
  QString lastPath_;
  int lastFilterIndex_ = 1;
};

}  // namespace tarveno
