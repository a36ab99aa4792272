#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "core/chart/simfile.h"

class QListWidget;

namespace tarveno {

// frmSimfileCharts ("譜面の選択"): the readable charts of a simfile, one line each with style,
// difficulty, meter and description, for the user to pick one. The first line starts
// selected; OK or a double click takes the selected chart, Cancel or Esc none.
class SimfileChartDialog : public QDialog {
  Q_OBJECT
 public:
  SimfileChartDialog(const SimfileSong& song, std::vector<size_t> charts, QWidget* parent);

  // Shows the dialog modally; the index of the chosen chart in the song, or nothing.
  static std::optional<size_t> ask(const SimfileSong& song, std::vector<size_t> charts, QWidget* parent);

 private:
  std::vector<size_t> charts_;
  QListWidget* lstCharts_ = nullptr;
};

}  // namespace tarveno
