#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <array>

class QLabel;
class QPushButton;

namespace tarveno {

struct AppContext;

// Where the statistics window goes: right beside the main window when it fits on the screen
// (the available area's right edge), otherwise left beside it; the tops line up.
QPoint editInfoPosition(const QRect& mainFrame, int ownWidth, const QRect& available);

// frmEditInfo, "譜面情報": the modeless statistics window beside the main window.
class EditInfoWindow : public QDialog {
  Q_OBJECT
 public:
  EditInfoWindow(AppContext& context, QWidget* mainWindow);

  // ComputeChartStats: recounts and fills the labels.
  void computeChartStats();

 protected:
  // Every showing is a fresh load: placed beside the main window, then counted.
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void placeBesideMainWindow();
  // The title and the captions in the language in force.
  void retranslate();

  AppContext& context_;
  QWidget* mainWindow_;
  QLabel* lblTotalAllow_ = nullptr;
  QLabel* lblTotalStep_ = nullptr;
  std::array<QLabel*, 8> lblAllow_{};
  std::array<QLabel*, 4> imgOmpu_{};
  std::array<QLabel*, 4> lblDivide_{};
  QLabel* lblObjects_ = nullptr;
  QLabel* lblSteps_ = nullptr;
  QPushButton* command1_ = nullptr;
};

}  // namespace tarveno
