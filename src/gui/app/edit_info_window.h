#pragma once

#include <QDialog>

namespace tarveno {

struct AppContext;

// frmEditInfo, "譜面情報": the modeless statistics window beside the main window.
class EditInfoWindow : public QDialog {
  Q_OBJECT
 public:
  EditInfoWindow(AppContext& context, QWidget* mainWindow);

  // ComputeChartStats: recounts and fills the labels.
  void computeChartStats();

 private:
  AppContext& context_;
};

}  // namespace tarveno
