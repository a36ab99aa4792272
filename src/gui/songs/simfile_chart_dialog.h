#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "core/chart/simfile.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tarveno {

// What the user picked: a chart of the file and the song to place it on.
struct SimfileImportChoice {
  size_t chart = 0;
  int16_t song = 0;
};

// frmSimfileCharts ("譜面の選択"): the readable charts of a simfile, one line each with style,
// difficulty, meter and description, and the song to read the chosen one under (曲選択, the
// list of 設定). The first chart starts selected, and each chart selected brings its default
// song (chooseSimfileSong), which the user may change. OK or a double click takes the
// selection, Cancel or Esc nothing.
class SimfileChartDialog : public QDialog {
  Q_OBJECT
 public:
  SimfileChartDialog(const SimfileSong& song, std::vector<size_t> charts, const Catalogue& catalogue, QWidget* parent);

  // Shows the dialog modally; the chart (its index in the song) and song chosen, or nothing.
  static std::optional<SimfileImportChoice> ask(const SimfileSong& song, std::vector<size_t> charts,
                                                const Catalogue& catalogue, QWidget* parent);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // The captions and the chart lines in the language installed now.
  void retranslate();
  static QString chartLine(const SimfileChart& chart);
  void showDefaultSong();

  const SimfileSong& song_;
  const Catalogue& catalogue_;
  std::vector<size_t> charts_;
  QLabel* label_ = nullptr;
  QLabel* songLabel_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QListWidget* lstCharts_ = nullptr;
  QComboBox* cmbTitle_ = nullptr;
};

}  // namespace tarveno
