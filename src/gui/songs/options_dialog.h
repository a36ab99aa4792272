#pragma once

#include <QDialog>

namespace tarveno {

struct AppContext;

// frmOptions, "設定": the chart properties dialog. exec() it; it stores into the chart on OK.
class OptionsDialog : public QDialog {
  Q_OBJECT
 public:
  OptionsDialog(AppContext& context, QWidget* parent);

 private:
  AppContext& context_;
};

}  // namespace tarveno
