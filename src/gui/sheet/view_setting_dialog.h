#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "core/sheet/view_settings.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;

namespace tarveno {

struct AppContext;
class Captions;
class ColorSwatch;

// frmViewSetting, "設定": edits the view settings. exec() it; Accepted means the sheet is to
// be rendered again, Rejected that nothing changed. The fonts are edited on copies, so Cancel (or
// the frame) discards every change.
class ViewSettingDialog : public QDialog {
  Q_OBJECT
 public:
  // An accepted dialog writes context.viewSettingsFile.
  ViewSettingDialog(AppContext& context, QWidget* parent);
  ~ViewSettingDialog() override;

  // The settings into the controls, as the dialog opens.
  void loadSettings();
  // ApplyViewSettings (OK): validates, also against the open chart's sheet, writes view.dat and
  // only then stores the settings. False when the dialog has to stay open (a value refused, the
  // file not written), after a message.
  bool applyViewSettings();

 protected:
  // Puts the captions into the language installed now.
  void changeEvent(QEvent* event) override;

 private:
  QLineEdit* numberBox(const char* name);
  void createControls();
  QGridLayout* sheetRows();
  QHBoxLayout* fontRow(size_t font, size_t swatch);
  QGroupBox* headerGroup();
  QGroupBox* numberGroup();
  QHBoxLayout* buttonRow();
  // The controls' values over the current settings; refused when a number does not fit 16 bits.
  Result<ViewSettings> settingsFromControls() const;
  void chooseColor(size_t index);
  void chooseFont(size_t index);
  void showSample(size_t index);

  AppContext& context_;
  std::unique_ptr<Captions> captions_;
  std::array<FontSpec, 2> fonts_;  // header and number font as the samples show them

  QLineEdit* txtBlocks_ = nullptr;
  QLineEdit* txtMarginV_ = nullptr;
  QLineEdit* txtMarginH_ = nullptr;
  QLineEdit* txtMarginC_ = nullptr;
  QLineEdit* txtHeaderMargin_ = nullptr;
  QPlainTextEdit* txtHeaderStyle_ = nullptr;
  std::array<ColorSwatch*, 9> picColor_{};
  std::array<QComboBox*, 4> cmbLineStyle_{};
  std::array<QPushButton*, 2> cmdHeaderFont_{};
  std::array<QLabel*, 2> lblSample_{};
  QCheckBox* chkShowNum_ = nullptr;
  QSlider* sldNumPos_ = nullptr;
  QLabel* lblNumPos_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
};

}  // namespace tarveno
