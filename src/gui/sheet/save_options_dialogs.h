#pragma once

#include <QDialog>
#include <array>

#include "render/image_export.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace tarveno {

// frmSavePNG, "PNGで保存": the compression option of a PNG export. exec() it; OK accepts,
// closing it any other way (frame, Esc) rejects and nothing is saved.
class SavePngDialog : public QDialog {
 public:
  explicit SavePngDialog(QWidget* parent);

  // pngOption: the index of the selected option button.
  PngOption option() const;

 private:
  std::array<QRadioButton*, 3> optValue_{};
  QPushButton* cmdOK_ = nullptr;
};

// frmSaveJPEG, "JPEGで保存": quality 1..100 (95 at opening) and the progressive flag.
class SaveJpegDialog : public QDialog {
 public:
  explicit SaveJpegDialog(QWidget* parent);

  int quality() const;
  bool progressive() const;

 private:
  QSlider* sldValue_ = nullptr;
  QLabel* lblValue_ = nullptr;
  QCheckBox* chkProgressive_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
};

}  // namespace tarveno
